// The evaluation of one candidate position of the computer's search: the
// decisive results, then three stages switched on by the computer level.
#pragma once

#include "computer/score.h"
#include "computer/state.h"

namespace qz {

// Decisive scores, apart from every ordinary sum.
constexpr 点数 王取得点 = 点(9999);  // MAN's king taken
constexpr 点数 詰め点 = 点(9998);    // MAN mated (not by a pawn)
constexpr 点数 自殺点 = 点(-9998);   // COM's king left attacked, or mate by a pawn

// The score of the candidate now on 文脈.局.盤面, whose influence tables have
// been rebuilt for it. 取得駒 is what stood on the destination, 移動駒 the code
// now standing there; a drop comes from (-1, hand index).
点数 盤評価(評価文脈& 文脈, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X,
            int 移動先Y);

// P when the piece on (移動元X, 移動元Y) stands on a diagonal leading to the first
// square from which a MAN bishop would bear on COM's king, and MAN could bring
// a bishop or horse there; else 0.
int 盤評価_自角注意_COM(評価文脈& 文脈, int 移動元X, int 移動元Y, int 移動駒);

}  // namespace qz
