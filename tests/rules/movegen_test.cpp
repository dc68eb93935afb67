#include "rules/movegen.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "test_util.h"

namespace qz {
namespace {

// Every move the move check allows, found the slow way: every from-square,
// every destination, every hand slot, in the enumeration order.
std::vector<指し手> 総当たり(const 局面& s, bool MAN側) {
  std::vector<指し手> r;
  for (int fx = 1; fx <= 9; ++fx)
    for (int fy = 1; fy <= 9; ++fy) {
      const int c = s.盤面[fx][fy];
      if (MAN側 ? c > -10 : c < 10) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
          if (!移動チェック(s, fx, fy, tx, ty, c)) continue;
          const int 成駒 = 調査_駒成(fx, fy, tx, ty, c);
          if (移動後チェック(ty, c)) r.push_back({fx, fy, tx, ty, c, c});
          if (成駒 != 0) r.push_back({fx, fy, tx, ty, c, 成駒});
        }
    }
  const 持駒& h = MAN側 ? s.持駒_MAN : s.持駒_COM;
  for (int k = 1; k <= 7; ++k) {
    if (h.枚数[k] == 0) continue;
    const int c = MAN側 ? -持駒番号の駒[k] : 持駒番号の駒[k];
    const 升 元 = 打ち元(c);
    for (int tx = 1; tx <= 9; ++tx)
      for (int ty = 1; ty <= 9; ++ty)
        if (移動チェック(s, 元.x, 元.y, tx, ty, c)) r.push_back({元.x, 元.y, tx, ty, c, c});
  }
  return r;
}

std::vector<指し手> 列挙(const 局面& s, bool MAN側) {
  std::vector<指し手> r;
  合法手列挙(s, MAN側, [&](const 指し手& m) { r.push_back(m); });
  return r;
}

std::uint64_t 総当たりperft(局面 s, bool MAN側, int d) {
  if (d == 0) return 1;
  if (s.勝者 != 0) return 0;
  勢力調査(s);
  調査_2歩フラグ設定(s);
  std::uint64_t n = 0;
  for (const 指し手& m : 総当たり(s, MAN側)) {
    局面 t = s;
    手を指す(t, m);
    n += 総当たりperft(t, !MAN側, d - 1);
  }
  return n;
}

TEST(MoveList, MatchesTheSlowWayOnRandomPositions) {
  std::mt19937 rng(4242);
  for (int i = 0; i < 1500; ++i) {
    const 局面 s = testing::乱局面(rng);
    for (bool side : {true, false}) {
      const auto fast = 列挙(s, side);
      ASSERT_EQ(fast, 総当たり(s, side)) << "position " << i;
      ASSERT_EQ(合法手数(s, side), static_cast<int>(fast.size()));
    }
  }
}

TEST(MoveList, StartPositionHasThirtyMovesForEachSide) {
  局面 s;
  初期配置(s);
  勢力調査(s);
  調査_2歩フラグ設定(s);
  const auto man = 列挙(s, true);
  ASSERT_EQ(man.size(), 30u);
  EXPECT_EQ(man.front(), (指し手{1, 7, 1, 6, -歩, -歩}));  // 9g9f comes first
  EXPECT_EQ(合法手数(s, false), 30);
}

TEST(MoveList, PromotionVersionsAndCompulsion) {
  局面 s = testing::局面作成({{5, 4, -歩}, {3, 2, -桂}, {7, 5, -銀}});
  s.持駒_MAN.加える(3);
  const auto m = 列挙(s, true);
  // The knight on row 2 has no move; the pawn may promote entering row 3,
  // unpromoted version first; the silver on row 5 stays outside the zone.
  ASSERT_GE(m.size(), 7u);
  EXPECT_EQ(m[0], (指し手{5, 4, 5, 3, -歩, -歩}));
  EXPECT_EQ(m[1], (指し手{5, 4, 5, 3, -歩, -成歩}));
  EXPECT_EQ(m[2], (指し手{7, 5, 6, 4, -銀, -銀}));
  int knightDrops = 0;
  for (const auto& x : m)
    if (x.打つ()) {
      ++knightDrops;
      EXPECT_GE(x.先Y, 3);
      EXPECT_EQ(x.元Y, 5);  // MAN names the stand row: slot 3 + 2
    }
  EXPECT_EQ(knightDrops, 81 - 18 - 2);  // not rows 1-2, not the two pieces below
}

// Regression figures. Depth 1 is checked by hand (30 moves, as in ordinary
// shogi: nothing is frozen at the start). Depth 2: after 7g7f the MAN bishop
// bears on the COM pawn at 3c, which is then frozen, so COM has 29 moves
// there and 30 after every other move: 29 * 30 + 29 = 899. Depths 3 and 4
// were computed by this program and agree with the slow way (depth 3 below).
TEST(Perft, FromTheStartPosition) {
  局面 s;
  初期配置(s);
  EXPECT_EQ(perft(s, true, 0), 1u);
  EXPECT_EQ(perft(s, true, 1), 30u);
  EXPECT_EQ(perft(s, true, 2), 899u);
  EXPECT_EQ(perft(s, true, 3), 25402u);
  EXPECT_EQ(総当たりperft(s, true, 3), 25402u);
  EXPECT_EQ(perft(s, true, 4), 716055u);
  EXPECT_EQ(perft(s, false, 2), 899u);  // the position is symmetric
}

TEST(Perft, AgreesWithTheSlowWayAndStopsAtATakenKing) {
  std::mt19937 rng(5);
  for (int i = 0; i < 20; ++i) {
    const 局面 s = testing::乱局面(rng);
    ASSERT_EQ(perft(s, i % 2 == 0, 2), 総当たりperft(s, i % 2 == 0, 2)) << i;
  }
  局面 taken = testing::局面作成({{5, 5, -金}, {9, 9, -王}});
  taken.勝者 = 先手;
  EXPECT_EQ(perft(taken, true, 0), 1u);
  EXPECT_EQ(perft(taken, true, 1), 0u);
  // A king capture ends its line. The rook has 13 moves, one takes the king;
  // on column 5 it checks the king, which is then frozen (0 replies); from
  // the 8 squares of row 9 it leaves the king its 8 steps: 8 * 8 = 64.
  局面 s = testing::局面作成({{5, 9, -飛}, {5, 4, 王}});
  EXPECT_EQ(perft(s, true, 1), 13u);
  EXPECT_EQ(perft(s, true, 2), 64u);
  // A budget too small gives up instead of answering.
  局面 start;
  初期配置(start);
  EXPECT_FALSE(perft(start, true, 3, 100).has_value());
  EXPECT_EQ(perft(start, true, 2, 31).value(), 899u);
  EXPECT_FALSE(perft(start, true, 2, 30).has_value());
}

}  // namespace
}  // namespace qz
