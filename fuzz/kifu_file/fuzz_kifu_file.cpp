// Writes arbitrary bytes as a record file in a temporary folder, reads it
// as the window does, writes what was read as a new record and reads that
// again: the same header and moves come back, and the folder holds the two
// records and nothing else.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "records/kifu_file.h"

namespace {

namespace fs = std::filesystem;

void Require(bool ok) {
  if (!ok) std::abort();
}

const fs::path& Folder() {
  // Never destroyed: the clean-up at exit still needs it.
  static const fs::path* const dir = [] {
    // Memory-backed where there is one: every write is flushed to the disk.
    const fs::path shm = "/dev/shm";
    std::string pattern =
        (fs::is_directory(shm) ? shm : fs::temp_directory_path()) / "qz_fuzz_kifu_XXXXXX";
    Require(::mkdtemp(pattern.data()) != nullptr);
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(Folder(), ec);
    });
    return new fs::path(pattern);
  }();
  return *dir;
}

bool SameMoves(const std::vector<qz::手順>& a, const std::vector<qz::手順>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (qz::棋譜行作成(a[i]) != qz::棋譜行作成(b[i])) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path in = qz::棋譜パス(Folder(), "in");
  std::ofstream(in, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  const qz::棋譜ファイル読込結果 read = qz::棋譜ファイル読込(in);
  Require(read.成功);
  const qz::棋譜見出し& h = read.内容.見出し;
  for (const std::string* line : {&h.対局名, &h.上側名, &h.下側名})
    Require(line->size() <= 4 * qz::見出し最大文字数);

  qz::手順記録 記録;
  qz::手順記録へ読込(記録, read.内容.手);
  記録.手順_現在 = 記録.手順_最終;
  const qz::棋譜ファイル結果 written = qz::棋譜書込(Folder(), "out", h, 記録);
  int files = 0;
  for (const auto& e : fs::directory_iterator(Folder())) {
    Require(e.path() == in || e.path() == qz::棋譜パス(Folder(), "out"));
    ++files;
  }
  if (!written.成功) {
    Require(files == 1 || files == 2);
    return 0;
  }
  const qz::棋譜ファイル読込結果 back = qz::棋譜ファイル読込(qz::棋譜パス(Folder(), "out"));
  Require(back.成功 && SameMoves(back.内容.手, read.内容.手));
  Require(back.内容.見出し.対局名 == h.対局名 && back.内容.見出し.上側名 == h.上側名 &&
          back.内容.見出し.下側名 == h.下側名);
  return 0;
}
