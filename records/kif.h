// KIF (柿木形式), the record format most shogi programs read and write:
// `key：value` header lines, a start by handicap name or board diagram,
// then one numbered move per line with its time, and an ending line.
#pragma once

#include <string>
#include <string_view>

#include "records/game_record.h"

namespace qz {

// The record as KIF text (UTF-8, CR LF line ends). Moves are written as
// `７六歩(77)`, `同　銀(31)`, `２二角成(88)`, `５五角打`; a declined
// promotion is written as the plain move. The branches follow the game as
// `変化：N手` blocks, the latest first, a move with a branch marked `+`.
std::string KIF文書(const 対局記録& r);

// Reads KIF bytes (UTF-8 or Shift-JIS, found from the content). Header
// separators `：` and `:`, comment lines (`#`, `&`; `*` after the moves
// began is kept in 注釈 with the move before it), unknown headers,
// `+` after a move, `不成`, the other names of promoted pieces and a board
// diagram are taken. The `変化：N手` blocks after the game become its
// branches; a block that cannot be taken ends the reading of branches there
// (変化不正行), the game and the blocks before it kept.
記録読込結果 KIF解読(std::string_view 内容);

// The piece's name in a move (`と`, `成銀`, `龍`, ...) and in a diagram (one
// character: `全`, `圭`, `杏`).
std::string_view KIF駒名(int 駒);
std::string_view KIF盤駒名(int 駒);

}  // namespace qz
