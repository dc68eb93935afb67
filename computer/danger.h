// The danger scan: one pass over the board after a candidate move, pricing
// the weak squares round COM's king, the threats MAN could make with the
// pieces in its hand, COM pieces under attack and MAN pieces the moved piece
// now attacks.
#pragma once

#include "computer/score.h"
#include "computer/state.h"

namespace qz {

// The correction (normally negative) for the candidate that put 移動駒 on
// (COM移動先X, COM移動先Y); reads the candidate's influence tables.
点数 盤評価_COM危険座標(評価文脈& 文脈, int 移動駒, int COM移動先X, int COM移動先Y);

}  // namespace qz
