// When the searching player gives up: as soon as its search sees the
// enemy take its king whatever it does, or when its score has stayed below
// a hopeless margin for several of its own moves in a row. The one-move
// player of levels 1-3 plays every game to the end. One 投了判断 lives for
// one side of one game: the window or the engine keeps it between the
// computer's moves and asks it after each search.
#pragma once

namespace qz {

struct 深探索結果;

struct 投了判断 {
  int 絶望点 = -2500;  // a score at or below this (centipawns) is hopeless
  int 必要回数 = 3;    // after this many hopeless searches in a row the side resigns
  int 続いた回数 = 0;  // hopeless searches in a row so far

  // Notes the search just made for the side's move at this level; true
  // when the side resigns instead of playing the move.
  bool 投了するか(int レベル, const 深探索結果& r);
  // A new game (or a position set up anew): nothing is remembered.
  void 新しい対局() { 続いた回数 = 0; }
};

}  // namespace qz
