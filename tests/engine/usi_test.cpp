#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "computer/time_control.h"
#include "engine/engine.h"
#include "engine_lines.h"

namespace qz {
namespace {

bool StartsWith(const std::string& s, std::string_view p) {
  return s.rfind(p, 0) == 0;
}

// The limits `go` would search with, and what it said about its words.
探索条件 Limits(const EngineState& st, const std::string& go, std::string* said = nullptr) {
  CommandLine c{go, {}};
  std::istringstream in(go);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  for (const auto& w : words) c.words.push_back(w);
  std::ostringstream out;
  const 探索条件 r = goの探索条件(st, c, out);
  if (said) *said = out.str();
  return r;
}

TEST(EngineUsi, OptionsAreListedSetKeptAndRefusedWhenBad) {
  EngineState st;
  const auto usi = Engine(st, {"usi"});
  ASSERT_EQ(usi.size(), 7u);
  EXPECT_TRUE(StartsWith(usi[1], "id author "));
  EXPECT_EQ(usi[3], "option name Threads type spin default 1 min 1 max 64");
  EXPECT_EQ(usi[4], "option name USI_Hash type spin default 16 min 1 max 4096");
  EXPECT_EQ(usi[5], "option name MultiPV type spin default 1 min 1 max 600");
  EXPECT_EQ(usi[6], "usiok");

  EXPECT_TRUE(Engine(st, {"setoption name threads value 2", "setoption name USI_Hash value 64",
                          "setoption name MultiPV value 3", "usinewgame"})
                  .empty());
  EXPECT_EQ(st.探索糸数, 2);
  EXPECT_EQ(st.探索表ビット, 22);  // 64 MB of 16-byte entries
  EXPECT_EQ(st.候補数, 3);
  for (const char* bad : {"setoption name Threads value 0", "setoption name Threads value 65",
                          "setoption name USI_Hash value -1", "setoption name MultiPV value x",
                          "setoption name MultiPV value"}) {
    const auto out = Engine(st, {bad});
    ASSERT_EQ(out.size(), 1u) << bad;
    EXPECT_TRUE(StartsWith(out[0], "info string ")) << bad;
  }
  EXPECT_EQ(st.探索糸数, 2);
  EXPECT_EQ(st.ハッシュMB, 64);
  EXPECT_EQ(st.候補数, 3);
  EXPECT_TRUE(Engine(st, {"gameover win", "gameover draw"}).empty());
  EXPECT_TRUE(StartsWith(Engine(st, {"gameover maybe"}).at(0), "info string usage"));
}

TEST(EngineUsi, TheClockSetsTheSearchLimitsUnlessATimeOrDepthIsGiven) {
  EngineState st;
  st.COMレベル = 4;
  Engine(st, {"position startpos moves 7g7f"});  // the upper side (w) to move
  持ち時間 t;
  t.残りMAN = 60000, t.残りCOM = 5000, t.加算MAN = 0, t.加算COM = 1000;
  const 時間配分 d = 時間を配る(t, false, 1);
  探索条件 c = Limits(st, "go btime 60000 wtime 5000 binc 0 winc 1000");
  EXPECT_EQ(c.時間上限ms, d.上限ms);
  EXPECT_EQ(c.目安ms, d.目安ms);
  // movetime, depth and nodes replace the clock.
  EXPECT_EQ(Limits(st, "go btime 60000 wtime 5000 movetime 700").時間上限ms, 700);
  EXPECT_EQ(Limits(st, "go wtime 5000 depth 3").時間上限ms, 0);
  std::string said;
  c = Limits(st, "go btime x wtime 5000", &said);
  EXPECT_TRUE(StartsWith(said, "info string go btime needs"));
  t.残りMAN = 0, t.加算COM = 0;
  EXPECT_EQ(c.時間上限ms, 時間を配る(t, false, 1).上限ms);
  EXPECT_EQ(Limits(st, "go").時間上限ms, レベル条件(4).時間上限ms);
}

TEST(EngineUsi, MultiPVPrintsOneLinePerRootMoveAndDepth) {
  EngineState st;
  const auto out = Engine(st, {"setoption name Level value 4", "setoption name MultiPV value 3",
                               "position startpos", "go depth 2"});
  int lines = 0;
  for (int d = 1; d <= 2; ++d)
    for (int k = 1; k <= 3; ++k) {
      const std::string head =
          "info depth " + std::to_string(d) + " multipv " + std::to_string(k) + " score ";
      ASSERT_TRUE(StartsWith(out.at(static_cast<std::size_t>(lines)), head)) << out[lines];
      EXPECT_NE(out[lines].find(" pv "), std::string::npos);
      ++lines;
    }
  ASSERT_EQ(out.size(), 7u);
  // The best move is the first line's.
  const std::string& best = out[3];
  EXPECT_EQ("bestmove " + best.substr(best.find(" pv ") + 4, 4), out[6]);
}

// The upper side can only push its pawn, and then the rook takes its king.
TEST(EngineUsi, ResignsALostGameOnTheClockOnlyAtTheSearchingLevels) {
  const std::string lost = "position sfen 4k4/9/p8/9/4R4/9/9/9/4K4 w - 1";
  const std::string clock = "go btime 10000 wtime 10000 byoyomi 1000";
  for (int level : {3, 4, 5}) {
    EngineState st;
    const auto out = Engine(st, {"setoption name Level value " + std::to_string(level), lost, clock});
    EXPECT_EQ(out.back(), level == 3 ? "bestmove 9c9d" : "bestmove resign") << level;
    // Without a clock the search is an analysis: it gives its move.
    if (level > 3) {
      EXPECT_EQ(Engine(st, {"go depth 3"}).back(), "bestmove 9c9d");
    }
  }
}

TEST(EngineUsi, GoMateAnswersWithTheLineNoMateOrUsage) {
  EngineState st;
  auto out = Engine(st, {"position sfen 4k4/9/8p/9/9/9/9/9/4K4 b R 1", "go mate 5000"});
  ASSERT_EQ(out.size(), 2u);
  EXPECT_TRUE(StartsWith(out[1], "checkmate R*")) << out[1];
  // The line played out ends with the king taken.
  std::string moves = out[1].substr(10);
  Engine(st, {"position sfen 4k4/9/8p/9/9/9/9/9/4K4 b R 1 moves " + moves});
  EXPECT_NE(勝った側(st), "");
  EXPECT_EQ(Engine(st, {"go mate infinite"}).back(), "checkmate nomate");  // the game is over
  EXPECT_EQ(Engine(st, {"position startpos", "go mate"}).back(), "checkmate nomate");
  for (const char* bad : {"go mate x", "go mate 0", "go mate 10 20"})
    EXPECT_EQ(Engine(st, {bad}), std::vector<std::string>{"info string usage: go mate <ms>|infinite"});
  st.探索節点上限 = 100;
  EXPECT_EQ(Engine(st, {"position sfen 4k4/9/9/9/9/9/9/9/4K4 b RBG2S2N2L9Prbg2s2n2l9p 1", "go mate 5000"})
                .back(),
            "checkmate timeout");
}

}  // namespace
}  // namespace qz
