// The record-file format: exact bytes out, hand-made bytes in.
#include "records/kifu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "records/sjis.h"

namespace qz {
namespace {

// The sample line of the format: a MAN pawn from (3, 7) to (3, 6), MAN's clock 12.4 -> 20.9.
const 手順 例の手{3, 7, 3, 6, 0, -歩, -歩, 12.4, 20.9, 0, 0};

TEST(KifuLine, ExampleLineIsByteExact) {
  // Fields: "·3" "7" "3" "6" "·-10" "·-10" "···0" "···12" "···20" "····0" "····0".
  EXPECT_EQ(棋譜行作成(例の手), " 3736 -10 -10   0   12   20    0    0");
  EXPECT_EQ(棋譜行作成(例の手).size(), 37u);
}

TEST(KifuLine, FieldsFilledToTheirWidths) {
  struct Case {
    手順 手;
    const char* 行;
  };
  const Case cases[] = {
      // A MAN drop fills columns 1-2 with 11.
      {{11, 3, 5, 5, 0, -歩, -歩, 30, 41, 20, 20}, "11355 -10 -10   0   30   41   20   20"},
      // A COM drop from its stand: -1.
      {{-1, 6, 6, 5, 0, 角, 角, 41, 41, 20, 33}, "-1665 800 800   0   41   41   20   33"},
      // A MAN silver promoting while taking a と: every code field full.
      {{3, 4, 2, 3, 成歩, -銀, -成銀, 1, 2, 3, 4}, " 3423-101-100  11    1    2    3    4"},
      // COM's king: one blank before 950; a captured king.
      {{5, 1, 5, 2, -王, 王, 王, 0, 0, 0, 0}, " 5152 950 950-950    0    0    0    0"},
      // Four integer digits and a fraction; a clock too big for its field.
      {{1, 7, 1, 6, 0, -歩, -歩, 1234.9, 99999.99, 100000, 1e12},
       " 1716 -10 -10   0 1234999999999999999"},
  };
  for (const Case& c : cases) EXPECT_EQ(棋譜行作成(c.手), c.行);
}

TEST(KifuWrite, WholeFileIsByteExactShiftJisWithCrLf) {
  const 棋譜見出し 見出し{"第1局表示", "ｿﾌﾄ", "山田", "後手", "先手"};
  const 手順 手[] = {例の手, {7, 3, 7, 4, 0, 歩, 歩, 20.9, 20.9, 0, 5.5}};
  const 棋譜符号化結果 r = 棋譜符号化(見出し, 手);
  ASSERT_EQ(r.文言.日本語(), "");
  const std::string expected =
      "\x91\xe6"
      "1\x8b\xc7\x95\x5c\x8e\xa6\r\n"  // 第1局表示 (表 ends in 0x5C)
      "\xbf\xcc\xc4\r\n"               // ｿﾌﾄ, half-width
      "\x8e\x52\x93\x63\r\n"           // 山田
      " 3736 -10 -10   0   12   20    0    0\r\n"
      " 7374  10  10   0   20   20    0    5\r\n";
  EXPECT_EQ(r.内容, expected);
}

TEST(KifuWrite, RefusesHeadersShiftJisCannotHoldNamingTheCharacters) {
  const 手順 手[] = {例の手};
  棋譜符号化結果 r = 棋譜符号化({"対局😀€😀", "ok", "山田"}, 手);
  EXPECT_EQ(r.内容, "");
  EXPECT_EQ(r.文言.日本語(), "対局名に棋譜ﾌｧｲﾙに書けない文字があります：「😀」「€」");

  r = 棋譜符号化(見出し作成("t", "a\r\nb", "c", 先手, 先手), 手);
  EXPECT_EQ(r.文言.日本語(), "先手に棋譜ﾌｧｲﾙに書けない文字があります：「改行」");
  EXPECT_EQ(r.内容, "");

  // Characters that come from other keyboards but have a Shift-JIS form pass.
  r = 棋譜符号化({"〜−‖¢£¬—", "～", "髙"}, 手);
  EXPECT_EQ(r.文言.日本語(), "");
}

TEST(KifuWrite, RefusesAMoveItCouldNotReadBack) {
  const 手順 手[] = {例の手, {3, 6, 3, 0, 0, -歩, -歩, 0, 0, 0, 0}};
  const 棋譜符号化結果 r = 棋譜符号化({}, 手);
  EXPECT_EQ(r.内容, "");
  EXPECT_EQ(r.文言.日本語(), "2手目の記録が正しくありません（移動先（3, 0）が盤の外です）");
}

TEST(KifuHeader, UpperSideIsTheSecondPlayerWhenManMovesFirst) {
  棋譜見出し h = 見出し作成("t", "先の人", "後の人", 先手, 先手);
  EXPECT_EQ(h.上側名, "後の人");
  EXPECT_EQ(h.下側名, "先の人");
  h = 見出し作成("t", "先の人", "後の人", 先手, 後手);
  EXPECT_EQ(h.上側名, "先の人");
  EXPECT_EQ(h.下側名, "後の人");
  EXPECT_EQ(h.上側欄, "先手");
}

TEST(KifuRead, LeadingNumberRule) {
  const std::pair<std::u32string, int> cases[] = {
      {U"   3", 3},  {U"-10", -10}, {U" -10", -10}, {U"    ", 0}, {U"", 0},
      {U"12ab", 12}, {U"1 2", 1},   {U"--5", 0},    {U"-", 0},    {U"x12", 0},
      {U"１２", 0},  {U"7.9", 7},   {U"\t42", 42},
  };
  for (const auto& [field, value] : cases) {
    EXPECT_EQ(先頭数値(field), value) << コードポイントからutf8(field);
  }
}

TEST(KifuRead, ReadsHandMadeShiftJisFile) {
  const std::string file =
      "\x91\xe6"
      "1\x8b\xc7\x95\x5c\x8e\xa6\r\n"
      "\x83\x5c\x83\x74\x83\x67\r\n"  // ソフト
      "\x8e\x52\x93\x63\r\n"
      " 3736 -10 -10   0   12   20    0    0\r\n"
      "11355 -10 -10   0   30   41   20   20 and a comment\r\n"  // beyond 37: ignored
      " 5152 950 950-950  1x    -3      99 7\r\n";               // leading numbers
  const 棋譜読込結果 r = 棋譜解読(file);
  EXPECT_EQ(r.見出し.対局名, "第1局表示");
  EXPECT_EQ(r.見出し.上側名, "ソフト");
  EXPECT_EQ(r.見出し.下側名, "山田");
  EXPECT_EQ(r.不正行, 0);
  ASSERT_EQ(r.手.size(), 3u);
  const 手順& a = r.手[0];
  EXPECT_EQ(std::tie(a.元X, a.元Y, a.先X, a.先Y, a.先駒, a.元駒, a.取駒),
            std::make_tuple(3, 7, 3, 6, -歩, -歩, 0));
  EXPECT_EQ(std::make_tuple(a.前秒M, a.後秒M, a.前秒C, a.後秒C), std::make_tuple(12., 20., 0., 0.));
  EXPECT_EQ(r.手[1].元X, 11);
  const 手順& c = r.手[2];
  EXPECT_EQ(std::tie(c.先駒, c.元駒, c.取駒), std::make_tuple(王, 王, -王));
  EXPECT_EQ(std::make_tuple(c.前秒M, c.後秒M, c.前秒C, c.後秒C), std::make_tuple(1., -3., 0., 99.));
}

TEST(KifuRead, MissingHeaderLinesRepeatTheLineBefore) {
  struct Case {
    std::string file;
    std::string title, upper, lower;
  };
  const Case cases[] = {
      {"", "", "", ""},
      {"T", "T", "T", "T"},
      {"T\r\nU\r\n", "T", "U", "U"},
      {"T\r\n\r\n", "T", "", ""},
      {"T\r\nU\r\nL\r\n", "T", "U", "L"},
  };
  for (const Case& c : cases) {
    const 棋譜読込結果 r = 棋譜解読(c.file);
    EXPECT_EQ(r.見出し.対局名, c.title) << c.file;
    EXPECT_EQ(r.見出し.上側名, c.upper) << c.file;
    EXPECT_EQ(r.見出し.下側名, c.lower) << c.file;
    EXPECT_TRUE(r.手.empty());
    EXPECT_EQ(r.不正行, 0);
  }
}

TEST(KifuRead, AcceptsLfAndCrLineEndsAndIgnoresBlankLinesAtTheEnd) {
  const std::string move = " 3736 -10 -10   0   12   20    0    0";
  for (const std::string eol : {"\n", "\r", "\r\n"}) {
    const std::string file =
        "t" + eol + "u" + eol + "l" + eol + move + eol + move + eol + eol + "  " + eol + eol;
    const 棋譜読込結果 r = 棋譜解読(file);
    EXPECT_EQ(r.手.size(), 2u);
    EXPECT_EQ(r.不正行, 0);
    EXPECT_EQ(r.見出し.下側名, "l");
  }
  // The last line needs no line end.
  EXPECT_EQ(棋譜解読("t\r\nu\r\nl\r\n" + move).手.size(), 1u);
  // An end-of-file mark (Ctrl+Z) left by an old editor ends the file there.
  for (const std::string tail : {"\x1a", "\r\n\x1a", "\r\n\x1a\r\nrest"}) {
    const 棋譜読込結果 r = 棋譜解読("t\r\nu\r\nl\r\n" + move + tail);
    EXPECT_EQ(r.手.size(), 1u);
    EXPECT_EQ(r.不正行, 0);
  }
  EXPECT_EQ(棋譜解読("t\r\nu\x1a").見出し.下側名, "u");
}

// A header line longer than any name is cut, whatever its bytes; a long
// move line is read from its first 37 characters.
TEST(KifuRead, OverlongLinesAreCut) {
  const std::string move = " 3736 -10 -10   0   12   20    0    0";
  const std::string 漢 = "\x8a\xbf";  // 漢 in Shift-JIS
  std::string 長い漢字;
  for (int i = 0; i < 5000; ++i) 長い漢字 += 漢;
  const 棋譜読込結果 r = 棋譜解読(std::string(100000, 'x') + "\r\nA" + 長い漢字 + "\r\n\r\n" +
                                  move + std::string(9000, ' '));
  EXPECT_EQ(r.見出し.対局名, std::string(見出し最大文字数, 'x'));
  std::string 期待 = "A";
  for (std::size_t i = 1; i < 見出し最大文字数; ++i) 期待 += "漢";
  EXPECT_EQ(r.見出し.上側名, 期待);
  EXPECT_EQ(r.見出し.下側名, "");
  ASSERT_EQ(r.手.size(), 1u);
  EXPECT_EQ(r.手[0].後秒M, 20);
}

TEST(KifuRead, BadBytesInAHeaderShowAsReplacementCharacters) {
  const 棋譜読込結果 r = 棋譜解読("a\x81\r\n\x85\x40z\r\nL\x82");
  EXPECT_EQ(r.見出し.対局名, "a\uFFFD");
  EXPECT_EQ(r.見出し.上側名, "\uFFFD@z");
  EXPECT_EQ(r.見出し.下側名, "L\uFFFD");
  EXPECT_TRUE(r.記録でない);
}

// Header lines that no writer puts there make the file no record at all;
// text, even the longest a name may be, is read.
TEST(KifuRead, AFileWhoseHeaderIsNoTextIsNoRecord) {
  const std::string 長い(名前最大文字数, 'a');
  const struct {
    std::string file;
    bool refused;
  } cases[] = {
      {"\x8b\xf3\xe3\x01\xff\xfe\r\n\x10\x20\r\nz\r\n", true},
      {"t\r\nu\tv\r\nl\r\n", true},
      {"t\r\n" + 長い + "a\r\nl\r\n", true},
      {"t\r\n" + 長い + "\r\nl\r\n", false},
      {"\x91\xe6\x31\x8b\xc7\r\nu\r\nl\r\n", false},
  };
  for (const auto& c : cases) EXPECT_EQ(棋譜解読(c.file).記録でない, c.refused) << c.file;
  // The writer refuses what the reader would.
  const 棋譜符号化結果 r = 棋譜符号化(見出し作成(長い + "a", "a", "b", 先手, 先手), {});
  EXPECT_EQ(r.文言.日本語(), "対局名が長すぎます（64文字まで）");
}

// Every kind of malformed move line ends the reading at its line number and
// keeps the two moves before it.
TEST(KifuRead, MalformedMoveLineEndsReadingAndNamesItsLine) {
  const std::string head =
      "t\r\nu\r\nl\r\n 3736 -10 -10   0   12   20    0    0\r\n"
      " 7374  10  10   0   20   20    0    5\r\n";
  const std::pair<std::string, std::string> cases[] = {
      {" 3736 -10 -10   0   12   20    0    ", "37文字に足りません（36文字）"},
      {"", "37文字に足りません（0文字）"},
      {" 0736 -10 -10   0    0    0    0    0", "移動元（0, 7）が盤にも駒台にもありません"},
      {"10736 -10 -10   0    0    0    0    0", "移動元（10, 7）が盤にも駒台にもありません"},
      {"12736 -10 -10   0    0    0    0    0", "移動元（12, 7）が盤にも駒台にもありません"},
      {"-2736 -10 -10   0    0    0    0    0", "移動元（-2, 7）が盤にも駒台にもありません"},
      {" 3036 -10 -10   0    0    0    0    0", "移動元（3, 0）が盤にも駒台にもありません"},
      {"11036 -10 -10   0    0    0    0    0", "移動元（11, 0）が盤にも駒台にもありません"},
      {" 37 6 -10 -10   0    0    0    0    0", "移動先（0, 6）が盤の外です"},
      {" 373x -10 -10   0    0    0    0    0", "移動先（3, 0）が盤の外です"},
      {" 3736   0 -10   0    0    0    0    0", "移動後の駒（0）が駒コードではありません"},
      {" 3736 -12 -10   0    0    0    0    0", "移動後の駒（-12）が駒コードではありません"},
      {" 3736 111 -10   0    0    0    0    0", "移動後の駒（111）が駒コードではありません"},
      {" 3736 -10 abc   0    0    0    0    0", "移動前の駒（0）が駒コードではありません"},
      {" 3736 -10 -10 951    0    0    0    0", "取った駒（951）が駒コードではありません"},
      {" 3736 -10 -10   0   12   20    0    0\xff", ""},  // long enough; valid
  };
  for (const auto& [line, reason] : cases) {
    const 棋譜読込結果 r = 棋譜解読(head + line + "\r\n" + head.substr(9));
    if (reason.empty()) {
      EXPECT_EQ(r.不正行, 0);
      EXPECT_EQ(r.手.size(), 5u);
      continue;
    }
    EXPECT_EQ(r.不正行, 6) << line;
    EXPECT_EQ(r.不正理由.日本語(), reason) << line;
    EXPECT_EQ(r.手.size(), 2u) << line;
  }
}

TEST(KifuRead, MessagesAfterReading) {
  棋譜読込結果 r;
  auto m = 読込メッセージ(r, "a.棋譜");
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].文言.日本語(), "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
  EXPECT_EQ(m[0].題.日本語(), "棋譜");

  r.手.resize(2);
  r.不正行 = 6;
  r.不正理由 = "理由";
  m = 読込メッセージ(r, "a.棋譜");
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[0].文言.日本語(),
            "棋譜ﾌｧｲﾙの6行目が正しくありません（理由）。6行目から先は読み込みません");
  EXPECT_EQ(m[1].文言.日本語(), "a.棋譜 2手 読み込みました");
  EXPECT_EQ(m[2].文言.日本語(), "棋譜を '進 'で進めて下さい");
  for (const auto& x : m) EXPECT_EQ(x.題.日本語(), "棋譜");
}

TEST(KifuRead, FirstMoveDecidesWhoMovedFirst) {
  const 棋譜先手 com = 棋譜先手判定({7, 3, 7, 4, 0, 歩, 歩}, 先手, 後手);
  EXPECT_EQ(std::tie(com.対局モード, com.先手値, com.後手値), std::make_tuple(1, 後手, 先手));
  const 棋譜先手 man = 棋譜先手判定(例の手, 先手, 後手);
  EXPECT_EQ(std::tie(man.対局モード, man.先手値, man.後手値), std::make_tuple(0, 先手, 後手));
}

TEST(KifuRoundTrip, ThousandsOfMovesComeBackAsWritten) {
  std::vector<手順> 手;
  for (int i = 0; i < 1500; ++i) {
    const int x = i % 9 + 1;
    手.push_back({i % 3 == 0 ? MAN持駒X : x, i % 9 + 1, 10 - x, (i % 7) + 1, i % 2 ? 成飛 : 0, -飛,
                  -成飛, i * 1.5, i * 1.5 + 1, i * 2.0, i * 2.0 + 0.9});
  }
  const 棋譜符号化結果 w = 棋譜符号化({"対局", "上", "下"}, 手);
  ASSERT_EQ(w.文言.日本語(), "");
  EXPECT_EQ(w.内容.size(), 14u + 1500u * 39);
  const 棋譜読込結果 r = 棋譜解読(w.内容);
  EXPECT_EQ(r.不正行, 0);
  ASSERT_EQ(r.手.size(), 手.size());
  for (std::size_t i = 0; i < 手.size(); ++i) {
    const 手順& a = 手[i];
    const 手順& b = r.手[i];
    EXPECT_EQ(std::tie(a.元X, a.元Y, a.先X, a.先Y, a.取駒, a.元駒, a.先駒),
              std::tie(b.元X, b.元Y, b.先X, b.先Y, b.取駒, b.元駒, b.先駒));
    EXPECT_EQ(b.前秒M, std::trunc(a.前秒M));
    EXPECT_EQ(b.後秒C, std::trunc(a.後秒C));
  }
}

}  // namespace
}  // namespace qz
