// CSA, the record format of the computer-shogi world: `V2.2`, names in
// `N+`/`N-`, `$` attributes, the start as `PI` (with the squares a handicap
// empties) or `P1`..`P9` and `P+`/`P-`, the side to move, moves `+7776FU`
// naming the piece after the move, `T` seconds and a `%` ending.
#pragma once

#include <string>
#include <string_view>

#include "records/game_record.h"

namespace qz {

// The record as CSA V2.2 text (UTF-8, CR LF line ends); the caller encodes it.
std::string CSA文書(const 対局記録& r);

// The record as CSA V3.0 text: the same with the `'CSA encoding=UTF-8` line
// and `V3.0`, for names that Shift-JIS cannot hold.
std::string CSA文書V3(const 対局記録& r);

// Reads CSA V2, V2.1, V2.2 or V3.0 bytes (UTF-8 or Shift-JIS); statements
// joined by commas and `'` comments are taken, but a name (`N+`, `N-`) or an
// information line (`$`) is its whole line, so a comma in a name survives.
記録読込結果 CSA解読(std::string_view 内容);

}  // namespace qz
