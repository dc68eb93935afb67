// The whole program offscreen: start-up, the menu bar, check marks, events.
#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>

#include "play/form1.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/settings_file.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

// Runs each test in an empty current directory, where the settings file lives.
class WholeProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    old = fs::current_path();
    fs::current_path(dir.path().toStdString());
  }
  void TearDown() override { fs::current_path(old); }
  std::vector<std::string> settings() {
    return SettingsFile().readLines().value_or(std::vector<std::string>{});
  }

  QTemporaryDir dir;
  fs::path old;
};

TEST_F(WholeProgram, StartsWithTheDefaultsAndTheWholeMenuBar) {
  Program p;
  ASSERT_TRUE(p.start());
  MainWindow& w = p.window();
  EXPECT_EQ(w.windowTitle(), "QZ 氷結将棋");
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.size(), QSize(600, 533));
  EXPECT_EQ(settings(),
            (std::vector<std::string>{"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"}));
  EXPECT_EQ(p.form().画.背景_現在, 背景_緑);

  struct Item {
    MenuItem item;
    const char* name;
    const char* caption;
    bool checked;
  };
  const Item items[] = {
      {MenuItem::TAIKYOKU, "TAIKYOKU", "対局", false},
      {MenuItem::MATCH_MAN, "MATCH_MAN", "対局(人間)", false},
      {MenuItem::START, "START", "スタート", false},
      {MenuItem::MATCH_COM, "MATCH_COM", "対局(COM)", false},
      {MenuItem::SENTE, "SENTE", "先手", false},
      {MenuItem::GOTE, "GOTE", "後手", false},
      {MenuItem::LEVEL, "LEVEL", "COM対局ﾚﾍﾞﾙ", false},
      {MenuItem::LEVEL1, "LEVEL1", "LEVEL1", false},
      {MenuItem::LEVEL2, "LEVEL2", "LEVEL2", false},
      {MenuItem::LEVEL3, "LEVEL3", "LEVEL3", true},
      {MenuItem::OWARI, "OWARI", "終わり", false},
      {MenuItem::STOP, "STOP", "局面", false},
      {MenuItem::CANCEL, "CANCEL", "最初", false},
      {MenuItem::REVERSE, "REVERSE", "反転", false},
      {MenuItem::REPLAY, "REPLAY", "戻", false},
      {MenuItem::AFTER, "AFTER", "進", false},
      {MenuItem::LBEL_UP, "LBEL_UP", "△", false},
      {MenuItem::LEBEL_DOWN, "LEBEL_DOWN", "▽", false},
      {MenuItem::KIFU, "KIFU", "棋譜", false},
      {MenuItem::KIFU_READ, "KIFU_READ", "読込", false},
      {MenuItem::KIFU_WRITE, "KIFU_WRITE", "書込", false},
      {MenuItem::OPTION, "OPTION", "ｵﾌﾟｼｮﾝ", false},
      {MenuItem::HAIKEI_GA, "HAIKEI_GA", "背景画", false},
      {MenuItem::MIDORI, "MIDORI", "緑", true},
      {MenuItem::TATAMI, "TATAMI", "畳", false},
      {MenuItem::TAKE, "TAKE", "竹", false},
      {MenuItem::UCHU, "UCHU", "宇宙", false},
      {MenuItem::RENGA, "RENGA", "煉瓦", false},
      {MenuItem::SIDOU, "SIDOU", "移動指導", false},
      {MenuItem::KEIKA, "KEIKA", "経過時間", true},
      {MenuItem::BGM, "BGM", "BGM", true},
      {MenuItem::VER, "VER", "その他", false},
      {MenuItem::TORYO, "TORYO", "投了", false},
      {MenuItem::MATTA, "MATTA", "待った", false},
      {MenuItem::KIFU_ICHIRAN, "KIFU_ICHIRAN", "棋譜一覧", false},
      {MenuItem::KIFU_OPEN, "KIFU_OPEN", "ファイルを開く…", false},
      {MenuItem::KIFU_SAVE_KIF, "KIFU_SAVE_KIF", "KIFで保存…", false},
      {MenuItem::KIFU_SAVE_CSA, "KIFU_SAVE_CSA", "CSAで保存…", false},
      {MenuItem::EDIT, "EDIT", "編集", false},
      {MenuItem::COPY_SFEN, "COPY_SFEN", "局面をコピー (SFEN)", false},
      {MenuItem::COPY_KIF, "COPY_KIF", "棋譜をコピー (KIF)", false},
      {MenuItem::COPY_USI, "COPY_USI", "棋譜をコピー (USI)", false},
      {MenuItem::PASTE, "PASTE", "貼り付け", false},
      {MenuItem::BOARD_EDIT, "BOARD_EDIT", "局面編集…", false},
  };
  for (const auto& i : items) {
    QAction* a = w.action(i.item);
    ASSERT_NE(a, nullptr) << i.name;
    EXPECT_EQ(a->objectName(), i.name);
    EXPECT_EQ(a->text(), QString::fromUtf8(i.caption)) << i.name;
    EXPECT_EQ(a->isChecked(), i.checked) << i.name;
    EXPECT_EQ(w.itemChecked(i.item), i.checked) << i.name;
  }
  // The top level reads as the game's menu bar, left to right.
  QStringList top;
  for (QAction* a : w.menuBar()->actions()) top << a->text();
  EXPECT_EQ(
      top, (QStringList{"対局", "局面", "戻", "進", "△", "▽", "棋譜", "編集", "ｵﾌﾟｼｮﾝ", "その他"}));
}

TEST_F(WholeProgram, ACheckItemTogglesOnceThroughItsHandler) {
  Program p;
  ASSERT_TRUE(p.start());
  QAction* bgm = p.window().action(MenuItem::BGM);
  bgm->trigger();
  EXPECT_FALSE(bgm->isChecked());
  EXPECT_EQ(settings().at(3), "BGM=OFF");
  p.window().action(MenuItem::TATAMI)->trigger();
  EXPECT_TRUE(p.window().action(MenuItem::TATAMI)->isChecked());
  EXPECT_FALSE(p.window().action(MenuItem::MIDORI)->isChecked());
  EXPECT_EQ(p.form().画.背景_現在, 背景_畳);
  // Remembered at the next start.
  Program again;
  ASSERT_TRUE(again.start());
  EXPECT_EQ(again.form().画.背景_現在, 背景_畳);
  EXPECT_FALSE(again.window().itemChecked(MenuItem::BGM));
}

// The computer's resigning and the sound effects are on until turned off,
// and each choice is a line after the first four of the settings, read at
// the next start.
TEST_F(WholeProgram, CheckOptionsAreKeptInTheSettings) {
  for (const auto& [name, line] : {std::pair{"RESIGN", "COM投了=OFF"}, {"EFFECTS", "効果音=OFF"},
                                  {"CONFIRM", "確認メッセージ=OFF"}}) {
    SCOPED_TRACE(name);
    {
      Program p;
      ASSERT_TRUE(p.start());
      QAction* item = p.window().findChild<QAction*>(name);
      ASSERT_NE(item, nullptr);
      EXPECT_TRUE(item->isChecked());
      item->trigger();
    }
    const auto lines = settings();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "背景画=緑");
    EXPECT_NE(std::find(lines.begin() + 4, lines.end(), line), lines.end());
    Program again;
    ASSERT_TRUE(again.start());
    EXPECT_FALSE(again.window().findChild<QAction*>(name)->isChecked());
    if (std::string(name) == "RESIGN") {
      EXPECT_FALSE(again.form().COMは投了する);
    }
  }
}

// The influence overlay is off until turned on, then kept after the first four lines.
TEST_F(WholeProgram, TheInfluenceOverlayStartsOffAndIsKept) {
  {
    Program p;
    ASSERT_TRUE(p.start());
    EXPECT_FALSE(p.form().画.利き表示);
    p.window().findChild<QAction*>("INFLUENCE")->trigger();
  }
  const auto lines = settings();
  EXPECT_NE(std::find(lines.begin() + 4, lines.end(), "利き表示=ON"), lines.end());
  Program again;
  ASSERT_TRUE(again.start());
  EXPECT_TRUE(again.form().画.利き表示);
  EXPECT_TRUE(again.window().findChild<QAction*>("INFLUENCE")->isChecked());
}

// The level menu is every level, weakest first, by its caption, each with
// its English.
TEST_F(WholeProgram, TheLevelMenuIsTheLadder) {
  Program p;
  ASSERT_TRUE(p.start());
  QStringList captions, want;
  for (QAction* a : p.window().action(MenuItem::LEVEL)->menu()->actions()) captions << a->text();
  for (const レベル段& x : レベル一覧()) want << QString::fromUtf8(x.表題.data(), x.表題.size());
  EXPECT_EQ(captions, want);
  p.window().findChild<QAction*>("LANGUAGE_EN")->trigger();
  for (QAction* a : p.window().action(MenuItem::LEVEL)->menu()->actions())
    EXPECT_TRUE(a->text().startsWith("Level ")) << a->text().toStdString();
  p.window().findChild<QAction*>("LANGUAGE_JA")->trigger();
}

TEST_F(WholeProgram, TheClipboardBothWays) {
  Program p;
  ASSERT_TRUE(p.start());
  p.window().action(MenuItem::COPY_SFEN)->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
  QGuiApplication::clipboard()->setText("position startpos moves 7g7f 3c3d");
  // Each message box the paste shows is closed as soon as it is open.
  QTimer closer;
  closer.callOnTimeout([] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  closer.start(5);
  p.window().action(MenuItem::PASTE)->trigger();
  EXPECT_EQ(p.form().対局値.棋譜モード, 1);
  EXPECT_EQ(p.form().対局値.手順.手順_最終, 2);
  p.window().action(MenuItem::COPY_KIF)->trigger();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("   2 ３四歩(33)"));
}

// A record's branch is offered by the move list's menu of its move, and
// choosing it puts its line on the board.
TEST_F(WholeProgram, TheMoveListOffersABranchAndTakesIt) {
  Program p;
  ASSERT_TRUE(p.start());
  QGuiApplication::clipboard()->setText(
      "手数----指手---------消費時間--\n   1 ２六歩(27)\n   2 ８四歩(83)\n\n"
      "変化：2手\n   2 ３四歩(33)\n");
  QTimer closer;
  closer.callOnTimeout([] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  closer.start(5);
  p.window().action(MenuItem::PASTE)->trigger();
  EXPECT_EQ(p.window().branchMenu(1), nullptr);
  QMenu* menu = p.window().branchMenu(2);
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 2);  // the heading and the branch
  EXPECT_EQ(menu->actions().back()->text(), "2 △３四歩");
  menu->actions().back()->trigger();
  EXPECT_EQ(p.form().対局値.手順.手順_現在, 2);
  EXPECT_EQ(p.form().対局値.局.盤面[7][4], 歩);
  EXPECT_EQ(p.window().moveList().item(2)->text(), "2 △３四歩 +");
  delete menu;
}

// The record dialogs start in the record panel's folder, then in the folder
// of the record last opened.
TEST_F(WholeProgram, TheRecordDialogsRememberTheirFolder) {
  const QString sub = dir.path() + "/records";
  ASSERT_TRUE(QDir().mkpath(sub));
  {
    QFile f(sub + "/g.usi");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("position startpos moves 7g7f 3c3d\n");
  }
  Program p;
  ASSERT_TRUE(p.start());
  std::vector<QString> started;
  bool choose = true;
  // Each dialog notes its folder and opens the record or is cancelled; the
  // reading's boxes are closed as soon as they are open.
  QTimer answer;
  answer.callOnTimeout([&] {
    QWidget* w = QApplication::activeModalWidget();
    if (auto* d = qobject_cast<QFileDialog*>(w)) {
      started.push_back(QDir(d->directory()).canonicalPath());
      if (choose) {
        d->selectFile(sub + "/g.usi");
        QMetaObject::invokeMethod(d, "accept");
      } else {
        d->reject();
      }
    } else if (w != nullptr) {
      w->close();
    }
  });
  answer.start(5);
  p.window().action(MenuItem::KIFU_OPEN)->trigger();
  EXPECT_EQ(p.form().対局値.手順.手順_最終, 2);
  choose = false;
  p.window().action(MenuItem::KIFU_OPEN)->trigger();
  ASSERT_EQ(started.size(), 2u);
  EXPECT_EQ(started[0], QDir(QString::fromStdString(p.window().directoryPath().string())).canonicalPath());
  EXPECT_EQ(started[1], QDir(sub).canonicalPath());
}

// A menu command, Esc or a close that arrives while a box is open (its event
// loop delivers them) is dropped: the handler that opened the box ends first.
TEST_F(WholeProgram, OneHandlerAtATime) {
  Program p;
  ASSERT_TRUE(p.start());
  int boxes = 0;
  QTimer closer;
  closer.callOnTimeout([&] {
    if (QWidget* box = QApplication::activeModalWidget()) ++boxes, box->close();
  });
  bool sent = false;
  QTimer intruder;
  intruder.callOnTimeout([&] {
    if (sent || QApplication::activeModalWidget() == nullptr) return;
    sent = true;
    p.window().action(MenuItem::START)->trigger();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&p.window(), &esc);
    p.window().close();
  });
  intruder.start(1);
  closer.start(20);
  p.window().action(MenuItem::VER)->trigger();
  EXPECT_TRUE(sent);
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(p.form().対局値.手番, 0);
  EXPECT_FALSE(p.window().ended());
  EXPECT_TRUE(p.window().isVisible());
  p.window().action(MenuItem::START)->trigger();
  EXPECT_EQ(boxes, 2);
  EXPECT_EQ(p.form().対局値.手番, 先手);
}

TEST_F(WholeProgram, MousePressesArriveInTwips) {
  Program p;
  ASSERT_TRUE(p.start());
  BoardView& v = p.window().view();
  std::vector<std::array<double, 4>> presses;
  v.onMousePress = [&](int b, int s, double x, double y) {
    presses.push_back({1.0 * b, 1.0 * s, x, y});
  };
  QMouseEvent left(QEvent::MouseButtonPress, QPointF(103, 48), v.mapToGlobal(QPointF(103, 48)),
                   Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&v, &left);
  QMouseEvent right(QEvent::MouseButtonPress, QPointF(102.6, 10), v.mapToGlobal(QPointF(102.6, 10)),
                    Qt::RightButton, Qt::RightButton, Qt::ShiftModifier);
  QApplication::sendEvent(&v, &right);
  ASSERT_EQ(presses.size(), 2u);
  EXPECT_EQ(presses[0], (std::array<double, 4>{1, 0, 1545, 720}));
  EXPECT_EQ(presses[1], (std::array<double, 4>{2, 1, 1530, 150}));
}

TEST_F(WholeProgram, EscEndsTheProgramAndNothingRunsAfterwards) {
  Program p;
  ASSERT_TRUE(p.start());
  QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  QApplication::sendEvent(&p.window(), &other);
  EXPECT_FALSE(p.window().ended());
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&p.window(), &esc);
  EXPECT_TRUE(p.window().ended());
  EXPECT_FALSE(p.window().isVisible());
  int ran = 0;
  p.window().dispatch([&] { ++ran; });
  EXPECT_EQ(ran, 0);
  // The settings file was not written again on the way out.
  EXPECT_EQ(settings().at(0), "背景画=緑");
}

TEST_F(WholeProgram, ClosingTheWindowUnloadsTheForm) {
  Program p;
  ASSERT_TRUE(p.start());
  EXPECT_TRUE(p.window().close());
  EXPECT_TRUE(p.window().ended());
}

}  // namespace
}  // namespace qz
