#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine_lines.h"

namespace qz {
namespace {

// A square of USI text turned half a turn: file f -> 10 - f, rank r -> 'i' - (r - 'a').
std::string Turned(const std::string& move) {
  std::string m = move;
  for (std::size_t i = 0; i + 1 < m.size(); ++i)
    if (m[i] >= '1' && m[i] <= '9' && m[i + 1] >= 'a' && m[i + 1] <= 'i') {
      m[i] = static_cast<char>('0' + 10 - (m[i] - '0'));
      m[i + 1] = static_cast<char>('i' - (m[i + 1] - 'a'));
      ++i;
    }
  return m;
}

TEST(EngineGo, TheLowerSideIsSearchedOnTheReversedBoard) {
  EngineState st;
  EXPECT_EQ(Engine(st, {"position startpos", "go"}), std::vector<std::string>{"bestmove 7g7f"});
  // The same position with the sides exchanged, the upper side to move.
  EngineState up;
  const auto upper = Engine(
      up,
      {"position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", "evals"});
  const auto lower = Engine(st, {"evals"});
  ASSERT_EQ(upper.size(), lower.size());
  ASSERT_GT(upper.size(), 1u);
  for (std::size_t i = 0; i < upper.size(); ++i) EXPECT_EQ(lower[i], Turned(upper[i]));
  EXPECT_EQ(lower.back(), "bestmove 7g7f");
}

TEST(EngineGo, DropsOfTheLowerSideAndTheirScores) {
  EngineState st;
  const auto out = Engine(
      st, {"setoption name Level value 1", "position sfen 4k4/9/9/9/9/9/9/9/4K4 b G 1", "evals"});
  // Five king moves, then gold drops on every empty square.
  ASSERT_EQ(out.size(), 5u + 79u + 1u);
  // The drops come in the order of the search on the reversed board: its
  // (1,1) is the real (9,9). A drop costs 5 at level 1 before the danger scan.
  EXPECT_EQ(out[5], "G*1i -5");
  EXPECT_EQ(out.back().rfind("bestmove ", 0), 0u);
}

TEST(EngineGo, ResignsWhenNothingIsLegal) {
  EngineState st;
  EXPECT_EQ(Engine(st, {"position sfen 4k4/4R4/9/9/9/9/9/9/4K4 w - 1", "go", "evals"}),
            (std::vector<std::string>{"bestmove resign", "bestmove resign"}));
  // The lower side likewise, on the mirrored position.
  EXPECT_EQ(Engine(st, {"position sfen 4k4/9/9/9/9/9/9/4r4/4K4 b - 1", "go"}),
            std::vector<std::string>{"bestmove resign"});
}

TEST(EngineGo, TheLevelSwitchesStagesOfTheEvaluation) {
  EngineState st;
  const std::string pos = "position startpos moves 7g7f";
  EXPECT_EQ(Engine(st, {"setoption name Level value 1", pos, "go"}).back(), "bestmove 9a9b");
  EXPECT_EQ(Engine(st, {"setoption name Level value 3", pos, "go"}).back(), "bestmove 8c8d");
  const std::string 無いレベル = std::to_string(最大レベル番号() + 1);
  EXPECT_EQ(Engine(st, {"setoption name Level value " + 無いレベル, "go"}).size(), 2u);  // refused
  EXPECT_EQ(Engine(st, {"go"}).back(), "bestmove 8c8d");
}

TEST(EngineGo, NewGameForgetsTheKingDistanceOfTheLastTurn) {
  // Only drops are possible in the second position (COM's king is checked
  // from afar and frozen); their approach term reads the distance the last
  // board move of the previous search left.
  const std::vector<std::string> first = {"setoption name Level value 2",
                                          "position sfen 4k3g/9/9/9/9/9/9/9/4K4 w - 1", "go"};
  const std::vector<std::string> second = {"position sfen 4k4/9/9/9/4R4/9/9/9/4K4 w g 1", "evals"};
  EngineState st;
  Engine(st, first);
  const auto carried = Engine(st, second);
  Engine(st, first);
  Engine(st, {"usinewgame"});
  const auto fresh = Engine(st, second);
  ASSERT_EQ(carried.size(), fresh.size());
  // With the remembered distance 8, a drop closer to MAN's king along the
  // column gains 0.1; after usinewgame the distance is 0 and it gains nothing.
  int differ = 0;
  for (std::size_t i = 0; i + 1 < carried.size(); ++i) {
    const auto space = carried[i].find(' ');
    ASSERT_EQ(carried[i].substr(0, space), fresh[i].substr(0, space));
    const long a = std::lround(std::stod(carried[i].substr(space + 1)) * 10);
    const long b = std::lround(std::stod(fresh[i].substr(space + 1)) * 10);
    if (a != b) {
      ++differ;
      EXPECT_EQ(a - b, 1) << carried[i];
    }
  }
  EXPECT_GT(differ, 0);
}

}  // namespace
}  // namespace qz

namespace qz {
namespace {

// Levels 4 and 5: one info line per finished depth, then bestmove; a node
// limit gives the same lines (but for time and nps) every time.
TEST(EngineDeepGo, InfoLinesThenBestmoveAndLimitsRepeat) {
  EngineState st;
  const auto out = Engine(st, {"setoption name Level value 4", "position startpos", "go depth 3"});
  ASSERT_EQ(out.size(), 4u);
  for (int d = 1; d <= 3; ++d)
    EXPECT_EQ(out[d - 1].rfind("info depth " + std::to_string(d) + " score cp ", 0), 0u) << out[d - 1];
  EXPECT_NE(out[2].find(" pv "), std::string::npos);
  EXPECT_EQ(out[3].rfind("bestmove ", 0), 0u);
  auto 時間なし = [](std::vector<std::string> v) {
    for (auto& l : v) l = l.substr(0, l.find(" nps "));
    return v;
  };
  const std::vector<std::string> go = {"setoption name Level value 5", "position startpos moves 7g7f",
                                       "go nodes 4000"};
  EXPECT_EQ(時間なし(Engine(st, go)), 時間なし(Engine(st, go)));
  EXPECT_EQ(Engine(st, {"go nodes x"}).front(), "info string go nodes needs a whole number; ignored");
}

// A ladder level stops at its nodes; limits given to go replace them.
TEST(EngineDeepGo, ALadderLevelSearchesItsNodesUnlessGoGivesLimits) {
  EngineState st;
  auto out = Engine(st, {"setoption name Level value 6", "position startpos moves 7g7f", "go"});
  const std::string& last = out.at(out.size() - 2);
  EXPECT_LE(std::stoull(last.substr(last.find(" nodes ") + 7)), レベル条件(6).節点上限) << last;
  out = Engine(st, {"go depth 5"});
  EXPECT_EQ(out[out.size() - 2].rfind("info depth 5 ", 0), 0u);
}

// Under the command reader the search runs beside it: `stop` ends an endless
// search with a move, and the end of input does too.
TEST(EngineDeepGo, StopEndsARunningSearch) {
  for (const char* tail : {"stop\nisready\n", ""}) {
    EngineState st;
    std::istringstream in(std::string("setoption name Level value 5\nposition startpos\ngo infinite\n") + tail);
    std::ostringstream out;
    runEngine(in, out, st);
    EXPECT_NE(out.str().find("bestmove "), std::string::npos) << tail;
  }
}

// A `quit` or `stop` already waiting behind a search of fixed depth waits
// for its end, so a script gets the same answer as without it; a depth past
// the deepest is the deepest, not an endless search that the end of input
// stops at once.
TEST(EngineDeepGo, AFixedDepthIsNotCutByAStopAlreadyWaitingNorByTheEndOfInput) {
  const std::string 局面 =
      "setoption name Level value 4\n"
      "position sfen 4k4/9/9/9/9/9/9/9/4K4 b 2R2B4G4S4N4L9P9p 1\n";
  auto 読み = [](const std::string& input) {
    EngineState st;
    std::istringstream in(input);
    std::ostringstream out;
    runEngine(in, out, st);
    std::vector<std::string> v;
    std::istringstream lines(out.str());
    for (std::string l; std::getline(lines, l);) v.push_back(l.substr(0, l.find(" nodes ")));
    return v;
  };
  const auto 単独 = 読み(局面 + "go depth 6\n");
  ASSERT_GE(単独.size(), 2u);
  EXPECT_EQ(単独[単独.size() - 2].rfind("info depth ", 0), 0u);
  EXPECT_NE(単独[単独.size() - 2].find(" score mate "), std::string::npos);
  EXPECT_EQ(読み(局面 + "go depth 6\nquit\n"), 単独);
  auto 後に準備 = 単独;
  後に準備.push_back("readyok");
  EXPECT_EQ(読み(局面 + "go depth 6\nstop\nisready\n"), 後に準備);
  EXPECT_EQ(読み(局面 + "go depth 100\n"), 単独);
}

}  // namespace
}  // namespace qz
