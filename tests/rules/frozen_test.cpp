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

// A move's forecast: the mover blocking a rook frees the piece behind and
// is frozen itself; stepping away frees the rook it bore on and freezes the
// pawn it now bears on. The position asked about stays as it was.
TEST(FreezeForecast, BlockingAndSteppingAway) {
  const 局面 s =
      局面作成({{1, 5, 飛}, {1, 4, 歩}, {3, 5, -金}, {2, 6, -銀}, {9, 1, 王}, {9, 9, -王}});
  const 氷結変化 r = 着手の氷結変化(s, 指し手::盤上の手(2, 6, 2, 5, -銀, false));
  EXPECT_EQ(r.氷結する, (std::vector<升>{{1, 4}, {2, 5}}));
  EXPECT_EQ(r.解ける, (std::vector<升>{{1, 5}, {3, 5}}));
  EXPECT_EQ(s.盤面[2][6], -銀);
  EXPECT_EQ(s.表.勢力_MAN[1][5], 1);
}

// A captured piece is in neither list; a dropped piece counts as newly placed.
TEST(FreezeForecast, CaptureAndDrop) {
  const 局面 s =
      局面作成({{5, 5, 歩}, {5, 6, -歩}, {4, 6, -金}}, {}, testing::手駒({{持駒_金, 1}}));
  const 氷結変化 取る = 着手の氷結変化(s, 指し手::盤上の手(4, 6, 5, 5, -金, false));
  EXPECT_EQ(取る.氷結する, std::vector<升>{});
  EXPECT_EQ(取る.解ける, (std::vector<升>{{5, 6}}));
  const 氷結変化 打つ = 着手の氷結変化(s, 指し手::打つ手(金, 3, 6));
  EXPECT_EQ(打つ.氷結する, (std::vector<升>{{3, 6}, {4, 6}}));
  EXPECT_EQ(打つ.解ける, std::vector<升>{});
}

}  // namespace
}  // namespace qz
