// Start-up, shutdown, the about box and the initial set-up on fakes.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

TEST(FormLoad, LoadsTheSoundsAndAppliesTheSettingsFile) {
  StartedProgram b(Lines{"背景画=竹", "移動指導=OFF", "経過時間=ON", "BGM=OFF"});
  EXPECT_TRUE(b.sound.opened);
  EXPECT_EQ(b.sound.loaded,
            (Lines{"その他.wav:3", "禁止.wav:3", "駒打音.wav:3", "氷結.wav:3", "BGM.wav:1"}));
  EXPECT_EQ(b.form.音_その他, 1);
  EXPECT_EQ(b.form.音_BGM, 5);
  EXPECT_EQ(b.window.backColour, 2);
  EXPECT_EQ(b.window.placed, (std::array<int, 4>{0, 0, 9000, 8000}));
  EXPECT_TRUE(b.checked(MenuItem::LEVEL3));
  EXPECT_EQ(b.form.対局値.COMレベル, 3);
  // The initial set-up drew the window last of all, title picture on top.
  ASSERT_FALSE(b.surface.ops.empty());
  EXPECT_EQ(b.surface.ops.back().picture, Picture::QZSHOGI);
  EXPECT_EQ(b.form.画.背景_現在, 背景_竹);
  EXPECT_FALSE(b.timer.on);
}

TEST(FormLoad, AMaximisedWindowKeepsItsPlace) {
  StartedProgram b([](StartedProgram& p) { p.window.isMaximized = true; });
  EXPECT_EQ(b.window.placed, (std::array<int, 4>{}));
}

// What a redraw shows, operation by operation.
std::vector<std::tuple<int, int, double, double, int, std::string>> screen(
    const std::vector<RecordingSurface::Op>& ops) {
  std::vector<std::tuple<int, int, double, double, int, std::string>> r;
  for (const auto& op : ops)
    r.emplace_back(static_cast<int>(op.kind), static_cast<int>(op.picture), op.x, op.y, op.colour,
                   op.text);
  return r;
}

// After two timed moves, a reversal and a piece picked up, the initial
// set-up leaves the program as a fresh start does: the same screen, and the
// next game (with a handicap) goes the same way.
TEST(InitialSetUp, LeavesTheProgramAsAFreshStartDoes) {
  StartedProgram fresh, used;
  used.clock.perRead = 30;
  used.form.START_Click();
  used.move(7, 7, 7, 6);
  used.move(7, 3, 7, 4);
  ASSERT_EQ(used.form.対局値.手数, 2);
  used.form.REVERSE_Click();
  used.click(2, 7);
  for (StartedProgram* p : {&fresh, &used}) {
    p->clock.perRead = 0;
    p->take();
    p->takeOps();
    p->form.初期設定();
  }
  EXPECT_EQ(screen(used.takeOps()), screen(fresh.takeOps()));
  EXPECT_FALSE(used.timer.on);
  for (StartedProgram* p : {&fresh, &used}) {
    p->form.LBEL_UP_Click();
    p->form.START_Click();
    p->move(2, 7, 2, 6);
    p->clock.now += 5;
    p->form.Timer1_Timer();
  }
  EXPECT_EQ(used.take(), fresh.take());
  EXPECT_EQ(screen(used.takeOps()), screen(fresh.takeOps()));
}

TEST(Shutdown, FreesTheFiveSoundsThenEndsWritingNothing) {
  const std::function<void(Form1&)> ways[] = {
      [](Form1& f) { f.Form_Unload(); },
      [](Form1& f) { f.メニュー選択(MenuItem::OWARI); },
      [](Form1& f) { f.Form_KeyPress(キー_Esc); },
  };
  for (const auto& way : ways) {
    StartedProgram b;
    EXPECT_THROW(way(b.form), ProgramEnded);
    EXPECT_EQ(b.sound.freed, (std::vector<std::int32_t>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(b.sound.terminated);
    EXPECT_TRUE(b.window.ended);
    EXPECT_EQ(b.settings.writes, 0);
  }
}

TEST(Shutdown, OtherKeysAreIgnored) {
  StartedProgram b;
  b.takeOps();
  b.form.Form_KeyPress('q');
  b.form.Form_KeyPress(13);
  EXPECT_TRUE(b.events.empty());
  EXPECT_TRUE(b.surface.ops.empty());
  EXPECT_FALSE(b.window.ended);
}

TEST(RecordPanel, TheAboutBoxAndTheOptionsMenuCloseIt) {
  for (const MenuItem item : {MenuItem::VER, MenuItem::OPTION}) {
    StartedProgram b;
    b.panel.lists = {true, true, true};
    b.panel.textShown = true;
    b.form.メニュー選択(item);
    EXPECT_EQ(b.panel.lists, (std::array<bool, 3>{}));
    EXPECT_FALSE(b.panel.textShown);
  }
}

TEST(AboutBox, ChimesAndNamesTheProgram) {
  StartedProgram b;
  b.form.メニュー選択(MenuItem::VER);
  ASSERT_EQ(b.events.size(), 2u);
  EXPECT_EQ(b.events[0], sound("その他.wav"));
  const Event& box = b.events[1];
  EXPECT_EQ(box.title, "その他");
  EXPECT_NE(box.text.find("QZ 氷結将棋"), std::string::npos);
  EXPECT_NE(box.text.find(QZ_VERSION_FOR_TESTS), std::string::npos);
  EXPECT_NE(box.text.find("氷結して動けず"), std::string::npos);
  EXPECT_EQ(b.messages.lastButtons, Buttons::OK);
}

TEST(HandicapMessage, ReasonThenTwoReturnsThenTheAdvice) {
  StartedProgram b;
  const std::pair<int, const char*> cases[] = {{1, "棋譜ﾓｰﾄﾞではできません"},
                                               {2, "対局途中ではできません"},
                                               {3, "反転後ではできません"},
                                               {7, ""}};
  for (const auto& [n, reason] : cases) {
    b.form.描画_メッセージ(n);
    EXPECT_EQ(b.events.back(),
              box(std::string(reason) + "\r\r局面→最初にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"));
  }
}

}  // namespace
}  // namespace qz
