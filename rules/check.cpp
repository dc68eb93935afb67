// Double pawn and the reach tests: can some piece of a side go to a square?
#include "rules/rules.h"

namespace qz {
namespace {

// 1 if some piece of the side picked by 側 (a test on codes) may legally
// move to (x, y) now; the board is scanned column by column.
template <class 側>
int 到達(const 局面& s, int x, int y, 側 is側) {
  for (int a = 1; a <= 9; ++a) {
    for (int b = 1; b <= 9; ++b) {
      const int c = s.盤面[a][b];
      if (is側(c) && 移動チェック(s, a, b, x, y, c) == はい) return はい;
    }
  }
  return いいえ;
}

}  // namespace

void 調査_2歩フラグ設定(局面& s) {
  for (int x = 1; x <= 9; ++x) {
    s.二歩フラグ_MAN[x] = 0;
    s.二歩フラグ_COM[x] = 0;
    for (int y = 1; y <= 9; ++y) {
      if (s.盤面[x][y] == -歩) s.二歩フラグ_MAN[x] = 1;
      if (s.盤面[x][y] == 歩) s.二歩フラグ_COM[x] = 1;
    }
  }
}

int 調査_MAN王取得(const 局面& s, int IN_MAN王座標X, int IN_MAN王座標Y) {
  return 到達(s, IN_MAN王座標X, IN_MAN王座標Y, COM駒);
}

int 調査_COM王取得(const 局面& s, int IN_COM王座標X, int IN_COM王座標Y) {
  return 到達(s, IN_COM王座標X, IN_COM王座標Y, MAN駒);
}

int 詰めかMAN_COM移動(const 局面& s) {
  return 到達(s, s.表.MAN王X, s.表.MAN王Y, COM駒);
}

}  // namespace qz
