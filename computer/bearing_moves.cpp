// The moves and checks of 利き盤, read off its counts and sets: a piece on a
// square the enemy bears on is frozen, every other piece goes where its steps
// and unblocked lines take it, and a hand piece to any empty square its kind
// may stand on.
#include <cassert>

#include "computer/bearing_tables.h"

namespace qz {

using namespace 利き表;

namespace {

// Each column's squares.
inline constexpr std::array<升組, 10> 列 = [] {
  std::array<升組, 10> t{};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) 加える(t[x], 升番号(x, y));
  return t;
}();

// [side][hand slot]: the squares where a dropped piece of that kind could
// still move: not a pawn or lance on the last row, nor a knight on the last two.
inline constexpr std::array<std::array<升組, 8>, 2> 打てる升 = [] {
  std::array<std::array<升組, 8>, 2> t{};
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

// [piece index][from row][to row]: 1 when the piece may arrive there
// unpromoted, 2 when it may promote; the rules' own answers.
const std::array<std::array<std::array<std::uint8_t, 10>, 10>, 種類数> 成り表 = [] {
  std::array<std::array<std::array<std::uint8_t, 10>, 10>, 種類数> t{};
  for (int i = 0; i < 種類数; ++i)
    for (int fy = 1; fy <= 9; ++fy)
      for (int ty = 1; ty <= 9; ++ty) {
        const int c = 駒の符号(i);
        t[i][fy][ty] = static_cast<std::uint8_t>((移動後チェック(ty, c) == はい ? 1 : 0) |
                                                 (調査_駒成(5, fy, 5, ty, c) != 0 ? 2 : 0));
      }
  return t;
}();

// Calls 訪問 for the move of the piece 駒 from p to q, unpromoted and
// promoted as the rules allow, the unpromoted one first.
template <class F>
void 成り分け(int p, int q, int 駒, F&& 訪問) {
  const int fx = p / 10, fy = p % 10, tx = q / 10, ty = q % 10;
  const int 可 = 成り表[駒番号(駒)][fy][ty];
  if (可 & 1) 訪問(指し手::盤上の手(fx, fy, tx, ty, 駒, false));
  if (可 & 2) 訪問(指し手::盤上の手(fx, fy, tx, ty, 駒, true));
}

}  // namespace

// Where the piece 駒 on p may go by its movement alone: its steps, and its
// lines up to and including the first occupied square (with 取るだけ only
// that square of each line, the one a capture could go to).
template <bool 取るだけ>
升組 利き盤::行き先(int 駒, int p) const {
  const int i = 駒番号(駒);
  升組 r = 一歩.集合[i][p];
  for (unsigned w = 走り表[i]; w != 0; w &= w - 1) {
    const int v = 向き[__builtin_ctz(w)];
    int q = p + v;
    for (; 盤_[q] == 0; q += v)
      if (!取るだけ) 加える(r, q);
    if (盤_[q] != 壁) 加える(r, q);
  }
  return r;
}

// Calls 訪問 for every board move of the side to move whose destination is
// in 先, in 合法手列挙's order.
template <bool 取るだけ, class F>
void 利き盤::盤上の手(const 升組& 先, F&& 訪問) const {
  const int 側 = 側番号(MAN手番);
  const auto& 敵勢力 = 利き_.数[1 - 側];
  各升(占有_[側], [&](int p) {
    if (敵勢力[p] > 0) return;  // frozen
    const int c = 盤_[p];
    各升(積(行き先<取るだけ>(c, p), 先), [&](int q) { 成り分け(p, q, c, 訪問); });
  });
}

// Whether a piece of side 側 that is not frozen may move onto the enemy
// king's square k. Every bearing of 側 on k is a piece a clear line, a step
// or a knight's jump away, so the search stops once the count is used up:
// the rays first, which the ray directions name, then the steps.
bool 利き盤::王に届く(int 側, int k) const {
  int 残り = 利き_.数[側][k];
  if (残り == 0) return false;
  const auto& 敵勢力 = 利き_.数[1 - 側];
  // One bearing found on q: true when its piece may move, else one fewer to find.
  const auto 見つけた = [&](int q) { return 敵勢力[q] == 0 || --残り == 0; };
  // Each ray comes from the first piece behind k along its direction.
  for (unsigned w = 利き_.線[側][k]; w != 0; w &= w - 1) {
    const int v = 向き[__builtin_ctz(w)];
    int q = k - v;
    while (盤_[q] == 0) q -= v;
    assert(盤_[q] != 壁 && (盤_[q] < 0) == (側 == 0));
    if (見つけた(q)) return 敵勢力[q] == 0;
  }
  for (int d = 0; d < 8; ++d) {
    const int q = k - 向き[d];
    if ((一歩向き[側][盤_[q] + 王] >> d & 1) && 見つけた(q)) return 敵勢力[q] == 0;
  }
  const int 自桂 = 側 == 0 ? -桂 : 桂;
  const int 桂Y = k % 10 + (側 == 0 ? 2 : -2);  // a knight jumps two rows forward
  for (const int x : {k / 10 - 1, k / 10 + 1}) {
    if (!盤上(x, 桂Y)) continue;
    const int q = 升番号(x, 桂Y);
    if (盤_[q] == 自桂 && 見つけた(q)) return 敵勢力[q] == 0;
  }
  assert(false);  // the count promised more bearings than there are
  return false;
}

void 利き盤::全手(手の列& 手) const {
  手.clear();
  const auto 入れる = [&手](const 指し手& m) { 手.push_back(m); };
  const int 側 = 側番号(MAN手番);
  盤上の手<false>(差(盤升, 占有_[側]), 入れる);
  const 持駒& h = 手駒_[側];
  if (h.合計 <= 0) return;
  const 升組 空き = 差(盤升, 和(占有_[0], 占有_[1]));
  升組 歩のない升 = 空き;
  for (int x = 1; x <= 9; ++x)
    if (歩の数_[側][x] > 0) 歩のない升 = 差(歩のない升, 列[x]);
  for (int k = 1; k <= 持駒種類数; ++k) {
    if (h.枚数[k] <= 0) continue;
    const int c = MAN手番 ? -持駒番号の駒[k] : 持駒番号の駒[k];
    各升(積(k == 持駒_歩 ? 歩のない升 : 空き, 打てる升[側][k]),
         [&](int q) { 入れる(指し手::打つ手(c, q / 10, q % 10)); });
  }
}

// Only the enemy pieces this side bears on can be taken.
void 利き盤::取る手(手の列& 手) const {
  手.clear();
  const int 側 = 側番号(MAN手番);
  升組 的{};
  各升(占有_[1 - 側], [&](int q) {
    if (利き_.数[側][q] > 0) 加える(的, q);
  });
  if (空(的)) return;
  盤上の手<true>(的, [&手](const 指し手& m) { 手.push_back(m); });
}

bool 利き盤::王に利き(bool MAN側) const {
  const int 側 = 側番号(MAN側);
  const int k = 王_[側];
  return k != 0 && 利き_.数[1 - 側][k] > 0;
}

bool 利き盤::王手(bool MAN側) const {
  const int 側 = 側番号(MAN側);
  const int k = 王_[側];
  return k != 0 && 王に届く(1 - 側, k);
}

}  // namespace qz
