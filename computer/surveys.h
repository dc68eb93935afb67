// The computer's small board surveys: two that fill tables at the start of
// its turn, and functions of a square that the evaluation and the danger
// scan ask while judging a candidate.
#pragma once

#include "computer/state.h"
#include "rules/movegen.h"

namespace qz {

// Reads a table cell; a square off the 0..9 array (a rule looking beyond the
// last row) reads as 0, that is empty.
inline int 読(const 盤配列& a, int x, int y) {
  return (x < 0 || x > 9 || y < 0 || y > 9) ? 0 : a[x][y];
}

// Calls f(x, y) for every square, column by column and row by row, that the
// piece 駒 on (x0, y0) could reach on an empty board: the only squares the
// move check can allow it, in the order of a full scan.
template <class F>
void 行き先候補(int 駒, int x0, int y0, F&& f) {
  const 升集合& m = 候補升(駒, x0, y0);
  for (std::uint64_t w = m.前; w != 0; w &= w - 1) {
    const int i = __builtin_ctzll(w);
    f(i / 9 + 1, i % 9 + 1);
  }
  for (std::uint64_t w = m.後; w != 0; w &= w - 1) {
    const int i = 64 + __builtin_ctzll(w);
    f(i / 9 + 1, i % 9 + 1);
  }
}

// Whether (x, y) is among those squares.
inline bool 行き先候補か(int 駒, int x0, int y0, int x, int y) {
  const 升集合& m = 候補升(駒, x0, y0);
  const int i = (x - 1) * 9 + (y - 1);
  return i < 64 ? (m.前 >> i) & 1 : (m.後 >> (i - 64)) & 1;
}

// Marks the pieces that shield their own king from an enemy lance, bishop,
// horse, rook or dragon: with the piece lifted, such a slider could move onto
// the king's square. Lifts and restores pieces of s.盤面.
void 調査_移動不可駒(局面& s, 手番開始記録& 記録);

// Marks the empty squares from which a MAN bishop would reach COM's king and
// which COM does not hold firmly.
void 調査_持角狙座標(const 局面& s, 手番開始記録& 記録);

// The number of squares the piece p on (x0, y0) may move to on which the
// opponent does not bear.
int 調査_移動可場所数(const 局面& s, int x0, int y0, int p);

// Minus the number of neighbours of (x0, y0) holding a COM bishop, horse,
// rook, dragon or king.
int 調査_周辺状況(const 盤配列& 盤面, int x0, int y0);

// 1 when the first MAN lance, rook or dragon below (x0, y0) in its column,
// with no COM piece in between, may move onto the square once the piece on it
// is lifted. Lifts and restores the piece on (x0, y0).
int 調査_自守駒MAN_直進駒(局面& s, int 入力X, int 入力Y);

// The value a COM lance dropped behind a pawn on (x0, y0) could win down the
// column, or 0.
int 調査_香狙い(const 局面& s, int 移動先X, int 移動先Y);

// The value of the MAN major pieces a knight dropped beside a pawn on
// (x0, y0) would fork, or 0.
int 調査_桂狙い(const 局面& s, int 移動先X, int 移動先Y);

}  // namespace qz
