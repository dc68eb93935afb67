// The board square and the pieces: five-sided boxwood pieces with their
// kanji in a Mincho face, standing on the board's own wood; the frozen set
// is the same piece caught in ice.
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "tools/art.h"
#include "tools/pictures.h"

namespace qz::art {
namespace {

constexpr double kPi = 3.14159265358979323846;
const QSize kCell{33, 41};
const QPointF kCentre{16.5, 20.5};

// Each kind with its kanji, its promoted kanji (red) and its size: a real
// set's king is the largest piece and its pawns the smallest.
struct Kind {
  const char* name;
  const char* plain;
  const char* promoted;  // nullptr: the kind does not promote
  double size;
};
constexpr Kind kKinds[] = {{"HU", "歩", "と", 0.86},     {"KYOU", "香", "杏", 0.89},
                           {"KEI", "桂", "圭", 0.91},    {"GIN", "銀", "全", 0.94},
                           {"KIN", "金", nullptr, 0.94}, {"KAKU", "角", "馬", 0.97},
                           {"SYA", "飛", "龍", 0.97},    {"OU", "王", nullptr, 1.0}};

struct Look {
  QString text;
  bool red = false;     // a promoted piece
  double size = 1.0;    // of the king's
  bool upper = false;   // the upper side's piece points down the board
  bool frozen = false;  // the second set
};

// The board's kaya wood: warm gold with soft grain running across the
// board. The grain repeats every square so neighbouring squares join.
QColor board_wood(double u, double v) {
  const double across = u / 33.0;
  const double warp = fractal_noise(across * 2, v / 14.0, 11, 3, 2, 0);
  const double ring = 0.5 + 0.5 * std::sin(2 * kPi * (v / 3.6 + 1.1 * warp));
  const double fine = fractal_noise(across * 33, v / 1.1, 12, 2, 33, 0);
  const double cloud = fractal_noise(across * 2, v / 20.0, 13, 2, 2, 0);
  const QColor light(238, 202, 128), dark(214, 166, 92);
  return mix(light, dark, 0.22 * std::pow(ring, 2) + 0.18 * fine + 0.35 * cloud);
}

// Boxwood of the piece's face, lit from the upper left.
QColor boxwood(double u, double v, const QRectF& box) {
  const double light = ((u - box.left()) / box.width() + (v - box.top()) / box.height()) / 2;
  const double grain =
      0.5 + 0.5 * std::sin(2 * kPi * (u / 2.1 + 1.8 * value_noise(u / 5, v / 16, 21)));
  const QColor bright(250, 228, 176), deep(228, 192, 128);
  return mix(bright, deep, 0.85 * light + 0.12 * grain);
}

// Ice over the piece: pale blue, whiter towards the rim where frost grows.
QColor ice(double u, double v, const QRectF& box, double rim) {
  const QColor wood = boxwood(u, v, box);
  const double light = ((u - box.left()) / box.width() + (v - box.top()) / box.height()) / 2;
  const QColor blue = mix(QColor(230, 245, 255), QColor(138, 194, 236), light);
  QColor c = mix(wood, blue, 0.8);
  const double frost = fractal_noise(u * 1.3, v * 1.3, 31, 3);
  const double feather = fractal_noise(u * 3.1, v * 3.1, 32, 2);
  const double white = std::clamp((frost - 0.62 + 0.5 * rim) * 4.0, 0.0, 1.0) * (0.2 + 1.6 * rim) +
                       std::clamp((feather - 0.6) * 5.0, 0.0, 1.0) * 0.3;
  return mix(c, QColor(250, 253, 255), std::min(white, 0.85));
}

QImage square(int scale) {
  QImage img(kCell * scale, QImage::Format_ARGB32_Premultiplied);
  fill_pixels(img, scale, board_wood);
  // Ink lines along the top and left edges; the squares to the right and
  // below draw the others.
  const int line = std::max(1, int(std::lround(0.6 * scale)));
  QPainter p(&img);
  const QColor ink(70, 44, 16, 150);
  p.fillRect(0, 0, img.width(), line, ink);
  p.fillRect(0, line, line, img.height() - line, ink);
  return img;
}

// A polygon with its corners rounded off by `r`.
QPainterPath rounded(const QPolygonF& pts, double r) {
  QPainterPath path;
  const int n = int(pts.size());
  for (int i = 0; i < n; ++i) {
    const QPointF p = pts[i], prev = pts[(i + n - 1) % n], next = pts[(i + 1) % n];
    auto toward = [&](QPointF q) {
      const QPointF d = q - p;
      return p + d * (r / std::hypot(d.x(), d.y()));
    };
    if (i == 0)
      path.moveTo(toward(prev));
    else
      path.lineTo(toward(prev));
    path.quadTo(p, toward(next));
  }
  path.closeSubpath();
  return path;
}

// The piece's outline pointing up the board, centred in the cell.
QPainterPath piece_shape(double k) {
  const double w = 27.0 * k, h = 35.0 * k, cx = kCentre.x();
  const double top = kCentre.y() - h / 2 - 0.8, bottom = top + h;
  const QPolygonF pts{{cx, top},
                      {cx + 0.40 * w, top + 0.24 * h},
                      {cx + 0.5 * w, bottom},
                      {cx - 0.5 * w, bottom},
                      {cx - 0.40 * w, top + 0.24 * h}};
  return rounded(pts, 1.4 * k);
}

// A four-pointed glint of light.
void sparkle(QPainter& p, QPointF at, double r) {
  QRadialGradient glow(at, r);
  glow.setColorAt(0, QColor(255, 255, 255, 230));
  glow.setColorAt(0.35, QColor(200, 240, 255, 110));
  glow.setColorAt(1, QColor(160, 220, 255, 0));
  QPainterPath star;
  const double t = r * 0.16;
  star.moveTo(at + QPointF(0, -r));
  star.quadTo(at + QPointF(t, -t), at + QPointF(r, 0));
  star.quadTo(at + QPointF(t, t), at + QPointF(0, r));
  star.quadTo(at + QPointF(-t, t), at + QPointF(-r, 0));
  star.quadTo(at + QPointF(-t, -t), at + QPointF(0, -r));
  p.fillPath(star, glow);
  p.setBrush(QColor(255, 255, 255, 240));
  p.setPen(Qt::NoPen);
  p.drawEllipse(at, r * 0.16, r * 0.16);
}

// A cold breath on the board around a frozen piece: a pale blue glow and
// a frosty haze creeping in from the square's edges.
void frost_the_board(QImage& img, int scale) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const double u = (x + 0.5) / scale, v = (y + 0.5) / scale;
      const double du = (u - kCentre.x()) / 16.5, dv = (v - kCentre.y()) / 20.5;
      const double edge = std::max(std::abs(du), std::abs(dv));
      const double glow = 0.3 * std::exp(-2.0 * (du * du + dv * dv));
      const double haze = std::pow(edge, 4) * (0.25 + 0.5 * fractal_noise(u / 3, v / 3, 41, 3));
      const QColor c = mix(img.pixelColor(x, y), QColor(206, 232, 252), glow + 0.16);
      img.setPixelColor(x, y, mix(c, QColor(246, 251, 255), haze));
    }
}

// The face of the piece as a layer clipped to its shape.
QImage face_layer(const QPainterPath& shape, const Look& look, int scale) {
  const QRectF box = shape.boundingRect();
  QImage face(kCell * scale, QImage::Format_ARGB32_Premultiplied);
  QImage rim;
  if (look.frozen) {
    rim = path_mask(shape, kCell, scale).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    blur(rim, std::max(1, scale * 2));
  }
  fill_pixels(face, scale, [&](double u, double v) {
    if (!look.frozen) return boxwood(u, v, box);
    const double inside = qAlpha(rim.pixel(std::min(int(u * scale), rim.width() - 1),
                                           std::min(int(v * scale), rim.height() - 1))) /
                          255.0;
    return ice(u, v, box, 1.0 - inside);
  });
  QPainter p(&face);
  p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
  p.drawImage(0, 0, path_mask(shape, kCell, scale));
  return face;
}

// The kanji: cut into the face, so a faint light edge shows below its ink.
void draw_kanji(QPainter& p, const Look& look, const QPainterPath& shape, const QTransform& turn,
                double k) {
  const double h = 35.0 * k;
  const QPointF centre(kCentre.x(), kCentre.y() - h / 2 - 0.8 + 0.585 * h);
  const QPainterPath glyph = turn.map(text_path(look.text, mincho(h * 0.6), centre));
  QColor ink = look.red ? QColor(196, 22, 28) : QColor(28, 18, 10);
  if (look.frozen) {
    ink = look.red ? QColor(188, 16, 52) : QColor(12, 30, 66);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glyph);
  } else {
    p.fillPath(glyph.translated(0.3, 0.4), QColor(255, 246, 220, 150));
  }
  p.save();
  p.setClipPath(shape);
  p.setPen(QPen(ink, 0.45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(ink);
  p.drawPath(glyph);
  p.restore();
}

QImage piece(const Look& look, int scale) {
  QTransform turn;
  if (look.upper)
    turn.translate(kCentre.x(), kCentre.y()).rotate(180).translate(-kCentre.x(), -kCentre.y());
  const QPainterPath shape = turn.map(piece_shape(look.size));

  QImage img = square(scale);
  if (look.frozen) frost_the_board(img, scale);
  QImage shadow = render(kCell, scale, [&](QPainter& p) {
    p.fillPath(shape.translated(0.9, 1.9),
               look.frozen ? QColor(20, 50, 90, 120) : QColor(50, 26, 0, 130));
  });
  blur(shadow, std::max(1, scale));

  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawImage(0, 0, shadow);
  p.scale(scale, scale);
  // The piece's thickness shows as a darker band below its face.
  p.fillPath(shape.translated(0, 1.1), look.frozen ? QColor(112, 156, 196) : QColor(176, 128, 64));
  p.resetTransform();
  p.drawImage(0, 0, face_layer(shape, look, scale));
  p.scale(scale, scale);

  // Bevel: light along the upper-left edges, shade along the lower-right.
  p.save();
  p.setClipPath(shape);
  p.strokePath(shape.translated(0.7, 0.9),
               QPen(QColor(255, 255, 255, look.frozen ? 200 : 120), 1.2));
  p.strokePath(shape.translated(-0.7, -0.9), QPen(QColor(120, 70, 20, look.frozen ? 0 : 60), 1.2));
  if (look.frozen) {
    // A glassy sheen across the upper part of the ice.
    const QRectF box = shape.boundingRect();
    QLinearGradient sheen(box.topLeft(), box.bottomRight());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.30, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.36, QColor(255, 255, 255, 95));
    sheen.setColorAt(0.44, QColor(255, 255, 255, 0));
    p.fillRect(box, sheen);
    // Faint facets, as in a cut crystal.
    auto at = [&box](double fx, double fy) {
      return QPointF(box.left() + fx * box.width(), box.top() + fy * box.height());
    };
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.45));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{at(-0.1, 0.66), at(0.34, 0.5), at(0.58, -0.1)});
    p.drawLine(at(0.34, 0.5), at(0.22, 1.1));
    p.drawPolyline(QPolygonF{at(1.1, 0.42), at(0.74, 0.7), at(0.9, 1.1)});
    p.drawLine(at(0.74, 0.7), at(0.46, 1.1));
  }
  p.restore();

  if (look.frozen) p.strokePath(shape, QPen(QColor(150, 215, 255, 150), 1.6));
  p.strokePath(shape, QPen(look.frozen ? QColor(52, 104, 156) : QColor(120, 78, 34), 0.7));
  draw_kanji(p, look, shape, turn, look.size);
  if (look.frozen) {
    const QRectF box = shape.boundingRect();
    sparkle(p, QPointF(box.left() + 0.22 * box.width(), box.top() + 0.3 * box.height()), 3.4);
    sparkle(p, QPointF(box.right() - 0.14 * box.width(), box.bottom() - 0.12 * box.height()), 2.4);
  }
  return img;
}

void add_piece(std::vector<Picture>& out, const QString& name, const Look& look) {
  out.push_back({name, kCell, [look](int scale) { return piece(look, scale); }});
}

}  // namespace

std::vector<Picture> piece_pictures() {
  std::vector<Picture> out;
  out.push_back({"KARA_MASU", kCell, [](int scale) { return square(scale); }});
  for (bool frozen : {false, true})
    for (bool upper : {false, true})
      for (const Kind& kind : kKinds) {
        const QString base =
            QString(upper ? "UE_" : "SITA_") + kind.name + (frozen ? QString("2") : QString());
        Look look{QString::fromUtf8(kind.plain), false, kind.size, upper, frozen};
        if (kind.promoted == nullptr) {
          add_piece(out, base, look);
          continue;
        }
        add_piece(out, base + "_0", look);
        look.text = QString::fromUtf8(kind.promoted);
        look.red = true;
        add_piece(out, base + "_1", look);
      }
  return out;
}

}  // namespace qz::art
