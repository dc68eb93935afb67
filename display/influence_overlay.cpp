// The influence overlay: how many pieces of each side bear on every square,
// the frozen pieces that follow from it, and a picked move's forecast of the
// pieces it would freeze and free.
#include <array>

#include "display/screen.h"

namespace qz {
namespace {

// The counts' colours: the lower side's blue, the upper side's red.
constexpr int 色_MAN勢力 = 9;
constexpr int 色_COM勢力 = 12;
constexpr int 色_氷結予告 = 11;
constexpr int 色_解凍予告 = 10;
// A count's badge in twips: inside the last move's frame, one digit wide
// (two digits widen it), and the text's size in points.
constexpr double 余白 = 60, 札高 = 150, 札幅 = 120, 二桁幅 = 75;
constexpr int 数の大きさ = 7;
// The legs of a forecast's corner triangle, and its shadow's extra reach.
constexpr double 角長 = 180, 角影 = 30;

// The position with its influence surveyed afresh, whatever the game's
// tables last held.
局面 調べた局面(const 局面& s) {
  局面 r = s;
  勢力調査(r);
  return r;
}

}  // namespace

void 画面::利き数(double 左, double 上, int 数, int 色, bool 反転) {
  const double 幅 = 札幅 + (数 >= 10 ? 二桁幅 : 0);
  const std::array<Point, 4> 札 = {Point{左, 上}, Point{左 + 幅, 上}, Point{左 + 幅, 上 + 札高},
                                   Point{左, 上 + 札高}};
  面.polygon(反転 ? 色 : 色_白, 札);
  面.text(左 + 15, 上, 文面::数値(数), 反転 ? 色_白 : 色, 数の大きさ, true);
}

// One square: its piece, outline and both counts.
void 画面::利き升(int x, int y, const 局面& 今, bool 氷結) {
  描画_絵(今.盤面[x][y], x, y, 氷結);
  描画_桝輪郭(色_桝輪郭, x, y);
  const int man = 今.表.勢力_MAN[x][y], com = 今.表.勢力_COM[x][y];
  const int 駒 = 今.盤面[x][y];
  if (man > 0) 利き数(セルX(x) + 余白, セルY(y + 1) - 余白 - 札高, man, 色_MAN勢力, COM駒(駒));
  if (com > 0) {
    const double 幅 = 札幅 + (com >= 10 ? 二桁幅 : 0);
    利き数(セルX(x + 1) - 余白 - 幅, セルY(y) + 余白, com, 色_COM勢力, MAN駒(駒));
  }
}

void 画面::描画_利き() {
  if (!利き表示) return;
  const 局面 今 = 調べた局面(対局値.局);
  const 氷結状態 氷 = 調査_氷結(今, 氷結前記録(今));
  for (int x = 1; x <= 桝数; ++x)
    for (int y = 1; y <= 桝数; ++y) 利き升(x, y, 今, 氷.氷結[x][y]);
  描画_最終手();
}

void 画面::描画_氷結予告(const 氷結変化& 変化) {
  if (!利き表示) return;
  // Triangles in the upper left and lower right corners, which the counts leave free.
  auto 印 = [this](升 u, int 色) {
    const double l = セルX(u.x), t = セルY(u.y), r = セルX(u.x + 1), b = セルY(u.y + 1);
    for (const double 影 : {角影, 0.0}) {
      const int c = 影 > 0 ? 色_黒 : 色;
      const double a = 角長 + 影;
      const std::array<Point, 3> 左上 = {Point{l, t}, Point{l + a, t}, Point{l, t + a}};
      const std::array<Point, 3> 右下 = {Point{r, b}, Point{r - a, b}, Point{r, b - a}};
      面.polygon(c, 左上);
      面.polygon(c, 右下);
    }
  };
  for (const 升 u : 変化.氷結する) 印(u, 色_氷結予告);
  for (const 升 u : 変化.解ける) 印(u, 色_解凍予告);
}

void 画面::消去_氷結予告(const 氷結変化& 変化) {
  if (!利き表示 || (変化.氷結する.empty() && 変化.解ける.empty())) return;
  const 局面 今 = 調べた局面(対局値.局);
  const 氷結状態 氷 = 調査_氷結(今, 氷結前記録(今));
  for (const auto* 升々 : {&変化.氷結する, &変化.解ける})
    for (const 升 u : *升々) 利き升(u.x, u.y, 今, 氷.氷結[u.x][u.y]);
  描画_最終手();
}

}  // namespace qz
