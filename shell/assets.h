// Where the program's pictures are, wherever it is started from.
#pragma once

#include <filesystem>

namespace qz {

// The folder holding the pictures (NAME.png, NAME@2x.png ...): the assets
// folder beside the program or above it (a build tree), share/qzshogi/
// beside bin/ (installed), or the source tree it was built from. Empty when
// none is found.
std::filesystem::path findPictureDirectory();

}  // namespace qz
