// The game review: a blunder found and marked, the best move left alone,
// its comments in a KIF record and back, and the kept conditions.
#include "game/review.h"

#include <gtest/gtest.h>

#include "records/kif.h"
#include "rules/sfen.h"

namespace qz {
namespace {

// A game from an SFEN with the USI moves given played through the session.
対局 局面から(std::string_view sfen, std::initializer_list<std::string_view> 手) {
  対局 g;
  g.初期化();
  const auto p = SFEN読込(sfen);
  EXPECT_TRUE(p.has_value());
  g.局面から始める(p->盤面, p->持駒_MAN, p->持駒_COM, p->MAN手番, 0);
  for (std::string_view t : 手) {
    const auto m = USI指し手読込(t, g.局.盤面, g.MAN手番());
    EXPECT_TRUE(m.has_value()) << t;
    EXPECT_EQ(g.指し手検査(*m), 着手拒否::なし) << t;
    g.指す(*m);
  }
  return g;
}

TEST(Review, AKingStepIntoTheRooksLineIsABlunderAndItsCaptureIsNot) {
  // The lower king, a rook up, steps onto the upper rook's rank and is taken.
  const 対局 g = 局面から("4k4/9/9/9/9/9/9/8r/3GKG3 b R 1", {"5i4h", "1h4h"});
  const 解析局面 p = 解析の局面(g);
  ASSERT_EQ(p.局面.size(), 3u);
  EXPECT_TRUE(p.局面[0].MAN手番);
  EXPECT_FALSE(p.局面[1].MAN手番);
  int 報告 = 0;
  const auto r = 棋譜を解析する(
      p, {100, 300, 100}, [&](int, int) { ++報告; }, nullptr);
  EXPECT_EQ(報告, 3);
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].評, 手の評::悪手);
  EXPECT_TRUE(r[0].下の手);
  EXPECT_FALSE(r[0].最善.empty());
  ASSERT_TRUE(r[0].最善手.has_value());
  EXPECT_LT(r[0].評価, -勝敗境);  // the lower side's king is lost
  EXPECT_EQ(r[1].評, 手の評::普通);
  EXPECT_EQ(r[1].損失, 0);
  EXPECT_TRUE(r[1].最善.empty());
  const auto s = 解析の成績(r);
  EXPECT_EQ(s[0].悪手, 1);
  EXPECT_EQ(s[1].悪手, 0);
  EXPECT_EQ(s[1].手数, 1);

  // A stop before the start reviews nothing.
  std::atomic<bool> 止め{true};
  EXPECT_TRUE(棋譜を解析する(p, {100, 300, 100}, {}, &止め).empty());
}

TEST(Review, FindingsRoundTripThroughKifComments) {
  手の解析 a;
  a.下の手 = true;
  a.評価 = -450;
  a.損失 = 320;
  a.評 = 手の評::悪手;
  a.最善 = "▲７六歩";
  a.深さ = 9;
  a.読み筋 = "△３四歩 ▲２六歩";
  for (const bool 反転 : {false, true}) {
    const auto 行 = 解析の注釈(a, 反転);
    EXPECT_EQ(注釈の解析(行, true, 反転), a);
  }
  EXPECT_TRUE(解析の注釈(a, true)[0].find("評価値 +450") != std::string::npos);

  対局記録 r;
  r.手.push_back(記録手{指し手{3, 7, 3, 6, -歩, -歩}});
  r.注釈[1] = 解析の注釈(a, false);
  const std::string kif = KIF文書(r);
  EXPECT_NE(kif.find("\r\n**解析 0 評価値 -450 深さ 9 読み筋 △３四歩 ▲２六歩\r\n*悪手 損失 320"),
            std::string::npos);
  const 記録読込結果 back = KIF解読(kif);
  EXPECT_EQ(back.不正行, 0);
  EXPECT_EQ(back.記録.注釈, r.注釈);

  // Comments of no review read as none; a review line without its score too.
  EXPECT_FALSE(注釈の解析({"よい手", "最善 ▲７六歩 損失 5"}, true, false));
  EXPECT_FALSE(注釈の解析({"*解析 0 評価値 詰"}, true, false));
}

TEST(Review, KeptConditionsReadBackAndBadOnesAreRefused) {
  const 解析条件 c{2500, 400, 150};
  const auto back = 解析条件を読む(解析条件の文(c));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->一手ms, 2500);
  EXPECT_EQ(back->悪手損失, 400);
  EXPECT_EQ(back->疑問手損失, 150);
  for (std::string_view bad : {"", "1000", "1000,300", "1000,300,100,5", "50,300,100",
                               "1000,100,300", "1000,0,0", "x,300,100", "1000,300,100 "})
    EXPECT_FALSE(解析条件を読む(bad)) << bad;
}

}  // namespace
}  // namespace qz
