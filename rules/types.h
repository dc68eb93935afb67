// The vocabulary of the whole program: piece codes, sides, squares and the
// layout constants that tie squares to window coordinates.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>

namespace qz {

// Piece codes: the sign is the owner (negative = MAN, the lower side;
// positive = COM, the upper side), the magnitude the kind. A promoted kind is
// its base kind plus one. The magnitudes double as piece values.
constexpr int 歩 = 10;
constexpr int 成歩 = 11;  // と
constexpr int 香 = 20;
constexpr int 成香 = 21;
constexpr int 桂 = 30;
constexpr int 成桂 = 31;
constexpr int 銀 = 100;
constexpr int 成銀 = 101;
constexpr int 金 = 110;
constexpr int 成金 = 111;  // no piece carries it; counts as gold when taken into a hand
constexpr int 角 = 800;
constexpr int 成角 = 801;  // 馬
constexpr int 飛 = 900;
constexpr int 成飛 = 901;  // 龍
constexpr int 王 = 950;

// A square holds a COM piece when its code is >= 10, a MAN piece when <= -10.
constexpr bool COM駒(int c) { return c >= 10; }
constexpr bool MAN駒(int c) { return c <= -10; }

// The codes that stand on a board: the fourteen kinds of each side.
constexpr bool 駒コード(int c) {
  switch (std::abs(c)) {
    case 歩: case 成歩: case 香: case 成香: case 桂: case 成桂: case 銀: case 成銀:
    case 金: case 角: case 成角: case 飛: case 成飛: case 王:
      return true;
    default:
      return false;
  }
}

// Hand slots 1..7 hold 歩 香 桂 銀 金 角 飛; slot 0 holds nothing.
constexpr int 持駒種類数 = 7;
constexpr std::array<int, 8> 持駒番号の駒 = {0, 歩, 香, 桂, 銀, 金, 角, 飛};

// The hand slot a captured piece of this code goes to (its unpromoted kind),
// or 0 for a king or a code that is no piece.
constexpr int 持駒番号(int c) {
  switch (std::abs(c)) {
    case 歩: case 成歩: return 1;
    case 香: case 成香: return 2;
    case 桂: case 成桂: return 3;
    case 銀: case 成銀: return 4;
    case 金: case 成金: return 5;
    case 角: case 成角: return 6;
    case 飛: case 成飛: return 7;
    default: return 0;
  }
}

// Side values: 1 = 先手, -1 = 後手, 0 = no game. Yes and no of every test: 1 and 0.
constexpr int 先手 = 1;
constexpr int 後手 = -1;
constexpr int 対局なし = 0;
constexpr int はい = 1;
constexpr int いいえ = 0;

// Drops are written as moves from column 11 (MAN's stand) or -1 (COM's stand).
// MAN's stand shows slot i in row i + 2; COM's stand shows slot i in row 8 - i.
constexpr int MAN持駒X = 11;
constexpr int COM持駒X = -1;
constexpr bool 盤上(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }

// Layout in twips (1/1440 inch): cell (x, y) has its top-left corner at
// (盤左端 + 桝幅·x, 盤上端 + 桝高·y); x and y may be negative or fractional.
constexpr int 盤左端 = 1050;
constexpr int 盤上端 = 100;
constexpr int 桝幅 = 495;
constexpr int 桝高 = 615;
constexpr int 桝数 = 9;

// A 10 x 10 table indexed [x][y] (column from the left, row from the top);
// only 1..9 are used, row 0 and column 0 stay 0.
using 盤配列 = std::array<std::array<std::int16_t, 10>, 10>;

}  // namespace qz
