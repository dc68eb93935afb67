#include "tools/art.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace qz::art {
namespace {

int wrap(int v, int period) {
  if (period <= 0) return v;
  const int r = v % period;
  return r < 0 ? r + period : r;
}

double smooth(double t) {
  return t * t * (3 - 2 * t);
}

// One horizontal then one vertical box pass over one channel.
void box_pass(std::vector<float>& ch, int w, int h, int r) {
  std::vector<float> tmp(ch.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float sum = 0;
      for (int k = -r; k <= r; ++k) sum += ch[std::size_t(y * w + std::clamp(x + k, 0, w - 1))];
      tmp[std::size_t(y * w + x)] = sum / float(2 * r + 1);
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float sum = 0;
      for (int k = -r; k <= r; ++k) sum += tmp[std::size_t(std::clamp(y + k, 0, h - 1) * w + x)];
      ch[std::size_t(y * w + x)] = sum / float(2 * r + 1);
    }
}

}  // namespace

double hash01(int x, int y, int seed) {
  std::uint32_t h = std::uint32_t(x) * 0x8da6b343u ^ std::uint32_t(y) * 0xd8163841u ^
                    std::uint32_t(seed) * 0xcb1ab31fu;
  h ^= h >> 15;
  h *= 0x2c1b3c6du;
  h ^= h >> 12;
  h *= 0x297a2d39u;
  h ^= h >> 15;
  return double(h >> 8) / double(1u << 24);
}

double value_noise(double x, double y, int seed, int period_x, int period_y) {
  const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
  const double fx = smooth(x - x0), fy = smooth(y - y0);
  auto at = [&](int dx, int dy) {
    return hash01(wrap(x0 + dx, period_x), wrap(y0 + dy, period_y), seed);
  };
  const double top = at(0, 0) + (at(1, 0) - at(0, 0)) * fx;
  const double bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * fx;
  return top + (bottom - top) * fy;
}

double fractal_noise(double x, double y, int seed, int octaves, int period_x, int period_y) {
  double sum = 0, weight = 1, total = 0, f = 1;
  for (int o = 0; o < octaves; ++o) {
    sum += weight * value_noise(x * f, y * f, seed + o * 101, period_x * int(f), period_y * int(f));
    total += weight;
    weight *= 0.5;
    f *= 2;
  }
  return sum / total;
}

QColor mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                          float(a.greenF() + (b.greenF() - a.greenF()) * t),
                          float(a.blueF() + (b.blueF() - a.blueF()) * t),
                          float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor scaled(const QColor& c, double factor) {
  auto f = [factor](float v) { return float(std::clamp(v * factor, 0.0, 1.0)); };
  return QColor::fromRgbF(f(c.redF()), f(c.greenF()), f(c.blueF()), c.alphaF());
}

QImage render(QSize logical, int scale, const std::function<void(QPainter&)>& paint) {
  QImage image(logical * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(scale, scale);
  paint(p);
  return image;
}

void fill_pixels(QImage& image, int scale,
                 const std::function<QColor(double u, double v)>& colour_at) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixelColor(x, y, colour_at((x + 0.5) / scale, (y + 0.5) / scale));
}

void blur(QImage& image, int radius) {
  if (radius <= 0) return;
  const int w = image.width(), h = image.height();
  std::vector<std::vector<float>> ch(4, std::vector<float>(std::size_t(w * h)));
  for (int y = 0; y < h; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      const QRgb c = line[x];
      const std::size_t i = std::size_t(y * w + x);
      ch[0][i] = float(qRed(c));
      ch[1][i] = float(qGreen(c));
      ch[2][i] = float(qBlue(c));
      ch[3][i] = float(qAlpha(c));
    }
  }
  for (auto& c : ch)
    for (int pass = 0; pass < 3; ++pass) box_pass(c, w, h, radius);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const std::size_t i = std::size_t(y * w + x);
      auto v = [&](int k) {
        return int(std::lround(std::clamp(ch[std::size_t(k)][i], 0.f, 255.f)));
      };
      line[x] = qRgba(v(0), v(1), v(2), v(3));
    }
  }
}

QImage path_mask(const QPainterPath& path, QSize logical, int scale) {
  QImage mask = render(logical, scale, [&](QPainter& p) { p.fillPath(path, Qt::white); });
  return mask.convertToFormat(QImage::Format_Alpha8);
}

QFont mincho(double pixel_size) {
  QFont font;
  font.setFamilies({"IPAexMincho", "IPAMincho", "Noto Serif CJK JP"});
  // Pixel sizes are whole numbers: ask for eight times the size and let
  // text_path shrink the outline back, so fractional sizes stay exact.
  font.setPixelSize(std::max(1, int(std::lround(pixel_size * 8))));
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QPainterPath text_path(const QString& text, const QFont& font, QPointF centre) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  QTransform shrink = QTransform::fromScale(0.125, 0.125);
  path = shrink.map(path);
  const QRectF box = path.boundingRect();
  path.translate(centre - box.center());
  return path;
}

}  // namespace qz::art
