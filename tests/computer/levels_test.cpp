// The levels as the window, the engine and qz-match iterate them.
#include "computer/levels.h"

#include <gtest/gtest.h>

#include "computer/deep_search.h"

namespace qz {
namespace {

// Weakest first: 1-3 the one-move player, the ladder by ever more nodes,
// then 4 and 5 by time; the numbers are 1 to the largest (the engine's Level
// takes that range), and each limit reaches the search.
TEST(Ladder, RunsFromTheOneMovePlayerThroughNodesToTime) {
  const auto l = レベル一覧();
  ASSERT_EQ(最大レベル番号(), static_cast<int>(l.size()));
  std::vector<int> 番号 = {1, 2, 3};
  for (int n = 6; n <= 最大レベル番号(); ++n) 番号.push_back(n);
  番号.insert(番号.end(), {4, 5});
  for (std::size_t i = 0; i < l.size(); ++i) {
    EXPECT_EQ(l[i].番号, 番号[i]);
    EXPECT_EQ(l[i].表題.substr(0, l[i].名.size()), l[i].名);
    const 探索条件 c = レベル条件(l[i].番号);
    EXPECT_EQ(c.節点上限, l[i].節点上限);
    EXPECT_EQ(c.時間上限ms, l[i].時間上限ms);
    EXPECT_EQ(c.糸数上限, l[i].節点上限 != 0 ? 1 : 0);
    EXPECT_EQ(c.表を残す, l[i].時間上限ms != 0);  // only a level by time keeps its table
    EXPECT_EQ(c.刈り込む, l[i].時間上限ms != 0);  // and skips hopeless moves
    EXPECT_EQ(l[i].探索する(), i >= 3);
    if (i >= 3 && i + 2 < l.size()) {
      EXPECT_GT(l[i].節点上限, l[i - 1].節点上限) << l[i].名;  // LEVEL3's is 0
    }
  }
  EXPECT_EQ(レベル条件(4).時間上限ms, 280);
  EXPECT_EQ(レベル条件(5).時間上限ms, 1900);
}

}  // namespace
}  // namespace qz
