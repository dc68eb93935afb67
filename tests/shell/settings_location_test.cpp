// Where the settings file lives: the start folder from a build tree, the
// per-user folder when installed or when the start folder is read-only.
#include "shell/settings_location.h"

#include <gtest/gtest.h>

#include "shell/settings_file.h"
#include "tests/test_files.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

class SettingsLocation : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    for (const char* d : {"usr/bin", "usr/share/qzshogi/pictures", "build/shell", "start", "home"})
      fs::create_directories(folder / d);
  }
  Surroundings from(const char* exe, std::string xdg = "") const {
    return {folder / exe, folder / "start", true, std::move(xdg), (folder / "home").string()};
  }
};

TEST_F(SettingsLocation, FolderByHowTheProgramIsRun) {
  const fs::path userDefault = folder / "home/.config/qzshogi";
  struct Case {
    const char* exe;
    std::string xdg;
    fs::path expected;
  } cases[] = {
      {"build/shell/qzshogi", "", folder / "start"},
      {"build/shell/qzshogi", (folder / "xdg").string(), folder / "start"},
      {"usr/bin/qzshogi", "", userDefault},
      {"usr/bin/qzshogi", (folder / "xdg").string(), folder / "xdg/qzshogi"},
      {"usr/bin/qzshogi", "relative/config", userDefault},
  };
  for (const Case& c : cases)
    EXPECT_EQ(settingsFolder(from(c.exe, c.xdg)), c.expected) << c.exe << " " << c.xdg;
}

TEST_F(SettingsLocation, ReadOnlyStartFolderUsesTheUserFolder) {
  Surroundings s = from("build/shell/qzshogi");
  s.currentWritable = false;
  EXPECT_EQ(settingsFolder(s), folder / "home/.config/qzshogi");
}

// Without a home the settings stay in the start folder, and with neither
// there are none: never a folder made at the root of the file system.
TEST_F(SettingsLocation, WithoutAHomeTheStartFolderOrNone) {
  for (const std::string home : {"", "relative/home"}) {
    Surroundings s = from("usr/bin/qzshogi", "relative/config");
    s.home = home;
    EXPECT_EQ(settingsFolder(s), folder / "start") << home;
    EXPECT_EQ(settingsPath(s), folder / "start" / SettingsFile::defaultPath());
    s.current = "/";
    EXPECT_EQ(settingsFolder(s), fs::path()) << home;
    EXPECT_EQ(settingsPath(s), fs::path());
  }
  SettingsFile none{fs::path()};
  EXPECT_FALSE(none.readLines().has_value());
  EXPECT_EQ(none.readFailure(), "");
  EXPECT_FALSE(none.writeLines({"BGM=ON"}));
}

TEST_F(SettingsLocation, AnOldFileInTheStartFolderMovesAcrossUnchangedOnce) {
  const std::string old = "\x94\x77\x8C\x69\x89\xE6=\x92\x7C\r\nBGM=OFF\r\n";
  writeBytes(folder / "start" / SettingsFile::defaultPath(), old);
  const fs::path file = settingsPath(from("usr/bin/qzshogi"));
  ASSERT_EQ(file, folder / "home/.config/qzshogi" / SettingsFile::defaultPath());
  EXPECT_EQ(readBytes(file), old);
  // The per-user file, once there, is never overwritten by the old one.
  writeBytes(file, "BGM=ON\r\n");
  settingsPath(from("usr/bin/qzshogi"));
  EXPECT_EQ(SettingsFile(file).readLines(), std::vector<std::string>{"BGM=ON"});
}

}  // namespace
}  // namespace qz
