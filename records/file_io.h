// Reading outside files safely: only regular files are read (a FIFO or a
// device named like a record or a sound would block or never end), never more
// than a given size, and a failure comes with a reason in the program's words.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace qz {

// The system's error texts that a user meets most often (name too long, no
// space, read-only file system, no permission, not found, is a folder) in the
// program's language; the system's own text for any other number.
std::string システムエラー文(int 番号);

enum class ファイル操作 { 読込, 書込 };
// The reason a file could not be read or written, in the program's words
// where the case is a common one, else the system's.
std::string ファイル操作の理由(int 番号, ファイル操作 何);

struct 通常ファイル読込結果 {
  int 番号 = 0;                     // errno of the failure; 0 when read, or for the two below
  bool 通常ファイルでない = false;  // a FIFO, a device, a socket or a folder
  bool 大きすぎる = false;          // longer than the limit
  std::string 内容;                 // the bytes, when all of the above are clear
  bool 成功() const { return 番号 == 0 && !通常ファイルでない && !大きすぎる; }
};

// Opens without blocking, checks that the path names a regular file and
// reads at most 上限 bytes of it; anything else is a failure, and nothing is
// read from a FIFO or a device.
通常ファイル読込結果 通常ファイル読込(const std::filesystem::path& パス, std::size_t 上限);

// "ﾌｫﾙﾀﾞです" or "通常のﾌｧｲﾙではありません": what a failure of kind
// 通常ファイルでない says about the path.
std::string 通常でない理由(const std::filesystem::path& パス);

}  // namespace qz
