// The branches of a game in KIF: blocks laid out as common writers lay
// them out, written back and read again, and broken blocks refused without
// losing the game.
#include <gtest/gtest.h>

#include "records/formats.h"
#include "records/kif.h"

namespace qz {
namespace {

// A game of six moves with branches at moves 3 and 5; the first branch at 3
// has one of its own at its move 4, the second at 3 is its neighbour (it
// follows a block starting at 3) and starts a line with a recapture `同`.
constexpr std::string_view 変化のある記録 =
    "手合割：平手\r\n先手：A\r\n後手：B\r\n"
    "手数----指手---------消費時間--\r\n"
    "   1 ７六歩(77)   ( 0:01/00:00:01)\r\n"
    "   2 ３四歩(33)   ( 0:02/00:00:02)\r\n"
    "   3 ２六歩(27)   ( 0:03/00:00:04)+\r\n"
    "   4 ８四歩(83)   ( 0:04/00:00:06)\r\n"
    "   5 ２五歩(26)   ( 0:05/00:00:09)+\r\n"
    "   6 ８五歩(84)   ( 0:06/00:00:12)\r\n"
    "   7 投了\r\n"
    "まで6手で後手の勝ち\r\n"
    "\r\n"
    "変化：5手\r\n"
    "   5 ６六歩(67)   ( 0:07/00:00:11)\r\n"
    "\r\n"
    "変化：3手\r\n"
    "   3 ６六歩(67)   ( 0:01/00:00:02)\r\n"
    "   4 ８四歩(83)   ( 0:01/00:00:03)+\r\n"
    "   5 ６八銀(79)   ( 0:01/00:00:03)\r\n"
    "\r\n"
    "変化：4手\r\n"
    "   4 ３三角(22)   ( 0:09/00:00:11)\r\n"
    "\r\n"
    "変化：3手\r\n"
    "   3 ２二角成(88)\r\n"
    "   4 同　銀(31)\r\n"
    "   5 投了\r\n";

TEST(Variations, ACommonWritersBlocksNestAndComeBackWrittenTheSameWay) {
  const 記録読込結果 r = KIF解読(変化のある記録);
  ASSERT_EQ(r.不正行, 0) << r.不正理由.日本語();
  ASSERT_EQ(r.変化不正行, 0) << r.変化不正理由.日本語();
  EXPECT_EQ(r.記録.手.size(), 6u);
  EXPECT_EQ(r.記録.結末, 終局::投了);
  const std::vector<記録変化>& v = r.記録.変化;
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(v[0].手目, 3);  // ６六歩, with its own branch at 4
  EXPECT_EQ(v[0].手.size(), 3u);
  ASSERT_EQ(v[0].変化.size(), 1u);
  EXPECT_EQ(v[0].変化[0].手目, 4);
  EXPECT_EQ(v[0].変化[0].手[0].先X, 7);
  EXPECT_EQ(v[0].変化[0].手[0].累計秒, 11);
  EXPECT_EQ(v[1].手目, 3);  // ２二角成 同銀
  ASSERT_EQ(v[1].手.size(), 2u);
  EXPECT_TRUE(v[1].手[0].成る());
  EXPECT_EQ(v[1].手[1].取駒, -成角);
  EXPECT_EQ(v[2].手目, 5);

  const std::string kif = KIF文書(r.記録);
  EXPECT_NE(kif.find("   5 ２五歩(26)        ( 0:05/00:00:09)+\r\n"), std::string::npos);
  EXPECT_LT(kif.find("変化：5手"), kif.find("変化：3手"));
  EXPECT_LT(kif.find("まで6手"), kif.find("変化："));
  const 記録読込結果 back = KIF解読(kif);
  EXPECT_EQ(back.変化不正行, 0) << back.変化不正理由.日本語();
  EXPECT_EQ(back.記録.手, r.記録.手);
  EXPECT_EQ(back.記録.変化, r.記録.変化);
  // Through the program's history and back, clocks and all.
  const 記録読込結果 again = 対局から記録(記録から対局(r.記録), false);
  EXPECT_EQ(again.記録.変化, r.記録.変化);
}

TEST(Variations, OtherFormatsWriteTheGameAlone) {
  const 対局記録 r = KIF解読(変化のある記録).記録;
  対局記録 本譜だけ = r;
  本譜だけ.変化.clear();
  for (棋譜形式 f : {棋譜形式::棋譜, 棋譜形式::CSA, 棋譜形式::USI})
    EXPECT_EQ(棋譜を書く(f, r).内容, 棋譜を書く(f, 本譜だけ).内容);
}

// A broken block is reported at its line; the game and the blocks before
// it stay, the broken one and everything after it are left out.
TEST(Variations, BrokenBlocksAreRefusedAtTheirLineAndTheGameIsKept) {
  const std::string 本譜 =
      "手数----指手---------消費時間--\n   1 ７六歩(77)\n   2 ３四歩(33)\n"
      "   3 ２六歩(27)\n";                                  // lines 1..4
  const std::string 良い = "変化：3手\n   3 ６六歩(67)\n";  // lines 5..6
  struct Case {
    std::string 後;
    int 行;
    std::string 理由;
  };
  const Case cases[] = {
      {"変化：4手\n   4 ８四歩(83)\n", 7, "4手目の指し手がないところに変化があります"},
      {"変化：0手\n", 7, "変化の行が読めません"},
      {"変化：2手\n   2 ５五歩(53)\n", 8, ""},  // not a move a pawn makes
      {"変化：2手\n   2 ８四金(83)\n", 8, ""},  // no gold stands there
      {"変化：2手\n   2 ＸＸ歩\n", 8, "指し手が読めません"},
      {"変化：2手\n   3 ８四歩(83)\n", 8, "変化の手数が合いません"},
      {"変化：2手\n変化：1手\n   1 ５六歩(57)\n", 8, "変化に指し手がありません"},
      {"変化：2手\n   2 ８四歩(83)\n盤面\n", 9, "指し手の行ではありません"},
  };
  for (const Case& c : cases) {
    const 記録読込結果 r = KIF解読(本譜 + 良い + c.後);
    SCOPED_TRACE(c.後);
    EXPECT_EQ(r.不正行, 0);
    EXPECT_EQ(r.記録.手.size(), 3u);
    EXPECT_EQ(r.変化不正行, c.行);
    if (!c.理由.empty()) {
      EXPECT_EQ(r.変化不正理由.日本語(), c.理由);
    }
    ASSERT_EQ(r.記録.変化.size(), 1u);
    EXPECT_EQ(r.記録.変化[0].手.size(), 1u);
    EXPECT_TRUE(r.記録.変化[0].変化.empty());
  }
}

// The window tells of the refused branches before the usual messages.
TEST(Variations, TheWindowTellsOfRefusedBranches) {
  const 窓の読込 w = 窓に読む(棋譜形式::KIFU,
                              "手数----指手---------消費時間--\n   1 ２六歩(27)\n変化：5手\n",
                              "a.kifu");
  ASSERT_GE(w.知らせ.size(), 2u);
  EXPECT_EQ(w.知らせ[0].文言.日本語(),
            "a.kifu の 3行目からの変化が読めません（5手目の指し手がないところに変化があります）。"
            "本譜とその前の変化を読みました");
  EXPECT_EQ(w.対局.手.size(), 1u);
}

}  // namespace
}  // namespace qz
