#include "shell/sound/module1.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "shell/sound/assets_dir.h"
#include "shell/sound/dsound.h"
#include "tests/shell/sound/wav_image.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

struct Warning {
  std::string text, caption;
};

void write_file(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Runs each test in a fresh current directory with a separate sounds folder.
class Module1Sound : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = testing::TempDir() + "qz_sound_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    fs::create_directories(root_ / "cwd");
    fs::create_directories(root_ / "sounds");
    old_cwd_ = fs::current_path();
    fs::current_path(root_ / "cwd");
  }
  void TearDown() override {
    module_.終了_サウンド();
    fs::current_path(old_cwd_);
    fs::remove_all(root_);
  }

  fs::path root_, old_cwd_;
  std::vector<Warning> warnings_;
  Module1 module_{[this](const 文面& text, const std::string& caption) {
                    warnings_.push_back({text.日本語(), caption});
                  },
                  fs::path()};

  void use_sounds_dir() { module_.set_sounds_dir(root_ / "sounds"); }
};

TEST_F(Module1Sound, LoadsFromTheCurrentDirectoryThenTheSoundsFolder) {
  use_sounds_dir();
  module_.初期化_サウンド(0);
  ASSERT_NE(module_.サウンド_ハンドル, 0);
  write_file("駒打音.wav", test::silent_wav(0.2));
  write_file(root_ / "sounds" / "氷結.wav", test::silent_wav(0.2));
  const auto here = module_.読込_サウンド("駒打音.wav", 3);
  const auto there = module_.読込_サウンド("氷結.wav", 3);
  EXPECT_NE(here, 0);
  EXPECT_NE(there, 0);
  EXPECT_EQ(dsPlay(here), 1);
  EXPECT_EQ(dsPlay(there), 1);
  EXPECT_TRUE(warnings_.empty());
}

TEST_F(Module1Sound, TheCurrentDirectoryWinsEvenWithABadFile) {
  use_sounds_dir();
  module_.初期化_サウンド(0);
  write_file("禁止.wav", {});
  write_file(root_ / "sounds" / "禁止.wav", test::silent_wav(0.2));
  EXPECT_EQ(module_.find_sound_file("禁止.wav"), fs::path("禁止.wav"));
  EXPECT_EQ(module_.読込_サウンド("禁止.wav", 3), 0);
  EXPECT_EQ(warnings_.size(), 1u);
}

TEST_F(Module1Sound, MissingFileIsSilent) {
  use_sounds_dir();
  module_.初期化_サウンド(0);
  EXPECT_EQ(module_.読込_サウンド("BGM.wav", 1), 0);
  EXPECT_TRUE(warnings_.empty());
}

TEST_F(Module1Sound, PresentButUnusableFilesWarnWithTheirReason) {
  module_.初期化_サウンド(0);
  ASSERT_NE(module_.サウンド_ハンドル, 0);
  const std::string text = "no sound here";
  write_file("empty.wav", {});
  write_file("text.wav", std::vector<std::uint8_t>(text.begin(), text.end()));
  fs::create_directory("folder.wav");
  ASSERT_EQ(::mkfifo("fifo.wav", 0644), 0);  // would block a plain open for ever
  const struct {
    const char* file;
    const char* reason;
  } cases[] = {{"empty.wav", "ファイルが空です。"},
               {"text.wav", "再生できる WAV 形式の音ではありません。"},
               {"folder.wav", "ファイルではなくフォルダです。"},
               {"fifo.wav", "通常のファイルではありません。"}};
  for (const auto& c : cases) {
    warnings_.clear();
    EXPECT_EQ(module_.読込_サウンド(c.file, 3), 0) << c.file;
    ASSERT_EQ(warnings_.size(), 1u) << c.file;
    EXPECT_EQ(warnings_[0].caption, "QZ氷結将棋.dll");
    EXPECT_EQ(warnings_[0].text, std::string("「") + c.file + "」を読み込めません。" + c.reason);
  }
}

TEST_F(Module1Sound, WithoutASoundSystemNothingIsReadOrWarned) {
  write_file("empty.wav", {});
  EXPECT_EQ(module_.読込_サウンド("empty.wav", 3), 0);
  EXPECT_TRUE(warnings_.empty());
}

TEST_F(Module1Sound, FailingSoundSystemGivesExactlyTheOneWarning) {
  const char* old = std::getenv("SDL_AUDIODRIVER");
  const std::string saved = old ? old : "";
  setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
  use_sounds_dir();
  write_file("その他.wav", test::silent_wav(0.1));
  write_file("禁止.wav", {});
  module_.初期化_サウンド(0);
  // The start-up sequence: the five sounds, then shutdown.
  for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "氷結.wav"})
    EXPECT_EQ(module_.読込_サウンド(name, 3), 0);
  EXPECT_EQ(module_.読込_サウンド("BGM.wav", 1), 0);
  module_.終了_サウンド();
  setenv("SDL_AUDIODRIVER", saved.c_str(), 1);

  EXPECT_EQ(module_.サウンド_ハンドル, 0);
  ASSERT_EQ(warnings_.size(), 1u);
  EXPECT_EQ(warnings_[0].text, "Direct Soundインターフェースが作成できません。");
  EXPECT_EQ(warnings_[0].caption, "QZ氷結将棋.dll");

  // The system opens normally once a driver is there again.
  module_.初期化_サウンド(0);
  EXPECT_NE(module_.サウンド_ハンドル, 0);
  EXPECT_EQ(warnings_.size(), 1u);
}

TEST_F(Module1Sound, ShutdownTwiceIsHarmless) {
  module_.初期化_サウンド(0);
  module_.終了_サウンド();
  EXPECT_EQ(module_.サウンド_ハンドル, 0);
  module_.終了_サウンド();
  EXPECT_TRUE(warnings_.empty());
}

TEST_F(Module1Sound, AssetsFolderIsFoundBesideOrAboveTheExecutable) {
  fs::create_directories(root_ / "app" / "build" / "shell");
  fs::create_directories(root_ / "app" / "assets" / "sounds");
  EXPECT_EQ(find_assets_dir(root_ / "app" / "build" / "shell" / "qzshogi"),
            (root_ / "app" / "assets").lexically_normal());
  fs::create_directories(root_ / "app" / "build" / "shell" / "assets" / "pictures");
  EXPECT_EQ(find_assets_dir(root_ / "app" / "build" / "shell" / "qzshogi"),
            (root_ / "app" / "build" / "shell" / "assets").lexically_normal());
  // Nowhere near: the source tree's assets, named at build time.
  EXPECT_EQ(find_assets_dir(root_ / "elsewhere" / "qzshogi"), fs::path(QZ_SOURCE_ASSETS));
  EXPECT_FALSE(current_executable().empty());
}

}  // namespace
}  // namespace qz
