// Loading sounds at the edge of the limits through Module1, as the window
// does: the largest file that decodes within 64 MB (16-bit stereo at the
// mixer's own rate, so nothing is converted) and a 64 MB file whose header
// says 8 samples a second (refused before decoding). Run with
// SDL_AUDIODRIVER=dummy; one benchmark per run gives its peak memory under
// /usr/bin/time -v.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "shell/sound/dsound.h"
#include "shell/sound/module1.h"
#include "shell/sound/wav_check.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

void put32(std::ofstream& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i)));
}
void put16(std::ofstream& out, std::uint16_t v) {
  out.put(static_cast<char>(v));
  out.put(static_cast<char>(v >> 8));
}

// A 16-bit stereo PCM file of data_bytes of silence whose header says `rate`,
// written in pieces.
fs::path MakeWav(const std::string& name, std::uint32_t rate, std::uint32_t data_bytes) {
  const fs::path p = fs::temp_directory_path() / (name + std::to_string(::getpid()) + ".wav");
  std::ofstream out(p, std::ios::binary);
  out.write("RIFF", 4);
  put32(out, 36 + data_bytes);
  out.write("WAVEfmt ", 8);
  put32(out, 16);
  put16(out, 1);
  put16(out, 2);
  put32(out, rate);
  put32(out, rate * 4);
  put16(out, 4);
  put16(out, 16);
  out.write("data", 4);
  put32(out, data_bytes);
  const std::string block(1 << 20, '\0');
  for (std::uint32_t left = data_bytes; left > 0;) {
    const auto n = std::min<std::uint32_t>(left, block.size());
    out.write(block.data(), n);
    left -= n;
  }
  return p;
}

void Load(benchmark::State& state, std::uint32_t rate, bool loads) {
  const fs::path p = MakeWav("qz_sound_bench_", rate, std::uint32_t{kMaxDecodedSound} - 64);
  Module1 m([](const 文面&, const std::string&) {});
  m.初期化_サウンド(0);
  if (m.サウンド_ハンドル == 0) state.SkipWithError("no sound system (set SDL_AUDIODRIVER=dummy)");
  for (auto _ : state) {
    const std::int32_t buffer = m.読込_サウンド(p.string(), 1);
    if ((buffer != 0) != loads) state.SkipWithError("the sound was not taken as expected");
    state.PauseTiming();
    dsFree(buffer);
    state.ResumeTiming();
  }
  m.終了_サウンド();
  fs::remove(p);
}

void BM_LoadLargestPlayableSound(benchmark::State& state) {
  Load(state, 22050, true);
}
BENCHMARK(BM_LoadLargestPlayableSound)->Unit(benchmark::kMillisecond);

void BM_RefuseRateOfEight(benchmark::State& state) {
  Load(state, 8, false);
}
BENCHMARK(BM_RefuseRateOfEight)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qz

BENCHMARK_MAIN();
