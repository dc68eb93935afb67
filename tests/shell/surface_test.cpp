// The Qt surface offscreen: pictures and outlines land on the right device
// pixels at 1x and 2x.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "display/screen.h"
#include "shell/qt_surface.h"

namespace qz {
namespace {

// A picture folder with a red KARA_MASU at 1x and a blue one at 2x.
class Pictures {
 public:
  Pictures() {
    solid(QSize(33, 41), Qt::red).save(dir.filePath("KARA_MASU.png"));
    solid(QSize(66, 82), Qt::blue).save(dir.filePath("KARA_MASU@2x.png"));
  }
  QString path() const { return dir.path(); }

 private:
  static QImage solid(QSize s, Qt::GlobalColor c) {
    QImage i(s, QImage::Format_RGB32);
    i.fill(c);
    return i;
  }
  QTemporaryDir dir;
};

QRgb at(QtSurface& s, int x, int y) {
  return s.canvas().toImage().pixel(x, y) & 0xFFFFFF;
}

constexpr QRgb green = 0x008000;

TEST(QtSurfacePixels, APictureCoversItsCellAtOneX) {
  Pictures pictures;
  QtSurface s(QSize(600, 533), 1.0, pictures.path());
  対局 game;
  画面 g(s, game);
  g.描画_絵(0, 1, 1);  // cell (1, 1): twips (1545, 715) = pixels (103, 47.7)
  EXPECT_EQ(at(s, 103, 48), 0xFF0000u);
  EXPECT_EQ(at(s, 135, 88), 0xFF0000u);
  EXPECT_EQ(at(s, 102, 48), green);
  EXPECT_EQ(at(s, 136, 48), green);
  EXPECT_EQ(at(s, 103, 47), green);
  EXPECT_EQ(at(s, 103, 89), green);
}

TEST(QtSurfacePixels, TwoXUsesTheSharpPictureOnDevicePixels) {
  Pictures pictures;
  QtSurface s(QSize(600, 533), 2.0, pictures.path());
  EXPECT_EQ(s.canvas().size(), QSize(1200, 1066));
  対局 game;
  画面 g(s, game);
  g.描画_絵(0, 1, 1);  // device (206, 95.3) -> (206, 95)
  EXPECT_EQ(at(s, 206, 95), 0x0000FFu);
  EXPECT_EQ(at(s, 271, 176), 0x0000FFu);
  EXPECT_EQ(at(s, 205, 95), green);
  EXPECT_EQ(at(s, 272, 176), green);
  EXPECT_EQ(at(s, 206, 177), green);
}

TEST(QtSurfacePixels, OutlinesTakeTheirPaletteColourOnBothCorners) {
  for (const qreal dpr : {1.0, 2.0}) {
    QtSurface s(QSize(600, 533), dpr, QString());
    対局 game;
    画面 g(s, game);
    g.描画_桝輪郭(12, 1, 1);
    g.描画_桝輪郭(15, 3, 1);
    const int l = static_cast<int>(103 * dpr), r = static_cast<int>(136 * dpr);
    const int t = dpr == 1 ? 48 : 95, b = dpr == 1 ? 89 : 177;
    for (const auto& [x, y] : {std::pair{l, t}, {r, t}, {l, b}, {r, b}, {(l + r) / 2, t}})
      EXPECT_EQ(at(s, x, y), 0xFF0000u) << dpr << " " << x << "," << y;
    EXPECT_EQ(at(s, (l + r) / 2, (t + b) / 2), green);  // unfilled
    EXPECT_EQ(at(s, static_cast<int>(169 * dpr), t), 0xFFFFFFu);
    if (dpr == 2) {
      EXPECT_EQ(at(s, l + 1, t + 1), 0xFF0000u);  // one logical pixel thick
      EXPECT_EQ(at(s, l + 2, t + 2), green);
    }
  }
}

TEST(QtSurfacePixels, MissingPicturesGetAStandInAndTextIsDrawn) {
  QtSurface s(QSize(600, 533), 1.0, QDir::temp().filePath("no-such-folder-for-qz"));
  対局 game;
  画面 g(s, game);
  g.描画_絵(-王, 5, 9, true);
  g.描画_絵(1, 11.1, -0.1);
  EXPECT_NE(at(s, 235 + 16, 376 + 20), green);  // cell (5, 9)
  EXPECT_NE(at(s, 436 + 70, 4 + 30), green);    // the title
  g.描画_数値(2, 2, "８", 14, 0, 16);           // cell (2, 2) = pixels (136, 88.7)
  const QImage img = s.canvas().toImage();
  int yellow = 0;
  for (int y = 89; y < 89 + 24; ++y)
    for (int x = 136; x < 136 + 24; ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.red() > 200 && c.green() > 200 && c.blue() < 80) ++yellow;
    }
  EXPECT_GT(yellow, 20);
}

}  // namespace
}  // namespace qz

namespace qz {
namespace {

// Drawn at 1× and moved to another ratio, the canvas equals one drawn at
// that ratio from the start, also after many redraws of the same cells (the
// kept drawing is compacted as pictures cover it).
TEST(QtSurfaceScale, MovingToAnotherRatioDrawsEverythingAgainSharp) {
  const QString real = QString::fromStdString(QZ_SOURCE_ASSETS "/pictures");
  auto draw = [](QtSurface& s) {
    対局 game;
    画面 g(s, game);
    g.描画_盤();
    for (int round = 0; round < 3000; ++round) {
      g.描画_絵(-歩, 1 + round % 9, 7);
      g.描画_桝輪郭(色_白, 1 + round % 9, 7);
    }
    g.描画_数値(-1.5, 8.5, "思考中", 色_白, 0, 12);
  };
  for (double ratio : {1.5, 2.5}) {
    QtSurface moved(QSize(1030, 750), 1.0, real);
    draw(moved);
    moved.setDevicePixelRatio(ratio);
    QtSurface direct(QSize(1030, 750), ratio, real);
    draw(direct);
    EXPECT_EQ(moved.canvas().toImage(), direct.canvas().toImage()) << ratio;
  }
}

}  // namespace
}  // namespace qz
