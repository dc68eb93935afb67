// qzshogi-engine: the line protocol over the game session, the rules and the
// computer player. The whole engine state is one struct; every command is a
// handler in one table, so a new command is one function and one table row.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "computer/deep_search.h"
#include "computer/resign.h"
#include "game/session.h"
#include "rules/movegen.h"
#include "rules/rules.h"

namespace qz {

// The deepest perft the engine accepts, how many positions one perft may
// list moves for (about a minute here) and how many seconds it may run
// before it gives up and says so.
constexpr int 既定perft上限 = 10;
constexpr std::uint64_t 既定perft局面上限 = 30'000'000;
constexpr double 既定perft秒上限 = 60;
// A `stop` or `quit` read while a command runs ends it once it has run this
// long, so that a script's quit right behind a short perft does not cut it.
constexpr double 既定停止猶予秒 = 1;

// The initial position of the program, the lower side to move.
局面 開始局面();
// The game of a fresh engine: the initial position, the lower side to move,
// nothing played.
対局 開始時の対局();

// Everything the engine keeps between commands. `usinewgame` returns all of
// it to these start values except the level (and the perft limits and the
// stop request).
struct EngineState {
  // The game the commands play: the position (board, hands, influence map,
  // double-pawn flags), the side to move, the moves since `position` and
  // what the computer keeps between its turns.
  対局 対局値 = 開始時の対局();
  局面& 現局面() { return 対局値.局; }
  const 局面& 現局面() const { return 対局値.局; }
  bool MAN手番() const { return 対局値.MAN手番(); }  // the lower side (MAN, "b") is to move
  // The SFEN move number: kept and counted on, never used.
  int SFEN手数() const { return 対局値.手数 + 1; }
  int COMレベル = 3;  // Level, a number of レベル一覧, read by the computer player
  int perft上限 = 既定perft上限;
  std::uint64_t perft局面上限 = 既定perft局面上限;
  double perft秒上限 = 既定perft秒上限;
  double 停止猶予秒 = 既定停止猶予秒;
  // The number of `stop` and `quit` lines read behind the running command;
  // given true, it first waits until every line that has already arrived on
  // the input has been read. runEngine sets it, and a long command asks it
  // now and then.
  std::function<int(bool 到着分まで)> 停止数;
  // True once standard input has ended (runEngine sets it): a search with no
  // limit but `stop` ends then.
  std::function<bool()> 入力終了;

  // ---- The searching player's settings, kept by `usinewgame`. ----
  std::uint64_t 探索節点上限 = 0;   // caps every search's nodes (0: no cap)
  std::int64_t 探索時間上限ms = 0;  // caps every search's time (0: no cap)
  int 探索表ビット = 20;            // transposition table of 2^n entries (USI_Hash sets it)
  int ハッシュMB = 16;              // USI_Hash as last set: 16 MB is 2^20 entries
  int 探索糸数 = 1;                 // Threads
  int 候補数 = 1;                   // MultiPV: root moves reported per depth
  // The most Threads and USI_Hash accept (a fuzzer keeps them small).
  int 糸数上限 = 深探索::最大糸数;
  int ハッシュ上限MB = 4096;
  std::shared_ptr<深探索> 探索器;   // made at the first search
  // Whether the side the engine plays on a clock gives up (the searching
  // player's levels).
  投了判断 投了;
};

// One command line split into words (words[0] is the command).
struct CommandLine {
  std::string_view text;
  std::vector<std::string_view> words;
};

using CommandHandler = void (*)(EngineState&, const CommandLine&, std::ostream&);

// Handles one line; returns false after `quit`.
bool handleCommand(EngineState& state, std::string_view line, std::ostream& out);
// Reads and handles lines until `quit` or the end of input.
void runEngine(std::istream& in, std::ostream& out, EngineState& state);
// Program-start state, keeping the settings (the level and the perft limits).
void resetEngine(EngineState& state);

// Brings the map and the double-pawn flags of the current position up to date.
void 最新化(EngineState& state);

// Checks move text against the current position with the game's move check
// and promotion rules (map and double-pawn flags brought up to date first)
// and makes it; false, with nothing changed, when it is no legal move.
bool applyMoveText(EngineState& state, std::string_view text);

// Who has taken a king, as the protocol names the sides ("" while nobody
// has): once a king is taken the game is over.
std::string 勝った側(const EngineState& state);

// A short, printable, single-line rendering of outside text for messages.
std::string printable(std::string_view text, std::size_t limit = 200);

// The computer player's commands (engine/computer_commands.cpp).
void commandGo(EngineState& state, const CommandLine& line, std::ostream& out);
void commandEvals(EngineState& state, const CommandLine& line, std::ostream& out);
// `go` at the searching player's levels (engine/search_commands.cpp).
void commandDeepGo(EngineState& state, const CommandLine& line, std::ostream& out);
// The limits of the searching player's `go` at the current level, from its
// words (movetime, depth, nodes, infinite, the clock); bad words are named
// on out and ignored.
探索条件 goの探索条件(const EngineState& state, const CommandLine& line, std::ostream& out);
// `go mate` at any level (engine/mate_commands.cpp).
void commandMateGo(EngineState& state, const CommandLine& line, std::ostream& out);
// The searcher of the levels above LEVEL3 with the engine's table size and
// threads.
深探索& 探索器を用意(EngineState& state);

}  // namespace qz
