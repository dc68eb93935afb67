// Games against the computer in the window; every position the computer
// moved from is then given to qzshogi-engine (a new game each time, the same
// level), whose `go` must answer the move the window played.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "fakes.h"
#include "rules/sfen.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

struct 局面と手 {
  std::string sfen;  // the upper side (the computer) to move
  std::string 手;    // what the window played, in USI notation
};

std::string 手の表記(const 手順& h) {
  return USI表記(手順の指し手(h));
}

std::string 上の手番のSFEN(const 局面& s, int n) {
  return SFEN書出(s.盤面, s.持駒_MAN, s.持駒_COM, false, n);
}

// The position after history move n of the window's game, replayed from a
// copy of the position before it (the computer's drops name their slot).
局面 後の局面(局面 s, const 手順& h) {
  駒移動(s, h.元X, h.元Y, h.先X, h.先Y, h.先駒);
  return s;
}

// Plays one game (the human at random) and lists every computer move with
// the position it was chosen from.
std::vector<局面と手> 対局(int level, bool computerFirst, unsigned seed) {
  StartedProgram g;
  g.form.レベル_設定(level);
  std::vector<局面と手> r;
  if (computerFirst) {
    const 局面 before = g.form.対局値.局;
    g.form.GOTE_Click();
    r.push_back({上の手番のSFEN(before, 1), 手の表記(g.form.対局値.手順[1])});
  } else {
    g.form.SENTE_Click();
  }
  std::mt19937 rng(seed);
  while (g.form.対局値.手番 != 0 && r.size() < 60) {
    const auto legal = 人間の合法手(g.form);
    if (legal.empty()) break;
    const 指し手 m = legal[rng() % legal.size()];
    const 局面 before = g.form.対局値.局;
    const int n = g.form.対局値.手数;
    g.move(m.元X, m.元Y, m.先X, m.先Y, m.成る() ? ボタン_右 : ボタン_左);
    if (g.form.対局値.手番 == 0 || g.form.対局値.手数 != n + 2) break;
    const 局面 searched = 後の局面(before, g.form.対局値.手順[n + 1]);
    r.push_back({上の手番のSFEN(searched, n + 2), 手の表記(g.form.対局値.手順[n + 2])});
  }
  return r;
}

// Runs the engine on the commands and returns its output lines.
std::vector<std::string> エンジン(const std::string& commands) {
  // One file per process: CTest runs the cases side by side.
  const std::string in = ::testing::TempDir() + "play_engine_" + std::to_string(getpid()) + ".txt";
  std::ofstream(in) << commands << "quit\n";
  const std::string command = std::string("\"") + QZ_ENGINE_PATH + "\" < \"" + in + "\"";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  std::string out;
  char buf[4096];
  while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
  pclose(pipe);
  std::remove(in.c_str());
  std::vector<std::string> lines;
  std::istringstream ss(out);
  for (std::string line; std::getline(ss, line);) lines.push_back(line);
  return lines;
}

class SameMove : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(SameMove, AsTheEngineFromEveryPositionOfAGame) {
  const auto [level, computerFirst] = GetParam();
  const auto moves = 対局(level, computerFirst, 10u * level + (computerFirst ? 1 : 0));
  ASSERT_GE(moves.size(), 5u);
  std::string commands;
  for (const 局面と手& p : moves)
    commands += "usinewgame\nsetoption name Level value " + std::to_string(level) +
                "\nposition sfen " + p.sfen + "\ngo\n";
  const auto lines = エンジン(commands);
  ASSERT_EQ(lines.size(), moves.size()) << commands;
  for (std::size_t i = 0; i < moves.size(); ++i)
    EXPECT_EQ(lines[i], "bestmove " + moves[i].手) << moves[i].sfen;
}

INSTANTIATE_TEST_SUITE_P(LevelsAndSides, SameMove,
                         ::testing::Combine(::testing::Values(1, 2, 3), ::testing::Bool()));

}  // namespace
}  // namespace qz
