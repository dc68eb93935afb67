// The new-game dialog's game: its choices applied, its clock counting down
// to a flag fall, and the old menus' games left without a clock.
#include <gtest/gtest.h>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

bool shows(const std::vector<RecordingSurface::Op>& ops, const std::string& text) {
  for (const std::string& t : textsOf(ops))
    if (t == text) return true;
  return false;
}

TEST(NewGame, StartsTheChosenGameAndItsClockRunsDownToAFlagFall) {
  StartedProgram b(Lines{"背景画=緑", "移動指導=OFF", "経過時間=OFF", "BGM=OFF"});
  b.window.newGame = 新規対局設定{true, true, 2, 1, {60, 10, 0}, true};
  b.clock.now = 1000;
  b.form.NEW_GAME_Click();
  const 対局& g = b.form.対局値;
  EXPECT_EQ(g.対局モード, 1);
  EXPECT_EQ(g.COMレベル, 2);
  EXPECT_TRUE(b.checked(MenuItem::LEVEL2));
  EXPECT_EQ(g.ハンデレベル, 1);
  EXPECT_EQ(b.at(8, 2), 0);  // the upper side's bishop is off
  EXPECT_TRUE(g.MANの番());
  EXPECT_EQ(g.時間規定, (持ち時間設定{60, 10, 0}));
  EXPECT_TRUE(g.千日手判定);
  EXPECT_TRUE(b.timer.enabled());  // the clock runs though the time option is off

  b.take();
  b.surface.ops.clear();
  b.clock.now = 1030.5;
  b.form.Timer1_Timer();
  EXPECT_TRUE(shows(b.surface.ops, "00:00:30"));  // main time left, rounded up
  b.clock.now = 1065;
  b.form.Timer1_Timer();
  EXPECT_TRUE(shows(b.surface.ops, "秒読み 5"));
  EXPECT_TRUE(b.take().empty());

  b.clock.now = 1070.2;
  b.form.Timer1_Timer();
  const auto events = b.take();
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[1], box("時間切れです", "終了"));
  EXPECT_EQ(events[2], box("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了"));
}

TEST(NewGame, TwoPeopleAndCancellingAndTheOldMenusKeepTheirWays) {
  StartedProgram b;
  b.window.newGame.reset();  // cancelled: nothing changes
  b.form.NEW_GAME_Click();
  EXPECT_EQ(b.form.対局値.手番, 0);

  b.window.newGame = 新規対局設定{false, true, 3, -2, {300, 0, 5}, false};
  b.form.NEW_GAME_Click();
  EXPECT_EQ(b.form.対局値.対局モード, 0);
  EXPECT_EQ(b.form.対局値.ハンデレベル, -2);
  EXPECT_EQ(b.form.対局値.時間規定.加算秒, 5);

  // 最初 (asked first, as a game is on), then the old menu's game: no clock.
  b.form.CANCEL_Click();
  b.form.SENTE_Click();
  EXPECT_FALSE(b.form.対局値.時間規定.有効());
  EXPECT_FALSE(b.form.対局値.千日手判定);
  EXPECT_EQ(b.form.対局値.ハンデレベル, 0);
}

TEST(NewGame, TheKeptChoicesReadBackAndBadLinesAreRefused) {
  const 新規対局設定 s{false, false, 5, -10, {36000, 0, 3600}, false};
  EXPECT_EQ(新規対局を読む(新規対局の文(s)), s);
  EXPECT_EQ(新規対局の文(新規対局設定{}), "COM,先手,3,0,0,0,0,ON");
  for (const char* bad :
       {"", "COM,先手,3,0,0,0,0", "COM,先手,99,0,0,0,0,ON", "COM,先手,3,11,0,0,0,ON",
        "COM,先手,3,0,-1,0,0,ON", "COM,先手,3,0,36001,0,0,ON", "X,先手,3,0,0,0,0,ON",
        "COM,先手,3,0,0,0,0,on", "COM,先手,3,0,0,0,1e3,ON", "COM,先手,3,0,0,0,0,ON,"})
    EXPECT_FALSE(新規対局を読む(bad)) << bad;
  EXPECT_EQ(ハンデの名(0).日本語(), "平手");
  EXPECT_EQ(ハンデの名(1).日本語(), "角落ち");
  EXPECT_EQ(ハンデの名(2).日本語(), "二枚落ち");
  EXPECT_EQ(ハンデの名(10).日本語(), "十枚落ち");
  EXPECT_EQ(ハンデの名(3).日本語(), "上手 3枚落ち");
  EXPECT_EQ(ハンデの名(-1).日本語(), "下手 1枚落ち");
}

}  // namespace
}  // namespace qz
