#include <gtest/gtest.h>

#include "fixture.h"

namespace qz {
namespace {

using testing::局面読込;
using testing::試験候補;
using testing::配置;

TEST(Decisive, TakingTheKingEndsTheSearchAtOnce) {
  // A lance takes MAN's king on (1,7); both versions score 9999, the equal
  // promoted one does not replace the first, and nothing after is tried (the
  // four pawns in hand are never dropped).
  testing::試験探索 t(
      "3rg2n1/l1sP1s2l/1p1+Rplk1b/2p2ppB1/1n3PP1p/1P1pP3P/K1GS3PL/4GN2G/6SN1 w 4P 1", 3);
  ASSERT_GE(t.一覧.size(), 2u);
  EXPECT_EQ(testing::USI(t.一覧[t.一覧.size() - 2]), "9b9g");
  EXPECT_EQ(testing::USI(t.一覧.back()), "9b9g+");
  EXPECT_EQ(t.一覧.back().評価値, 王取得点);
  EXPECT_EQ(t.最善(), "9b9g");
  EXPECT_EQ(t.結果.最高評価値, 王取得点);
}

TEST(Decisive, MateUnlessCOMsKingIsLeftAttackedOrAPawnGivesIt) {
  // A knight dropped on (2,7) mates MAN's king in the corner...
  試験候補 mate(局面読込("8k/9/9/9/9/9/9/9/K8 w n 1"), -1, 3, 2, 7, 桂);
  EXPECT_EQ(mate.評価(1), 詰め点);
  // ... but not while a MAN lance attacks COM's king: that comes first.
  試験候補 exposed(局面読込("8k/9/9/9/9/9/9/9/K7L w n 1"), -1, 3, 2, 7, 桂);
  EXPECT_EQ(exposed.評価(3), 自殺点);

  // With a COM bishop already bearing on MAN's king, a piece put in front of
  // the king completes the mate: a gold scores 9998, a pawn -9998, dropped or
  // pushed.
  const 局面 base = 局面読込("8k/9/9/9/4b4/9/9/9/K8 w gp 1");
  EXPECT_EQ(試験候補(base, -1, 5, 1, 8, 金).評価(3), 詰め点);
  EXPECT_EQ(試験候補(base, -1, 1, 1, 8, 歩).評価(3), 自殺点);
  局面 pushed = base;
  pushed.盤面[1][7] = 歩;
  EXPECT_EQ(試験候補(pushed, 1, 7, 1, 8, 歩).評価(3), 自殺点);
}

TEST(Levels, ApproachToMANsKingCountsFromLevelTwo) {
  // A rook steps from (1,8) to (2,8) towards MAN's king on (5,9): the column
  // distance (3) is the larger, so a from-distance above it is worth 1.
  const 局面 across = 配置({{1, 8, 飛}, {5, 9, -王}, {9, 1, 王}});
  for (int level : {1, 2, 3}) {
    試験候補 t(across, 1, 8, 2, 8, 飛);
    const 点数 near = t.評価(level, 0), far = t.評価(level, 4);
    EXPECT_EQ(far - near, level == 1 ? 0 : 点(1)) << level;
  }
  // A silver from (7,1) to (6,2): the row distance (7) is the larger, 0.1.
  局面 down = 配置({{7, 1, 銀}, {5, 9, -王}, {1, 1, 王}});
  for (int level : {1, 2, 3}) {
    試験候補 t(down, 7, 1, 6, 2, 銀);
    EXPECT_EQ(t.評価(level, 8) - t.評価(level, 7), level == 1 ? 0 : 点(0.1)) << level;
  }
}

TEST(Levels, AnUndefendedDropWhereMANBearsLosesValuePlusFifty) {
  // A gold dropped on (5,6) in front of a MAN pawn, with no COM piece near.
  const 局面 s = 配置({{5, 7, -歩}, {9, 1, 王}, {1, 9, -王}});
  局面 hand = s;
  hand.持駒_COM.加える(5);
  試験候補 t(hand, -1, 5, 5, 6, 金);
  EXPECT_EQ(t.評価(2) - t.評価(1), -駒点(金 + 50));
  EXPECT_EQ(t.評価(3) - t.評価(2), 点(-0.5));  // the gold's own pattern: forward diagonally
}

TEST(Levels, LevelThreePatternsOfTheMovedPiece) {
  struct Case {
    const char* what;
    局面 before;
    int fx, fy, tx, ty, placed, moved;
    点数 level3_minus_level2;
  };
  局面 gold_hand = 配置({{9, 1, 王}, {1, 9, -王}});
  gold_hand.持駒_COM.加える(5);
  const Case cases[] = {
      {"pawn to row 8: only the -0.1", 配置({{5, 7, 歩}, {1, 1, 王}, {9, 9, -王}}), 5, 7, 5, 8, 歩,
       歩, 点(-0.1)},
      {"pawn to row 8 guarded by a silver: and 0.6",
       配置({{5, 7, 歩}, {4, 7, 銀}, {1, 1, 王}, {9, 9, -王}}), 5, 7, 5, 8, 歩, 歩, 点(0.5)},
      {"promoted lance: nothing", 配置({{1, 5, 香}, {5, 1, 王}, {5, 9, -王}}), 1, 5, 1, 7, 成香, 香,
       0},
      {"promoted knight: nothing", 配置({{2, 5, 桂}, {5, 1, 王}, {5, 9, -王}}), 2, 5, 1, 7, 成桂,
       桂, 0},
      {"promoted silver: nothing", 配置({{5, 6, 銀}, {9, 1, 王}, {1, 9, -王}}), 5, 6, 5, 7, 成銀,
       銀, 0},
      // A drop's from-row is the hand slot, 5 for a gold: rows 6..9 are
      // "forward", and the from-column -1 is never the destination's.
      {"gold dropped on row 6", gold_hand, -1, 5, 5, 6, 金, 金, 点(-0.5)},
      {"gold dropped on row 5", gold_hand, -1, 5, 5, 5, 金, 金, 0},
  };
  for (const Case& c : cases) {
    試験候補 t(c.before, c.fx, c.fy, c.tx, c.ty, c.placed, c.moved);
    EXPECT_EQ(t.評価(3) - t.評価(2), c.level3_minus_level2) << c.what;
  }
}

TEST(BishopWarning, OnlyTheFirstTargetSquareOnTheMovedPiecesDiagonalsCounts) {
  // COM's king on (5,1) has bishop-drop targets (1,5) (2,4) (3,3) (7,3) (8,4)
  // (9,5). A silver dropped on (6,6) sees (3,3) first (column by column) and
  // (8,4) later. A MAN horse on (9,4) could reach (8,4) but not (3,3).
  局面 s = 配置({{5, 1, 王}, {5, 9, -王}, {9, 4, -成角}});
  s.持駒_COM.加える(4);
  試験候補 t(s, -1, 4, 6, 6, 銀);
  評価文脈 c{t.s, t.開始, 銀, 0, 3};
  EXPECT_EQ(盤評価_自角注意_COM(c, 6, 6, 銀), 0);
  // With a bishop in MAN's hand, a drop on (3,3) is possible: the warning is the piece.
  t.s.持駒_MAN.加える(6);
  EXPECT_EQ(盤評価_自角注意_COM(c, 6, 6, 銀), 銀);
  // A COM piece that bears on (6,6) makes the square one a MAN bishop could
  // not move from: the move check refuses it as frozen.
  t.s.持駒_MAN = {};
  t.s.盤面[7][5] = 金;
  勢力調査(t.s);
  t.s.持駒_MAN.加える(6);
  EXPECT_EQ(盤評価_自角注意_COM(c, 6, 6, 銀), 0);
}

}  // namespace
}  // namespace qz
