// The settings file on disk: Shift-JIS with CR LF, written whole.
#include "shell/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/test_files.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

class SettingsOnDisk : public TempFolderTest {
 protected:
  void put(const std::string& bytes) { writeBytes(path(), bytes); }
  std::string bytes() const { return readBytes(path()); }
  fs::path path() const { return folder / SettingsFile::defaultPath(); }
};

TEST_F(SettingsOnDisk, MissingFileCannotBeRead) {
  SettingsFile f(path());
  EXPECT_FALSE(f.readLines().has_value());
}

// A settings file that is there but cannot be read says why; a missing one
// says nothing (the defaults then make a new one).
TEST_F(SettingsOnDisk, UnreadableFileSaysWhy) {
  SettingsFile f(path());
  EXPECT_FALSE(f.readLines().has_value());
  EXPECT_EQ(f.readFailure(), "");
  fs::create_directory(path());
  EXPECT_FALSE(f.readLines().has_value());
  EXPECT_EQ(f.readFailure(), "ﾌｫﾙﾀﾞです");
  fs::remove(path());
  ASSERT_EQ(::mkfifo(path().c_str(), 0644), 0);
  EXPECT_FALSE(f.readLines().has_value());
  EXPECT_EQ(f.readFailure(), "通常のﾌｧｲﾙではありません");
  fs::remove(path());
  put("BGM=ON\r\n");
  fs::permissions(path(), fs::perms::none);
  if (::geteuid() != 0) {  // root reads it all the same
    EXPECT_FALSE(f.readLines().has_value());
    EXPECT_EQ(f.readFailure(), "許可されていません");
  }
}

TEST_F(SettingsOnDisk, WritesShiftJisWithCrLfAndReadsItBack) {
  SettingsFile f(path());
  const std::vector<std::string> lines = {"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"};
  ASSERT_TRUE(f.writeLines(lines));
  const std::string b = bytes();
  // 背景画=緑 in code page 932, then CR LF.
  EXPECT_EQ(b.substr(0, 11), std::string("\x94\x77\x8C\x69\x89\xE6=\x97\xCE\r\n"));
  EXPECT_EQ(b.substr(b.size() - 8), "BGM=ON\r\n");
  EXPECT_EQ(f.readLines(), lines);
  // The temporary file is gone once it has replaced the old one.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(SettingsOnDisk, LineEndsAndOddBytes) {
  SettingsFile f(path());
  put("BGM=ON\r\nBGM=OFF\nx\ry");
  EXPECT_EQ(f.readLines(), (std::vector<std::string>{"BGM=ON", "BGM=OFF", "x", "y"}));
  put("");
  EXPECT_EQ(f.readLines(), std::vector<std::string>{});
  // Half a double-byte character spoils its own line only: the file still
  // has four lines, and the spoiled one matches no setting.
  put("\x94\x77\x8C\x69\x89\xE6=\x92\x7C\r\n\x88\xDA\x93\xAE\x8E\x77\x93\xB1=ON\r\n"
      "\x8C\x6F\x89\xDF\x8E\x9E\x8A\xD4=OFF\r\nBGM=ON\x81\r\n");
  EXPECT_EQ(f.readLines(),
            (std::vector<std::string>{"背景画=竹", "移動指導=ON", "経過時間=OFF", "\xEF\xBF\xBD"}));
  // A trail byte of 0x5C stays inside its character (表 is 0x95 0x5C).
  put("\x95\x5C\r\n");
  EXPECT_EQ(f.readLines(), std::vector<std::string>{"表"});
  // ～ and － exist in code page 932 (not in plain Shift_JIS).
  put("\x81\x60\x81\x7C");
  EXPECT_EQ(f.readLines(), std::vector<std::string>{"～－"});
}

TEST_F(SettingsOnDisk, AFailedWriteLeavesTheOldFileAlone) {
  SettingsFile missing(folder / "no such folder" / "QZ.ini");
  EXPECT_FALSE(missing.writeLines({"BGM=ON"}));
  SettingsFile f(path());
  put("BGM=OFF\r\n");
  EXPECT_FALSE(f.writeLines({"\xF0\x9F\x98\x80"}));  // an emoji has no Shift-JIS form
  EXPECT_EQ(bytes(), "BGM=OFF\r\n");
  fs::create_directories(folder / "blocked");
  SettingsFile dirInTheWay(folder / "blocked");
  EXPECT_FALSE(dirInTheWay.readLines().has_value());
  EXPECT_FALSE(dirInTheWay.writeLines({"BGM=ON"}));
}

// A settings file kept elsewhere through a link is written there, and the
// link stays; a read-only one is replaced as it always was.
TEST_F(SettingsOnDisk, ALinkedSettingsFileIsWrittenWhereItLies) {
  fs::create_directory(folder / "dotfiles");
  writeBytes(folder / "dotfiles" / "qz.ini", "BGM=OFF\r\n");
  fs::create_symlink("dotfiles/qz.ini", path());
  SettingsFile f(path());
  ASSERT_TRUE(f.writeLines({"BGM=ON"}));
  EXPECT_TRUE(fs::is_symlink(path()));
  EXPECT_EQ(readBytes(folder / "dotfiles" / "qz.ini"), "BGM=ON\r\n");
  fs::permissions(folder / "dotfiles" / "qz.ini", fs::perms::owner_read);
  EXPECT_TRUE(f.writeLines({"BGM=OFF"}));
  EXPECT_EQ(f.readLines(), std::vector<std::string>{"BGM=OFF"});
}

// The window's own lines after the four: read when the file is opened,
// written after whatever four lines the program writes, an odd line dropped;
// a file too short to keep them is left alone until the program writes it.
TEST_F(SettingsOnDisk, TheWindowsOwnLinesFollowTheFour) {
  {
    SettingsFile f(path());
    ASSERT_TRUE(f.writeLines({"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON", "言語=English",
                              "no key here", "表示倍率=150", "言語=日本語", "窓=-8,20,900,800"}));
  }
  SettingsFile f(path());
  EXPECT_EQ(f.extra("言語"), "English");  // the first of a key counts
  EXPECT_EQ(f.extra("表示倍率"), "150");
  EXPECT_EQ(f.extra("BGM"), std::nullopt);
  ASSERT_TRUE(f.writeLines({"背景画=竹", "移動指導=ON", "経過時間=OFF", "BGM=OFF"}));
  EXPECT_EQ(f.readLines(), (std::vector<std::string>{"背景画=竹", "移動指導=ON", "経過時間=OFF",
                                                     "BGM=OFF", "言語=English", "表示倍率=150",
                                                     "窓=-8,20,900,800"}));
  // Lines read are written back as they were.
  const auto read = f.readLines();
  ASSERT_TRUE(f.writeLines(*read));
  EXPECT_EQ(f.readLines(), read);
  // A line the program writes after the four outlives the window's next write.
  ASSERT_TRUE(f.writeLines({"背景画=竹", "移動指導=ON", "経過時間=OFF", "BGM=OFF", "棋譜一覧=ON"}));
  ASSERT_TRUE(f.setExtra("表示倍率", "100"));
  EXPECT_EQ(f.readLines()->back(), "棋譜一覧=ON");
  put("BGM=ON\r\n");
  EXPECT_FALSE(f.setExtra("表示倍率", "200"));
  EXPECT_EQ(bytes(), "BGM=ON\r\n");
}

}  // namespace
}  // namespace qz
