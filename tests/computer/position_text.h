// Test and benchmark helper: positions written as SFEN board and hand text,
// and moves written in USI notation, so that cases read like diagrams.
#pragma once

#include <cctype>
#include <string>

#include "computer/search.h"
#include "rules/position.h"

namespace qz::testing {

// Piece letters of SFEN: upper case for MAN (negative codes), lower for COM.
inline int 駒文字(char c) {
  switch (std::tolower(static_cast<unsigned char>(c))) {
    case 'p':
      return 歩;
    case 'l':
      return 香;
    case 'n':
      return 桂;
    case 's':
      return 銀;
    case 'g':
      return 金;
    case 'b':
      return 角;
    case 'r':
      return 飛;
    case 'k':
      return 王;
    default:
      return 0;
  }
}

// Builds a position from an SFEN board ("lnsgkgsnl/1r5b1/...", rank a = row 1,
// file 9 = column 1 first) and an SFEN hand ("-", "S2Pg", ...). The caller's
// text is trusted: these are fixed cases.
inline 局面 局面from(const std::string& board, const std::string& hands = "-") {
  局面 s;
  int x = 1, y = 1;
  bool promoted = false;
  for (char c : board) {
    if (c == '/') {
      ++y;
      x = 1;
    } else if (c == '+') {
      promoted = true;
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      x += c - '0';
    } else {
      int code = 駒文字(c) + (promoted ? 1 : 0);
      if (std::isupper(static_cast<unsigned char>(c))) code = -code;
      s.盤面[x][y] = static_cast<std::int16_t>(code);
      ++x;
      promoted = false;
    }
  }
  int count = 0;
  for (char c : hands) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      count = count * 10 + (c - '0');
      continue;
    }
    const int slot = 持駒番号(駒文字(c));
    if (slot == 0) continue;
    持駒& hand = std::isupper(static_cast<unsigned char>(c)) ? s.持駒_MAN : s.持駒_COM;
    for (int i = 0; i < (count == 0 ? 1 : count); ++i) hand.加える(slot);
    count = 0;
  }
  return s;
}

// A square in USI notation: file digit 10 - x, rank letter 'a' + y - 1.
inline std::string 升目(int x, int y) {
  return std::string(1, static_cast<char>('0' + 10 - x)) + static_cast<char>('a' + y - 1);
}

// A COM candidate in USI notation ("3c3d", "8b2h+", "P*5e").
inline std::string USI(const 候補手& m) {
  if (m.移動元X == COM持駒X) {
    static const char letters[] = " PLNSGBR";
    return std::string(1, letters[m.移動元Y]) + "*" + 升目(m.移動先X, m.移動先Y);
  }
  return 升目(m.移動元X, m.移動元Y) + 升目(m.移動先X, m.移動先Y) +
         (m.置く駒 != m.移動駒 ? "+" : "");
}

}  // namespace qz::testing
