// The openings the match tools play from: every distinct series of a few
// random legal plies from the initial position, the same for the same seed.
#pragma once

#include <random>
#include <set>
#include <string>
#include <vector>

#include "game/session.h"
#include "rules/sfen.h"

namespace qz {

// A fresh game from the initial position, a repetition ending it.
inline 対局 新しい対局() {
  対局 g;
  g.初期化();
  g.千日手判定 = true;
  return g;
}

// Every distinct opening of 手数 random legal plies from the start.
inline std::vector<std::vector<指し手>> 序盤を作る(int 数, int 手数, unsigned 種) {
  std::mt19937 rng(種);
  std::set<std::string> 既;
  std::vector<std::vector<指し手>> r;
  for (int tries = 0; static_cast<int>(r.size()) < 数 && tries < 数 * 100; ++tries) {
    対局 g = 新しい対局();
    std::vector<指し手> 手;
    std::string 表記;
    for (int i = 0; i < 手数; ++i) {
      勢力調査(g.局);
      調査_2歩フラグ設定(g.局);
      std::vector<指し手> v;
      合法手列挙(g.局, g.MAN手番(), [&](const 指し手& m) { v.push_back(m); });
      手.push_back(v[rng() % v.size()]);
      g.指す(手.back());
      表記 += " " + USI表記(手.back());
    }
    if (既.insert(表記).second) r.push_back(std::move(手));
  }
  return r;
}

}  // namespace qz
