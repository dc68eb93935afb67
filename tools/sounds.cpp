// The five sounds, synthesised sample by sample. A fixed-seed generator
// stands behind every bit of noise, so each run writes the same files.
#include "tools/sounds.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace qz::art {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr std::uint32_t kEffectRate = 44100;

using Signal = std::vector<double>;

// xorshift: the same noise on every machine.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
  double next() {  // -1..1
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return double(state_) / 2147483648.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// A sine that starts at once and dies away: amplitude, frequency, time
// constant, all summed into `out` from sample `start`.
void add_ring(Signal& out, std::uint32_t rate, std::size_t start, double amp, double freq,
              double tau, double attack = 0.002) {
  const auto len = std::size_t(std::min(tau * 7.0, 30.0) * rate);
  for (std::size_t i = 0; i < len && start + i < out.size(); ++i) {
    const double t = double(i) / rate;
    const double env = std::min(1.0, t / attack) * std::exp(-t / tau);
    out[start + i] += amp * env * std::sin(2 * kPi * freq * t);
  }
}

// A bell: a few partials in the ratios of a small struck bar of metal.
void add_bell(Signal& out, std::uint32_t rate, double at, double amp, double freq, double tau) {
  const struct {
    double ratio, gain, decay;
  } partials[] = {{1.0, 1.0, 1.0}, {2.0, 0.35, 0.6}, {2.76, 0.22, 0.4}, {5.40, 0.09, 0.2}};
  for (const auto& p : partials)
    add_ring(out, rate, std::size_t(at * rate), amp * p.gain, freq * p.ratio, tau * p.decay);
}

// Shapes the end of a sound so it stops at zero, then scales it so its
// loudest sample is `peak` of full scale.
void finish(Signal& s, double peak, double fade_seconds, std::uint32_t rate) {
  const auto fade = std::min(s.size(), std::size_t(fade_seconds * rate));
  for (std::size_t i = 0; i < fade; ++i) s[s.size() - 1 - i] *= double(i) / double(fade);
  double loudest = 0;
  for (double v : s) loudest = std::max(loudest, std::fabs(v));
  if (loudest > 0)
    for (double& v : s) v *= peak / loudest;
}

Sound to_sound(std::string name, std::uint32_t rate, const Signal& s) {
  Sound sound{std::move(name), rate, {}};
  sound.samples.reserve(s.size());
  for (double v : s)
    sound.samples.push_back(std::int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0)));
  return sound;
}

// A short, bright two-note chime rising a fourth.
Sound chime() {
  Signal s(std::size_t(1.1 * kEffectRate));
  add_bell(s, kEffectRate, 0.0, 0.8, 987.77, 0.32);    // B5
  add_bell(s, kEffectRate, 0.11, 1.0, 1318.51, 0.38);  // E6
  finish(s, 0.6, 0.15, kEffectRate);
  return to_sound("その他.wav", kEffectRate, s);
}

// A low, rough buzz: two slightly detuned saws, their highs rolled off.
Sound buzz() {
  Signal s(std::size_t(0.32 * kEffectRate));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kEffectRate;
    double v = 0;
    for (double f : {98.0, 101.5})
      for (int n = 1; f * n < 2400; ++n)
        v += std::sin(2 * kPi * f * n * t) / n * std::exp(-double(n) / 14);
    const double env = std::min(1.0, t / 0.008) * (0.75 + 0.25 * std::cos(2 * kPi * 9 * t));
    s[i] = v * env;
  }
  finish(s, 0.5, 0.07, kEffectRate);
  return to_sound("禁止.wav", kEffectRate, s);
}

// The click of a boxwood piece set down hard on a kaya board: a snap of
// noise that sets ringing the quickly dying resonances of piece and board.
Sound click() {
  Signal snap(std::size_t(0.16 * kEffectRate));
  Noise noise(0x5eed);
  for (std::size_t i = 0; i < std::size_t(0.003 * kEffectRate); ++i) {
    const double t = double(i) / kEffectRate;
    snap[i] = noise.next() * std::exp(-t / 0.0006);
  }
  Signal body(snap.size());
  const struct {
    double amp, freq, tau;
  } modes[] = {{0.6, 640, 0.022},  {1.0, 1210, 0.016}, {0.7, 1930, 0.010},
               {0.5, 3050, 0.006}, {0.3, 4400, 0.004}, {0.2, 6300, 0.0025}};
  for (const auto& m : modes) {
    // A two-pole resonator rung by the snap.
    const double r = std::exp(-1.0 / (m.tau * kEffectRate));
    const double c = 2 * r * std::cos(2 * kPi * m.freq / kEffectRate);
    double y1 = 0, y2 = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
      const double y = snap[i] + c * y1 - r * r * y2;
      y2 = y1;
      y1 = y;
      body[i] += m.amp * y * (1 - r);
    }
  }
  // The wood's ring carries the sound; the snap only sharpens its start.
  double loudest = 0;
  for (double v : body) loudest = std::max(loudest, std::fabs(v));
  Signal s(snap.size());
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = body[i] / loudest + 0.3 * snap[i];
  finish(s, 0.8, 0.03, kEffectRate);
  return to_sound("駒打音.wav", kEffectRate, s);
}

// Ice forming: a brief crackle under a quick upward sweep of glassy high
// bells, ringing on with a shimmer.
Sound freeze() {
  Signal s(std::size_t(1.3 * kEffectRate));
  Noise noise(0x1ce);
  for (std::size_t i = 0; i < std::size_t(0.25 * kEffectRate); ++i) {
    const double t = double(i) / kEffectRate;
    const double n = noise.next();
    if (std::fabs(n) > 0.985) s[i] += n * 0.3 * std::exp(-t / 0.08);  // sparse crackles
  }
  const double notes[] = {2349.3, 2637.0, 3136.0, 3520.0, 3951.1, 4698.6, 5274.0, 6271.9};
  for (int k = 0; k < 8; ++k) {
    const double at = 0.02 + 0.045 * k;
    const double amp = 0.55 - 0.03 * k;
    add_ring(s, kEffectRate, std::size_t(at * kEffectRate), amp, notes[k], 0.28, 0.004);
    add_ring(s, kEffectRate, std::size_t(at * kEffectRate), amp * 0.4, notes[k] * 2.01, 0.12,
             0.004);
    add_ring(s, kEffectRate, std::size_t(at * kEffectRate), amp * 0.3, notes[k] * 1.003, 0.4,
             0.004);  // a near twin, for the shimmer's slow beating
  }
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kEffectRate;
    s[i] *= 0.85 + 0.15 * std::sin(2 * kPi * 11 * t);
  }
  finish(s, 0.55, 0.25, kEffectRate);
  return to_sound("氷結.wav", kEffectRate, s);
}

}  // namespace

std::vector<Sound> make_sounds() {
  return {chime(), buzz(), click(), freeze(), make_background_music()};
}

std::vector<std::uint8_t> wav_image(const Sound& sound) {
  std::vector<std::uint8_t> out;
  auto tag = [&out](const char* s) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(s[i]));
  };
  auto u32 = [&out](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
  };
  auto u16 = [&out](std::uint16_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
  };
  const auto data_bytes = std::uint32_t(sound.samples.size() * 2);
  tag("RIFF");
  u32(36 + data_bytes);
  tag("WAVE");
  tag("fmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(sound.rate);
  u32(sound.rate * 2);
  u16(2);
  u16(16);
  tag("data");
  u32(data_bytes);
  for (std::int16_t v : sound.samples) u16(std::uint16_t(v));
  return out;
}

}  // namespace qz::art
