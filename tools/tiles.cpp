// The five background tiles. The window lays them 33 pixels apart and each
// is 34 wide, so a tile's last column lies under its neighbour's first:
// every pattern here repeats every 33 × 41 pixels, and the 34th column is
// the first one again, so the tiles meet without a seam.
#include <algorithm>
#include <cmath>

#include "tools/art.h"
#include "tools/pictures.h"

namespace qz::art {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kW = 33, kH = 41;
const QSize kTile{34, 41};

using Pattern = QColor (*)(double u, double v);

// Renders a pattern that repeats every kW × kH, averaging a few samples a
// pixel so that edges stay smooth.
QImage tile(Pattern pattern, int scale) {
  QImage img(kTile * scale, QImage::Format_ARGB32_Premultiplied);
  constexpr int n = 4;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      double r = 0, g = 0, b = 0;
      for (int sy = 0; sy < n; ++sy)
        for (int sx = 0; sx < n; ++sx) {
          const double u = std::fmod((x + (sx + 0.5) / n) / scale, kW);
          const double v = std::fmod((y + (sy + 0.5) / n) / scale, kH);
          const QColor c = pattern(u, v);
          r += c.redF();
          g += c.greenF();
          b += c.blueF();
        }
      img.setPixelColor(
          x, y, QColor::fromRgbF(float(r / (n * n)), float(g / (n * n)), float(b / (n * n))));
    }
  return img;
}

// Smooth step from 0 to 1 as t goes from a to b.
double ramp(double a, double b, double t) {
  const double x = std::clamp((t - a) / (b - a), 0.0, 1.0);
  return x * x * (3 - 2 * x);
}

// Distance between two positions on a circle of length `period`.
double wrapped(double a, double b, double period) {
  const double d = std::fabs(a - b);
  return std::min(d, period - d);
}

// Deep green baize with a fine diagonal twill.
QColor midori(double u, double v) {
  const double twill = 0.5 + 0.5 * std::sin(2 * kPi * (u / kW * 11 + v / kH * 14));
  const double felt = fractal_noise(u / kW * 8, v / kH * 10, 51, 3, 8, 10);
  const double cloud = fractal_noise(u / kW * 2, v / kH * 2, 52, 2, 2, 2);
  const QColor light(38, 128, 64), dark(12, 84, 38);
  return mix(light, dark, 0.35 * twill + 0.35 * felt + 0.3 * cloud);
}

// Woven rush of a tatami mat: rounded stalks running across, bound at
// intervals that shift from row to row.
QColor tatami(double u, double v) {
  constexpr int stalks = 25;  // across one tile's height
  const double pitch = kH / stalks;
  const int row = int(v / pitch);
  const double across = v / pitch - row;  // 0..1 over one stalk
  const double round = std::sin(kPi * across);
  const double tone = hash01(row % stalks, 0, 61);
  const double along = fractal_noise(u / kW * 6, v / kH * stalks, 62, 2, 6, stalks);
  // The hemp binding shows as a slight dip every quarter tile, staggered.
  const double bind_at = std::fmod(u + (row % 2) * kW / 8, kW / 4);
  const double bind = 1 - ramp(0.0, 1.2, std::min(bind_at, kW / 4 - bind_at));
  const QColor straw(206, 198, 132), green(168, 170, 96), shade(120, 112, 62);
  QColor c = mix(straw, green, 0.55 * tone + 0.35 * along);
  c = mix(shade, c, 0.45 + 0.55 * round);
  return mix(c, shade, 0.35 * bind);
}

// Bamboo stalks with their nodes on a dark grove.
QColor take(double u, double v) {
  struct Stalk {
    double centre, half_width, node;
  };
  constexpr Stalk stalks[] = {{8.0, 6.8, 12.0}, {25.0, 6.2, 31.0}};
  QColor c = mix(QColor(18, 52, 26), QColor(34, 78, 38),
                 fractal_noise(u / kW * 6, v / kH * 5, 71, 2, 6, 5));
  for (const Stalk& s : stalks) {
    const double d = (u - s.centre) / s.half_width;  // -1..1 across the stalk
    const double inside = 1 - ramp(0.92, 1.0, std::fabs(d));
    if (inside <= 0) continue;
    const double shade = 0.5 + 0.5 * std::cos((d + 0.35) * kPi * 0.62);
    const double streak = value_noise(u * 1.4, v / kH * 4, 72, 0, 4);
    QColor stalk = mix(QColor(54, 110, 40), QColor(170, 204, 104), shade);
    stalk = mix(stalk, QColor(120, 160, 70), 0.15 * streak);
    const double node = wrapped(v, s.node, kH);
    stalk = mix(stalk, QColor(40, 72, 28), 1 - ramp(0.3, 0.9, node));  // the groove
    stalk = mix(stalk, QColor(214, 230, 160),
                (1 - ramp(0.9, 2.2, node)) * 0.45 * ramp(0.5, 0.9, node));  // the ridge
    c = mix(c, stalk, inside);
  }
  return c;
}

// Night sky: a faint nebula and scattered stars of different strengths.
QColor uchu(double u, double v) {
  const double gas = fractal_noise(u / kW * 2, v / kH * 2, 81, 4, 2, 2);
  const double veil = fractal_noise(u / kW * 3, v / kH * 3, 82, 3, 3, 3);
  QColor c = mix(QColor(5, 8, 26), QColor(30, 22, 66), 0.7 * ramp(0.35, 0.8, gas));
  c = mix(c, QColor(18, 44, 86), 0.45 * ramp(0.45, 0.85, veil));
  struct Star {
    double u, v, size, bright;
    QColor tint;
  };
  static const Star stars[] = {{5.2, 6.1, 0.6, 0.8, QColor(255, 255, 255)},
                               {22.7, 13.4, 0.5, 0.5, QColor(200, 220, 255)},
                               {14.1, 27.9, 0.75, 0.95, QColor(255, 244, 220)},
                               {29.6, 35.2, 0.45, 0.45, QColor(255, 255, 255)},
                               {9.3, 37.8, 0.4, 0.35, QColor(210, 230, 255)},
                               {27.4, 4.0, 0.4, 0.35, QColor(255, 230, 230)},
                               {2.4, 21.5, 0.35, 0.3, QColor(255, 255, 255)},
                               {18.2, 19.6, 0.35, 0.3, QColor(220, 235, 255)}};
  for (const Star& s : stars) {
    const double du = wrapped(u, s.u, kW), dv = wrapped(v, s.v, kH);
    const double r2 = (du * du + dv * dv) / (s.size * s.size);
    double light = std::exp(-1.6 * r2) * s.bright * 1.3;
    c = mix(c, s.tint, std::min(light, 1.0));
  }
  return c;
}

// Red bricks in running bond with pale mortar.
QColor renga(double u, double v) {
  constexpr double rows[] = {0, 10, 20, 31, 41};  // brick courses, whole pixels at 1×
  int row = 0;
  while (v >= rows[row + 1]) ++row;
  const double in_row = v - rows[row];
  const double height = rows[row + 1] - rows[row];
  const double shift = (row % 2) * 16.0;
  const double x = std::fmod(u + kW - shift, kW);  // 0..33 along the brick
  constexpr double joint = 1.2;
  const double mortar = 1 - ramp(joint * 0.5, joint, std::min(x, in_row));
  static const QColor tones[] = {QColor(166, 64, 42), QColor(146, 52, 36), QColor(178, 82, 52),
                                 QColor(156, 60, 44)};
  const double grit = fractal_noise(u / kW * 12, v / kH * 16, 91, 3, 12, 16);
  QColor brick = mix(tones[row], QColor(96, 34, 24), 0.45 * grit);
  brick = mix(brick, QColor(206, 124, 88), 0.35 * (1 - ramp(joint, joint + 1.6, in_row)));
  brick = mix(brick, QColor(90, 30, 20), 0.4 * (1 - ramp(0.0, 1.4, height - in_row)));
  const QColor lime = mix(QColor(200, 190, 170), QColor(150, 140, 124),
                          fractal_noise(u / kW * 16, v / kH * 20, 92, 2, 16, 20));
  return mix(brick, lime, mortar);
}

}  // namespace

std::vector<Picture> tile_pictures() {
  const struct {
    const char* name;
    Pattern pattern;
  } tiles[] = {{"HAIKEI_MIDORI", midori},
               {"HAIKEI_TATAMI", tatami},
               {"HAIKEI_TAKE", take},
               {"HAIKEI_UCHU", uchu},
               {"HAIKEI_RENGA", renga}};
  std::vector<Picture> out;
  for (const auto& t : tiles) {
    const Pattern pattern = t.pattern;
    out.push_back({t.name, kTile, [pattern](int scale) { return tile(pattern, scale); }});
  }
  return out;
}

}  // namespace qz::art
