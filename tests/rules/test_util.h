// Helpers shared by the rules tests: positions built from piece lists.
#pragma once

#include <initializer_list>
#include <random>

#include "rules/rules.h"

namespace qz::testing {

struct 置く {
  int x, y, 駒;
};

// A position holding exactly these pieces, its map and double-pawn flags current.
inline 局面 局面作成(std::initializer_list<置く> 駒々, 持駒 man = {}, 持駒 com = {}) {
  局面 s;
  for (const 置く& p : 駒々) s.盤面[p.x][p.y] = static_cast<std::int16_t>(p.駒);
  s.持駒_MAN = man;
  s.持駒_COM = com;
  勢力調査(s);
  調査_2歩フラグ設定(s);
  return s;
}

inline 持駒 手駒(std::initializer_list<std::pair<int, int>> slotCounts) {
  持駒 h;
  for (auto [slot, n] : slotCounts)
    for (int i = 0; i < n; ++i) h.加える(slot);
  return h;
}

// A random but plausible position: kings, a few dozen pieces of both sides
// (promoted ones too) and a few pieces in hand; map and flags current.
inline 局面 乱局面(std::mt19937& rng) {
  static constexpr int kinds[] = {歩, 歩,   歩, 成歩, 香,   成香, 桂,  成桂,
                                  銀, 成銀, 金, 角,   成角, 飛,   成飛};
  局面 s;
  auto square = [&] { return std::uniform_int_distribution<int>(1, 9)(rng); };
  s.盤面[square()][square()] = -王;
  for (;;) {
    const int x = square(), y = square();
    if (s.盤面[x][y] == 0) {
      s.盤面[x][y] = 王;
      break;
    }
  }
  const int n = std::uniform_int_distribution<int>(4, 30)(rng);
  for (int i = 0; i < n; ++i) {
    const int x = square(), y = square();
    if (s.盤面[x][y] != 0) continue;
    const int k = kinds[std::uniform_int_distribution<int>(0, 14)(rng)];
    s.盤面[x][y] = static_cast<std::int16_t>(rng() % 2 ? k : -k);
  }
  for (int i = 0; i < 4; ++i) {
    const int slot = std::uniform_int_distribution<int>(1, 7)(rng);
    if (rng() % 2)
      s.持駒_MAN.加える(slot);
    else
      s.持駒_COM.加える(slot);
  }
  勢力調査(s);
  調査_2歩フラグ設定(s);
  return s;
}

}  // namespace qz::testing
