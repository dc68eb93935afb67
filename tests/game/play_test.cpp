// The game session's operations and what they return: starting, the moves
// of both sides and of the computer, refusals, resigning, taking back, the
// handicap ladder and the game as a record.
#include <gtest/gtest.h>

#include "game/session.h"

namespace qz {
namespace {

// A fresh game whose clock reads 時刻 (seconds since midnight).
struct Game : 対局 {
  double 時計 = 36000;
  Game() {
    時刻源 = [this] { return 時計; };
    初期化();
  }
  着手結果 指す(int fx, int fy, int tx, int ty, bool 成る = false) {
    const int 駒 = 盤上(fx, fy) ? 局.盤面[fx][fy] : 持駒台の駒(fx, fy);
    EXPECT_EQ(着手検査(fx, fy, tx, ty, 駒, 成る), 着手拒否::なし);
    return 人間の手を指す(fx, fy, tx, ty, 駒, 成る);
  }
};

TEST(Session, TwoHumansTakeTurnsEachOnItsOwnClock) {
  Game g;
  EXPECT_EQ(g.人間対局開始(), 手番の知らせ::先手の番);
  g.時計 += 4;
  const 着手結果 r = g.指す(3, 7, 3, 6);
  EXPECT_EQ(r.手, 指し手::盤上の手(3, 7, 3, 6, -歩, false));
  EXPECT_FALSE(r.終わり);
  EXPECT_EQ(g.手番, 後手);
  g.時計 += 9;
  g.指す(3, 3, 3, 4);
  EXPECT_EQ(g.時間_MAN, 4);
  EXPECT_EQ(g.時間_COM, 9);
  EXPECT_EQ(g.手順[2].前秒C, 0);
  EXPECT_EQ(g.手順[2].後秒C, 9);
  EXPECT_EQ(g.人間対局開始(), 手番の知らせ::先手の番);  // again: whose turn it is
}

TEST(Session, ARefusedMoveSaysWhy) {
  Game g;
  g.人間対局開始();
  g.局.盤面 = {};
  g.局.盤面[5][9] = -王;
  g.局.盤面[5][1] = 王;
  g.局.盤面[5][5] = -金;  // frozen by the silver
  g.局.盤面[4][4] = 銀;
  g.局.盤面[1][3] = -歩;
  g.局.盤面[5][8] = 飛;  // checks the king
  g.局.持駒_MAN.加える(持駒_歩);
  勢力調査(g.局);
  調査_2歩フラグ設定(g.局);
  EXPECT_EQ(g.着手検査(5, 5, 5, 4, -金, false), 着手拒否::氷結);
  EXPECT_EQ(g.着手検査(5, 9, 4, 9, -王, false), 着手拒否::王手);
  EXPECT_EQ(g.着手検査(MAN持駒X, 3, 1, 5, -歩, false), 着手拒否::二歩);
  EXPECT_EQ(g.着手検査(1, 3, 1, 1, -歩, false), 着手拒否::動けない);
  EXPECT_EQ(g.着手検査(1, 3, 1, 2, -歩, false), 着手拒否::なし);
  g.局.盤面[1][3] = 0;
  g.局.盤面[1][2] = -歩;
  勢力調査(g.局);
  EXPECT_EQ(g.着手検査(1, 2, 1, 1, -歩, false), 着手拒否::成り必須);
  EXPECT_EQ(g.着手検査(1, 2, 1, 1, -歩, true), 着手拒否::なし);
}

// Against the computer: the human's move hands it the turn, its move is
// made and the turn comes back; 待った takes both back with its memory.
TEST(Session, AgainstTheComputerAndTakingBack) {
  Game g;
  EXPECT_EQ(g.COM対局開始(true), 手番の知らせ::MANの番);
  g.指す(3, 7, 3, 6);
  ASSERT_TRUE(g.COMの番());
  const auto m = g.COMの手を選ぶ({});
  ASSERT_TRUE(m);
  const COM記憶 memory = g.COM記憶値;
  const 着手結果 r = g.COMの手を指す(*m);
  EXPECT_FALSE(r.終わり);
  EXPECT_EQ(g.MAN王の様子(), 王の様子::無事);
  g.時計 += 3;
  g.COMの手番を終える();
  EXPECT_TRUE(g.MANの番());
  const 局面 after2 = g.局;
  g.指す(7, 7, 7, 6);
  g.COMの手を指す(*g.COMの手を選ぶ({}));
  g.COMの手番を終える();
  EXPECT_EQ(g.待った(), 待った拒否::なし);
  EXPECT_EQ(g.局.盤面, after2.盤面);
  EXPECT_EQ(g.局.持駒_COM, after2.持駒_COM);
  EXPECT_EQ(g.手順.手順_現在, 2);
  EXPECT_EQ(g.手順.手順_最終, 2);
  EXPECT_EQ(g.COM記憶値.王距離, memory.王距離);
  EXPECT_EQ(g.手数, 2);
  EXPECT_EQ(g.投了(), (勝敗{側::COM, 終局::投了}));
  g.棋譜モード = 1;
  EXPECT_EQ(g.待った(), 待った拒否::棋譜モード);
  EXPECT_FALSE(g.投了());
}

TEST(Session, TakingTheKingEndsTheGame) {
  Game g;
  g.人間対局開始();
  g.局.盤面 = {};
  g.局.盤面[5][9] = -王;
  g.局.盤面[5][1] = 王;
  g.局.盤面[5][5] = -香;
  勢力調査(g.局);
  const 着手結果 r = g.指す(5, 5, 5, 1, true);
  EXPECT_EQ(r.取駒, 王);
  EXPECT_EQ(r.終わり, (勝敗{側::MAN, 終局::王取り}));
}

TEST(Session, TheHandicapLadderAndItsRefusals) {
  Game g;
  for (int i = 0; i < 最高段級; ++i) EXPECT_TRUE(g.ハンデ変更(+1).変わった升);
  const 局面 全部 = g.局;
  EXPECT_FALSE(g.ハンデ変更(+1).変わった升);  // the top: nothing more goes
  EXPECT_EQ(g.局.盤面, 全部.盤面);
  EXPECT_EQ(g.ハンデ設定フラグ, 1);
  const ハンデ結果 back = g.ハンデ変更(-1);
  ASSERT_TRUE(back.変わった升);
  EXPECT_EQ(g.局.盤面[back.変わった升->x][back.変わった升->y], 金);  // the last piece returns
  // A game on the handicapped board is recorded from it, not from the full one.
  g.人間対局開始();
  g.指す(3, 7, 3, 6);
  EXPECT_EQ(g.ハンデ変更(+1).拒否, 2);
  const 記録読込結果 r = g.記録();
  EXPECT_EQ(r.不正行, 0);
  EXPECT_EQ(手合割名(r.記録.開始), "");
  EXPECT_TRUE(駒落ちか(r.記録.開始));
  EXPECT_TRUE(g.反転());
  EXPECT_EQ(g.ハンデレベル, -9);
  EXPECT_EQ(g.ハンデ変更(+1).拒否, 3);
  g.棋譜モード = 1;
  EXPECT_FALSE(g.反転());
  EXPECT_EQ(g.ハンデ変更(+1).拒否, 1);
}

}  // namespace
}  // namespace qz
