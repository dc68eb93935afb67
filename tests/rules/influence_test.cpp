#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "rules/rules.h"
#include "test_util.h"

namespace qz {
namespace {

using testing::局面作成;

// The squares of a table holding a non-zero value, as (x, y, value).
std::vector<std::array<int, 3>> 非零(const 盤配列& a) {
  std::vector<std::array<int, 3>> r;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (a[x][y] != 0) r.push_back({x, y, a[x][y]});
  return r;
}

using Cells = std::vector<std::array<int, 3>>;

TEST(InfluenceSurvey, EmptyBoardResetsEveryTableAndKeepsTheKingSquares) {
  局面 s;
  s.表.MAN王X = 3;
  s.表.MAN王Y = 4;
  s.表.COM王X = 6;
  s.表.COM王Y = 2;
  s.表.勢力_MAN[2][2] = 5;
  s.表.王手駒マップ_MAN[1][1] = 9;
  勢力調査(s);
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(s.表.勢力_MAN[x][y], 0);
      EXPECT_EQ(s.表.勢力_COM[x][y], 0);
      EXPECT_EQ(s.表.王手駒マップ_MAN[x][y], 0);
      EXPECT_EQ(s.表.王手駒マップ_COM[x][y], 0);
      EXPECT_EQ(s.表.守駒_MAN[x][y], 999);
      EXPECT_EQ(s.表.守駒_COM[x][y], 999);
      EXPECT_EQ(s.表.攻駒_COM[x][y], 999);
      EXPECT_EQ(s.表.攻駒_MAN[x][y], -999);
    }
  }
  EXPECT_EQ(s.表.MAN王X, 3);
  EXPECT_EQ(s.表.MAN王Y, 4);
  EXPECT_EQ(s.表.COM王X, 6);
  EXPECT_EQ(s.表.COM王Y, 2);
  // Row 0 and column 0 are never touched.
  EXPECT_EQ(s.表.攻駒_MAN[0][5], 0);
  EXPECT_EQ(s.表.守駒_COM[5][0], 0);
}

TEST(InfluenceSurvey, InitialPositionBearsOnRowsFourAndSixOnly) {
  局面 s;
  初期配置(s);
  勢力調査(s);
  for (int x = 1; x <= 9; ++x) {
    EXPECT_EQ(s.表.勢力_COM[x][4], 1) << x;
    EXPECT_EQ(s.表.勢力_MAN[x][6], 1) << x;
    EXPECT_EQ(s.表.勢力_COM[x][5] + s.表.勢力_MAN[x][5], 0) << x;
    EXPECT_EQ(s.表.勢力_MAN[x][4], 0) << x;
    EXPECT_EQ(s.表.勢力_COM[x][6], 0) << x;
  }
  EXPECT_TRUE(非零(s.表.王手駒マップ_MAN).empty());
  EXPECT_TRUE(非零(s.表.王手駒マップ_COM).empty());
  EXPECT_EQ(s.表.MAN王X, 5);
  EXPECT_EQ(s.表.MAN王Y, 9);
  EXPECT_EQ(s.表.COM王X, 5);
  EXPECT_EQ(s.表.COM王Y, 1);
  // The MAN king guards its golds; the COM king guards too, without a square.
  EXPECT_EQ(s.表.守駒_MAN[4][9], -950);
  EXPECT_EQ(s.表.守駒_COM[4][1], 950);
  // The bishop guards the silver at (3, 9) along its diagonal.
  EXPECT_EQ(s.表.守駒_MAN[3][9], -800);
  EXPECT_EQ(s.表.守駒_COM[9][1], 800);  // the COM bishop (8, 2) guards the lance
}

TEST(InfluenceSurvey, CheapestAttackerAndHighestGuardWin) {
  // A MAN pawn and a MAN gold both attack the COM silver at (5, 5).
  局面 a = 局面作成({{5, 5, 銀}, {5, 6, -歩}, {4, 5, -金}});
  EXPECT_EQ(a.表.攻駒_MAN[5][5], -10);
  EXPECT_EQ(a.表.攻駒X_MAN[5][5], 5);
  EXPECT_EQ(a.表.攻駒Y_MAN[5][5], 6);
  EXPECT_EQ(a.表.勢力_MAN[5][5], 2);
  // A gold and a silver: the silver is the cheaper attacker.
  局面 b = 局面作成({{5, 5, 銀}, {6, 6, -銀}, {4, 5, -金}});
  EXPECT_EQ(b.表.攻駒_MAN[5][5], -100);
  EXPECT_EQ(b.表.攻駒X_MAN[5][5], 6);
  EXPECT_EQ(b.表.攻駒Y_MAN[5][5], 6);
  // A MAN pawn guarded by a pawn and by the king: the king is recorded.
  局面 c = 局面作成({{5, 6, -歩}, {5, 7, -歩}, {4, 7, -王}});
  EXPECT_EQ(c.表.守駒_MAN[5][6], -950);
  // A COM pawn guarded by a pawn and a rook: the pawn is recorded, but a
  // pawn's guard stores no square, so the rook's square (met first) stays.
  局面 d = 局面作成({{5, 5, 歩}, {5, 4, 歩}, {1, 5, 飛}});
  EXPECT_EQ(d.表.守駒_COM[5][5], 10);
  EXPECT_EQ(d.表.持ち越し.守駒X_COM[5][5], 1);
  EXPECT_EQ(d.表.持ち越し.守駒Y_COM[5][5], 5);
  // Two MAN silvers: the one met first in the scan keeps the square.
  局面 e = 局面作成({{5, 5, 歩}, {6, 6, -銀}, {4, 6, -銀}});
  EXPECT_EQ(e.表.攻駒_MAN[5][5], -100);
  EXPECT_EQ(e.表.攻駒X_MAN[5][5], 4);
  EXPECT_EQ(e.表.攻駒Y_MAN[5][5], 6);
}

TEST(InfluenceSurvey, RecordedCodesOfGoldMoversAndHorses) {
  // A COM promoted pawn guards as 110 and never records an attack.
  局面 a = 局面作成({{5, 5, 成歩}, {5, 6, 歩}, {4, 6, -歩}});
  EXPECT_EQ(a.表.守駒_COM[5][6], 110);
  EXPECT_EQ(a.表.勢力_COM[4][6], 1);
  EXPECT_EQ(a.表.攻駒_COM[4][6], 999);
  // A MAN horse: -801 on its orthogonal steps, -800 along its diagonals.
  局面 b = 局面作成({{5, 5, -成角}, {5, 4, 歩}, {4, 4, 歩}, {2, 2, 歩}});
  EXPECT_EQ(b.表.攻駒_MAN[5][4], -801);
  EXPECT_EQ(b.表.攻駒_MAN[4][4], -800);
  EXPECT_EQ(b.表.攻駒_MAN[2][2], -999);  // behind the pawn at (4, 4)
  // A COM horse: its orthogonal steps only count; its diagonals record 801.
  局面 c = 局面作成({{5, 5, 成角}, {5, 6, -歩}, {5, 4, 歩}, {6, 6, -歩}});
  EXPECT_EQ(c.表.勢力_COM[5][6], 1);
  EXPECT_EQ(c.表.攻駒_COM[5][6], 999);
  EXPECT_EQ(c.表.守駒_COM[5][4], 999);
  EXPECT_EQ(c.表.攻駒_COM[6][6], 801);
  EXPECT_EQ(c.表.持ち越し.攻駒X_COM[6][6], 5);
  EXPECT_EQ(c.表.持ち越し.攻駒Y_COM[6][6], 5);
  // COM knights and silvers bear but never record an attack.
  局面 d = 局面作成({{5, 3, 桂}, {4, 5, -歩}, {7, 3, 銀}, {7, 4, -歩}});
  EXPECT_EQ(d.表.勢力_COM[4][5], 1);
  EXPECT_EQ(d.表.攻駒_COM[4][5], 999);
  EXPECT_EQ(d.表.勢力_COM[7][4], 1);
  EXPECT_EQ(d.表.攻駒_COM[7][4], 999);
  // A COM pawn records its attack but not the attacker's square.
  局面 e = 局面作成({{5, 5, 歩}, {5, 6, -金}});
  e.表.持ち越し.攻駒X_COM[5][6] = 7;
  勢力調査(e);
  EXPECT_EQ(e.表.攻駒_COM[5][6], 10);
  EXPECT_EQ(e.表.持ち越し.攻駒X_COM[5][6], 7);
}

TEST(InfluenceSurvey, PiecesThatReachNothingOrOnlyPartOfTheirSteps) {
  for (auto [x, y, c] : std::vector<std::array<int, 3>>{{5, 2, -桂},
                                                        {5, 1, -桂},
                                                        {5, 8, 桂},
                                                        {5, 9, 桂},
                                                        {5, 1, -香},
                                                        {5, 9, 香},
                                                        {1, 1, -歩}}) {
    局面 s = 局面作成({{x, y, c}});
    EXPECT_TRUE(非零(s.表.勢力_MAN).empty()) << c << " at " << x << "," << y;
    EXPECT_TRUE(非零(s.表.勢力_COM).empty()) << c << " at " << x << "," << y;
  }
  局面 row9 = 局面作成({{5, 9, 銀}});
  EXPECT_EQ(非零(row9.表.勢力_COM), (Cells{{4, 8, 1}, {6, 8, 1}}));
  局面 row1 = 局面作成({{5, 1, 銀}});
  EXPECT_EQ(非零(row1.表.勢力_COM), (Cells{{4, 2, 1}, {5, 2, 1}, {6, 2, 1}}));
  局面 comGold = 局面作成({{1, 1, 金}});
  EXPECT_EQ(非零(comGold.表.勢力_COM), (Cells{{1, 2, 1}, {2, 1, 1}, {2, 2, 1}}));
  局面 manGold = 局面作成({{1, 1, -金}});
  EXPECT_EQ(非零(manGold.表.勢力_MAN), (Cells{{1, 2, 1}, {2, 1, 1}}));
  局面 edgeRook = 局面作成({{1, 1, 飛}});
  EXPECT_EQ(非零(edgeRook.表.勢力_COM).size(), 16u);
}

TEST(InfluenceSurvey, RookRayPassesTheKingItChecks) {
  局面 s = 局面作成({{5, 9, -飛}, {5, 5, 王}});
  Cells counts;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if ((x == 5 && y <= 8) || (y == 9 && x != 5)) counts.push_back({x, y, 1});
  EXPECT_EQ(非零(s.表.勢力_MAN), counts);
  EXPECT_EQ(s.表.攻駒_MAN[5][5], -900);
  EXPECT_EQ(s.表.攻駒X_MAN[5][5], 5);
  EXPECT_EQ(s.表.攻駒Y_MAN[5][5], 9);
  EXPECT_EQ(非零(s.表.王手駒マップ_COM), (Cells{{5, 6, 1}, {5, 7, 1}, {5, 8, 1}, {5, 9, 9}}));
  EXPECT_TRUE(非零(s.表.王手駒マップ_MAN).empty());
}

TEST(InfluenceSurvey, CheckMarksOfRaysKnightsAndSteps) {
  // A MAN rook at distance 3: 1 on the two squares between, 9 on the rook.
  局面 a = 局面作成({{2, 5, -飛}, {5, 5, 王}, {8, 5, 歩}});
  EXPECT_EQ(非零(a.表.王手駒マップ_COM), (Cells{{2, 5, 9}, {3, 5, 1}, {4, 5, 1}}));
  EXPECT_EQ(a.表.勢力_MAN[8][5], 1);  // behind the king the ray goes on
  EXPECT_EQ(a.表.攻駒_MAN[8][5], -900);
  EXPECT_EQ(a.表.勢力_MAN[9][5], 0);  // and stops at the pawn
  // A COM bishop two squares away on a diagonal.
  局面 b = 局面作成({{3, 3, 角}, {5, 5, -王}});
  EXPECT_EQ(非零(b.表.王手駒マップ_MAN), (Cells{{3, 3, 9}, {4, 4, 1}}));
  EXPECT_EQ(b.表.攻駒_COM[5][5], 800);
  EXPECT_EQ(b.表.勢力_COM[9][9], 1);
  // Knights mark their own square and the king's.
  局面 c = 局面作成({{4, 7, -桂}, {5, 5, 王}});
  EXPECT_EQ(非零(c.表.王手駒マップ_COM), (Cells{{4, 7, 9}, {5, 5, 9}}));
  局面 d = 局面作成({{5, 3, 桂}, {6, 5, -王}});
  EXPECT_EQ(非零(d.表.王手駒マップ_MAN), (Cells{{5, 3, 9}, {6, 5, 9}}));
  // Two kings side by side bear on each other but mark no check.
  局面 e = 局面作成({{5, 5, 王}, {5, 6, -王}});
  EXPECT_EQ(e.表.勢力_MAN[5][5], 1);
  EXPECT_EQ(e.表.勢力_COM[5][6], 1);
  EXPECT_TRUE(非零(e.表.王手駒マップ_MAN).empty());
  EXPECT_TRUE(非零(e.表.王手駒マップ_COM).empty());
  // A COM gold next to MAN's king checks; a COM horse's orthogonal step too.
  局面 f = 局面作成({{5, 4, 成銀}, {5, 5, -王}, {3, 5, 成角}, {2, 5, -歩}});
  EXPECT_EQ(非零(f.表.王手駒マップ_MAN), (Cells{{5, 4, 9}}));
  局面 g = 局面作成({{4, 5, 成角}, {5, 5, -王}});
  EXPECT_EQ(非零(g.表.王手駒マップ_MAN), (Cells{{4, 5, 9}}));
  // The same line ends at the first piece: no check behind a blocker.
  局面 h = 局面作成({{5, 9, -香}, {5, 7, 歩}, {5, 5, 王}});
  EXPECT_TRUE(非零(h.表.王手駒マップ_COM).empty());
}

TEST(InfluenceSurvey, UnresetSquaresKeepWhatAnEarlierSurveyLeft) {
  局面 s = 局面作成({{5, 1, 飛}, {5, 6, -歩}, {5, 9, 金}});
  EXPECT_EQ(s.表.攻駒_COM[5][6], 900);
  EXPECT_EQ(s.表.持ち越し.攻駒X_COM[5][6], 5);
  EXPECT_EQ(s.表.持ち越し.攻駒Y_COM[5][6], 1);
  s.盤面 = {};
  s.表.攻駒X_MAN[3][3] = 4;
  勢力調査(s);
  EXPECT_EQ(s.表.攻駒_COM[5][6], 999);
  EXPECT_EQ(s.表.持ち越し.攻駒X_COM[5][6], 5);  // not reset
  EXPECT_EQ(s.表.持ち越し.攻駒Y_COM[5][6], 1);
  EXPECT_EQ(s.表.攻駒X_MAN[3][3], 0);  // reset
}

TEST(InfluenceSurvey, ProceduresCanBeCalledOnTheirOwn) {
  盤配列 b{};
  勢力表 t{};
  勢力調査(b, t);  // start from the reset values
  b[5][5] = 20;
  勢力確定下直進(b, t, 20, 5, 5);
  EXPECT_EQ(非零(t.勢力_COM), (Cells{{5, 6, 1}, {5, 7, 1}, {5, 8, 1}, {5, 9, 1}}));
  勢力確定上直進(b, t, -20, 5, 9);  // a MAN ray from (5, 9) up to the lance
  EXPECT_EQ(t.勢力_MAN[5][6], 1);
  EXPECT_EQ(t.勢力_MAN[5][5], 1);
  EXPECT_EQ(t.勢力_MAN[5][4], 0);
  EXPECT_EQ(t.攻駒_MAN[5][5], -20);
  勢力確定左直進(b, t, 900, 1, 3);  // from column 1 towards column 1: nothing
  勢力確定右直進(b, t, 900, 9, 3);
  for (int x = 1; x <= 9; ++x) EXPECT_EQ(t.勢力_COM[x][3], 0);
  勢力確定自角(b, t, 1, 9);
  EXPECT_EQ(t.勢力_MAN[2][8], 1);
  EXPECT_EQ(t.勢力_MAN[4][6], 1);
  EXPECT_EQ(t.攻駒_MAN[5][5], -20);  // the bishop's -800 is not cheaper
}

// A piece bears on a square exactly when it could move there by its own
// move if that square were empty; a ray also passes the opposing king.
// The survey and the move check are written separately, so they check each
// other on many random positions.
TEST(InfluenceSurvey, CountsAgreeWithTheMovementRulesOnRandomPositions) {
  std::mt19937 rng(20240601);
  for (int round = 0; round < 300; ++round) {
    const 局面 s = testing::乱局面(rng);
    for (int side = 0; side < 2; ++side) {
      const bool MAN側 = side == 0;
      局面 clear;  // no influence: nothing is frozen
      clear.盤面 = s.盤面;
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
          if (clear.盤面[x][y] == (MAN側 ? 王 : -王)) clear.盤面[x][y] = 0;
      for (int tx = 1; tx <= 9; ++tx) {
        for (int ty = 1; ty <= 9; ++ty) {
          局面 t = clear;
          t.盤面[tx][ty] = 0;
          int n = 0;
          for (int px = 1; px <= 9; ++px)
            for (int py = 1; py <= 9; ++py) {
              const int c = s.盤面[px][py];
              if ((MAN側 ? MAN駒(c) : COM駒(c)) && 移動チェック(t, px, py, tx, ty, c)) ++n;
            }
          const int counted = MAN側 ? s.表.勢力_MAN[tx][ty] : s.表.勢力_COM[tx][ty];
          ASSERT_EQ(counted, n) << "round " << round << " side " << side << " at " << tx << ","
                                << ty;
        }
      }
    }
  }
}

}  // namespace
}  // namespace qz
