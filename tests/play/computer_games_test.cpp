// Whole games against the computer at each level: the human's moves are
// chosen at random among the legal ones and entered by clicks, and the game
// runs until a king is taken.
#include <gtest/gtest.h>

#include <random>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

// Plays the human's side by clicks until the game has ended (and a new board
// is up) or the cap is reached; returns the number of human moves.
int 対局する(StartedProgram& g, unsigned seed, int cap) {
  std::mt19937 rng(seed);
  int moves = 0;
  while (g.form.対局値.手番 != 0 && moves < cap) {
    EXPECT_EQ(g.form.対局値.手番, g.form.対局値.局.手番値_MAN);
    const auto legal = 人間の合法手(g.form);
    if (legal.empty()) break;
    指し手 m = legal[rng() % legal.size()];
    for (const 指し手& c : legal)
      if (g.at(c.先X, c.先Y) == 王) m = c;
    const int before = g.form.対局値.手数;
    g.move(m.元X, m.元Y, m.先X, m.先Y, m.成る() ? ボタン_右 : ボタン_左);
    ++moves;
    // The move was made and, unless it ended the game, the computer answered.
    if (g.form.対局値.手番 != 0) {
      EXPECT_EQ(g.form.対局値.手数, before + 2);
      const 手順& h = g.form.対局値.手順[before + 1];
      EXPECT_EQ(h.先駒, m.先駒);
      EXPECT_EQ(h.元駒, m.元駒);
    }
  }
  return moves;
}

bool shown(const std::vector<Event>& events, const Event& e) {
  return std::find(events.begin(), events.end(), e) != events.end();
}

class EachLevel : public ::testing::TestWithParam<int> {};

TEST_P(EachLevel, AGameRunsToAKingCapture) {
  StartedProgram g;
  g.form.LEVEL1_Click();
  g.form.レベル_設定(GetParam());
  g.form.SENTE_Click();
  const int moves = 対局する(g, static_cast<unsigned>(GetParam()), 300);
  EXPECT_LT(moves, 300);
  const auto events = g.take();
  const bool computer = shown(events, box("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了"));
  const bool human = shown(events, box("あなたの勝ちです", "終了"));
  EXPECT_TRUE(computer || human);
  EXPECT_TRUE(shown(events, box("続けますか？", "再ゲーム")));
  // Yes gave a fresh board; the level stays.
  EXPECT_EQ(g.form.対局値.手番, 0);
  EXPECT_EQ(g.form.対局値.手数, 0);
  EXPECT_EQ(g.form.対局値.COMレベル, GetParam());
}

TEST_P(EachLevel, AGameWithTheComputerMovingFirstRunsToAnEnd) {
  StartedProgram g;
  g.form.レベル_設定(GetParam());
  g.form.GOTE_Click();
  EXPECT_EQ(g.form.対局値.局.手番値_COM, 先手);
  const int moves = 対局する(g, 100u + static_cast<unsigned>(GetParam()), 300);
  EXPECT_LT(moves, 300);
  EXPECT_EQ(g.form.対局値.手番, 0);
}

INSTANTIATE_TEST_SUITE_P(Levels, EachLevel, ::testing::Values(1, 2, 3));

// Declining a new game ends the program after the shutdown procedure.
TEST(AgainstTheComputer, DecliningANewGameEndsTheProgram) {
  StartedProgram g;
  g.form.SENTE_Click();
  g.messages.yesNo = {Answer::No};
  EXPECT_THROW(対局する(g, 3u, 300), ProgramEnded);
  EXPECT_TRUE(g.window.ended);
  EXPECT_EQ(g.sound.freed.size(), 5u);
  EXPECT_TRUE(g.sound.terminated);
}

}  // namespace
}  // namespace qz
