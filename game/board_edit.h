// The board editor's position: any board, both hands and the side to move,
// changed one piece at a time within one set of pieces (18 pawns, 4 each
// of lances, knights, silvers and golds, 2 bishops, rooks and kings; a
// promoted piece counts as its kind). Whether a game could reach it is the
// SFEN codec's one check.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "rules/sfen.h"

namespace qz {

struct 編集局面 {
  盤配列 盤面{};
  持駒 持駒_MAN, 持駒_COM;
  bool MAN手番 = true;
  bool operator==(const 編集局面&) const = default;
};

// The start position, the lower side to move.
編集局面 平手の編集局面();
// An empty board but for the two kings on their start squares (5九, 5一).
編集局面 玉だけの編集局面();
// The position of an SFEN, or nothing when the codec refuses it.
std::optional<編集局面> SFENの編集局面(std::string_view sfen);

// The pieces of each kind still in the box, outside the board and both
// hands: by hand slot 1..7, and the kings at 王の番号.
std::array<int, 9> 駒箱(const 編集局面& e);

// Puts the piece code on square (x, y), whatever stood there going back to
// the box. A king moves there from wherever its side's king stood. Refused
// (false, nothing changed) when the box has no piece of that kind.
bool 駒を置く(編集局面& e, int x, int y, int 駒);
// Takes the piece on (x, y) back to the box; false when the square is empty.
bool 駒を除く(編集局面& e, int x, int y);
// The next state of the piece on (x, y): unpromoted, promoted, then the
// other side's unpromoted and promoted (golds and kings only change sides).
// A king does not pass to a side that has one already. False when nothing
// changed.
bool 駒を切り替える(編集局面& e, int x, int y);
// A click on (x, y) with a piece of the palette: an empty square, or one
// holding another kind, gets the piece; one holding the same kind cycles.
bool 駒をクリック(編集局面& e, int x, int y, int 駒);

// Sets one side's count of hand slot i (1..7), as far as 0 and the box
// allow; returns the count it now holds.
int 持駒を設定(編集局面& e, bool MAN側, int i, int 枚数);
// Every piece still in the box but the kings goes to the upper side's hand,
// as composed problems give the defender.
void 残りを上の持駒に(編集局面& e);

// Why no game could reach the position (種類 なし when one could).
SFEN不備 編集局面の無理(const 編集局面& e);
// The position as SFEN (move number 1).
std::string 編集局面のSFEN(const 編集局面& e);

}  // namespace qz
