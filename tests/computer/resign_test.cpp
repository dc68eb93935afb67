// When the searching player resigns: at once on a loss it sees forced, after
// a run of hopeless scores, never at levels 1-3, and not on a run broken by
// a better score.
#include "computer/resign.h"

#include <gtest/gtest.h>

#include <vector>

#include "computer/deep_search.h"

namespace qz {
namespace {

深探索結果 結果(int 点) {
  深探索結果 r;
  r.指し手あり = true;
  r.報告.評価 = 点;
  return r;
}

TEST(Resign, AfterAForcedLossOrARunOfHopelessScores) {
  struct Case {
    const char* what;
    int level;
    std::vector<int> scores;
    int resigns_at;  // index of the search after which it resigns, -1 for never
  };
  const int 負け = -(勝ち点 - 7);
  const Case cases[] = {
      {"a forced loss at once", 4, {100, 負け}, 1},
      {"three hopeless scores", 5, {-100, -2600, -3000, -2500}, 3},
      {"a better score breaks the run", 4, {-3000, -3000, -2000, -3000, -3000}, -1},
      {"the run starts again after the break", 4, {-3000, -3000, 0, -3000, -3000, -3000}, 5},
      {"level 3 never resigns", 3, {負け, 負け, -5000, -5000, -5000}, -1},
      {"level 1 never resigns", 1, {負け}, -1},
      {"a winning side plays on", 5, {勝ち点 - 3, 5000, 5000, 5000}, -1},
      {"just above the margin", 4, {-2499, -2499, -2499, -2499}, -1},
  };
  for (const Case& c : cases) {
    投了判断 j;
    int at = -1;
    for (std::size_t i = 0; i < c.scores.size() && at < 0; ++i)
      if (j.投了するか(c.level, 結果(c.scores[i]))) at = static_cast<int>(i);
    EXPECT_EQ(at, c.resigns_at) << c.what;
  }
}

// No legal move at all is the end of the game by itself, not a resignation;
// a new game forgets the run.
TEST(Resign, NoMoveAndNewGame) {
  投了判断 j;
  深探索結果 none;
  EXPECT_FALSE(j.投了するか(5, none));
  EXPECT_FALSE(j.投了するか(5, 結果(-3000)));
  EXPECT_FALSE(j.投了するか(5, 結果(-3000)));
  j.新しい対局();
  EXPECT_FALSE(j.投了するか(5, 結果(-3000)));
  EXPECT_FALSE(j.投了するか(5, 結果(-3000)));
  EXPECT_TRUE(j.投了するか(5, 結果(-3000)));
}

}  // namespace
}  // namespace qz
