// Start-up, shutdown, the about box and the initial set-up on fakes.
#include <gtest/gtest.h>

#include "fakes.h"

namespace qz {
namespace {

using testing::Bench;

TEST(FormLoad, RunsInItsOrder) {
  Bench b;
  b.settings.file = std::vector<std::string>{"背景画=竹", "移動指導=OFF", "経過時間=ON", "BGM=OFF"};
  b.form.Form_Load();
  const std::vector<std::string> expected = {
      "初期化_サウンド",
      "読込_サウンド:その他.wav:3",
      "読込_サウンド:禁止.wav:3",
      "読込_サウンド:駒打音.wav:3",
      "読込_サウンド:氷結.wav:3",
      "読込_サウンド:BGM.wav:1",
      "backColour:2",
      "settings:read",
      "place:0,0,9000,8000",
  };
  EXPECT_EQ(b.log.calls, expected);
  EXPECT_EQ(b.form.音_その他, 1);
  EXPECT_EQ(b.form.音_BGM, 5);
  EXPECT_TRUE(b.checked(MenuItem::LEVEL3));
  EXPECT_EQ(b.form.対局値.COMレベル, 3);
  // The initial set-up drew the window last of all, title picture on top.
  ASSERT_FALSE(b.surface.ops.empty());
  EXPECT_EQ(b.surface.ops.back().picture, Picture::QZSHOGI);
  EXPECT_EQ(b.form.画.背景_現在, 背景_竹);
  EXPECT_FALSE(b.timer.on);
}

TEST(FormLoad, AMaximisedWindowKeepsItsPlace) {
  Bench b;
  b.window.isMaximized = true;
  b.form.Form_Load();
  EXPECT_EQ(b.log.find("place:0,0,9000,8000"), -1);
}

TEST(InitialSetUp, ReturnsEveryGameValueToIdle) {
  Bench b;
  b.form.Form_Load();
  b.form.対局値.手番 = 1;
  b.form.対局値.手数 = 12;
  b.form.中断中 = 1;
  b.form.棋譜モード = 1;
  b.form.選択状態 = 1;
  b.form.反転フラグ = 1;
  b.form.対局値.ハンデレベル = 4;
  b.form.対局値.ハンデ設定フラグ = 1;
  b.form.対局値.対局モード = 1;
  b.form.対局値.時間_MAN = 30;
  b.form.表示済秒 = 7;
  b.form.対局値.局.勝者 = -1;
  b.form.対局値.局.持駒_MAN.加える(3);
  b.form.対局値.局.盤面[5][5] = 金;
  b.form.手順.手順保存(b.form.対局値.局.盤面, 7, 7, 7, 6, -歩, -歩, 0, 1, 0, 0);
  b.timer.on = true;
  b.surface.ops.clear();

  b.form.初期設定();
  EXPECT_EQ(b.form.対局値.手番, 0);
  EXPECT_EQ(b.form.対局値.手数, 0);
  EXPECT_EQ(b.form.中断中 + b.form.棋譜モード + b.form.選択状態 + b.form.反転フラグ, 0);
  EXPECT_EQ(b.form.対局値.ハンデレベル + b.form.対局値.ハンデ設定フラグ + b.form.対局値.対局モード,
            0);
  EXPECT_EQ(b.form.対局値.時間_MAN, 0);
  EXPECT_EQ(b.form.表示済秒, 0);
  EXPECT_EQ(b.form.対局値.局.勝者, 0);
  EXPECT_EQ(b.form.対局値.局.持駒_MAN.合計, 0);
  EXPECT_EQ(b.form.対局値.局.盤面[5][5], 0);
  EXPECT_EQ(b.form.対局値.局.盤面[5][9], -王);
  EXPECT_EQ(b.form.手順.手順_現在, 0);
  EXPECT_EQ(b.form.手順.手順_最終, 1);  // the history itself is kept
  EXPECT_EQ(b.form.手順[0].先駒, 歩);
  EXPECT_FALSE(b.timer.on);
  EXPECT_EQ(b.surface.ops.back().picture, Picture::QZSHOGI);
}

TEST(Shutdown, FreesTheFiveSoundsInOrderThenEnds) {
  for (const int way : {0, 1, 2}) {
    Bench b;
    b.form.Form_Load();
    b.log.calls.clear();
    if (way == 0) {
      EXPECT_THROW(b.form.Form_Unload(), ProgramEnded);
    } else if (way == 1) {
      EXPECT_THROW(b.form.メニュー選択(MenuItem::OWARI), ProgramEnded);
    } else {
      EXPECT_THROW(b.form.Form_KeyPress(キー_Esc), ProgramEnded);
    }
    const std::vector<std::string> expected = {"dsFree:1", "dsFree:2",      "dsFree:3", "dsFree:4",
                                               "dsFree:5", "終了_サウンド", "end"};
    EXPECT_EQ(b.log.calls, expected) << way;
    // Nothing is written on the way out.
    EXPECT_EQ(b.log.find("settings:write"), -1);
  }
}

TEST(Shutdown, OtherKeysAreIgnored) {
  Bench b;
  b.form.Form_Load();
  b.log.calls.clear();
  b.form.Form_KeyPress('q');
  b.form.Form_KeyPress(13);
  EXPECT_TRUE(b.log.calls.empty());
}

TEST(AboutBox, ClosesThePanelChimesAndNamesTheProgram) {
  Bench b;
  b.form.Form_Load();
  b.log.calls.clear();
  b.form.メニュー選択(MenuItem::VER);
  const std::vector<std::string> expected = {"lists:000", "text:hidden", "dsPlay:1", "box:その他"};
  EXPECT_EQ(b.log.calls, expected);
  ASSERT_EQ(b.messages.shown.size(), 1u);
  const auto& box = b.messages.shown[0];
  EXPECT_NE(box.prompt.find("QZ 氷結将棋"), std::string::npos);
  EXPECT_NE(box.prompt.find(QZ_VERSION_FOR_TESTS), std::string::npos);
  EXPECT_NE(box.prompt.find("氷結して動けず"), std::string::npos);
  EXPECT_EQ(box.buttons, Buttons::OK);
}

TEST(HandicapMessage, ReasonThenTwoReturnsThenTheAdvice) {
  Bench b;
  const std::pair<int, const char*> cases[] = {{1, "棋譜ﾓｰﾄﾞではできません"},
                                               {2, "対局途中ではできません"},
                                               {3, "反転後ではできません"},
                                               {7, ""}};
  for (const auto& [n, reason] : cases) {
    b.form.描画_メッセージ(n);
    EXPECT_EQ(b.messages.shown.back().prompt, std::string(reason) + "\r\r局面→最初にして下さい");
    EXPECT_EQ(b.messages.shown.back().title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
  }
}

}  // namespace
}  // namespace qz
