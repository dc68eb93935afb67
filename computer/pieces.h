// Inside the evaluation: the frame of one candidate, shared by the stages,
// and the level-3 piece patterns.
#pragma once

#include "computer/score.h"
#include "computer/state.h"

namespace qz {

// One candidate as the evaluation sees it: C = 取得駒, P = 移動駒 (the code now
// on the destination), (fx, fy) the from-square (-1 and the hand index for a
// drop), (tx, ty) the destination, (kx, ky) MAN's king.
struct 候補枠 {
  評価文脈& 文脈;
  局面& s;
  const 勢力表& t;
  const 手番開始記録& 開始;
  int C, P, fx, fy, tx, ty, kx, ky;
  bool drop;
};

// Stage 3: the patterns of the piece now on the destination, added to S.
void 駒別評価(const 候補枠& f, 点数& S);

}  // namespace qz
