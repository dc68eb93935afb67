// Stepping through the move history: "戻" takes the last move on the board
// back, "進" replays the next one, "最初" returns to the starting position.
// Stepping never consults the rules: it applies or undoes the recorded
// squares and codes directly. These functions change the position, the
// history position and the game values they are given, and return what the
// window must redraw and announce; they draw nothing and play nothing.
//
// How the menu handlers use them (each first hides the record-file panel:
// 描画_可視(false, false, false) and 描画_棋譜_IO(1)):
//
// AFTER_Click ("進"):
//   r = 手順_進(s, 記録, 手番, 手数, 時間_MAN, 時間_COM, 棋譜モード);
//   if (r.中断) 中断中 = 1;
//   if (r.結果 != 済み) { if (r.禁止音) play 禁止.wav; message box r.文言 / r.題; return; }
//   take the snapshots r.前 (開始盤面, 前氷結_COM, 前氷結_MAN); 選択状態 = 0;
//   stop Timer1; 描画_将棋盤桝; 描画_手数(手数, 15);
//   描画_所有時間(手番値_COM, 時間_COM); 描画_所有時間(手番値_MAN, 時間_MAN);
//   for each c in r.升目: paint c.駒 (0 = empty square) at (c.x, c.y) and outline it;
//   描画_自持盤; 描画_敵持盤; play 駒打音.wav;
//   描画_移動結果(r.移動結果手番, r.先X, r.先Y, r.先駒, 15); 描画_手数(手数, 15);
//   勢力調査; 描画_氷結駒 (against the snapshots).
//
// REPLAY_Click ("戻"):
//   r = 手順_戻(s, 記録, 手番, 手数, 時間_MAN, 時間_COM);
//   中断中 = 1; on refusal as above ("できません" / "戻る" with 禁止.wav);
//   snapshots r.前; 選択状態 = 0; stop Timer1; 描画_将棋盤桝;
//   draw both clocks; paint r.升目 in order; 描画_自持盤; 描画_敵持盤;
//   play 駒打音.wav; 消去_移動結果(r.移動結果手番) (the move before it is not
//   shown again); 描画_手数(手数, 15); 勢力調査; 描画_氷結駒.
//
// CANCEL_Click ("最初"): 初期設定 (of which 手順_最初 is the history half),
// then play 駒打音.wav. 手順_最終 and the moves stay, so a later game between
// two humans from the starting position can replay them with "進".
//
// Refusals, all leaving the position unchanged:
//   "進" with 手番 == 0           禁止.wav, "「対局」で始めて下さい" / "開始" (中断 not set)
//   "進" at the end, 棋譜モード 1  "終わり" / "進む"
//   "進" at the end otherwise     禁止.wav, "できません" / "進む"
//   "戻" at the start             禁止.wav, "できません" / "戻る"
#pragma once

#include <string>
#include <vector>

#include "records/history.h"
#include "rules/rules.h"

namespace qz {

enum class 手順結果 { 済み, 開始前, 終わり, できない };

// Paint 駒 (0 = the empty-square picture) at cell (x, y) and outline it.
// A drop's source is a stand cell, which the stand redraw then paints over.
struct 描画升目 {
  int x = 0, y = 0;
  int 駒 = 0;
};

struct 手順表示 {
  手順結果 結果 = 手順結果::できない;
  bool 中断 = false;  // the game is paused: 中断中 := 1
  std::string 文言;   // a refusal's message box, titled 題
  std::string 題;
  bool 禁止音 = false;  // a refusal that plays 禁止.wav first
  // The rest is set only when 結果 is 済み.
  int 手 = 0;                  // the history index stepped over
  氷結前 前;                   // the board and both influence counts before the step
  std::vector<描画升目> 升目;  // in order; then redraw both stands
  // "進": the mover's side value and the move for 描画_移動結果;
  // "戻": the side whose last-move text 消去_移動結果 erases.
  int 移動結果手番 = 0;
  int 先X = 0, 先Y = 0, 先駒 = 0;
};

// The hand slot a stepped piece counts in: its unpromoted kind, or 0 (no
// hand changes) for an empty square, a king or any code that is no piece.
int 手順持駒番号(int 駒);

// Applies one recorded move to the board and hands: the source emptied (or
// the dropping side's hand decremented), the destination set, a captured
// piece added to the capturer's hand. Totals stay the sums of the counts.
void 一手進める(局面& s, const 手順& 手);
// Undoes one recorded move: the exact inverse of 一手進める.
void 一手戻す(局面& s, const 手順& 手);

// "進": replays move 手順_現在 + 1; 手数 + 1, 手番 changes sides, the clocks
// become the move's after-values. The end is 手順_最終 or the last move the
// history holds, whichever comes first.
手順表示 手順_進(局面& s, 手順記録& 記録, int& 手番, int& 手数, double& 時間_MAN, double& 時間_COM,
                 int 棋譜モード);
// "戻": takes move 手順_現在 back; 手数 − 1, 手番 changes sides, the clocks
// become the move's before-values. 手順_最終 is kept.
手順表示 手順_戻(局面& s, 手順記録& 記録, int& 手番, int& 手数, double& 時間_MAN, double& 時間_COM);

// The history half of the initial set-up: the starting position with empty
// hands, 手順_現在 = 0, slot 0's 先駒 = 10, 手番 = 0, 手数 = 0, clocks 0.
// 手順_最終 and the moves are kept.
void 手順_最初(局面& s, 手順記録& 記録, int& 手番, int& 手数, double& 時間_MAN, double& 時間_COM);

}  // namespace qz
