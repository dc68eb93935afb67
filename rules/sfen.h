// The one codec of positions and moves as text: SFEN positions and USI move
// text for this variant, and the one check that a position could arise in
// a game. Upper case is the lower side (MAN, negative codes), lower case the
// upper side (COM); file digit = 10 - x, rank letter = 'a' + y - 1.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "rules/move.h"
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

// The pieces of each kind in one set (a promoted piece counts as its kind):
// by hand slot 歩 18 ... 飛 2, and at 王の番号 the two kings.
constexpr int 王の番号 = 8;
constexpr std::array<int, 9> 一組の枚数 = {0, 18, 4, 4, 4, 4, 2, 2, 2};

// What is wrong with an SFEN. 段 is the rank (1..9) of a board fault, 文字
// the letter of a hand fault, 駒 the kind of a count or immovable-piece
// fault.
enum class SFEN不備種類 {
  なし,
  欄の数,
  段の数,
  升が多い,
  升が少ない,
  分からない駒,
  成れない駒,
  手番,
  数で終わる,
  持駒の数,
  持駒にならない駒,
  手数,
  一組より多い,
  王が二枚,
  動けない駒,
};
struct SFEN不備 {
  SFEN不備種類 種類 = SFEN不備種類::なし;
  int 段 = 0;
  char 文字 = '\0';
  int 駒 = 0;
};
// The reason in the record readers' words (Japanese), and in the engine
// protocol's (English).
std::string SFEN不備の文(const SFEN不備& f);
std::string SFEN不備の英文(const SFEN不備& f);

// Reads "<board> <side> <hands> [<move number>]" (blank separated). Returns
// the position, or nothing with what is wrong in 不備 (when given): a text
// that is no SFEN, or a position no game could reach — more pieces of a
// kind than a set holds, two kings of one side, an unpromoted pawn, lance
// or knight where it could never move again.
std::optional<SFEN局面> SFEN読込(std::string_view text, SFEN不備* 不備 = nullptr);

// Why no game could reach the position (なし when one could): the same
// check as SFEN読込's, for a position read in another way.
SFEN不備 局面の無理(const 盤配列& 盤面, const 持駒& 持駒_MAN, const 持駒& 持駒_COM);

// Puts the board and hands of an SFEN on s; its tables, its sides' values
// and the rest are left as they were.
void 局面に置く(const SFEN局面& p, 局面& s);

// Writes the position as SFEN, and one hand as its part of the hands field
// ("" when empty).
std::string SFEN書出(const 盤配列& 盤面, const 持駒& 持駒_MAN, const 持駒& 持駒_COM, bool MAN手番,
                     int 手数);
std::string 持駒のSFEN(const 持駒& h, bool MAN側);

// Reads "7g7f", "8h2b+" or "P*5e" (a drop's letter in upper case whichever
// side drops) against the board and the side to move: a board move takes
// the code standing on its source, whatever it is; a drop the mover's piece
// of the letter's kind. Nothing when the text is no move; whether the move
// is legal is the caller's question.
std::optional<指し手> USI指し手読込(std::string_view text, const 盤配列& 盤面, bool MAN手番);
// Writes a move in USI notation.
std::string USI表記(const 指し手& m);

// The SFEN letter of a piece kind (upper case, a promoted kind as its base)
// and back: the COM (positive) code of a letter of either case, 0 if none.
char 駒文字(int 駒);
int 文字の駒(char c);

}  // namespace qz
