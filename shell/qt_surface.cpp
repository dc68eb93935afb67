#include "shell/qt_surface.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPolygonF>
#include <QRegion>
#include <cmath>

#include "shell/translation.h"

namespace qz {
namespace {

constexpr double twipsPerPixel = 15.0;

QColor paletteColour(int index) {
  const int i = index >= 0 && index < 16 ? index : 0;
  return QColor::fromRgb(パレット[i]);
}

// The kanji a stand-in piece shows, by kind index.
constexpr std::array<const char*, pieceKinds> standInKanji = {
    "歩", "と", "香", "杏", "桂", "圭", "銀", "全", "金", "角", "馬", "飛", "龍", "王"};

}  // namespace

QFont minchoFont(int points, bool bold) {
  QFont f;
  f.setFamilies({"IPAexMincho", "IPAMincho", "Noto Serif CJK JP"});
  // Points at 96 dots per inch, as the layout was measured.
  f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

QtSurface::QtSurface(QSize logicalSize, qreal devicePixelRatio, QString pictureDir)
    : size_(logicalSize),
      dpr_(devicePixelRatio > 0 ? devicePixelRatio : 1.0),
      pictureDir_(std::move(pictureDir)) {
  canvas_ = QPixmap((QSizeF(size_) * dpr_).toSize());
  canvas_.setDevicePixelRatio(dpr_);
  canvas_.fill(paletteColour(2));
}

QtSurface::~QtSurface() {
  endPainting();
}

QPainter& QtSurface::painter() {
  if (!painter_) painter_ = std::make_unique<QPainter>(&canvas_);
  return *painter_;
}

void QtSurface::endPainting() {
  if (painter_) painter_->end();
  painter_.reset();
}

const QPixmap& QtSurface::canvas() {
  endPainting();
  return canvas_;
}

double QtSurface::snap(double twips) const {
  return std::floor(twips / twipsPerPixel * dpr_ + 0.5) / dpr_;
}

void QtSurface::changed(const QRectF& logical) {
  if (onChanged) onChanged(logical.toAlignedRect());
}

void QtSurface::setDevicePixelRatio(qreal dpr) {
  if (dpr <= 0 || dpr == dpr_) return;
  dpr_ = dpr;
  pictures_ = {};
  redrawAll();
}

void QtSurface::redrawAll() {
  endPainting();
  canvas_ = QPixmap((QSizeF(size_) * dpr_).toSize());
  canvas_.setDevicePixelRatio(dpr_);
  canvas_.fill(paletteColour(2));
  replaying_ = true;
  for (const Operation& op : operations_) replay(op);
  replaying_ = false;
  changed(QRectF(QPointF(0, 0), QSizeF(size_)));
}

void QtSurface::record(Operation op) {
  if (replaying_) return;
  operations_.push_back(std::move(op));
  if (operations_.size() < compactAt_) return;
  compact();
  compactAt_ = std::max<std::size_t>(4096, operations_.size() * 2);
}

void QtSurface::replay(const Operation& op) {
  switch (op.kind) {
    case Operation::Kind::Picture:
      return picture(op.picture, op.x1, op.y1);
    case Operation::Kind::Box:
      return box(op.colour, op.x1, op.y1, op.x2, op.y2);
    case Operation::Kind::Text:
      return text(op.x1, op.y1, op.text, op.colour, op.points, op.bold);
    case Operation::Kind::Polygon:
      return polygon(op.colour, op.corners);
  }
}

void QtSurface::compact() {
  QRegion covered;
  std::vector<Operation> kept;
  for (auto op = operations_.rbegin(); op != operations_.rend(); ++op) {
    const QRect outer = op->covered.toAlignedRect();
    if (!outer.isEmpty() && covered.intersected(outer) == QRegion(outer)) continue;
    if (op->kind == Operation::Kind::Picture) {
      // Pictures are opaque: what lies wholly inside one is never seen again.
      const QRectF r = op->covered;
      const int l = int(std::ceil(r.left())), t = int(std::ceil(r.top()));
      covered += QRect(l, t, int(std::floor(r.right())) - l, int(std::floor(r.bottom())) - t);
    }
    kept.push_back(std::move(*op));
  }
  operations_.assign(std::make_move_iterator(kept.rbegin()), std::make_move_iterator(kept.rend()));
}

const QPixmap& QtSurface::pictureFor(Picture p) {
  QPixmap& pm = pictures_[static_cast<int>(p)];
  if (pm.isNull()) {
    pm = loadPicture(p);
    if (pm.isNull()) pm = placeholder(p);
  }
  return pm;
}

// The best file for this ratio, scaled to the picture's natural size.
QPixmap QtSurface::loadPicture(Picture p) const {
  if (pictureDir_.isEmpty()) return {};
  const QString stem = pictureDir_ + "/" + QString::fromStdString(pictureName(p));
  // The smallest file at least as dense as the ratio first, then the
  // densest of the rest.
  QStringList order;
  for (int scale = 1; scale <= 4; ++scale)
    if (scale >= dpr_ || scale == 4)
      order << (scale == 1 ? QString(".png") : QString("@%1x.png").arg(scale));
  for (int scale = 4; scale >= 1; --scale) {
    const QString suffix = scale == 1 ? QString(".png") : QString("@%1x.png").arg(scale);
    if (!order.contains(suffix)) order << suffix;
  }
  const PixelSize natural = pictureSize(p);
  const QSize device = (QSizeF(natural.width, natural.height) * dpr_).toSize();
  for (const QString& suffix : order) {
    if (!QFile::exists(stem + suffix)) continue;
    QImageReader reader(stem + suffix);
    QImage image = reader.read();
    if (image.isNull()) continue;
    if (image.size() != device)
      image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap pm = QPixmap::fromImage(std::move(image));
    pm.setDevicePixelRatio(dpr_);
    return pm;
  }
  return {};
}

// A plain stand-in for a missing picture, so that the window stays usable.
QPixmap QtSurface::placeholder(Picture p) const {
  const PixelSize natural = pictureSize(p);
  const QSizeF logical(natural.width, natural.height);
  QPixmap pm((logical * dpr_).toSize());
  pm.setDevicePixelRatio(dpr_);
  static const std::array<QColor, 5> tiles = {QColor(0x2E, 0x6B, 0x3A), QColor(0xB9, 0xB2, 0x6E),
                                              QColor(0x6F, 0x94, 0x4E), QColor(0x12, 0x14, 0x38),
                                              QColor(0x9A, 0x4A, 0x2C)};
  if (p >= Picture::HAIKEI_MIDORI && p <= Picture::HAIKEI_RENGA) {
    pm.fill(tiles[static_cast<int>(p) - static_cast<int>(Picture::HAIKEI_MIDORI)]);
    return pm;
  }
  QPainter g(&pm);
  g.setRenderHint(QPainter::Antialiasing);
  if (p == Picture::QZSHOGI) {
    pm.fill(QColor(0x1B, 0x2A, 0x4A));
    g.setPen(Qt::white);
    g.setFont(minchoFont(18, true));
    g.drawText(QRectF(QPointF(0, 0), logical), Qt::AlignCenter, "QZ 氷結将棋");
    return pm;
  }
  pm.fill(QColor(0xDC, 0xB2, 0x68));
  g.setPen(QColor(0xB8, 0x8E, 0x48));
  g.drawRect(QRectF(0.5, 0.5, logical.width() - 1, logical.height() - 1));
  if (!isPiece(p)) return pm;
  const PieceFace face = pieceFace(p);
  if (face.upper) {
    g.translate(logical.width(), logical.height());
    g.rotate(180);
  }
  const QPolygonF shape({{16.5, 3}, {27, 8}, {30, 38}, {3, 38}, {6, 8}});
  g.setPen(QPen(face.frozen ? QColor(0x5C, 0x9B, 0xD1) : QColor(0x6B, 0x4A, 0x22), 1));
  g.setBrush(face.frozen ? QColor(0xD8, 0xEE, 0xFA) : QColor(0xF4, 0xDF, 0xA8));
  g.drawPolygon(shape);
  const bool promoted = 駒絵順[face.kind].code % 2 == 1;
  g.setPen(promoted ? QColor(0xC0, 0x10, 0x10) : QColor(0x10, 0x10, 0x10));
  g.setFont(minchoFont(13, true));
  g.drawText(QRectF(3, 9, 27, 28), Qt::AlignCenter, QString::fromUtf8(standInKanji[face.kind]));
  return pm;
}

void QtSurface::picture(Picture p, double x, double y) {
  const QPixmap& pm = pictureFor(p);
  const QPointF at(snap(x), snap(y));
  painter().drawPixmap(at, pm);
  const PixelSize natural = pictureSize(p);
  const QRectF covered(at, QSizeF(natural.width, natural.height));
  record({Operation::Kind::Picture, p, 0, 0, false, x, y, 0, 0, {}, covered});
  changed(covered);
}

void QtSurface::box(int colour, double x1, double y1, double x2, double y2) {
  // Device-pixel lines, as thick as one logical pixel; both corners included.
  const double t = std::max(1.0, std::round(dpr_)) / dpr_;
  const double l = snap(x1), r = snap(x2), top = snap(y1), bottom = snap(y2);
  QPainter& g = painter();
  const QColor c = paletteColour(colour);
  g.fillRect(QRectF(l, top, r - l + t, t), c);
  g.fillRect(QRectF(l, bottom, r - l + t, t), c);
  g.fillRect(QRectF(l, top, t, bottom - top + t), c);
  g.fillRect(QRectF(r, top, t, bottom - top + t), c);
  const QRectF covered(l, top, r - l + t, bottom - top + t);
  record({Operation::Kind::Box, Picture{}, colour, 0, false, x1, y1, x2, y2, {}, covered});
  changed(covered);
}

void QtSurface::polygon(int colour, std::span<const Point> corners) {
  QPolygonF shape;
  for (const Point& c : corners) shape << QPointF(c.x / twipsPerPixel, c.y / twipsPerPixel);
  QPainter& g = painter();
  g.save();
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(Qt::NoPen);
  g.setBrush(paletteColour(colour));
  g.drawPolygon(shape);
  g.restore();
  // The smoothed edges reach half a pixel beyond the corners.
  const QRectF covered = shape.boundingRect().adjusted(-1, -1, 1, 1);
  Operation op{Operation::Kind::Polygon, Picture{}, colour, 0, false, 0, 0, 0, 0, {}, covered};
  op.corners.assign(corners.begin(), corners.end());
  record(std::move(op));
  changed(covered);
}

void QtSurface::text(double x, double y, const 文面& s, int colour, int points, bool bold) {
  QPainter& g = painter();
  const QFont font = minchoFont(points, bold);
  g.setFont(font);
  g.setPen(paletteColour(colour));
  const QString str = shown(s);
  const QFontMetricsF m(font, &canvas_);
  const QPointF at(snap(x), snap(y));
  g.drawText(QPointF(at.x(), at.y() + m.ascent()), str);
  const QRectF covered(at, QSizeF(m.horizontalAdvance(str) + 2, m.height() + 2));
  record({Operation::Kind::Text, Picture{}, colour, points, bold, x, y, 0, 0, s, covered});
  changed(covered);
}

void QtSurface::refresh() {
  endPainting();
  if (onRefresh) onRefresh();
}

}  // namespace qz
