// A game record that belongs to no file format: the starting position, the
// moves with their times, the players and how the game ended. The KIF, CSA
// and SFEN/USI readers and writers meet the program's move history here.
//
// Orientation: the lower side of a record is 先手 (下手 in a handicap game)
// and owns the negative codes, as MAN does on the program's board; squares
// are the program's (x = 10 - file, y = rank), so a record read here is
// already the position the window shows.
#pragma once

#include <array>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "records/history.h"
#include "records/time_limit.h"
#include "rules/message.h"
#include "rules/move.h"
#include "rules/position.h"

namespace qz {

// A position of a record: board, both hands and the side to move.
struct 記録局面 {
  盤配列 盤面{};
  持駒 持駒_下, 持駒_上;  // the lower (先手/下手) and the upper (後手/上手) side's hand
  bool 下の番 = true;
  bool operator==(const 記録局面&) const = default;
};

// The initial position with the lower side to move.
記録局面 平手局面();

// One move of a record: the program's move and what the record keeps
// beside it.
struct 記録手 : 指し手 {
  int 取駒 = 0;    // what stood on the destination, filled in when the move is checked
  int 消費秒 = 0;  // the seconds the move took
  int 累計秒 = 0;  // the mover's seconds in all after the move
  bool operator==(const 記録手&) const = default;
};
using 記録変化 = 分岐筋<記録手>;

// How a game ended, as the formats can say it.
enum class 終局 {
  なし,
  王取り,
  詰み,
  投了,
  中断,
  千日手,
  持将棋,
  時間切れ,
  反則勝ち,
  反則負け,
  入玉勝ち
};

struct 対局記録 {
  std::string 開始日時;  // as written, e.g. "2026/12/08 10:00:00"
  std::string 棋戦;      // the game's title
  std::string 下手名, 上手名;
  持ち時間設定 持ち時間;  // the time control the game was played under; none when all zero
  記録局面 開始 = 平手局面();
  std::vector<記録手> 手;
  // The other lines played or studied, each branching at a move of the
  // game (the earliest first); only KIF keeps them.
  std::vector<記録変化> 変化;
  終局 結末 = 終局::なし;
  int 勝者 = 0;  // 1 the lower side, -1 the upper side, 0 none or a draw
  // The game here had its sides the other way round: the program's board
  // is this record's turned half round (kept in a comment for a round trip).
  bool 反転 = false;
  // Comment lines (without their leading '*') after move n, 0 before the
  // first; KIF keeps them, a game review writes its findings there.
  std::map<std::size_t, std::vector<std::string>> 注釈;
};

// A game whose last move took a king ended there, the mover having won.
void 王取りで終局(対局記録& r);

// What a reader gives back: the record up to the first line it could not
// take, and that line's number and the reason (0 and "" when none).
struct 記録読込結果 {
  対局記録 記録;
  int 不正行 = 0;
  文面 不正理由;
  // The first line of the branches that could not be taken, and why: the
  // game and the branches before it are kept (0 and "" when none).
  int 変化不正行 = 0;
  文面 変化不正理由;
};

// The most levels of branches within branches a record may hold.
constexpr int 変化最大深さ = 200;

// --- Positions and moves --------------------------------------------------------

// Why the move cannot be made on p ("" when it can): the origin holds a
// piece of the side to move of that kind (a drop: the piece is in its hand),
// the destination is on the board and holds no piece of the mover's, a
// promotion is of a kind that promotes, from or into the far three ranks,
// the piece moves so by its own movement, and it can move again from where
// it lands. The freeze rule is not consulted, so standard games read.
文面 手の不整合(const 記録局面& p, const 記録手& m);
// Makes a consistent move on p: fills m.取駒, a capture goes to the mover's
// hand unpromoted (a king to no hand), and the other side is to move.
void 手を指す(記録局面& p, 記録手& m);

// The most seconds a move or a side's total may take in a record read: more
// is refused, so that the clocks can add them up.
constexpr long long 秒上限 = 100'000'000;

// The pieces of each side, board and hand: lower, upper.
std::pair<int, int> 駒数(const 記録局面& p);
bool 駒落ちか(const 記録局面& p);

// Turns the position half round and exchanges the sides (the program's
// reversal), and the same for a move.
記録局面 反転局面(const 記録局面& p);
記録手 反転手(const 記録手& m);

// --- Handicaps ------------------------------------------------------------------

// The standard names of a start, 平手 first; each but 平手 has 上手 to move.
std::span<const std::string_view> 手合割名一覧();
// The start a standard name stands for; false when the name is unknown.
bool 手合割局面(std::string_view 名, 記録局面& p);
// The standard name of p, or "" when it is none exactly.
std::string_view 手合割名(const 記録局面& p);
// The program's own ladder of handicap grades: grade g (1..10) takes the
// upper side's g-th piece off, -g the lower side's mirror one. The square
// grade 段級 (not 0) empties when it is reached.
constexpr int 最高段級 = 10;
升 段級の升(int 段級);
// The squares (program's coordinates) emptied from the initial position in
// p, when p is the initial position with only pieces taken off (hands empty).
bool 平手から除いた駒(const 記録局面& p, std::vector<std::pair<int, int>>& 升);

// --- The reading of moves -----------------------------------------------------------

// Builds a record move by move for a reader: each move is checked against
// the position reached and the first inconsistent one ends the reading.
// The most moves a record read may hold: every format writes that many
// within the largest file the readers take, so nothing is written that
// could not be read back.
constexpr std::size_t 記録最大手数 = 1'000'000;

class 記録組立 {
 public:
  記録読込結果 結果;
  記録局面 局面 = 平手局面();

  // Sets the start (before the first move), read by line 行; false (and
  // reading ended) when no game could reach it.
  bool 開始設定(const 記録局面& p, int 行);
  // Checks and makes the move read on line 行; false (and reading ended)
  // when it cannot be made.
  bool 追加(記録手 m, int 行);
  // Ends the reading at line 行 for the reason given.
  void 中止(int 行, 文面 理由);
  bool 終了() const { return 結果.不正行 != 0; }
  // The destination of the last move (for a recapture), or 0, 0.
  std::pair<int, int> 直前の先() const;
};

// --- The program's history ----------------------------------------------------------

// A move of the history as the program's move: a drop by the stand it
// names, the codes as recorded (a record checks them).
指し手 手順の指し手(const 手順& h);

// A game of the program: the position before move 1 and the moves.
struct 履歴の対局 {
  局面 開始;  // board and hands (the rest unused)
  bool MAN先 = true;
  std::vector<手順> 手;
  std::vector<手順変化> 変化;  // the branches of the moves, the earliest first
};

// The game of the history: moves 1..手順_現在 taken back from s to find the
// start, and the moves up to 最後 (at least 手順_現在, at most what the
// history holds; 手順_現在 when not given). 今MANの番 is whose turn it is now
// (it decides the first mover when there are no moves).
履歴の対局 履歴から対局(const 局面& s, const 手順記録& 記録, bool 今MANの番, int 最後 = -1);

// Whether a game started here from start is written turned round: the
// first mover of an even game, and 上手 of a handicap, are 先手 at the
// bottom and 上手 at the top in the shogi world. Only the program's own
// starts (the ladder of handicaps) are turned; any other start is kept.
bool 標準の向きに反転するか(const 局面& 開始, bool MAN先);

// The record of a game here (names, title and date to be filled in by the
// caller), turned round when 反転 is set, its ending found from the moves.
// The moves are checked as a reader checks them: 不正行 is then the number
// of the first move that cannot be made, and the record ends before it; a
// branch holding a move that cannot be made is left out.
記録読込結果 対局から記録(const 履歴の対局& 対局, bool 反転);
// The game a record stands for on the program's board (turned back when
// the record says it was turned), with the clocks from the record's times.
履歴の対局 記録から対局(const 対局記録& 記録);

}  // namespace qz
