// The program's icon: a frozen shogi piece on a night-blue tile, drawn from
// the same outlines as a PNG at any size and as an SVG.
#pragma once

#include <QImage>
#include <QString>

namespace qz::art {

// The icon as a square image of `size` device pixels.
QImage icon_image(int size);
// The icon as the text of a scalable SVG file.
QString icon_svg();

}  // namespace qz::art
