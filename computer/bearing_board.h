// The position the searching player walks, with the bearings of both sides
// kept up to date move by move: for every square the number of pieces of
// each side that bear on it (the counts 勢力調査 gives as 勢力_MAN and
// 勢力_COM), so that frozen pieces, checks and the moves the move check
// allows are read off without a survey. A move changes the counts only
// along the lines it touches: the moving and the captured piece's own steps
// and rays, and the rays through the squares it empties or fills.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <vector>

#include "computer/zobrist.h"
#include "rules/movegen.h"

namespace qz {

// A square as one number, x * 10 + y, the cell [x][y] of a 盤配列 read as
// one row. Every other number of 0..升番号数 - 1 is a wall, so one step in
// any of the eight directions from a board square lands on a square or a wall.
constexpr int 升番号数 = 111;
constexpr int 升番号(int x, int y) {
  return x * 10 + y;
}

// A set of squares: bit p of the 128-bit row (下, 上) for square number p,
// so that rising bits run column by column, row by row.
struct 升組 {
  std::uint64_t 下 = 0, 上 = 0;
};

// The moves of one position, in a list of fixed room: no position has more
// than 手の列::容量 moves (all the board moves of a side's pieces and drops
// of every kind in hand on every empty square stay below it).
class 手の列 {
 public:
  static constexpr std::size_t 容量 = 1024;
  void clear() { 数_ = 0; }
  // Keeps the first n moves.
  void 縮める(std::size_t n) {
    assert(n <= 数_);
    数_ = n;
  }
  void push_back(const 指し手& m) {
    assert(数_ < 容量);
    手_[数_++] = m;
  }
  std::size_t size() const { return 数_; }
  bool empty() const { return 数_ == 0; }
  指し手& operator[](std::size_t i) { return 手_[i]; }
  const 指し手& operator[](std::size_t i) const { return 手_[i]; }
  const 指し手& front() const { return 手_[0]; }
  const 指し手* begin() const { return 手_.data(); }
  const 指し手* end() const { return 手_.data() + 数_; }

 private:
  std::array<指し手, 容量> 手_;
  std::size_t 数_ = 0;
};

// Side indexes: 0 is MAN (the lower side), 1 is COM.
constexpr int 側番号(bool MAN側) {
  return MAN側 ? 0 : 1;
}

class 利き盤 {
 public:
  bool MAN手番 = true;
  局面キー キー = 0;

  // Takes the board and hands of s and counts every bearing afresh. At most
  // one king of a side may stand on the board.
  void 設定(const 局面& s, bool 手番);
  // Makes a move that 合法手列挙 lists, other than a king capture; returns
  // the captured code (0 for none).
  int 指す(const 指し手& m);
  // The key of the position after the move, which is not made.
  局面キー 後のキー(const 指し手& m) const;
  // Takes back the last move 指す made, given what it captured.
  void 戻す(const 指し手& m, int 取った駒);
  // Passes the turn (the search's null move); its own inverse.
  void 手番交代();

  int 駒(int x, int y) const { return 盤_[升番号(x, y)]; }
  // The same by square number; beyond the board stands 利き表::壁.
  int 升の駒(int p) const { return 盤_[p]; }
  int 升の勢力(bool MAN側, int p) const { return 利き_.数[側番号(MAN側)][p]; }
  // The number of pieces of the side that bear on (x, y).
  int 勢力(bool MAN側, int x, int y) const { return 利き_.数[側番号(MAN側)][升番号(x, y)]; }
  // A piece on (x, y) that the enemy bears on: it cannot move.
  bool 凍結(int x, int y) const {
    const int c = 駒(x, y);
    return c != 0 && 勢力(c > 0, x, y) > 0;
  }
  const 持駒& 手駒(bool MAN側) const { return 手駒_[側番号(MAN側)]; }
  // The squares holding pieces of the side.
  const 升組& 占有(bool MAN側) const { return 占有_[側番号(MAN側)]; }

  // True when the side's king stands on the board and an enemy piece may
  // move onto its square (王手か of the rules' position).
  bool 王手(bool MAN側) const;
  // True when the side's king stands on a square an enemy piece bears on,
  // frozen or not: the king is then frozen, and the repetition rule counts
  // the position as a check.
  bool 王に利き(bool MAN側) const;
  // Every move of the side to move, as 合法手列挙 lists them, in its order.
  void 全手(手の列& 手) const;
  // The captures among them (a king capture included), in the same order.
  void 取る手(手の列& 手) const;

 private:
  std::array<std::int16_t, 升番号数> 盤_{};
  // Per side and square number: the count, and the directions of 利き表::向き
  // along which a ray of the side arrives (bit k: travelling in direction k).
  struct alignas(16) 利き {
    std::array<std::array<std::int8_t, 升番号数 + 1>, 2> 数{};
    std::array<std::array<std::uint8_t, 升番号数 + 1>, 2> 線{};
  };
  利き 利き_;
  std::array<升組, 2> 占有_{};
  std::array<持駒, 2> 手駒_{};
  std::array<std::array<std::int8_t, 10>, 2> 歩の数_{};  // unpromoted pawns per column
  std::array<int, 2> 王_{};                              // the king's square, 0 when none
  std::vector<利き> 控え_;                               // 利き_ before each move still made
  std::vector<局面キー> 前のキー_;                       // and the key
  std::size_t 指した数_ = 0;

  void 置き換え(int p, int 新);
  void 駒だけ置く(int p, int 新);
  void 利き加算(int 駒, int p, int d);
  void 線を直す(int p, int 旧, int 新);
  void 線を延ばす(int 側, int p, int 向き, int d);
  template <bool 取るだけ, class F>
  void 盤上の手(const 升組& 先, F&& 訪問) const;
  template <bool 取るだけ>
  升組 行き先(int 駒, int p) const;
  bool 王に届く(int 側, int k) const;
};

}  // namespace qz
