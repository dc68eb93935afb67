// 画面_再描画 on the Qt surface at 1x and 2x, a change of the window's
// scale, and 画面_再描画 on a surface that only records (the painters' own
// share).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "display/recording_surface.h"
#include "display/screen.h"
#include "rules/rules.h"
#include "shell/assets.h"
#include "shell/qt_surface.h"

namespace {

void redrawOn(benchmark::State& state, qz::Surface& surface) {
  qz::対局 game;
  qz::画面 g(surface, game);
  qz::初期配置(game.局);
  g.背景_現在 = qz::背景_畳;
  game.局.持駒_MAN.加える(1);
  game.局.持駒_COM.加える(6);
  game.対局モード = 1;
  g.画面_再描画();  // pictures loaded once, as in the program
  for (auto _ : state) {
    g.画面_再描画();
    surface.refresh();
  }
}

void BM_RedrawQt(benchmark::State& state) {
  const qreal dpr = static_cast<qreal>(state.range(0));
  qz::QtSurface surface(QSize(1030, 750), dpr,
                        QString::fromStdString(qz::findPictureDirectory().string()));
  redrawOn(state, surface);
  // The canvas must really be finished, as the window would need it.
  benchmark::DoNotOptimize(surface.canvas().cacheKey());
}
BENCHMARK(BM_RedrawQt)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A change of scale (a step of dragging the window's edge): everything drawn
// so far drawn again at the new ratio, after a long game's worth of redraws.
void BM_ScaleChange(benchmark::State& state) {
  qz::QtSurface surface(QSize(1030, 750), 1.0,
                        QString::fromStdString(qz::findPictureDirectory().string()));
  qz::対局 game;
  qz::画面 g(surface, game);
  qz::初期配置(game.局);
  g.背景_現在 = qz::背景_畳;
  for (int i = 0; i < 500; ++i) g.画面_再描画();
  bool large = false;
  for (auto _ : state) {
    large = !large;
    surface.setDevicePixelRatio(large ? 2.5 : 1.5);
    benchmark::DoNotOptimize(surface.canvas().cacheKey());
  }
}
BENCHMARK(BM_ScaleChange)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_RedrawRecorded(benchmark::State& state) {
  qz::RecordingSurface surface;
  qz::対局 game;
  qz::画面 g(surface, game);
  qz::初期配置(game.局);
  for (auto _ : state) {
    surface.ops.clear();
    g.画面_再描画();
    benchmark::DoNotOptimize(surface.ops.data());
  }
}
BENCHMARK(BM_RedrawRecorded)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
