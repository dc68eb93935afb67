// SFEN positions and USI games: `lnsgkgsnl/... b - 1`, and
// `position startpos moves 7g7f 3c3d` or `position sfen ... moves ...`.
// Upper-case letters are the lower side's (先手's) pieces.
#pragma once

#include <string>
#include <string_view>

#include "records/game_record.h"

namespace qz {

// The position as SFEN with its move number.
std::string SFEN文(const 記録局面& p, int 手数 = 1);

// The game as one USI `position` line; `resign` follows the moves only when
// the game ended by resignation.
std::string USI文書(const 対局記録& r);

// The position reached after the record's moves, as SFEN.
std::string 最終局面SFEN(const 対局記録& r);

// Reads an SFEN position or a USI game: `position` and `sfen` may be left
// out, `startpos` stands for the initial position, a trailing `resign` ends
// the game. Words may be spread over several lines.
記録読込結果 USI解読(std::string_view 内容);

}  // namespace qz
