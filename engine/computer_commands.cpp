// The computer player's commands: `go` and `evals`, through the game's
// choice for the side to move (the one-move player searches the lower
// side's position turned round, as the upper side, and the moves come back
// turned the right way).
#include <ostream>
#include <vector>

#include "computer/one_move_player.h"
#include "engine/engine.h"
#include "rules/sfen.h"

namespace qz {
namespace {

void 最善手を書く(const std::optional<指し手>& m, std::ostream& out) {
  out << "bestmove " << (m ? USI表記(*m) : "resign") << '\n';
}

// True, after saying so, when a king has been taken: nothing is left to play.
bool 対局終了(const EngineState& st, std::ostream& out) {
  const std::string 勝 = 勝った側(st);
  if (勝.empty()) return false;
  out << "info string the game is over: " << 勝 << " has taken the king\nbestmove resign\n";
  return true;
}

}  // namespace

void commandGo(EngineState& st, const CommandLine& line, std::ostream& out) {
  if (line.words.size() >= 2 && line.words[1] == "mate") return commandMateGo(st, line, out);
  if (対局終了(st, out)) return;
  if (探索するレベル(st.COMレベル)) return commandDeepGo(st, line, out);
  最善手を書く(st.対局値.一手読みの手(st.対局値.COM記憶値, st.COMレベル), out);
}

void commandEvals(EngineState& st, const CommandLine&, std::ostream& out) {
  if (対局終了(st, out)) return;
  std::vector<候補手> 一覧;
  一覧.reserve(1024);
  const auto m = st.対局値.一手読みの手(st.対局値.COM記憶値, st.COMレベル, &一覧);
  for (const 候補手& c : 一覧) out << USI表記(c.手) << ' ' << 点数表記(c.評価値) << '\n';
  最善手を書く(m, out);
}

}  // namespace qz
