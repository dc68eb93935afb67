// Every procedure of the rules: the influence survey, move legality, making
// a move, check and double pawn, mate, frozen pieces and reversal. Nothing
// here draws, plays a sound or shows a dialog; the window wraps these.
#pragma once

#include <vector>

#include "rules/move.h"
#include "rules/position.h"

namespace qz {

// --- The influence map -------------------------------------------------------

// Rebuilds the whole map (and the king squares) of 表 from 盤面, from scratch.
void 勢力調査(const 盤配列& 盤面, 勢力表& 表);
inline void 勢力調査(局面& s) {
  勢力調査(s.盤面, s.表);
}

// The eight resolution procedures the survey delegates to. 自 is MAN, 敵 is
// COM; a straight ray takes its side from the sign of 駒. Each applies the
// bearing record of its side to every square it reaches. A ray ends on the
// first occupied square unless that holds the opposing king, which it marks
// as checked (1 between, 9 on the piece) and passes.
void 勢力確定上直進(const 盤配列& 盤面, 勢力表& 表, int 駒, int x, int y);  // towards row 1
void 勢力確定下直進(const 盤配列& 盤面, 勢力表& 表, int 駒, int x, int y);  // towards row 9
void 勢力確定右直進(const 盤配列& 盤面, 勢力表& 表, int 駒, int x, int y);  // towards column 9
void 勢力確定左直進(const 盤配列& 盤面, 勢力表& 表, int 駒, int x, int y);  // towards column 1
void 勢力確定自金(const 盤配列& 盤面, 勢力表& 表, int 駒, int x, int y);    // records 駒
void 勢力確定敵金(const 盤配列& 盤面, 勢力表& 表, int x, int y);            // records 110
void 勢力確定自角(const 盤配列& 盤面, 勢力表& 表, int x, int y);            // records -800
void 勢力確定敵角(const 盤配列& 盤面, 勢力表& 表, int 駒, int x, int y);    // records 駒

// --- Setting up --------------------------------------------------------------

// Puts the initial position on the board and empties both hands. The game
// values outside the rules (turn, mode, history, clock) are play/'s business.
void 初期配置(局面& s);

// --- Move legality (reads the board, the counts and the double-pawn flags) ---

// 1 if the piece of code 移動駒種類 may go from (移動元X, 移動元Y) — a square,
// or a stand (11 / -1) with its row or slot — to (移動先X, 移動先Y), else 0.
// A piece on a square the enemy bears on is frozen and never moves.
int 移動チェック(const 局面& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類);
// True if the piece of code 駒 goes from one square to the other by its own
// movement, its line unblocked; the freeze rule is not consulted.
bool 駒の動きか(const 盤配列& 盤面, int 元X, int 元Y, int 先X, int 先Y, int 駒);
int 移動チェック飛車(const 盤配列& 盤面, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック角(const 盤配列& 盤面, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);

// --- Making a move -----------------------------------------------------------

// Carries out a legal move: capture into the hand, destination := 移動駒 (the
// code after promotion), MAN's king square, the source emptied or the stand
// decremented. A COM drop names its slot in 移動元Y, a MAN drop its row.
void 駒移動(局面& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
// Puts a captured piece into the capturer's hand as its unpromoted kind;
// a captured king sets 勝者 instead.
void 駒取得(局面& s, int 取得駒);
// The promoted code (the moving code one further from zero) when the move
// may promote, else 0. A drop never promotes.
int 調査_駒成(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類);
// 0 when the unpromoted piece may not stand on row 移動先Y (it must promote).
int 移動後チェック(int 移動先Y, int 移動駒種類);

// --- Check, double pawn, king location ---------------------------------------

void 調査_2歩フラグ設定(局面& s);
int 調査_MAN王取得(const 局面& s, int IN_MAN王座標X, int IN_MAN王座標Y);
int 調査_COM王取得(const 局面& s, int IN_COM王座標X, int IN_COM王座標Y);
int 詰めかMAN_COM移動(const 局面& s);

// --- Mate --------------------------------------------------------------------

// Both need the map of the current position and leave board and map as found.
int 詰めかMAN(局面& s);
int 詰めかCOM(局面& s);
int 調査_自王逃道(const 局面& s);

// --- Frozen pieces -----------------------------------------------------------

// Taken before a move: the board and both counts of that moment. Each count
// is named for the pieces it froze: 前氷結_COM holds MAN's influence (where
// COM's pieces stood frozen), 前氷結_MAN holds COM's.
struct 氷結前 {
  盤配列 開始盤面{};
  盤配列 前氷結_COM{};  // 勢力_MAN before the move
  盤配列 前氷結_MAN{};  // 勢力_COM before the move
};
氷結前 氷結前記録(const 局面& s);

struct 氷結状態 {
  std::array<std::array<bool, 10>, 10> 氷結{};  // [x][y]: the piece there is frozen
  bool 新規氷結 = false;                        // some piece became frozen with this move
};
// Which pieces are frozen now, and whether any became frozen with the move.
氷結状態 調査_氷結(const 局面& s, const 氷結前& 前);

// What a move would do to the freeze: the squares of the pieces it would
// freeze and of those it would free, the moving piece judged on its
// destination against its source, a captured piece in neither.
struct 氷結変化 {
  std::vector<升> 氷結する;
  std::vector<升> 解ける;
  bool operator==(const 氷結変化&) const = default;
};
// Plays m (a move 移動チェック allows) on a copy of s and compares the
// frozen pieces before and after; s itself is left as it is.
氷結変化 着手の氷結変化(const 局面& s, const 指し手& m);

// --- Reversal ----------------------------------------------------------------

// Rotates the board half a turn, changes every piece's side and exchanges
// the hands, recomputing both totals.
void 局面反転(局面& s);

}  // namespace qz
