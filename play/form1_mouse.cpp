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
  予告消去();
  ヒント消去();
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  if (終局保存待ち) return 続行確認();
  if (対局値.棋譜モード == 1) {
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
  const 手番の知らせ 知らせ = 対局値.再開();
  if (知らせ == 手番の知らせ::なし) return true;
  if (知らせ == 手番の知らせ::COMの番) {
    メッセージ(QZ_TR("OKですか？"), QZ_TR("再開(COM)"));
    com_ban();
    return 対局値.手番 != 0;
  }
  if (時計が要る()) p.timer1.setEnabled(true);
  知らせる(知らせ, QZ_TR("対局"));
  return true;
}

bool Form1::手番の駒(int 駒) const {
  return (対局値.MANの番() && MAN駒(駒)) || (対局値.COMの番() && COM駒(駒));
}

// A click on a board square: a first pick, a new pick, or the destination.
void Form1::盤上クリック(int Button, int m, int l) {
  const int c = 対局値.局.盤面[m][l];
  選択& 手 = 選択中の手;
  if (選択状態 == 0) {
    if (c != 0) 駒を選ぶ(m, l, c);
    return;
  }
  手.先X = m;
  手.先Y = l;
  if (手番の駒(c)) {
    画.描画_桝輪郭(画.色_桝輪郭, 手.元X, 手.元Y);
    手 = {m, l, m, l, c};
    画.描画_移動可能桝色(m, l, 色_移動指導, c);
    画.描画_桝輪郭(色_赤, m, l);
    return;
  }
  switch (対局値.着手検査(手.元X, 手.元Y, m, l, 手.駒, Button == ボタン_右)) {
    case 着手拒否::なし:
      return 人間の手を指す(Button);
    case 着手拒否::成り必須:
      p.sound.dsPlay(音_禁止);
      状態表示(QZ_TR("成らないと動けません（右クリック）"));
      メッセージ(QZ_TR("マウスの右をクリックして下さい"), QZ_TR("成り"));
      return;
    case 着手拒否::氷結:
      return 手を断る(QZ_TR("氷結しています"));
    case 着手拒否::王手:
      return 手を断る(QZ_TR("王手されています"));
    case 着手拒否::二歩:
      return 手を断る(QZ_TR("二歩になります"));
    case 着手拒否::動けない:
      return 手を断る(QZ_TR("そこへは動けません"));
  }
}

// An illegal destination: the reason on the status line and the pick dropped.
void Form1::手を断る(const 文面& 理由) {
  p.sound.dsPlay(音_禁止);
  状態表示(理由);
  選択状態 = 0;
  画.描画_将棋盤桝();
  // A picked hand piece is outlined on its stand, which the board's redraw missed.
  const 選択& 手 = 選択中の手;
  if (!盤上(手.元X, 手.元Y)) 画.描画_桝輪郭(画.色_桝輪郭, 手.元X, 手.元Y);
}

// Makes the picked move and passes the turn.
void Form1::人間の手を指す(int Button) {
  const 選択 手 = 選択中の手;
  画.描画_状態行("");
  const 着手結果 r =
      対局値.人間の手を指す(手.元X, 手.元Y, 手.先X, 手.先Y, 手.駒, Button == ボタン_右);
  const int 駒 = r.手.先駒;
  画.描画_手数(対局値.手数, 色_白);
  選択状態 = 0;
  画.描画_桝輪郭(画.色_桝輪郭, 手.元X, 手.元Y);
  画.描画_桝輪郭(画.色_桝輪郭, 手.先X, 手.先Y);
  画.描画_移動可能桝色(手.元X, 手.元Y, 画.色_桝輪郭, 手.駒);
  const int 元Y = 手.元X == COM持駒X ? 打ち元(手.駒).y : 手.元Y;
  駒移動(手.元X, 元Y, 手.先X, 手.先Y, 駒);
  p.sound.dsPlay(音_駒打);
  画.描画_移動結果(対局値.駒の側値(駒), 手.先X, 手.先Y, 駒, 色_白);
  手番交代(r);
}

int Form1::持駒台の枚数(int x, int y) const {
  const 持駒& 手駒 = x == MAN持駒X ? 対局値.局.持駒_MAN : 対局値.局.持駒_COM;
  return 手駒.枚数[持駒番号(持駒台の駒(x, y))];
}

// A click outside the board: picking a piece from a hand, or nothing.
void Form1::持駒桝クリック(int m, int l) {
  選択& 手 = 選択中の手;
  if (MAN駒(手.駒) || COM駒(手.駒)) {
    画.描画_移動可能桝色(手.元X, 手.元Y, 画.色_桝輪郭, 手.駒);
    画.描画_桝輪郭(画.色_桝輪郭, 手.元X, 手.元Y);
  }
  const int 駒 = 持駒台の駒(m, l);
  if (駒 == 0 || 持駒台の枚数(m, l) <= 0) return;
  調査_2歩フラグ設定(対局値.局);
  駒を選ぶ(m, l, 駒);
}

// Picks the piece on cell (m, l) and shows where it may go. A piece of the
// other side only shows that: nothing stays picked, so that the next click
// cannot move or drop the other side's piece.
void Form1::駒を選ぶ(int m, int l, int 駒) {
  選択中の手.元X = m;
  選択中の手.元Y = l;
  選択中の手.駒 = 駒;
  画.描画_移動可能桝色(m, l, 色_移動指導, 駒);
  選択状態 = 手番の駒(駒) ? 1 : 0;
  画.描画_桝輪郭(選択状態 == 1 ? 色_赤 : 画.色_桝輪郭, m, l);
}

// --- The influence overlay ---------------------------------------------------------

void Form1::Form_MouseMove(double X, double Y) {
  if (処理中 || 考え中() || !画.利き表示) return;
  const int m = セル番号(X, 盤左端, 桝幅), l = セル番号(Y, 盤上端, 桝高);
  const std::optional<升> 下 = 盤上(m, l) ? std::optional<升>(升{m, l}) : std::nullopt;
  if (下 == 予告升) return;
  予告消去();
  予告升 = 下;
  if (!下 || 選択状態 != 1 || !対局中()) return;
  if (const auto 手 = 予告の手(m, l)) {
    表示中予告 = 着手の氷結変化(対局値.局, *手);
    画.描画_氷結予告(表示中予告);
  }
}

std::optional<qz::指し手> Form1::予告の手(int x, int y) const {
  const 選択& 手 = 選択中の手;
  if (手番の駒(対局値.局.盤面[x][y])) return std::nullopt;  // a click there picks that piece
  const 着手拒否 r = 対局値.着手検査(手.元X, 手.元Y, x, y, 手.駒, false);
  if (r != 着手拒否::なし && r != 着手拒否::成り必須) return std::nullopt;
  if (!盤上(手.元X, 手.元Y)) return qz::指し手::打つ手(手.駒, x, y);
  return qz::指し手::盤上の手(手.元X, 手.元Y, x, y, 手.駒, r == 着手拒否::成り必須);
}

void Form1::予告消去() {
  予告升.reset();
  if (表示中予告 == 氷結変化{}) return;
  画.消去_氷結予告(表示中予告);
  表示中予告 = {};
  選択を描き直す();
}

void Form1::選択を描き直す() {
  if (選択状態 != 1) return;
  const 選択& 手 = 選択中の手;
  画.描画_移動可能桝色(手.元X, 手.元Y, 色_移動指導, 手.駒);
  画.描画_桝輪郭(色_赤, 手.元X, 手.元Y);
}

void Form1::利き表示設定(bool on) {
  if (画.利き表示 == on) return;
  予告消去();
  画.利き表示 = on;
  if (on) {
    画.描画_利き();
  } else {
    盤の升を描く(調査_氷結(対局値.局, 対局値.前));
    画.描画_最終手();
  }
  選択を描き直す();
  ヒント再描画();
}

}  // namespace qz
