// The searching player's evaluation weights by name, and its counts: scored
// under any weights they give what the evaluation itself gives.
#include "computer/deep_eval.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "computer/bearing_board.h"
#include "rules/sfen.h"

namespace qz {
namespace {

TEST(DeepEval, EveryWeightNameSetsItsOwnWeightOnly) {
  std::set<std::string_view> seen;
  for (const std::string_view n : 重みの名前()) {
    EXPECT_TRUE(seen.insert(n).second) << n;
    評価重み w;
    const 評価重み before = w;
    ASSERT_TRUE(重みを設定(w, n, 777)) << n;
    EXPECT_EQ(重みの値(w, n), 777) << n;
    int changed = 0;
    for (const std::string_view m : 重みの名前())
      changed += *重みの値(w, m) != *重みの値(before, m);
    EXPECT_EQ(changed, 1) << n;
  }
  評価重み w;
  EXPECT_FALSE(重みを設定(w, "王", 1));
  EXPECT_FALSE(重みの値(w, "nothing"));
  ASSERT_TRUE(重みを設定(w, "竜", 2000) && 重みを設定(w, "と", 600));
  EXPECT_EQ(w.駒値[成飛], 2000);
  EXPECT_EQ(w.駒値[成歩], 600);
  EXPECT_EQ(駒価値(-成飛), 1395);  // move ordering keeps the fixed values
  EXPECT_EQ(駒価値(成歩), 540);
}

// Random weights, some negative, to catch a term counted with the wrong sign or rounding.
評価重み 乱れた重み(std::mt19937& rng) {
  評価重み w;
  for (const std::string_view n : 重みの名前())
    重みを設定(w, n, static_cast<int>(rng() % 1500) - 200);
  return w;
}

TEST(DeepEval, CountsScoredUnderAnyWeightsEqualTheEvaluation) {
  for (const char* sfen : {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
                           "4k4/9/9/9/9/9/9/9/4K4 w RBGSNL4Prbgsnl4p 1"}) {
    std::mt19937 rng(5);
    局面 s;
    局面に置く(*SFEN読込(sfen), s);
    利き盤 b;
    b.設定(s, SFEN読込(sfen)->MAN手番);
    手の列 v;
    for (int ply = 0; ply < 200; ++ply) {
      for (const 評価重み& w : {評価重み{}, 乱れた重み(rng)})
        ASSERT_EQ(数の評価(評価の数を数える(b), w), 形勢評価(b, w)) << sfen << " ply " << ply;
      b.全手(v);
      std::vector<指し手> quiet;
      for (const 指し手& m : v)
        if (m.打つ() || std::abs(b.駒(m.先X, m.先Y)) != 王) quiet.push_back(m);
      if (quiet.empty()) break;
      b.指す(quiet[rng() % quiet.size()]);
    }
  }
}

// A pawn and a rook face each other, each freezing the other; the share of
// its value a frozen piece loses goes by the piece, guarded or not.
TEST(DeepEval, AFrozenPieceLosesItsShareOfItsValue) {
  const auto p = SFEN読込("4k4/9/9/9/4r4/4P4/4G4/9/4K4 b - 1");
  局面 s;
  局面に置く(*p, s);
  利き盤 b;
  b.設定(s, true);
  評価重み w;
  w.凍結割合 = 0;
  const int 前 = 形勢評価(b, w);
  w.凍結割合 = 10;
  EXPECT_EQ(形勢評価(b, w) - 前, 99 - 9);  // the rook's tenth against the pawn's
}

}  // namespace
}  // namespace qz
