#include "records/stepping.h"

#include <cstdlib>

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

}  // namespace qz
