// The computer's level and the handicap ladder.
#include "play/form1.h"

namespace qz {

// A level chosen from the menu: the level's cells left of the board are
// cleared before the new level is set, and the settings keep it. Levels
// above LEVEL3 are the searching player (LEVEL4 and LEVEL5 about 0.3 s and
// 2 s a move, the ladder between LEVEL3 and LEVEL4 a number of nodes).
void Form1::レベル選択(int レベル) {
  for (const int x : {-2, -1, 0}) 画.描画_絵(画.背景_現在, x, 0);
  レベル_設定(レベル);
  レベルを記録 = true;
  書込_環境設定ファイル();
}
void Form1::LEVEL1_Click() {
  レベル選択(1);
}
void Form1::LEVEL2_Click() {
  レベル選択(2);
}
void Form1::LEVEL3_Click() {
  レベル選択(3);
}
void Form1::LEVEL4_Click() {
  レベル選択(4);
}
void Form1::LEVEL5_Click() {
  レベル選択(5);
}

// Any level's item: true when item is one.
bool Form1::レベル項目選択(MenuItem item) {
  for (const レベル段& l : レベル一覧())
    if (レベルの項目(l) == item) {
      レベル選択(l.番号);
      return true;
    }
  return false;
}

void Form1::レベル_設定(int IN_LEVEL) {
  for (const レベル段& l : レベル一覧()) チェック(*レベルの項目(l), false);
  if (const レベル段* l = レベルを探す(IN_LEVEL)) {
    チェック(*レベルの項目(*l), true);
    対局値.レベル設定(IN_LEVEL);
  }
  if (対局値.対局モード == 1) 画.描画_レベル(対局値.COMレベル);
}

// One step up (+1, "△") or down (-1, "▽") the ladder: away from 0 a piece
// is taken off, towards 0 the piece of the grade left is put back.
void Form1::ハンデ変更(int 向き) {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  const ハンデ結果 r = 対局値.ハンデ変更(向き);
  if (r.拒否 != 0) {
    p.sound.dsPlay(音_禁止);
    return 描画_メッセージ(r.拒否);
  }
  if (!r.変わった升) return;
  const 升 u = *r.変わった升;
  画.描画_ハンデレベル(対局値.ハンデレベル);
  画.描画_絵(対局値.局.盤面[u.x][u.y], u.x, u.y);
  画.描画_桝輪郭(画.色_桝輪郭, u.x, u.y);
  画.描画_利き();
  p.sound.dsPlay(音_駒打);
}

void Form1::LBEL_UP_Click() {
  ハンデ変更(+1);
}

void Form1::LEBEL_DOWN_Click() {
  ハンデ変更(-1);
}

}  // namespace qz
