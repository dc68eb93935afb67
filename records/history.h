// The move history: every move made, with the clock readings around it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "rules/types.h"

namespace qz {

// A line of play branching off another: its first move is move 手目 of the
// game (an alternative to the other line's move 手目), and it may have
// branches of its own, each at a later move. 手型 is the history's move or a
// record's.
template <class 手型>
struct 分岐筋 {
  int 手目 = 1;
  std::vector<手型> 手;
  std::vector<分岐筋> 変化;
  bool operator==(const 分岐筋&) const = default;
};

struct 手順 {
  int 元X = 0, 元Y = 0;  // source square; a drop: 11 / -1 and the stand row or slot
  int 先X = 0, 先Y = 0;  // destination
  int 取駒 = 0;          // what stood on the destination (0 when empty)
  int 元駒 = 0;          // the moving piece's code before the move
  int 先駒 = 0;          // its code after the move (promoted if it promoted)
  double 前秒M = 0, 後秒M = 0, 前秒C = 0, 後秒C = 0;  // clocks before and after
};
using 手順変化 = 分岐筋<手順>;

// Whether two moves of the history are the same move (clocks aside).
bool 同じ手順(const 手順& a, const 手順& b);

// Moves 1..手順_最終 are held, 1..手順_現在 of them are on the board now.
// There is no upper limit; slot 0 holds no move (its 先駒 starts at 10).
class 手順記録 {
 public:
  手順記録() {
    手.resize(1);
    手[0].先駒 = 歩;
  }

  // Appends a move after the current one, discarding any moves beyond it.
  // Called before the board changes, so 盤面 still holds the captured piece.
  void 手順保存(const 盤配列& 盤面, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒,
                double 前秒M, double 後秒M, double 前秒C, double 後秒C) {
    if (手順_現在 < 0) 手順_現在 = 0;
    const int n = ++手順_現在;
    if (static_cast<int>(手.size()) <= n) 手.resize(n + 1);
    // A destination off the board (never passed by the game) took nothing.
    const int 取駒 = 盤上(先X, 先Y) ? 盤面[先X][先Y] : 0;
    手[n] = {元X, 元Y, 先X, 先Y, 取駒, 元駒, 先駒, 前秒M, 後秒M, 前秒C, 後秒C};
    手順_最終 = n;
  }

  // 手順保存 that keeps what lies beyond: the same move as the line's next
  // one (or as a branch's first move there, whose line is then taken) is
  // followed, its clocks renewed and the moves beyond it kept; another move
  // leaves the moves beyond as a branch.
  void 変化を残して保存(const 盤配列& 盤面, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒,
                        double 前秒M, double 後秒M, double 前秒C, double 後秒C) {
    if (手順_現在 < 0) 手順_現在 = 0;
    const int 取駒 = 盤上(先X, 先Y) ? 盤面[先X][先Y] : 0;
    const 手順 新 = {元X, 元Y, 先X, 先Y, 取駒, 元駒, 先駒, 前秒M, 後秒M, 前秒C, 後秒C};
    const bool 続く = 手順_現在 < 先の手数() && 同じ手順(手[手順_現在 + 1], 新);
    if (!続く && !分岐の手へ(新)) {
      先を変化へ();
      return 手順保存(盤面, 元X, 元Y, 先X, 先Y, 元駒, 先駒, 前秒M, 後秒M, 前秒C, 後秒C);
    }
    手[++手順_現在] = 新;
  }

  // The moves after the current one become a branch at the next move, and
  // the line ends at the current one.
  void 先を変化へ();
  // Drops every move after move n and every branch beyond it.
  void 切り詰める(int n);
  // Takes branch i of move n (n > 手順_現在) as the line: the line's moves
  // from n become a branch in its place. False when there is no such branch.
  bool 変化を選ぶ(int n, std::size_t i);
  // The branches whose first move is move n of the line.
  std::vector<const 手順変化*> 分岐一覧(int n) const;
  // The branches of the line held, each at a move of it (the earliest first).
  std::vector<手順変化> 分岐;

  // How many moves are held (those ever saved or read). 手順_最終 can be set
  // beyond it from outside (the move count after a reversal); moves past
  // it were never recorded.
  int 保持数() const { return static_cast<int>(手.size()) - 1; }

  // The move at index n (1..手順_最終); index 0 is the empty slot.
  手順& operator[](int n) { return 手.at(n); }
  const 手順& operator[](int n) const { return 手.at(n); }

  // Makes room for moves 1..n (for a record being read) and sets 手順_最終 = n;
  // the branches are dropped.
  void 長さ設定(int n) {
    if (n < 0) n = 0;
    分岐.clear();
    if (static_cast<int>(手.size()) <= n) 手.resize(n + 1);
    手順_最終 = n;
    if (手順_現在 > n) 手順_現在 = n;
  }

  // Moves 1..最後 as one span, move 1 first (最後 is kept within what is held).
  std::span<const 手順> 手順範囲(int 最後) const {
    const int n = std::clamp(最後, 0, static_cast<int>(手.size()) - 1);
    return {手.data() + 1, static_cast<std::size_t>(n)};
  }

  int 手順_現在 = 0;
  int 手順_最終 = 0;

 private:
  std::vector<手順> 手;

  // The moves of the line that can be stepped to.
  int 先の手数() const { return std::min(手順_最終, 保持数()); }
  // Takes the branch at the next move that starts with m, when there is one.
  bool 分岐の手へ(const 手順& m);
  // The moves after the current one as a branch (with the branches beyond
  // its first move), the line ending at the current one.
  std::optional<手順変化> 先を切り取る();
};

}  // namespace qz
