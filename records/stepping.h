// Moves of the history applied to a position and taken back: the recorded
// squares and codes, never the rules. Replaying a record and stepping
// through a game both stand on these.
#pragma once

#include "records/history.h"
#include "rules/position.h"

namespace qz {

// The hand slot a stepped piece counts in: its unpromoted kind, or 0 (no
// hand changes) for an empty square, a king or any code that is no piece.
int 手順持駒番号(int 駒);

// Applies one recorded move to the board and hands: the source emptied (or
// the dropping side's hand decremented), the destination set, a captured
// piece added to the capturer's hand. Totals stay the sums of the counts.
void 一手進める(局面& s, const 手順& 手);
// Undoes one recorded move: the exact inverse of 一手進める.
void 一手戻す(局面& s, const 手順& 手);

}  // namespace qz
