// The pictures the program loads, each with its name, its size at 1× and a
// painter that renders it at any whole-number scale.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

namespace qz::art {

struct Picture {
  QString name;
  QSize logical;
  std::function<QImage(int scale)> draw;
};

// The empty square and the 56 piece pictures (both sides, both sets).
std::vector<Picture> piece_pictures();
// The five background tiles.
std::vector<Picture> tile_pictures();
// The title picture.
Picture title_picture();

}  // namespace qz::art
