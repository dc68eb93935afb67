#include "shell/assets.h"

#include <array>
#include <system_error>
#include <vector>

#ifndef QZ_SOURCE_ASSETS
#define QZ_SOURCE_ASSETS ""
#endif

namespace qz {

std::filesystem::path findPictureDirectory() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  std::vector<std::filesystem::path> candidates;
  if (!ec) {
    const auto dir = exe.parent_path();
    for (const auto& up : {dir, dir.parent_path(), dir.parent_path().parent_path()})
      candidates.push_back(up / "assets");
    candidates.push_back(dir.parent_path() / "share" / "qzshogi");
  }
  candidates.emplace_back(QZ_SOURCE_ASSETS);
  for (const auto& c : candidates) {
    if (c.empty()) continue;
    const auto pictures = c / "pictures";
    if (std::filesystem::is_directory(pictures, ec)) return pictures;
  }
  return {};
}

}  // namespace qz
