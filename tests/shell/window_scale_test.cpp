// The window's scale and place on the offscreen screen of 1920 × 1200, where
// 250% (1500 × 1302) is too tall.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <filesystem>

#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/settings_file.h"

namespace qz {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class WindowOnScreen : public ::testing::Test {
 protected:
  void SetUp() override { fs::current_path(dir.path().toStdString()); }
  void TearDown() override { fs::current_path(old); }
  static void keep(const Lines& extra) {
    Lines lines{"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"};
    lines.insert(lines.end(), extra.begin(), extra.end());
    ASSERT_TRUE(SettingsFile().writeLines(lines));
  }
  static QAction* scale(Program& p, int percent) {
    return p.window().findChild<QAction*>(QString("SCALE_%1").arg(percent));
  }
  // "150 200 ✓100" for the scales offered and the one checked.
  static std::string menu(Program& p) {
    std::string offered, checked;
    for (int percent : {100, 150, 200, 250}) {
      if (scale(p, percent)->isEnabled()) offered += std::to_string(percent) + " ";
      if (scale(p, percent)->isChecked()) checked += "✓" + std::to_string(percent);
    }
    return offered + checked;
  }
  static bool onScreen(Program& p) {
    return p.window().screen()->availableGeometry().contains(p.window().frameGeometry());
  }

  fs::path old = fs::current_path();
  QTemporaryDir dir;
};

TEST_F(WindowOnScreen, OnlyTheScalesThatFitAreOfferedOrChosen) {
  keep({"表示倍率=250"});  // kept from a larger screen
  Program p;
  ASSERT_TRUE(p.start());
  EXPECT_EQ(menu(p), "100 150 200 ✓200");
  EXPECT_TRUE(onScreen(p));
  scale(p, 100)->trigger();
  p.window().move(1500, 700);
  scale(p, 250)->trigger();
  EXPECT_EQ(menu(p), "100 150 200 ✓100");
  scale(p, 200)->trigger();
  EXPECT_EQ(p.window().view().scale(), 2.0);
  EXPECT_TRUE(onScreen(p));
  p.window().resize(700, 640);  // between the choices
  EXPECT_EQ(menu(p), "100 150 200 ");
}

// The place comes back, brought onto the screen when it no longer fits, and
// every setting outlives the change of every other.
TEST_F(WindowOnScreen, ThePlaceAndEverySettingComeBack) {
  keep({"棋譜一覧=ON", "言語=English", "表示倍率=200", "窓=40,50,1200,1047"});
  QRect left;
  {
    Program p;
    ASSERT_TRUE(p.start());
    EXPECT_EQ(p.window().pos(), QPoint(40, 50));
    p.window().action(MenuItem::TATAMI)->trigger();
    scale(p, 150)->trigger();
    p.window().findChild<QAction*>("LANGUAGE_JA")->trigger();
    p.window().findChild<QAction*>("RESIGN")->trigger();
    p.window().move(60, 70);
    left = QRect(p.window().pos(), p.window().size());
  }
  EXPECT_EQ(SettingsFile().readLines(),
            (Lines{"背景画=畳", "移動指導=OFF", "経過時間=ON", "BGM=ON", "棋譜一覧=ON",
                   "言語=日本語", "表示倍率=150", "窓=60,70,900," + std::to_string(left.height()),
                   "COM投了=OFF"}));
  {
    Program p;
    ASSERT_TRUE(p.start());
    EXPECT_EQ(QRect(p.window().pos(), p.window().size()), left);
    EXPECT_EQ(menu(p), "100 150 200 ✓150");
  }
  for (const char* place : {"窓=5000,-900,900,800", "窓=0,0,99999,99999", "窓=0,0,junk"}) {
    keep({place});
    Program p;
    ASSERT_TRUE(p.start());
    EXPECT_TRUE(onScreen(p)) << place;
  }
}

}  // namespace
}  // namespace qz
