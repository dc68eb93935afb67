// The moves and checks of 利き盤, read off its counts and sets: a piece on a
// square the enemy bears on is frozen, every other piece goes where its steps
// and unblocked lines take it, and a hand piece to any empty square its kind
// may stand on.
#include "computer/bearing_tables.h"

namespace qz {

using namespace 利き表;

namespace {

// The direction opposite to 向き[k].
constexpr std::array<int, 8> 逆向き = {1, 0, 3, 2, 7, 6, 5, 4};

// Each column's squares.
inline constexpr std::array<升集合, 10> 列 = [] {
  std::array<升集合, 10> t{};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) 加える(t[x], 升番号(x, y));
  return t;
}();

// [side][hand slot]: the squares where a dropped piece of that kind could
// still move: not a pawn or lance on the last row, nor a knight on the last two.
inline constexpr std::array<std::array<升集合, 8>, 2> 打てる升 = [] {
  std::array<std::array<升集合, 8>, 2> t{};
  for (int 側 = 0; 側 < 2; ++側)
    for (int k = 1; k <= 持駒種類数; ++k)
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
          const int 奥 = 側 == 0 ? y - 1 : 9 - y;  // rows left in front
          const int 種 = 持駒番号の駒[k];
          if ((種 == 歩 || 種 == 香) && 奥 < 1) continue;
          if (種 == 桂 && 奥 < 2) continue;
          加える(t[側][k], 升番号(x, y));
        }
  return t;
}();

}  // namespace

// Where the piece 駒 on p may go by its movement alone: its steps, and its
// lines up to and including the first occupied square.
升集合 利き盤::行き先(int 駒, int p) const {
  const int i = 番号(駒);
  升集合 r = 一歩.集合[i][p];
  for (unsigned w = 走り表[i]; w != 0; w &= w - 1) {
    const int v = 向き[__builtin_ctz(w)];
    for (int q = p + v; 盤_[q] != 壁; q += v) {
      加える(r, q);
      if (盤_[q] != 0) break;
    }
  }
  return r;
}

// Calls 訪問 for every board move of the side to move whose destination is
// in 先, in 合法手列挙's order.
template <class F>
void 利き盤::盤上の手(const 升集合& 先, F&& 訪問) const {
  const int 側 = 側番号(MAN手番);
  const auto& 敵勢力 = 勢力_[1 - 側];
  各升(占有_[側], [&](int p) {
    if (敵勢力[p] > 0) return;  // frozen
    const int c = 盤_[p];
    const int fx = p / 10, fy = p % 10;
    各升(積(差(行き先(c, p), 占有_[側]), 先), [&](int q) {
      const int tx = q / 10, ty = q % 10;
      if (移動後チェック(ty, c) == はい) 訪問(指し手::盤上の手(fx, fy, tx, ty, c, false));
      if (調査_駒成(fx, fy, tx, ty, c) != 0) 訪問(指し手::盤上の手(fx, fy, tx, ty, c, true));
    });
  });
}

void 利き盤::全手(std::vector<指し手>& 手) const {
  手.clear();
  const auto 入れる = [&手](const 指し手& m) { 手.push_back(m); };
  盤上の手(全升, 入れる);
  const int 側 = 側番号(MAN手番);
  const 持駒& h = 手駒_[側];
  if (h.合計 <= 0) return;
  const 升集合 空き = 差(全升, 和(占有_[0], 占有_[1]));
  升集合 歩のない升 = 空き;
  for (int x = 1; x <= 9; ++x)
    if (歩の数_[側][x] > 0) 歩のない升 = 差(歩のない升, 列[x]);
  for (int k = 1; k <= 持駒種類数; ++k) {
    if (h.枚数[k] <= 0) continue;
    const int c = MAN手番 ? -持駒番号の駒[k] : 持駒番号の駒[k];
    各升(積(k == 持駒_歩 ? 歩のない升 : 空き, 打てる升[側][k]),
         [&](int q) { 入れる(指し手::打つ手(c, q / 10, q % 10)); });
  }
}

void 利き盤::取る手(std::vector<指し手>& 手) const {
  手.clear();
  盤上の手(占有_[1 - 側番号(MAN手番)], [&手](const 指し手& m) { 手.push_back(m); });
}

bool 利き盤::王手(bool MAN側) const {
  const int 側 = 側番号(MAN側);
  const int k = 王_[側];
  if (k == 0 || 勢力_[1 - 側][k] == 0) return false;
  const auto& 自勢力 = 勢力_[側];  // an enemy piece this side bears on is frozen
  const auto 敵 = [MAN側](int c) { return MAN側 ? COM駒(c) : MAN駒(c); };
  // Pieces one step away, and knights, that step onto the king's square.
  const int kx = k / 10, ky = k % 10, f = MAN側 ? -1 : 1;  // f: towards the enemy
  const int 桂の升[2][2] = {{kx - 1, ky + 2 * f}, {kx + 1, ky + 2 * f}};
  for (const auto& xy : 桂の升) {
    if (!盤上(xy[0], xy[1])) continue;
    const int q = 升番号(xy[0], xy[1]);
    if (盤_[q] == (MAN側 ? 桂 : -桂) && 自勢力[q] == 0) return true;
  }
  for (int d = 0; d < 8; ++d) {
    const int v = 向き[d];
    int q = k + v;
    const int c = 盤_[q];
    if (c != 壁 && 敵(c) && 自勢力[q] == 0 && 含む(一歩.集合[番号(c)][q], k)) return true;
    // The first piece along the line, if it slides towards the king.
    while (盤_[q] == 0) q += v;
    const int e = 盤_[q];
    if (e != 壁 && 敵(e) && 自勢力[q] == 0 && 走る(番号(e), 逆向き[d])) return true;
  }
  return false;
}

}  // namespace qz
