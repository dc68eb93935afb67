// qzshogi-kifu: conversions by extension and through standard input and
// output, the final position, and the one-line failures.
#include "converter/converter.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <future>
#include <sstream>

#include "engine/engine.h"
#include "records/formats.h"
#include "records/kifu.h"
#include "records/kifu_file.h"
#include "rules/sfen.h"
#include "tests/test_files.h"

namespace qz {
namespace {

struct 実行結果 {
  int 終了;
  std::string 出力, エラー;
};

実行結果 実行(const std::vector<std::string>& 引数, const std::string& 入力 = "") {
  std::istringstream in(入力);
  std::ostringstream out, err;
  const int r = 変換実行(引数, in, out, err);
  return {r, out.str(), err.str()};
}

TEST(Converter, ThroughStandardInputAndOutput) {
  const std::string usi = "position startpos moves 7g7f 3c3d 8h2b+ 3a2b";
  const 実行結果 csa = 実行({"--from", "usi", "-", "--to", "csa", "-"}, usi);
  ASSERT_EQ(csa.終了, 0) << csa.エラー;
  EXPECT_TRUE(csa.出力.starts_with("V2.2\r\n"));
  EXPECT_NE(csa.出力.find("+8822UM\r\nT0\r\n-3122GI\r\n"), std::string::npos);
  // The format of standard input is found from its content.
  const 実行結果 back = 実行({"-", "--to", "usi", "-"}, csa.出力);
  EXPECT_EQ(back.出力, usi + "\n");
  const 実行結果 final = 実行({"--final", "-"}, csa.出力);
  EXPECT_EQ(final.出力, "lnsgkg1nl/1r5s1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL b Bb 5\n");
}

// A branch that cannot be read is told in one line after the game is
// converted without it; a conversion that fails says only why it failed.
TEST(Converter, ABadBranchIsToldInOneLineOnlyWhenTheGameIsConverted) {
  const std::string kif = "   1 ７六歩(77)\n   2 ３四歩(33)\n変化：5手\n   5 ２六歩(27)\n";
  const 実行結果 ok = 実行({"--from", "kif", "-", "--to", "usi", "-"}, kif);
  EXPECT_EQ(ok.終了, 0);
  EXPECT_EQ(ok.出力, "position startpos moves 7g7f 3c3d\n");
  EXPECT_TRUE(ok.エラー.starts_with("qzshogi-kifu: 標準入力 の 3行目からの変化が読めません"))
      << ok.エラー;
  EXPECT_EQ(std::count(ok.エラー.begin(), ok.エラー.end(), '\n'), 1);
  const 実行結果 bad = 実行({"--from", "kif", "-", "nowhere"}, kif);
  EXPECT_EQ(bad.終了, 1);
  EXPECT_EQ(std::count(bad.エラー.begin(), bad.エラー.end(), '\n'), 1) << bad.エラー;
}

TEST(Converter, FilesByTheirExtensionsAndTheNativeFormatUnchanged) {
  const auto 場所 =
      std::filesystem::temp_directory_path() / ("qzkifu_" + std::to_string(::getpid()));
  std::filesystem::create_directories(場所);
  // A .棋譜 written by the program's own writer, to KIF and back, byte for byte.
  const 手順 手[] = {{3, 7, 3, 6, 0, -歩, -歩, 0, 12, 0, 0}, {7, 3, 7, 4, 0, 歩, 歩, 12, 12, 0, 5}};
  const std::string 元 = 棋譜符号化({"対局", "上の人", "下の人"}, 手).内容;
  writeBytes(場所 / "a.棋譜", 元);
  EXPECT_EQ(実行({(場所 / "a.棋譜").string(), (場所 / "b.kif").string()}).終了, 0);
  EXPECT_EQ(実行({(場所 / "b.kif").string(), (場所 / "c.kifu").string()}).終了, 0);
  EXPECT_EQ(実行({(場所 / "c.kifu").string(), (場所 / "d.棋譜").string()}).終了, 0);
  EXPECT_EQ(readBytes(場所 / "d.棋譜"), 元);
  EXPECT_NE(readBytes(場所 / "c.kifu").find("先手：下の人\r\n後手：上の人\r\n"), std::string::npos);
  std::filesystem::remove_all(場所);
}

TEST(Converter, FailuresAreOneLineAndExitOne) {
  struct Case {
    std::vector<std::string> 引数;
    std::string 入力, エラー;
  };
  const Case cases[] = {
      {{"--final", "-"},
       "position startpos moves 7g7f 5e5d",
       "qzshogi-kifu: 標準入力 の "
       "1行目が読めません（5e5d：移動元に駒がありません）。1手目まで読みました\n"},
      {{"/nonexistent/x.kif", "y.csa"},
       "",
       "qzshogi-kifu: /nonexistent/x.kif を読み込めません（ﾌｧｲﾙがありません）\n"},
      {{"-", "x.txt"},
       "position startpos",
       "qzshogi-kifu: x.txt の形式が分かりません（--to で指定して下さい）\n"},
      {{"--to", "abc", "-", "-"}, "", "qzshogi-kifu: 形式「abc」が分かりません\n"},
      {{"-x"}, "", "qzshogi-kifu: オプション「-x」が分かりません\n"},
      {{"--to", "kif", "-", "-"},
       "N+名前😀\nPI\n+\n",
       "qzshogi-kifu: - に書けません（KIFファイル（Shift-JIS）に書けない文字があります：「😀」）\n"},
  };
  for (const Case& c : cases) {
    const 実行結果 r = 実行(c.引数, c.入力);
    EXPECT_EQ(r.終了, 1);
    EXPECT_EQ(r.エラー, c.エラー);
    EXPECT_EQ(r.出力, "");
  }
  EXPECT_EQ(実行({"a"}).エラー.find("qzshogi-kifu: 使い方"), 0u);
}

// Standard input that never ends: a '#' comment line after another.
class EndlessComments : public std::streambuf {
 public:
  explicit EndlessComments(std::size_t bytes) : left_(bytes) {}

 private:
  int_type underflow() override {
    if (left_ == 0) return traits_type::eof();
    const std::size_t n = std::min(left_, sizeof chunk_);
    std::fill_n(chunk_, n, '#');
    chunk_[n - 1] = '\n';
    left_ -= n;
    setg(chunk_, chunk_, chunk_ + n);
    return traits_type::to_int_type(chunk_[0]);
  }
  std::size_t left_;
  char chunk_[1 << 16];
};

// Standard output on a full disk: it takes text into its buffer and fails
// once that is flushed.
class FullDisk : public std::streambuf {
 public:
  FullDisk() { setp(buffer_, buffer_ + sizeof buffer_); }

 private:
  int_type overflow(int_type) override { return traits_type::eof(); }
  int sync() override { return -1; }
  char buffer_[4096];
};

TEST(Converter, StandardInputHasTheFilesSizeLimitAndAFullOutputFails) {
  EndlessComments big(棋譜最大バイト数 + 1);
  std::istream in(&big);
  std::ostringstream out, err;
  EXPECT_EQ(変換実行({"--from", "kif", "--final", "-"}, in, out, err), 1);
  EXPECT_EQ(err.str(), "qzshogi-kifu: 標準入力 を読み込めません（棋譜ﾌｧｲﾙが大きすぎます）\n");

  for (const std::vector<std::string>& 引数 :
       {std::vector<std::string>{"--final", "-"}, {"-", "--to", "usi", "-"}}) {
    std::istringstream usi("position startpos moves 7g7f");
    FullDisk full;
    std::ostream 満杯(&full);
    std::ostringstream err2;
    EXPECT_EQ(変換実行(引数, usi, 満杯, err2), 1);
    EXPECT_EQ(err2.str(), "qzshogi-kifu: 標準出力に書き込めません\n");
  }
}

// A FIFO named as the output is written once a reader comes, and stays a
// FIFO; a link to a file writes that file.
TEST(Converter, WritesThroughFifosAndLinks) {
  const auto 場所 =
      std::filesystem::temp_directory_path() / ("qzkifu_fifo_" + std::to_string(::getpid()));
  std::filesystem::create_directories(場所);
  const auto fifo = 場所 / "p.kifu";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  auto reader = std::async(std::launch::async, [&] { return readBytes(fifo); });
  EXPECT_EQ(実行({"--from", "usi", "-", fifo.string()}, "position startpos moves 7g7f").終了, 0);
  EXPECT_NE(reader.get().find("７六歩(77)"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  std::filesystem::create_symlink("target.txt", 場所 / "link.usi");
  EXPECT_EQ(実行({"--from", "usi", "-", (場所 / "link.usi").string()}, "position startpos").終了, 0);
  EXPECT_EQ(readBytes(場所 / "target.txt"), "position startpos\n");
  EXPECT_TRUE(std::filesystem::is_symlink(場所 / "link.usi"));
  std::filesystem::remove_all(場所);
}


// A position no game can reach: the engine, the converter and the window's
// reading refuse it for the one reason the codec gives, and so does another
// format's reader for the same fault (here on the initial position).
TEST(UnreachableSfen, RefusedEverywhereForTheSameReason) {
  const std::array<std::string, 3> cases[] = {
      {"4k4/9/9/9/9/9/9/9/K7K b - 1", "a side has more than one king", "P+11OU\n+\n"},
      {"P3k4/9/9/9/9/9/9/9/4K4 b - 1", "a pawn on the last rank could never move", "P+91FU\n+\n"},
  };
  for (const auto& [sfen, reason, csa] : cases) {
    SFEN不備 why;
    ASSERT_FALSE(SFEN読込(sfen, &why));
    EXPECT_EQ(SFEN不備の英文(why), reason);
    EngineState st;
    std::ostringstream engine;
    handleCommand(st, "position sfen " + sfen, engine);
    EXPECT_EQ(engine.str(), "info string bad sfen: " + reason + "; the position is unchanged\n");
    const std::string 文 =
        "1行目が読めません（" + SFEN不備の文(why).日本語() + "）。0手目まで読みました";
    EXPECT_EQ(実行({"--final", "-"}, sfen).エラー, "qzshogi-kifu: 標準入力 の " + 文 + "\n");
    const 窓の読込 w = 窓に読む(棋譜形式::不明, sfen, "クリップボード");
    ASSERT_FALSE(w.知らせ.empty());
    EXPECT_NE(w.知らせ[0].文言.日本語().find("（" + SFEN不備の文(why).日本語() + "）"),
              std::string::npos);
    EXPECT_TRUE(w.対局.手.empty());
    EXPECT_EQ(棋譜を読む(棋譜形式::CSA, csa).不正理由, SFEN不備の文(why));
  }
}

}  // namespace
}  // namespace qz
