// The icon is a few filled outlines on a 256-unit square, each with a
// vertical two-colour gradient and an optional rim, so the PNG sizes and the
// SVG are the same drawing.
#include "tools/icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <vector>

#include "tools/art.h"

namespace qz::art {
namespace {

constexpr double kUnits = 256;

struct Layer {
  QPainterPath path;
  QColor top, bottom;  // the fill, from the top of the outline to its bottom
  QColor rim;          // transparent for none
  double rimWidth = 0;
};

QPainterPath rounded_tile() {
  QPainterPath p;
  p.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
  return p;
}

// The five-sided outline of a shogi piece, point up.
QPainterPath piece_outline() {
  QPainterPath p;
  p.moveTo(128, 26);
  p.lineTo(196, 58);
  p.lineTo(214, 234);
  p.lineTo(42, 234);
  p.lineTo(60, 58);
  p.closeSubpath();
  return p;
}

std::vector<Layer> layers() {
  const QPainterPath piece = piece_outline();
  QPainterPath frost;  // the frozen rim inside the piece's edge
  frost.addPath(piece);
  frost = frost.subtracted(
      QTransform().translate(128, 140).scale(0.84, 0.86).translate(-128, -140).map(piece));
  const QPainterPath kanji = text_path(QString::fromUtf8("氷"), mincho(150), QPointF(128, 150));
  return {
      {rounded_tile(), QColor(30, 58, 104), QColor(8, 16, 38), QColor(150, 196, 230), 4},
      {piece, QColor(236, 246, 255), QColor(170, 210, 240), QColor(40, 90, 150), 5},
      {frost, QColor(255, 255, 255, 150), QColor(200, 230, 255, 150), QColor(0, 0, 0, 0), 0},
      {kanji, QColor(16, 34, 76), QColor(10, 22, 52), QColor(0, 0, 0, 0), 0},
  };
}

QLinearGradient gradient(const Layer& layer) {
  const QRectF box = layer.path.boundingRect();
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0, layer.top);
  g.setColorAt(1, layer.bottom);
  return g;
}

// SVG path data of an outline: moves, lines and cubic curves.
QString svg_path(const QPainterPath& path) {
  QString d;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo()) {
      d += QString("M%1 %2").arg(e.x, 0, 'f', 2).arg(e.y, 0, 'f', 2);
    } else if (e.isLineTo()) {
      d += QString("L%1 %2").arg(e.x, 0, 'f', 2).arg(e.y, 0, 'f', 2);
    } else if (e.isCurveTo()) {
      const QPainterPath::Element c2 = path.elementAt(i + 1);
      const QPainterPath::Element end = path.elementAt(i + 2);
      d += QString("C%1 %2 %3 %4 %5 %6")
               .arg(e.x, 0, 'f', 2)
               .arg(e.y, 0, 'f', 2)
               .arg(c2.x, 0, 'f', 2)
               .arg(c2.y, 0, 'f', 2)
               .arg(end.x, 0, 'f', 2)
               .arg(end.y, 0, 'f', 2);
      i += 2;
    }
  }
  return d + "Z";
}

}  // namespace

QImage icon_image(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kUnits, size / kUnits);
  for (const Layer& layer : layers()) {
    p.setBrush(gradient(layer));
    p.setPen(layer.rim.alpha() == 0 ? QPen(Qt::NoPen) : QPen(layer.rim, layer.rimWidth));
    p.drawPath(layer.path);
  }
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QString icon_svg() {
  QString defs, body;
  int n = 0;
  for (const Layer& layer : layers()) {
    const QString id = QString("g%1").arg(n++);
    defs += QString(
                "  <linearGradient id=\"%1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                "<stop offset=\"0\" stop-color=\"%2\" stop-opacity=\"%3\"/>"
                "<stop offset=\"1\" stop-color=\"%4\" stop-opacity=\"%5\"/></linearGradient>\n")
                .arg(id, layer.top.name())
                .arg(layer.top.alphaF(), 0, 'f', 3)
                .arg(layer.bottom.name())
                .arg(layer.bottom.alphaF(), 0, 'f', 3);
    QString rim = "stroke=\"none\"";
    if (layer.rim.alpha() != 0)
      rim = QString("stroke=\"%1\" stroke-width=\"%2\"").arg(layer.rim.name()).arg(layer.rimWidth);
    body += QString("  <path fill=\"url(#%1)\" fill-rule=\"%2\" %3 d=\"%4\"/>\n")
                .arg(id, layer.path.fillRule() == Qt::WindingFill ? "nonzero" : "evenodd", rim,
                     svg_path(layer.path));
  }
  return QString(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
             "viewBox=\"0 0 256 256\">\n <defs>\n%1 </defs>\n%2</svg>\n")
      .arg(defs, body);
}

}  // namespace qz::art
