#include "computer/surveys.h"

#include <gtest/gtest.h>

#include "computer/score.h"
#include "fixture.h"

namespace qz {
namespace {

using testing::配置;

// The squares of a table that hold 1, column by column.
std::vector<std::pair<int, int>> 印(const 盤配列& t) {
  std::vector<std::pair<int, int>> v;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (t[x][y] == 1) v.emplace_back(x, y);
  return v;
}

TEST(ShieldSurvey, MarksTheOnlyPieceBetweenASliderAndItsKing) {
  // A COM rook on MAN's king's column behind one silver; a COM bishop on the
  // king's diagonal behind two MAN pieces.
  局面 s = 配置(
      {{5, 9, -王}, {5, 7, -銀}, {5, 2, 飛}, {8, 6, 角}, {7, 7, -歩}, {6, 8, -金}, {1, 1, 王}});
  勢力調査(s);
  手番開始記録 r;
  調査_移動不可駒(s, r);
  EXPECT_EQ(印(r.移動不可_MAN), (std::vector<std::pair<int, int>>{{5, 7}}));
  EXPECT_TRUE(印(r.移動不可_COM).empty());
  EXPECT_EQ(r.COM移動不可有, 0);
  EXPECT_EQ(
      s.盤面,
      配置({{5, 9, -王}, {5, 7, -銀}, {5, 2, 飛}, {8, 6, 角}, {7, 7, -歩}, {6, 8, -金}, {1, 1, 王}})
          .盤面);

  // A COM pawn between COM's king and a MAN lance is marked on COM's side.
  s.盤面[1][9] = -香;
  s.盤面[1][5] = 歩;
  勢力調査(s);
  調査_移動不可駒(s, r);
  EXPECT_EQ(印(r.移動不可_COM), (std::vector<std::pair<int, int>>{{1, 5}}));
  EXPECT_EQ(r.COM移動不可有, 1);
}

TEST(ShieldSurvey, EveryPieceCountsWhileTheKingIsAlreadyReached) {
  // With the rook's line already open, lifting any MAN piece leaves the king
  // reachable, so every MAN piece is marked.
  局面 s = 配置({{5, 9, -王}, {3, 7, -歩}, {5, 2, 飛}, {1, 1, 王}});
  勢力調査(s);
  手番開始記録 r;
  調査_移動不可駒(s, r);
  EXPECT_EQ(印(r.移動不可_MAN), (std::vector<std::pair<int, int>>{{3, 7}, {5, 9}}));
}

TEST(BishopTargets, EmptyUnguardedSquaresOnTheKingsDiagonals) {
  // The squares next to the king are borne on by the king itself, and the
  // move check refuses a MAN bishop standing on a square COM bears on, so
  // only the farther diagonal squares are targets.
  局面 s = 配置({{5, 1, 王}, {5, 9, -王}});
  勢力調査(s);
  手番開始記録 r;
  調査_持角狙座標(s, r);
  EXPECT_EQ(印(r.持角狙座標_MAN),
            (std::vector<std::pair<int, int>>{{1, 5}, {2, 4}, {3, 3}, {7, 3}, {8, 4}, {9, 5}}));

  // A COM pawn on (7, 3) blocks that diagonal beyond it and is no target itself.
  s.盤面[7][3] = 歩;
  勢力調査(s);
  調査_持角狙座標(s, r);
  EXPECT_EQ(印(r.持角狙座標_MAN), (std::vector<std::pair<int, int>>{{1, 5}, {2, 4}, {3, 3}}));
}

TEST(FreeSquares, CountsLegalDestinationsTheOpponentDoesNotBearOn) {
  局面 s = 配置({{5, 5, 王}, {5, 7, -金}, {9, 9, -王}});
  勢力調査(s);
  // The gold covers (4, 6), (5, 6) and (6, 6) of the king's eight squares.
  EXPECT_EQ(調査_移動可場所数(s, 5, 5, 王), 5);
  // A MAN gold counts the squares COM does not bear on: of its six, the
  // king covers (4, 6), (5, 6) and (6, 6).
  EXPECT_EQ(調査_移動可場所数(s, 5, 7, -金), 3);
  // A frozen piece has nowhere to go.
  s.盤面[5][5] = 0;
  s.盤面[5][6] = 王;
  勢力調査(s);
  EXPECT_EQ(調査_移動可場所数(s, 5, 6, 王), 0);
  // A corner rook on an empty board: 16 squares.
  局面 r = 配置({{1, 1, 飛}});
  勢力調査(r);
  EXPECT_EQ(調査_移動可場所数(r, 1, 1, 飛), 16);
}

TEST(Neighbourhood, CountsCOMBigPiecesAroundASquare) {
  局面 s = 配置({{1, 2, 飛},
                 {2, 2, 角},
                 {2, 1, 金},
                 {4, 4, 王},
                 {6, 6, 成角},
                 {5, 4, 成飛},
                 {4, 5, -飛},
                 {6, 5, 銀}});
  EXPECT_EQ(調査_周辺状況(s.盤面, 1, 1), -2);  // a corner sees three squares
  EXPECT_EQ(調査_周辺状況(s.盤面, 5, 5), -3);  // MAN rook and COM silver do not count
  EXPECT_EQ(調査_周辺状況(s.盤面, 9, 9), 0);
}

TEST(BackedFromBelow, FirstMANLanceRookOrDragonBelowThatCanReach) {
  struct Case {
    const char* what;
    std::initializer_list<testing::駒置き> extra;
    int expected;
  };
  const Case cases[] = {
      {"clear line to a rook", {}, 1},
      {"COM piece in between", {{5, 6, 歩}}, 0},
      {"MAN pawn in between blocks the rook", {{5, 6, -歩}}, 0},
      {"rook frozen by a COM gold", {{4, 7, 金}}, 0},
      {"a MAN piece on the square itself is lifted", {{5, 3, -歩}}, 1},
  };
  for (const Case& c : cases) {
    局面 s = 配置({{5, 8, -飛}, {9, 9, -王}, {1, 1, 王}});
    for (const auto& p : c.extra) s.盤面[p.x][p.y] = static_cast<std::int16_t>(p.code);
    勢力調査(s);
    const 盤配列 before = s.盤面;
    EXPECT_EQ(調査_自守駒MAN_直進駒(s, 5, 3), c.expected) << c.what;
    EXPECT_EQ(s.盤面, before) << c.what;
  }
  // A lance counts too; a silver below does not stop the scan.
  局面 s = 配置({{5, 9, -香}, {5, 8, -銀}, {9, 9, -王}, {1, 1, 王}});
  勢力調査(s);
  EXPECT_EQ(調査_自守駒MAN_直進駒(s, 5, 3), 0);  // the silver blocks the lance's line
  s.盤面[5][8] = 0;
  s.盤面[4][8] = -銀;
  勢力調査(s);
  EXPECT_EQ(調査_自守駒MAN_直進駒(s, 5, 3), 1);
}

TEST(KnightAim, ForksAMANMajorPieceBesideTheAttackedPawn) {
  // A COM pawn on (5, 7) attacked by a MAN rook; a knight on (4, 5) would
  // attack the MAN bishop on (3, 7). The gold on (7, 7) is no major piece.
  局面 s = 配置({{5, 7, 歩}, {5, 9, -飛}, {3, 7, -角}, {7, 7, -金}, {9, 9, -王}, {1, 1, 王}});
  勢力調査(s);
  EXPECT_EQ(調査_桂狙い(s, 5, 7), 角);
  // The recorded attacker of the pawn (a horse's diagonal records -800,
  // which outranks the rook's -900) decides by its column which major piece
  // is the attacker and so not forked.
  局面 t = 配置({{5, 7, 歩}, {7, 9, -成角}, {3, 7, -飛}, {9, 9, -王}, {1, 1, 王}});
  勢力調査(t);
  ASSERT_EQ(t.表.攻駒_MAN[5][7], -角);
  EXPECT_EQ(調査_桂狙い(t, 5, 7), 飛);
  t.盤面[7][9] = 0;
  t.盤面[3][9] = -成角;
  勢力調査(t);
  EXPECT_EQ(調査_桂狙い(t, 5, 7), 0);
  // Only from row 6 down.
  局面 u = 配置({{5, 5, 歩}, {5, 7, -飛}, {3, 5, -角}, {9, 9, -王}, {1, 1, 王}});
  勢力調査(u);
  EXPECT_EQ(調査_桂狙い(u, 5, 5), 0);
}

TEST(LanceAim, ALanceOnTheAttackedPawnsSquareWouldBeFrozen) {
  // Every condition but the last holds; the move check then refuses a COM
  // lance standing where MAN bears (the pawn's attacker), so nothing is won.
  局面 s = 配置({{5, 7, 歩}, {5, 5, 金}, {5, 9, -飛}, {9, 9, -王}, {1, 1, 王}});
  勢力調査(s);
  ASSERT_GT(s.表.勢力_COM[5][6], 0);
  ASSERT_EQ(s.表.勢力_MAN[5][6], 0);
  EXPECT_EQ(調査_香狙い(s, 5, 7), 0);
}

TEST(Score, WholeNumbersWithoutDecimalsTenthsWithOne) {
  const std::pair<点数, const char*> cases[] = {
      {0, "0"},     {105, "10.5"},        {-1, "-0.1"},     {-350, "-35"},  {点(9998), "9998"},
      {-5, "-0.5"}, {点(-9998), "-9998"}, {点(0.6), "0.6"}, {1002, "100.2"}};
  for (const auto& [v, text] : cases) EXPECT_EQ(点数表記(v), text);
}

}  // namespace
}  // namespace qz
