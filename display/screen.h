// The painters of the window: board, stands, background, outlines, move
// guidance, status texts and clocks, all over one drawing surface. 画面
// reads the game it is given and keeps only the display's own settings.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "display/layout.h"
#include "display/surface.h"
#include "game/clock.h"
#include "game/session.h"

namespace qz {

// The window's cell grid: the top-left corner of cell (x, y) in twips.
constexpr double セルX(double x) {
  return 盤左端 + 桝幅 * x;
}
constexpr double セルY(double y) {
  return 盤上端 + 桝高 * y;
}

// Background identifiers, also the picture codes of the five tiles.
constexpr int 背景_緑 = 2;
constexpr int 背景_畳 = 3;
constexpr int 背景_竹 = 4;
constexpr int 背景_宇宙 = 5;
constexpr int 背景_煉瓦 = 6;

// Palette indexes the painters use.
constexpr int 色_黒 = 0;
constexpr int 色_緑 = 2;
constexpr int 色_赤 = 12;
constexpr int 色_赤紫 = 13;
constexpr int 色_黄 = 14;
constexpr int 色_白 = 15;
constexpr int 色_持駒数 = 12;
constexpr int 色_座標 = 14;
constexpr int 色_指導有効 = 15;

// The number 99 asks 描画_文字列 for "手目".
constexpr int 文字列_手目 = 99;

class 画面 {
 public:
  画面(Surface& surface, const 対局& game) : 対局値(game), 面(surface) {}
  画面(const 画面&) = delete;
  画面& operator=(const 画面&) = delete;

  // --- Pictures, outlines, board and stands ---------------------------------
  void 描画_絵(int 駒種類, double 座標X, double 座標Y, bool 氷結 = false);
  void 描画_桝輪郭(int 描画色, double 座標X, double 座標Y);
  void 描画_盤();
  void 描画_将棋盤桝();
  void 描画_自持盤();
  void 描画_敵持盤();
  void 描画_背景(int IN_背景種類);
  // Wipes old guidance, then (guidance on) outlines every square the piece may reach.
  void 描画_移動可能桝色(int 移動元X, int 移動元Y, int 描画色, int 移動駒);
  // The same with the move check given: 可否(x, y) is 1 where the piece may go.
  void 描画_移動可能桝色(int 描画色, const std::function<int(int, int)>& 可否);
  void 画面_再描画();

  // --- Status texts ----------------------------------------------------------
  // Mode 0 prints the number (a blank in place of its sign when >= 0); any
  // other mode prints its kanji numeral, and nothing outside 1..9.
  void 描画_数値(double 入力X, double 入力Y, int 数値, int 色, int モード, int フォントサイズ);
  // Mode 0 prints the text as it is; any other mode prints nothing for a text.
  void 描画_数値(double 入力X, double 入力Y, const 文面& 文字, int 色, int モード,
                 int フォントサイズ);
  void 描画_文字列(double 入力X, double 入力Y, int 数値, int 色, int サイズ);
  void 描画_移動駒種類(double 入力X, double 入力Y, std::string_view 駒文字, int 色);
  // Prints a text with its top-left corner at (X, Y) in twips (a record's title and names).
  void 描画_テキスト(double X, double Y, const 文面& 文字, int 色, int サイズ);
  void 描画_桝_数値();
  void 描画_レベル(int IN_LEVEL);
  void 描画_ハンデレベル(int IN_ハンデレベル);
  void 描画_手数(int 数値, int 色);
  void 描画_移動結果(int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色);
  void 消去_移動結果(int IN_手番);
  // The status line below the board: why a click was refused and whose turn
  // it is; an empty text clears it.
  void 描画_状態行(const 文面& 文);
  // Marks the square of the last move (最終手升) with a two-colour inner
  // frame that reads on the light board and on the frozen pictures alike.
  void 描画_最終手();
  // The hint's arrow, with a dark shadow, from the centre of cell 元 (a
  // square, or a stand cell for a drop) to the centre of cell 先.
  void 描画_矢印(升 元, 升 先);
  // Paints again the cells the arrow from 元 to 先 lay on, as they are now.
  void 消去_矢印(升 元, 升 先);

  // --- The influence overlay (influence_overlay.cpp) ---------------------------
  // While 利き表示 is on: every square painted again, frozen pieces in their
  // frozen set, with how many lower-side pieces bear on it in its lower left
  // corner and how many upper-side pieces in its upper right (none for 0);
  // a frozen piece's count of its enemies is shown inverted. Off: nothing.
  void 描画_利き();
  // While 利き表示 is on: corner marks on the pieces a move would freeze
  // (cyan) and free (green); 消去 paints those squares again as 描画_利き does.
  void 描画_氷結予告(const 氷結変化& 変化);
  void 消去_氷結予告(const 氷結変化& 変化);

  // --- Clocks ----------------------------------------------------------------
  void 描画_所有時間(int IN_手番, double IN_思考時間);
  // The time left on a side's clock under a time control.
  void 描画_残り時間(int IN_手番);
  void 描画_時計文(int IN_手番, const 文面& 文, int 色);
  void 消去_所有時間(int IN_手番);

  // --- What the painters read ------------------------------------------------
  const 対局& 対局値;
  int 背景_現在 = 0;  // 0 until a background is chosen: the empty square tiles the window
  int 移動指導_フラグ = 0;
  bool 利き表示 = false;  // the influence overlay is shown
  int 色_桝輪郭 = 色_緑;
  // The destination of the move last made or stepped to; none before a move.
  std::optional<升> 最終手升;
  // True while the clocks are shown (the 経過時間 switch); Form1 reads its menu.
  std::function<bool()> 経過時間表示 = [] { return true; };

  Surface& 描画面() { return 面; }

 private:
  void 文字(double セルx, double セルy, const 文面& s, int 色, int サイズ);
  void 持駒描画(int 駒, int 枚数, double x, double y, double 数x);
  void 利き升(int x, int y, const 局面& 今, bool 氷結);
  void 利き数(double 左, double 上, int 数, int 色, bool 反転);

  Surface& 面;
  bool 太字 = false;  // set once by 描画_桝_数値; every later text is bold
};

// --- Conversions to text ---------------------------------------------------------

// 1..9 → full-width digit, 1001..1009 → kanji numeral, a piece code → its
// name (sign ignored); anything else → empty.
std::string 文字列変換(int IN_文字列);
// A number as two digits ("07", "42"); empty when its text is longer.
std::string 変換_数字から文字(long long I_数字);
// The kanji numeral of 1..9, or empty.
std::string_view 漢数字(int n);
// The texts of 描画_文字列: handicap grades -10..10 and 99 "手目"; else empty.
std::string_view 描画文字列テキスト(int 数値);

// --- Time -----------------------------------------------------------------------

// "hh:mm:ss" for a number of seconds; 100 hours or more keep all their digits.
std::string 調査_時間秒追加結果(double IN_経過秒);

}  // namespace qz
