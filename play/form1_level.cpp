// The computer's level and the handicap ladder.
#include <array>

#include "play/form1.h"

namespace qz {
namespace {

constexpr MenuItem レベル項目[] = {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3,
                                   MenuItem::LEVEL4, MenuItem::LEVEL5};

}  // namespace

// A level chosen from the menu: the level's cells left of the board are
// cleared before the new level is set. Levels 4 and 5 are the searching
// player (about 0.3 s and 2 s a move).
void Form1::レベル選択(int レベル) {
  for (const int x : {-2, -1, 0}) 画.描画_絵(画.背景_現在, x, 0);
  レベル_設定(レベル);
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

void Form1::レベル_設定(int IN_LEVEL) {
  for (const MenuItem item : レベル項目) チェック(item, false);
  if (IN_LEVEL >= 1 && IN_LEVEL <= 5) {
    チェック(レベル項目[IN_LEVEL - 1], true);
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
