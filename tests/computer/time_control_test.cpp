// The searching player's time on a clock: the share of one move stays
// inside what the clock allows, and whole games played on a clock that
// the test keeps never run out of time under byoyomi or increment.
#include "computer/time_control.h"

#include <gtest/gtest.h>

#include "computer/deep_search.h"
#include "deep_fixture.h"

namespace qz {
namespace {

struct 時計の場合 {
  持ち時間 t;
  bool MAN手番;
  int 手数;
};

// Clocks of every kind: sudden death, byoyomi, increment, nearly out of
// time, nothing left at all, and nonsense (negative) values.
const 時計の場合 場合[] = {
    {{10000, 10000, 0, 0, 1000}, true, 0},     {{10000, 10000, 0, 0, 1000}, false, 81},
    {{0, 0, 0, 0, 1000}, true, 120},           {{0, 0, 0, 0, 100}, false, 3},
    {{10000, 9000, 1000, 1000, 0}, true, 0},   {{150, 150, 1000, 1000, 0}, false, 60},
    {{300000, 1000, 0, 0, 0}, true, 10},       {{300000, 1000, 0, 0, 0}, false, 11},
    {{50, 50, 0, 0, 0}, true, 200},            {{0, 0, 0, 0, 0}, true, 0},
    {{-5, -5, -1, -1, -1}, false, -3},         {{600000, 600000, 5000, 5000, 30000}, true, 40},
};

std::int64_t 残り(const 時計の場合& c) {
  return std::max<std::int64_t>(c.MAN手番 ? c.t.残りMAN : c.t.残りCOM, 0);
}

TEST(TimeControl, TheShareStaysInsideTheClock) {
  for (const std::int64_t 余裕 : {0, 50, 100, 300})
    for (const 時計の場合& c : 場合) {
      const 時間配分 d = 時間を配る(c.t, c.MAN手番, c.手数, 余裕);
      const std::int64_t 使える = 残り(c) + std::max<std::int64_t>(c.t.秒読み, 0) - 余裕;
      EXPECT_GE(d.目安ms, 1);
      EXPECT_LE(d.目安ms, d.上限ms);
      EXPECT_LE(d.上限ms, std::max<std::int64_t>(使える, 1)) << 残り(c) << " margin " << 余裕;
      // More time left never gives less; byoyomi alone is used to its margin.
      持ち時間 more = c.t;
      (c.MAN手番 ? more.残りMAN : more.残りCOM) = 残り(c) + 5000;
      EXPECT_GE(時間を配る(more, c.MAN手番, c.手数, 余裕).目安ms, d.目安ms);
      if (残り(c) == 0 && c.t.秒読み > 余裕) {
        EXPECT_EQ(d.上限ms, c.t.秒読み - 余裕);
      }
    }
}

// A clock the test keeps: every reading moves it on by 歩み ms.
struct 偽の時計 {
  std::int64_t 今 = 0;
  std::int64_t 歩み = 1;
  std::function<std::int64_t()> 読む() {
    return [this] { return 今 += 歩み; };
  }
};

// A search given the share stops by the hard limit: the reading that sees
// it reached and the reading of the time taken may each pass it by a step.
TEST(TimeControl, TheSearchStopsByTheHardLimit) {
  const auto p = testing::読む("l6nl/5+R1k1/4pp1pp/p5p2/2P6/P3P4/1P1P1PPPP/1+b3S3/LN2KG1NL w RGSPbgsn2p 40");
  for (const std::int64_t 歩み : {1, 3, 10})
    for (const std::int64_t 上限 : {5, 40, 300}) {
      偽の時計 時計{0, 歩み};
      探索条件 c;
      c.時計 = 時計.読む();
      時間を当てる(c, {上限, 上限});
      深探索 器(16);
      const 深探索結果 r = 器.探索(p.s, p.MAN手番, {}, c);
      EXPECT_TRUE(r.指し手あり);
      EXPECT_LE(r.報告.経過ms, 上限 + 2 * 歩み) << "step " << 歩み << " limit " << 上限;
    }
}

// Self-play on a clock of 10 s and then 1 s byoyomi, or 10 s and 1 s a
// move: each move's time is what the search read on the test's clock plus
// 40 ms for the answer's way back, and no side's time ever runs out.
TEST(TimeControl, GamesOnTheClockNeverLoseOnTime) {
  struct 方式 {
    const char* 名;
    std::int64_t 加算, 秒読み;
  };
  for (const 方式 k : {方式{"byoyomi", 0, 1000}, 方式{"increment", 1000, 0}}) {
    auto p = testing::読む(開始SFEN);
    持ち時間 t{10000, 10000, k.加算, k.加算, k.秒読み};
    深探索 器(16);
    for (int ply = 0; ply < 80; ++ply) {
      偽の時計 時計{0, 16};  // a reading every 512 nodes: 32 nodes a ms
      探索条件 c;
      c.時計 = 時計.読む();
      時間を当てる(c, 時間を配る(t, p.MAN手番, ply));
      const 深探索結果 r = 器.探索(p.s, p.MAN手番, {}, c);
      if (!r.指し手あり || testing::王取り(p.s, r.最善)) break;
      std::int64_t& 残 = p.MAN手番 ? t.残りMAN : t.残りCOM;
      const std::int64_t 使った = 時計.今 + 40;
      if (使った > 残 + k.秒読み) FAIL() << k.名 << ": out of time at ply " << ply;
      残 = std::max<std::int64_t>(残 - 使った, 0) + k.加算;
      p.指す(r.最善);
    }
  }
}

}  // namespace
}  // namespace qz
