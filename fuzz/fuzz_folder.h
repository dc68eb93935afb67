// A folder of a fuzz target's own for the files it makes, memory-backed
// where there is one (every write is flushed to the disk), removed at exit.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace qz_fuzz {

inline void Require(bool ok) {
  if (!ok) std::abort();
}

// The folder, made at the first call with a name starting `prefix`.
inline const std::filesystem::path& Folder(const char* prefix) {
  // Never destroyed: the clean-up at exit still needs it.
  static const std::filesystem::path* const dir = [prefix] {
    namespace fs = std::filesystem;
    const fs::path shm = "/dev/shm";
    std::string pattern = (fs::is_directory(shm) ? shm : fs::temp_directory_path()) /
                          (std::string(prefix) + "_XXXXXX");
    Require(::mkdtemp(pattern.data()) != nullptr);
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(*dir, ec);
    });
    return new fs::path(pattern);
  }();
  return *dir;
}

}  // namespace qz_fuzz
