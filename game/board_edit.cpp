#include "game/board_edit.h"

#include <algorithm>
#include <cstdlib>

namespace qz {
namespace {

// The box's place of a piece code: its hand slot, or 王の番号 for a king.
int 箱番号(int 駒) {
  return std::abs(駒) == 王 ? 王の番号 : 持駒番号(駒);
}

// The base kind of a code, whoever owns it: 成銀 is 銀.
int 元の駒(int 駒) {
  const int a = std::abs(駒);
  return a == 王 ? 王 : 持駒番号の駒[持駒番号(a)];
}

// The square of a side's king, or nothing when it has none on the board.
std::optional<升> 王の升(const 編集局面& e, bool MAN側) {
  const int 王の駒 = MAN側 ? -王 : 王;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (e.盤面[x][y] == 王の駒) return 升{x, y};
  return std::nullopt;
}

持駒& 手の持駒(編集局面& e, bool MAN側) {
  return MAN側 ? e.持駒_MAN : e.持駒_COM;
}

}  // namespace

編集局面 平手の編集局面() {
  return *SFENの編集局面(開始SFEN);
}

編集局面 玉だけの編集局面() {
  編集局面 e;
  e.盤面[5][9] = -王;
  e.盤面[5][1] = 王;
  return e;
}

std::optional<編集局面> SFENの編集局面(std::string_view sfen) {
  const std::optional<SFEN局面> p = SFEN読込(sfen);
  if (!p) return std::nullopt;
  return 編集局面{p->盤面, p->持駒_MAN, p->持駒_COM, p->MAN手番};
}

std::array<int, 9> 駒箱(const 編集局面& e) {
  std::array<int, 9> 残り = 一組の枚数;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (const int c = e.盤面[x][y]; c != 0) --残り[箱番号(c)];
  for (int i = 1; i <= 持駒種類数; ++i) 残り[i] -= e.持駒_MAN.枚数[i] + e.持駒_COM.枚数[i];
  return 残り;
}

bool 駒を置く(編集局面& e, int x, int y, int 駒) {
  if (!盤上(x, y) || !駒コード(駒)) return false;
  編集局面 後 = e;
  if (std::abs(駒) == 王)
    if (const auto s = 王の升(後, 駒 < 0)) 後.盤面[s->x][s->y] = 0;
  後.盤面[x][y] = 0;
  if (駒箱(後)[箱番号(駒)] <= 0) return false;
  後.盤面[x][y] = static_cast<std::int16_t>(駒);
  e = 後;
  return true;
}

bool 駒を除く(編集局面& e, int x, int y) {
  if (!盤上(x, y) || e.盤面[x][y] == 0) return false;
  e.盤面[x][y] = 0;
  return true;
}

bool 駒を切り替える(編集局面& e, int x, int y) {
  if (!盤上(x, y)) return false;
  const int c = e.盤面[x][y];
  if (c == 0) return false;
  const int 元 = 元の駒(c);
  const bool 成れる = 元 != 金 && 元 != 王;
  int 次 = 0;
  if (成れる && std::abs(c) == 元)
    次 = 成り駒(c);
  else
    次 = c < 0 ? 元 : -元;  // to the other side, unpromoted
  if (元 == 王 && 王の升(e, 次 < 0)) return false;
  e.盤面[x][y] = static_cast<std::int16_t>(次);
  return true;
}

bool 駒をクリック(編集局面& e, int x, int y, int 駒) {
  if (!盤上(x, y)) return false;
  const int c = e.盤面[x][y];
  if (c != 0 && 元の駒(c) == 元の駒(駒)) return 駒を切り替える(e, x, y);
  return 駒を置く(e, x, y, 駒);
}

int 持駒を設定(編集局面& e, bool MAN側, int i, int 枚数) {
  if (i < 1 || i > 持駒種類数) return 0;
  持駒& h = 手の持駒(e, MAN側);
  const int 上限 = h.枚数[i] + std::max(0, 駒箱(e)[i]);
  h.枚数[i] = std::clamp(枚数, 0, 上限);
  h.合計再計算();
  return h.枚数[i];
}

void 残りを上の持駒に(編集局面& e) {
  const std::array<int, 9> 残り = 駒箱(e);
  for (int i = 1; i <= 持駒種類数; ++i) 持駒を設定(e, false, i, e.持駒_COM.枚数[i] + 残り[i]);
}

SFEN不備 編集局面の無理(const 編集局面& e) {
  return 局面の無理(e.盤面, e.持駒_MAN, e.持駒_COM);
}

std::string 編集局面のSFEN(const 編集局面& e) {
  return SFEN書出(e.盤面, e.持駒_MAN, e.持駒_COM, e.MAN手番, 1);
}

}  // namespace qz
