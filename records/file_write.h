// Writing a file so that a failure never destroys what was there. A regular
// file is replaced by a complete new one, written beside it and renamed over
// it. A FIFO, a terminal or another character device, and the program's own
// open files (/dev/stdout, /dev/fd/N) are written in place, since a rename
// would put a plain file where they were. A symbolic link is followed: the
// file it names is written, the link stays.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qz {

struct 書込方針 {
  // A FIFO that nobody reads yet: wait for a reader, as a command-line tool
  // does, rather than refuse it, as a window must (it would hang).
  bool 読み手を待つ = false;
  // A file marked read-only is refused rather than replaced.
  bool 書込禁止を守る = true;
};

// Writes 内容 to パス as above. A failed replacement removes its new file and
// leaves the old one untouched; before a replacement, the temporary files
// that killed writes of this program left in that folder are removed.
// Returns "" or the reason, in the program's words.
std::string ファイル置換書込(const std::filesystem::path& パス, std::string_view 内容,
                            書込方針 方針 = {});

}  // namespace qz
