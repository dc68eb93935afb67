// Speed of the rules core: the influence survey, the move check, the move
// list, the mate tests and perft.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/positions.h"
#include "rules/movegen.h"
#include "rules/rules.h"

namespace qz {
namespace {

using bench::kBusy;

// A position of the benchmarks, surveyed.
局面 読む(std::string_view sfen) {
  return bench::読む(sfen).s;
}

void BM_Survey_Start(benchmark::State& state) {
  局面 s = 読む(開始SFEN);
  for (auto _ : state) {
    勢力調査(s.盤面, s.表);
    benchmark::DoNotOptimize(s.表);
  }
}
BENCHMARK(BM_Survey_Start);

void BM_Survey_Busy(benchmark::State& state) {
  局面 s = 読む(kBusy);
  for (auto _ : state) {
    勢力調査(s.盤面, s.表);
    benchmark::DoNotOptimize(s.表);
  }
}
BENCHMARK(BM_Survey_Busy);

// Every from-square (with the code standing there) to every destination.
void BM_MoveCheck_AllPairs(benchmark::State& state) {
  const 局面 s = 読む(kBusy);
  for (auto _ : state) {
    int n = 0;
    for (int fx = 1; fx <= 9; ++fx)
      for (int fy = 1; fy <= 9; ++fy)
        for (int tx = 1; tx <= 9; ++tx)
          for (int ty = 1; ty <= 9; ++ty) n += 移動チェック(s, fx, fy, tx, ty, s.盤面[fx][fy]);
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(state.iterations() * 81 * 81);
}
BENCHMARK(BM_MoveCheck_AllPairs);

void BM_MoveList_Busy(benchmark::State& state) {
  const 局面 s = 読む(kBusy);
  for (auto _ : state) benchmark::DoNotOptimize(合法手数(s, false));
}
BENCHMARK(BM_MoveList_Busy);

void BM_MateTests_Busy(benchmark::State& state) {
  局面 s = 読む(kBusy);
  for (auto _ : state) benchmark::DoNotOptimize(詰めかMAN(s) + 詰めかCOM(s));
}
BENCHMARK(BM_MateTests_Busy);

void BM_Perft4_Start(benchmark::State& state) {
  const 局面 s = 読む(開始SFEN);
  for (auto _ : state) benchmark::DoNotOptimize(perft(s, true, 4));
}
BENCHMARK(BM_Perft4_Start)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qz
