// Pictures, outlines, the board, the stands, the background and the
// whole-window redraw.
#include "display/screen.h"

#include "display/pictures.h"

namespace qz {

void 画面::描画_絵(int 駒種類, double 座標X, double 座標Y, bool 氷結) {
  if (const auto p = 絵の選択(駒種類, 氷結)) 面.picture(*p, セルX(座標X), セルY(座標Y));
}

void 画面::描画_桝輪郭(int 描画色, double 座標X, double 座標Y) {
  面.box(描画色, セルX(座標X), セルY(座標Y), セルX(座標X + 1), セルY(座標Y + 1));
}

void 画面::描画_盤() {
  for (int x = 1; x <= 桝数; ++x)
    for (int y = 1; y <= 桝数; ++y) {
      描画_絵(対局値.局.盤面[x][y], x, y);
      描画_桝輪郭(色_桝輪郭, x, y);
    }
  描画_最終手();
  描画_利き();
}

void 画面::描画_将棋盤桝() {
  for (int x = 1; x <= 桝数; ++x)
    for (int y = 1; y <= 桝数; ++y) 描画_桝輪郭(色_桝輪郭, x, y);
  描画_最終手();
}

// One stand cell: the piece and its count with a dark shadow down and right.
void 画面::持駒描画(int 駒, int 枚数, double x, double y, double 数x) {
  if (枚数 <= 0) return;
  描画_絵(駒, x, y);
  描画_桝輪郭(色_桝輪郭, x, y);
  描画_数値(数x + 0.1, y + 0.3, 枚数, 色_黒, 0, 14);
  描画_数値(数x, y + 0.2, 枚数, 色_持駒数, 0, 14);
}

void 画面::描画_自持盤() {
  for (int i = 1; i <= 持駒種類数; ++i) {
    const int y = 持駒台の升(-持駒番号の駒[i]).y;
    描画_絵(0, MAN持駒X, y);
    描画_絵(背景_現在, MAN持駒X + 1, y);
    描画_桝輪郭(色_桝輪郭, MAN持駒X, y);
    持駒描画(-持駒番号の駒[i], 対局値.局.持駒_MAN.枚数[i], MAN持駒X, y, MAN持駒X + 1);
  }
}

void 画面::描画_敵持盤() {
  for (int y = 1; y <= 持駒種類数; ++y) {
    const int 駒 = 持駒台の駒(COM持駒X, y);
    描画_絵(0, COM持駒X, y);
    描画_絵(背景_現在, 0, y);
    描画_桝輪郭(色_桝輪郭, COM持駒X, y);
    持駒描画(駒, 対局値.局.持駒_COM.枚数[持駒番号(駒)], COM持駒X, y, 0);
    // The tile in column 0 overlaps the board's left edge.
    描画_桝輪郭(色_桝輪郭, 1, y);
  }
}

void 画面::描画_背景(int IN_背景種類) {
  for (int x = -3; x <= 28; ++x)
    for (int y = -2; y <= 17; ++y)
      if (!盤上(x, y)) 描画_絵(IN_背景種類, x, y);
}

void 画面::描画_移動可能桝色(int 描画色, const std::function<int(int, int)>& 可否) {
  描画_将棋盤桝();
  if (移動指導_フラグ == 0) return;
  for (int x = 1; x <= 桝数; ++x)
    for (int y = 1; y <= 桝数; ++y)
      if (可否(x, y) == はい) 描画_桝輪郭(描画色, x, y);
}

void 画面::画面_再描画() {
  描画_背景(背景_現在);
  描画_桝_数値();
  描画_自持盤();
  描画_敵持盤();
  描画_盤();
  描画_所有時間(対局値.局.手番値_COM, 対局値.時間_COM);
  描画_所有時間(対局値.局.手番値_MAN, 対局値.時間_MAN);
  if (対局値.対局モード == 1) 描画_レベル(対局値.COMレベル);
  if (対局値.ハンデ設定フラグ == 1) 描画_ハンデレベル(対局値.ハンデレベル);
  描画_絵(1, 11.1, -0.1);
}

}  // namespace qz
