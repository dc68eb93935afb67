// The computer player's commands. Until the computer player is built they
// answer one line saying so.
#include <ostream>

#include "engine/engine.h"

namespace qz {

void commandGo(EngineState&, const CommandLine&, std::ostream& out) {
  out << "info string go is not available yet: this engine has no computer player\n";
}

void commandEvals(EngineState&, const CommandLine&, std::ostream& out) {
  out << "info string evals is not available yet: this engine has no computer player\n";
}

}  // namespace qz
