// Feeds arbitrary bytes to the WAV header check: whatever it accepts has a
// format from its lists and data that fits inside the image.
#include <cstdint>
#include <cstdlib>

#include "shell/sound/wav_check.h"

namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto f = qz::checkWavHeader(data, size);
  if (!f) return 0;
  Require(f->channels == 1 || f->channels == 2);
  Require(f->rate >= 8000 && f->rate <= 192000);
  Require(f->bits == 8 || f->bits == 16 || f->bits == 24 || f->bits == 32);
  Require(!f->is_float || f->bits == 32);
  Require(f->frames >= 1 && f->frames * std::uint64_t(f->channels * f->bits / 8) <= size);
  // The decoded size grows with the mixer's rate and never overflows here.
  Require(qz::decodedBytes(*f, 22050, 2, 2) <= qz::decodedBytes(*f, 44100, 2, 2));
  return 0;
}
