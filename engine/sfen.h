// SFEN positions and USI move text for this variant: upper case is the lower
// side (MAN, negative codes), lower case the upper side (COM); file digit =
// 10 - x, rank letter = 'a' + y - 1.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/movegen.h"
#include "rules/position.h"

namespace qz {

// What an SFEN says: board, hands, side to move and move number.
struct SFEN局面 {
  盤配列 盤面{};
  持駒 持駒_MAN, 持駒_COM;
  bool MAN手番 = true;
  int 手数 = 1;
};

constexpr std::string_view 開始SFEN =
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

// Reads "<board> <side> <hands> [<move number>]" (blank separated). Returns
// the position, or nothing with a short reason in 理由.
std::optional<SFEN局面> SFEN読込(std::string_view text, std::string& 理由);

// Puts the board and hands of an SFEN on s; its tables, its sides' values
// and the rest are left as they were.
void 局面に置く(const SFEN局面& p, 局面& s);

// Writes the position as SFEN.
std::string SFEN書出(const 盤配列& 盤面, const 持駒& 持駒_MAN, const 持駒& 持駒_COM, bool MAN手番,
                     int 手数);

// Move text as written, before it is checked against a position.
struct USI指し手 {
  bool 打つ = false;
  int 持駒番号 = 0;      // a drop: the hand slot 1..7 (歩..飛)
  int 元X = 0, 元Y = 0;  // a board move: the source square
  int 先X = 0, 先Y = 0;
  bool 成 = false;
};
// Parses "7g7f", "8h2b+" or "P*5e"; nothing for any other text.
std::optional<USI指し手> USI指し手読込(std::string_view text);
// Writes a move of the program in USI notation.
std::string USI表記(const 指し手& m);

// The SFEN letter of a piece kind (upper case) and back.
char 駒文字(int 駒);
int 文字の駒(char c);  // the COM (positive) code of an upper- or lower-case letter, 0 if none

}  // namespace qz
