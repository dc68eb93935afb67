// The record-file panel in the whole program, offscreen: where its controls
// sit, which ones each menu shows, and saving and loading a game with them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "play/form1.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/record_panel.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

// Answers every message box as it opens with its default button (OK, or
// Yes), remembering its title and text.
class BoxAnswerer {
 public:
  BoxAnswerer() {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      seen.push_back((box->windowTitle() + "|" + box->text()).toStdString());
      QAbstractButton* b = box->defaultButton();
      if (b == nullptr) b = box->button(QMessageBox::Ok);
      b->click();
    });
    timer_.start();
  }
  std::vector<std::string> take() {
    std::vector<std::string> r;
    r.swap(seen);
    return r;
  }
  std::vector<std::string> seen;

 private:
  QTimer timer_;
};

// Each test runs in an empty current directory, which the panel starts in.
class Panel : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    old = fs::current_path();
    here = dir.path().toStdString();
    fs::current_path(here);
  }
  void TearDown() override { fs::current_path(old); }

  static void trigger(Program& p, MenuItem item) { p.window().action(item)->trigger(); }
  // A left click in the middle of board cell (x, y), as the mouse gives it.
  static void clickCell(Program& p, int x, int y) {
    BoardView& v = p.window().view();
    const QPointF at((盤左端 + 桝幅 * x + 桝幅 / 2) / 15.0, (盤上端 + 桝高 * y + 桝高 / 2) / 15.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, v.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&v, &press);
  }
  static QStringList items(QListWidget* list) {
    QStringList r;
    for (int i = 0; i < list->count(); ++i) r << list->item(i)->text().trimmed();
    return r;
  }

  QTemporaryDir dir;
  fs::path old, here;
  BoxAnswerer boxes;
};

TEST_F(Panel, ControlsSitWhereTheFormPlacesThemAndStartHidden) {
  Program p;
  ASSERT_TRUE(p.start());
  RecordFilePanel& panel = p.window().recordFilePanel();
  struct Control {
    QWidget* widget;
    QRect rect;  // twips / 15
  };
  const Control controls[] = {
      {panel.drive1(), {16, 24, 169, 20}},    {panel.dir1(), {16, 40, 169, 114}},
      {panel.file1(), {16, 152, 169, 62}},    {panel.label1(3), {8, 160, 57, 17}},
      {panel.textBox(2), {64, 160, 153, 18}}, {panel.label1(2), {8, 176, 57, 17}},
      {panel.textBox(3), {64, 176, 153, 18}}, {panel.label1(1), {8, 192, 57, 17}},
      {panel.textBox(4), {64, 192, 153, 18}}, {panel.label1(0), {8, 208, 57, 17}},
      {panel.textBox(1), {64, 208, 153, 18}}, {panel.command1(), {224, 200, 57, 25}},
  };
  for (const Control& c : controls) {
    SCOPED_TRACE(c.widget->objectName().toStdString());
    EXPECT_EQ(c.widget->geometry(), c.rect);
    EXPECT_EQ(c.widget->parentWidget(), &p.window().view());
    EXPECT_FALSE(c.widget->isVisible());
  }
  EXPECT_EQ(panel.label1(3)->text(), "対 局 名：");
  EXPECT_EQ(panel.label1(2)->text(), "先    手 ：");
  EXPECT_EQ(panel.label1(1)->text(), "後    手 ：");
  EXPECT_EQ(panel.label1(0)->text(), "ﾌｧｲﾙ名 ：");
  EXPECT_EQ(panel.command1()->text(), "RETURN");
  EXPECT_EQ(panel.directoryPath(), fs::canonical(here));
  EXPECT_EQ(panel.drive(), fs::path("/"));  // the drive of the folder shown
  EXPECT_TRUE(panel.drive1()->currentText().startsWith("/"));
  EXPECT_EQ(panel.fileListPath(), fs::canonical(here));
}

// Each label shows its whole text in either language at every scale: when
// the text is wider than the room before its box, the box gives way on the
// left, its right edge staying where the form puts it.
TEST_F(Panel, EveryLabelFitsItsTextInEitherLanguageAtEveryScale) {
  Program p;
  ASSERT_TRUE(p.start());
  MainWindow& w = p.window();
  RecordFilePanel& panel = w.recordFilePanel();
  trigger(p, MenuItem::KIFU_WRITE);
  for (int percent : {100, 150, 200, 250, 100}) {
    // Taller than the scale needs, so that the width sets it.
    w.resize(6 * percent, 6 * percent);
    ASSERT_EQ(w.view().scale(), percent / 100.0);
    const int boxRight = std::lround(217 * percent / 100.0) - 1;
    for (const char* language : {"LANGUAGE_JA", "LANGUAGE_EN"}) {
      w.findChild<QAction*>(language)->trigger();
      for (int i = 0; i <= 3; ++i) {
        const QLabel* label = panel.label1(i);
        const QLineEdit* box = panel.textBox(i == 0 ? 1 : 5 - i);
        SCOPED_TRACE(QString("%1 at %2%").arg(label->text()).arg(percent).toStdString());
        // The box lies over the label's right end.
        const int textRight = label->x() + label->contentsRect().left() +
                              label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(textRight, std::min(box->x(), label->geometry().right() + 1));
        EXPECT_EQ(box->geometry().right(), boxRight);
        EXPECT_GE(box->width(), 120 * percent / 100);
      }
    }
  }
  // Back in Japanese at 100%, the panel is the form's again.
  w.findChild<QAction*>("LANGUAGE_JA")->trigger();
  EXPECT_EQ(panel.label1(0)->geometry(), QRect(8, 208, 57, 17));
  EXPECT_EQ(panel.textBox(1)->geometry(), QRect(64, 208, 153, 18));
}

TEST_F(Panel, EachMenuShowsItsControlsAndTheFileListOnlyRecords) {
  for (const char* name : {"b.棋譜", "a.棋譜", "c.txt", "棋譜"}) std::ofstream(here / name) << "x";
  fs::create_directory(here / "d.棋譜");
  Program p;
  ASSERT_TRUE(p.start());
  RecordFilePanel& panel = p.window().recordFilePanel();

  trigger(p, MenuItem::KIFU_READ);
  EXPECT_TRUE(panel.drive1()->isVisible());
  EXPECT_TRUE(panel.dir1()->isVisible());
  EXPECT_TRUE(panel.file1()->isVisible());
  EXPECT_FALSE(panel.textBox(1)->isVisible());
  EXPECT_FALSE(panel.command1()->isVisible());
  EXPECT_EQ(items(panel.file1()), (QStringList{"a.棋譜", "b.棋譜"}));

  trigger(p, MenuItem::KIFU_WRITE);
  EXPECT_TRUE(panel.drive1()->isVisible());
  EXPECT_TRUE(panel.dir1()->isVisible());
  EXPECT_FALSE(panel.file1()->isVisible());
  for (int i = 1; i <= 4; ++i) EXPECT_TRUE(panel.textBox(i)->isVisible());
  for (int i = 0; i <= 3; ++i) EXPECT_TRUE(panel.label1(i)->isVisible());
  EXPECT_TRUE(panel.command1()->isVisible());

  // Any other command closes the panel and empties its boxes.
  panel.textBox(1)->setText("name");
  trigger(p, MenuItem::REPLAY);
  EXPECT_FALSE(panel.drive1()->isVisible());
  EXPECT_FALSE(panel.textBox(1)->isVisible());
  EXPECT_TRUE(panel.textBox(1)->text().isEmpty());
  EXPECT_EQ(boxes.take(), (std::vector<std::string>{"戻る|できません"}));
}

TEST_F(Panel, AGameSavedWithThePanelLoadsInTheNextStartAndStepsToItsEnd) {
  盤配列 final{};
  {
    Program p;
    ASSERT_TRUE(p.start());
    trigger(p, MenuItem::START);
    const int moves[][4] = {{3, 7, 3, 6}, {3, 3, 3, 4}, {7, 7, 7, 6}};
    for (const auto& m : moves) {
      clickCell(p, m[0], m[1]);
      clickCell(p, m[2], m[3]);
    }
    ASSERT_EQ(p.form().対局値.手数, 3);
    final = p.form().対局値.局.盤面;
    boxes.take();

    trigger(p, MenuItem::KIFU_WRITE);
    RecordFilePanel& panel = p.window().recordFilePanel();
    panel.textBox(1)->setText("練習");
    panel.textBox(2)->setText("春の対局");
    panel.textBox(3)->setText("花子");
    panel.textBox(4)->setText("太郎");
    panel.command1()->click();
    EXPECT_EQ(boxes.take(), (std::vector<std::string>{"  |棋譜を書き込みました"}));
    EXPECT_FALSE(panel.command1()->isVisible());
    EXPECT_TRUE(fs::is_regular_file(here / u8"練習.棋譜"));
  }

  Program q;
  ASSERT_TRUE(q.start());
  trigger(q, MenuItem::KIFU_READ);
  QListWidget* files = q.window().recordFilePanel().file1();
  ASSERT_EQ(items(files), (QStringList{"練習.棋譜"}));
  const QRect row = files->visualItemRect(files->item(0));
  QMouseEvent press(QEvent::MouseButtonPress, row.center(),
                    files->viewport()->mapToGlobal(row.center()), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, row.center(),
                      files->viewport()->mapToGlobal(row.center()), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(files->viewport(), &press);
  QApplication::sendEvent(files->viewport(), &release);
  EXPECT_EQ(boxes.take(), (std::vector<std::string>{"棋譜|練習.棋譜 3手 読み込みました",
                                                    "棋譜|棋譜を '進 'で進めて下さい"}));
  EXPECT_FALSE(files->isVisible());
  for (int i = 0; i < 3; ++i) trigger(q, MenuItem::AFTER);
  EXPECT_EQ(q.form().対局値.局.盤面, final);
  trigger(q, MenuItem::AFTER);
  EXPECT_EQ(boxes.take(), (std::vector<std::string>{"進む|終わり"}));
}

TEST_F(Panel, ADriveThatCannotBeReadIsRefusedAndTheListsStay) {
  fs::create_directory(here / "sub");
  std::ofstream(here / "sub" / u8"x.棋譜") << "x";
  Program p;
  ASSERT_TRUE(p.start());
  RecordFilePanel& panel = p.window().recordFilePanel();
  const fs::path start = panel.directoryPath();
  panel.setDrives({"/", here / "gone"});
  ASSERT_EQ(panel.drive1()->currentIndex(), 0);
  trigger(p, MenuItem::KIFU_READ);

  panel.drive1()->setCurrentIndex(1);
  emit panel.drive1()->activated(1);
  EXPECT_EQ(boxes.take(), (std::vector<std::string>{"ｴﾗｰ|ﾃﾞﾊﾞｲｽが準備できていません"}));
  EXPECT_EQ(panel.directoryPath(), start);
  EXPECT_EQ(panel.drive1()->currentIndex(), 0);

  // Opening a folder in Dir1 takes the file list along.
  QListWidget* dirs = panel.dir1();
  EXPECT_EQ(dirs->item(0)->text(), "/");
  EXPECT_EQ(dirs->currentRow(), static_cast<int>(std::distance(start.begin(), start.end())) - 1);
  const auto found = dirs->findItems("sub", Qt::MatchEndsWith);
  ASSERT_EQ(found.size(), 1);
  emit dirs->itemActivated(found[0]);
  EXPECT_EQ(panel.directoryPath(), start / "sub");
  EXPECT_EQ(panel.fileListPath(), start / "sub");
  EXPECT_EQ(items(panel.file1()), (QStringList{"x.棋譜"}));

  // A drive that can be read moves both lists to it.
  panel.drive1()->setCurrentIndex(0);
  emit panel.drive1()->activated(0);
  EXPECT_TRUE(boxes.take().empty());
  EXPECT_EQ(panel.directoryPath(), fs::path("/"));
  EXPECT_EQ(panel.fileListPath(), fs::path("/"));
}

}  // namespace
}  // namespace qz
