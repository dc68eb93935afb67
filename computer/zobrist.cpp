#include "computer/zobrist.h"

#include <algorithm>

namespace qz {

局面キー 持駒キー(const 持駒& h, int 側) {
  局面キー k = 0;
  for (int i = 1; i <= 持駒種類数; ++i) k ^= ハッシュ乱数().持駒[側][i][std::min(h.枚数[i], 18)];
  return k;
}

局面キー 局面ハッシュ(const 局面& s, bool MAN手番) {
  const ハッシュ表& h = ハッシュ乱数();
  局面キー k = MAN手番 ? 0 : h.手番;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (駒コード(s.盤面[x][y])) k ^= h.駒[駒番号(s.盤面[x][y])][x][y];
  return k ^ 持駒キー(s.持駒_MAN, 0) ^ 持駒キー(s.持駒_COM, 1);
}

}  // namespace qz
