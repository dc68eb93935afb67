// The computer's turn in the window: the thinking label and clock around the
// game's choice of the computer's move, then the move painted, frozen marks,
// check or mate announced, and the turn handed back.
#include "play/form1.h"

namespace qz {

// "思考中" in the computer's last-move area, with a dark shadow.
void Form1::思考中表示() {
  for (int x = -2; x <= 0; ++x) 画.描画_絵(画.背景_現在, x, 8);
  画.描画_桝輪郭(画.色_桝輪郭, COM持駒X, 7);
  画.描画_数値(-1.5, 8.5, QZ_TR("思考中"), 色_黒, 0, 12);
  画.描画_数値(-1.6, 8.4, QZ_TR("思考中"), 色_白, 0, 12);
  画.描画_桝輪郭(画.色_桝輪郭, 1, 8);
}

void Form1::com_ban() {
  // Always reached from an event's handler, which has marked itself
  // running: ticks from the boxes below wait, the search's own ticks go on.
  if (探索するレベル(対局値.COMレベル)) return 深い手番開始();
  if (時計が要る()) p.timer1.setEnabled(true);
  思考中表示();
  画.描画面().refresh();
  思考中 = true;
  const auto 手 = 対局値.COMの手を選ぶ([this] { Timer1_Timer(); });
  思考中 = false;

  // Every piece frozen or blocked and nothing to drop: the computer cannot
  // move, and the game is the human's.
  if (!手) {
    p.timer1.setEnabled(false);
    画.消去_移動結果(対局値.局.手番値_COM);
    終了(QZ_TR("あなた"));
    return;
  }
  COMの手を指す(*手);
}

// Plays the chosen move, announces what it did to MAN's king and hands the
// turn to MAN.
void Form1::COMの手を指す(const qz::指し手& m) {
  const 着手結果 r = 対局値.COMの手を指す(m);
  const qz::手順& 手 = 対局値.手順[対局値.手順.手順_現在];
  画.描画_手数(対局値.手数, 色_白);
  駒移動(手.元X, 手.元Y, m.先X, m.先Y, m.先駒);
  p.sound.dsPlay(音_駒打);
  p.timer1.setEnabled(false);
  描画_氷結駒();
  if (r.終わり) {
    画.消去_移動結果(対局値.局.手番値_COM);  // "思考中" goes
    return 勝敗表示(*r.終わり);
  }
  switch (対局値.MAN王の様子()) {
    case 王の様子::詰み:
      メッセージ(QZ_TR("よし！!"), QZ_TR("詰め ?"));
      break;
    case 王の様子::王手:
      メッセージ(QZ_TR("   ** 王手 **"), "");
      break;
    case 王の様子::無事:
      break;
  }
  画.描画_移動結果(対局値.局.手番値_COM, m.先X, m.先Y, m.先駒, 色_白);
  画.描画_桝輪郭(色_白, m.先X, m.先Y);
  対局値.COMの手番を終える();
  if (時計が要る()) p.timer1.setEnabled(true);
}

}  // namespace qz
