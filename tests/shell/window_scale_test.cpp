// The window's scale and place on the offscreen screen of 1920 × 1200, where
// 250% (1500 × 1302) is too tall: what the menu offers, what the window
// opens at, and what the settings file keeps.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <filesystem>

#include "play/form1.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/settings_file.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

class WindowScaleOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    old = fs::current_path();
    fs::current_path(dir.path().toStdString());
  }
  void TearDown() override { fs::current_path(old); }
  static void keep(const std::vector<std::string>& extraLines) {
    std::vector<std::string> lines{"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"};
    lines.insert(lines.end(), extraLines.begin(), extraLines.end());
    ASSERT_TRUE(SettingsFile().writeLines(lines));
  }
  static QAction* scale(Program& p, int percent) {
    return p.window().findChild<QAction*>(QString("SCALE_%1").arg(percent));
  }
  // The scales offered, and the one checked (0 for none).
  static std::pair<std::vector<int>, int> menu(Program& p) {
    std::vector<int> offered;
    int checked = 0;
    for (int percent : {100, 150, 200, 250}) {
      if (scale(p, percent)->isEnabled()) offered.push_back(percent);
      if (scale(p, percent)->isChecked()) checked = percent;
    }
    return {offered, checked};
  }
  static QRect frameRect(Program& p) { return p.window().frameGeometry(); }

  QTemporaryDir dir;
  fs::path old;
};

TEST_F(WindowScaleOnScreen, OnlyTheScalesThatFitAreOfferedOrChosen) {
  ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1920, 1200));
  Program p;
  ASSERT_TRUE(p.start());
  using Menu = std::pair<std::vector<int>, int>;
  EXPECT_EQ(menu(p), (Menu{{100, 150, 200}, 100}));
  scale(p, 200)->trigger();
  EXPECT_EQ(p.window().view().scale(), 2.0);
  EXPECT_EQ(menu(p), (Menu{{100, 150, 200}, 200}));
  scale(p, 250)->trigger();
  EXPECT_EQ(p.window().view().scale(), 2.0);
  EXPECT_EQ(menu(p), (Menu{{100, 150, 200}, 200}));
  EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(frameRect(p)));
  // A size between the choices checks none of them.
  p.window().resize(700, 640);
  EXPECT_EQ(menu(p).second, 0);
}

// A scale kept from a larger screen gives way to the largest that fits.
TEST_F(WindowScaleOnScreen, AKeptScaleTooLargeOpensAtTheLargestThatFits) {
  keep({"表示倍率=250"});
  Program p;
  ASSERT_TRUE(p.start());
  EXPECT_EQ(p.window().view().scale(), 2.0);
  EXPECT_EQ(menu(p).second, 200);
  EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(frameRect(p)));
}

// A window moved down from the top-left corner is placed on the screen when
// a larger scale is chosen.
TEST_F(WindowScaleOnScreen, AChosenScaleKeepsTheWindowOnTheScreen) {
  Program p;
  ASSERT_TRUE(p.start());
  p.window().move(1500, 700);
  scale(p, 200)->trigger();
  EXPECT_EQ(p.window().view().scale(), 2.0);
  EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(frameRect(p)));
}

TEST_F(WindowScaleOnScreen, TheWindowsPlaceComesBack) {
  QRect left;
  {
    Program p;
    ASSERT_TRUE(p.start());
    scale(p, 150)->trigger();
    p.window().move(300, 200);
    left = QRect(p.window().pos(), p.window().size());
    EXPECT_EQ(left.topLeft(), QPoint(300, 200));
  }
  {
    Program p;
    ASSERT_TRUE(p.start());
    EXPECT_EQ(QRect(p.window().pos(), p.window().size()), left);
    EXPECT_EQ(menu(p).second, 150);
    p.window().resize(700, 640);
    p.window().move(10, 20);
  }
  Program p;
  ASSERT_TRUE(p.start());
  EXPECT_EQ(QRect(p.window().pos(), p.window().size()), QRect(10, 20, 700, 640));
}

// A place off every screen, or larger than the screen, is brought onto it;
// a spoilt one gives way to the kept scale.
TEST_F(WindowScaleOnScreen, AKeptPlaceIsBroughtOntoTheScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (const char* place : {"窓=5000,-900,900,800", "窓=0,0,1500,1302", "窓=0,0,99999,99999"}) {
    keep({place});
    Program p;
    ASSERT_TRUE(p.start());
    EXPECT_TRUE(screen.contains(frameRect(p))) << place;
  }
  keep({"窓=12,34,nonsense", "表示倍率=150"});
  Program p;
  ASSERT_TRUE(p.start());
  EXPECT_EQ(p.window().view().scale(), 1.5);
  EXPECT_EQ(p.window().pos(), QPoint(0, 0));
}

// Each of the window's own settings outlives a change of every other one,
// and the first four lines are the program's.
TEST_F(WindowScaleOnScreen, EveryOptionOutlivesEveryOther) {
  keep({"棋譜一覧=ON", "言語=English", "表示倍率=150", "窓=40,50,900,800"});
  QSize size;
  {
    Program p;
    ASSERT_TRUE(p.start());
    p.window().action(MenuItem::TATAMI)->trigger();
    scale(p, 200)->trigger();
    p.window().findChild<QAction*>("LANGUAGE_JA")->trigger();
    p.window().action(MenuItem::BGM)->trigger();
    p.window().move(60, 70);
    size = p.window().size();
    EXPECT_EQ(size.width(), 1200);
  }
  const auto lines = SettingsFile().readLines().value_or(std::vector<std::string>{});
  EXPECT_EQ(lines, (std::vector<std::string>{"背景画=畳", "移動指導=OFF", "経過時間=ON", "BGM=OFF",
                                             "棋譜一覧=ON", "言語=日本語", "表示倍率=200",
                                             "窓=60,70,1200," + std::to_string(size.height())}));
}

}  // namespace
}  // namespace qz
