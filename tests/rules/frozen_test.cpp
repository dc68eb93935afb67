#include <gtest/gtest.h>

#include "rules/rules.h"
#include "test_util.h"

namespace qz {
namespace {

using testing::局面作成;

// Makes a move the way the game does: snapshot, move, survey, then asks
// which pieces are frozen.
氷結状態 指して調べる(局面& s, int fx, int fy, int tx, int ty) {
  const 氷結前 前 = 氷結前記録(s);
  駒移動(s, fx, fy, tx, ty, s.盤面[fx][fy]);
  勢力調査(s);
  return 調査_氷結(s, 前);
}

TEST(Frozen, AttackingAFreePieceFreezesItAnew) {
  局面 s = 局面作成({{5, 6, -歩}, {5, 4, 銀}, {1, 1, 王}, {9, 9, -王}});
  EXPECT_FALSE(調査_氷結(s, 氷結前記録(s)).氷結[5][4]);
  const 氷結状態 r = 指して調べる(s, 5, 6, 5, 5);
  EXPECT_TRUE(r.氷結[5][4]);
  EXPECT_TRUE(r.氷結[5][5]);  // the pawn stepped onto the silver's square
  EXPECT_TRUE(r.新規氷結);
}

TEST(Frozen, StayingFrozenIsNotNew) {
  局面 s = 局面作成({{5, 5, -歩}, {5, 4, 金}, {1, 7, -歩}});
  const 氷結状態 r = 指して調べる(s, 1, 7, 1, 6);
  EXPECT_TRUE(r.氷結[5][4]);
  EXPECT_TRUE(r.氷結[5][5]);
  EXPECT_FALSE(r.氷結[1][6]);
  EXPECT_FALSE(r.新規氷結);
}

TEST(Frozen, MovingOntoAnAlreadyAttackedSquareIsNew) {
  局面 s = 局面作成({{5, 1, 飛}, {4, 5, -金}});
  EXPECT_GT(s.表.勢力_COM[5][5], 0);
  const 氷結状態 r = 指して調べる(s, 4, 5, 5, 5);
  EXPECT_TRUE(r.氷結[5][5]);
  EXPECT_TRUE(r.新規氷結);
}

TEST(Frozen, CapturingTheAttackerThawsAndKingsFreezeToo) {
  局面 s = 局面作成({{5, 5, 歩}, {5, 6, -歩}, {4, 5, 金}});
  const 氷結状態 before = 調査_氷結(s, 氷結前記録(s));
  EXPECT_TRUE(before.氷結[5][5]);
  EXPECT_TRUE(before.氷結[5][6]);
  const 氷結状態 r = 指して調べる(s, 4, 5, 5, 6);
  EXPECT_FALSE(r.氷結[5][5]);
  EXPECT_FALSE(r.氷結[5][6]);
  EXPECT_FALSE(r.新規氷結);
  局面 check = 局面作成({{5, 9, -王}, {5, 1, 飛}});
  EXPECT_TRUE(調査_氷結(check, 氷結前記録(check)).氷結[5][9]);
  EXPECT_FALSE(調査_氷結(check, 氷結前記録(check)).氷結[5][1]);
}

}  // namespace
}  // namespace qz
