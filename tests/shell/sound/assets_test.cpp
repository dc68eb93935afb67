// The committed sounds: each a 16-bit PCM WAV the sound library accepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/sound/dsound.h"
#include "tests/shell/sound/wav_image.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

const fs::path kAssets = QZ_SOURCE_ASSETS;

std::vector<std::uint8_t> read_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Sounds, EverySoundIsSmall16BitPcmMonoThatTheLibraryPlays) {
  const struct {
    const char* file;
    double min_seconds, max_seconds;
  } sounds[] = {{"その他.wav", 0.2, 2.0},
                {"禁止.wav", 0.1, 1.0},
                {"駒打音.wav", 0.05, 0.5},
                {"氷結.wav", 0.3, 2.5},
                {"BGM.wav", 30.0, 60.0}};
  const auto system = dsInitialize(0);
  ASSERT_NE(system, 0);
  for (const auto& s : sounds) {
    const auto bytes = read_bytes(kAssets / "sounds" / s.file);
    const auto wav = test::parse_wav(bytes);
    ASSERT_TRUE(wav.ok) << s.file << ": " << wav.problem;
    EXPECT_EQ(wav.format, 1) << s.file;
    EXPECT_EQ(wav.channels, 1) << s.file;
    EXPECT_EQ(wav.bits, 16) << s.file;
    const double seconds = double(wav.samples.size()) / wav.rate;
    EXPECT_GE(seconds, s.min_seconds) << s.file;
    EXPECT_LE(seconds, s.max_seconds) << s.file;
    EXPECT_LE(bytes.size(), std::size_t{2} << 20) << s.file;
    int peak = 0;
    for (auto v : wav.samples) peak = std::max(peak, std::abs(int(v)));
    EXPECT_GT(peak, 3000) << s.file << " is audible";
    EXPECT_LT(peak, 32000) << s.file << " does not clip";
    const auto buffer = dsCreateDSB(system, bytes.data(), bytes.size(), 3);
    EXPECT_NE(buffer, 0) << s.file;
    EXPECT_EQ(dsPlay(buffer), 1) << s.file;
  }
  dsTerminate(system);
}

TEST(Sounds, BackgroundMusicJoinsItsEndToItsStartSmoothly) {
  const auto wav = test::parse_wav(read_bytes(kAssets / "sounds" / "BGM.wav"));
  ASSERT_TRUE(wav.ok) << wav.problem;
  const auto& s = wav.samples;
  std::vector<int> steps;
  for (std::size_t i = 1; i < s.size(); ++i) steps.push_back(std::abs(s[i] - s[i - 1]));
  std::sort(steps.begin(), steps.end());
  const int typical = steps[steps.size() * 99 / 100];
  EXPECT_LE(std::abs(s.front() - s.back()), typical) << "a click where the loop starts again";
  // The loop is no quieter at its ends than elsewhere (no fade in or out).
  auto loudness = [&s](std::size_t from, std::size_t n) {
    double sum = 0;
    for (std::size_t i = from; i < from + n; ++i) sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(n));
  };
  const std::size_t second = wav.rate;
  double overall = loudness(0, s.size());
  EXPECT_GT(loudness(0, second / 4), overall * 0.25);
  EXPECT_GT(loudness(s.size() - second / 4, second / 4), overall * 0.25);
}

}  // namespace
}  // namespace qz
