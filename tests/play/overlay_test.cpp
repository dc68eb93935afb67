// The influence overlay's forecast of a picked piece's move under the pointer.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

// The silver stepping in front of the rook is frozen and freezes the pawn
// (cyan, 11); the rook and the gold are freed (green, 10). Elsewhere the
// marks are painted over and the pick keeps its red outline; nothing at all
// while the overlay is off.
TEST(InfluenceOverlay, ThePointerOverADestinationForecastsTheFreeze) {
  StartedProgram g;
  g.form.START_Click();
  g.setBoard({{5, 9, -王}, {5, 1, 王}, {1, 5, 飛}, {1, 4, 歩}, {3, 5, -金}, {2, 6, -銀}});
  g.click(2, 6);
  auto 指す先へ = [&](int x, int y) {
    g.takeOps();
    g.form.Form_MouseMove(セルX(x) + 100, セルY(y) + 100);
    std::set<std::tuple<int, int, int>> 印;  // the cells of the marks' centres, colours
    for (const auto& op : g.surface.ops)
      if (op.kind == RecordingSurface::Kind::Polygon && (op.colour == 10 || op.colour == 11))
        印.insert({static_cast<int>((op.corners[1].x + op.corners[2].x) / 2 - 盤左端) / 桝幅,
                   static_cast<int>((op.corners[1].y + op.corners[2].y) / 2 - 盤上端) / 桝高,
                   op.colour});
    return 印;
  };
  EXPECT_TRUE(指す先へ(2, 5).empty() && g.surface.ops.empty());
  g.form.利き表示設定(true);
  EXPECT_EQ(指す先へ(2, 5),
            (std::set<std::tuple<int, int, int>>{{1, 4, 11}, {2, 5, 11}, {1, 5, 10}, {3, 5, 10}}));
  EXPECT_TRUE(指す先へ(2, 7).empty());
  EXPECT_TRUE(lastPictureAt(g.surface.ops, 1, 4).has_value());
  EXPECT_EQ(outlinesAt(g.surface.ops, 2, 6).back(), 色_赤);
}

}  // namespace
}  // namespace qz
