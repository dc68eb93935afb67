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
  画.描画_状態行("");  // a reason left from before the game goes
  const 手番の知らせ 知らせ = 対局値.人間対局開始();
  棋譜一覧更新();
  if (時計が要る()) p.timer1.setEnabled(true);
  知らせる(知らせ, " ");
}

// Whose turn a start or a resumption announces, in a box titled 題 (on the
// status line, which says whose turn it is, when such boxes are turned off).
void Form1::知らせる(手番の知らせ 知らせ, const char* 題) {
  const char* 文 = nullptr;
  switch (知らせ) {
    case 手番の知らせ::先手の番:
      文 = QZ_TR("先手の番です");
      break;
    case 手番の知らせ::後手の番:
      文 = QZ_TR("後手の番です");
      break;
    case 手番の知らせ::MANの番:
      文 = QZ_TR("MANの番です");
      break;
    case 手番の知らせ::COMの番:
    case 手番の知らせ::なし:
      return;
  }
  if (確認メッセージ)
    メッセージ(文, 題);
  else
    画.描画_状態行(文);
}

// Step 1 of both start commands against the computer: the board is drawn
// as it was, then the game starts.
void Form1::対局開始共通() {
  描画_棋譜読込み部分消去();
  画.描画_レベル(対局値.COMレベル);
  画.描画_将棋盤桝();
  画.描画_状態行("");
  選択状態 = 0;
  p.timer1.setEnabled(true);
  COMの投了.新しい対局();
}

void Form1::SENTE_Click() {
  終局後の確認();
  対局開始共通();
  const bool 新規 = 対局値.手数 == 0 || 対局値.手番 == 0;
  const 手番の知らせ 知らせ = 対局値.COM対局開始(true);
  if (知らせ == 手番の知らせ::COMの番) return com_ban();
  知らせる(知らせ, 新規 ? " " : QZ_TR("対局"));
}

void Form1::GOTE_Click() {
  終局後の確認();
  対局開始共通();
  const 手番の知らせ 知らせ = 対局値.COM対局開始(false);
  if (知らせ == 手番の知らせ::COMの番) return com_ban();
  知らせる(知らせ, QZ_TR("対局"));
}

// The name a finished game's box gives its winner: against the computer
// "あなた" or "ｺﾝﾋﾟｭｰﾀ", between two humans the lower side's "先手" or "後手".
// A repetition says so: a draw, or the winner against a side that checked
// with every move.
void Form1::勝敗表示(const 勝敗& r) {
  const bool 人 = 対局値.対局モード == 1;
  const char* 勝手 = r.勝者 == 側::MAN ? (人 ? QZ_TR("あなた") : QZ_TR("先手"))
                                       : (人 ? QZ_TR("ｺﾝﾋﾟｭｰﾀ") : QZ_TR("後手"));
  if (r.理由 != 終局::千日手) return 終了(勝手);
  if (r.引き分け) return 終局表示(QZ_TR("千日手です。引き分けです"));
  終局表示(文面(QZ_TR("連続王手の千日手です。%1の勝ちです"), {勝手}));
}

void Form1::終了(const 文面& 勝手) {
  終局表示(文面(QZ_TR("%1の勝ちです"), {勝手}));
}

void Form1::終局表示(const 文面& 文) {
  画.描画_状態行("");
  メッセージ(文, QZ_TR("終了"));
  // The finished game can be saved first: the save panel opens on the final
  // position, and "続けますか？" follows the save (or the next command).
  const bool 書ける =
      対局値.反転フラグ == 0 && 対局値.ハンデ設定フラグ == 0 && 対局値.手順.手順_現在 >= 1;
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

// After a human's move: against the computer, the frozen marks, then the
// human's win or the computer's turn; between two humans the game's end, or
// the frozen marks of the position the other side now faces.
void Form1::手番交代(const 着手結果& r) {
  if (対局値.対局モード == 1) {
    p.timer1.setEnabled(false);
    描画_氷結駒();
    if (r.終わり) return 勝敗表示(*r.終わり);
    if (対局値.COMの番()) com_ban();
    return;
  }
  if (r.終わり) return 勝敗表示(*r.終わり);
  描画_氷結駒();
}

// The squares and stands a move changed, painted after the game made it.
void Form1::駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
  const int 取られる = 対局値.手順[対局値.手順.手順_現在].取駒;
  if (MAN駒(取られる)) 画.描画_敵持盤();
  if (COM駒(取られる)) 画.描画_自持盤();
  // For a drop the source is the stand cell, which the stand's redraw repaints.
  画.描画_絵(0, 移動元X, 移動元Y);
  画.描画_桝輪郭(画.色_桝輪郭, 移動元X, 移動元Y);
  if (移動元X == COM持駒X) 画.描画_敵持盤();
  if (移動元X == MAN持駒X) 画.描画_自持盤();
  画.描画_絵(移動駒, 移動先X, 移動先Y);
  画.描画_桝輪郭(画.色_桝輪郭, 移動先X, 移動先Y);
  画.描画_利き();
}

void Form1::盤の升を描く(const 氷結状態& 状態) {
  for (int x = 1; x <= 桝数; ++x)
    for (int y = 1; y <= 桝数; ++y) {
      画.描画_絵(対局値.局.盤面[x][y], x, y, 状態.氷結[x][y]);
      画.描画_桝輪郭(画.色_桝輪郭, x, y);
    }
}

void Form1::描画_氷結駒(bool 音あり) {
  const 氷結状態 状態 = 調査_氷結(対局値.局, 対局値.前);
  最終手更新();
  盤の升を描く(状態);
  画.描画_最終手();
  画.描画_利き();
  棋譜一覧更新();
  if (状態.新規氷結 && 音あり) p.sound.dsPlay(音_氷結);
}

}  // namespace qz
