// A move made through the game session late in a long game, with and
// without the repetition judged: the check looks back over the whole game.
#include <benchmark/benchmark.h>

#include "game/session.h"

namespace qz {
namespace {

// A game the one-move player (level 1) plays with itself for 手数 moves,
// repetitions let go; its next move, not yet made.
指し手 長い対局(対局& g, int 手数) {
  g.初期化();
  g.人間対局開始();
  COM記憶 記憶[2];
  for (int i = 0; i <= 手数; ++i) {
    const std::optional<指し手> m = g.一手読みの手(記憶[g.MAN手番() ? 0 : 1], 1);
    if (!m || i == 手数) return *m;
    g.指す(*m);
  }
  return {};
}

// The move made and stepped back, again and again, after range(0) moves.
void BM_MoveLateInAGame(benchmark::State& state) {
  対局 g;
  const 指し手 m = 長い対局(g, static_cast<int>(state.range(0)));
  g.千日手判定 = state.range(1) != 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(g.指す(m));
    g.戻る();
  }
}
BENCHMARK(BM_MoveLateInAGame)->ArgsProduct({{100, 400}, {0, 1}});

}  // namespace
}  // namespace qz

BENCHMARK_MAIN();
