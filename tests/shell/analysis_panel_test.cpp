// The 検討 panel in the whole program, offscreen: it follows the board as
// the record is stepped through, its graph steps the board, and it stops
// and is kept off when turned off.
#include "shell/analysis_panel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "play/form1.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/settings_file.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

class AnalysisWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    old = fs::current_path();
    fs::current_path(dir.path().toStdString());
  }
  void TearDown() override { fs::current_path(old); }

  // Polls the panel as its timer would until done() (a generous limit).
  static bool pollUntil(AnalysisPanel& panel, const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < end) {
      QApplication::processEvents();
      panel.poll();
      if (done()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
  }

  QTemporaryDir dir;
  fs::path old;
};

TEST_F(AnalysisWindow, FollowsTheRecordAndItsGraphStepsTheBoard) {
  {
    Program p;
    ASSERT_TRUE(p.start());
    QGuiApplication::clipboard()->setText("position startpos moves 7g7f 3c3d 2g2f");
    QTimer closer;
    closer.callOnTimeout([] {
      if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    closer.start(5);
    p.window().action(MenuItem::PASTE)->trigger();
    for (int i = 0; i < 3; ++i) p.window().action(MenuItem::AFTER)->trigger();
    ASSERT_EQ(p.form().対局値.手順.手順_現在, 3);

    AnalysisPanel& panel = p.analysis();
    QAction* item = p.window().findChild<QAction*>("ANALYSIS");
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(panel.isVisible());
    item->trigger();
    EXPECT_TRUE(panel.isVisible());
    // After ▲２六歩 the upper side is to move: its lines begin with △.
    ASSERT_TRUE(pollUntil(panel, [&] { return panel.lineLabel(2)->text().contains("△"); }));
    EXPECT_TRUE(panel.lineLabel(0)->text().contains("△"));
    EXPECT_FALSE(panel.scoreLabel()->text().isEmpty());
    EXPECT_TRUE(panel.infoLabel()->text().startsWith("深さ"));

    // A step back: the lower side's turn, ▲ lines, and a point for each position seen.
    p.window().action(MenuItem::REPLAY)->trigger();
    ASSERT_TRUE(pollUntil(panel, [&] { return panel.lineLabel(0)->text().contains("▲"); }));
    ASSERT_EQ(panel.graph()->points().size(), 4u);
    EXPECT_TRUE(panel.graph()->points()[3].has_value());
    EXPECT_TRUE(pollUntil(panel, [&] { return panel.graph()->points()[2].has_value(); }));

    // A click on the graph's first point is a step to the start.
    EvalGraph& graph = *panel.graph();
    graph.resize(200, 80);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 40), graph.mapToGlobal(QPointF(1, 40)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&graph, &press);
    EXPECT_EQ(p.form().対局値.手順.手順_現在, 0);
    ASSERT_TRUE(pollUntil(panel, [&] { return panel.graph()->points()[0].has_value(); }));

    // Off: the search stops and the panel goes.
    item->trigger();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_FALSE(panel.controller().係().動いている());
  }
  const auto lines = SettingsFile().readLines().value_or(std::vector<std::string>{});
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "背景画=緑");
  EXPECT_NE(std::find(lines.begin() + 4, lines.end(), "検討=OFF"), lines.end());
}

// While the computer thinks the analysis waits; the computer's own score
// becomes the graph's point of the position it moved in.
TEST_F(AnalysisWindow, WaitsWhileTheComputerThinks) {
  Program p;
  ASSERT_TRUE(p.start());
  QTimer closer;
  closer.callOnTimeout([] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  closer.start(5);
  AnalysisPanel& panel = p.analysis();
  p.window().findChild<QAction*>("ANALYSIS")->trigger();
  p.window().action(MenuItem::LEVEL4)->trigger();
  p.window().action(MenuItem::GOTE)->trigger();
  ASSERT_TRUE(p.form().考え中());
  panel.poll();
  EXPECT_FALSE(panel.controller().係().動いている());
  EXPECT_EQ(panel.infoLabel()->text(), "COM思考中");
  ASSERT_TRUE(pollUntil(panel, [&] { return p.form().対局値.手数 == 1; }));
  ASSERT_TRUE(pollUntil(panel, [&] { return panel.lineLabel(0)->text().contains("△"); }));
  ASSERT_EQ(panel.graph()->points().size(), 2u);
  EXPECT_TRUE(panel.graph()->points()[0].has_value());
}

// Kept on, the panel opens with the program.
TEST_F(AnalysisWindow, KeptOnItOpensAtTheNextStart) {
  {
    Program p;
    ASSERT_TRUE(p.start());
    p.window().findChild<QAction*>("ANALYSIS")->trigger();
  }
  Program again;
  ASSERT_TRUE(again.start());
  QApplication::processEvents();
  EXPECT_TRUE(again.analysis().isVisible());
  EXPECT_TRUE(again.window().findChild<QAction*>("ANALYSIS")->isChecked());
}

}  // namespace
}  // namespace qz
