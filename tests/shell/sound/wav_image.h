// Builds and parses small RIFF/WAVE images for the sound tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qz::test {

// A 16-bit PCM mono image of `samples` at `rate`.
inline std::vector<std::uint8_t> make_wav(const std::vector<std::int16_t>& samples,
                                          std::uint32_t rate = 8000) {
  std::vector<std::uint8_t> out;
  auto put = [&out](const std::string& s) { out.insert(out.end(), s.begin(), s.end()); };
  auto u32 = [&out](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
  };
  auto u16 = [&out](std::uint16_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
  };
  const auto data_bytes = std::uint32_t(samples.size() * 2);
  put("RIFF");
  u32(36 + data_bytes);
  put("WAVEfmt ");
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  put("data");
  u32(data_bytes);
  for (auto s : samples) u16(std::uint16_t(s));
  return out;
}

inline std::vector<std::uint8_t> silent_wav(double seconds, std::uint32_t rate = 8000) {
  return make_wav(std::vector<std::int16_t>(std::size_t(seconds * rate), 0), rate);
}

struct WavInfo {
  bool ok = false;
  std::string problem;
  std::uint16_t format = 0, channels = 0, bits = 0;
  std::uint32_t rate = 0;
  std::vector<std::int16_t> samples;  // only for 16-bit PCM
};

// Walks the RIFF chunks and reads the format and the samples.
inline WavInfo parse_wav(const std::vector<std::uint8_t>& b) {
  WavInfo info;
  auto u32 = [&b](std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
  };
  auto u16 = [&b](std::size_t at) { return std::uint16_t(b[at] | b[at + 1] << 8); };
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
    info.problem = "not RIFF/WAVE";
    return info;
  }
  if (u32(4) + 8 != b.size()) info.problem = "RIFF size does not match the file";
  bool have_fmt = false, have_data = false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::string id(b.begin() + long(at), b.begin() + long(at) + 4);
    const std::uint32_t size = u32(at + 4);
    if (at + 8 + size > b.size()) {
      info.problem = "chunk " + id + " runs past the end";
      return info;
    }
    if (id == "fmt " && size >= 16) {
      info.format = u16(at + 8);
      info.channels = u16(at + 10);
      info.rate = u32(at + 12);
      info.bits = u16(at + 22);
      have_fmt = true;
    } else if (id == "data" && have_fmt && info.bits == 16) {
      for (std::size_t i = 0; i + 1 < size; i += 2)
        info.samples.push_back(std::int16_t(u16(at + 8 + i)));
      have_data = true;
    }
    at += 8 + size + (size & 1);
  }
  info.ok = have_fmt && have_data && info.problem.empty();
  if (!have_fmt || !have_data) info.problem = "missing fmt or data chunk";
  return info;
}

}  // namespace qz::test
