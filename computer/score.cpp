#include "computer/score.h"

#include <cstdlib>

namespace qz {

std::string 点数表記(点数 v) {
  const int whole = std::abs(v) / 10;
  const int tenth = std::abs(v) % 10;
  std::string text = v < 0 ? "-" : "";
  text += std::to_string(whole);
  if (tenth != 0) text += "." + std::to_string(tenth);
  return text;
}

}  // namespace qz
