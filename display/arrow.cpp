// The hint's arrow from one cell of the grid to another, and its erasing.
// The arrow is drawn over the pictures, so erasing it paints again every
// cell it lay on: board squares with their pieces (frozen or not), stand
// cells, the file numerals and the background.
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "display/screen.h"

namespace qz {
namespace {

// The arrow's measures in twips: the half-width of its shaft, the length
// and half-width of its head, and the offset of its shadow. The head fits
// within half a square of its tip, so that it stays on the destination.
constexpr double 軸幅 = 30, 頭長 = 180, 頭幅 = 100, 影 = 15;

Point 中心(升 u) {
  return {セルX(u.x + 0.5), セルY(u.y + 0.5)};
}

// The seven corners of the arrow from 元's centre to 先's, moved by d.
std::vector<Point> 矢印の角(升 元, 升 先, double d) {
  const Point a = 中心(元), b = 中心(先);
  const double dx = b.x - a.x, dy = b.y - a.y, 長 = std::hypot(dx, dy);
  const double ux = dx / 長, uy = dy / 長, nx = -uy, ny = ux;
  const Point 根{b.x - ux * 頭長, b.y - uy * 頭長};
  auto 点 = [&](Point p, double w) { return Point{p.x + nx * w + d, p.y + ny * w + d}; };
  return {点(a, 軸幅),   点(根, 軸幅),  点(根, 頭幅), 点(b, 0),
          点(根, -頭幅), 点(根, -軸幅), 点(a, -軸幅)};
}

// The cells the shaft and its shadow touch, with a pixel to spare, and
// the destination, which holds the head.
std::set<std::pair<int, int>> 矢印の升(升 元, 升 先) {
  const Point a = 中心(元), b = 中心(先);
  const double 余白 = 軸幅 + 影 * 2;
  const int 数 = static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) / 20) + 1;
  std::set<std::pair<int, int>> r{{先.x, 先.y}};
  for (int i = 0; i <= 数; ++i) {
    const double x = a.x + (b.x - a.x) * i / 数, y = a.y + (b.y - a.y) * i / 数;
    for (const double ex : {-余白, 余白})
      for (const double ey : {-余白, 余白})
        r.insert({static_cast<int>(std::floor((x + ex - 盤左端) / 桝幅)),
                  static_cast<int>(std::floor((y + ey - 盤上端) / 桝高))});
  }
  return r;
}

}  // namespace

void 画面::描画_矢印(升 元, 升 先) {
  if (元 == 先) return;
  面.polygon(色_黒, 矢印の角(元, 先, 影));
  面.polygon(色_赤紫, 矢印の角(元, 先, 0));
}

// Each cell is painted as the painter that owns it paints it: a square
// with its piece, a stand or the numerals beside the board whole, the
// upper side's last-move text cleared (its owner writes it again).
void 画面::消去_矢印(升 元, 升 先) {
  const 氷結状態 氷 = 調査_氷結(対局値.局, 対局値.前);
  bool 数値 = false, 自台 = false, 敵台 = false, 上の手 = false;
  for (const auto& [x, y] : 矢印の升(元, 先)) {
    if (盤上(x, y)) {
      描画_絵(対局値.局.盤面[x][y], x, y, 氷.氷結[x][y]);
      描画_桝輪郭(色_桝輪郭, x, y);
    } else if (x == 10 && y >= 1 && y <= 桝数) {
      数値 = true;
    } else if (x == MAN持駒X && 持駒台の駒(x, y) != 0) {
      自台 = true;
    } else if ((x == COM持駒X || x == 0) && 持駒台の駒(COM持駒X, y) != 0) {
      敵台 = true;
    } else if (x >= -2 && x <= 0 && y == 8) {
      上の手 = true;
    } else {
      描画_絵(背景_現在, x, y);
    }
  }
  if (数値) 描画_桝_数値();
  if (自台) 描画_自持盤();
  if (敵台) 描画_敵持盤();
  if (上の手) 消去_移動結果(対局値.局.手番値_COM);
  描画_最終手();
  描画_利き();
}

}  // namespace qz
