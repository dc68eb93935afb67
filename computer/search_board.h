// A rules' position with its side to move and key, on which a move is made
// and taken back in place (a few squares and a hand slot); the map is
// rebuilt by 調べる when asked. The game's moves are taken back on it to find
// the keys of earlier positions; the search itself walks a 利き盤, which
// keeps its bearings move by move.
#pragma once

#include "computer/zobrist.h"
#include "rules/movegen.h"

namespace qz {

struct 探索盤 {
  局面 s;
  bool MAN手番 = true;
  局面キー キー = 0;

  void 設定(const 局面& 元, bool 手番);
  // Makes a legal move (never a king capture); returns the captured code.
  int 指す(const 指し手& m);
  // Takes back the move 指す made, given what it captured.
  void 戻す(const 指し手& m, int 取った駒);
  // Passes the turn (the search's null move); its own inverse.
  void 手番交代();
  // Brings the influence map up to date, and with 二歩も the double-pawn
  // flags (only drops read them).
  void 調べる(bool 二歩も = true);
};

}  // namespace qz
