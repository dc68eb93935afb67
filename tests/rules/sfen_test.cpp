#include "rules/sfen.h"

#include <gtest/gtest.h>

#include "rules/rules.h"

namespace qz {
namespace {

TEST(Sfen, RoundTripsPromotedPiecesHandsAndSides) {
  const std::string texts[] = {
      std::string(開始SFEN),
      "l6nl/5+R1k1/4pp1pp/p5p2/2P6/P3P4/1P1P1PPPP/1+b3S3/LN2KG1NL w RGSPbgsn2p 40",
      "+p+l+n+s+b+r3/9/9/9/4k4/9/9/9/+P+L+N+S+B+R2K b 4G2S2N2L16P 1",
      "9/9/9/9/9/9/9/9/9 b - 7",
  };
  for (const std::string& t : texts) {
    const auto p = SFEN読込(t);
    ASSERT_TRUE(p) << t;
    EXPECT_EQ(SFEN書出(p->盤面, p->持駒_MAN, p->持駒_COM, p->MAN手番, p->手数), t);
  }
  局面 s;
  初期配置(s);
  EXPECT_EQ(SFEN読込(開始SFEN)->盤面, s.盤面);  // the program's initial position
  const auto p = SFEN読込(texts[1]);
  EXPECT_EQ(p->盤面[6][2], -成飛);  // "+R" after five empty squares: file 4, rank b
  EXPECT_EQ(p->盤面[8][2], 王);
  EXPECT_EQ(p->盤面[2][8], 成角);
  EXPECT_EQ(p->持駒_MAN.枚数[持駒_歩], 1);
  EXPECT_EQ(p->持駒_COM.枚数[持駒_歩], 2);
  EXPECT_EQ(p->持駒_COM.合計, 6);
  EXPECT_FALSE(p->MAN手番);
}

TEST(Sfen, HandsInAnyOrderAndAMissingMoveNumberAreAccepted) {
  const auto p = SFEN読込("9/9/9/9/9/9/9/9/9 b pP2pR");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->持駒_COM.枚数[持駒_歩], 3);
  EXPECT_EQ(p->持駒_MAN.合計, 2);
  EXPECT_EQ(SFEN書出(p->盤面, p->持駒_MAN, p->持駒_COM, true, p->手数),
            "9/9/9/9/9/9/9/9/9 b RP3p 1");
}

struct BadSfen {
  const char* text;
  const char* reason;  // a part of the message
};

TEST(Sfen, MalformedTextIsRefusedWithAReason) {
  const BadSfen cases[] = {
      {"", "4 fields"},
      {"9/9/9/9/9/9/9/9/9", "4 fields"},
      {"9/9/9/9/9/9/9/9/9 b - 1 extra", "4 fields"},
      {"9/9/9/9/9/9/9/9 b - 1", "9 ranks"},
      {"9/9/9/9/9/9/9/9/9/9 b - 1", "9 ranks"},
      {"9/9/9/9/91/9/9/9/9 b - 1", "rank e has more than 9"},
      {"9/9/9/9/9/9/9/9/8 b - 1", "rank i has fewer than 9"},
      {"9/9/9/9/9/9/9/9/k9 b - 1", "rank i has more than 9"},
      {"9/9/9/9/9/9/9/9/X8 b - 1", "unknown piece"},
      {"9/9/9/9/9/9/9/9/8+ b - 1", "unknown piece"},
      {"9/9/9/9/9/9/9/9/+G8 b - 1", "cannot be promoted"},
      {"9/9/9/9/9/9/9/9/+k8 b - 1", "cannot be promoted"},
      {"9/9/9/9/9/9/9/9/0a9 b - 1", "unknown piece"},
      {"9/9/9/9/9/9/9/9/9 x - 1", "side to move"},
      {"9/9/9/9/9/9/9/9/9 b K 1", "cannot be in a hand"},
      {"9/9/9/9/9/9/9/9/9 b 0P 1", "hand count"},
      {"9/9/9/9/9/9/9/9/9 b 100P 1", "hand count"},
      {"9/9/9/9/9/9/9/9/9 b 60P50P 1", "hand count"},
      {"9/9/9/9/9/9/9/9/9 b 2 1", "end with a number"},
      {"9/9/9/9/9/9/9/9/9 b -P 1", "cannot be in a hand"},
      {"9/9/9/9/9/9/9/9/9 b - 0", "move number"},
      {"9/9/9/9/9/9/9/9/9 b - x1", "move number"},
      {"9/9/9/9/9/9/9/9/9 b - 99999999999999", "move number"},
      // Positions no game can reach: more than a set, two kings a side,
      // pieces that could never move.
      {"9/9/9/9/9/9/9/9/9 b 10P9p 1", "more than 18 pieces of kind P"},
      {"+r8/9/9/9/9/9/9/9/9 b Rr 1", "more than 2 pieces of kind R"},
      {"kk7/9/9/9/9/9/9/9/9 b - 1", "more than one king"},
      {"k7K/9/9/9/9/9/9/9/K8 b - 1", "more than one king"},
      {"P8/9/9/9/9/9/9/9/9 b - 1", "pawn on the last rank"},
      {"9/9/9/9/9/9/9/9/4l4 b - 1", "lance on the last rank"},
      {"9/N8/9/9/9/9/9/9/9 b - 1", "knight on the last two ranks"},
      {"9/9/9/9/9/9/9/n8/9 b - 1", "knight on the last two ranks"},
  };
  for (const auto& c : cases) {
    SFEN不備 why;
    EXPECT_FALSE(SFEN読込(c.text, &why)) << c.text;
    const std::string said = SFEN不備の英文(why);
    EXPECT_NE(said.find(c.reason), std::string::npos) << c.text << " said: " << said;
  }
}

TEST(Sfen, FewerPiecesNoKingsAndPromotedPiecesAnywhereAreAccepted) {
  for (const char* t : {"9/9/9/9/9/9/9/9/9 b - 1", "+P+L+N6/9/9/9/9/9/9/9/+p+l+n6 w 9P 1",
                        "p8/l8/n8/9/9/9/N8/L8/P7k b 2R2B4G4S2N2L16P 1"}) {
    SFEN不備 why;
    EXPECT_TRUE(SFEN読込(t, &why)) << t << ": " << SFEN不備の英文(why);
  }
}

TEST(UsiMove, ReadsMovesAgainstThePosition) {
  局面 s;
  初期配置(s);
  EXPECT_EQ(USI指し手読込("7g7f", s.盤面, true), (指し手{3, 7, 3, 6, -歩, -歩}));
  EXPECT_EQ(USI指し手読込("8h2b+", s.盤面, true), (指し手{2, 8, 8, 2, -角, -成角}));
  EXPECT_EQ(USI指し手読込("5e5d", s.盤面, true), (指し手{5, 5, 5, 4, 0, 0}));  // the caller checks
  EXPECT_EQ(USI指し手読込("R*1i", s.盤面, true), 指し手::打つ手(-飛, 9, 9));
  EXPECT_EQ(USI指し手読込("R*1i", s.盤面, false), 指し手::打つ手(飛, 9, 9));
  for (const char* bad : {"", "7g7", "7g7f+x", "7g7f++", "p*5e", "+*5e", "0a1b", "7j7f", "P*5j",
                          "P*0e", "7g7f ", "７g7f"})
    EXPECT_FALSE(USI指し手読込(bad, s.盤面, true)) << bad;
}

TEST(UsiMove, WritesMovesOfBothSides) {
  EXPECT_EQ(USI表記({3, 7, 3, 6, -歩, -歩}), "7g7f");
  EXPECT_EQ(USI表記({2, 8, 8, 2, -角, -成角}), "8h2b+");
  EXPECT_EQ(USI表記(指し手::打つ手(-歩, 5, 5)), "P*5e");
  EXPECT_EQ(USI表記(指し手::打つ手(飛, 1, 1)), "R*9a");
  EXPECT_EQ(USI表記({5, 1, 5, 2, 王, 王}), "5a5b");
}

}  // namespace
}  // namespace qz
