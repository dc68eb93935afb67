// The computer's level and the handicap ladder.
#include <array>

#include "play/form1.h"

namespace qz {
namespace {

// The piece a handicap grade takes away (grades 1..10 the computer's,
// -1..-10 the human's); index grade + 10, grade 0 removes nothing.
struct 駒落ち {
  int 駒;
  int x, y;
};
constexpr std::array<駒落ち, 21> ハンデ表 = {{
    {-金, 6, 9},  // -10 名人
    {-金, 4, 9},  // -9 ８段
    {-銀, 7, 9},  // -8 ７段
    {-銀, 3, 9},  // -7 ６段
    {-桂, 8, 9},  // -6 ５段
    {-桂, 2, 9},  // -5 ４段
    {-香, 9, 9},  // -4 ３段
    {-香, 1, 9},  // -3 ２段
    {-飛, 8, 8},  // -2 初段
    {-角, 2, 8},  // -1 １級
    {0, 0, 0},    // 0 ２級
    {角, 8, 2},   // 1 ３級
    {飛, 2, 2},   // 2 ４級
    {香, 9, 1},   // 3 ５級
    {香, 1, 1},   // 4 ６級
    {桂, 8, 1},   // 5 ７級
    {桂, 2, 1},   // 6 ８級
    {銀, 7, 1},   // 7 ９級
    {銀, 3, 1},   // 8 10級
    {金, 6, 1},   // 9 11級
    {金, 4, 1},   // 10 12級
}};
constexpr int 最高ハンデ = 10;

const 駒落ち& 落とす駒(int 段級) {
  return ハンデ表[段級 + 最高ハンデ];
}

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
    対局値.COMレベル = IN_LEVEL;
  }
  if (対局値.対局モード == 1) 画.描画_レベル(対局値.COMレベル);
}

// The refusals of both handicap buttons, each with its sound and message.
bool Form1::ハンデ拒否() {
  int 理由 = 0;
  if (棋譜モード == 1)
    理由 = 1;
  else if (手順.手順_現在 > 0)
    理由 = 2;
  else if (反転フラグ == 1)
    理由 = 3;
  if (理由 == 0) return false;
  p.sound.dsPlay(音_禁止);
  描画_メッセージ(理由);
  return true;
}

// One step up (+1, "△") or down (-1, "▽") the ladder: away from 0 a piece
// is taken off, towards 0 the piece of the grade left is put back.
void Form1::ハンデ変更(int 向き) {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  if (ハンデ拒否()) return;
  手順.手順_最終 = 0;
  if (対局値.ハンデレベル * 向き < 最高ハンデ) {
    const int 元 = 対局値.ハンデレベル;
    対局値.ハンデレベル += 向き;
    画.描画_ハンデレベル(対局値.ハンデレベル);
    const bool 落とす = 対局値.ハンデレベル * 向き > 0;
    const 駒落ち& d = 落とす駒(落とす ? 対局値.ハンデレベル : 元);
    対局値.局.盤面[d.x][d.y] = static_cast<std::int16_t>(落とす ? 0 : d.駒);
    画.描画_絵(対局値.局.盤面[d.x][d.y], d.x, d.y);
    画.描画_桝輪郭(画.色_桝輪郭, d.x, d.y);
    p.sound.dsPlay(音_駒打);
  }
  対局値.ハンデ設定フラグ = 1;
}

void Form1::LBEL_UP_Click() {
  ハンデ変更(+1);
}

void Form1::LEBEL_DOWN_Click() {
  ハンデ変更(-1);
}

}  // namespace qz
