// The mate search: whether the side to move can take the enemy king by
// force, checking at every move of its own (a check is a move after which
// it could take the king). Under the freeze rule a king in check cannot
// move, so the defender answers only by taking the checking piece, by
// putting a piece between, or by taking the attacker's king itself.
// Depth-first proof-number search (df-pn) over a 利き盤, with a table of
// proof and disproof numbers and a node and time limit. A found win comes
// with its line; the defender's moves in it hold out the longest the table
// knows of.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "rules/movegen.h"

namespace qz {

// When the mate search gives up: whichever limit comes first.
struct 詰み条件 {
  std::uint64_t 節点上限 = 0;  // 0: no limit
  std::int64_t 時間上限ms = 0;  // 0: no limit
  const std::atomic<bool>* 停止 = nullptr;
  std::function<bool()> 停止確認;  // asked now and then: true stops the search
  // Where the time is read in ms (only differences count); the steady clock when empty.
  std::function<std::int64_t()> 時計;
};

enum class 詰み判定 {
  勝ち,      // the side to move takes the king by force
  勝ちなし,  // no series of checks wins (a quiet move might still)
  不明,      // a limit or a stop came first
};

struct 詰み結果 {
  詰み判定 判定 = 詰み判定::不明;
  // For a win: the moves from the position to the capture of the king, both
  // sides' moves in turn; it ends instead with the attacker's move when the
  // defender is then left without any legal move. Its length is the number
  // of plies to the win ("n手で勝ち").
  std::vector<指し手> 手順;
  std::uint64_t 節点 = 0;
  std::int64_t 経過ms = 0;
};

class 詰み探索 {
 public:
  // A table of 2^表ビット entries (16..26 bits).
  explicit 詰み探索(int 表ビット = 20);
  ~詰み探索();
  詰み探索(const 詰み探索&) = delete;
  詰み探索& operator=(const 詰み探索&) = delete;

  // Searches s for a forced win of the side to move. Starts from an empty
  // table, so a search limited by nodes repeats exactly.
  詰み結果 探す(const 局面& s, bool MAN手番, const 詰み条件& 条件);

 private:
  struct 実装;
  std::unique_ptr<実装> p;
};

}  // namespace qz
