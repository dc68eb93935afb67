// The game session: stepping back and forward through the history.
#include "game/session.h"

#include <gtest/gtest.h>

#include "rules/sfen.h"

namespace qz {
namespace {

// Everything a step may change, for comparing before and after.
struct Snapshot {
  盤配列 盤面;
  持駒 MAN, COM;
  int 手番, 手数, 現在;
  double 時間_MAN, 時間_COM;
  bool operator==(const Snapshot&) const = default;
};

// A short game with a promotion, captures of a promoted piece, drops by
// both sides and a capture by a promoting bishop, played with 駒移動 and
// recorded the way the movers record it (before the board changes). played
// holds the state before each move and after the last.
struct Game {
  対局 g;
  局面& s = g.局;
  手順記録& 記録 = g.手順;
  int& 手番 = g.手番;
  int& 手数 = g.手数;
  double& 時間_MAN = g.時間_MAN;
  double& 時間_COM = g.時間_COM;
  std::vector<Snapshot> played;

  Game() {
    g.初期化();
    手番 = 先手;
    struct M {
      int 元X, 元Y, 先X, 先Y, 元駒, 先駒;
    };
    const M moves[] = {
        {3, 7, 3, 6, -歩, -歩},         // opens MAN's bishop
        {7, 3, 7, 4, 歩, 歩},           // opens COM's bishop
        {2, 8, 8, 2, -角, -成角},       // bishop takes bishop and promotes
        {7, 1, 8, 2, 銀, 銀},           // silver takes the 馬
        {MAN持駒X, 8, 5, 5, -角, -角},  // MAN drops its bishop (row 8 = slot 6)
        {COM持駒X, 6, 6, 5, 角, 角},    // COM drops its bishop (slot 6)
        {5, 5, 3, 3, -角, -成角},       // takes a pawn, promoting
    };
    double clock = 0;
    for (const M& m : moves) {
      played.push_back(snap());
      const double 前M = 時間_MAN, 前C = 時間_COM;
      (m.先駒 < 0 ? 時間_MAN : 時間_COM) += (clock += 1.25);
      記録.手順保存(s.盤面, m.元X, m.元Y, m.先X, m.先Y, m.元駒, m.先駒, 前M, 時間_MAN, 前C,
                    時間_COM);
      駒移動(s, m.元X, m.元Y, m.先X, m.先Y, m.先駒);
      ++手数;
      手番 = -手番;
    }
    played.push_back(snap());
  }
  Snapshot snap() const {
    return {s.盤面, s.持駒_MAN, s.持駒_COM, 手番, 手数, 記録.手順_現在, 時間_MAN, 時間_COM};
  }
  手順結果 進() { return g.進む(); }
  手順結果 戻() { return g.戻る(); }
};

void ExpectTotalsAreSums(const 局面& s) {
  for (const 持駒* h : {&s.持駒_MAN, &s.持駒_COM}) {
    持駒 copy = *h;
    copy.合計再計算();
    EXPECT_EQ(copy.合計, h->合計);
  }
}

// Stepping back passes through exactly the states the game was played
// through; stepping forward again too, and back-then-forward at any move
// returns to where it was.
TEST(Stepping, BackThenForwardRestoresEverythingAtEveryMove) {
  Game g;
  ASSERT_EQ(g.played.size(), 8u);
  for (int k = 7; k >= 1; --k) {
    ASSERT_EQ(g.戻(), 手順結果::済み);
    EXPECT_EQ(g.snap(), g.played[static_cast<std::size_t>(k - 1)]) << "back to move " << k - 1;
    ExpectTotalsAreSums(g.s);
  }
  EXPECT_EQ(g.戻(), 手順結果::できない);
  for (int k = 1; k <= 7; ++k) {
    ASSERT_EQ(g.進(), 手順結果::済み);
    EXPECT_EQ(g.snap(), g.played[static_cast<std::size_t>(k)]) << "forward to move " << k;
    g.戻();
    g.進();
    EXPECT_EQ(g.snap(), g.played[static_cast<std::size_t>(k)]) << "again at move " << k;
  }
  EXPECT_EQ(g.記録.手順_最終, 7);
}

TEST(Stepping, BackOverCaptureOfPromotedPieceAndDrops) {
  Game g;
  for (int i = 0; i < 3; ++i) g.戻();  // now after move 4: silver took the 馬
  EXPECT_EQ(g.s.盤面[8][2], 銀);
  EXPECT_EQ(g.s.持駒_COM.枚数[持駒_角], 1);
  g.戻();
  EXPECT_EQ(g.s.盤面[7][1], 銀);     // the mover back on its origin
  EXPECT_EQ(g.s.盤面[8][2], -成角);  // the captured 馬 back, promoted
  EXPECT_EQ(g.s.持駒_COM.枚数[持駒_角], 0);
  EXPECT_EQ(g.s.持駒_COM.合計, 0);
  // The drops: forward over MAN's drop takes the bishop from MAN's hand...
  g.進();
  g.進();
  EXPECT_EQ(g.s.持駒_MAN.枚数[持駒_角], 0);
  EXPECT_EQ(g.s.盤面[5][5], -角);
  // ...and back puts it into the hand of the side whose code it carries.
  g.戻();
  EXPECT_EQ(g.s.持駒_MAN.枚数[持駒_角], 1);
  EXPECT_EQ(g.s.持駒_MAN.合計, 1);
  EXPECT_EQ(g.s.盤面[5][5], 0);
}

TEST(Stepping, ClocksComeFromTheHistory) {
  Game g;
  g.戻();
  EXPECT_EQ(g.時間_MAN, g.記録[7].前秒M);
  EXPECT_EQ(g.時間_COM, g.記録[7].前秒C);
  g.記録[7].後秒M = 1234.5;
  g.進();
  EXPECT_EQ(g.時間_MAN, 1234.5);
}

TEST(Stepping, KingCaptureChangesNoHand) {
  対局 g;
  g.初期化();
  局面& s = g.局;
  s.盤面[5][2] = -金;
  g.手順.手順保存(s.盤面, 5, 2, 5, 1, -金, -金, 0, 1, 0, 0);
  g.手順.手順_現在 = 0;  // recorded, not yet on the board
  g.手番 = 先手;
  const 持駒 before = s.持駒_MAN;
  ASSERT_EQ(g.進む(), 手順結果::済み);
  EXPECT_EQ(s.盤面[5][1], -金);
  EXPECT_EQ(s.持駒_MAN, before);
  g.戻る();
  EXPECT_EQ(s.盤面[5][1], 王);
  EXPECT_EQ(s.盤面[5][2], -金);
  EXPECT_EQ(s.持駒_MAN, before);
  EXPECT_EQ(s.持駒_COM, 持駒{});
}

TEST(Stepping, RefusalsLeaveThePositionAlone) {
  struct Case {
    int 手番, 現在, 棋譜モード;
    bool forward;
    手順結果 結果;
    int 中断;
  };
  const Case cases[] = {
      {0, 3, 0, true, 手順結果::開始前, 0},      {先手, 7, 1, true, 手順結果::終わり, 1},
      {先手, 7, 0, true, 手順結果::できない, 1}, {先手, 0, 0, false, 手順結果::できない, 1},
      {0, 0, 1, false, 手順結果::できない, 1},
  };
  for (const Case& c : cases) {
    Game g;
    while (g.記録.手順_現在 > c.現在) g.戻();
    g.手番 = c.手番;
    g.g.棋譜モード = c.棋譜モード;
    g.g.中断中 = 0;
    const Snapshot before = g.snap();
    EXPECT_EQ(c.forward ? g.進() : g.戻(), c.結果);
    EXPECT_EQ(g.g.中断中, c.中断);
    EXPECT_EQ(g.snap(), before);
  }
}

TEST(Stepping, SnapshotsAreTakenBeforeTheStep) {
  Game g;
  g.s.表.勢力_MAN[4][4] = 3;
  g.s.表.勢力_COM[6][6] = 2;
  const 盤配列 board = g.s.盤面;
  g.戻();
  EXPECT_EQ(g.g.前.開始盤面, board);
  EXPECT_EQ(g.g.前.前氷結_COM[4][4], 3);
  EXPECT_EQ(g.g.前.前氷結_MAN[6][6], 2);
}

TEST(Stepping, ToTheStartKeepsTheHistory) {
  Game g;
  g.戻();
  g.g.初期化();
  EXPECT_EQ(g.記録.手順_現在, 0);
  EXPECT_EQ(g.記録.手順_最終, 7);
  EXPECT_EQ(g.手番, 0);
  EXPECT_EQ(g.時間_COM, 0);
  EXPECT_EQ(g.進(), 手順結果::開始前);
  g.手番 = 先手;  // a game between two humans from the start replays it
  EXPECT_EQ(g.進(), 手順結果::済み);
}

}  // namespace
}  // namespace qz

namespace qz {
namespace {

TEST(TimeControl, ByoyomiFischerAndSuddenDeathFallWhenTheyShould) {
  const 持ち時間設定 秒読み{60, 10, 0}, 加算{60, 0, 5}, 切れ負け{60, 0, 0};
  EXPECT_EQ(指した後の残り(秒読み, 60, 20), 40.0);
  EXPECT_EQ(指した後の残り(秒読み, 5, 14.9), 0.0);  // into byoyomi and out in time
  EXPECT_FALSE(指した後の残り(秒読み, 5, 15.1));
  EXPECT_EQ(指した後の残り(加算, 60, 20), 45.0);
  EXPECT_FALSE(指した後の残り(加算, 1, 1.5));  // the increment comes after the move
  EXPECT_FALSE(指した後の残り(切れ負け, 60, 60.01));
  EXPECT_EQ(残りの表示(秒読み, 5, 8).秒読み中, true);
  EXPECT_DOUBLE_EQ(残りの表示(秒読み, 5, 8).秒, 7);
  EXPECT_FALSE(残りの表示(切れ負け, 60, 10).秒読み中);
  EXPECT_FALSE(時間切れか(持ち時間設定{}, 0, 1e9));  // no control never falls
}

TEST(TimeControl, TheSessionChargesEachSideAndTheFlagOfTheSideToMoveFalls) {
  double 今 = 0;
  対局 g;
  g.時刻源 = [&] { return 今; };
  g.初期化();
  g.時間規定を設定({30, 0, 2});
  g.人間対局開始();
  今 = 10;
  g.人間の手を指す(3, 7, 3, 6, -歩, false);
  EXPECT_DOUBLE_EQ(g.残り_MAN, 22);
  EXPECT_FALSE(g.時間切れ());
  今 = 40;
  EXPECT_FALSE(g.時間切れ());  // the upper side used exactly its 30 s
  今 = 40.5;
  const auto r = g.時間切れ();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->勝者, 側::MAN);
  EXPECT_EQ(r->理由, 終局::時間切れ);
  const 記録読込結果 記録 = g.記録();
  EXPECT_EQ(記録.記録.持ち時間, (持ち時間設定{30, 0, 2}));
  EXPECT_EQ(記録.記録.結末, 終局::時間切れ);
  EXPECT_EQ(記録.記録.勝者, 1);
  g.初期化();  // a board set up afresh plays without a clock
  EXPECT_FALSE(g.時間規定.有効());
}

// The search is told how long the game has gone without a capture or a
// promotion, counted from the start of the history up to the current move.
TEST(Progress, PliesSinceTheLastCaptureOrPromotionReachTheSearch) {
  対局 g;
  g.初期化();
  const auto p = SFEN読込("4k4/9/9/9/4p4/9/9/4R4/K8 b - 1");
  ASSERT_TRUE(p);
  g.局面から始める(p->盤面, p->持駒_MAN, p->持駒_COM, p->MAN手番, 0);
  const auto 指す = [&](std::string_view usi) {
    const auto m = USI指し手読込(usi, g.局.盤面, g.MAN手番());
    ASSERT_TRUE(m && g.指し手検査(*m) == 着手拒否::なし) << usi;
    g.指す(*m);
  };
  const auto 進展 = [&] { return g.手番側の思考依頼({}).条件.進展なし; };
  EXPECT_EQ(進展(), 0);
  for (const char* m : {"9i8i", "5a4a"}) 指す(m);
  EXPECT_EQ(進展(), 2);
  指す("5h5e");  // takes the frozen pawn
  EXPECT_EQ(進展(), 0);
  指す("4a3a");
  EXPECT_EQ(進展(), 1);
  指す("5e5b+");
  EXPECT_EQ(進展(), 0);
  指す("3a2a");
  g.戻る();
  g.戻る();
  EXPECT_EQ(進展(), 1);  // stepping back counts to the current move only
}

}  // namespace
}  // namespace qz
