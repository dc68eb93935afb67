#include "computer/search_board.h"

namespace qz {

void 探索盤::設定(const 局面& 元, bool 手番) {
  s = 元;
  s.勝者 = 0;
  MAN手番 = 手番;
  キー = 局面ハッシュ(s, 手番);
}

int 探索盤::指す(const 指し手& m) {
  const ハッシュ表& 乱 = ハッシュ乱数();
  const bool man = m.元駒 < 0;
  持駒& 手 = man ? s.持駒_MAN : s.持駒_COM;
  int 取った駒 = 0;
  if (m.打つ()) {
    手駒増減(手, man ? 0 : 1, 持駒番号(m.元駒), -1, キー);
  } else {
    キー ^= 乱.駒[駒番号(m.元駒)][m.元X][m.元Y];
    s.盤面[m.元X][m.元Y] = 0;
    取った駒 = s.盤面[m.先X][m.先Y];
    if (取った駒 != 0) {
      キー ^= 乱.駒[駒番号(取った駒)][m.先X][m.先Y];
      手駒増減(手, man ? 0 : 1, 持駒番号(取った駒), +1, キー);
    }
  }
  s.盤面[m.先X][m.先Y] = static_cast<std::int16_t>(m.先駒);
  キー ^= 乱.駒[駒番号(m.先駒)][m.先X][m.先Y] ^ 乱.手番;
  MAN手番 = !MAN手番;
  return 取った駒;
}

void 探索盤::戻す(const 指し手& m, int 取った駒) {
  const ハッシュ表& 乱 = ハッシュ乱数();
  const bool man = m.元駒 < 0;
  持駒& 手 = man ? s.持駒_MAN : s.持駒_COM;
  キー ^= 乱.駒[駒番号(m.先駒)][m.先X][m.先Y] ^ 乱.手番;
  MAN手番 = !MAN手番;
  s.盤面[m.先X][m.先Y] = static_cast<std::int16_t>(取った駒);
  if (m.打つ()) {
    手駒増減(手, man ? 0 : 1, 持駒番号(m.元駒), +1, キー);
    return;
  }
  if (取った駒 != 0) {
    キー ^= 乱.駒[駒番号(取った駒)][m.先X][m.先Y];
    手駒増減(手, man ? 0 : 1, 持駒番号(取った駒), -1, キー);
  }
  s.盤面[m.元X][m.元Y] = static_cast<std::int16_t>(m.元駒);
  キー ^= 乱.駒[駒番号(m.元駒)][m.元X][m.元Y];
}

void 探索盤::手番交代() {
  MAN手番 = !MAN手番;
  キー ^= ハッシュ乱数().手番;
}

void 探索盤::調べる(bool 二歩も) {
  勢力調査(s);
  if (二歩も) 調査_2歩フラグ設定(s);
}

}  // namespace qz
