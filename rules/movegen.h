// Every move the move check allows, in the computer's order, and perft.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "rules/move.h"
#include "rules/rules.h"

namespace qz {

// A set of board squares: bit (x-1)*9 + (y-1), so that rising bits run
// column by column, row by row.
struct 升集合 {
  std::uint64_t 前 = 0;  // bits 0..63
  std::uint64_t 後 = 0;  // bits 64..80
};

// The destinations a piece of code 駒 on (x, y) could reach on an empty,
// uninfluenced board: a superset of what 移動チェック allows on any board.
const 升集合& 候補升(int 駒, int x, int y);

// Calls 訪問(const 指し手&) for every move of one side that 移動チェック
// allows, in the order of the computer's search: board moves by from-column,
// from-row, to-column, to-row, the unpromoted version before the promoted one
// (only the promoted one where promotion is compulsory); then drops by hand
// slot 歩..飛, to-column, to-row. Needs the map and the double-pawn flags of
// the current position.
// The board moves of 合法手列挙 whose destination is in 先 (a capture search
// passes the squares of the other side's pieces), in the same order.
template <class F>
void 盤上の手列挙(const 局面& s, bool MAN側, const 升集合& 先, F&& 訪問) {
  const 盤配列& 駒勢力 = MAN側 ? s.表.勢力_COM : s.表.勢力_MAN;  // freezes this side
  for (int fx = 1; fx <= 9; ++fx) {
    for (int fy = 1; fy <= 9; ++fy) {
      const int c = s.盤面[fx][fy];
      if (MAN側 ? !MAN駒(c) : !COM駒(c)) continue;
      if (駒勢力[fx][fy] > 0) continue;  // frozen: 移動チェック refuses every destination
      const 升集合& 候補 = 候補升(c, fx, fy);
      auto 各升 = [&](std::uint64_t w, int base) {
        while (w != 0) {
          const int i = base + __builtin_ctzll(w);
          w &= w - 1;
          const int tx = i / 9 + 1, ty = i % 9 + 1;
          if (移動チェック(s, fx, fy, tx, ty, c) == いいえ) continue;
          if (移動後チェック(ty, c) == はい) 訪問(指し手::盤上の手(fx, fy, tx, ty, c, false));
          if (調査_駒成(fx, fy, tx, ty, c) != 0) 訪問(指し手::盤上の手(fx, fy, tx, ty, c, true));
        }
      };
      各升(候補.前 & 先.前, 0);
      各升(候補.後 & 先.後, 64);
    }
  }
}

// Every square of the board.
inline constexpr 升集合 全升{~std::uint64_t{0}, (std::uint64_t{1} << 17) - 1};

template <class F>
void 合法手列挙(const 局面& s, bool MAN側, F&& 訪問) {
  盤上の手列挙(s, MAN側, 全升, 訪問);
  const 持駒& 手駒 = MAN側 ? s.持駒_MAN : s.持駒_COM;
  for (int k = 1; k <= 持駒種類数; ++k) {
    if (手駒.枚数[k] <= 0) continue;
    const int c = MAN側 ? -持駒番号の駒[k] : 持駒番号の駒[k];
    const 升 元 = 打ち元(c);
    for (int tx = 1; tx <= 9; ++tx)
      for (int ty = 1; ty <= 9; ++ty)
        if (s.盤面[tx][ty] == 0 && 移動チェック(s, 元.x, 元.y, tx, ty, c) == はい)
          訪問(指し手::打つ手(c, tx, ty));
  }
}

// The number of moves 合法手列挙 visits.
int 合法手数(const 局面& s, bool MAN側);

// Makes the move on the position (駒移動 with the placed code).
inline void 手を指す(局面& s, const 指し手& m) {
  駒移動(s, m.元X, m.元Y, m.先X, m.先Y, m.先駒);
}

// The number of move sequences of length 深さ from s with the given side to
// move, the map and double-pawn flags brought up to date before every
// position's moves are listed. A position where a king has been taken (勝者
// set) has no moves. s itself is not changed.
std::uint64_t perft(const 局面& s, bool MAN側, int 深さ);
// The same, giving up (nothing) when more than 上限 positions would have
// their moves listed.
std::optional<std::uint64_t> perft(const 局面& s, bool MAN側, int 深さ, std::uint64_t 上限);
// The same, giving up too as soon as 打ち切る() answers true; it is asked
// once every few thousand positions.
std::optional<std::uint64_t> perft(const 局面& s, bool MAN側, int 深さ, std::uint64_t 上限,
                                   const std::function<bool()>& 打ち切る);

}  // namespace qz
