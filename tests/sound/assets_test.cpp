// The committed assets: every picture the window loads, at each scale and
// size, and every sound as a 16-bit PCM WAV the sound library accepts.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/sound/dsound.h"
#include "tests/sound/wav_image.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

const fs::path kAssets = QZ_SOURCE_ASSETS;

struct PictureName {
  std::string name;
  int width, height;
};

constexpr const char* kPromoting[] = {"HU", "KYOU", "KEI", "GIN", "KAKU", "SYA"};
constexpr const char* kSingle[] = {"KIN", "OU"};

// Every picture name the picture table asks for.
std::vector<PictureName> all_pictures() {
  std::vector<PictureName> out{{"KARA_MASU", 33, 41}, {"QZSHOGI", 140, 63}};
  for (const char* tile : {"MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"})
    out.push_back({std::string("HAIKEI_") + tile, 34, 41});
  for (const char* side : {"SITA_", "UE_"})
    for (const char* set : {"", "2"}) {
      for (const char* kind : kPromoting)
        for (const char* element : {"_0", "_1"})
          out.push_back({side + std::string(kind) + set + element, 33, 41});
      for (const char* kind : kSingle) out.push_back({side + std::string(kind) + set, 33, 41});
    }
  return out;
}

QImage load(const std::string& name, int scale) {
  const std::string suffix = scale == 1 ? "" : "@" + std::to_string(scale) + "x";
  return QImage(QString::fromStdString((kAssets / "pictures" / (name + suffix + ".png")).string()));
}

TEST(Pictures, EveryPictureExistsAtEachScaleWithItsSizeAndNoTransparency) {
  const auto pictures = all_pictures();
  ASSERT_EQ(pictures.size(), 63u);  // 56 pieces, the empty square, 5 tiles, the title
  for (const auto& pic : pictures)
    for (int scale : {1, 2, 3, 4}) {
      const QImage img = load(pic.name, scale);
      ASSERT_FALSE(img.isNull()) << pic.name << " @" << scale;
      EXPECT_EQ(img.width(), pic.width * scale) << pic.name << " @" << scale;
      EXPECT_EQ(img.height(), pic.height * scale) << pic.name << " @" << scale;
      EXPECT_FALSE(img.hasAlphaChannel()) << pic.name << " covers its whole cell";
    }
}

// Pixels of the red ink that promoted pieces carry.
int red_ink_pixels(const QImage& img) {
  int count = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.red() > 140 && c.green() < 90 && c.blue() < 100 && c.red() > 2 * c.green()) ++count;
    }
  return count;
}

// How much bluer than red the picture is on average.
double blueness(const QImage& img) {
  double sum = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      sum += c.blue() - c.red();
    }
  return sum / (img.width() * img.height());
}

TEST(Pictures, PromotedKanjiAreRedAndTheFrozenSetIsIcyBlue) {
  for (const char* side : {"SITA_", "UE_"})
    for (int scale : {1, 3}) {
      std::vector<std::string> kinds;
      for (const char* kind : kPromoting) {
        kinds.push_back(std::string(kind) + "%_0");
        kinds.push_back(std::string(kind) + "%_1");
      }
      for (const char* kind : kSingle) kinds.push_back(std::string(kind) + "%");
      for (const auto& pattern : kinds) {
        auto named = [&](const char* set) {
          std::string n = side + pattern;
          n.replace(n.find('%'), 1, set);
          return n;
        };
        const QImage plain = load(named(""), scale), frozen = load(named("2"), scale);
        const bool promoted = pattern.ends_with("_1");
        for (const QImage* img : {&plain, &frozen}) {
          const int red = red_ink_pixels(*img);
          if (promoted)
            EXPECT_GT(red, 8 * scale * scale) << named("") << " @" << scale;
          else
            EXPECT_EQ(red, 0) << named("") << " @" << scale;
        }
        EXPECT_GT(blueness(frozen), blueness(plain) + 60) << named("2") << " @" << scale;
        EXPECT_NE(plain, load(std::string(side == std::string("UE_") ? "SITA_" : "UE_") +
                                  named("").substr(std::string(side).size()),
                              scale))
            << "the two sides differ: " << named("");
      }
    }
}

TEST(Pictures, BackgroundTilesRepeatEvery33PixelsWithoutASeam) {
  // The window lays tiles 33 apart, each 34 wide: the last column must be
  // the first one again.
  for (const char* tile : {"MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"})
    for (int scale : {1, 2, 3, 4}) {
      const QImage img = load(std::string("HAIKEI_") + tile, scale);
      ASSERT_FALSE(img.isNull());
      EXPECT_EQ(img.copy(33 * scale, 0, scale, img.height()), img.copy(0, 0, scale, img.height()))
          << tile << " @" << scale;
    }
}

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
