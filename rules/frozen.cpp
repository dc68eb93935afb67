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

}  // namespace qz
