// Mouse input: one click picks a piece on the board or in a hand, the next
// names the destination, and that click's button decides promotion (left:
// stay unpromoted, right: promote).
#include <algorithm>
#include <cmath>

#include "play/form1.h"

namespace qz {
namespace {

// The cell of a twips position along one axis; far-off or invalid positions
// land on a cell no handler uses.
int セル番号(double twips, double 原点, double 幅) {
  const double v = std::floor((twips - 原点) / 幅);
  if (!(v > -1000 && v < 1000)) return -1000;
  return static_cast<int>(v);
}

}  // namespace

void Form1::Form_MouseDown(int Button, int /*Shift*/, double X, double Y) {
  if (考え中()) return;  // the board is not the human's while the computer thinks
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  ヒント消去();
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  if (終局保存待ち) return 続行確認();
  if (棋譜モード == 1) {
    if (メッセージ(QZ_TR("棋譜を '進 'で進めて下さい"), QZ_TR("棋譜"), Buttons::YesNo) ==
        Answer::No) {
      p.sound.dsPlay(音_禁止);
      初期設定();
    }
    return;
  }
  const int m = セル番号(X, 盤左端, 桝幅);
  const int l = セル番号(Y, 盤上端, 桝高);
  if (対局値.手番 == 0) {
    p.sound.dsPlay(音_禁止);
    メッセージ(QZ_TR("「対局」で始めて下さい"), QZ_TR("開始"));
    return;
  }
  if (!再開()) return;
  if (盤上(m, l))
    盤上クリック(Button, m, l);
  else
    持駒桝クリック(m, l);
}

// Resumes a paused game, or lets the computer make the move that is its
// due. False when the game ended meanwhile: the click then does nothing more.
bool Form1::再開() {
  if (対局値.対局モード == 0) {
    if (中断中 != 1) return true;
    中断中 = 0;
    開始時刻 = 時刻();
    if (チェック(MenuItem::KEIKA)) p.timer1.setEnabled(true);
    if (対局値.手番 == 先手値)
      メッセージ(QZ_TR("先手の番です"), QZ_TR("対局"));
    else if (対局値.手番 == 後手値)
      メッセージ(QZ_TR("後手の番です"), QZ_TR("対局"));
    return true;
  }
  if (対局値.手番 == 対局値.局.手番値_COM) {
    中断中 = 0;
    メッセージ(QZ_TR("OKですか？"), QZ_TR("再開(COM)"));
    com_ban();
    return 対局値.手番 != 0;
  }
  if (中断中 == 1) {
    中断中 = 0;
    開始時刻 = 時刻();
    if (チェック(MenuItem::KEIKA)) p.timer1.setEnabled(true);
    メッセージ(QZ_TR("MANの番です"), QZ_TR("対局"));
  }
  return true;
}

bool Form1::手番の駒(int 駒) const {
  return (対局値.手番 == 対局値.局.手番値_MAN && MAN駒(駒)) ||
         (対局値.手番 == 対局値.局.手番値_COM && COM駒(駒));
}

// A click on a board square: a first pick, a new pick, or the destination.
void Form1::盤上クリック(int Button, int m, int l) {
  const int c = 対局値.局.盤面[m][l];
  if (選択状態 == 0) {
    if (c == 0) return;
    指し手 = {m, l, 指し手[2], 指し手[3], c};
    画.描画_移動可能桝色(m, l, 色_移動指導, c);
    if (手番の駒(c)) {
      選択状態 = 1;
      画.描画_桝輪郭(色_赤, m, l);
    } else {
      画.描画_桝輪郭(画.色_桝輪郭, m, l);
    }
    return;
  }
  指し手[2] = m;
  指し手[3] = l;
  if (手番の駒(c)) {
    画.描画_桝輪郭(画.色_桝輪郭, 指し手[0], 指し手[1]);
    指し手 = {m, l, m, l, c};
    画.描画_移動可能桝色(m, l, 色_移動指導, c);
    画.描画_桝輪郭(色_赤, m, l);
    return;
  }
  // A picked hand piece that is no longer in the hand (the position changed
  // under the selection) is refused like any illegal move.
  const int fx = 指し手[0], fy = 指し手[1], 駒 = 指し手[4];
  const bool 持駒切れ = (fx == MAN持駒X || fx == COM持駒X) && 持駒台の枚数(fx, fy) <= 0;
  if (持駒切れ || 移動チェック(対局値.局, fx, fy, m, l, 駒) == いいえ) {
    p.sound.dsPlay(音_禁止);
    状態表示(拒否理由(fx, fy, m, 駒));
    選択状態 = 0;
    画.描画_将棋盤桝();
    // A picked hand piece is outlined on its stand, which the board's redraw missed.
    if (!盤上(fx, fy)) 画.描画_桝輪郭(画.色_桝輪郭, fx, fy);
    return;
  }
  // Only the right button promotes, so any other button cannot leave a piece
  // where it could never move again.
  if (移動後チェック(l, 駒) == いいえ && Button != ボタン_右) {
    p.sound.dsPlay(音_禁止);
    状態表示(QZ_TR("成らないと動けません（右クリック）"));
    メッセージ(QZ_TR("マウスの右をクリックして下さい"), QZ_TR("成り"));
    return;
  }
  人間の手を指す(Button);
}

// Makes the selected move and passes the turn.
void Form1::人間の手を指す(int Button) {
  const int fx = 指し手[0], fy = 指し手[1], tx = 指し手[2], ty = 指し手[3];
  int 駒 = 指し手[4];
  前 = 氷結前記録(対局値.局);
  画.描画_状態行("");
  // Each side's clock gets its own time: the upper side's move in a game
  // between two humans counts on COM's clock.
  const double 秒 = 経過秒();
  const bool 上の手 = 対局値.対局モード == 0 && COM駒(駒);
  手順.手順保存(対局値.局.盤面, fx, fy, tx, ty, 駒, 対局値.局.盤面[tx][ty], 対局値.時間_MAN,
                対局値.時間_MAN + (上の手 ? 0 : 秒), 対局値.時間_COM,
                対局値.時間_COM + (上の手 ? 秒 : 0));
  ++対局値.手数;
  画.描画_手数(対局値.手数, 色_白);
  if (const int 成駒 = 調査_駒成(fx, fy, tx, ty, 駒); Button == ボタン_右 && 成駒 != 0) 駒 = 成駒;
  手順[手順.手順_現在].先駒 = 駒;
  選択状態 = 0;
  画.描画_桝輪郭(画.色_桝輪郭, fx, fy);
  画.描画_桝輪郭(画.色_桝輪郭, tx, ty);
  画.描画_移動可能桝色(fx, fy, 画.色_桝輪郭, 指し手[4]);
  const int 元Y = fx == COM持駒X ? 打ち元(指し手[4]).y : fy;
  const int 取得駒 = 対局値.局.盤面[tx][ty];
  駒移動(fx, 元Y, tx, ty, 駒);
  p.sound.dsPlay(音_駒打);
  画.描画_移動結果(COM駒(駒) ? 対局値.局.手番値_COM : 対局値.局.手番値_MAN, tx, ty, 駒, 色_白);
  if (対局値.対局モード == 1)
    手番交代_COM対局(取得駒);
  else
    手番交代_人間対局();
}

int Form1::持駒台の枚数(int x, int y) const {
  const 持駒& 手駒 = x == MAN持駒X ? 対局値.局.持駒_MAN : 対局値.局.持駒_COM;
  return 手駒.枚数[持駒番号(持駒台の駒(x, y))];
}

// A click outside the board: picking a piece from a hand, or nothing.
void Form1::持駒桝クリック(int m, int l) {
  if (MAN駒(指し手[4]) || COM駒(指し手[4])) {
    画.描画_移動可能桝色(指し手[0], 指し手[1], 画.色_桝輪郭, 指し手[4]);
    画.描画_桝輪郭(画.色_桝輪郭, 指し手[0], 指し手[1]);
  }
  const int 駒 = 持駒台の駒(m, l);
  if (駒 == 0 || 持駒台の枚数(m, l) <= 0) return;
  調査_2歩フラグ設定(対局値.局);
  指し手 = {m, l, 指し手[2], 指し手[3], 駒};
  画.描画_移動可能桝色(m, l, 色_移動指導, 駒);
  if (手番の駒(駒)) {
    選択状態 = 1;
    画.描画_桝輪郭(色_赤, m, l);
  } else {
    // The other side's hand shows where it could drop, and nothing stays
    // picked: the next click must not drop the other side's piece.
    選択状態 = 0;
    画.描画_桝輪郭(画.色_桝輪郭, m, l);
  }
}

}  // namespace qz
