// How long the searching player thinks on a clock: from the time each side
// has left, the increment or byoyomi and the number of moves played, a
// target after which no new depth is started and a hard limit at which the
// search stops at once. The hard limit leaves a margin for the time the
// answer takes to reach the clock, so that a move never loses on time.
#pragma once

#include <cstdint>

namespace qz {

struct 探索条件;

// The clock of a game as USI's `go` gives it, in ms (btime/wtime, binc/winc,
// byoyomi): the lower side (MAN, b) first.
struct 持ち時間 {
  std::int64_t 残りMAN = 0;
  std::int64_t 残りCOM = 0;
  std::int64_t 加算MAN = 0;
  std::int64_t 加算COM = 0;
  std::int64_t 秒読み = 0;
};

// The time of one move: the target (目安) and the hard limit (上限).
struct 時間配分 {
  std::int64_t 目安ms = 0;
  std::int64_t 上限ms = 0;
};

// The share of the side to move, 手数 plies into the game. 余裕ms is kept
// back for the answer's way to the clock (the process, the pipe, the GUI).
// The limit never passes the time left plus the byoyomi less 余裕ms, nor
// goes below 1 ms.
時間配分 時間を配る(const 持ち時間& t, bool MAN手番, int 手数, std::int64_t 余裕ms = 100);

// Puts the share into the search's limits (目安ms and 時間上限ms).
void 時間を当てる(探索条件& c, const 時間配分& d);

}  // namespace qz
