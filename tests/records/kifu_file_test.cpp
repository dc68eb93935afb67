// Record files on disk: saving through a temporary file, reading back,
// and failures that leave what was there.
#include "records/kifu_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include "records/file_io.h"
#include "tests/test_files.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

class KifuFile : public TempFolderTest {
 protected:
  // Everything in the folder, to see that no temporary file is left.
  std::vector<std::string> Listing() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  // A history of n moves with the current position at 現在.
  static 手順記録 History(int n, int 現在) {
    手順記録 h;
    盤配列 board{};
    for (int i = 0; i < n; ++i) h.手順保存(board, 3, 7, 3, 6, -歩, -歩, i, i + 0.5, 0, 0);
    h.手順_現在 = 現在;
    return h;
  }

  const 棋譜見出し header_{"対局", "上", "下"};
};

TEST_F(KifuFile, SavesOnlyTheMovesUpToTheCurrentOne) {
  const 棋譜ファイル結果 r = 棋譜書込(folder, "game", header_, History(20, 17));
  EXPECT_TRUE(r.成功);
  EXPECT_EQ(r.文言.日本語(), "棋譜を書き込みました");
  EXPECT_EQ(r.題.日本語(), "  ");
  EXPECT_EQ(Listing(), std::vector<std::string>{"game.棋譜"});
  const std::string bytes = readBytes(folder / "game.棋譜");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 3 + 17);
  const 棋譜ファイル読込結果 back = 棋譜ファイル読込(folder / "game.棋譜");
  ASSERT_TRUE(back.成功);
  EXPECT_EQ(back.内容.手.size(), 17u);
  EXPECT_EQ(back.内容.手[16].前秒M, 16);
  EXPECT_EQ(back.内容.見出し.対局名, "対局");
}

TEST_F(KifuFile, ChecksComeInTheirOrderAndWriteNothing) {
  struct Case {
    std::string name;
    int 現在;
    棋譜見出し header;
    std::string 文言, 題;
  };
  const Case cases[] = {
      {"", 0, {}, "ﾌｧｲﾙ名が入力されていません", "  "},
      {"a", 0, {}, "保存するデータがありません", "棋譜保存"},
      {"a/b", 1, {}, "ﾌｧｲﾙ名に使えない文字があります：「/」", "棋譜保存"},
      {"a\\b\tc", 1, {}, "ﾌｧｲﾙ名に使えない文字があります：「\\」「制御文字」", "棋譜保存"},
      {"a", 1, {"t", "上", "下😀"}, "先手に棋譜ﾌｧｲﾙに書けない文字があります：「😀」", "棋譜保存"},
  };
  for (const Case& c : cases) {
    const 棋譜ファイル結果 r = 棋譜書込(folder, c.name, c.header, History(3, c.現在));
    EXPECT_FALSE(r.成功);
    EXPECT_EQ(r.文言.日本語(), c.文言);
    EXPECT_EQ(r.題.日本語(), c.題);
  }
  EXPECT_TRUE(Listing().empty());
}

TEST_F(KifuFile, MissingFolderGivesTheReason) {
  const 棋譜ファイル結果 r = 棋譜書込(folder / "nowhere", "a", header_, History(2, 2));
  EXPECT_FALSE(r.成功);
  EXPECT_EQ(r.文言.日本語(), "棋譜を書き込めませんでした\nﾌｫﾙﾀﾞがありません");
  EXPECT_EQ(r.題.日本語(), "棋譜保存");
  EXPECT_TRUE(Listing().empty());
}

TEST_F(KifuFile, TargetThatIsAFolderStaysAndNoTemporaryIsLeft) {
  fs::create_directory(folder / "a.棋譜");
  writeBytes(folder / "a.棋譜" / "inside", "x");
  const 棋譜ファイル結果 r = 棋譜書込(folder, "a", header_, History(2, 2));
  EXPECT_FALSE(r.成功);
  EXPECT_EQ(r.文言.日本語(), "棋譜を書き込めませんでした\n同じ名前のﾌｫﾙﾀﾞがあります");
  EXPECT_EQ(Listing(), std::vector<std::string>{"a.棋譜"});
  EXPECT_EQ(readBytes(folder / "a.棋譜" / "inside"), "x");
}

// The disk fills up half-way through the write (a file-size limit stands in
// for it): the record saved before is untouched and no partial file remains.
TEST_F(KifuFile, FailedWriteLeavesTheOldRecordIntact) {
  ASSERT_TRUE(棋譜書込(folder, "a", header_, History(2, 2)).成功);
  const std::string old = readBytes(folder / "a.棋譜");
  const 棋譜ファイル結果 r =
      withFileSizeLimit(1000, [&] { return 棋譜書込(folder, "a", header_, History(600, 600)); });
  EXPECT_FALSE(r.成功);
  EXPECT_EQ(r.文言.日本語().rfind("棋譜を書き込めませんでした\n", 0), 0u) << r.文言.日本語();
  EXPECT_EQ(readBytes(folder / "a.棋譜"), old);
  EXPECT_EQ(Listing(), std::vector<std::string>{"a.棋譜"});
}

TEST_F(KifuFile, ReplacesAnExistingRecord) {
  writeBytes(folder / "a.棋譜", "old");
  ASSERT_TRUE(棋譜書込(folder, "a", header_, History(1, 1)).成功);
  EXPECT_EQ(
      readBytes(folder / "a.棋譜"),
      "\x91\xce\x8b\xc7\r\n\x8f\xe3\r\n\x89\xba\r\n 3736 -10 -10   0    0    0    0    0\r\n");
}

TEST_F(KifuFile, UnreadableFilesAreRefusedWithTheReason) {
  struct Case {
    fs::path path;
    std::string 文言;
  };
  fs::create_directory(folder / "d.棋譜");
  // A FIFO with no writer would block a plain open, and then its read, forever.
  ASSERT_EQ(::mkfifo((folder / "f.棋譜").c_str(), 0644), 0);
  const Case cases[] = {
      {folder / "missing.棋譜", "棋譜ﾌｧｲﾙを読み込めませんでした\nﾌｧｲﾙがありません"},
      {folder / "d.棋譜", "棋譜ﾌｧｲﾙを読み込めませんでした\nﾌｫﾙﾀﾞです"},
      {folder / "f.棋譜", "棋譜ﾌｧｲﾙを読み込めませんでした\n通常のﾌｧｲﾙではありません"},
      {"/dev/zero", "棋譜ﾌｧｲﾙを読み込めませんでした\n通常のﾌｧｲﾙではありません"},
      {folder / (std::string(300, 'n') + ".棋譜"),
       "棋譜ﾌｧｲﾙを読み込めませんでした\nﾌｧｲﾙ名が長すぎます"},
  };
  for (const Case& c : cases) {
    const 棋譜ファイル読込結果 r = 棋譜ファイル読込(c.path);
    EXPECT_FALSE(r.成功);
    EXPECT_EQ(r.文言.日本語(), c.文言);
    EXPECT_EQ(r.題.日本語(), "棋譜");
  }
}

// A record the user marked read-only is not replaced; one that is replaced
// keeps its mode.
TEST_F(KifuFile, ReadOnlyRecordIsRefusedAndAReplacedOneKeepsItsMode) {
  const fs::path a = folder / "a.棋譜";
  writeBytes(a, "old");
  fs::permissions(a, fs::perms::owner_read | fs::perms::group_read);
  const 棋譜ファイル結果 r = 棋譜書込(folder, "a", header_, History(1, 1));
  EXPECT_FALSE(r.成功);
  EXPECT_EQ(r.文言.日本語(), "棋譜を書き込めませんでした\n書き込み禁止のﾌｧｲﾙです");
  EXPECT_EQ(readBytes(a), "old");

  fs::permissions(a, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(棋譜書込(folder, "a", header_, History(1, 1)).成功);
  EXPECT_EQ(fs::status(a).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Listing(), std::vector<std::string>{"a.棋譜"});
}

// A write killed half-way leaves its hidden temporary file, whatever it
// wrote; the next write into the folder removes those whose process has
// ended, and nothing else.
TEST_F(KifuFile, TemporariesOfEndedWritesAreRemovedAndNothingElse) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ::waitpid(child, nullptr, 0);
  const std::string dead = std::to_string(child), alive = std::to_string(::getppid());
  const std::vector<std::string> kept = {".b.棋譜." + alive + ".0.tmp",  // a write still going on
                                         ".b.棋譜." + dead + ".x.tmp",
                                         "." + dead + ".0.tmp",
                                         "b.棋譜." + dead + ".0.tmp",
                                         "b.棋譜"};
  for (const std::string& n : kept) writeBytes(folder / n, "x");
  for (const std::string n : {".b.棋譜.", ".game.kif.", ".QZ氷結将棋.ini.", ".棋譜."})
    writeBytes(folder / (n + dead + ".3.tmp"), std::string(1000, 'x'));
  fs::create_directory(folder / (".c.棋譜." + dead + ".0.tmp"));
  ASSERT_TRUE(棋譜書込(folder, "a", header_, History(1, 1)).成功);
  std::vector<std::string> expected = kept;
  expected.push_back(".c.棋譜." + dead + ".0.tmp");
  expected.push_back("a.棋譜");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Listing(), expected);
}

// The system's texts a user meets most are given in the program's words.
TEST(SystemErrorText, CommonOnesInJapaneseOthersAsTheSystemSays) {
  const std::pair<int, std::string> cases[] = {
      {ENAMETOOLONG, "ﾌｧｲﾙ名が長すぎます"},
      {ENOSPC, "ﾃﾞｨｽｸがいっぱいです"},
      {EROFS, "書き込み禁止のﾃﾞｨｽｸです"},
      {EACCES, "許可されていません"},
      {ENOENT, "見つかりません"},
      {EISDIR, "ﾌｫﾙﾀﾞです"},
      {EIO, std::strerror(EIO)},
  };
  for (const auto& [number, text] : cases) EXPECT_EQ(システムエラー文(number), text) << number;
}

TEST_F(KifuFile, PathJoinsFolderNameAndExtension) {
  EXPECT_EQ(棋譜パス("/tmp/x", "第1局"), fs::path("/tmp/x") / fs::path(u8"第1局.棋譜"));
}

}  // namespace
}  // namespace qz
