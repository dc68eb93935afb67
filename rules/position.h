// The state the rules work on: the board, the hands, the influence map and
// the few game values the rules themselves read or write.
#pragma once

#include "rules/types.h"

namespace qz {

// Pieces in hand: counts in slots 1..7 (歩 香 桂 銀 金 角 飛) and their total.
// Every change goes through 加える / 減らす so that 合計 is always the sum.
struct 持駒 {
  std::array<int, 8> 枚数{};
  int 合計 = 0;

  void 加える(int i) {
    ++枚数[i];
    ++合計;
  }
  void 減らす(int i) {
    --枚数[i];
    --合計;
  }
  void 合計再計算() {
    合計 = 0;
    for (int i = 1; i <= 持駒種類数; ++i) 合計 += 枚数[i];
  }
  bool operator==(const 持駒&) const = default;
};

// The squares of the COM pieces behind 守駒_COM and 攻駒_COM. A survey never
// clears them: it writes a cell only where a bearing records its square, so a
// cell no bearing set this time still holds what an earlier survey left (0 in
// fresh tables). Read a cell only where the code beside it says a bearing set
// it this time.
struct 持ち越し座標 {
  盤配列 守駒X_COM{}, 守駒Y_COM{};
  盤配列 攻駒X_COM{}, 攻駒Y_COM{};
};

// The influence map: who bears on every square, the cheapest guard and
// attacker with their squares, the check maps, and the kings' squares. All
// of it is rebuilt by each survey except 持ち越し and a missing king's square.
struct 勢力表 {
  盤配列 勢力_MAN{}, 勢力_COM{};
  盤配列 守駒_MAN{}, 守駒_COM{};
  盤配列 攻駒_MAN{}, 攻駒X_MAN{}, 攻駒Y_MAN{};
  盤配列 攻駒_COM{};
  盤配列 王手駒マップ_MAN{}, 王手駒マップ_COM{};
  持ち越し座標 持ち越し;
  // The survey sets a pair when it meets that king; a captured king's pair
  // keeps its old value. 駒移動 keeps MAN's pair current when MAN's king moves.
  int MAN王X = 0, MAN王Y = 0, COM王X = 0, COM王Y = 0;
};

// One position with everything the rules read and write.
struct 局面 {
  盤配列 盤面{};
  持駒 持駒_MAN, 持駒_COM;
  std::array<int, 10> 二歩フラグ_MAN{}, 二歩フラグ_COM{};
  勢力表 表;
  int 手番値_MAN = 先手;  // the side value MAN plays
  int 手番値_COM = 後手;  // the side value of the COM pieces
  int 勝者 = 0;           // side value of whoever took a king; 0 while none has been
};

}  // namespace qz
