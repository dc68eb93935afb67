// The evaluation of the searching player (levels above LEVEL3): material, hands
// and the terms the freeze rule makes important. Scores are centipawns from
// the side to move's point of view. The one-move player keeps its own 盤評価.
#pragma once

#include <string_view>

#include "rules/position.h"

namespace qz {

class 利き盤;

// The weights of the evaluation, chosen by self-play matches. Each is one
// number so that the match tool can try another value for it.
struct 評価重み {
  int 持駒割増 = 10;    // percent a piece in hand is worth above the same piece on the board
  int 凍結 = 15;        // a frozen piece: it cannot move until its attacker goes
  int 無援凍結 = 25;    // percent of its value lost by a frozen piece nothing of its side guards
  int 動けない = 10;    // a free piece with no square to go to
  int 玉周り利き = 25;  // each square next to a king the enemy bears on
  int 玉守り = 20;      // each gold, silver or promoted minor next to its own king
  int 手番 = 30;        // the side to move can act first
  // What a line that repeats a position is worth to the side that searches
  // (the other side counts the opposite): below 0, it looks for progress
  // rather than going round.
  int 千日手 = 0;
};

// The value of a piece of this code on the board, in centipawns.
int 駒価値(int 駒);

// The score of s for the side to move. Needs the influence counts of s.
int 形勢評価(const 局面& s, bool MAN手番, const 評価重み& w);
// The same score of the searching player's position, from its own counts.
int 形勢評価(const 利き盤& b, const 評価重み& w);

// Sets one weight by its name; false for an unknown name.
bool 重みを設定(評価重み& w, std::string_view 名, int 値);

}  // namespace qz
