#include "shell/sound/wav_check.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace qz {
namespace {

constexpr std::uint16_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;
constexpr std::array<int, 4> kPcmBits = {8, 16, 24, 32};

std::uint32_t u32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}
std::uint16_t u16(const std::uint8_t* p) {
  return std::uint16_t(p[0] | p[1] << 8);
}

// Reads the "fmt " chunk body; false when it names a format we do not play.
bool readFormat(const std::uint8_t* body, std::uint32_t size, WavFormat& f) {
  if (size < 16) return false;
  std::uint16_t tag = u16(body);
  if (tag == kExtensible) {
    if (size < 40) return false;
    tag = u16(body + 24);  // the sub-format's leading two bytes are its tag
  }
  f.channels = u16(body + 2);
  f.rate = u32(body + 4);
  const int block = u16(body + 12);
  f.bits = u16(body + 14);
  f.is_float = tag == kFloat;
  const bool bits_ok = tag == kPcm
                           ? std::find(kPcmBits.begin(), kPcmBits.end(), f.bits) != kPcmBits.end()
                           : tag == kFloat && f.bits == 32;
  return bits_ok && (f.channels == 1 || f.channels == 2) && f.rate >= 8000 && f.rate <= 192000 &&
         block == f.channels * f.bits / 8;
}

}  // namespace

std::optional<WavFormat> checkWavHeader(const std::uint8_t* image, std::size_t length) {
  if (image == nullptr || length < 12 || std::memcmp(image, "RIFF", 4) != 0 ||
      std::memcmp(image + 8, "WAVE", 4) != 0)
    return std::nullopt;
  WavFormat f;
  bool have_format = false;
  std::size_t at = 12;
  while (length - at >= 8) {
    const std::uint8_t* chunk = image + at;
    const std::uint32_t size = u32(chunk + 4);
    const std::size_t room = length - at - 8;
    if (std::memcmp(chunk, "data", 4) == 0) {
      const std::uint64_t block = std::uint64_t(f.channels) * std::uint64_t(f.bits) / 8;
      if (!have_format || size > room || size < block) return std::nullopt;
      f.frames = size / block;
      return f;
    }
    if (size > room) return std::nullopt;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (have_format || !readFormat(chunk + 8, size, f)) return std::nullopt;
      have_format = true;
    }
    at += 8 + std::size_t(size) + (size & 1);  // chunks are padded to an even length
    if (at > length) return std::nullopt;
  }
  return std::nullopt;
}

std::uint64_t decodedBytes(const WavFormat& f, int mixer_rate, int mixer_channels,
                           int mixer_sample_bytes) {
  if (f.rate == 0) return 0;
  const std::uint64_t frames = (f.frames * std::uint64_t(mixer_rate) + f.rate - 1) / f.rate;
  return frames * std::uint64_t(mixer_channels) * std::uint64_t(mixer_sample_bytes);
}

}  // namespace qz
