// What the computer player keeps: the start-of-turn copies and survey tables
// its evaluation reads during a search, and the values it carries from one
// turn to the next.
#pragma once

#include "rules/rules.h"

namespace qz {

// Taken at the start of the computer's turn and read during its search: the
// snapshot before a move that the frozen marks compare against (開始盤面,
// 前氷結_COM = 勢力_MAN, 前氷結_MAN = 勢力_COM), then the search's own values.
struct 手番開始記録 : 氷結前 {
  // 勢力_MAN when the turn began, read by the search's frozen filter: the same
  // counts as 前氷結_COM, so one copy serves both.
  const 盤配列& 開始勢力_MAN() const { return 前氷結_COM; }
  盤配列 前攻駒X_COM{}, 前攻駒Y_COM{};  // 持ち越し's attack squares when the turn began
  int 開始MAN王逃道数 = 0;
  int 開始COM王X = 0, 開始COM王Y = 0;
  int 開始持駒数_MAN = 0, 開始持駒数_COM = 0;
  // The shield and bishop-target surveys of the position before the move.
  盤配列 移動不可_MAN{}, 移動不可_COM{};
  int COM移動不可有 = 0;
  盤配列 持角狙座標_MAN{};
};

// Everything the computer keeps between calls; a new game starts from {}.
struct COM記憶 {
  手番開始記録 開始;
  // Chebyshev distance from the last board candidate's from-square to MAN's
  // king; drops leave it alone, so it carries into the drop loop and the next turn.
  int 王距離 = 0;
};

// The candidate being judged: the position (candidate on 盤面, its own
// influence tables), the start-of-turn copies and the search's values.
struct 評価文脈 {
  局面& 局;
  const 手番開始記録& 開始;
  int 元移動駒 = 0;  // the moving piece before any promotion (a drop: the dropped piece)
  int 王距離 = 0;
  int COMレベル = 3;
};

}  // namespace qz
