// Writing over what is not a plain file: FIFOs, devices and the program's
// own open files are written where they are, links are followed, and what
// was there stays what it was.
#include "records/file_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <future>

#include "tests/test_files.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

using FileWrite = TempFolderTest;

// What a reader of the FIFO gets while f runs.
template <class F>
std::string readFifoDuring(const fs::path& fifo, F f) {
  auto reader = std::async(std::launch::async, [&] { return readBytes(fifo); });
  f();
  return reader.get();
}

TEST_F(FileWrite, FifosAndDevicesAreWrittenInPlace) {
  const fs::path fifo = folder / "p.kif";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  // A window must not hang on a FIFO that nobody reads.
  EXPECT_EQ(ファイル置換書込(fifo, "x"), "読み手のいないﾊﾟｲﾌﾟです");
  EXPECT_EQ(readFifoDuring(fifo, [&] {
              EXPECT_EQ(ファイル置換書込(fifo, "record", {.読み手を待つ = true}), "");
            }),
            "record");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(ファイル置換書込("/dev/null", "record"), "");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

// /dev/fd/N (and /dev/stdout, /proc/self/fd/1) is the open file itself: a
// pipe gets the text, a file opened for appending gets it at its end.
TEST_F(FileWrite, TheProgramsOwnOpenFilesAreWrittenThroughTheirDescriptor) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  EXPECT_EQ(ファイル置換書込("/dev/fd/" + std::to_string(ends[1]), "piped"), "");
  ::close(ends[1]);
  char got[16] = {};
  EXPECT_EQ(::read(ends[0], got, sizeof got), 5);
  EXPECT_EQ(std::string(got), "piped");
  ::close(ends[0]);

  const fs::path log = folder / "log.usi";
  writeBytes(log, "old ");
  const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(ファイル置換書込("/proc/self/fd/" + std::to_string(fd), "new"), "");
  ::close(fd);
  EXPECT_EQ(readBytes(log), "old new");
}

// A link is followed, also when it dangles, and stays a link; the file it
// names is replaced as any file is.
TEST_F(FileWrite, LinksAreFollowedAndStayLinks) {
  fs::create_directory(folder / "d");
  writeBytes(folder / "d" / "target.txt", "old");
  fs::create_symlink("d/target.txt", folder / "link.kif");
  fs::create_symlink("link.kif", folder / "link2.kif");
  EXPECT_EQ(ファイル置換書込(folder / "link2.kif", "new"), "");
  EXPECT_EQ(readBytes(folder / "d" / "target.txt"), "new");
  EXPECT_TRUE(fs::is_symlink(folder / "link.kif"));
  EXPECT_TRUE(fs::is_symlink(folder / "link2.kif"));

  fs::create_symlink("d/made.csa", folder / "dangling.csa");
  EXPECT_EQ(ファイル置換書込(folder / "dangling.csa", "made"), "");
  EXPECT_EQ(readBytes(folder / "d" / "made.csa"), "made");
  EXPECT_TRUE(fs::is_symlink(folder / "dangling.csa"));

  fs::create_symlink("loop.kif", folder / "loop.kif");
  EXPECT_NE(ファイル置換書込(folder / "loop.kif", "x"), "");
  EXPECT_TRUE(fs::is_symlink(folder / "loop.kif"));
  fs::create_symlink("d", folder / "dir.kif");
  EXPECT_EQ(ファイル置換書込(folder / "dir.kif", "x"), "同じ名前のﾌｫﾙﾀﾞがあります");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder / "d"), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace qz
