#include "records/stepping.h"

#include <algorithm>
#include <cstdlib>

#include "rules/translatable.h"

namespace qz {
namespace {

// The hand that a piece of this code belongs to (by its sign), if any.
持駒* 持ち主の持駒(局面& s, int 駒) {
  if (MAN駒(駒)) return &s.持駒_MAN;
  if (COM駒(駒)) return &s.持駒_COM;
  return nullptr;
}

// The hand that takes a captured piece of this code: the other side's.
持駒* 取った側の持駒(局面& s, int 取駒) {
  if (MAN駒(取駒)) return &s.持駒_COM;
  if (COM駒(取駒)) return &s.持駒_MAN;
  return nullptr;
}

void 増やす(持駒* 手, int 駒) {
  const int i = 手順持駒番号(駒);
  if (手 != nullptr && i != 0) 手->加える(i);
}

void 減らす(持駒* 手, int 駒) {
  const int i = 手順持駒番号(駒);
  if (手 != nullptr && i != 0) 手->減らす(i);
}

bool 盤上の手(const 手順& 手) {
  return 手.元X >= 1 && 手.元X <= 9;
}

void 置く(局面& s, int x, int y, int 駒) {
  if (盤上(x, y)) s.盤面[x][y] = static_cast<std::int16_t>(駒);
}

手順表示 断り(手順結果 結果, bool 禁止音, const char* 文言, const char* 題) {
  手順表示 r;
  r.結果 = 結果;
  r.中断 = 結果 != 手順結果::開始前;
  r.禁止音 = 禁止音;
  r.文言 = 文言;
  r.題 = 題;
  return r;
}

}  // namespace

int 手順持駒番号(int 駒) {
  return std::abs(駒) == 成金 ? 0 : 持駒番号(駒);
}

void 一手進める(局面& s, const 手順& 手) {
  if (盤上の手(手)) {
    置く(s, 手.元X, 手.元Y, 0);
  } else {
    減らす(持ち主の持駒(s, 手.先駒), 手.先駒);
  }
  置く(s, 手.先X, 手.先Y, 手.先駒);
  増やす(取った側の持駒(s, 手.取駒), 手.取駒);
}

void 一手戻す(局面& s, const 手順& 手) {
  if (盤上の手(手)) {
    置く(s, 手.元X, 手.元Y, 手.元駒);
  } else {
    増やす(持ち主の持駒(s, 手.先駒), 手.先駒);
  }
  減らす(取った側の持駒(s, 手.取駒), 手.取駒);
  置く(s, 手.先X, 手.先Y, 手.取駒);
}

手順表示 手順_進(局面& s, 手順記録& 記録, int& 手番, int& 手数, double& 時間_MAN, double& 時間_COM,
                 int 棋譜モード) {
  if (手番 == 0)
    return 断り(手順結果::開始前, true, QZ_TR("「対局」で始めて下さい"), QZ_TR("開始"));
  if (記録.手順_現在 >= std::min(記録.手順_最終, 記録.保持数())) {
    if (棋譜モード == 1) return 断り(手順結果::終わり, false, QZ_TR("終わり"), QZ_TR("進む"));
    return 断り(手順結果::できない, true, QZ_TR("できません"), QZ_TR("進む"));
  }
  手順表示 r;
  r.結果 = 手順結果::済み;
  r.中断 = true;
  r.前 = 氷結前記録(s);
  r.手 = ++記録.手順_現在;
  ++手数;
  const 手順& 手 = 記録[r.手];
  一手進める(s, 手);
  時間_COM = 手.後秒C;
  時間_MAN = 手.後秒M;
  r.升目 = {{手.元X, 手.元Y, 0}, {手.先X, 手.先Y, 手.先駒}};
  r.移動結果手番 = 手.先駒 > 0 ? s.手番値_COM : s.手番値_MAN;
  r.先X = 手.先X;
  r.先Y = 手.先Y;
  r.先駒 = 手.先駒;
  手番 = -手番;
  return r;
}

手順表示 手順_戻(局面& s, 手順記録& 記録, int& 手番, int& 手数, double& 時間_MAN,
                 double& 時間_COM) {
  if (記録.手順_現在 < 1) return 断り(手順結果::できない, true, QZ_TR("できません"), QZ_TR("戻る"));
  手順表示 r;
  r.結果 = 手順結果::済み;
  r.中断 = true;
  r.前 = 氷結前記録(s);
  r.手 = 記録.手順_現在;
  const 手順& 手 = 記録[r.手];
  一手戻す(s, 手);
  時間_COM = 手.前秒C;
  時間_MAN = 手.前秒M;
  if (盤上の手(手)) r.升目.push_back({手.元X, 手.元Y, 手.元駒});
  r.升目.push_back({手.先X, 手.先Y, 0});
  if (手.取駒 != 0) r.升目.push_back({手.先X, 手.先Y, 手.取駒});
  r.移動結果手番 = 手.元駒 > 0 ? s.手番値_COM : s.手番値_MAN;
  r.先X = 手.先X;
  r.先Y = 手.先Y;
  r.先駒 = 手.先駒;
  記録.手順_現在 = r.手 - 1;
  --手数;
  手番 = -手番;
  return r;
}

void 手順_最初(局面& s, 手順記録& 記録, int& 手番, int& 手数, double& 時間_MAN, double& 時間_COM) {
  初期配置(s);
  s.勝者 = 0;
  記録.手順_現在 = 0;
  記録[0].先駒 = 歩;
  手番 = 0;
  手数 = 0;
  時間_MAN = 0;
  時間_COM = 0;
}

}  // namespace qz
