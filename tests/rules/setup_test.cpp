#include <gtest/gtest.h>

#include "records/history.h"
#include "rules/rules.h"

namespace qz {
namespace {

TEST(InitialPosition, FortyPiecesEmptyHandsAndMirroredArmies) {
  局面 s;
  s.持駒_MAN.加える(1);
  s.盤面[5][5] = 金;
  初期配置(s);
  int pieces = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (s.盤面[x][y] != 0) ++pieces;
      EXPECT_EQ(s.盤面[x][y], -s.盤面[10 - x][10 - y]) << x << "," << y;
    }
  EXPECT_EQ(pieces, 40);
  EXPECT_EQ(s.盤面[5][9], -王);
  EXPECT_EQ(s.盤面[2][8], -角);
  EXPECT_EQ(s.盤面[2][2], 飛);
  EXPECT_EQ(s.持駒_MAN, 持駒{});
  EXPECT_EQ(s.持駒_COM.合計, 0);
}

TEST(History, SavingAfterSteppingBackDiscardsTheTail) {
  手順記録 h;
  盤配列 board{};
  for (int i = 0; i < 20; ++i) h.手順保存(board, 1, 7, 1, 6, -歩, -歩, 0, 0, 0, 0);
  h.手順_現在 = 17;
  board[1][6] = 歩;
  h.手順保存(board, 1, 7, 1, 6, -歩, -歩, 1, 2, 3, 4);
  EXPECT_EQ(h.手順_現在, 18);
  EXPECT_EQ(h.手順_最終, 18);
  EXPECT_EQ(h[18].取駒, 歩);
  EXPECT_EQ(h[0].先駒, 歩);
  for (int i = 0; i < 600; ++i) h.手順保存(board, 1, 7, 1, 6, -歩, -歩, 0, 0, 0, 0);
  EXPECT_EQ(h.手順_最終, 618);
}

TEST(History, OddValuesNeverReachOutsideItsStorage) {
  手順記録 h;
  盤配列 board{};
  h.手順_現在 = -3;  // a broken counter starts over rather than writing before slot 1
  h.手順保存(board, 11, 3, 10, 0, -歩, -歩, 0, 0, 0, 0);
  EXPECT_EQ(h.手順_現在, 1);
  EXPECT_EQ(h[1].取駒, 0);
  h.長さ設定(-5);
  EXPECT_EQ(h.手順_最終, 0);
  EXPECT_EQ(h.手順_現在, 0);
  h.長さ設定(12);
  EXPECT_EQ(h.手順_最終, 12);
  EXPECT_EQ(h[12].先駒, 0);
}

}  // namespace
}  // namespace qz
