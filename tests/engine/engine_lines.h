// Runs command lines through one engine and gives back its output lines.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace qz {

inline std::vector<std::string> Engine(EngineState& st, const std::vector<std::string>& lines) {
  std::ostringstream out;
  for (const auto& l : lines) handleCommand(st, l, out);
  std::vector<std::string> v;
  std::istringstream in(out.str());
  for (std::string l; std::getline(in, l);) v.push_back(l);
  return v;
}

}  // namespace qz
