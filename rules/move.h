// The program's one move: what the rules list, the computer chooses, the
// records keep and the SFEN/USI codec reads and writes.
#pragma once

#include "rules/types.h"

namespace qz {

// One move as the program writes it: a board move (from, to, promoting or
// not) or a drop of a hand piece, whose source is the stand as 打ち元 names it.
struct 指し手 {
  int 元X = 0, 元Y = 0;  // a square, or 11 / -1 with MAN's stand row / COM's slot
  int 先X = 0, 先Y = 0;
  int 元駒 = 0;  // the code of the moving piece before the move
  int 先駒 = 0;  // the code it has on the destination (promoted if it promotes)
  bool 打つ() const { return 元X == MAN持駒X || 元X == COM持駒X; }
  bool 成る() const { return 先駒 != 元駒; }
  bool operator==(const 指し手&) const = default;

  static 指し手 盤上の手(int fx, int fy, int tx, int ty, int 駒, bool 成り) {
    return {fx, fy, tx, ty, 駒, 成り ? 成り駒(駒) : 駒};
  }
  static 指し手 打つ手(int 駒, int tx, int ty) {
    const 升 元 = 打ち元(駒);
    return {元.x, 元.y, tx, ty, 駒, 駒};
  }
};

// The source as 移動チェック and 駒移動 take it: the square moved from, or
// for a drop the stand square 打ち元 names.
inline 升 移動元の升(const 指し手& m) {
  return m.打つ() ? 打ち元(m.元駒) : 升{m.元X, m.元Y};
}

// The move on the board turned half round with the sides exchanged, as the
// program's reversal turns the position.
inline 指し手 反転手(const 指し手& m) {
  指し手 r = m.打つ() ? 指し手::打つ手(-m.元駒, 10 - m.先X, 10 - m.先Y)
                      : 指し手{10 - m.元X, 10 - m.元Y, 10 - m.先X, 10 - m.先Y, -m.元駒, -m.先駒};
  r.先駒 = -m.先駒;
  return r;
}

}  // namespace qz
