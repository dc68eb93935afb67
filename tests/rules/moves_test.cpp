#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "rules/movegen.h"
#include "rules/rules.h"
#include "test_util.h"

namespace qz {
namespace {

using testing::局面作成;
using testing::手駒;

int 合計(const 持駒& h) {
  int n = 0;
  for (int i = 1; i <= 持駒種類数; ++i) n += h.枚数[i];
  return n;
}

TEST(MakeMove, CapturesGoToTheHandAsTheirBaseKind) {
  局面 s = 局面作成({{5, 5, -飛}, {5, 3, 成飛}, {4, 4, 成歩}, {4, 6, -成銀}, {3, 3, 成金}});
  駒移動(s, 5, 5, 5, 3, -飛);
  EXPECT_EQ(s.持駒_MAN.枚数[持駒_飛], 1);
  EXPECT_EQ(s.持駒_MAN.合計, 1);
  EXPECT_EQ(s.盤面[5][3], -飛);
  EXPECT_EQ(s.盤面[5][5], 0);
  駒移動(s, 5, 3, 4, 4, -成飛);
  EXPECT_EQ(s.持駒_MAN.枚数[持駒_歩], 1);
  駒移動(s, 4, 4, 3, 3, -成飛);  // ±111 counts as gold
  EXPECT_EQ(s.持駒_MAN.枚数[持駒_金], 1);
  EXPECT_EQ(s.持駒_MAN.合計, 3);
  s.盤面[4][5] = 成角;
  駒移動(s, 4, 5, 4, 6, 成角);
  EXPECT_EQ(s.持駒_COM.枚数[持駒_銀], 1);
  EXPECT_EQ(s.持駒_COM.合計, 1);
}

TEST(MakeMove, TakingAKingChangesNoHandAndNamesTheWinner) {
  局面 s = 局面作成({{5, 5, -金}, {5, 4, 王}, {1, 1, 飛}, {1, 5, -王}}, 手駒({{1, 2}}));
  s.手番値_MAN = 後手;
  s.手番値_COM = 先手;
  駒移動(s, 5, 5, 5, 4, -金);
  EXPECT_EQ(s.勝者, 後手);
  EXPECT_EQ(s.持駒_MAN.合計, 2);
  EXPECT_EQ(s.持駒_MAN.枚数[持駒_歩], 2);
  駒移動(s, 1, 1, 1, 5, 飛);
  EXPECT_EQ(s.勝者, 先手);
  EXPECT_EQ(s.持駒_COM.合計, 0);
  EXPECT_EQ(s.持駒_COM, 持駒{});
}

TEST(MakeMove, DropsTakeFromTheRightSlot) {
  局面 s = 局面作成({}, 手駒({{7, 1}, {1, 1}}), 手駒({{7, 2}}));
  駒移動(s, MAN持駒X, 9, 5, 5, -飛);  // MAN names the stand row: 9 is the rook
  EXPECT_EQ(s.持駒_MAN.枚数[持駒_飛], 0);
  EXPECT_EQ(s.持駒_MAN.枚数[持駒_歩], 1);
  EXPECT_EQ(s.持駒_MAN.合計, 1);
  駒移動(s, COM持駒X, 7, 4, 4, 飛);  // COM names the slot: 7 is the rook
  EXPECT_EQ(s.持駒_COM.枚数[持駒_飛], 1);
  EXPECT_EQ(s.持駒_COM.合計, 1);
  EXPECT_EQ(s.盤面[5][5], -飛);
  EXPECT_EQ(s.盤面[4][4], 飛);
}

TEST(MakeMove, TheMANKingSquareFollowsTheKing) {
  局面 s = 局面作成({{5, 9, -王}, {5, 1, 王}});
  駒移動(s, 5, 9, 4, 8, -王);
  EXPECT_EQ(s.表.MAN王X, 4);
  EXPECT_EQ(s.表.MAN王Y, 8);
  駒移動(s, 5, 1, 6, 2, 王);  // COM's pair waits for the next survey
  EXPECT_EQ(s.表.COM王X, 5);
  勢力調査(s);
  EXPECT_EQ(s.表.COM王X, 6);
}

struct PromotionCase {
  int 元X, 元Y, 先Y, 駒;
  int 成れる;
  int 不成可;  // 移動後チェック
};

TEST(Promotion, ZonesCompulsionAndDrops) {
  const PromotionCase cases[] = {
      {5, 3, 4, -銀, 1, 1},                        // leaving the zone
      {5, 4, 3, -歩, 1, 1},                        // entering it
      {5, 4, 5, -歩, 0, 1}, {5, 2, 1, -歩, 1, 0},  // last rank: must promote
      {5, 2, 1, -香, 1, 0}, {5, 3, 2, -香, 1, 1}, {5, 4, 2, -桂, 1, 0},  {5, 5, 3, -桂, 1, 1},
      {5, 3, 4, -桂, 0, 1},  // a knight leaving the zone cannot
      {5, 3, 5, -角, 1, 1}, {5, 5, 5, -飛, 0, 1}, {5, 3, 2, -金, 0, 1},  {5, 3, 2, -成銀, 0, 1},
      {5, 3, 2, -王, 0, 1}, {5, 7, 6, 銀, 1, 1},  {5, 6, 7, 歩, 1, 1},   {5, 8, 9, 歩, 1, 0},
      {5, 8, 9, 香, 1, 0},  {5, 6, 8, 桂, 1, 0},  {5, 7, 9, 桂, 1, 0},   {5, 5, 7, 桂, 1, 1},
      {5, 7, 3, 角, 1, 1},  {5, 4, 6, 飛, 0, 1},  {11, 3, 1, -歩, 0, 0},  // drop
      {-1, 2, 3, 香, 0, 1}, {-1, 4, 8, 銀, 0, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(調査_駒成(c.元X, c.元Y, 5, c.先Y, c.駒), c.成れる ? 成り駒(c.駒) : 0)
        << c.駒 << " " << c.元Y;
    EXPECT_EQ(移動後チェック(c.先Y, c.駒), c.不成可) << c.駒 << " to row " << c.先Y;
  }
}

TEST(Reversal, RotatesChangesSidesAndKeepsTotalsTrue) {
  局面 s =
      局面作成({{5, 9, -王}, {2, 3, 成歩}, {5, 5, 金}}, 手駒({{1, 3}, {7, 1}}), 手駒({{4, 1}}));
  const 局面 before = s;
  局面反転(s);
  EXPECT_EQ(s.盤面[5][1], 王);
  EXPECT_EQ(s.盤面[8][7], -成歩);
  EXPECT_EQ(s.盤面[5][5], -金);
  EXPECT_EQ(s.盤面[5][9], 0);
  EXPECT_EQ(s.持駒_COM.枚数[持駒_歩], 3);
  EXPECT_EQ(s.持駒_COM.合計, 4);
  EXPECT_EQ(s.持駒_MAN.枚数[持駒_銀], 1);
  EXPECT_EQ(s.持駒_MAN.合計, 1);
  局面反転(s);
  EXPECT_EQ(s.盤面, before.盤面);
  EXPECT_EQ(s.持駒_MAN, before.持駒_MAN);
  EXPECT_EQ(s.持駒_COM, before.持駒_COM);
}

// Whatever moves are made, a hand total is the sum of its counts.
TEST(MakeMove, HandTotalsStayTheSumOfTheirCountsOverRandomGames) {
  std::mt19937 rng(7);
  int moves = 0, kings = 0;
  for (int game = 0; game < 200; ++game) {
    局面 s = testing::乱局面(rng);
    for (int ply = 0; ply < 60; ++ply) {
      std::vector<指し手> list;
      合法手列挙(s, ply % 2 == 0, [&](const 指し手& m) { list.push_back(m); });
      if (list.empty()) break;
      const 指し手 m = list[rng() % list.size()];
      kings += std::abs(s.盤面[m.先X][m.先Y]) == 王;
      手を指す(s, m);
      ++moves;
      if (rng() % 5 == 0) 局面反転(s);
      勢力調査(s);
      調査_2歩フラグ設定(s);
      ASSERT_EQ(s.持駒_MAN.合計, 合計(s.持駒_MAN));
      ASSERT_EQ(s.持駒_COM.合計, 合計(s.持駒_COM));
    }
  }
  EXPECT_GT(moves, 5000);
  EXPECT_GT(kings, 0);
}

}  // namespace
}  // namespace qz
