// Which pieces are frozen, and whether a move froze one that was free.
#include "rules/rules.h"

namespace qz {

氷結前 氷結前記録(const 局面& s) {
  return {s.盤面, s.表.勢力_MAN, s.表.勢力_COM};
}

氷結状態 調査_氷結(const 局面& s, const 氷結前& 前) {
  氷結状態 r;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int c = s.盤面[x][y];
      bool 氷結 = false, 新規 = false;
      if (COM駒(c)) {
        氷結 = s.表.勢力_MAN[x][y] > 0;
        新規 = 氷結 && (前.前氷結_COM[x][y] == 0 || 前.開始盤面[x][y] <= 0);
      } else if (MAN駒(c)) {
        氷結 = s.表.勢力_COM[x][y] > 0;
        新規 = 氷結 && (前.前氷結_MAN[x][y] == 0 || 前.開始盤面[x][y] >= 0);
      }
      r.氷結[x][y] = 氷結;
      if (新規) r.新規氷結 = true;
    }
  }
  return r;
}

// Which pieces of the position are frozen, its map surveyed afresh.
static std::array<std::array<bool, 10>, 10> 氷結升(局面& s) {
  勢力調査(s);
  return 調査_氷結(s, 氷結前記録(s)).氷結;
}

氷結変化 着手の氷結変化(const 局面& s, const 指し手& m) {
  局面 写し = s;
  const auto 前 = 氷結升(写し);
  const 升 元 = 移動元の升(m);
  駒移動(写し, 元.x, 元.y, m.先X, m.先Y, m.先駒);
  const auto 後 = 氷結升(写し);
  氷結変化 r;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (写し.盤面[x][y] == 0) continue;
      const bool 動いた駒 = x == m.先X && y == m.先Y;
      const bool 以前 = 動いた駒 ? !m.打つ() && 前[元.x][元.y] : 前[x][y];
      if (後[x][y] && !以前) r.氷結する.push_back({x, y});
      if (!後[x][y] && 以前) r.解ける.push_back({x, y});
    }
  return r;
}

}  // namespace qz
