// The status texts: printers, conversions, coordinate labels, level,
// handicap grade, move number and last moves.
#include <array>
#include <cstdlib>
#include <string>

#include "display/screen.h"
#include "rules/message.h"

namespace qz {
namespace {

constexpr std::array<std::string_view, 10> 漢数字表 = {"",   "一", "二", "三", "四",
                                                       "五", "六", "七", "八", "九"};
constexpr std::array<std::string_view, 10> 全角数字表 = {"",   "１", "２", "３", "４",
                                                         "５", "６", "７", "８", "９"};

struct 駒名 {
  int code;
  std::string_view name;
};
constexpr std::array<駒名, 14> 駒名表 = {{
    {歩, QZ_TR("歩")},
    {成歩, QZ_TR("と")},
    {香, QZ_TR("香")},
    {成香, QZ_TR("香成")},
    {桂, QZ_TR("桂")},
    {成桂, QZ_TR("桂成")},
    {銀, QZ_TR("銀")},
    {成銀, QZ_TR("銀成")},
    {金, QZ_TR("金")},
    {角, QZ_TR("角")},
    {成角, QZ_TR("角成")},
    {飛, QZ_TR("飛")},
    {成飛, QZ_TR("飛成")},
    {王, QZ_TR("王")},
}};

// Grades -10..10, in order.
constexpr std::array<std::string_view, 21> 段級表 = {
    QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段"),
    QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"),
    QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"),
    QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"),
    QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"),
    QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"),
    QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"), QZ_TR("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"),
};

// A number as the window prints it: a blank in place of the sign when >= 0.
std::string 数値文字(int n) {
  return (n >= 0 ? " " : "") + std::to_string(n);
}

}  // namespace

std::string_view 漢数字(int n) {
  return n >= 1 && n <= 9 ? 漢数字表[n] : std::string_view{};
}

std::string_view 描画文字列テキスト(int 数値) {
  if (数値 >= -10 && 数値 <= 10) return 段級表[数値 + 10];
  if (数値 == 文字列_手目) return QZ_TR("手目");
  return {};
}

std::string 文字列変換(int IN_文字列) {
  if (IN_文字列 >= 1 && IN_文字列 <= 9) return std::string(全角数字表[IN_文字列]);
  if (IN_文字列 >= 1001 && IN_文字列 <= 1009) return std::string(漢数字表[IN_文字列 - 1000]);
  for (const auto& k : 駒名表)
    if (std::abs(IN_文字列) == k.code) return std::string(k.name);
  return {};
}

std::string 変換_数字から文字(long long I_数字) {
  const std::string s = std::to_string(I_数字);
  if (s.size() == 1) return "0" + s;
  if (s.size() == 2) return s;
  return {};
}

void 画面::文字(double セルx, double セルy, const 文面& s, int 色, int サイズ) {
  if (!s.empty()) 面.text(セルX(セルx), セルY(セルy), s, 色, サイズ, 太字);
}

void 画面::描画_数値(double 入力X, double 入力Y, int 数値, int 色, int モード, int フォントサイズ) {
  if (モード == 0)
    文字(入力X, 入力Y, 文面::そのまま(数値文字(数値)), 色, フォントサイズ);
  else
    文字(入力X, 入力Y, 漢数字(数値), 色, フォントサイズ);
}

void 画面::描画_数値(double 入力X, double 入力Y, const 文面& 文字列, int 色, int モード,
                     int フォントサイズ) {
  if (モード == 0) 文字(入力X, 入力Y, 文字列, 色, フォントサイズ);
}

void 画面::描画_文字列(double 入力X, double 入力Y, int 数値, int 色, int サイズ) {
  const std::string_view s = 描画文字列テキスト(数値);
  if (!s.empty()) 面.text(セルX(入力X) + 120, セルY(入力Y) + 160, s, 色, サイズ, 太字);
}

void 画面::描画_移動駒種類(double 入力X, double 入力Y, std::string_view 駒文字, int 色) {
  文字(入力X, 入力Y, 駒文字, 色, 12);
}

void 画面::描画_テキスト(double X, double Y, const 文面& 文字, int 色, int サイズ) {
  if (!文字.empty()) 面.text(X, Y, 文字, 色, サイズ, 太字);
}

void 画面::描画_桝_数値() {
  太字 = true;
  for (int x = 1; x <= 桝数; ++x) {
    描画_絵(背景_現在, x, 0);
    描画_数値(x + 0.2, 0.5, 10 - x, 色_黒, 0, 16);
    描画_数値(x + 0.1, 0.4, 10 - x, 色_座標, 0, 16);
    描画_絵(背景_現在, 10, x);
    描画_数値(10.2, x + 0.4, x, 色_黒, 1, 12);
    描画_数値(10.1, x + 0.3, x, 色_座標, 1, 12);
    // The tile in column 10 overlaps the board's right edge.
    描画_桝輪郭(色_桝輪郭, 9, x);
  }
}

// "LEVEL" and the level's number; a level of the ladder between LEVEL3 and
// LEVEL4 shows the rest of its name instead ("3A"), as a number would be shown.
void 画面::描画_レベル(int IN_LEVEL) {
  描画_数値(-1.4, 0.2, "LEVEL", 色_黒, 0, 10);
  描画_数値(-1.5, 0.1, "LEVEL", 色_白, 0, 10);
  const レベル段* l = レベルを探す(IN_LEVEL);
  constexpr std::string_view 頭 = "LEVEL";
  if (l == nullptr || l->名 == std::string(頭) + std::to_string(IN_LEVEL)) {
    描画_数値(0.1, 0.1, IN_LEVEL, 色_黒, 0, 12);
    描画_数値(0, 0, IN_LEVEL, 色_白, 0, 12);
    return;
  }
  const 文面 名 = 文面::そのまま(" " + std::string(l->名.substr(頭.size())));
  描画_数値(0.1, 0.1, 名, 色_黒, 0, 12);
  描画_数値(0, 0, 名, 色_白, 0, 12);
}

void 画面::描画_ハンデレベル(int IN_ハンデレベル) {
  for (int x = 11; x <= 14; ++x) 描画_絵(背景_現在, x, 1);
  // The title's lower part reaches into row 1 and was just covered.
  描画_絵(1, 11.1, -0.1);
  描画_文字列(11.1, 1.4, IN_ハンデレベル, 色_黒, 10);
  描画_文字列(11, 1.3, IN_ハンデレベル, 色_白, 10);
}

void 画面::描画_手数(int 数値, int /*色*/) {
  描画_絵(背景_現在, 13, 3);
  描画_絵(背景_現在, 14, 3);
  描画_桝輪郭(色_桝輪郭, 11, 3);
  // Longer numbers start further left so that they all end near "手目".
  const double x = 数値 < 10 ? 13.3 : 数値 < 100 ? 13.2 : 13.1;
  描画_数値(x, 3.4, 数値, 色_黒, 0, 12);
  描画_数値(x - 0.1, 3.3, 数値, 色_白, 0, 12);
  描画_文字列(13.9, 3.2, 文字列_手目, 色_黒, 10);
  描画_文字列(13.8, 3.1, 文字列_手目, 色_白, 10);
}

void 画面::描画_移動結果(int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色) {
  消去_移動結果(IN_手番);
  double x0;
  double y0;
  if (IN_手番 == 対局値.局.手番値_COM) {
    x0 = -1.5;
    y0 = 8.5;
  } else if (IN_手番 == 対局値.局.手番値_MAN) {
    x0 = 12.5;
    y0 = 2.5;
  } else {
    return;
  }
  const std::string 部分[3] = {文字列変換(10 - 移動先X), 文字列変換(1000 + 移動先Y),
                               文字列変換(移動駒)};
  const double 位置[3] = {0, 0.4, 1.0};  // file, rank, piece
  for (int i = 0; i < 3; ++i) {
    描画_移動駒種類(x0 + 位置[i], y0, 部分[i], 色_黒);
    描画_移動駒種類(x0 + 位置[i] - 0.1, y0 - 0.1, 部分[i], 駒色);
  }
  if (IN_手番 == 対局値.局.手番値_COM) 描画_桝輪郭(色_桝輪郭, 1, 8);
}

void 画面::描画_状態行(const 文面& 文) {
  for (int x = -3; x <= 15; ++x) 描画_絵(背景_現在, x, 11);
  if (文.empty()) return;
  描画_数値(-1.9, 11.3, 文, 色_黒, 0, 11);
  描画_数値(-2, 11.2, 文, 色_白, 0, 11);
}

void 画面::描画_最終手() {
  if (!最終手升 || !盤上(最終手升->x, 最終手升->y)) return;
  const double x = セルX(最終手升->x), y = セルY(最終手升->y);
  面.box(色_黄, x + 15, y + 15, x + 桝幅 - 15, y + 桝高 - 15);
  面.box(色_黄, x + 30, y + 30, x + 桝幅 - 30, y + 桝高 - 30);
  面.box(色_黒, x + 45, y + 45, x + 桝幅 - 45, y + 桝高 - 45);
}

void 画面::消去_移動結果(int IN_手番) {
  if (IN_手番 == 対局値.局.手番値_COM) {
    for (int x = -2; x <= 0; ++x) 描画_絵(背景_現在, x, 8);
    描画_桝輪郭(色_桝輪郭, COM持駒X, 7);
    描画_桝輪郭(色_桝輪郭, 1, 8);
  } else if (IN_手番 == 対局値.局.手番値_MAN) {
    for (int x = 12; x <= 14; ++x) 描画_絵(背景_現在, x, 2);
  }
}

}  // namespace qz
