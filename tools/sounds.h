// The sounds the program plays, synthesised from scratch: every run makes
// the same samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qz::art {

struct Sound {
  std::string file_name;
  std::uint32_t rate = 0;             // samples a second
  std::vector<std::int16_t> samples;  // mono
};

// その他, 禁止, 駒打音, 氷結 and BGM.
std::vector<Sound> make_sounds();

// BGM: a calm loop that repeats without a seam.
Sound make_background_music();

// The sound as a 16-bit PCM mono RIFF/WAVE file image.
std::vector<std::uint8_t> wav_image(const Sound& sound);

}  // namespace qz::art
