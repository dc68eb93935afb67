#include "shell/sound/assets_dir.h"

#include <array>
#include <system_error>

namespace qz {
namespace {

bool holds_assets(const std::filesystem::path& dir) {
  std::error_code ec;
  return std::filesystem::is_directory(dir / "pictures", ec) ||
         std::filesystem::is_directory(dir / "sounds", ec);
}

}  // namespace

std::filesystem::path current_executable() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path{} : exe;
}

std::filesystem::path find_assets_dir(const std::filesystem::path& executable) {
  if (!executable.empty()) {
    const auto dir = executable.parent_path();
    for (const auto& candidate :
         std::array{dir / "assets", dir / ".." / "assets", dir / ".." / ".." / "assets",
                    dir / ".." / "share" / "qzshogi"}) {
      if (holds_assets(candidate)) return candidate.lexically_normal();
    }
  }
#ifdef QZ_ASSETS_DIR
  if (holds_assets(QZ_ASSETS_DIR)) return std::filesystem::path(QZ_ASSETS_DIR);
#endif
  return {};
}

}  // namespace qz
