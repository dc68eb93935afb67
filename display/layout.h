// The window's square grid in twips (1/1440 inch), and where a loaded
// record's header lines are printed.
#pragma once

#include <string_view>

namespace qz {

// Layout in twips (1/1440 inch): cell (x, y) has its top-left corner at
// (盤左端 + 桝幅·x, 盤上端 + 桝高·y); x and y may be negative or fractional.
constexpr int 盤左端 = 1050;
constexpr int 盤上端 = 100;
constexpr int 桝幅 = 495;
constexpr int 桝高 = 615;
constexpr int 桝数 = 9;

// The X position (twips) of a header line of L characters:
// 1050 + 495 × (3 + (13 − L) / 5) in real arithmetic.
constexpr double 取得_棋譜のX座標(std::u32string_view IN_文字列) {
  const double L = static_cast<double>(IN_文字列.size());
  return 盤左端 + 桝幅 * (3 + (13 - L) / 5);
}

}  // namespace qz
