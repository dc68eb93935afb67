// Measures how the window answers while the computer thinks at LEVEL5: the
// program is started as main() does, a game is begun with the computer
// moving first, and until its move is on the board a 50 ms timer asks for a
// repaint on every tick. Prints the largest lateness of a tick and the
// largest gap between paints, in milliseconds. With a file name it instead
// asks for a hint at the start of a game and saves the window with it.
// Not part of the program.
//   QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy build/bench/display/qz_think_probe [hint.png]
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>

#include "play/form1.h"
#include "shell/main_window.h"
#include "shell/program.h"

namespace {

// Notes the time of every paint of the board.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QElapsedTimer& clock) : clock_(clock) {}
  qint64 last = -1, worstGap = 0;
  int paints = 0;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      const qint64 t = clock_.elapsed();
      if (last >= 0) worstGap = std::max(worstGap, t - last);
      last = t;
      ++paints;
    }
    return QObject::eventFilter(o, e);
  }

 private:
  QElapsedTimer& clock_;
};

}  // namespace

int main(int argc, char** argv) {
  int qtArgc = argc > 0 ? 1 : 0;
  QApplication app(qtArgc, argv);
  qz::Program program;
  if (!program.start()) return 1;
  QElapsedTimer clock;
  clock.start();
  PaintWatch watch(clock);
  program.window().view().installEventFilter(&watch);
  if (argc > 1) {  // the hint, photographed; message boxes are answered
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
      if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    answer.start(100);
    program.window().action(qz::MenuItem::LEVEL4)->trigger();
    program.window().action(qz::MenuItem::SENTE)->trigger();
    program.window().action(qz::MenuItem::HINT)->trigger();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (program.form().考え中()) return;
      program.window().grab().save(argv[1]);
      QCoreApplication::exit(0);
    });
    poll.start(50);
    return QApplication::exec();
  }
  program.window().action(qz::MenuItem::LEVEL5)->trigger();
  program.window().action(qz::MenuItem::GOTE)->trigger();
  if (!program.form().考え中()) return 1;
  const qint64 started = clock.elapsed();
  qint64 lastTick = started, worstLate = 0;
  int ticks = 0;
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const qint64 t = clock.elapsed();
    worstLate = std::max(worstLate, t - lastTick - 50);
    lastTick = t;
    ++ticks;
    program.window().view().update();
    if (program.form().対局値.手数 >= 1) {
      std::printf(
          "thinking %lld ms: %d ticks, worst tick lateness %lld ms; %d paints, worst gap %lld ms\n",
          static_cast<long long>(t - started), ticks, static_cast<long long>(worstLate),
          watch.paints, static_cast<long long>(watch.worstGap));
      std::fflush(stdout);
      QCoreApplication::exit(0);
    }
  });
  tick.start(50);
  return QApplication::exec();
}
