// Records written by hand from the formats' own definitions, and broken
// ones: each read to the position it reaches, or to the line that stops it.
#include <gtest/gtest.h>

#include "records/csa.h"
#include "records/formats.h"
#include "records/kif.h"
#include "records/usi.h"

namespace qz {
namespace {

constexpr std::string_view 盤図の記録 =
    "# 盤面図からの対局\r\n"
    "後手の持駒：なし\r\n"
    "  ９ ８ ７ ６ ５ ４ ３ ２ １\r\n"
    "+---------------------------+\r\n"
    "| ・ ・ ・ ・v玉 ・ ・ ・ ・|一\r\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|二\r\n"
    "| ・ ・ ・ ・ ・ ・v歩 ・ ・|三\r\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\r\n"
    "| ・ ・ 銀 ・ ・ ・ 全 ・ ・|五\r\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|六\r\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|七\r\n"
    "| ・ ・ ・ ・ ・ ・ ・ ・ ・|八\r\n"
    "| ・ ・ ・ ・ 玉 ・ ・ ・ ・|九\r\n"
    "+---------------------------+\r\n"
    "先手の持駒：飛　角　金　銀　桂　香　歩　\r\n"
    "先手:Alice\r\n"
    "後手：Bob\r\n"
    "未知の見出し：なにか\r\n"
    "手数----指手---------消費時間--\r\n"
    "*対局前のコメント\r\n"
    "   1 ７四銀(75)        ( 0:16/00:00:16)\r\n"
    "   2 ３四歩(33)        ( 0:05/00:00:05)\r\n"
    "   3 同　成銀(35)      ( 1:01/00:01:17)+\r\n"
    "&読み込み時表示\r\n"
    "   4 ５二玉(51)\r\n"
    "   5 ７三銀不成(74)\r\n"
    "   6 ５一玉(52)\r\n"
    "   7 ６二銀成(73)\r\n"
    "   8 ４一玉(51)\r\n"
    "   9 ５五歩打\r\n"
    "  10 ５一玉(41)\r\n"
    "  11 ９九香打\r\n"
    "  12 ４一玉(51)\r\n"
    "  13 ８五桂打\r\n"
    "  14 ５一玉(41)\r\n"
    "  15 １五銀打\r\n"
    "  16 ４一玉(51)\r\n"
    "  17 ２八金打\r\n"
    "  18 ５一玉(41)\r\n"
    "  19 ６六角打\r\n"
    "  20 ４一玉(51)\r\n"
    "  21 ２五飛打\r\n"
    "  22 ５一玉(41)\r\n"
    "  23 ２二飛成(25)\r\n"
    "  24 ４一玉(51)\r\n"
    "  25 ３二竜(22)\r\n"
    "  26 同　玉(41)\r\n"
    "  27 ５一全(62)\r\n"
    "  28 投了\r\n"
    "まで27手で先手の勝ち\r\n"
    "\r\n"
    "変化：3手\r\n"
    "   3 ９九歩(11)\r\n";

TEST(ReadByHand, KifFromADiagramStepsEveryKindOfMove) {
  const 記録読込結果 r = KIF解読(盤図の記録);
  ASSERT_EQ(r.不正行, 0) << r.不正理由.日本語();
  EXPECT_EQ(r.記録.下手名, "Alice");
  EXPECT_EQ(r.記録.上手名, "Bob");
  ASSERT_EQ(r.記録.手.size(), 27u);
  EXPECT_EQ(最終局面SFEN(r.記録), "4+S4/6k2/9/6+S2/1N2P3S/3B5/9/7G1/L3K4 w Pr 28");
  EXPECT_EQ(r.記録.結末, 終局::投了);
  EXPECT_EQ(r.記録.勝者, 1);
  // Times: the move's own and the mover's total.
  EXPECT_EQ(r.記録.手[2].消費秒, 61);
  EXPECT_EQ(r.記録.手[2].累計秒, 77);
  EXPECT_FALSE(r.記録.手[4].成る());  // 不成
  EXPECT_TRUE(r.記録.手[6].成る());
}

TEST(ReadByHand, HandicapNamesStartWithTheUpperSide) {
  const 記録読込結果 r = KIF解読(
      "手合割：香落ち\n上手：A\n下手：B\n手数----指手---------消費時間--\n"
      "   1 ３四歩(33)\n   2 ７六歩(77)\n");
  ASSERT_EQ(r.不正行, 0) << r.不正理由.日本語();
  EXPECT_EQ(最終局面SFEN(r.記録),
            "lnsgkgsn1/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 3");
  for (std::string_view 名 : 手合割名一覧()) {
    記録局面 p;
    ASSERT_TRUE(手合割局面(名, p));
    EXPECT_EQ(手合割名(p), 名);
    EXPECT_EQ(p.下の番, 名 == "平手");
  }
}

TEST(ReadByHand, CsaWithHandicapCommasCommentsAndTimes) {
  const 記録読込結果 r = CSA解読(
      "'comment\r\nV2.2\r\nN+Alice\r\nN-Bob\r\n$EVENT:test\r\nPI82HI22KA\r\n-\r\n"
      "-3334FU,T3\r\n+7776FU\r\nT5\r\n-4132KI\r\n+8822UM\r\n%TORYO\r\n");
  ASSERT_EQ(r.不正行, 0) << r.不正理由.日本語();
  EXPECT_EQ(r.記録.棋戦, "test");
  EXPECT_EQ(最終局面SFEN(r.記録),
            "lnsgk1snl/6g+B1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL w - 5");
  EXPECT_EQ(r.記録.手[0].消費秒, 3);
  EXPECT_EQ(r.記録.手[1].累計秒, 5);
  EXPECT_EQ(r.記録.結末, 終局::投了);
  EXPECT_EQ(r.記録.勝者, 1);
}

TEST(ReadByHand, CsaBoardWithTheRestInAHand) {
  const 記録読込結果 r = CSA解読(
      "V3.0\nP1 *  *  *  * -OU *  *  *  * \nP9 *  *  *  * +OU\nP2\nP3\nP4\nP5\nP6\nP7\nP8\n"
      "P+00KI\nP-00AL\n+\n+0052KI\n%TSUMI\n");
  ASSERT_EQ(r.不正行, 0) << r.不正理由.日本語();
  EXPECT_EQ(最終局面SFEN(r.記録), "4k4/4G4/9/9/9/9/9/9/4K4 w 2r2b3g4s4n4l18p 2");
  EXPECT_EQ(r.記録.結末, 終局::詰み);
}

TEST(ReadByHand, UsiWithAndWithoutItsKeywords) {
  const std::string_view 後手番 = "lnsgkgsnl/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1";
  const std::string 期待 = "lnsgkgsnl/9/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 3";
  for (const std::string& 文 : {"position sfen " + std::string(後手番) + " moves 3c3d 7g7f resign",
                                "sfen " + std::string(後手番) + " moves 3c3d 7g7f",
                                std::string(後手番) + "\nmoves 3c3d\n7g7f\n"}) {
    const 記録読込結果 r = USI解読(文);
    ASSERT_EQ(r.不正行, 0) << 文 << ": " << r.不正理由.日本語();
    EXPECT_EQ(最終局面SFEN(r.記録), 期待) << 文;
  }
  EXPECT_EQ(USI解読("position startpos moves 7g7f resign").記録.結末, 終局::投了);
  EXPECT_EQ(最終局面SFEN(USI解読(後手番).記録), 後手番);
}

TEST(ReadBroken, TheFirstBadLineEndsTheReadingAndKeepsWhatCameBefore) {
  const std::string 始め = "手合割：平手\n手数----指手---------消費時間--\n   1 ７六歩(77)\n";
  struct Case {
    棋譜形式 形式;
    std::string 内容;
    int 行;
    std::size_t 手数;
    std::string 理由;
  };
  const Case cases[] = {
      {棋譜形式::KIF, 始め + "   2 ３四", 4, 1, "駒の名前が読めません"},
      {棋譜形式::KIF, 始め + "   2 ３四歩(33)\n   3 ５五歩(56)\n", 5, 2, "移動元に駒がありません"},
      {棋譜形式::KIF, 始め + "   2 ３四角(33)\n", 4, 1, "移動元の駒の種類が違います"},
      {棋譜形式::KIF, 始め + "   2 ５五角打\n", 4, 1, "打つ駒を持っていません"},
      {棋譜形式::KIF, 始め + "   2 ７五歩(76)\n", 4, 1, "移動元の駒は手番の側の駒ではありません"},
      {棋譜形式::KIF, "手合割：三枚落ち\n   1 ７六歩(77)\n", 2, 0,
       "手合割「三枚落ち」が分かりません"},
      // Shift-JIS text with a byte that begins no character.
      {棋譜形式::KIF,
       "\x90\xe6\x8e\xe8\x81\x46"
       "A\n   1 \x82\x56\x98\x5a\x95\xe0(77)\n\xff\n",
       3, 1, "文字コードとして読めないバイトがあります"},
      {棋譜形式::CSA, "PI\n+\n+7776FU\n-3334FU\n+7775FU\n", 5, 2, "移動元に駒がありません"},
      {棋譜形式::CSA, "PI\n+\n+7776FU\n+3334FU\n", 4, 1, "手番でない側の指し手です"},
      {棋譜形式::CSA, "PI\n+\n+7776FU\n-33\n", 4, 1, "CSA形式の行ではありません"},
      {棋譜形式::USI, "position startpos moves 7g7f 7f7e", 1, 1, "7f7e：手番でない側の駒です"},
      {棋譜形式::USI, "position startpos moves 7g7f 5e5d", 1, 1, "5e5d：移動元に駒がありません"},
      {棋譜形式::USI, "position startpos moves 7g7f 3c3d 2h2g", 1, 2,
       "2h2g：移動先に自分の駒があります"},
      {棋譜形式::USI, "lnsgkgsnl/9 b - 1", 1, 0, "盤面が9段ありません"},
      {棋譜形式::不明, "hello", 1, 0, "KIF・CSA・SFEN・USIのどれとも分かりません"},
      // Nothing after an ending the reader does not know, or after a
      // resignation, is dropped in silence; NULs are no text.
      {棋譜形式::CSA, "PI\n+\n+7776FU\n%FOOBAR\n-3334FU\n", 4, 1, "終局の文が読めません"},
      {棋譜形式::USI, "position startpos moves 7g7f resign 3c3d", 1, 1, "投了の後に指し手があります"},
      {棋譜形式::KIF, std::string(100, '\0'), 1, 0, "文字コードとして読めないバイトがあります"},
      // A move no piece makes, or after which the piece could never move.
      {棋譜形式::USI, "position startpos moves 7g1a", 1, 0, "7g1a：その駒の動きではありません"},
      {棋譜形式::CSA, "PI\n+\n+5911OU\n", 3, 0, "その駒の動きではありません"},
      {棋譜形式::CSA, "PI\n+\n+8822KA\n", 3, 0, "その駒の動きではありません"},
      {棋譜形式::USI, "position sfen 4k4/9/9/9/9/9/9/9/4K4 b P 1 moves P*4a", 1, 0,
       "P*4a：行き所のない升に打つ手です"},
      {棋譜形式::USI, "position sfen 4k4/P8/9/9/9/9/9/9/4K4 b - 1 moves 9b9a", 1, 0,
       "9b9a：行き所のない升への不成です"},
      {棋譜形式::USI, "position sfen 4k4/9/9/9/9/9/9/9/4K4 b 19P 1", 1, 0,
       "歩が盤と持駒に合わせて18枚より多くあります"},
      // Times: past the clocks' limit (a move's or the total), or not a number.
      {棋譜形式::CSA, "PI\n+\n+7776FU\nT100000001\n", 4, 1, "消費時間が長すぎます"},
      {棋譜形式::CSA, "PI\n+\n+7776FU\nT99999999\n-3334FU\nT1\n+2726FU\nT2\n", 8, 3,
       "消費時間が長すぎます"},
      {棋譜形式::CSA, "PI\n+\n+7776FU\nT-5\n", 4, 1, "消費時間が読めません"},
      {棋譜形式::KIF, 始め + "   2 ３四歩(33) ( 99999999999999999999:16/00:00:16)\n", 4, 1,
       "消費時間が長すぎます"},
  };
  for (const Case& c : cases) {
    const 記録読込結果 r = 棋譜を読む(c.形式, c.内容);
    EXPECT_EQ(r.不正行, c.行) << c.内容;
    EXPECT_EQ(r.不正理由.日本語(), c.理由) << c.内容;
    EXPECT_EQ(r.記録.手.size(), c.手数) << c.内容;
  }
}

// A name or a move quoted in a reason is cut short, however long its line.
TEST(ReadBroken, AQuotedNameOrMoveIsCutShort) {
  const std::string 長い(50'000'000, 'x');
  const std::string 短く = std::string(24, 'x') + "…";
  EXPECT_EQ(棋譜を読む(棋譜形式::KIF, "手合割：" + 長い + "\n").不正理由.日本語(),
            "手合割「" + 短く + "」が分かりません");
  EXPECT_EQ(棋譜を読む(棋譜形式::USI, "position startpos moves " + 長い).不正理由.日本語(),
            "指し手「" + 短く + "」が読めません");
  EXPECT_EQ(棋譜を読む(棋譜形式::KIF, "手合割：三枚落ち\n").不正理由.日本語(),
            "手合割「三枚落ち」が分かりません");
}

TEST(ReadFormats, FoundFromTheContentAndTheName) {
  EXPECT_EQ(内容の形式(盤図の記録), 棋譜形式::KIF);
  EXPECT_EQ(内容の形式("V2.2\nPI\n+\n"), 棋譜形式::CSA);
  EXPECT_EQ(内容の形式("'c\n+7776FU\n"), 棋譜形式::CSA);
  EXPECT_EQ(内容の形式("position startpos\n"), 棋譜形式::USI);
  EXPECT_EQ(内容の形式("9/9/9/9/9/9/9/9/9 b - 1"), 棋譜形式::USI);
  EXPECT_EQ(内容の形式("t\r\nu\r\nl\r\n 3736 -10 -10   0   12   20    0    0\r\n"), 棋譜形式::棋譜);
  EXPECT_EQ(拡張子の形式("a/b.KIF"), 棋譜形式::KIF);
  EXPECT_EQ(拡張子の形式("x.kifu"), 棋譜形式::KIFU);
  EXPECT_EQ(拡張子の形式("対局.棋譜"), 棋譜形式::棋譜);
  EXPECT_EQ(拡張子の形式("x.txt"), 棋譜形式::不明);
}

}  // namespace
}  // namespace qz

namespace qz {
namespace {

TEST(ReadBroken, ARecordLongerThanAnyFileHoldsIsRefusedBeforeItIsWritten) {
  // Kings stepping to and fro: 1,000,001 moves, 5 MB of USI.
  std::string usi = "position startpos moves";
  const char* 往復[] = {" 5i5h", " 5a5b", " 5h5i", " 5b5a"};
  for (std::size_t i = 0; i <= 記録最大手数; ++i) usi += 往復[i % 4];
  const 記録読込結果 r = 棋譜を読む(棋譜形式::USI, usi);
  EXPECT_EQ(r.不正理由.日本語(), "5i5h：手数が100万手を超えています");
  ASSERT_EQ(r.記録.手.size(), 記録最大手数);
  // What was read is the most a record holds, and every format writes it
  // within the size the readers take.
  for (棋譜形式 f : {棋譜形式::KIFU, 棋譜形式::CSA, 棋譜形式::USI})
    EXPECT_EQ(棋譜を書く(f, r.記録).文言.日本語(), "") << static_cast<int>(f);
}

}  // namespace
}  // namespace qz
