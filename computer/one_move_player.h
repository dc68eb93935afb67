// The one-move player of levels 1-3: every legal board move (unpromoted, then
// promoted where that is optional) and then every drop of the upper side,
// each judged on the board with its own influence map; the first candidate
// with the highest score is chosen. Drawing, clocks, the history and making
// the move belong to the window's turn, which calls this and then plays it.
#pragma once

#include <functional>
#include <vector>

#include "computer/score.h"
#include "computer/state.h"
#include "rules/move.h"

namespace qz {

// One evaluated candidate, or the chosen move.
struct 候補手 {
  指し手 手;
  点数 評価値 = 0;
};

// The start of the computer's turn: fresh influence tables for s, the
// double-pawn flags, MAN's escape squares, the copies of the tables and the
// shield and bishop-target surveys, all into 開始.
void COM手番開始(局面& s, 手番開始記録& 開始);

constexpr 点数 探索開始値 = 点(-99999);

struct 探索結果 {
  bool 指し手あり = false;  // false: no legal candidate at all
  候補手 最善;              // the move to play (its 評価値 is 最高評価値)
  点数 最高評価値 = 探索開始値;
};

// Searches for the upper side (COM) of s at level COMレベル (1..3). First
// brings s's influence map and double-pawn flags up to date and takes the
// start-of-turn copies into 記憶; leaves s's board, hands and map as they were
// after that. Every evaluated version is appended to 一覧 in enumeration order
// when it is given. 時計, when given, is called at the start of every
// from-column and of every hand kind, so the window's clock goes on ticking
// while the computer thinks.
探索結果 COM探索(局面& s, COM記憶& 記憶, int COMレベル, std::vector<候補手>* 一覧 = nullptr,
                 const std::function<void()>& 時計 = {});

}  // namespace qz
