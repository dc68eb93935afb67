#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "rules/rules.h"
#include "test_util.h"

namespace qz {
namespace {

using testing::局面作成;
using testing::手駒;

TEST(DoublePawnFlags, OnlyUnpromotedPawnsCount) {
  局面 s = 局面作成({{3, 7, -歩}, {4, 4, -成歩}, {6, 3, 歩}, {7, 2, 成歩}});
  s.二歩フラグ_MAN[9] = 1;  // a stale flag is cleared
  調査_2歩フラグ設定(s);
  for (int x = 1; x <= 9; ++x) {
    EXPECT_EQ(s.二歩フラグ_MAN[x], x == 3 ? 1 : 0) << x;
    EXPECT_EQ(s.二歩フラグ_COM[x], x == 6 ? 1 : 0) << x;
  }
}

TEST(KingReach, BlockedFrozenOrAbsentPiecesDoNotReach) {
  局面 clear = 局面作成({{5, 9, -王}, {5, 1, 飛}});
  EXPECT_EQ(調査_MAN王取得(clear, 5, 9), 1);
  EXPECT_EQ(詰めかMAN_COM移動(clear), 1);
  局面 blocked = 局面作成({{5, 9, -王}, {5, 1, 飛}, {5, 4, 歩}});
  EXPECT_EQ(調査_MAN王取得(blocked, 5, 9), 0);
  // The rook is frozen by the MAN silver: it does not count as reaching.
  局面 frozen = 局面作成({{5, 9, -王}, {5, 1, 飛}, {4, 2, -銀}});
  EXPECT_GT(frozen.表.勢力_MAN[5][1], 0);
  EXPECT_EQ(調査_MAN王取得(frozen, 5, 9), 0);
  局面 com = 局面作成({{5, 1, 王}, {5, 9, -香}});
  EXPECT_EQ(調査_COM王取得(com, 5, 1), 1);
  EXPECT_EQ(調査_COM王取得(局面作成({{5, 1, 王}}), 5, 1), 0);
  EXPECT_EQ(調査_MAN王取得(局面作成({{5, 9, -王}}), 5, 9), 0);
}

struct MateCase {
  const char* what;
  std::initializer_list<testing::置く> 駒々;
  持駒 man, com;
  int 詰めMAN, 詰めCOM;
};

TEST(Mate, TableOfPositions) {
  const 持駒 金1 = 手駒({{5, 1}}), 歩1 = 手駒({{1, 1}}), 香1 = 手駒({{2, 1}});
  const 持駒 満 = 手駒({{1, 9}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 1}, {7, 1}});
  const MateCase cases[] = {
      {"no check, boxed in",
       {{5, 9, -王}, {4, 9, -金}, {6, 9, -金}, {5, 8, -金}, {5, 1, 王}},
       {},
       {},
       0,
       0},
      {"distant rook, a gold in hand blocks", {{5, 9, -王}, {5, 1, 飛}, {1, 1, 王}}, 金1, {}, 0, 0},
      {"distant rook, empty hand, nothing to interpose",
       {{5, 9, -王}, {5, 1, 飛}, {1, 1, 王}},
       {},
       {},
       1,
       0},
      {"adjacent gold, full hand, nothing can take it",
       {{5, 9, -王}, {5, 8, 金}, {1, 7, -歩}},
       満,
       {},
       1,
       0},
      {"adjacent gold taken by a free silver",
       {{5, 9, -王}, {5, 8, 金}, {4, 7, -銀}},
       {},
       {},
       0,
       0},
      {"double check: taking the gold leaves the rook",
       {{5, 9, -王}, {5, 8, 金}, {1, 9, 飛}, {6, 7, -銀}},
       金1,
       {},
       1,
       0},
      // The king itself bears on the adjacent gold, so only the rook counts.
      {"double check: a silver takes the frozen rook",
       {{5, 9, -王}, {5, 8, 金}, {1, 9, 飛}, {6, 7, -銀}, {2, 8, -銀}},
       金1,
       {},
       0,
       0},
      {"pawn-only hand, own pawn in the column",
       {{5, 9, -王}, {5, 5, 飛}, {5, 3, -歩}, {1, 1, 王}},
       歩1,
       {},
       1,
       0},
      {"the same with a gold in hand",
       {{5, 9, -王}, {5, 5, 飛}, {5, 3, -歩}, {1, 1, 王}},
       金1,
       {},
       0,
       0},
      {"the same with a promoted pawn in the column",
       {{5, 9, -王}, {5, 5, 飛}, {5, 3, -成歩}, {1, 1, 王}},
       歩1,
       {},
       0,
       0},
      {"check along the last rank, pawn-only hand",
       {{9, 1, -王}, {1, 1, 飛}, {1, 9, 王}},
       歩1,
       {},
       1,
       0},
      {"check along the last rank, a lance in hand counts as a blocker",
       {{9, 1, -王}, {1, 1, 飛}, {1, 9, 王}},
       香1,
       {},
       0,
       0},
      // Every square of the rook's line can be blocked, but the gold on a
      // diagonal next to the king sends the test to answers by a move.
      {"a checker diagonally next to the king",
       {{5, 9, -王}, {4, 8, 金}, {1, 9, 飛}},
       金1,
       {},
       1,
       0},
      {"knight check: a hand does not help", {{5, 9, -王}, {4, 7, 桂}, {9, 1, 王}}, 満, {}, 1, 0},
      {"knight check answered by taking the knight",
       {{5, 9, -王}, {4, 7, 桂}, {3, 8, -金}},
       {},
       {},
       0,
       0},
      {"COM king, distant lance, empty hand", {{5, 1, 王}, {5, 9, -香}, {9, 9, -王}}, {}, {}, 0, 1},
      {"COM king, distant lance, a silver interposes",
       {{5, 1, 王}, {5, 9, -香}, {4, 3, 銀}, {9, 9, -王}},
       {},
       {},
       0,
       0},
      {"COM king, distant lance, a pawn in hand",
       {{5, 1, 王}, {5, 9, -香}, {9, 9, -王}},
       {},
       歩1,
       0,
       0},
      {"COM king, adjacent gold guarded by a rook",
       {{5, 1, 王}, {5, 2, -金}, {5, 8, -飛}},
       {},
       満,
       0,
       1},
      {"both kings checked at once",
       {{5, 1, 王}, {5, 2, -金}, {5, 9, -飛}, {9, 9, -王}, {9, 5, 飛}},
       {},
       {},
       1,
       1},
  };
  for (const auto& c : cases) {
    局面 s = 局面作成(c.駒々, c.man, c.com);
    EXPECT_EQ(詰めかMAN(s), c.詰めMAN) << c.what;
    EXPECT_EQ(詰めかCOM(s), c.詰めCOM) << c.what;
  }
}

// Both tests leave the board and every table exactly as they found them.
TEST(Mate, BoardAndTablesAreRestored) {
  std::mt19937 rng(99);
  int mated = 0;
  for (int i = 0; i < 2000; ++i) {
    局面 s = testing::乱局面(rng);
    const 局面 before = s;
    mated += 詰めかMAN(s) + 詰めかCOM(s);
    ASSERT_EQ(s.盤面, before.盤面);
    ASSERT_EQ(std::memcmp(&s.表, &before.表, sizeof s.表), 0);
    ASSERT_EQ(s.持駒_MAN, before.持駒_MAN);
  }
  EXPECT_GT(mated, 0);  // the random positions do reach the mate phases
}

TEST(EscapeSquares, CountsEmptyUnattackedNeighboursInsideTheBoard) {
  EXPECT_EQ(調査_自王逃道(局面作成({{1, 9, -王}})), 3);
  EXPECT_EQ(調査_自王逃道(局面作成({{5, 5, -王}})), 8);
  // (2, 8) attacked by a COM pawn on (2, 7), (1, 8) held by a MAN pawn.
  EXPECT_EQ(調査_自王逃道(局面作成({{1, 9, -王}, {2, 7, 歩}, {1, 8, -歩}})), 1);
  EXPECT_EQ(調査_自王逃道(局面作成({{9, 1, -王}})), 3);
  EXPECT_EQ(調査_自王逃道(局面{}), 0);  // no king seen yet
}

}  // namespace
}  // namespace qz
