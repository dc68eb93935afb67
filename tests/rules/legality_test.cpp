#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "rules/rules.h"
#include "test_util.h"

namespace qz {
namespace {

using testing::局面作成;
using Squares = std::set<std::pair<int, int>>;

Squares 行ける升(const 局面& s, int x, int y) {
  Squares r;
  for (int tx = 1; tx <= 9; ++tx)
    for (int ty = 1; ty <= 9; ++ty)
      if (移動チェック(s, x, y, tx, ty, s.盤面[x][y])) r.insert({tx, ty});
  return r;
}

struct MovementCase {
  int 駒;
  Squares from55;  // destinations from (5, 5) on an otherwise empty board
};

TEST(MoveCheck, EachKindMovesAsItShouldFromTheCentre) {
  const Squares king = {{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {4, 6}, {5, 6}, {6, 6}};
  const Squares manGold = {{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {5, 6}};
  const Squares comGold = {{4, 6}, {5, 6}, {6, 6}, {4, 5}, {6, 5}, {5, 4}};
  const MovementCase cases[] = {
      {-歩, {{5, 4}}},
      {歩, {{5, 6}}},
      {-香, {{5, 1}, {5, 2}, {5, 3}, {5, 4}}},
      {香, {{5, 6}, {5, 7}, {5, 8}, {5, 9}}},
      {-桂, {{4, 3}, {6, 3}}},
      {桂, {{4, 7}, {6, 7}}},
      {-銀, {{4, 4}, {5, 4}, {6, 4}, {4, 6}, {6, 6}}},
      {銀, {{4, 6}, {5, 6}, {6, 6}, {4, 4}, {6, 4}}},
      {-金, manGold},
      {-成歩, manGold},
      {-成香, manGold},
      {-成桂, manGold},
      {-成銀, manGold},
      {金, comGold},
      {成歩, comGold},
      {成香, comGold},
      {成桂, comGold},
      {成銀, comGold},
      {-王, king},
      {王, king},
  };
  for (const auto& c : cases) {
    局面 s = 局面作成({{5, 5, c.駒}});
    EXPECT_EQ(行ける升(s, 5, 5), c.from55) << c.駒;
  }
  // Sliders: 16 squares for a bishop in the centre, 16 for a rook; the
  // promoted ones add the four steps they lack.
  for (int side : {-1, 1}) {
    EXPECT_EQ(行ける升(局面作成({{5, 5, side * 角}}), 5, 5).size(), 16u);
    EXPECT_EQ(行ける升(局面作成({{5, 5, side * 飛}}), 5, 5).size(), 16u);
    EXPECT_EQ(行ける升(局面作成({{5, 5, side * 成角}}), 5, 5).size(), 20u);
    EXPECT_EQ(行ける升(局面作成({{5, 5, side * 成飛}}), 5, 5).size(), 20u);
  }
  局面 horse = 局面作成({{5, 5, -成角}});
  EXPECT_TRUE(移動チェック(horse, 5, 5, 5, 4, -成角));
  EXPECT_FALSE(移動チェック(horse, 5, 5, 5, 3, -成角));
  局面 dragon = 局面作成({{5, 5, 成飛}});
  EXPECT_TRUE(移動チェック(dragon, 5, 5, 6, 6, 成飛));
  EXPECT_FALSE(移動チェック(dragon, 5, 5, 7, 7, 成飛));
}

TEST(MoveCheck, FrozenPiecesCannotMoveUntilTheirAttackerIsGone) {
  局面 s = 局面作成({{5, 5, -金}, {5, 4, 歩}, {4, 5, -銀}});
  EXPECT_TRUE(行ける升(s, 5, 5).empty());
  EXPECT_TRUE(移動チェック(s, 4, 5, 5, 4, -銀));  // the silver takes the pawn
  駒移動(s, 4, 5, 5, 4, -銀);
  勢力調査(s);
  EXPECT_TRUE(移動チェック(s, 5, 5, 6, 5, -金));
  // A COM piece is frozen by MAN's bearing in the same way.
  局面 c = 局面作成({{5, 5, 銀}, {5, 6, -歩}});
  EXPECT_TRUE(行ける升(c, 5, 5).empty());
}

TEST(MoveCheck, AKingInCheckIsFrozenButMayStepOntoAnAttackedSquare) {
  局面 man = 局面作成({{5, 5, -王}, {5, 1, 飛}});
  EXPECT_TRUE(行ける升(man, 5, 5).empty());
  局面 com = 局面作成({{5, 5, 王}, {5, 9, -香}});
  EXPECT_TRUE(行ける升(com, 5, 5).empty());
  局面 free = 局面作成({{5, 9, -王}, {1, 8, 飛}});
  EXPECT_TRUE(移動チェック(free, 5, 9, 5, 8, -王));
  EXPECT_GT(free.表.勢力_COM[5][8], 0);
}

TEST(MoveCheck, LinesCannotBeJumpedAndTheFirstEnemyCanBeTaken) {
  局面 s = 局面作成({{5, 9, -香}, {5, 6, 歩}, {1, 8, -飛}, {4, 8, -歩}, {9, 9, -角}, {7, 7, 金}});
  EXPECT_TRUE(移動チェック(s, 5, 9, 5, 7, -香));
  EXPECT_TRUE(移動チェック(s, 5, 9, 5, 6, -香));
  EXPECT_FALSE(移動チェック(s, 5, 9, 5, 5, -香));
  EXPECT_FALSE(移動チェック(s, 5, 9, 5, 9 + 1, -香));
  EXPECT_TRUE(移動チェック(s, 1, 8, 3, 8, -飛));
  EXPECT_FALSE(移動チェック(s, 1, 8, 4, 8, -飛));  // own pawn
  EXPECT_FALSE(移動チェック(s, 1, 8, 5, 8, -飛));  // behind it
  EXPECT_FALSE(移動チェック(s, 1, 8, 2, 7, -飛));  // not on a line
  EXPECT_TRUE(移動チェック(s, 9, 9, 7, 7, -角));
  EXPECT_FALSE(移動チェック(s, 9, 9, 6, 6, -角));
  EXPECT_FALSE(移動チェック(s, 9, 9, 9, 8, -角));
  EXPECT_EQ(移動チェック飛車(s.盤面, 1, 8, 3, 8), 1);
  EXPECT_EQ(移動チェック飛車(s.盤面, 1, 8, 2, 7), 0);
  EXPECT_EQ(移動チェック角(s.盤面, 9, 9, 6, 6), 0);
  EXPECT_EQ(移動チェック角(s.盤面, 9, 9, 8, 8), 1);
}

struct DropCase {
  int 元X, 元Y, 駒, 先X, 先Y, 結果;
};

TEST(MoveCheck, DropsDoublePawnsAndLastRanks) {
  // MAN pawn in column 3, only a と in column 4; COM pawn in column 6.
  局面 s = 局面作成({{3, 7, -歩}, {4, 5, -成歩}, {6, 3, 歩}, {8, 8, 金}});
  const DropCase cases[] = {
      {11, 3, -歩, 3, 5, 0},  // double pawn
      {11, 3, -歩, 4, 6, 1},  // a と does not count
      {11, 3, -歩, 5, 1, 0}, {11, 3, -歩, 5, 2, 1}, {11, 4, -香, 5, 1, 0},
      {11, 4, -香, 5, 2, 1}, {11, 5, -桂, 5, 2, 0}, {11, 5, -桂, 5, 1, 0},
      {11, 5, -桂, 5, 3, 1}, {11, 6, -銀, 5, 1, 1}, {11, 7, -金, 5, 1, 1},
      {11, 8, -角, 5, 1, 1}, {11, 9, -飛, 5, 1, 1}, {11, 7, -金, 8, 8, 0},  // occupied
      {11, 7, -金, 3, 7, 0}, {-1, 1, 歩, 6, 5, 0},  {-1, 1, 歩, 3, 5, 1},
      {-1, 1, 歩, 5, 9, 0},  {-1, 1, 歩, 5, 8, 1},  {-1, 2, 香, 5, 9, 0},
      {-1, 3, 桂, 5, 8, 0},  {-1, 3, 桂, 5, 9, 0},  {-1, 3, 桂, 5, 7, 1},
      {-1, 7, 飛, 5, 9, 1},  {-1, 5, 金, 4, 5, 0},  {-1, 1, 歩, 0, 5, 0},  // off the board
  };
  for (const auto& c : cases)
    EXPECT_EQ(移動チェック(s, c.元X, c.元Y, c.先X, c.先Y, c.駒), c.結果)
        << c.駒 << " to " << c.先X << "," << c.先Y;
  // A drop is never frozen, even onto a square the enemy bears on.
  局面 t = 局面作成({{5, 3, 歩}});
  EXPECT_TRUE(移動チェック(t, 11, 7, 5, 4, -金));
}

TEST(MoveCheck, SameSquareOwnPiecesAndCodesWithoutAMovementRule) {
  局面 s = 局面作成({{5, 5, -金}, {5, 4, -歩}, {6, 6, 金}, {6, 5, 歩}});
  EXPECT_FALSE(移動チェック(s, 5, 5, 5, 5, -金));
  EXPECT_FALSE(移動チェック(s, 5, 5, 5, 4, -金));
  EXPECT_FALSE(移動チェック(s, 6, 6, 6, 5, 金));
  // ±111 never stands on a board; the move check gives it no movement rule.
  局面 e = 局面作成({});
  EXPECT_TRUE(移動チェック(e, 5, 5, 1, 1, 成金));
  // A source row off the board is refused rather than read.
  EXPECT_FALSE(移動チェック(e, 5, 0, 5, 1, -金));
  EXPECT_FALSE(移動チェック(e, 0, 5, 1, 5, -金));
}

}  // namespace
}  // namespace qz
