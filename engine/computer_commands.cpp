// The computer player's commands: `go` and `evals`. The computer plays the
// upper side; for the lower side the position is reversed, searched as the
// upper side, and the moves are mapped back.
#include <ostream>
#include <vector>

#include "computer/search.h"
#include "engine/engine.h"
#include "rules/sfen.h"

namespace qz {
namespace {

// A candidate of the search as a move of the side to move: turned back
// half a turn with the sides exchanged when the board was reversed.
指し手 元の向き(const 候補手& c, bool reversed) {
  return reversed ? 反転手(c.手) : c.手;
}

// Searches for the side to move, bringing the map of the searched position up
// to date first; the engine's position is as before afterwards.
探索結果 探索する(EngineState& st, std::vector<候補手>* 一覧) {
  局面& s = st.現局面;
  if (!st.MAN手番) return COM探索(s, st.COM記憶値, st.COMレベル, 一覧);
  局面反転(s);
  const 探索結果 r = COM探索(s, st.COM記憶値, st.COMレベル, 一覧);
  局面反転(s);
  最新化(st);
  return r;
}

void 最善手を書く(const 探索結果& r, bool reversed, std::ostream& out) {
  out << "bestmove " << (r.指し手あり ? USI表記(元の向き(r.最善, reversed)) : "resign") << '\n';
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
  if (対局終了(st, out)) return;
  if (st.COMレベル >= 4) return commandDeepGo(st, line, out);
  最善手を書く(探索する(st, nullptr), st.MAN手番, out);
}

void commandEvals(EngineState& st, const CommandLine&, std::ostream& out) {
  if (対局終了(st, out)) return;
  std::vector<候補手> 一覧;
  一覧.reserve(1024);
  const 探索結果 r = 探索する(st, &一覧);
  for (const 候補手& c : 一覧)
    out << USI表記(元の向き(c, st.MAN手番)) << ' ' << 点数表記(c.評価値) << '\n';
  最善手を書く(r, st.MAN手番, out);
}

}  // namespace qz
