// Scores of the computer's evaluation. Every term is a whole number of
// tenths (0.1, 0.5, a half piece value ...), so a score is kept as an integer
// count of tenths: equal totals compare equal and nothing is lost to rounding.
#pragma once

#include <string>

namespace qz {

// A score in tenths: 105 is 10.5, -1 is -0.1, -350 is -35.
using 点数 = int;

// A literal score written in ordinary units, e.g. 点(0.5) is 5 tenths.
consteval 点数 点(double v) {
  return static_cast<点数>(v * 10 + (v >= 0 ? 0.5 : -0.5));
}

// A piece value (the magnitude of its code) as a score.
constexpr 点数 駒点(int code) {
  return 10 * code;
}

// The score as text: a whole number without a decimal point ("-35", "9998"),
// otherwise with one decimal ("10.5", "-0.1").
std::string 点数表記(点数 v);

}  // namespace qz
