// The vocabulary of the whole program: piece codes, sides, squares, hand
// slots and moves' stand squares.
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
constexpr bool COM駒(int c) {
  return c >= 10;
}
constexpr bool MAN駒(int c) {
  return c <= -10;
}

// The codes that stand on a board: the fourteen kinds of each side.
constexpr bool 駒コード(int c) {
  switch (std::abs(c)) {
    case 歩:
    case 成歩:
    case 香:
    case 成香:
    case 桂:
    case 成桂:
    case 銀:
    case 成銀:
    case 金:
    case 角:
    case 成角:
    case 飛:
    case 成飛:
    case 王:
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
  switch (c < 0 ? -c : c) {
    case 歩:
    case 成歩:
      return 1;
    case 香:
    case 成香:
      return 2;
    case 桂:
    case 成桂:
      return 3;
    case 銀:
    case 成銀:
      return 4;
    case 金:
    case 成金:
      return 5;
    case 角:
    case 成角:
      return 6;
    case 飛:
    case 成飛:
      return 7;
    default:
      return 0;
  }
}

// Side values: 1 = 先手, -1 = 後手, 0 = no game. Yes and no of every test: 1 and 0.
constexpr int 先手 = 1;
constexpr int 後手 = -1;
constexpr int 対局なし = 0;
constexpr int はい = 1;
constexpr int いいえ = 0;

// Named hand slots, the indexes of 持駒::枚数.
constexpr int 持駒_歩 = 1;
constexpr int 持駒_香 = 2;
constexpr int 持駒_桂 = 3;
constexpr int 持駒_銀 = 4;
constexpr int 持駒_金 = 5;
constexpr int 持駒_角 = 6;
constexpr int 持駒_飛 = 7;

// The code a piece takes when it promotes: one further from zero.
constexpr int 成り駒(int c) {
  return c < 0 ? c - 1 : c + 1;
}

// The stands are columns 11 (MAN's) and -1 (COM's) of the square grid.
constexpr int MAN持駒X = 11;
constexpr int COM持駒X = -1;

// A square of the grid, on the board or on a stand.
struct 升 {
  int x = 0, y = 0;
  bool operator==(const 升&) const = default;
};

// The stand square on which a hand piece of code 駒 is shown (its sign names
// the stand): MAN's slot i in row i + 2, COM's slot i in row 8 - i.
constexpr 升 持駒台の升(int 駒) {
  const int i = 持駒番号(駒);
  return 駒 < 0 ? 升{MAN持駒X, i + 2} : 升{COM持駒X, 8 - i};
}
// The hand piece shown on stand square (x, y), as its owner's code; 0 where
// the square shows no slot.
constexpr int 持駒台の駒(int x, int y) {
  const int i = x == MAN持駒X ? y - 2 : x == COM持駒X ? 8 - y : 0;
  if (i < 1 || i > 持駒種類数) return 0;
  return x == MAN持駒X ? -持駒番号の駒[i] : 持駒番号の駒[i];
}

// The source a drop of code 駒 names in a move: MAN's stand row, and for COM
// the hand slot itself (the mouse converts COM's row just before the move).
constexpr 升 打ち元(int 駒) {
  const int i = 持駒番号(駒);
  return 駒 < 0 ? 升{MAN持駒X, i + 2} : 升{COM持駒X, i};
}
// The hand slot a drop from source (x, y) takes its piece from; outside
// 1..7 when the source names none.
constexpr int 打ち元の持駒番号(int x, int y) {
  return x == MAN持駒X ? y - 2 : y;
}

constexpr bool 盤上(int x, int y) {
  return x >= 1 && x <= 9 && y >= 1 && y <= 9;
}

// A 10 x 10 table indexed [x][y] (column from the left, row from the top);
// only 1..9 are used, row 0 and column 0 stay 0.
using 盤配列 = std::array<std::array<std::int16_t, 10>, 10>;

}  // namespace qz
