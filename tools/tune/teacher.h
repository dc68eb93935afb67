// The position files of the evaluation tuner: one position a line, its
// SFEN with all four fields and then the result of the game it came from
// for the side to move (1 won, 0.5 drawn, 0 lost), e.g.
//   lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1 0.5
// Blank lines and lines starting with '#' are skipped.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "computer/deep_eval.h"
#include "rules/sfen.h"

namespace qz {

// A position as the tuner keeps it: what its evaluation counts, and the result.
struct 教師局面 {
  評価の数 数;
  float 結果 = 0.5F;
};

struct 教師行 {
  SFEN局面 局面;
  float 結果 = 0.5F;
};

// Reads one line. Nothing for a blank or comment line; nothing with the
// reason in 不備 for a line that is not a position and a result.
std::optional<教師行> 教師行を読む(std::string_view 行, std::string& 不備);

// The line of a position and its result.
std::string 教師行を書く(const SFEN局面& p, float 結果);

// What the evaluation counts in the position of the line.
教師局面 教師局面にする(const 教師行& t);

// Reads every line of in; a bad line is skipped, its "line N: reason" added to 不備.
std::vector<教師局面> 教師局面を読む(std::istream& in, std::vector<std::string>& 不備);

}  // namespace qz
