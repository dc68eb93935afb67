// Making a move: captures into the hand, promotion questions, drops, and the
// half-turn reversal of the whole position.
#include "rules/rules.h"

namespace qz {

void 駒取得(局面& s, int 取得駒) {
  if (取得駒 == 王) {
    s.勝者 = s.手番値_MAN;
    return;
  }
  if (取得駒 == -王) {
    s.勝者 = s.手番値_COM;
    return;
  }
  // A captured COM piece goes to MAN's hand and the other way round, always
  // as its unpromoted kind (±111 counts as gold). Anything else is no piece.
  const int i = 持駒番号(取得駒);
  if (i == 0) return;
  if (取得駒 > 0)
    s.持駒_MAN.加える(i);
  else
    s.持駒_COM.加える(i);
}

void 駒移動(局面& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
  // Capture. The hand total grows only by what 駒取得 puts into the hand, so
  // taking a king (which goes into no hand) leaves both totals alone.
  const int 取られる = s.盤面[移動先X][移動先Y];
  if (MAN駒(取られる) || COM駒(取られる)) 駒取得(s, 取られる);

  s.盤面[移動先X][移動先Y] = static_cast<std::int16_t>(移動駒);
  if (移動駒 == -王) {
    s.表.MAN王X = 移動先X;
    s.表.MAN王Y = 移動先Y;
  }

  if (移動元X == COM持駒X || 移動元X == MAN持駒X) {
    const int i = 打ち元の持駒番号(移動元X, 移動元Y);
    if (i >= 1 && i <= 持駒種類数) (移動元X == MAN持駒X ? s.持駒_MAN : s.持駒_COM).減らす(i);
  } else if (盤上(移動元X, 移動元Y)) {
    s.盤面[移動元X][移動元Y] = 0;
  }
}

// The promoted code of the moving piece when the move may promote, else 0.
int 調査_駒成(int 移動元X, int 移動元Y, int /*移動先X*/, int 移動先Y, int 移動駒種類) {
  if (移動元X == COM持駒X || 移動元X == MAN持駒X) return 0;
  bool 可;
  switch (移動駒種類) {
    case -歩:
    case -香:
    case -桂:
      可 = 移動先Y < 4;
      break;
    case -銀:
    case -角:
    case -飛:
      可 = 移動先Y < 4 || 移動元Y < 4;
      break;
    case 歩:
    case 香:
    case 桂:
      可 = 移動先Y > 6;
      break;
    case 銀:
    case 角:
    case 飛:
      可 = 移動先Y > 6 || 移動元Y > 6;
      break;
    default:
      可 = false;
  }
  return 可 ? 成り駒(移動駒種類) : 0;
}

int 移動後チェック(int 移動先Y, int 移動駒種類) {
  switch (移動駒種類) {
    case 歩:
    case 香:
      return 移動先Y == 9 ? いいえ : はい;
    case 桂:
      return 移動先Y >= 8 ? いいえ : はい;
    case -歩:
    case -香:
      return 移動先Y == 1 ? いいえ : はい;
    case -桂:
      return 移動先Y <= 2 ? いいえ : はい;
    default:
      return はい;
  }
}

void 局面反転(局面& s) {
  const 盤配列 元 = s.盤面;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int c = 元[x][y];
      const int d = MAN駒(c) ? -c : COM駒(c) ? -c : c;
      s.盤面[10 - x][10 - y] = static_cast<std::int16_t>(d);
    }
  }
  std::swap(s.持駒_MAN.枚数, s.持駒_COM.枚数);
  // The totals follow the hands they count.
  s.持駒_MAN.合計再計算();
  s.持駒_COM.合計再計算();
}

}  // namespace qz
