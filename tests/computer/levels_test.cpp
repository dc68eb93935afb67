// The levels as the window, the engine and qz-match iterate them.
#include "computer/levels.h"

#include <gtest/gtest.h>

#include <set>

#include "computer/deep_search.h"
#include "deep_fixture.h"

namespace qz {
namespace {

// Weakest first: the one-move player's 1-3, the ladder by ever more nodes,
// then LEVEL4 and LEVEL5 by time; every number up to the largest is a level
// (the engine's Level takes that range), and each limit reaches the search.
TEST(Ladder, TheLadderRunsFromTheOneMovePlayerThroughNodesToTime) {
  const auto l = レベル一覧();
  ASSERT_GE(l.size(), 6u);
  std::set<int> 番号;
  for (const レベル段& x : l) 番号.insert(x.番号);
  EXPECT_EQ(番号.size(), l.size());
  EXPECT_EQ(*番号.begin(), 1);
  EXPECT_EQ(*番号.rbegin(), 最大レベル番号());
  EXPECT_EQ(最大レベル番号(), static_cast<int>(l.size()));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(l[i].番号, i + 1);
    EXPECT_FALSE(l[i].探索する());
  }
  EXPECT_EQ(l[l.size() - 2].番号, 4);
  EXPECT_EQ(l.back().番号, 5);
  EXPECT_EQ(レベル条件(4).時間上限ms, 280);
  EXPECT_EQ(レベル条件(5).時間上限ms, 1900);
  for (std::size_t i = 3; i + 2 < l.size(); ++i) {
    EXPECT_EQ(l[i].時間上限ms, 0) << l[i].名;
    EXPECT_GT(l[i].節点上限, i > 3 ? l[i - 1].節点上限 : 0u) << l[i].名;
  }
  for (const レベル段& x : l) {
    EXPECT_EQ(x.表題.substr(0, x.名.size()), x.名);
    const 探索条件 c = レベル条件(x.番号);
    EXPECT_EQ(c.節点上限, x.節点上限) << x.名;
    EXPECT_EQ(c.時間上限ms, x.時間上限ms) << x.名;
    EXPECT_EQ(c.糸数上限, x.節点上限 != 0 ? 1 : 0) << x.名;
  }
}

// A ladder level plays as it was measured whatever threads the searcher has.
TEST(Ladder, ALadderLevelSearchesAsOnOneThread) {
  const auto p =
      testing::読む("l6nl/5+R1k1/4pp1pp/p5p2/2P6/P3P4/1P1P1PPPP/1+b3S3/LN2KG1NL w RGSPbgsn2p 40");
  const 探索条件 c = レベル条件(レベル一覧()[レベル一覧().size() - 3].番号);
  深探索 一本(16), 四本(16);
  四本.糸数を設定(4);
  const 深探索結果 x = 一本.探索(p.s, p.MAN手番, {}, c);
  const 深探索結果 y = 四本.探索(p.s, p.MAN手番, {}, c);
  EXPECT_EQ(x.最善, y.最善);
  EXPECT_EQ(x.報告.読み筋, y.報告.読み筋);
  EXPECT_EQ(x.報告.節点, y.報告.節点);
}

}  // namespace
}  // namespace qz
