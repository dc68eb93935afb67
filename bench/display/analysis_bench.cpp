// How late the window's 50 ms tick comes while the 検討 panel analyses on
// worker threads: the whole program is built as main() builds it, a record
// is on the board, and each iteration runs the event loop for two seconds
// with a precise 50 ms timer that repaints the board on every tick, as the
// clock does. The first argument 1 analyses (0: the same window without
// analysis); the second 1 steps the record back and forth every 500 ms,
// each step a new position for the analysis.
// Counters: the worst and mean lateness of a tick (ms) and the depth the
// analysis reached. Offscreen unless a display is given.
//   QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy build/bench/display/analysis_bench
// With --shot=FILE it instead saves the panel after a few seconds of analysis.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>

#include "play/form1.h"
#include "shell/analysis_panel.h"
#include "shell/main_window.h"
#include "shell/program.h"

namespace {

constexpr int tickMs = 50;
constexpr int runMs = 2000;

// A program in an empty folder with a record stepped to its end.
std::unique_ptr<qz::Program> startProgram() {
  auto p = std::make_unique<qz::Program>();
  if (!p->start()) return nullptr;
  QTimer closer;
  closer.callOnTimeout([] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  closer.start(5);
  QGuiApplication::clipboard()->setText("position startpos moves 7g7f 3c3d 2g2f 8c8d 2f2e");
  p->window().action(qz::MenuItem::PASTE)->trigger();
  for (int i = 0; i < 5; ++i) p->window().action(qz::MenuItem::AFTER)->trigger();
  return p;
}

void BM_TickLateness(benchmark::State& state) {
  QTemporaryDir dir;
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path().toStdString());
  auto p = startProgram();
  if (!p) return state.SkipWithError("the program did not start");
  const bool analyse = state.range(0) != 0;
  const bool step = state.range(1) != 0;
  if (analyse) p->window().findChild<QAction*>("ANALYSIS")->trigger();
  qint64 worst = 0, total = 0, ticks = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
      const qint64 t = clock.elapsed();
      const qint64 late = std::max<qint64>(0, t - last - tickMs);
      worst = std::max(worst, late);
      total += late;
      ++ticks;
      last = t;
      p->window().view().update();
      if (step && ticks % 10 == 0)
        p->window().action(ticks % 20 == 0 ? qz::MenuItem::AFTER : qz::MenuItem::REPLAY)->trigger();
      if (t >= runMs) QCoreApplication::exit(0);
    });
    tick.start(tickMs);
    QApplication::exec();
  }
  state.counters["worst_late_ms"] = static_cast<double>(worst);
  state.counters["mean_late_ms"] = ticks > 0 ? static_cast<double>(total) / ticks : 0.0;
  state.counters["ticks"] = static_cast<double>(ticks);
  if (analyse) {
    const auto k = p->analysis().controller().係().最新();
    state.counters["depth"] = k ? k->深さ : 0;
    state.counters["knps"] = k ? static_cast<double>(k->毎秒節点) / 1000 : 0.0;
  }
  p.reset();
  std::filesystem::current_path(old);
}
BENCHMARK(BM_TickLateness)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// The panel photographed after three seconds of analysis.
int shoot(const char* file) {
  QTemporaryDir dir;
  std::filesystem::current_path(dir.path().toStdString());
  auto p = startProgram();
  if (!p) return 1;
  p->window().findChild<QAction*>("ANALYSIS")->trigger();
  QTimer::singleShot(3000, [&] {
    p->window().action(qz::MenuItem::REPLAY)->trigger();
    QTimer::singleShot(1500, [&] {
      p->analysis().grab().save(file);
      QCoreApplication::exit(0);
    });
  });
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc > 1 && std::strncmp(argv[1], "--shot=", 7) == 0) return shoot(argv[1] + 7);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
