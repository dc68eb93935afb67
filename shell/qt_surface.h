// The window's persistent drawing surface: a pixmap at the screen's device
// pixel ratio that every painter draws into and the window copies from.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "display/surface.h"

namespace qz {

class QtSurface : public Surface {
 public:
  // A canvas of the given logical size; pictures come from pictureDir
  // (NAME.png, NAME@2x.png, NAME@3x.png), a plain stand-in when missing.
  QtSurface(QSize logicalSize, qreal devicePixelRatio, QString pictureDir);
  ~QtSurface() override;

  void picture(Picture p, double x, double y) override;
  void box(int colour, double x1, double y1, double x2, double y2) override;
  void polygon(int colour, std::span<const Point> corners) override;
  void text(double x, double y, const 文面& s, int colour, int points, bool bold) override;
  void refresh() override;

  // The canvas with everything drawn so far (device pixels, ratio set).
  const QPixmap& canvas();
  qreal devicePixelRatio() const { return dpr_; }
  // Moves to another ratio and draws everything drawn so far again at it,
  // so that a larger window or a high-density screen shows it sharp.
  void setDevicePixelRatio(qreal dpr);
  // Draws everything drawn so far again (its texts in the current language).
  void redrawAll();
  // The picture as it is drawn at the current ratio.
  const QPixmap& pictureFor(Picture p);

  // Called with the logical rectangle each operation changed.
  std::function<void(const QRect&)> onChanged;
  // Called by refresh(): the window shows the canvas at once.
  std::function<void()> onRefresh;

 private:
  QPainter& painter();
  void endPainting();
  // Twips to a logical coordinate that lies on a device pixel.
  double snap(double twips) const;
  QPixmap loadPicture(Picture p) const;
  QPixmap placeholder(Picture p) const;
  void changed(const QRectF& logical);

  // One drawing operation, kept so that the canvas can be drawn again at
  // another ratio: what was asked for and the logical rectangle it covered.
  struct Operation {
    enum class Kind { Picture, Box, Text, Polygon } kind;
    Picture picture;
    int colour, points;
    bool bold;
    double x1, y1, x2, y2;
    文面 text;
    QRectF covered;
    std::vector<Point> corners = {};
  };
  void record(Operation op);
  void replay(const Operation& op);
  // Drops the operations that later opaque pictures cover completely.
  void compact();
  std::vector<Operation> operations_;
  std::size_t compactAt_ = 4096;
  bool replaying_ = false;

  QSize size_;
  qreal dpr_;
  QString pictureDir_;
  QPixmap canvas_;
  std::unique_ptr<QPainter> painter_;
  std::array<QPixmap, pictureCount> pictures_;
};

// The Mincho face of the window's texts at a size in points (pixel-exact).
QFont minchoFont(int points, bool bold);

}  // namespace qz
