// Speed of the searching player (levels 4 and 5): nodes per second (and on
// one and two threads), the depth reached in 2 s, the time to find a forced king capture in 3, and
// making a move on the board with bearings against making it in place with
// a survey or on a copy.
//   build/bench/computer/deep_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <string>

#include "bench/positions.h"
#include "computer/bearing_board.h"
#include "computer/deep_search.h"
#include "computer/search_board.h"

namespace qz {
namespace {

using bench::kBusy;
using bench::読む;
using bench::開始;

// The lower side drops its rook on the open file of the upper king, which no
// piece of the upper side can block or freeze, and takes the king next move.
constexpr const char* kKingIn3 = "lns1k1snl/9/pppp1pppp/9/9/9/PPPP1PPPP/1B5R1/LNSGKGSNL b RG 1";

// Nodes per second of a search limited to 300 000 nodes.
void BM_NodesPerSecond(benchmark::State& state, const char* sfen) {
  const 開始 p = 読む(sfen);
  深探索 器;
  探索条件 c;
  c.節点上限 = 300000;
  std::uint64_t n = 0;
  for (auto _ : state) n += 器.探索(p.s, p.MAN手番, {}, c).報告.節点;
  state.counters["nodes/s"] =
      benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_NodesPerSecond, start, 開始SFEN.data())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NodesPerSecond, busy, kBusy)->Unit(benchmark::kMillisecond);

// Nodes per second of wall time of a 2 s search of the busy position on 1
// or 2 threads (Lazy SMP): how the search scales with the cores.
void BM_NodesPerSecondThreads(benchmark::State& state) {
  const 開始 p = 読む(kBusy);
  深探索 器;
  器.糸数を設定(static_cast<int>(state.range(0)));
  探索条件 c;
  c.時間上限ms = 2000;
  c.目安ms = 2000;
  std::uint64_t n = 0;
  for (auto _ : state) n += 器.探索(p.s, p.MAN手番, {}, c).報告.節点;
  state.counters["nodes/s"] =
      benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_NodesPerSecondThreads)
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The deepest depth a LEVEL5 search (2 s) finishes; whole: searching every
// move, as LEVEL5 did before it skipped hopeless ones.
void BM_Level5Depth(benchmark::State& state, const char* sfen, bool whole) {
  const 開始 p = 読む(sfen);
  深探索 器;
  探索条件 c = レベル条件(5);
  c.刈り込む = !whole;
  int depth = 0;
  for (auto _ : state) depth = 器.探索(p.s, p.MAN手番, {}, c).報告.深さ;
  state.counters["depth"] = depth;
}
BENCHMARK_CAPTURE(BM_Level5Depth, start, 開始SFEN.data(), false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Level5Depth, busy, kBusy, false)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Level5Depth, busy_whole, kBusy, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Time until the search has proved the king capture in 3.
void BM_KingCaptureIn3(benchmark::State& state) {
  const 開始 p = 読む(kKingIn3);
  深探索 器;
  探索条件 c;
  c.深さ上限 = 3;
  for (auto _ : state) {
    const 深探索結果 r = 器.探索(p.s, p.MAN手番, {}, c);
    if (r.報告.評価 < 勝敗境) state.SkipWithError("the king capture was not found");
  }
}
BENCHMARK(BM_KingCaptureIn3)->Unit(benchmark::kMillisecond);

// Making and taking back a move on the searching player's board, whose
// bearings follow each move.
void BM_MakeUnmakeBearings(benchmark::State& state) {
  const 開始 p = 読む(kBusy);
  利き盤 b;
  b.設定(p.s, p.MAN手番);
  手の列 v;
  b.全手(v);
  std::size_t i = 0;
  for (auto _ : state) {
    const 指し手& m = v[i++ % v.size()];
    const int c = b.指す(m);
    b.戻す(m, c);
    benchmark::DoNotOptimize(b.キー);
  }
}
BENCHMARK(BM_MakeUnmakeBearings);

// Making and taking back a move in place, with the map rebuilt as a node did
// before the bearings were kept move by move.
void BM_MakeUnmakeInPlace(benchmark::State& state) {
  const 開始 p = 読む(kBusy);
  探索盤 b;
  b.設定(p.s, p.MAN手番);
  std::vector<指し手> v;
  合法手列挙(b.s, b.MAN手番, [&](const 指し手& m) { v.push_back(m); });
  std::size_t i = 0;
  for (auto _ : state) {
    const 指し手& m = v[i++ % v.size()];
    const int c = b.指す(m);
    b.調べる();
    b.戻す(m, c);
    benchmark::DoNotOptimize(b.キー);
  }
}
BENCHMARK(BM_MakeUnmakeInPlace);

// The same with a copy of the whole position (map included) per move.
void BM_MakeByCopy(benchmark::State& state) {
  const 開始 p = 読む(kBusy);
  std::vector<指し手> v;
  合法手列挙(p.s, p.MAN手番, [&](const 指し手& m) { v.push_back(m); });
  std::size_t i = 0;
  for (auto _ : state) {
    局面 c = p.s;
    手を指す(c, v[i++ % v.size()]);
    勢力調査(c);
    調査_2歩フラグ設定(c);
    benchmark::DoNotOptimize(c);
  }
}
BENCHMARK(BM_MakeByCopy);

}  // namespace
}  // namespace qz

BENCHMARK_MAIN();
