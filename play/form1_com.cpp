// The computer's turn in the window: the thinking label and clock around the
// search of computer/, then the move played on the board, frozen marks,
// check or mate announced, and the turn handed back.
#include "computer/search.h"
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
  if (対局値.COMレベル >= 4) return 深い手番開始();
  開始時刻 = 時刻();
  if (チェック(MenuItem::KEIKA)) p.timer1.setEnabled(true);
  思考中表示();
  画.描画面().refresh();

  // The search starts from tables of the real position alone, so that it
  // chooses what the engine chooses for the same position and level: the
  // tables' 持ち越し (and a missing king's square) would otherwise carry
  // values of earlier positions.
  思考中 = true;
  対局値.局.表 = 勢力表{};
  const 探索結果 結果 =
      COM探索(対局値.局, COM記憶値, 対局値.COMレベル, nullptr, [this] { Timer1_Timer(); });
  思考中 = false;
  前 = COM記憶値.開始;  // the snapshot part of the turn's record

  // Every piece frozen or blocked and nothing to drop: the computer cannot
  // move, and the game is the human's.
  if (!結果.指し手あり) {
    p.timer1.setEnabled(false);
    画.消去_移動結果(対局値.局.手番値_COM);
    終了(QZ_TR("あなた"));
    return;
  }
  const qz::指し手& 手 = 結果.最善.手;
  const 升 元 = 移動元の升(手);
  COMの手を指す(元.x, 元.y, 手.先X, 手.先Y, 手.元駒, 手.先駒);
}

// Plays the chosen move, announces what it did to MAN's king and hands the
// turn to MAN.
void Form1::COMの手を指す(int fx, int fy, int tx, int ty, int 元駒, int 置く駒) {
  const double 秒 = 経過秒();
  手順.手順保存(対局値.局.盤面, fx, fy, tx, ty, 元駒, 置く駒, 対局値.時間_MAN, 対局値.時間_MAN,
                対局値.時間_COM, 対局値.時間_COM + 秒);
  ++対局値.手数;
  画.描画_手数(対局値.手数, 色_白);
  駒移動(fx, fy, tx, ty, 置く駒);
  p.sound.dsPlay(音_駒打);
  p.timer1.setEnabled(false);
  勢力調査(対局値.局);
  描画_氷結駒();
  if (対局値.局.勝者 == 対局値.局.手番値_COM) {
    画.消去_移動結果(対局値.局.手番値_COM);  // "思考中" goes
    終了(QZ_TR("ｺﾝﾋﾟｭｰﾀ"));
    return;
  }
  const int kx = 対局値.局.表.MAN王X, ky = 対局値.局.表.MAN王Y;
  if (調査_MAN王取得(対局値.局, kx, ky) == はい) {
    if (詰めかMAN(対局値.局) == はい)
      メッセージ(QZ_TR("よし！!"), QZ_TR("詰め ?"));
    else if (対局値.局.表.勢力_COM[kx][ky] > 0)
      メッセージ(QZ_TR("   ** 王手 **"), "");
  }
  画.描画_移動結果(対局値.局.手番値_COM, tx, ty, 置く駒, 色_白);
  画.描画_桝輪郭(色_白, tx, ty);
  対局値.時間_COM += 秒;
  COM記憶履歴[手順.手順_現在] = COM記憶値;
  開始時刻 = 時刻();
  対局値.手番 = 対局値.局.手番値_MAN;
  if (チェック(MenuItem::KEIKA)) p.timer1.setEnabled(true);
}

}  // namespace qz
