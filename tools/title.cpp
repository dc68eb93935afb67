// The title picture: "QZ 氷結将棋" in icy letters on a midnight-blue
// lacquer plate with a silver rim.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "tools/art.h"
#include "tools/pictures.h"

namespace qz::art {
namespace {

constexpr double kPi = 3.14159265358979323846;
const QSize kTitle{140, 63};

// A six-armed snowflake of radius r, drawn with the painter's pen.
void snowflake(QPainter& p, QPointF at, double r) {
  for (int arm = 0; arm < 6; ++arm) {
    const double a = arm * kPi / 3 - kPi / 2;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF side(-dir.y(), dir.x());
    p.drawLine(at, at + dir * r);
    const QPointF branch = at + dir * (r * 0.55);
    p.drawLine(branch, branch + (dir - side) * (r * 0.25));
    p.drawLine(branch, branch + (dir + side) * (r * 0.25));
  }
}

void plate(QPainter& p) {
  const QRectF all(0, 0, kTitle.width(), kTitle.height());
  QLinearGradient night(all.topLeft(), all.bottomLeft());
  night.setColorAt(0, QColor(30, 58, 104));
  night.setColorAt(0.55, QColor(14, 30, 64));
  night.setColorAt(1, QColor(8, 16, 38));
  p.fillRect(all, night);
  QRadialGradient moon(QPointF(104, 10), 60);
  moon.setColorAt(0, QColor(120, 180, 230, 70));
  moon.setColorAt(1, QColor(120, 180, 230, 0));
  p.fillRect(all, moon);
  // Frost flakes drifting behind the letters.
  p.setPen(QPen(QColor(190, 225, 255, 46), 0.6));
  snowflake(p, QPointF(12, 46), 7);
  snowflake(p, QPointF(128, 48), 8);
  snowflake(p, QPointF(118, 13), 4);
  snowflake(p, QPointF(22, 12), 3.5);
  // The silver rim: a bright outer line, a dark gap and a fine inner line.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(200, 220, 236), 1.0));
  p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
  p.setPen(QPen(QColor(4, 10, 26), 1.0));
  p.drawRect(all.adjusted(1.5, 1.5, -1.5, -1.5));
  p.setPen(QPen(QColor(150, 196, 230, 170), 0.6));
  p.drawRect(all.adjusted(3, 3, -3, -3));
}

// Letters cut from ice: a soft glow, a dark edge, then the frosted fill.
void icy_text(QPainter& p, const QPainterPath& glyphs, double glow) {
  const QRectF box = glyphs.boundingRect();
  p.setBrush(Qt::NoBrush);
  for (double w : {glow * 3, glow * 2, glow}) {
    p.setPen(QPen(QColor(120, 200, 255, 34), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(glyphs);
  }
  p.setPen(QPen(QColor(6, 18, 44), 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(glyphs);
  QLinearGradient fill(box.topLeft(), box.bottomLeft());
  fill.setColorAt(0, QColor(255, 255, 255));
  fill.setColorAt(0.45, QColor(214, 238, 255));
  fill.setColorAt(0.55, QColor(160, 210, 246));
  fill.setColorAt(1, QColor(226, 244, 255));
  p.setPen(QPen(QBrush(fill), 0.6));
  p.setBrush(fill);
  p.drawPath(glyphs);
}

void paint_title(QPainter& p) {
  plate(p);
  // "QZ" on the upper line between two thin rules.
  const QPainterPath qz = text_path("QZ", mincho(17), QPointF(70, 14));
  const QRectF qz_box = qz.boundingRect();
  QLinearGradient rule_left(QPointF(14, 0), QPointF(qz_box.left() - 5, 0));
  rule_left.setColorAt(0, QColor(180, 220, 250, 0));
  rule_left.setColorAt(1, QColor(180, 220, 250, 220));
  p.fillRect(QRectF(14, 13.6, qz_box.left() - 5 - 14, 0.8), rule_left);
  QLinearGradient rule_right(QPointF(126, 0), QPointF(qz_box.right() + 5, 0));
  rule_right.setColorAt(0, QColor(180, 220, 250, 0));
  rule_right.setColorAt(1, QColor(180, 220, 250, 220));
  p.fillRect(QRectF(qz_box.right() + 5, 13.6, 126 - qz_box.right() - 5, 0.8), rule_right);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 232, 255));
  for (double x : {qz_box.left() - 4.0, qz_box.right() + 4.0}) {
    QPolygonF diamond{{x, 12.2}, {x + 1.8, 14}, {x, 15.8}, {x - 1.8, 14}};
    p.drawPolygon(diamond);
  }
  icy_text(p, qz, 0.9);
  // The name, large, each kanji in its own even cell.
  const char* const name[] = {"氷", "結", "将", "棋"};
  QPainterPath kanji;
  for (int i = 0; i < 4; ++i)
    kanji.addPath(text_path(QString::fromUtf8(name[i]), mincho(28), QPointF(28.5 + 27.7 * i, 40)));
  icy_text(p, kanji, 1.6);
}

}  // namespace

Picture title_picture() {
  return {"QZSHOGI", kTitle, [](int scale) { return render(kTitle, scale, paint_title); }};
}

}  // namespace qz::art
