// Test helpers: small positions placed piece by piece, and a candidate judged
// by hand the way the search judges it (start of the turn taken on the
// position before the move, the move made, the map rebuilt for it).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "computer/danger.h"
#include "computer/evaluate.h"
#include "computer/one_move_player.h"
#include "rules/rules.h"
#include "rules/sfen.h"

namespace qz::testing {

struct 駒置き {
  int x, y, code;
};

// A position holding only the listed pieces; hands are filled by the caller.
inline 局面 配置(std::initializer_list<駒置き> pieces) {
  局面 s;
  for (const 駒置き& p : pieces) s.盤面[p.x][p.y] = static_cast<std::int16_t>(p.code);
  return s;
}

// A position from SFEN text ("<board> <side> <hands> [n]"); the side to move
// is not used (the computer is the upper side). Fixed cases only.
inline 局面 局面読込(std::string_view sfen) {
  局面 s;
  if (const auto p = SFEN読込(sfen)) 局面に置く(*p, s);
  return s;
}

// A candidate of the upper side in USI notation ("3c3d", "8b2h+", "P*5e").
inline std::string USI(const 候補手& c) {
  return USI表記(c.手);
}

// A whole search with every evaluated version kept.
struct 試験探索 {
  局面 s;
  COM記憶 記憶;
  std::vector<候補手> 一覧;
  探索結果 結果;

  試験探索(std::string_view sfen, int level) : s(局面読込(sfen)) { 探す(level); }
  void 探す(int level) {
    一覧.clear();
    結果 = COM探索(s, 記憶, level, &一覧);
  }
  // The score of the listed version written as `usi`; 点(-99999) when absent.
  点数 評価値(std::string_view usi) const {
    for (const 候補手& c : 一覧)
      if (USI(c) == usi) return c.評価値;
    return 探索開始値;
  }
  std::string 最善() const { return 結果.指し手あり ? USI(結果.最善) : "resign"; }
};

// One candidate of COM: the turn starts on `before`, then 置く駒 goes from
// (fx, fy) — or from the hand, fx = -1 and fy = the hand index — to (tx, ty).
// Only the board changes; the hands stay as they were.
struct 試験候補 {
  局面 s;
  手番開始記録 開始;
  int 取得駒 = 0, fx, fy, tx, ty, 置く駒, 元移動駒;

  試験候補(局面 before, int fx_, int fy_, int tx_, int ty_, int 置く駒_, int 元移動駒_ = 0)
      : s(before),
        fx(fx_),
        fy(fy_),
        tx(tx_),
        ty(ty_),
        置く駒(置く駒_),
        元移動駒(元移動駒_ == 0 ? 置く駒_ : 元移動駒_) {
    COM手番開始(s, 開始);
    取得駒 = s.盤面[tx][ty];
    if (fx >= 1) s.盤面[fx][fy] = 0;
    s.盤面[tx][ty] = static_cast<std::int16_t>(置く駒);
    勢力調査(s);
  }

  点数 評価(int level, int 王距離 = 0) {
    評価文脈 c{s, 開始, 元移動駒, 王距離, level};
    return 盤評価(c, 取得駒, 置く駒, fx, fy, tx, ty);
  }

  点数 危険() {
    評価文脈 c{s, 開始, 元移動駒, 0, 3};
    return 盤評価_COM危険座標(c, 置く駒, tx, ty);
  }
};

}  // namespace qz::testing
