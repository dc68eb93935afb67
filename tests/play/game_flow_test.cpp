// Starting and ending games, passing the turn, and whole games between two
// humans played by clicks.
#include <gtest/gtest.h>

#include "game_bench.h"

namespace qz {
namespace {

using game_testing::box;
using game_testing::Event;
using game_testing::Game;
using game_testing::sound;

TEST(TwoHumans, StartSaysTheLowerSideMovesFirst) {
  Game g;
  g.form.START_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{box("先手の番です", " ")}));
  EXPECT_EQ(g.form.手番, 先手);
  EXPECT_EQ(g.form.対局モード, 0);
  EXPECT_TRUE(g.timer.on);
}

}  // namespace
}  // namespace qz
