// The position key of the searching player: a Zobrist hash of the board, both
// hands and the side to move, kept up to date move by move.
#pragma once

#include <cstdint>

#include "rules/position.h"

namespace qz {

using 局面キー = std::uint64_t;

// The random numbers the key is built from; fixed, so keys are the same in
// every run and every process.
struct ハッシュ表 {
  局面キー 駒[28][10][10];  // piece index (駒番号) on square [x][y]
  局面キー 持駒[2][8][19];  // [0 MAN, 1 COM][slot][count]
  局面キー 手番;            // xored in when COM is to move
};
const ハッシュ表& ハッシュ乱数();

// 0..13 for the MAN kinds, 14..27 for the COM kinds; the code must be a piece.
int 駒番号(int 駒);

// The key of the hand counts of one side.
局面キー 持駒キー(const 持駒& h, int 側);

// Changes hand slot k of one side by d (+1 or -1), keeping the key in step.
void 手駒増減(持駒& h, int 側, int k, int d, 局面キー& キー);

// The whole key, computed from scratch.
局面キー 局面ハッシュ(const 局面& s, bool MAN手番);

}  // namespace qz
