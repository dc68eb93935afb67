#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "rules/sfen.h"

namespace qz {
namespace {

std::string 実行(EngineState& st, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  runEngine(in, out, st);
  return out.str();
}

std::string 実行(const std::string& input) {
  EngineState st;
  return 実行(st, input);
}

std::vector<std::string> 行(const std::string& text) {
  std::vector<std::string> r;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) r.push_back(l);
  return r;
}

// The sfen line that `d` prints for the engine's current position.
std::string 今のsfen(EngineState& st) {
  const auto l = 行(実行(st, "d\n"));
  return l.empty() ? "" : l.back();
}

TEST(Protocol, HandshakeUnknownCommandsBlankLinesAndQuit) {
  EXPECT_EQ(実行("usi\nisready\n"),
            "id name QZ 氷結将棋\nid author the QZ 氷結将棋 developers\n"
            "option name Level type spin default 3 min 1 max " +
                std::to_string(最大レベル番号()) +
                "\n"
                "option name Threads type spin default 1 min 1 max 64\n"
                "option name USI_Hash type spin default 16 min 1 max 4096\n"
                "option name MultiPV type spin default 1 min 1 max 600\nusiok\nreadyok\n");
  EXPECT_EQ(実行("foo bar\n\n   \nisready\r\n"), "info string unknown command: foo bar\nreadyok\n");
  EXPECT_EQ(実行("quit\nisready\n"), "");
  EXPECT_EQ(実行("isready"), "readyok\n");  // no end of line at the end of input
  // go's arguments are accepted and ignored.
  EXPECT_EQ(実行("go\ngo btime 0 wtime 0 byoyomi 1000\ngo infinite\n"),
            "bestmove 7g7f\nbestmove 7g7f\nbestmove 7g7f\n");
}

TEST(Protocol, SetOptionStoresTheLevelOrSaysWhyNot) {
  EngineState st;
  EXPECT_EQ(実行(st, "setoption name Level value 1\n"), "");
  EXPECT_EQ(st.COMレベル, 1);
  const std::string 無いレベル =
      "setoption name Level value " + std::to_string(最大レベル番号() + 1);
  for (const char* bad :
       {無いレベル.c_str(), "setoption name Level value 0", "setoption name Level value x",
        "setoption name Level", "setoption name Level value", "setoption name Foo value 2",
        "setoption", "setoption value 2"}) {
    const auto out = 行(実行(st, std::string(bad) + "\n"));
    ASSERT_EQ(out.size(), 1u) << bad;
    EXPECT_EQ(out[0].rfind("info string ", 0), 0u) << bad;
    EXPECT_EQ(st.COMレベル, 1) << bad;
  }
  実行(st, "setoption name Level value 2\nusinewgame\n");
  EXPECT_EQ(st.COMレベル, 2);  // a setting survives a new game
}

TEST(Protocol, PositionWithMovesAndTheDiagram) {
  EngineState st;
  const auto out = 行(実行(st, "position startpos moves 7g7f\nd\n"));
  ASSERT_EQ(out.size(), 14u);
  EXPECT_EQ(out.back(), "sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2");
  EXPECT_EQ(out[7], " g   P  P  .  P  P  P  P  P  P");
  EXPECT_FALSE(st.MAN手番());
  // The lower side's pieces move up; drops come from either hand.
  実行(st, "position sfen 4k4/9/9/9/9/9/9/9/4K4 w P 3 moves 5a4b P*5e 4b3c\n");
  EXPECT_EQ(今のsfen(st), "sfen 9/9/6k2/9/4P4/9/9/9/4K4 b - 6");
}

struct IllegalCase {
  const char* position;  // the command up to and including "moves"
  const char* bad;       // the move refused
  const char* after;     // the sfen the engine keeps (the moves before it made)
};

TEST(Protocol, IllegalMovesAreRefusedWithTheRestIgnored) {
  const std::string start = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";
  const std::string after7g7f = "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2";
  const IllegalCase cases[] = {
      {"position startpos moves 7g7f", "3c3d", after7g7f.c_str()},  // frozen by the bishop
      {"position startpos moves", "5e5d", start.c_str()},           // empty square
      {"position startpos moves", "3c3d", start.c_str()},           // not the side to move
      {"position startpos moves", "P*5e", start.c_str()},           // not in hand
      {"position startpos moves", "K*5e", start.c_str()},           // a king is never dropped
      {"position startpos moves", "7g7f+", start.c_str()},          // no promotion there
      {"position startpos moves", "7g7e", start.c_str()},           // not a pawn's step
      {"position startpos moves", "2h2g", start.c_str()},           // own piece
      {"position startpos moves", "hello", start.c_str()},          // no move at all
      {"position sfen k8/9/9/9/9/9/9/9/9 b P 1 moves", "P*5a", "k8/9/9/9/9/9/9/9/9 b P 1"},
      {"position sfen k8/9/9/9/9/9/9/9/4P4 b P 1 moves", "P*5e", "k8/9/9/9/9/9/9/9/4P4 b P 1"},
      {"position sfen k8/4P4/9/9/9/9/9/9/9 b - 1 moves", "5b5a", "k8/4P4/9/9/9/9/9/9/9 b - 1"},
      {"position sfen k8/9/9/9/9/9/9/9/4K4 b - 1 moves", "5i5h+", "k8/9/9/9/9/9/9/9/4K4 b - 1"},
  };
  for (const auto& c : cases) {
    EngineState st;
    const std::string out = 実行(st, std::string(c.position) + " " + c.bad + " 2g2f\n");
    EXPECT_EQ(out, std::string("info string illegal move ") + c.bad + "\n") << c.position;
    EXPECT_EQ(今のsfen(st), std::string("sfen ") + c.after) << c.bad;
  }
  // Compulsory promotion is accepted with its "+".
  EngineState st;
  EXPECT_EQ(実行(st, "position sfen k8/4P4/9/9/9/9/9/9/9 b - 1 moves 5b5a+\n"), "");
  EXPECT_EQ(今のsfen(st), "sfen k3+P4/9/9/9/9/9/9/9/9 w - 2");
}

TEST(Protocol, BadPositionCommandsKeepThePreviousPosition) {
  EngineState st;
  実行(st, "position startpos moves 7g7f\n");
  const std::string before = 今のsfen(st);
  for (const char* bad :
       {"position", "position nowhere", "position sfen", "position sfen 9/9 b - 1",
        "position sfen 9/9/9/9/9/9/9/9/9 q - 1", "position startpos 7g7f",
        "position sfen 9/9/9/9/9/9/9/9/9 b - 1 x y", "position sfen moves 7g7f"}) {
    const auto out = 行(実行(st, std::string(bad) + "\n"));
    ASSERT_EQ(out.size(), 1u) << bad;
    EXPECT_EQ(out[0].rfind("info string ", 0), 0u) << bad;
    EXPECT_EQ(今のsfen(st), before) << bad;
  }
  EXPECT_EQ(実行(st, "position sfen 9/9/9/9/9/9/9/9/X8 b - 1\n"),
            "info string bad sfen: rank i has an unknown piece; the position is unchanged\n");
}

TEST(Protocol, LegalListsMovesInOrderWithTheirCount) {
  const auto start = 行(実行("legal\n"));
  ASSERT_EQ(start.size(), 31u);
  EXPECT_EQ(start.front(), "9g9f");
  EXPECT_EQ(start[1], "9i9h");
  EXPECT_EQ(start.back(), "legal 30");
  // King steps first (board moves), then the pawn drops by column and row.
  for (const char* side : {"b P", "w p"}) {
    const auto l =
        行(実行(std::string("position sfen 4k4/9/9/9/9/9/9/9/4K4 ") + side + " 1\nlegal\n"));
    ASSERT_EQ(l.size(), 77u) << side;
    EXPECT_EQ(l.back(), "legal 76");
    EXPECT_EQ(l[5], side[0] == 'b' ? "P*9b" : "P*9a");
    EXPECT_NE(std::find(l.begin(), l.end(), "P*5e"), l.end());
  }
  // Optional promotion lists both versions, unpromoted first.
  const auto p = 行(実行("position sfen 4k4/9/9/9/9/9/4B4/9/4K4 b - 1\nlegal\n"));
  const auto it = std::find(p.begin(), p.end(), "5g1c");
  ASSERT_NE(it, p.end());
  EXPECT_EQ(*(it + 1), "5g1c+");
  EXPECT_EQ(std::find(p.begin(), p.end(), "5g2d+"), p.end());  // row 4 is outside the zone
}

TEST(Protocol, InfluencePrintsTheEightTables) {
  const auto l = 行(実行("influence\n"));
  ASSERT_EQ(l.size(), 80u);
  const char* names[] = {"勢力_MAN", "勢力_COM", "守駒_MAN",         "守駒_COM",
                         "攻駒_MAN", "攻駒_COM", "王手駒マップ_MAN", "王手駒マップ_COM"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(l[i * 10], names[i]);
  EXPECT_EQ(l[10 + 4], "1 1 1 1 1 1 1 1 1");                           // 勢力_COM, row 4
  EXPECT_EQ(l[0 + 6], "1 1 1 1 1 1 1 1 1");                            // 勢力_MAN, row 6
  EXPECT_EQ(l[20 + 9], "-800 999 -800 -950 -110 -950 -110 -900 999");  // 守駒_MAN, row 9
  EXPECT_EQ(l[40 + 1], "-999 -999 -999 -999 -999 -999 -999 -999 -999");
  // A knight check: 9 on the knight and on the king's square.
  const auto k = 行(実行("position sfen 9/9/9/9/4k4/9/5N3/9/9 w - 1\ninfluence\n"));
  EXPECT_EQ(k[70 + 5], "0 0 0 0 9 0 0 0 0");
  EXPECT_EQ(k[70 + 7], "0 0 0 0 0 9 0 0 0");
}

struct MatedCase {
  const char* sfen;
  const char* answer;
};

TEST(Protocol, MatedAsksBothKingsWhoeverIsToMove) {
  const MatedCase cases[] = {
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", "mated man 0 com 0"},
      {"k3r4/9/9/9/9/9/9/9/4K4 b - 1", "mated man 1 com 0"},
      {"k3r4/9/9/9/9/9/9/9/4K4 w - 1", "mated man 1 com 0"},
      {"k3r4/9/9/9/9/9/9/9/4K4 b G 1", "mated man 0 com 0"},
      {"4k4/9/9/9/9/9/9/9/4L3K b - 1", "mated man 0 com 1"},
      {"4k4/9/9/9/9/9/9/9/4L3K w p 1", "mated man 0 com 0"},
      {"4k4/4G4/9/9/9/9/9/9/4R3K w - 1", "mated man 0 com 1"},
      {"4k4/4G4/9/9/8r/9/9/9/4R3K b - 1", "mated man 1 com 1"},
  };
  for (const auto& c : cases) {
    EngineState st;
    EXPECT_EQ(実行(st, std::string("position sfen ") + c.sfen + "\nmated\n"),
              std::string(c.answer) + "\n")
        << c.sfen;
    // The mate tests leave the position and its map as they were.
    EXPECT_EQ(今のsfen(st), std::string("sfen ") + c.sfen);
    EngineState fresh;
    実行(fresh, std::string("position sfen ") + c.sfen + "\n");
    EXPECT_EQ(st.現局面().表.勢力_MAN, fresh.現局面().表.勢力_MAN);
    EXPECT_EQ(st.現局面().表.持ち越し.攻駒X_COM, fresh.現局面().表.持ち越し.攻駒X_COM);
  }
}

struct PerftRow {
  const char* position;
  int depth;
  std::uint64_t count;
};

// Regression figures, all computed by this program and checked against a
// brute-force count (every square to every square through the move check);
// the start position's first two and the rook ending's are checked by hand:
// - start, depth 1: the 30 moves of ordinary shogi; depth 2: 899, because
//   after 7g7f the bishop freezes the pawn on 3c (COM has 29 replies there).
// - rook ending, depth 1: the rook has 8 steps up (the last takes the king),
//   3 right and 3 promotions; the king 5: 19. Depth 2: the rook on file 9
//   checks the COM king (frozen, no reply); only from 8i, 7i, 6i is the king
//   free, with 3 steps each: 9.
TEST(Protocol, PerftFigures) {
  const std::string middle =
      "position sfen lnsgk2nl/1r4gs1/p1pppp1pp/1p4p2/7P1/2P6/PP1PPPP1P/1BG4R1/LNS1KGSNL b B 15";
  const std::string busy =
      "position sfen l6nl/5+R1k1/4pp1pp/p5p2/2P6/P3P4/1P1P1PPPP/1+b3S3/LN2KG1NL w RGSPbgsn2p 40";
  const std::string rook = "position sfen k8/9/9/9/9/9/9/9/R3K4 b - 1";
  const PerftRow rows[] = {
      {"position startpos", 0, 1},
      {"position startpos", 1, 30},
      {"position startpos", 2, 899},
      {"position startpos", 3, 25402},
      {middle.c_str(), 1, 81},
      {middle.c_str(), 2, 2329},
      {middle.c_str(), 3, 139940},
      {busy.c_str(), 1, 242},
      {busy.c_str(), 2, 44655},
      {rook.c_str(), 1, 19},
      {rook.c_str(), 2, 9},
      {rook.c_str(), 3, 166},
      {"position startpos moves 7g7f", 1, 29},
  };
  for (const auto& r : rows) {
    const std::string depth = std::to_string(r.depth);
    EXPECT_EQ(実行(std::string(r.position) + "\nperft " + depth + "\n"),
              "perft " + depth + " " + std::to_string(r.count) + "\n")
        << r.position;
  }
}

TEST(Protocol, PerftRefusesBadDepthsAndStopsOnItsBudget) {
  for (const char* bad : {"perft", "perft x", "perft -1", "perft 11", "perft 2 3", "perft 1e9"}) {
    const auto out = 行(実行(std::string(bad) + "\n"));
    ASSERT_EQ(out.size(), 1u) << bad;
    EXPECT_EQ(out[0].rfind("info string ", 0), 0u) << bad;
  }
  EngineState st;
  st.perft局面上限 = 100;
  EXPECT_EQ(実行(st, "perft 3\n"),
            "info string perft 3 stopped after 100 positions; try a smaller depth\n");
}

// Once a king is taken the game is over: no move is accepted after it, the
// computer resigns, nothing is legal, the taken side counts as mated, and
// the diagram says who won.
TEST(Protocol, AfterAKingIsTakenTheGameIsOver) {
  EngineState st;
  const std::string pos = "position sfen 4k4/9/9/9/4r4/9/G8/9/4K4 w - 1 moves 5e5i";
  EXPECT_EQ(実行(st, pos + " 9g9f 5a5b\ngo\nevals\nlegal\nperft 0\nperft 1\nmated\n"),
            "info string illegal move 9g9f\n"
            "info string the game is over: w (upper, COM) has taken the king\nbestmove resign\n"
            "info string the game is over: w (upper, COM) has taken the king\nbestmove resign\n"
            "legal 0\nperft 0 1\nperft 1 0\nmated man 1 com 0\n");
  EXPECT_EQ(st.現局面().盤面[5][9], 飛);  // the move before the refused one is kept
  const auto d = 行(実行(st, "d\n"));
  ASSERT_GE(d.size(), 2u);
  EXPECT_EQ(d[d.size() - 5], "game over: w (upper, COM) has taken the king and won");
  EXPECT_EQ(d.back(), "sfen 4k4/9/9/9/9/9/G8/9/4r4 b - 2");
  // A new position forgets the taken king.
  EXPECT_EQ(実行(st, "position startpos\nperft 1\n"), "perft 1 30\n");
}

// perft gives up after its time as well as its count, and a `stop` or `quit`
// read while it runs ends it; a later quit still ends the engine.
TEST(Protocol, PerftStopsOnItsTimeAndOnStopOrQuit) {
  EngineState st;
  st.perft秒上限 = 0.05;
  EXPECT_EQ(実行(st, "perft 6\n"),
            "info string perft 6 stopped after 0.05 seconds; try a smaller depth\n");
  st.perft秒上限 = 600;
  st.停止猶予秒 = 0.05;
  EXPECT_EQ(実行(st, "perft 6\nstop\nisready\nperft 6\nquit\nisready\n"),
            "info string perft 6 stopped on request\nreadyok\n"
            "info string perft 6 stopped on request\n");
}

TEST(Protocol, NewGameReturnsEverythingButTheLevelToTheStart) {
  EngineState st;
  // The COM lance's attack on the rook records its square (a cell the
  // survey never resets).
  実行(st, "setoption name Level value 1\nposition sfen 4k4/9/9/9/4l4/9/9/9/4R3K b - 9\n");
  EXPECT_EQ(st.現局面().表.持ち越し.攻駒X_COM[5][9], 5);
  EXPECT_EQ(st.現局面().表.持ち越し.攻駒Y_COM[5][9], 5);
  実行(st, "usinewgame\n");
  const EngineState fresh;
  EXPECT_EQ(st.COMレベル, 1);
  EXPECT_EQ(st.現局面().盤面, fresh.現局面().盤面);
  EXPECT_EQ(st.現局面().表.持ち越し.攻駒X_COM, fresh.現局面().表.持ち越し.攻駒X_COM);
  EXPECT_EQ(st.現局面().表.MAN王X, 0);
  EXPECT_TRUE(st.MAN手番());
  EXPECT_EQ(今のsfen(st), "sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
}

TEST(Protocol, LongLinesAndBinaryGarbageNeverStopTheEngine) {
  EngineState st;
  const std::string huge(3 << 20, 'x');
  EXPECT_EQ(実行(st, huge + "\nisready\n"),
            "info string line too long (more than 1048576 bytes); ignored\nreadyok\n");
  std::mt19937 rng(1);
  std::string garbage;
  for (int i = 0; i < 200000; ++i) garbage += static_cast<char>(rng() % 256);
  const std::string out = 実行(st, garbage + "\nisready\n");
  EXPECT_EQ(out.substr(out.size() - 8), "readyok\n");
  for (const auto& l : 行(out)) {
    for (unsigned char c : l) EXPECT_TRUE(c >= 0x20 && c != 0x7F);
  }
  // Positions and moves made of garbage are refused like any other.
  EXPECT_EQ(行(実行(st, "position sfen \xff\xfe\x01 b - 1\n")).size(), 1u);
  EXPECT_EQ(printable("a\x01\xff"
                      "b\xe6\xb0\xb7"),
            "a??b氷");
}

// Every echo of input is valid UTF-8: overlong forms, surrogates, code
// points past U+10FFFF and C1 controls show as '?', and a long echo is cut.
TEST(Protocol, EchoesOfInputAreValidUtf8AndShort) {
  EXPECT_EQ(実行("x\xC0\x80 \xED\xA0\x80 \xF7\xBF\xBF\xBF \xF4\x90\x80\x80 \xC2\x85 "
                 "\xE0\x9F\xBF \xF0\x9F\x98\x80\xC2\xA0\n"),
            "info string unknown command: x?? ??? ???? ???? ?? ??? 😀\xC2\xA0\n");
  EXPECT_EQ(実行("position sfen 9/9/9/9/9/9/9/9/9 b \xFF 1\n"),
            "info string bad sfen: '?' cannot be in a hand; the position is unchanged\n");
  EXPECT_EQ(実行(std::string(1000, 'y') + "\n"),
            "info string unknown command: " + std::string(200, 'y') + "...\n");
}

}  // namespace
}  // namespace qz
