// Game flow: the 対局 menu, passing the turn, the end of a game, and the
// window's half of making a move and of marking frozen pieces.
#include "play/form1.h"

namespace qz {

void Form1::TAIKYOKU_Click() {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
}

void Form1::MATCH_MAN_Click() {}

// The blank status cells left of the board in row 0 (level and its number).
static constexpr int 状態欄[] = {-2, -1, 0};

void Form1::START_Click() {
  終局後の確認();
  描画_棋譜読込み部分消去();
  for (const int x : 状態欄) 画.描画_絵(画.背景_現在, x, 0);
  画.描画_将棋盤桝();
  勢力調査(対局値.局);
  開始時刻 = 時刻();
  if (チェック(MenuItem::KEIKA)) p.timer1.setEnabled(true);
  対局値.対局モード = 0;
  if (対局値.手数 == 0 || 対局値.手番 == 0) {
    対局値.局.手番値_MAN = 先手値;
    対局値.局.手番値_COM = 後手値;
    対局値.手番 = 対局値.局.手番値_MAN;
    メッセージ(QZ_TR("先手の番です"), " ");
  } else if (対局値.手番 == 先手値) {
    メッセージ(QZ_TR("先手の番です"), " ");
  } else if (対局値.手番 == 後手値) {
    メッセージ(QZ_TR("後手の番です"), " ");
  }
  中断中 = 0;
}

// Step 1 of both start commands against the computer. The influence map is
// rebuilt too: after a finished game it still describes that game's last
// position, and the first click would be judged frozen by it.
void Form1::対局開始共通() {
  描画_棋譜読込み部分消去();
  画.描画_レベル(対局値.COMレベル);
  画.描画_将棋盤桝();
  選択状態 = 0;
  対局値.対局モード = 1;
  棋譜モード = 0;
  手順.手順_最終 = 対局値.手数;
  勢力調査(対局値.局);
  p.timer1.setEnabled(true);
}

void Form1::SENTE_Click() {
  終局後の確認();
  対局開始共通();
  開始時刻 = 時刻();
  if (対局値.手数 == 0 || 対局値.手番 == 0) {
    対局値.局.手番値_MAN = 先手値;
    対局値.局.手番値_COM = 後手値;
    対局値.手番 = 対局値.局.手番値_MAN;
    COM記憶値 = {};
    メッセージ(QZ_TR("MANの番です"), " ");
  } else if (対局値.手番 == 対局値.局.手番値_COM) {
    com_ban();
    return;
  } else if (対局値.手番 == 対局値.局.手番値_MAN) {
    対局値.局.手番値_MAN = 先手値;
    対局値.局.手番値_COM = 後手値;
    対局値.手番 = 先手値;
    メッセージ(QZ_TR("MANの番です"), QZ_TR("対局"));
  } else {
    return;
  }
  中断中 = 0;
}

void Form1::GOTE_Click() {
  終局後の確認();
  対局開始共通();
  if (対局値.手数 == 0 || 対局値.手番 == 0) {
    対局値.局.手番値_MAN = 後手値;
    対局値.局.手番値_COM = 先手値;
    対局値.手番 = 先手値;
    COM記憶値 = {};
    com_ban();
  } else if (対局値.手番 == 対局値.局.手番値_MAN) {
    メッセージ(QZ_TR("MANの番です"), QZ_TR("対局"));
    中断中 = 0;
  } else if (対局値.手番 == 対局値.局.手番値_COM) {
    com_ban();
  }
}

void Form1::終了(const std::string& 勝手) {
  画.描画_状態行("");
  メッセージ(差込(QZ_TR("%1の勝ちです"), {勝手}), QZ_TR("終了"));
  // The finished game can be saved first: the save panel opens on the final
  // position, and "続けますか？" follows the save (or the next command).
  const bool 書ける = 反転フラグ == 0 && 対局値.ハンデ設定フラグ == 0 && 手順.手順_現在 >= 1;
  if (書ける &&
      メッセージ(QZ_TR("棋譜を保存しますか？"), "棋譜保存", Buttons::YesNo) == Answer::Yes) {
    p.timer1.setEnabled(false);
    対局値.手番 = 0;
    選択状態 = 0;
    終局保存待ち = true;
    描画_可視(true, true, false);
    描画_棋譜_IO(0);
    return;
  }
  続行確認();
}

// "続けますか？": a new board on Yes, the end of the program on No.
void Form1::続行確認() {
  終局保存待ち = false;
  if (メッセージ(QZ_TR("続けますか？"), QZ_TR("再ゲーム"), Buttons::YesNo) == Answer::Yes) {
    初期設定();
    return;
  }
  終了処理();
  プログラム終了();
}

// A command after a finished game was offered for saving: the question it
// waited for comes first.
void Form1::終局後の確認() {
  if (終局保存待ち) 続行確認();
}

// The seconds of the turn so far, read afresh: the timer may be off, and
// then its last value would belong to an earlier turn.
double Form1::経過秒() {
  一手経過秒 = 調査_経過秒(開始時刻, 時刻());
  return 一手経過秒;
}

// After the human's move in a game against the computer: the human wins by
// taking or mating the computer's king; otherwise the computer moves.
void Form1::手番交代_COM対局(int 取得駒) {
  p.timer1.setEnabled(false);
  // The seconds the history recorded for the move, not a later reading.
  対局値.時間_MAN += 一手経過秒;
  勢力調査(対局値.局);
  描画_氷結駒();
  const bool 詰み = 調査_COM王取得(対局値.局, 対局値.局.表.COM王X, 対局値.局.表.COM王Y) == はい &&
                    詰めかCOM(対局値.局) == はい;
  if (詰み || 取得駒 == 王) {
    終了(QZ_TR("あなた"));
    return;
  }
  if (対局値.局.勝者 != 0) return;
  対局値.手番 = 対局値.局.手番値_COM;
  com_ban();
}

// After a move between two humans: a taken king ends the game, otherwise
// the other side's clock starts. Nothing of a finished game goes on.
void Form1::手番交代_人間対局() {
  if (対局値.局.勝者 == 対局値.局.手番値_MAN) return 終了(QZ_TR("先手"));
  if (対局値.局.勝者 == 対局値.局.手番値_COM) return 終了(QZ_TR("後手"));
  if (対局値.手番 == 先手値) {
    対局値.手番 = 後手値;
    対局値.時間_MAN += 一手経過秒;
  } else if (対局値.手番 == 後手値) {
    対局値.手番 = 先手値;
    対局値.時間_COM += 一手経過秒;
  }
  開始時刻 = 時刻();
  勢力調査(対局値.局);
  描画_氷結駒();
}

void Form1::駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
  const int 取られる = 対局値.局.盤面[移動先X][移動先Y];
  qz::駒移動(対局値.局, 移動元X, 移動元Y, 移動先X, 移動先Y, 移動駒);
  if (MAN駒(取られる)) 画.描画_敵持盤();
  if (COM駒(取られる)) 画.描画_自持盤();
  // For a drop the source is the stand cell, which the stand's redraw repaints.
  画.描画_絵(0, 移動元X, 移動元Y);
  画.描画_桝輪郭(画.色_桝輪郭, 移動元X, 移動元Y);
  if (移動元X == COM持駒X) 画.描画_敵持盤();
  if (移動元X == MAN持駒X) 画.描画_自持盤();
  画.描画_絵(移動駒, 移動先X, 移動先Y);
  画.描画_桝輪郭(画.色_桝輪郭, 移動先X, 移動先Y);
}

void Form1::描画_氷結駒(bool 音あり) {
  const 氷結状態 状態 = 調査_氷結(対局値.局, 前);
  最終手更新();
  for (int x = 1; x <= 桝数; ++x)
    for (int y = 1; y <= 桝数; ++y) {
      画.描画_絵(対局値.局.盤面[x][y], x, y, 状態.氷結[x][y]);
      画.描画_桝輪郭(画.色_桝輪郭, x, y);
    }
  画.描画_最終手();
  棋譜一覧更新();
  if (状態.新規氷結 && 音あり) p.sound.dsPlay(音_氷結);
}

}  // namespace qz
