// The computer's level and the handicap ladder.
#include <gtest/gtest.h>

#include <tuple>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

std::vector<bool> levelChecks(const StartedProgram& g) {
  return {g.menu.itemChecked(MenuItem::LEVEL1), g.menu.itemChecked(MenuItem::LEVEL2),
          g.menu.itemChecked(MenuItem::LEVEL3), g.menu.itemChecked(MenuItem::LEVEL4),
          g.menu.itemChecked(MenuItem::LEVEL5)};
}

TEST(Level, EachItemChecksItselfAlone) {
  StartedProgram g;
  EXPECT_EQ(levelChecks(g), (std::vector<bool>{false, false, true, false, false}));
  g.form.メニュー選択(MenuItem::LEVEL1);
  EXPECT_EQ(g.form.対局値.COMレベル, 1);
  EXPECT_EQ(levelChecks(g), (std::vector<bool>{true, false, false, false, false}));
  g.form.LEVEL2_Click();
  EXPECT_EQ(g.form.対局値.COMレベル, 2);
  EXPECT_EQ(levelChecks(g), (std::vector<bool>{false, true, false, false, false}));
  g.form.メニュー選択(MenuItem::LEVEL5);
  EXPECT_EQ(g.form.対局値.COMレベル, 5);
  EXPECT_EQ(levelChecks(g), (std::vector<bool>{false, false, false, false, true}));
  // A value that is no level unchecks all and keeps the level.
  g.form.レベル_設定(最大レベル番号() + 1);
  EXPECT_EQ(g.form.対局値.COMレベル, 5);
  EXPECT_EQ(levelChecks(g), (std::vector<bool>{false, false, false, false, false}));
}

TEST(Level, IsShownOnlyInAGameAgainstTheComputer) {
  StartedProgram g;
  g.takeOps();
  g.form.LEVEL1_Click();
  EXPECT_TRUE(textsOf(g.takeOps()).empty());
  g.form.SENTE_Click();
  g.takeOps();
  g.form.LEVEL2_Click();
  EXPECT_EQ(textsOf(g.takeOps()), (std::vector<std::string>{"LEVEL", "LEVEL", " 2", " 2"}));
}

// A ladder level is shown by the rest of its name, kept after the four
// lines of the settings and back at the next start; an unknown name leaves 3.
TEST(Level, ALadderLevelIsShownAndKeptInTheSettings) {
  StartedProgram g;
  const Lines four = *g.settings.lines;
  g.form.SENTE_Click();
  g.takeOps();
  g.form.メニュー選択(MenuItem::LEVEL3B);
  EXPECT_EQ(textsOf(g.takeOps()), (std::vector<std::string>{"LEVEL", "LEVEL", " 3B", " 3B"}));
  Lines file = *g.settings.lines;
  EXPECT_EQ(file, (Lines{four[0], four[1], four[2], four[3], "棋譜一覧=OFF", "COMレベル=LEVEL3B"}));
  EXPECT_TRUE(StartedProgram(file).checked(MenuItem::LEVEL3B));
  file.back() = "COMレベル=LEVEL9Z";
  EXPECT_EQ(StartedProgram(file).form.対局値.COMレベル, 3);
}

// Every handicap grade removes the pieces of the grades between it and 0.
struct 駒位置 {
  int x, y, code;
};
const std::vector<駒位置> 上の段 = {{8, 2, 角}, {2, 2, 飛}, {9, 1, 香}, {1, 1, 香}, {8, 1, 桂},
                                    {2, 1, 桂}, {7, 1, 銀}, {3, 1, 銀}, {6, 1, 金}, {4, 1, 金}};
const std::vector<駒位置> 下の段 = {{2, 8, -角}, {8, 8, -飛}, {1, 9, -香}, {9, 9, -香},
                                    {2, 9, -桂}, {8, 9, -桂}, {3, 9, -銀}, {7, 9, -銀},
                                    {4, 9, -金}, {6, 9, -金}};

void 段級の盤を確かめる(const StartedProgram& g, int grade) {
  for (int i = 0; i < 10; ++i) {
    const 駒位置& up = 上の段[i];
    EXPECT_EQ(g.at(up.x, up.y), i < grade ? 0 : up.code) << "grade " << grade;
    const 駒位置& down = 下の段[i];
    EXPECT_EQ(g.at(down.x, down.y), i < -grade ? 0 : down.code) << "grade " << grade;
  }
}

TEST(Handicap, TheLadderBothWays) {
  StartedProgram g;
  for (int grade = 1; grade <= 10; ++grade) {
    g.form.LBEL_UP_Click();
    EXPECT_EQ(g.take(), (std::vector<Event>{駒打}));
    EXPECT_EQ(g.form.対局値.ハンデレベル, grade);
    段級の盤を確かめる(g, grade);
  }
  for (int grade = 9; grade >= -10; --grade) {
    g.form.LEBEL_DOWN_Click();
    EXPECT_EQ(g.take(), (std::vector<Event>{駒打}));
    EXPECT_EQ(g.form.対局値.ハンデレベル, grade);
    段級の盤を確かめる(g, grade);
  }
  for (int grade = -9; grade <= 0; ++grade) {
    g.form.LBEL_UP_Click();
    段級の盤を確かめる(g, grade);
  }
  g.form.LBEL_UP_Click();
  g.form.LBEL_UP_Click();
  g.form.LBEL_UP_Click();
  const auto texts = textsOf(g.takeOps());
  EXPECT_EQ(texts.back(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級");
  g.form.LEBEL_DOWN_Click();
  EXPECT_EQ(g.at(9, 1), 香);
  EXPECT_EQ(textsOf(g.takeOps()).back(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級");
}

TEST(Handicap, RefusedInRecordModeDuringAGameAndAfterReversal) {
  const std::string tail = "\r\r局面→最初にして下さい";
  for (const bool up : {true, false}) {
    StartedProgram g;
    g.form.対局値.棋譜モード = 1;
    up ? g.form.LBEL_UP_Click() : g.form.LEBEL_DOWN_Click();
    EXPECT_EQ(g.take(),
              (std::vector<Event>{禁止, box("棋譜ﾓｰﾄﾞではできません" + tail, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定")}));
    g.form.対局値.棋譜モード = 0;
    g.form.START_Click();
    g.move(3, 7, 3, 6);
    g.take();
    up ? g.form.LBEL_UP_Click() : g.form.LEBEL_DOWN_Click();
    EXPECT_EQ(g.take(),
              (std::vector<Event>{禁止, box("対局途中ではできません" + tail, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定")}));
    g.form.初期設定();
    g.form.対局値.反転フラグ = 1;
    up ? g.form.LBEL_UP_Click() : g.form.LEBEL_DOWN_Click();
    EXPECT_EQ(g.take(),
              (std::vector<Event>{禁止, box("反転後ではできません" + tail, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定")}));
    EXPECT_EQ(g.form.対局値.ハンデレベル, 0);
    EXPECT_EQ(g.form.対局値.ハンデ設定フラグ, 0);
  }
}

// A game against the computer with its bishop and rook taken off.
TEST(Handicap, AGameIsPlayedOnTheReducedBoard) {
  StartedProgram g;
  g.form.LBEL_UP_Click();
  g.form.LBEL_UP_Click();
  g.form.SENTE_Click();
  g.move(3, 7, 3, 6);
  EXPECT_EQ(g.form.対局値.手数, 2);
  EXPECT_EQ(g.form.対局値.手順.手順_最終, 2);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      EXPECT_TRUE(g.at(x, y) < 角 || g.at(x, y) == 王) << x << y;  // no upper bishop or rook
}

}  // namespace
}  // namespace qz
