// A check of a RIFF/WAVE image's header before anything is decoded: the
// mixer would otherwise believe whatever the header says (a sample rate of
// 8 makes a small file decode to a gigabyte).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace qz {

// Nothing the program plays decodes to more than this.
constexpr std::uint64_t kMaxDecodedSound = std::uint64_t{64} << 20;

struct WavFormat {
  std::uint32_t rate = 0;  // samples a second, 8,000 to 192,000
  int channels = 0;        // 1 or 2
  int bits = 0;            // 8, 16, 24 or 32 (32 also for float)
  bool is_float = false;
  std::uint64_t frames = 0;  // samples per channel in the data chunk
};

// The format of a plain PCM or float WAV whose header is sound: the format
// chunk before the data chunk, a sample rate, channel count and sample size
// from the lists above, a block size that agrees with them, and a data chunk
// that lies wholly inside the image and holds at least one frame. Nothing
// for anything else.
std::optional<WavFormat> checkWavHeader(const std::uint8_t* image, std::size_t length);

// How many bytes the sound takes once converted to the mixer's rate,
// channel count and bytes per sample.
std::uint64_t decodedBytes(const WavFormat& format, int mixer_rate, int mixer_channels,
                           int mixer_sample_bytes);

}  // namespace qz
