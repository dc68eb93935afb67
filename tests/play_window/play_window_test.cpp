// The program's own window, offscreen: a game is started from the menu, a
// move is clicked with the mouse, and the computer answers on the board.
// Message boxes are answered as they open.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "play/form1.h"
#include "shell/main_window.h"
#include "shell/program.h"

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
  void cleanup() { std::filesystem::current_path(old_); }

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
    const 手順& answer = form.手順[2];
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
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  QApplication app(argc, argv);
  qz::PlayWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "play_window_test.moc"
