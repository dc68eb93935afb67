// The influence overlay against a recording surface.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "display/pictures.h"
#include "display/recording_surface.h"
#include "display/screen.h"

namespace qz {
namespace {

using Kind = RecordingSurface::Kind;

// A lower-side gold and the upper-side pawn in front of it freeze each
// other; the gold bears on six squares, the pawn on one. The game's own
// tables are left empty: the overlay surveys the board itself.
TEST(InfluenceOverlay, CountsInTwoCornersAndFrozenPiecesInverted) {
  RecordingSurface rec;
  対局 game;
  game.局.盤面[5][5] = -金;
  game.局.盤面[5][4] = 歩;
  画面 g{rec, game};
  g.描画_利き();
  EXPECT_TRUE(rec.ops.empty()) << "nothing while the overlay is off";

  g.利き表示 = true;
  g.描画_利き();
  // (column, row, lower half of the square, text, colour) of every count.
  std::set<std::tuple<int, int, bool, std::string, int>> counts;
  std::set<std::pair<int, int>> frozen;
  for (const auto& op : rec.ops) {
    const int x = static_cast<int>(op.x - 盤左端) / 桝幅,
              y = static_cast<int>(op.y - 盤上端) / 桝高;
    if (op.kind == Kind::Text)
      counts.insert({x, y, op.y - セルY(y) > 桝高 / 2, op.text, op.colour});
    if (op.kind == Kind::Picture && isPiece(op.picture) && pieceFace(op.picture).frozen)
      frozen.insert({x, y});
  }
  const std::set<std::tuple<int, int, bool, std::string, int>> expected = {
      {4, 4, true, "1", 9},     {6, 4, true, "1", 9}, {4, 5, true, "1", 9},
      {6, 5, true, "1", 9},     {5, 6, true, "1", 9}, {5, 4, true, "1", 色_白},
      {5, 5, false, "1", 色_白}};
  EXPECT_EQ(counts, expected);
  EXPECT_EQ(frozen, (std::set<std::pair<int, int>>{{5, 4}, {5, 5}}));
}

}  // namespace
}  // namespace qz
