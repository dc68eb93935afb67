// One game as the window plays it: the position and the values around it
// that the painters show and the handlers change.
#pragma once

#include "rules/position.h"

namespace qz {

struct 対局 {
  局面 局;
  int 手番 = 0;  // the side value to move; 0 while no game is on
  int 手数 = 0;
  double 時間_MAN = 0;
  double 時間_COM = 0;
  int 対局モード = 0;  // 1 against the computer, 0 between two humans
  int COMレベル = 3;
  int ハンデレベル = 0;
  int ハンデ設定フラグ = 0;
};

}  // namespace qz
