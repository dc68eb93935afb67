#include "tools/sheet.h"

#include <QFont>
#include <QPainter>
#include <cmath>
#include <map>

namespace qz::art {
namespace {

struct Placed {
  int x, y;
  const char* picture;
};

// A game in progress: the opening set-up with a few moves made, some
// promoted pieces, some frozen ones and pieces in hand.
constexpr Placed kScene[] = {
    {1, 1, "UE_KYOU_0"},  {2, 1, "UE_KEI2_0"},   {3, 1, "UE_GIN_0"},     {4, 1, "UE_KIN"},
    {5, 1, "UE_OU"},      {6, 1, "UE_KIN"},      {7, 1, "UE_GIN_0"},     {8, 1, "UE_KEI_0"},
    {9, 1, "UE_KYOU_0"},  {2, 2, "SITA_KAKU_1"}, {8, 2, "UE_KAKU_0"},    {1, 3, "UE_HU_0"},
    {2, 3, "UE_HU2_0"},   {4, 3, "UE_HU_0"},     {5, 3, "UE_HU_0"},      {6, 3, "UE_HU_0"},
    {7, 3, "UE_HU_0"},    {8, 3, "UE_HU_0"},     {9, 3, "UE_HU_0"},      {3, 4, "UE_HU2_0"},
    {7, 6, "SITA_HU2_0"}, {4, 7, "UE_HU_1"},     {8, 7, "UE_SYA2_1"},    {1, 7, "SITA_HU_0"},
    {2, 7, "SITA_HU_0"},  {3, 7, "SITA_HU_0"},   {5, 7, "SITA_HU2_0"},   {6, 7, "SITA_HU_0"},
    {9, 7, "SITA_HU_0"},  {8, 8, "SITA_SYA_0"},  {1, 9, "SITA_KYOU_0"},  {2, 9, "SITA_KEI_0"},
    {3, 9, "SITA_GIN_0"}, {4, 9, "SITA_KIN2"},   {5, 9, "SITA_OU"},      {6, 9, "SITA_KIN"},
    {7, 9, "SITA_GIN_1"}, {8, 9, "SITA_KEI_0"},  {9, 9, "SITA_KYOU2_1"}, {11, 3, "SITA_HU_0"},
    {11, 4, "KARA_MASU"}, {11, 5, "KARA_MASU"},  {11, 6, "KARA_MASU"},   {11, 7, "KARA_MASU"},
    {11, 8, "KARA_MASU"}, {11, 9, "SITA_SYA_0"}, {-1, 1, "KARA_MASU"},   {-1, 2, "UE_KAKU_0"},
    {-1, 3, "KARA_MASU"}, {-1, 4, "KARA_MASU"},  {-1, 5, "KARA_MASU"},   {-1, 6, "KARA_MASU"},
    {-1, 7, "UE_HU_0"}};

QPointF cell(double x, double y) {
  return {70 + 33 * x, 100.0 / 15 + 41 * y};
}

// The window's picture drawing: natural size, top-left corner on the cell
// corner, rounded to whole device pixels.
void put(QPainter& p, const QImage& image, double x, double y, int scale) {
  const QPointF at = cell(x, y) * scale;
  p.drawImage(QPoint(int(std::lround(at.x())), int(std::lround(at.y()))), image);
}

void outline(QPainter& p, double x, double y, int scale) {
  const QPointF a = cell(x, y) * scale, b = cell(x + 1, y + 1) * scale;
  p.setPen(QPen(QColor(0, 128, 0), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(QPoint(int(std::lround(a.x())), int(std::lround(a.y()))),
                   QPoint(int(std::lround(b.x())) - 1, int(std::lround(b.y())) - 1))
                 .adjusted(0, 0, 1, 1));
}

QImage window_corner(const std::map<QString, QImage>& images, int scale,
                     const QString& background) {
  QImage win(QSize(600, 533) * scale, QImage::Format_ARGB32_Premultiplied);
  win.fill(QColor(0, 128, 0));
  QPainter p(&win);
  const QImage& tile = images.at(background);
  for (int x = -3; x <= 28; ++x)
    for (int y = -2; y <= 17; ++y)
      if (x < 1 || x > 9 || y < 1 || y > 9) put(p, tile, x, y, scale);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) put(p, images.at("KARA_MASU"), x, y, scale);
  for (const Placed& s : kScene) put(p, images.at(s.picture), s.x, s.y, scale);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) outline(p, x, y, scale);
  for (int y = 1; y <= 7; ++y) outline(p, -1, y, scale);
  for (int y = 3; y <= 9; ++y) outline(p, 11, y, scale);
  put(p, images.at("QZSHOGI"), 11.1, -0.1, scale);
  return win;
}

}  // namespace

QImage contact_sheet(const std::vector<Picture>& pictures, int scale, const QString& background) {
  std::map<QString, QImage> images;
  for (const Picture& pic : pictures) images[pic.name] = pic.draw(scale);
  const QImage win = window_corner(images, scale, background);

  const int columns = 16, pitch_x = 40 * scale, pitch_y = 58 * scale;
  const int rows = int((pictures.size() + columns - 1) / columns);
  QImage sheet(std::max(win.width(), columns * pitch_x + 150 * scale),
               win.height() + rows * pitch_y + 10 * scale, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(QColor(96, 96, 96));
  QPainter p(&sheet);
  p.drawImage(0, 0, win);
  QFont label;
  label.setPixelSize(5 * scale);
  p.setFont(label);
  p.setPen(Qt::white);
  int i = 0, y0 = win.height() + 6 * scale;
  for (const Picture& pic : pictures) {
    const QImage& img = images[pic.name];
    const int x = (i % columns) * pitch_x + 3 * scale, y = y0 + (i / columns) * pitch_y;
    if (img.width() > 40 * scale) {  // the title goes on the right
      p.drawImage(columns * pitch_x + 4 * scale, y0, img);
    } else {
      p.drawImage(x, y, img);
      p.drawText(QRect(x - 3 * scale, y + img.height(), pitch_x, 8 * scale), Qt::AlignHCenter,
                 pic.name);
      ++i;
    }
  }
  return sheet;
}

}  // namespace qz::art
