// Whole games against the computer at each level: the human's moves are
// chosen at random among the legal ones and entered by clicks, and the game
// runs until a king is taken.
#include <gtest/gtest.h>

#include <random>

#include "game_bench.h"
#include "rules/movegen.h"

namespace qz {
namespace {

using game_testing::box;
using game_testing::Event;
using game_testing::Game;

std::vector<指し手> 人間の合法手(const Form1& f) {
  局面 s = f.対局値.局;
  勢力調査(s);
  調査_2歩フラグ設定(s);
  std::vector<指し手> r;
  合法手列挙(s, true, [&](const 指し手& m) { r.push_back(m); });
  return r;
}

// Plays the human's side by clicks until the game has ended (and a new board
// is up) or the cap is reached; returns the number of human moves.
int 対局する(Game& g, unsigned seed, int cap) {
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
      const 手順& h = g.form.手順[before + 1];
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
  Game g;
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
  Game g;
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
  Game g;
  g.form.SENTE_Click();
  g.messages.yesNo = {Answer::No};
  EXPECT_THROW(対局する(g, 3u, 300), ProgramEnded);
  EXPECT_TRUE(g.window.ended);
  EXPECT_EQ(g.sound.freed, 5);
  EXPECT_TRUE(g.sound.terminated);
}

}  // namespace
}  // namespace qz
