// A contact sheet of the pictures, for looking at them: a corner of the
// window with a game in progress on the board, then every picture.
#pragma once

#include <QImage>
#include <vector>

#include "tools/pictures.h"

namespace qz::art {

QImage contact_sheet(const std::vector<Picture>& pictures, int scale, const QString& background);

}  // namespace qz::art
