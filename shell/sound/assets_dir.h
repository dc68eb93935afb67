// Finding the program's own assets (pictures and sounds) from where the
// executable lives, so they are found wherever the program is started.
#pragma once

#include <filesystem>

namespace qz {

// The running program's own file (from /proc/self/exe); empty if unknown.
std::filesystem::path current_executable();

// The assets folder for an executable: the first of <exe dir>/assets,
// <exe dir>/../assets, <exe dir>/../../assets (a build tree),
// <exe dir>/../share/qzshogi (installed) and the source tree's assets
// folder named at build time that holds pictures/ or sounds/. Empty when
// none does.
std::filesystem::path find_assets_dir(const std::filesystem::path& executable);

}  // namespace qz
