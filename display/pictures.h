// The picture table: which picture a code asks for.
#pragma once

#include <optional>

#include "display/surface.h"

namespace qz {

// The picture of a code, or none: 0 the empty square, a piece code (its
// frozen set when 氷結), 1 the title, 2..6 the background tiles; anything
// else (±111 included) draws nothing.
std::optional<Picture> 絵の選択(int 駒種類, bool 氷結 = false);

}  // namespace qz
