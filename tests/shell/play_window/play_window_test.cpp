// The program's own window, offscreen: a game is started from the menu, a
// move is clicked with the mouse, and the computer answers on the board.
// Message boxes are answered as they open.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "play/form1.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/qt_surface.h"
#include "shell/settings_file.h"

namespace qz {

// Answers every message box that opens (OK, or Yes) and remembers it.
class BoxAnswerer : public QObject {
  Q_OBJECT

 public:
  BoxAnswerer() {
    connect(&timer_, &QTimer::timeout, this, [this] { answer(); });
    timer_.start(5);
  }
  QStringList seen;

 private:
  void answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen << box->windowTitle() + "|" + box->text();
    QAbstractButton* b = box->button(QMessageBox::Ok);
    if (b == nullptr) b = box->button(QMessageBox::Yes);
    b->click();
  }
  QTimer timer_;
};

class PlayWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path().toStdString());
  }
  void cleanup() {
    std::filesystem::remove(SettingsFile::defaultPath());
    std::filesystem::current_path(old_);
  }

  // Chosen English in the settings file, the game speaks English; switched
  // back from the menu, it speaks Japanese again and the four lines of the
  // settings file stay as they were.
  void gameClickedThroughInEnglish() {
    SettingsFile file;
    QVERIFY(file.writeLines({"背景画=竹", "移動指導=ON", "経過時間=OFF", "BGM=OFF"}));
    QVERIFY(file.setExtra("言語", "English"));
    Program program;
    QVERIFY(program.start());
    BoxAnswerer answerer;
    MainWindow& window = program.window();
    QCOMPARE(window.windowTitle(), QString("QZ Frozen Shogi"));
    QCOMPARE(window.action(MenuItem::TAIKYOKU)->text(), QString("Game"));
    // No caption of the window's own is left in Japanese (the language menu
    // names each language in itself).
    static const QRegularExpression japanese(
        "[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF61}-\\x{FF9F}]");
    for (QAction* a : window.findChildren<QAction*>())
      if (a->objectName() != "LANGUAGE_JA" && !a->text().startsWith(QString::fromUtf8("言語")))
        QVERIFY2(!a->text().contains(japanese), qPrintable("untranslated: " + a->text()));
    for (QWidget* w : window.view().findChildren<QWidget*>()) {
      const QVariant text = w->property("text");
      if (text.isValid())
        QVERIFY2(!text.toString().contains(japanese), qPrintable(text.toString()));
    }

    window.action(MenuItem::SENTE)->trigger();
    QCOMPARE(answerer.seen, QStringList{" |Your move"});
    BoardView& view = window.view();
    QTest::mouseClick(&view, Qt::LeftButton, {}, cellCentre(7, 7));
    QTest::mouseClick(&view, Qt::LeftButton, {}, cellCentre(7, 6));
    QCOMPARE(program.form().対局値.手数, 2);
    window.action(MenuItem::LBEL_UP)->trigger();
    QCOMPARE(answerer.seen.last(),
             QString::fromUtf8("Handicap|Not possible during a game\n\nChoose Position → Start "
                               "position first"));

    window.findChild<QAction*>("LANGUAGE_JA")->trigger();
    QCOMPARE(window.action(MenuItem::TAIKYOKU)->text(), QString::fromUtf8("対局"));
    QCOMPARE(SettingsFile().readLines(),
             (std::vector<std::string>{"背景画=竹", "移動指導=ON", "経過時間=OFF", "BGM=OFF",
                                       "言語=日本語"}));
  }

  // At 100% the window is the one it has always been, pixel for pixel: the
  // reference was taken from the program before it could scale. The menu bar
  // is left out, as it grows with new menus.
  void hundredPercentIsTodaysWindow() {
    { std::ofstream empty(SettingsFile::defaultPath(), std::ios::binary); }
    Program program;
    QVERIFY(program.start());
    BoxAnswerer answerer;
    MainWindow& window = program.window();
    window.action(MenuItem::KEIKA)->trigger();  // no clocks: the picture holds no time
    window.action(MenuItem::SENTE)->trigger();
    QTest::mouseClick(&window.view(), Qt::LeftButton, {}, cellCentre(7, 7));
    QTest::mouseClick(&window.view(), Qt::LeftButton, {}, cellCentre(7, 6));
    QTest::qWait(50);
    const int bar = window.menuBar()->height();
    const QImage whole = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage now = whole.copy(0, bar, whole.width(), whole.height() - bar);
    const QImage before = QImage(QT_TESTCASE_SOURCEDIR "/window_100.png")
                              .convertToFormat(QImage::Format_RGB32)
                              .copy(0, bar, whole.width(), whole.height() - bar);
    QCOMPARE(now.size(), before.size());
    if (now != before) now.save(QDir::temp().filePath("qz-window-100-now.png"));
    QVERIFY2(now == before, "the 100% window differs (saved as qz-window-100-now.png in /tmp)");
  }

  // At 150% and 250% a press anywhere inside a drawn square names that
  // square, and a move clicked at the scale is made on the board.
  void clicksLandOnTheirSquaresAtAnyScale() {
    for (int percent : {150, 250}) {
      Program program;
      QVERIFY(program.start());
      BoxAnswerer answerer;
      MainWindow& window = program.window();
      window.findChild<QAction*>(QString("SCALE_%1").arg(percent))->trigger();
      BoardView& view = window.view();
      const double s = percent / 100.0;
      QCOMPARE(view.scale(), s);
      QCOMPARE(program.surface().devicePixelRatio(), window.devicePixelRatioF() * s);

      auto forward = view.onMousePress;
      double tx = 0, ty = 0;
      view.onMousePress = [&](int, int, double x, double y) { tx = x, ty = y; };
      for (int cell : {1, 5, 9}) {
        const double left = (盤左端 + 桝幅 * cell) / 15.0, top = (盤上端 + 桝高 * cell) / 15.0;
        const double right = left + 桝幅 / 15.0, bottom = top + 桝高 / 15.0;
        // The first and the last view pixel wholly inside the square.
        for (QPoint p : {QPoint(std::ceil(left * s), std::ceil(top * s)),
                         QPoint(std::floor(right * s) - 1, std::floor(bottom * s) - 1)}) {
          QTest::mouseClick(&view, Qt::LeftButton, {}, p);
          QVERIFY2(
              std::floor((tx - 盤左端) / 桝幅) == cell && std::floor((ty - 盤上端) / 桝高) == cell,
              qPrintable(QString("%1% at (%2, %3)").arg(percent).arg(p.x()).arg(p.y())));
        }
      }
      view.onMousePress = forward;

      window.action(MenuItem::SENTE)->trigger();
      const QPoint from = cellCentre(3, 7) * s, to = cellCentre(3, 6) * s;
      QTest::mouseClick(&view, Qt::LeftButton, {}, from);
      QTest::mouseClick(&view, Qt::LeftButton, {}, to);
      QCOMPARE(program.form().対局値.局.盤面[3][6], -歩);
      QCOMPARE(program.form().対局値.手数, 2);
      std::filesystem::remove(SettingsFile::defaultPath());
    }
  }

  void clickedMoveGetsTheComputersAnswer() {
    Program program;
    QVERIFY(program.start());
    BoxAnswerer answerer;
    MainWindow& window = program.window();
    Form1& form = program.form();

    window.action(MenuItem::SENTE)->trigger();
    QCOMPARE(answerer.seen, QStringList{" |MANの番です"});
    QCOMPARE(form.対局値.手番, 先手);

    // The pawn on (3, 7) one square forward, clicked at the middle of each cell.
    BoardView& view = window.view();
    QTest::mouseClick(&view, Qt::LeftButton, {}, cellCentre(3, 7));
    QCOMPARE(form.選択状態, 1);
    QTest::mouseClick(&view, Qt::LeftButton, {}, cellCentre(3, 6));

    QCOMPARE(form.対局値.局.盤面[3][6], -歩);
    QCOMPARE(form.対局値.手数, 2);
    const 手順& answer = form.対局値.手順[2];
    QVERIFY(answer.元駒 > 0);
    QCOMPARE(form.対局値.局.盤面[answer.先X][answer.先Y], answer.先駒);
    QCOMPARE(form.対局値.手番, form.対局値.局.手番値_MAN);

    // A right click on an upper piece only shows its moves.
    QTest::mouseClick(&view, Qt::RightButton, {}, cellCentre(5, 1));
    QCOMPARE(form.選択状態, 0);
    QCOMPARE(form.対局値.手数, 2);
  }

 private:
  // The middle of grid cell (x, y) in the view's logical pixels.
  static QPoint cellCentre(int x, int y) {
    return QPoint((盤左端 + 桝幅 * x + 桝幅 / 2) / 15, (盤上端 + 桝高 * y + 桝高 / 2) / 15);
  }

  QTemporaryDir dir_;
  std::filesystem::path old_;
};

}  // namespace qz

int main(int argc, char** argv) {
  // A screen on which every scale fits.
  setenv("QT_QPA_PLATFORM", "offscreen:configfile=" QT_TESTCASE_SOURCEDIR "/screen.json", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // The window's language follows the locale; the tests expect today's Japanese.
  setenv("LC_ALL", "C.UTF-8", 1);
  QApplication app(argc, argv);
  qz::PlayWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "play_window_test.moc"
