// Reading record files as large as the size limit allows (64 MB): nothing but
// line ends, one single line, and 1.7 million moves; the window's whole load
// of the last; and a long game in KIF, CSA and USI. The files are written in
// small pieces, so that a run's peak memory (/usr/bin/time -v, one benchmark
// per run) is the reading's. A game with many branches is read too.
#include <benchmark/benchmark.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "record_games.h"
#include "records/formats.h"
#include "records/kifu_file.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
  static const fs::path* const dir = [] {
    auto* d = new fs::path(fs::temp_directory_path() /
                           ("qz_records_bench_" + std::to_string(::getpid())));
    fs::create_directories(*d);
    std::atexit([] { fs::remove_all(Folder()); });
    return d;
  }();
  return *dir;
}

// Writes name.棋譜: head once, then piece over and over up to the size limit.
fs::path Make(const std::string& name, const std::string& head, const std::string& piece) {
  const fs::path p = 棋譜パス(Folder(), name);
  if (fs::exists(p)) return p;
  std::ofstream out(p, std::ios::binary);
  out << head;
  std::string block;
  while (block.size() < (1u << 20)) block += piece;
  std::uintmax_t size = head.size();
  while (size + block.size() <= 棋譜最大バイト数) {
    out << block;
    size += block.size();
  }
  while (size + piece.size() <= 棋譜最大バイト数) {
    out << piece;
    size += piece.size();
  }
  return p;
}

const std::string 手 = " 3736 -10 -10   0   12   20    0    0\r\n";

fs::path File(int which) {
  switch (which) {
    case 0:
      return Make("lineends", "", "\r\n");
    case 1:
      return Make("oneline", "", "x");
    default:
      // The title and the names are Shift-JIS, as the window writes them: 対局, 上, 下.
      return Make("moves", "\x91\xce\x8b\xc7\r\n\x8f\xe3\r\n\x89\xba\r\n", 手);
  }
}

void BM_ReadRecord(benchmark::State& state) {
  const fs::path p = File(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const 棋譜ファイル読込結果 r = 棋譜ファイル読込(p);
    // One line of 64 MB is no record: its refusal is what is timed.
    if (!r.成功 && state.range(0) != 1) state.SkipWithError(r.文言.日本語().c_str());
    state.counters["moves"] = static_cast<double>(r.内容.手.size());
  }
}
BENCHMARK(BM_ReadRecord)
    ->ArgName("lineends_oneline_moves")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);

// A long game of the other formats, read from memory: golds stepping back
// and forth, 200 000 moves, written as USI, then as KIF and CSA.
const std::string& FormatText(int which) {
  static const std::array<std::string, 3> texts = [] {
    std::string usi = "position startpos moves";
    for (int i = 0; i < 50000; ++i) usi += " 6i7h 4a3b 7h6i 3b4a";
    const 対局記録 r = 棋譜を読む(棋譜形式::USI, usi).記録;
    return std::array<std::string, 3>{棋譜を書く(棋譜形式::KIFU, r).内容,
                                      棋譜を書く(棋譜形式::CSA, r).内容, usi};
  }();
  return texts[static_cast<std::size_t>(which)];
}

void BM_ReadFormat(benchmark::State& state) {
  const std::string& text = FormatText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const 記録読込結果 r = 棋譜を読む(棋譜形式::不明, text);
    if (r.不正行 != 0) state.SkipWithError(r.不正理由.日本語().c_str());
    state.counters["moves"] = static_cast<double>(r.記録.手.size());
  }
}
BENCHMARK(BM_ReadFormat)->ArgName("kif_csa_usi")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A KIF of a 20 000-move game with a 10-move branch at every 100th move
// (argument 1) or none (0): each block is found by playing its line up to
// it again.
const std::string& BranchText(bool branches) {
  static const std::array<std::string, 2> texts = [] {
    std::string usi = "position startpos moves";
    for (int i = 0; i < 5000; ++i) usi += " 6i6h 4a4b 6h6i 4b4a";
    対局記録 r = 棋譜を読む(棋譜形式::USI, usi).記録;
    const std::string plain = 棋譜を書く(棋譜形式::KIFU, r).内容;
    for (std::size_t k = 100; k + 10 < r.手.size(); k += 100) {
      記録変化 v;
      v.手目 = static_cast<int>(k) + 1;
      v.手.assign(r.手.begin() + static_cast<std::ptrdiff_t>(k),
                  r.手.begin() + static_cast<std::ptrdiff_t>(k + 10));
      r.変化.push_back(std::move(v));
    }
    return std::array<std::string, 2>{plain, 棋譜を書く(棋譜形式::KIFU, r).内容};
  }();
  return texts[branches ? 1 : 0];
}

void BM_ReadBranches(benchmark::State& state) {
  const std::string& text = BranchText(state.range(0) != 0);
  for (auto _ : state) {
    const 記録読込結果 r = 棋譜を読む(棋譜形式::KIFU, text);
    if (r.変化不正行 != 0) state.SkipWithError(r.変化不正理由.日本語().c_str());
    state.counters["moves"] = static_cast<double>(r.記録.手.size());
    state.counters["branches"] = static_cast<double>(r.記録.変化.size());
  }
}
BENCHMARK(BM_ReadBranches)->ArgName("branches")->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// The window's load: File1_Click reads the file and fills the history.
void BM_WindowLoadsLargestRecord(benchmark::State& state) {
  const fs::path p = File(2);
  records_testing::RecordGame g(Folder());
  for (auto _ : state) {
    g.load(p.filename().string());
    state.counters["moves"] = g.form.対局値.手順.手順_最終;
  }
}
BENCHMARK(BM_WindowLoadsLargestRecord)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qz

BENCHMARK_MAIN();
