// Where the settings file lives: the start folder from a build tree, the
// per-user folder when installed or when the start folder is read-only.
#include "shell/settings_location.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "shell/settings_file.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

class SettingsLocation : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("qz_location_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root);
    for (const char* d : {"usr/bin", "usr/share/qzshogi/pictures", "build/shell", "start", "home"})
      fs::create_directories(root / d);
  }
  void TearDown() override { fs::remove_all(root); }
  Surroundings from(const char* exe, std::string xdg = "") const {
    return {root / exe, root / "start", true, std::move(xdg), (root / "home").string()};
  }
  fs::path root;
};

TEST_F(SettingsLocation, FolderByHowTheProgramIsRun) {
  const fs::path userDefault = root / "home/.config/qzshogi";
  struct Case {
    const char* exe;
    std::string xdg;
    fs::path expected;
  } cases[] = {
      {"build/shell/qzshogi", "", root / "start"},
      {"build/shell/qzshogi", (root / "xdg").string(), root / "start"},
      {"usr/bin/qzshogi", "", userDefault},
      {"usr/bin/qzshogi", (root / "xdg").string(), root / "xdg/qzshogi"},
      {"usr/bin/qzshogi", "relative/config", userDefault},
  };
  for (const Case& c : cases)
    EXPECT_EQ(settingsFolder(from(c.exe, c.xdg)), c.expected) << c.exe << " " << c.xdg;
}

TEST_F(SettingsLocation, ReadOnlyStartFolderUsesTheUserFolder) {
  Surroundings s = from("build/shell/qzshogi");
  s.currentWritable = false;
  EXPECT_EQ(settingsFolder(s), root / "home/.config/qzshogi");
}

TEST_F(SettingsLocation, AnOldFileInTheStartFolderMovesAcrossUnchangedOnce) {
  const std::string old = "\x94\x77\x8C\x69\x89\xE6=\x92\x7C\r\nBGM=OFF\r\n";
  std::ofstream(root / "start" / SettingsFile::defaultPath(), std::ios::binary) << old;
  const fs::path file = settingsPath(from("usr/bin/qzshogi"));
  ASSERT_EQ(file, root / "home/.config/qzshogi" / SettingsFile::defaultPath());
  std::ifstream in(file, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), old);
  // The per-user file, once there, is never overwritten by the old one.
  std::ofstream(file, std::ios::binary | std::ios::trunc) << "BGM=ON\r\n";
  settingsPath(from("usr/bin/qzshogi"));
  EXPECT_EQ(SettingsFile(file).readLines(), std::vector<std::string>{"BGM=ON"});
}

}  // namespace
}  // namespace qz
