#include "computer/mate_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "computer/deep_search.h"
#include "deep_fixture.h"
#include "sample_positions.h"

namespace qz {
namespace {

using testing::読む;

詰み結果 解く(const testing::盤と手番& p, std::uint64_t 節点 = 2'000'000) {
  詰み探索 器(18);
  詰み条件 c;
  c.節点上限 = 節点;
  return 器.探す(p.s, p.MAN手番, c);
}

// A won line must be legal move by move, every attacker's move a check,
// and end with the king taken or the defender left without a move.
std::string 勝ち筋の誤り(testing::盤と手番 p, const std::vector<指し手>& 筋) {
  if (筋.empty()) return "empty line";
  if (筋.size() % 2 == 0) return "the line ends with the defender's move";
  const std::string e = testing::筋を指す(p, 筋);
  if (!e.empty()) return e;
  if (testing::王取り(p.s, 筋.back())) return "";
  return p.手().empty() ? "" : "the defender still has a move";
}

TEST(MateSearch, FindsShortForcedWinsOfEitherSide) {
  struct Case {
    const char* what;
    const char* sfen;
    std::size_t plies;
  };
  const Case cases[] = {
      {"the king is there to take", "4k4/9/9/9/4R4/9/9/9/4K4 b - 1", 1},
      {"the upper side's king capture", "4k4/9/9/9/4r4/9/9/9/4K4 w - 1", 1},
      // A rook dropped on the king's file freezes it; nothing can come between.
      {"a dropped rook wins in 3", "4k4/9/8p/9/9/9/9/9/4K4 b R 1", 3},
      {"the same for the upper side", "4k4/9/9/9/9/9/2P6/9/4K4 w r 1", 3},
      // The rook in the corner freezes both the king and the pawn: no move is left.
      {"a drop that leaves no move", "4k4/9/9/9/9/9/P8/9/4K4 w r 1", 1},
  };
  for (const Case& k : cases) {
    const auto p = 読む(k.sfen);
    const 詰み結果 r = 解く(p);
    ASSERT_EQ(r.判定, 詰み判定::勝ち) << k.what;
    EXPECT_EQ(r.手順.size(), k.plies) << k.what;
    EXPECT_EQ(勝ち筋の誤り(p, r.手順), "") << k.what;
  }
}

TEST(MateSearch, SaysNoWinWhenNoCheckWinsAndUnknownWhenStopped) {
  // Bare kings: no check at all.
  EXPECT_EQ(解く(読む("4k4/9/9/9/9/9/9/9/4K4 b - 1")).判定, 詰み判定::勝ちなし);
  // The start: checks come nowhere near in reach.
  EXPECT_EQ(解く(読む(開始SFEN)).判定, 詰み判定::勝ちなし);
  // A full hand against a bare king is too big for a few hundred nodes.
  const auto big = 読む("4k4/9/9/9/9/9/9/9/4K4 b RBG2S2N2L9Prbg2s2n2l9p 1");
  const 詰み結果 r = 解く(big, 300);
  EXPECT_EQ(r.判定, 詰み判定::不明);
  EXPECT_TRUE(r.手順.empty());
  // A node-limited search repeats exactly.
  EXPECT_EQ(解く(big, 5000).節点, 解く(big, 5000).節点);
}

// Positions from the samples and from random play: every win the solver
// claims is a legal line that ends in a capture, and the full search of
// that many plies agrees that the side to move wins.
TEST(MateSearch, EveryClaimedWinIsRealAndTheFullSearchAgrees) {
  std::vector<testing::盤と手番> 局面;
  for (const auto& e : testing::見本局面一覧) 局面.push_back(読む(e.sfen));
  std::mt19937 rng(7);
  for (int g = 0; g < 12; ++g) {
    auto p = 読む(開始SFEN);
    for (int ply = 0; ply < 90; ++ply) {
      const auto v = p.手();
      if (v.empty()) break;
      const 指し手 m = v[rng() % v.size()];
      if (testing::王取り(p.s, m)) break;
      p.指す(m);
      if (ply % 15 == 14) 局面.push_back(p);
    }
  }
  int 勝ち数 = 0;
  for (std::size_t i = 0; i < 局面.size(); ++i) {
    const 詰み結果 r = 解く(局面[i], 20000);
    if (r.判定 != 詰み判定::勝ち) continue;
    ++勝ち数;
    EXPECT_EQ(勝ち筋の誤り(局面[i], r.手順), "") << i;
    if (r.手順.size() > 7) continue;
    深探索 器(16);
    探索条件 c;
    c.深さ上限 = static_cast<int>(r.手順.size());
    const 深探索結果 d = 器.探索(局面[i].s, 局面[i].MAN手番, {}, c);
    EXPECT_GE(d.報告.評価, 勝敗境) << i << " plies " << r.手順.size();
  }
  EXPECT_GT(勝ち数, 0);  // the samples hold kings in check
}

}  // namespace
}  // namespace qz
