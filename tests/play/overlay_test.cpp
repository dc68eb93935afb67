// The influence overlay in the window: the forecast of a picked piece's move
// under the pointer, and nothing of it while the overlay is off.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

// The cells a forecast marked, with their colours (cyan: freezes, green: frees).
std::set<std::tuple<int, int, int>> 予告の印(const std::vector<RecordingSurface::Op>& ops) {
  std::set<std::tuple<int, int, int>> r;
  for (const auto& op : ops) {
    if (op.kind != RecordingSurface::Kind::Polygon || (op.colour != 10 && op.colour != 11))
      continue;
    double x = 0, y = 0;
    for (const Point& p : op.corners) x += p.x / 3, y += p.y / 3;
    r.insert({static_cast<int>(std::floor((x - 盤左端) / 桝幅)),
              static_cast<int>(std::floor((y - 盤上端) / 桝高)), op.colour});
  }
  return r;
}

void 指す先へ(StartedProgram& g, int x, int y) {
  g.form.Form_MouseMove(盤左端 + 桝幅 * x + 100, 盤上端 + 桝高 * y + 100);
}

// The silver stepping in front of the rook is frozen and freezes the pawn;
// the rook and the gold behind are freed. Off the board the marks go and the
// picked silver keeps its red outline.
TEST(InfluenceOverlay, ThePointerOverADestinationForecastsTheFreeze) {
  StartedProgram g;
  g.form.START_Click();
  g.setBoard({{5, 9, -王}, {5, 1, 王}, {1, 5, 飛}, {1, 4, 歩}, {3, 5, -金}, {2, 6, -銀}});
  g.click(2, 6);
  g.takeOps();
  指す先へ(g, 2, 5);
  EXPECT_TRUE(g.takeOps().empty()) << "nothing while the overlay is off";

  g.form.利き表示設定(true);
  g.form.Form_MouseMove(-1e9, -1e9);
  g.takeOps();
  指す先へ(g, 2, 5);
  EXPECT_EQ(予告の印(g.takeOps()),
            (std::set<std::tuple<int, int, int>>{{1, 4, 11}, {2, 5, 11}, {1, 5, 10}, {3, 5, 10}}));
  指す先へ(g, 2, 7);  // no destination: the marks are painted over
  const auto ops = g.takeOps();
  EXPECT_TRUE(予告の印(ops).empty());
  EXPECT_TRUE(lastPictureAt(ops, 1, 4).has_value());
  EXPECT_EQ(outlinesAt(ops, 2, 6).back(), 色_赤);
  g.form.利き表示設定(false);
  g.takeOps();
  指す先へ(g, 2, 5);
  EXPECT_TRUE(g.takeOps().empty());
}

}  // namespace
}  // namespace qz
