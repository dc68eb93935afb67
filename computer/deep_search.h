// The searching player of the levels above LEVEL3, and of the hint: iterative
// deepening principal variation search with a transposition table, a capture
// search at the leaves, and a stop by time, depth, node count or request.
// It walks a 利き盤, whose moves are those the rules' move check allows;
// taking the king wins and a side with no legal move has lost. A position
// the line being searched has had, or one the game has had 重み.千日手回数
// times, ends the line as a repetition, worth 重み.千日手 to the side that
// searches and the opposite to the other side.
// Several threads may search one position together (Lazy SMP: they share
// the table and each deepens on its own). The one-move player of levels
// 1-3 is untouched by it.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "computer/deep_eval.h"
#include "computer/levels.h"
#include "computer/zobrist.h"
#include "rules/movegen.h"

namespace qz {

// Taking the enemy king: 勝ち点 less one per ply from the root. Every score
// at or beyond 勝敗境 is a won or lost game.
constexpr int 勝ち点 = 30000;
constexpr int 勝敗境 = 勝ち点 - 1000;

// One root move with its score and line (for MultiPV).
struct 候補行 {
  指し手 手{};
  int 評価 = 0;  // centipawns for the side to move
  std::vector<指し手> 読み筋;
};

// What the search knows after each finished depth.
struct 探索報告 {
  int 深さ = 0;
  int 評価 = 0;            // centipawns for the side to move
  std::uint64_t 節点 = 0;  // of all threads
  std::int64_t 経過ms = 0;
  std::vector<指し手> 読み筋;
  // The 候補数 best root moves of this depth, best first (fewer when the
  // position has fewer moves); the first is 読み筋's move with 評価.
  std::vector<候補行> 候補;
};

// When the search stops: whichever limit comes first. A search limited by
// nodes and depth only, on one thread, is the same in every run.
struct 探索条件 {
  int 深さ上限 = 60;
  std::uint64_t 節点上限 = 0;   // 0: no limit; all threads' nodes together
  std::int64_t 時間上限ms = 0;  // 0: no limit; the search stops at once when it is reached
  // No new depth is started after this many ms (0: two fifths of 時間上限ms).
  std::int64_t 目安ms = 0;
  int 候補数 = 1;    // MultiPV: how many best root moves each depth reports
  int 進展なし = 0;  // plies of the game since its last capture or promotion
  // The most threads this search uses (0: all the searcher has). A level
  // limited by nodes searches on one, so that it plays as it was measured.
  int 糸数上限 = 0;
  // Whether the search starts from what the searcher's earlier searches
  // left in its table (the game's earlier moves), instead of an empty one.
  // A level limited by time does; one limited by nodes plays each position
  // as it was measured, whatever came before.
  bool 表を残す = false;
  // Whether the search skips hopeless quiet moves near the leaves (see
  // 評価重み::刈り幅). A level limited by time does; one limited by nodes,
  // and a search given a depth, searches every move as it was measured.
  bool 刈り込む = false;
  const std::atomic<bool>* 停止 = nullptr;    // set by another thread to stop at once
  std::function<bool()> 停止確認;             // asked now and then: true stops the search
  std::function<void(const 探索報告&)> 報告;  // after every finished depth
  // Where the search reads the time in ms (only differences count); the
  // steady clock when empty. Tests give a clock of their own.
  std::function<std::int64_t()> 時計;
};

struct 深探索結果 {
  bool 指し手あり = false;  // false: the side to move has no legal move
  指し手 最善{};
  探索報告 報告;  // the deepest finished depth (or what the stop left)
};

// The searching player's limits at a level of レベル一覧 (levels 4 and 5
// about 0.3 s and 2 s a move, the ladder's levels a number of nodes on one
// thread); no limit for a level that is not the searching player's.
探索条件 レベル条件(int レベル);

// A position met earlier in the game, the latest first in a list: its key,
// and whether its side to move was in check there (a side that checked with
// every move of a repetition loses it).
struct 既出局面 {
  局面キー キー = 0;
  bool 王手 = false;
  bool operator==(const 既出局面&) const = default;
};
using 既出列 = std::vector<既出局面>;

class 深探索 {
 public:
  static constexpr int 最大糸数 = 64;

  // A transposition table of 2^表ビット entries of 16 bytes (see 表ビット数).
  explicit 深探索(int 表ビット = 20);
  ~深探索();
  深探索(const 深探索&) = delete;
  深探索& operator=(const 深探索&) = delete;

  評価重み 重み;

  // Makes the table 2^ビット entries (置換表::最小ビット..最大ビット).
  void 表の大きさ(int ビット);
  int 表ビット() const;
  // The number of threads that search (1..最大糸数), the caller's included.
  void 糸数を設定(int 数);
  int 糸数() const;

  // Searches s for the side to move. 既出 holds the positions met earlier
  // in the game, the latest first. Starts from empty tables, so a
  // node-limited search on one thread repeats exactly.
  深探索結果 探索(const 局面& s, bool MAN手番, const 既出列& 既出, const 探索条件& 条件);

 private:
  struct 実装;
  std::unique_ptr<実装> p;
};

}  // namespace qz
