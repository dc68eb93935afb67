// Games the program plays with itself, at each level and from every grade
// of the handicap ladder with either side moving first, written in every
// format and read back: the same start, the same moves, clocks within a
// second.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "computer/one_move_player.h"
#include "records/csa.h"
#include "records/formats.h"
#include "records/kif.h"
#include "rules/movegen.h"
#include "rules/rules.h"

namespace qz {
namespace {

// The squares the ladder empties at grades 1..10 (the upper side's; a
// negative grade empties the lower side's mirror squares).
constexpr std::pair<int, int> 段級の升[] = {{8, 2}, {2, 2}, {9, 1}, {1, 1}, {8, 1},
                                            {2, 1}, {7, 1}, {3, 1}, {6, 1}, {4, 1}};

// The computer's move for the side to move; the lower side searches on the
// reversed board, as the engine does.
std::optional<指し手> 最善手(局面& s, bool MAN番, COM記憶& 記憶, int レベル) {
  if (MAN番) 局面反転(s);
  const 探索結果 r = COM探索(s, 記憶, レベル);
  if (MAN番) 局面反転(s);
  if (!r.指し手あり) return std::nullopt;
  return MAN番 ? 反転手(r.最善.手) : r.最善.手;
}

struct 自己対局 {
  局面 s;
  手順記録 記録;
};

// A random move of the lower side among those the move check allows.
std::optional<指し手> 乱手(局面& s, std::mt19937& rng) {
  勢力調査(s);
  調査_2歩フラグ設定(s);
  std::vector<指し手> 手;
  合法手列挙(s, true, [&](const 指し手& m) { 手.push_back(m); });
  if (手.empty()) return std::nullopt;
  return 手[rng() % 手.size()];
}

// Plays up to 上限 moves, saving each with clocks that move as the window's
// do; with 乱数 the lower side plays at random, so that a king falls soon.
自己対局 対局する(int 段級, int レベル, bool MAN先, int 上限, bool 乱数 = false) {
  std::mt19937 rng(static_cast<unsigned>(レベル * 100 + 段級));
  自己対局 g;
  初期配置(g.s);
  for (int i = 0; i < std::abs(段級); ++i) {
    const auto [x, y] = 段級の升[i];
    if (段級 > 0)
      g.s.盤面[x][y] = 0;
    else
      g.s.盤面[10 - x][10 - y] = 0;
  }
  COM記憶 記憶M, 記憶C;
  double M = 0, C = 0;
  bool MAN番 = MAN先;
  for (int n = 0; n < 上限 && g.s.勝者 == 0; ++n, MAN番 = !MAN番) {
    const auto m =
        乱数 && MAN番 ? 乱手(g.s, rng) : 最善手(g.s, MAN番, MAN番 ? 記憶M : 記憶C, レベル);
    if (!m) break;
    const double 秒 = 1.25 * (n % 7);
    g.記録.手順保存(g.s.盤面, m->元X, m->元Y, m->先X, m->先Y, m->元駒, m->先駒, M,
                    MAN番 ? M + 秒 : M, C, MAN番 ? C : C + 秒);
    (MAN番 ? M : C) += 秒;
    手を指す(g.s, *m);
  }
  return g;
}

void 同じ対局(const 履歴の対局& a, const 履歴の対局& b, bool 時計も, const std::string& 何) {
  EXPECT_EQ(a.開始.盤面, b.開始.盤面) << 何;
  EXPECT_EQ(a.開始.持駒_MAN, b.開始.持駒_MAN) << 何;
  EXPECT_EQ(a.MAN先, b.MAN先) << 何;
  ASSERT_EQ(a.手.size(), b.手.size()) << 何;
  for (std::size_t i = 0; i < a.手.size(); ++i) {
    const 手順 &x = a.手[i], &y = b.手[i];
    EXPECT_TRUE(x.元X == y.元X && x.元Y == y.元Y && x.先X == y.先X && x.先Y == y.先Y &&
                x.元駒 == y.元駒 && x.先駒 == y.先駒 && x.取駒 == y.取駒)
        << 何 << " move " << i + 1;
    if (!時計も) continue;
    for (auto [p, q] :
         {std::pair{x.前秒M, y.前秒M}, {x.後秒M, y.後秒M}, {x.前秒C, y.前秒C}, {x.後秒C, y.後秒C}})
      EXPECT_LT(std::abs(p - q), 1.0) << 何 << " move " << i + 1;
  }
}

// Writes the game in every format and reads it back.
void 往復する(const 自己対局& g, const std::string& 名) {
  const 履歴の対局 対局 = 履歴から対局(g.s, g.記録, true);
  const 記録読込結果 r = 対局から記録(対局, 標準の向きに反転するか(対局.開始, 対局.MAN先));
  ASSERT_EQ(r.不正行, 0) << r.不正理由.日本語();
  for (棋譜形式 f : {棋譜形式::KIF, 棋譜形式::KIFU, 棋譜形式::CSA, 棋譜形式::USI, 棋譜形式::棋譜}) {
    const bool 平手から = 対局.開始.盤面 == 平手局面().盤面;
    if (f == 棋譜形式::棋譜 && !平手から) continue;
    const 棋譜書出結果 w = 棋譜を書く(f, r.記録);
    ASSERT_EQ(w.文言.日本語(), "");
    const 記録読込結果 back = 棋譜を読む(棋譜形式::不明, w.内容);
    const std::string 何 = 名 + " format " + std::to_string(static_cast<int>(f));
    ASSERT_EQ(back.不正行, 0) << 何 << ": " << back.不正理由.日本語();
    if (f == 棋譜形式::USI) {
      // No comments in USI: the record comes back in the standard orientation.
      EXPECT_EQ(back.記録.開始, r.記録.開始) << 何;
      EXPECT_EQ(back.記録.手.size(), r.記録.手.size()) << 何;
      continue;
    }
    同じ対局(対局, 記録から対局(back.記録), true, 何);
    EXPECT_EQ(back.記録.結末, r.記録.結末) << 何;
    EXPECT_EQ(back.記録.勝者, r.記録.勝者) << 何;
  }
}

class EachLevel : public ::testing::TestWithParam<int> {};

TEST_P(EachLevel, GamesToTheEndComeBackFromEveryFormat) {
  for (bool 乱数 : {false, true}) {
    for (bool MAN先 : {true, false}) {
      const 自己対局 g = 対局する(0, GetParam(), MAN先, 400, 乱数);
      if (乱数) {
        EXPECT_NE(g.s.勝者, 0);  // a king was taken
      }
      往復する(g,
               "level " + std::to_string(GetParam()) + (MAN先 ? " lower first" : " upper first"));
    }
  }
}
INSTANTIATE_TEST_SUITE_P(Levels, EachLevel, ::testing::Values(1, 2, 3));

TEST(RoundTrip, EveryHandicapGradeWithEitherSideFirst) {
  for (int 段級 = -10; 段級 <= 10; ++段級)
    for (bool MAN先 : {true, false})
      往復する(対局する(段級, 1, MAN先, 40),
               "grade " + std::to_string(段級) + (MAN先 ? " lower" : " upper"));
}

TEST(RoundTrip, StandardOrientationAndHandicapNames) {
  // The ladder's grades that are standard handicaps, given by 上手 moving first.
  const std::pair<int, std::string_view> 名[] = {{1, "角落ち"},   {2, "二枚落ち"},
                                                 {4, "四枚落ち"}, {6, "六枚落ち"},
                                                 {8, "八枚落ち"}, {10, "十枚落ち"}};
  for (const auto& [段級, 手合] : 名) {
    for (int 向き : {1, -1}) {
      // 上手 is the side with the pieces removed: the upper side at a positive grade.
      const 自己対局 g = 対局する(段級 * 向き, 1, 向き < 0, 6);
      const 履歴の対局 対局 = 履歴から対局(g.s, g.記録, true);
      const bool 反転 = 標準の向きに反転するか(対局.開始, 対局.MAN先);
      EXPECT_EQ(反転, 向き < 0);
      const 記録読込結果 r = 対局から記録(対局, 反転);
      const std::string kif = KIF文書(r.記録);
      EXPECT_NE(kif.find("手合割：" + std::string(手合)), std::string::npos) << kif;
      EXPECT_NE(kif.find("下手："), std::string::npos);
    }
  }
  // The even game the upper side began is written with 先手 at the bottom, and says so.
  const 自己対局 g = 対局する(0, 1, false, 4);
  const 記録読込結果 r = 対局から記録(履歴から対局(g.s, g.記録, true), true);
  const std::string kif = KIF文書(r.記録);
  EXPECT_NE(kif.find("#QZ:反転"), std::string::npos);
  EXPECT_TRUE(r.記録.開始.下の番);
  EXPECT_LT(r.記録.手[0].元駒, 0);
}

}  // namespace
}  // namespace qz

namespace qz {
namespace {

TEST(RoundTrip, TheEndingSaysHowTheGameEnded) {
  履歴の対局 対局;
  対局.開始.盤面[5][1] = 王;
  対局.開始.盤面[5][9] = -王;
  対局.開始.持駒_MAN.加える(7);
  // The lower side drops a rook on (5, 5): the king in check is frozen and
  // nothing can take the rook or come between: mate.
  対局.手.push_back({MAN持駒X, 9, 5, 5, 0, -飛, -飛});
  記録読込結果 r = 対局から記録(対局, false);
  EXPECT_EQ(r.記録.結末, 終局::詰み);
  EXPECT_EQ(r.記録.勝者, 1);
  EXPECT_NE(KIF文書(r.記録).find("   2 詰み\r\nまで1手で下手の勝ち\r\n"), std::string::npos);
  // The king taken instead.
  対局.開始.盤面[5][5] = -飛;
  対局.手.back() = {5, 5, 5, 1, 王, -飛, -飛};
  r = 対局から記録(対局, false);
  EXPECT_EQ(r.記録.結末, 終局::王取り);
  EXPECT_TRUE(KIF文書(r.記録).ends_with("( 0:00/00:00:00)\r\nまで1手で下手の勝ち\r\n"));
  EXPECT_TRUE(棋譜を書く(棋譜形式::CSA, r.記録).内容.ends_with("T0\r\n%TSUMI\r\n"));
  // No check: the game was left unfinished.
  対局.手.back() = {5, 5, 4, 5, 0, -飛, -飛};
  EXPECT_EQ(対局から記録(対局, false).記録.結末, 終局::中断);
}

// A repetition lost by checking throughout, the loser to move: KIF and CSA
// say it as the foul of the side to move, whichever side that is.
TEST(RoundTrip, AFoulOfTheSideToMoveComesBack) {
  対局記録 r;
  r.結末 = 終局::反則負け;
  r.手.push_back({{3, 7, 3, 6, -歩, -歩}, 0, 0});
  for (const int 勝者 : {1, -1}) {
    r.勝者 = 勝者;  // the lower side won when the upper side is to move
    for (const 記録読込結果& back : {KIF解読(KIF文書(r)), CSA解読(CSA文書(r))})
      EXPECT_TRUE(back.記録.手.size() == r.手.size() && back.記録.結末 == 終局::反則負け &&
                  back.記録.勝者 == 勝者);
    r.手.push_back({{7, 3, 7, 4, 歩, 歩}, 0, 0});
  }
}

}  // namespace
}  // namespace qz

namespace qz {
namespace {

TEST(RoundTrip, NamesAndTitlesWithCommasComeBackExactly) {
  // A CSA statement ends at a comma, but a name's line is the name's alone.
  for (const std::string 名 : {"Smith, John", "x,%TORYO", "x,PI,+,+7776FU", "x,'c", "x,-"}) {
    対局記録 r;
    r.下手名 = 名;
    r.上手名 = "上手," + 名;
    r.棋戦 = "Cup, 2026";
    r.手.push_back({{3, 7, 3, 6, -歩, -歩}, 0, 0});
    for (棋譜形式 f : {棋譜形式::KIF, 棋譜形式::KIFU, 棋譜形式::CSA}) {
      const 記録読込結果 back = 棋譜を読む(f, 棋譜を書く(f, r).内容);
      EXPECT_EQ(back.不正行, 0) << 名 << ": " << back.不正理由.日本語();
      EXPECT_EQ(back.記録.下手名, r.下手名);
      EXPECT_EQ(back.記録.上手名, r.上手名);
      EXPECT_EQ(back.記録.棋戦, r.棋戦);
      EXPECT_EQ(back.記録.手.size(), 1u) << 名;
    }
  }
}

}  // namespace
}  // namespace qz

namespace qz {
namespace {

TEST(RoundTrip, TheTimeControlComesBackFromKifAndCsa) {
  for (const 持ち時間設定 t : {持ち時間設定{600, 30, 0}, 持ち時間設定{300, 0, 10},
                                持ち時間設定{3600, 0, 0}, 持ち時間設定{0, 30, 0},
                                持ち時間設定{90, 5, 0}}) {
    対局記録 r;
    r.持ち時間 = t;
    r.手.push_back({{3, 7, 3, 6, -歩, -歩}, 0, 0});
    for (棋譜形式 f : {棋譜形式::KIF, 棋譜形式::KIFU, 棋譜形式::CSA}) {
      const 記録読込結果 back = 棋譜を読む(f, 棋譜を書く(f, r).内容);
      EXPECT_EQ(back.不正行, 0) << back.不正理由.日本語();
      EXPECT_EQ(back.記録.持ち時間, t) << 持ち時間の文(t);
    }
  }
  対局記録 r;
  r.持ち時間 = {600, 30, 0};
  EXPECT_NE(KIF文書(r).find("持ち時間：各10分（秒読み30秒）\r\n"), std::string::npos);
  EXPECT_NE(棋譜を書く(棋譜形式::CSA, r).内容.find("$TIME_LIMIT:00:10+30\r\n"), std::string::npos);
}

TEST(TimeControlText, OtherWritersFormsAreReadAndNonsenseIsPassedOver) {
  EXPECT_EQ(持ち時間を読む("各1時間30分(秒読み60秒)"), (持ち時間設定{5400, 60, 0}));
  EXPECT_EQ(持ち時間を読む("各15分"), (持ち時間設定{900, 0, 0}));
  EXPECT_EQ(持ち時間を読む("各5分（1手10秒加算）"), (持ち時間設定{300, 0, 10}));
  EXPECT_EQ(CSA持ち時間を読む("01:30+60"), (持ち時間設定{5400, 60, 0}));
  for (const char* bad : {"", "各", "各10", "各10分（", "各10分（秒読み）", "各999999分",
                          "各10分（切れ負け）x", "チェスクロック使用", "各0分"})
    EXPECT_FALSE(持ち時間を読む(bad)) << bad;
  for (const char* bad : {"", "00:10", "00:60+00", "0:10+", "11:00+00", "00:00+00", "a:b+c"})
    EXPECT_FALSE(CSA持ち時間を読む(bad)) << bad;
  // A header no one can read leaves the record as it was.
  const 記録読込結果 r = 棋譜を読む(棋譜形式::KIF, "持ち時間：各2時間（チェスクロック使用）\r\n");
  EXPECT_EQ(r.不正行, 0);
  EXPECT_FALSE(r.記録.持ち時間.有効());
}

}  // namespace
}  // namespace qz
