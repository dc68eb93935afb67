// The move history: every move made, with the clock readings around it.
#pragma once

#include <algorithm>
#include <span>
#include <vector>

#include "rules/types.h"

namespace qz {

struct 手順 {
  int 元X = 0, 元Y = 0;  // source square; a drop: 11 / -1 and the stand row or slot
  int 先X = 0, 先Y = 0;  // destination
  int 取駒 = 0;          // what stood on the destination (0 when empty)
  int 元駒 = 0;          // the moving piece's code before the move
  int 先駒 = 0;          // its code after the move (promoted if it promoted)
  double 前秒M = 0, 後秒M = 0, 前秒C = 0, 後秒C = 0;  // clocks before and after
};

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

  // How many moves are held (those ever saved or read). 手順_最終 can be set
  // beyond it from outside (the move count after a reversal); moves past
  // it were never recorded.
  int 保持数() const { return static_cast<int>(手.size()) - 1; }

  // The move at index n (1..手順_最終); index 0 is the empty slot.
  手順& operator[](int n) { return 手.at(n); }
  const 手順& operator[](int n) const { return 手.at(n); }

  // Makes room for moves 1..n (for a record being read) and sets 手順_最終 = n.
  void 長さ設定(int n) {
    if (n < 0) n = 0;
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
};

}  // namespace qz
