// One search of the computer at each level from each sample position. The
// per-level benchmark times every position separately and reports the median
// and the worst position; the per-position benchmarks give the detail.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "bench/positions.h"
#include "computer/one_move_player.h"
#include "tests/computer/sample_positions.h"

namespace qz {
namespace {

// CPU time of this thread in microseconds: the machine is shared, so wall
// time would count other people's work.
double 使用時間() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

void BM_SearchAllPositions(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  std::vector<局面> positions;
  for (const auto& p : testing::見本局面一覧) positions.push_back(bench::読む(p.sfen).s);
  std::vector<double> total(positions.size(), 0.0);
  COM記憶 memory;
  for (auto _ : state) {
    for (std::size_t i = 0; i < positions.size(); ++i) {
      const double t0 = 使用時間();
      const 探索結果 r = COM探索(positions[i], memory, level);
      benchmark::DoNotOptimize(r);
      total[i] += 使用時間() - t0;
    }
  }
  std::vector<double> per(total.size());
  for (std::size_t i = 0; i < total.size(); ++i)
    per[i] = total[i] / static_cast<double>(state.iterations());
  std::vector<double> sorted = per;
  std::sort(sorted.begin(), sorted.end());
  const std::size_t n = sorted.size();
  state.counters["median_us"] = (sorted[(n - 1) / 2] + sorted[n / 2]) / 2;
  state.counters["worst_us"] = sorted.back();
  state.SetLabel(
      "worst: " +
      std::string(testing::見本局面一覧[static_cast<std::size_t>(
                                            std::max_element(per.begin(), per.end()) - per.begin())]
                      .名前));
}
BENCHMARK(BM_SearchAllPositions)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_SearchOnePosition(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  const auto& sample = testing::見本局面一覧[static_cast<std::size_t>(state.range(1))];
  局面 s = bench::読む(sample.sfen).s;
  COM記憶 memory;
  for (auto _ : state) benchmark::DoNotOptimize(COM探索(s, memory, level));
  state.SetLabel(std::string(sample.名前));
}
BENCHMARK(BM_SearchOnePosition)
    ->ArgsProduct({{1, 2, 3}, benchmark::CreateDenseRange(0, 23, 1)})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qz

BENCHMARK_MAIN();
