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
  局面キー 駒[28][10][10]{};  // piece index (駒番号) on square [x][y]
  局面キー 持駒[2][8][19]{};  // [0 MAN, 1 COM][slot][count]
  局面キー 手番 = 0;          // xored in when COM is to move
};

namespace zobrist_detail {

// splitmix64: a fixed, well-mixed sequence of 64-bit numbers.
constexpr std::uint64_t 次の乱数(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

constexpr ハッシュ表 作る() {
  ハッシュ表 h{};
  std::uint64_t seed = 0x51A7E5CAFE1234ull;
  for (auto& a : h.駒)
    for (auto& b : a)
      for (auto& c : b) c = 次の乱数(seed);
  for (auto& a : h.持駒)
    for (auto& b : a)
      for (std::size_t n = 1; n < std::size(b); ++n) b[n] = 次の乱数(seed);  // count 0 adds nothing
  h.手番 = 次の乱数(seed);
  return h;
}

inline constexpr ハッシュ表 表 = 作る();

// The index of every piece code, read at [code + 王]; -1 where no piece has it.
inline constexpr std::array<std::int8_t, 2 * 王 + 1> 番号表 = [] {
  std::array<std::int8_t, 2 * 王 + 1> t{};
  t.fill(-1);
  constexpr int 種類[] = {歩, 成歩, 香, 成香, 桂, 成桂, 銀, 成銀, 金, 角, 成角, 飛, 成飛, 王};
  for (int i = 0; i < 14; ++i) {
    t[王 - 種類[i]] = static_cast<std::int8_t>(i);
    t[王 + 種類[i]] = static_cast<std::int8_t>(i + 14);
  }
  return t;
}();

}  // namespace zobrist_detail

inline const ハッシュ表& ハッシュ乱数() {
  return zobrist_detail::表;
}

// 0..13 for the MAN kinds, 14..27 for the COM kinds (歩 成歩 香 成香 桂 成桂
// 銀 成銀 金 角 成角 飛 成飛 王); the code must be a piece.
inline int 駒番号(int 駒) {
  return zobrist_detail::番号表[駒 + 王];
}

// The key of the hand counts of one side.
局面キー 持駒キー(const 持駒& h, int 側);

// Changes hand slot k of one side by d (+1 or -1), keeping the key in step.
inline void 手駒増減(持駒& h, int 側, int k, int d, 局面キー& キー) {
  const auto& 乱 = ハッシュ乱数().持駒[側];
  キー ^= 乱[k][h.枚数[k]];
  if (d > 0)
    h.加える(k);
  else
    h.減らす(k);
  キー ^= 乱[k][h.枚数[k]];
}

// The whole key, computed from scratch.
局面キー 局面ハッシュ(const 局面& s, bool MAN手番);

}  // namespace qz
