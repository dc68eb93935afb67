// Fixed tables of 利き盤, made at compile time: for every piece code its
// single steps from every square and the directions it slides in, and sets
// of squares.
#pragma once

#include <array>
#include <cstdint>

#include "computer/bearing_board.h"

namespace qz::利き表 {

// What stands beyond the board: no piece code has this value.
constexpr std::int16_t 壁 = 王 + 1;

// The eight directions as steps of a square number: up, down (rows), left,
// right (columns), then the four diagonals.
inline constexpr std::array<int, 8> 向き = {-1, +1, -10, +10, -11, +9, -9, +11};

// Every piece code by its index (駒番号): 0..13 MAN's kinds, 14..27 COM's.
inline constexpr std::array<int, 14> 種類 = {歩, 成歩, 香, 成香, 桂, 成桂, 銀,
                                             成銀, 金, 角, 成角, 飛, 成飛, 王};
constexpr int 種類数 = 28;
constexpr int 駒の符号(int i) {
  return i < 14 ? -種類[i] : 種類[i - 14];
}
constexpr void 加える(升組& s, int p) {
  if (p < 64)
    s.下 |= std::uint64_t{1} << p;
  else
    s.上 |= std::uint64_t{1} << (p - 64);
}
constexpr void 除く(升組& s, int p) {
  if (p < 64)
    s.下 &= ~(std::uint64_t{1} << p);
  else
    s.上 &= ~(std::uint64_t{1} << (p - 64));
}
constexpr bool 含む(const 升組& s, int p) {
  return p < 64 ? (s.下 >> p) & 1 : (s.上 >> (p - 64)) & 1;
}
constexpr 升組 積(const 升組& a, const 升組& b) {
  return {a.下 & b.下, a.上 & b.上};
}
constexpr 升組 差(const 升組& a, const 升組& b) {
  return {a.下 & ~b.下, a.上 & ~b.上};
}
constexpr 升組 和(const 升組& a, const 升組& b) {
  return {a.下 | b.下, a.上 | b.上};
}
constexpr bool 空(const 升組& s) {
  return (s.下 | s.上) == 0;
}

// Every square of the board.
inline constexpr 升組 盤升 = [] {
  升組 t{};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) 加える(t, 升番号(x, y));
  return t;
}();

// Calls f(p) for every member p, in rising order.
template <class F>
inline void 各升(const 升組& s, F&& f) {
  for (std::uint64_t w = s.下; w != 0; w &= w - 1) f(__builtin_ctzll(w));
  for (std::uint64_t w = s.上; w != 0; w &= w - 1) f(64 + __builtin_ctzll(w));
}

// The single steps and slides of one kind, as (dx, dy) with dy > 0 towards
// the enemy; slides as a mask over 向き's order.
struct 動き方 {
  int 歩数;
  int 歩[8][2];
  unsigned 走り;
};
constexpr unsigned 縦 = 0b11, 横 = 0b1100, 斜め = 0b11110000;
constexpr 動き方 動き方表(int 種) {
  constexpr 動き方 金型 = {6, {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}}, 0};
  switch (種) {
    case 歩:
      return {1, {{0, 1}}, 0};
    case 桂:
      return {2, {{-1, 2}, {1, 2}}, 0};
    case 銀:
      return {5, {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}}, 0};
    case 角:
      return {0, {}, 斜め};
    case 成角:
      return {4, {{0, 1}, {0, -1}, {-1, 0}, {1, 0}}, 斜め};
    case 飛:
      return {0, {}, 縦 | 横};
    case 成飛:
      return {4, {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}}, 縦 | 横};
    case 王:
      return {8, {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {-1, -1}, {0, -1}, {1, -1}}, 0};
    case 香:
      return {0, {}, 0};  // its one slide depends on the side: see 走り表
    default:
      return 金型;
  }
}

// The directions each piece index slides in; a lance slides forward only.
inline constexpr std::array<unsigned, 種類数> 走り表 = [] {
  std::array<unsigned, 種類数> t{};
  for (int i = 0; i < 種類数; ++i) t[i] = 動き方表(種類[i % 14]).走り;
  t[2] = 0b01;       // MAN's lance: up
  t[14 + 2] = 0b10;  // COM's lance: down
  return t;
}();

// The squares one step from p for a piece index: as a list for the counts
// and as a set for the moves.
struct 一歩先 {
  std::uint8_t 数 = 0;
  std::array<std::uint8_t, 8> 升{};
};
struct 一歩表 {
  std::array<std::array<一歩先, 升番号数>, 種類数> 先{};
  std::array<std::array<升組, 升番号数>, 種類数> 集合{};
  // The squares of a piece's first steps, its slides' included.
  std::array<std::array<升組, 升番号数>, 種類数> 初歩{};
};
inline constexpr 一歩表 一歩 = [] {
  一歩表 t{};
  for (int i = 0; i < 種類数; ++i) {
    const 動き方 m = 動き方表(種類[i % 14]);
    const int f = i < 14 ? -1 : 1;  // MAN moves towards row 1
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int p = 升番号(x, y);
        for (int k = 0; k < m.歩数; ++k) {
          const int tx = x + m.歩[k][0], ty = y + m.歩[k][1] * f;
          if (!盤上(tx, ty)) continue;
          一歩先& s = t.先[i][p];
          s.升[s.数++] = static_cast<std::uint8_t>(升番号(tx, ty));
          加える(t.集合[i][p], 升番号(tx, ty));
        }
        t.初歩[i][p] = t.集合[i][p];
        for (int k = 0; k < 8; ++k)
          if ((走り表[i] >> k & 1) && 盤上((p + 向き[k]) / 10, (p + 向き[k]) % 10))
            加える(t.初歩[i][p], p + 向き[k]);
      }
  }
  return t;
}();

// [side][code + 王]: bit k set when a piece of that side and code steps one
// square along 向き[k]; 0 for the other side's pieces, nothing and walls.
inline constexpr std::array<std::array<std::uint8_t, 2 * 王 + 2>, 2> 一歩向き = [] {
  std::array<std::array<std::uint8_t, 2 * 王 + 2>, 2> t{};
  for (int i = 0; i < 種類数; ++i) {
    const int 側 = i < 14 ? 0 : 1, f = 側 == 0 ? -1 : 1;
    const 動き方 m = 動き方表(種類[i % 14]);
    for (int s = 0; s < m.歩数; ++s)
      for (int k = 0; k < 8; ++k)
        if (向き[k] == m.歩[s][0] * 10 + m.歩[s][1] * f) t[側][駒の符号(i) + 王] |= 1u << k;
  }
  return t;
}();

}  // namespace qz::利き表
