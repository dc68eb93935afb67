#include "shell/sound/dsound.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/shell/sound/wav_image.h"

namespace qz {
namespace {

using test::make_wav;
using test::silent_wav;

// A sound long enough that nothing it starts ends while a test runs.
const std::vector<std::uint8_t>& long_wav() {
  static const auto image = silent_wav(30.0);
  return image;
}

class SoundLibrary : public testing::Test {
 protected:
  void SetUp() override {
    system_ = dsInitialize(0);
    ASSERT_NE(system_, 0) << "the dummy driver should always open";
  }
  void TearDown() override { EXPECT_EQ(dsTerminate(system_), 1); }

  std::int32_t load(const std::vector<std::uint8_t>& image, std::int32_t count) {
    return dsCreateDSB(system_, image.data(), image.size(), count);
  }

  std::int32_t system_ = 0;
};

TEST_F(SoundLibrary, PlaysOverlapUpToTheCountThenTheOldestStartsAgain) {
  const auto buffer = load(long_wav(), 3);
  ASSERT_NE(buffer, 0);
  EXPECT_EQ(dsPlayingCount(buffer), 0);
  for (int play = 1; play <= 5; ++play) {
    EXPECT_EQ(dsPlay(buffer), 1) << play;
    EXPECT_EQ(dsPlayingCount(buffer), std::min(play, 3)) << play;
  }
}

TEST_F(SoundLibrary, BuffersDoNotStealEachOthersVoices) {
  const auto a = load(long_wav(), 3);
  const auto b = load(long_wav(), 1);
  ASSERT_NE(a, 0);
  ASSERT_NE(b, 0);
  EXPECT_NE(a, b);
  for (int i = 0; i < 4; ++i) dsPlay(a);
  dsPlay(b);
  dsPlay(b);
  EXPECT_EQ(dsPlayingCount(a), 3);
  EXPECT_EQ(dsPlayingCount(b), 1);
  dsStop(b);
  EXPECT_EQ(dsPlayingCount(a), 3);
  EXPECT_EQ(dsPlayingCount(b), 0);
}

TEST_F(SoundLibrary, LoopingPlaysUntilStoppedAndCanStartAgain) {
  // A loop of a short sound keeps sounding however long it lasts.
  const auto buffer = load(silent_wav(0.05), 1);
  ASSERT_NE(buffer, 0);
  EXPECT_EQ(dsPlayLooping(buffer), 1);
  EXPECT_EQ(dsPlayingCount(buffer), 1);
  EXPECT_EQ(dsStop(buffer), 1);
  EXPECT_EQ(dsPlayingCount(buffer), 0);
  EXPECT_EQ(dsStop(buffer), 1) << "stopping a silent buffer is fine";
  EXPECT_EQ(dsPlayLooping(buffer), 1);
  EXPECT_EQ(dsPlayingCount(buffer), 1);
}

TEST_F(SoundLibrary, FreedBufferBecomesUnknownAndItsVoicesAreReused) {
  const auto first = load(long_wav(), 3);
  ASSERT_NE(first, 0);
  dsPlay(first);
  EXPECT_EQ(dsFree(first), 1);
  EXPECT_EQ(dsPlayingCount(first), 0);
  EXPECT_EQ(dsPlay(first), 0);
  EXPECT_EQ(dsPlayLooping(first), 0);
  EXPECT_EQ(dsStop(first), 0);
  EXPECT_EQ(dsFree(first), 0);
  // Many loads and frees in a row keep working (voices go back to the pool).
  for (int i = 0; i < 200; ++i) {
    const auto b = load(silent_wav(0.01), 3);
    ASSERT_NE(b, 0) << i;
    EXPECT_NE(b, first) << "handles are never reused";
    EXPECT_EQ(dsPlay(b), 1);
    EXPECT_EQ(dsFree(b), 1);
  }
}

TEST_F(SoundLibrary, CountIsClampedToAtLeastOneVoice) {
  for (std::int32_t count : {0, -5}) {
    const auto buffer = load(long_wav(), count);
    ASSERT_NE(buffer, 0) << count;
    dsPlay(buffer);
    dsPlay(buffer);
    EXPECT_EQ(dsPlayingCount(buffer), 1) << count;
  }
}

TEST_F(SoundLibrary, UnusableImagesMakeNoBuffer) {
  const auto good = silent_wav(0.1);
  auto truncated = good;
  truncated.resize(30);
  auto wrong_type = good;
  wrong_type[8] = 'A';  // RIFF but not WAVE
  const std::string text = "this is not a sound at all, only some words";
  const std::vector<std::uint8_t> words(text.begin(), text.end());
  const std::vector<std::uint8_t> ogg_magic = {'O', 'g', 'g', 'S', 0, 2, 0, 0, 0, 0, 0, 0};
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
  } cases[] = {{"truncated header", truncated},
               {"RIFF of another type", wrong_type},
               {"plain text", words},
               {"another format's magic", ogg_magic}};
  for (const auto& c : cases) EXPECT_EQ(load(c.bytes, 3), 0) << c.what;
  EXPECT_EQ(dsCreateDSB(system_, nullptr, 100, 3), 0);
  EXPECT_EQ(dsCreateDSB(system_, good.data(), 0, 3), 0);
  EXPECT_EQ(dsCreateDSB(system_ + 1, good.data(), good.size(), 3), 0) << "unknown system";
  EXPECT_EQ(dsCreateDSB(0, good.data(), good.size(), 3), 0);
  EXPECT_NE(load(good, 3), 0) << "the good image itself loads";
}

// The header is checked before anything is decoded: a header that lies
// about the rate, the layout or the data's length, or a sound that would
// decode to more than 64 MB, makes no buffer.
TEST_F(SoundLibrary, HeadersThatLieOrDecodeTooLargeMakeNoBuffer) {
  const auto good = silent_wav(0.1);
  auto with = [&good](std::size_t at, std::uint32_t value, int bytes) {
    auto image = good;
    for (int i = 0; i < bytes; ++i) image[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
    return image;
  };
  // Offsets of make_wav's fields: 20 tag, 22 channels, 24 rate, 32 block, 34 bits, 40 data size.
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"a rate of 8", with(24, 8, 4)},
      {"a rate of 200 kHz", with(24, 200000, 4)},
      {"three channels", with(22, 3, 2)},
      {"12-bit samples", with(34, 12, 2)},
      {"a block that disagrees", with(32, 4, 2)},
      {"mu-law", with(20, 7, 2)},
      {"data longer than the file", with(40, 100000, 4)},
      // 6.2 million samples at 8 kHz: 12 MB of file, over 64 MB at the mixer's rate.
      {"too long once decoded", silent_wav(780.0)},
  };
  for (const auto& c : cases) EXPECT_EQ(load(c.bytes, 1), 0) << c.what;
  EXPECT_NE(load(silent_wav(600.0, 22050), 1), 0) << "ten minutes at the mixer's rate still load";
}

TEST_F(SoundLibrary, SecondInitialiseAnswersTheOpenSystem) {
  EXPECT_EQ(dsInitialize(0), system_);
}

TEST(SoundLibraryHandles, ZeroAndUnknownHandlesAreHarmlessWithOrWithoutASystem) {
  auto poke_everything = [](std::int32_t h) {
    EXPECT_EQ(dsPlay(h), 0);
    EXPECT_EQ(dsPlayLooping(h), 0);
    EXPECT_EQ(dsStop(h), 0);
    EXPECT_EQ(dsFree(h), 0);
    EXPECT_EQ(dsPlayingCount(h), 0);
    EXPECT_EQ(dsPlayPan(h, 0), 0);
    EXPECT_EQ(dsPlayEx(h, 0, 0, 0), 0);
    EXPECT_EQ(dsPlayLoopingEx(h, 0, 0, 0), 0);
    EXPECT_EQ(dsSetVolume(h, 0), 0);
    EXPECT_EQ(dsSetPan(h, 0), 0);
    EXPECT_EQ(dsSetFrequency(h, 0), 0);
    EXPECT_EQ(dsCreateResDSB(h, 1, 1), 0);
  };
  for (std::int32_t h : {0, 1, 77, -3}) poke_everything(h);
  EXPECT_EQ(dsTerminate(0), 0);
  EXPECT_EQ(dsTerminate(5), 0);

  const auto system = dsInitialize(0);
  ASSERT_NE(system, 0);
  const auto image = silent_wav(0.1);
  const auto buffer = dsCreateDSB(system, image.data(), image.size(), 3);
  ASSERT_NE(buffer, 0);
  for (std::int32_t h : {0, buffer + 1, -buffer}) poke_everything(h);
  EXPECT_EQ(dsTerminate(system + 1), 0);
  EXPECT_EQ(dsTerminate(system), 1);
  poke_everything(buffer);  // its system is gone
  EXPECT_EQ(dsTerminate(system), 0);

  // A new system does not know the old handles.
  const auto again = dsInitialize(0);
  ASSERT_NE(again, 0);
  EXPECT_NE(again, system);
  poke_everything(buffer);
  EXPECT_EQ(dsTerminate(again), 1);
}

}  // namespace
}  // namespace qz
