// BGM: a quiet koto-like melody in the yo scale over soft plucked bass and
// a breathing drone, 32 seconds that repeat without a seam. Notes that ring
// past the end carry on at the beginning, the drone's tones complete whole
// cycles in the loop, and the echo is taken from a second pass so that it
// too carries over.
#include <algorithm>
#include <cmath>

#include "tools/sounds.h"

namespace qz::art {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr std::uint32_t kRate = 22050;
constexpr double kLoopSeconds = 32.0;  // eight bars of four beats at 60 a minute
constexpr std::size_t kLoop = std::size_t(kLoopSeconds * kRate);

using Signal = std::vector<double>;

double midi_hz(int note) {
  return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// A plucked string: partials weighted as if plucked a fifth of the way
// along, the higher ones dying sooner. Wraps around the loop.
void pluck(Signal& loop, double beat, int note, double amp, double tau) {
  const double f = midi_hz(note);
  const auto start = std::size_t(beat * kRate);
  const auto len = std::size_t(tau * 6 * kRate);
  for (int n = 1; n <= 7 && f * n < kRate / 2.2; ++n) {
    const double weight = std::fabs(std::sin(n * kPi / 5)) / std::pow(n, 1.2);
    const double fn = f * n * (1 + 0.0003 * n * n);
    const double tn = tau / std::pow(n, 0.8);
    for (std::size_t i = 0; i < len; ++i) {
      const double t = double(i) / kRate;
      const double env = std::min(1.0, t / 0.003) * std::exp(-t / tn);
      loop[(start + i) % kLoop] += amp * weight * env * std::sin(2 * kPi * fn * t);
    }
  }
}

// A soft sustained tone whose frequency is rounded to whole cycles per
// loop and whose loudness breathes with a period dividing the loop.
void drone(Signal& loop, double hz, double amp, double phase) {
  const double f = std::round(hz * kLoopSeconds) / kLoopSeconds;
  for (std::size_t i = 0; i < kLoop; ++i) {
    const double t = double(i) / kRate;
    const double breath = 0.6 + 0.4 * std::sin(2 * kPi * (t / 16.0 + phase));
    loop[i] += amp * breath * (std::sin(2 * kPi * f * t) + 0.2 * std::sin(4 * kPi * f * t));
  }
}

// A small room: four feedback delays in parallel, two all-passes in
// series (Schroeder's arrangement).
Signal echo(const Signal& dry) {
  const std::size_t combs[] = {1116, 1188, 1277, 1356};
  const std::size_t passes[] = {556, 341};
  Signal wet(dry.size(), 0.0);
  for (std::size_t d : combs) {
    Signal line(d, 0.0);
    for (std::size_t i = 0; i < dry.size(); ++i) {
      const double out = line[i % d];
      line[i % d] = dry[i] + 0.80 * out;
      wet[i] += out / 4;
    }
  }
  for (std::size_t d : passes) {
    Signal line(d, 0.0);
    for (std::size_t i = 0; i < wet.size(); ++i) {
      const double buffered = line[i % d];
      const double in = wet[i];
      line[i % d] = in + 0.5 * buffered;
      wet[i] = buffered - 0.5 * in;
    }
  }
  return wet;
}

struct Note {
  double beat;
  int note;  // MIDI number
  double velocity;
};

// The melody, D yo scale (D E G A B), eight bars.
constexpr Note kMelody[] = {
    {0, 74, 0.8},  {1.5, 71, 0.5},  {2, 69, 0.6},  {3, 71, 0.4},    {4, 69, 0.7},  {5.5, 67, 0.5},
    {6, 64, 0.6},  {8, 67, 0.7},    {9, 69, 0.5},  {10, 71, 0.6},   {11, 74, 0.5}, {12, 76, 0.8},
    {14, 74, 0.5}, {14.5, 71, 0.4}, {16, 69, 0.7}, {17.5, 71, 0.5}, {18, 74, 0.6}, {19, 76, 0.5},
    {20, 79, 0.7}, {21.5, 76, 0.5}, {22, 74, 0.6}, {24, 71, 0.6},   {25, 69, 0.5}, {26, 67, 0.6},
    {27, 69, 0.4}, {28, 64, 0.6},   {29, 67, 0.4}, {30, 62, 0.7}};

// One low note a bar, with its fifth on the third beat.
constexpr int kBass[] = {50, 45, 43, 52, 50, 43, 45, 50};

}  // namespace

Sound make_background_music() {
  Signal loop(kLoop, 0.0);
  for (const Note& n : kMelody) pluck(loop, n.beat, n.note, 0.3 * n.velocity, 1.6);
  for (int bar = 0; bar < 8; ++bar) {
    pluck(loop, bar * 4.0, kBass[bar], 0.32, 2.2);
    pluck(loop, bar * 4.0 + 2, kBass[bar] + 7, 0.14, 1.6);
  }
  drone(loop, midi_hz(50), 0.035, 0.0);
  drone(loop, midi_hz(57), 0.025, 0.33);
  drone(loop, midi_hz(62), 0.018, 0.66);

  // Echo over two passes; the second pass already carries the first's tail.
  Signal twice(loop);
  twice.insert(twice.end(), loop.begin(), loop.end());
  const Signal wet = echo(twice);
  Signal out(kLoop);
  double loudest = 0;
  for (std::size_t i = 0; i < kLoop; ++i) {
    out[i] = loop[i] + 0.3 * wet[kLoop + i];
    loudest = std::max(loudest, std::fabs(out[i]));
  }
  Sound sound{"BGM.wav", kRate, {}};
  for (double v : out)
    sound.samples.push_back(std::int16_t(std::lround(v * 0.4 / loudest * 32767)));
  return sound;
}

}  // namespace qz::art
