// Mate under the freeze rule: a king in check is frozen, so only capturing
// the checker or interposing (by a drop or a move) can answer it.
#include "rules/rules.h"

namespace qz {
namespace {

// The defending side D of one mate test, with the tables that speak of it.
struct 守備側 {
  bool MAN側;
  int 王X, 王Y;
  const 盤配列& 王手map;  // D's check map
  const 盤配列& 敵勢力;   // the enemy's bearing counts (D's in-check count at its king)
  const 持駒& 手駒;
  int 歩コード() const { return MAN側 ? -歩 : 歩; }
  bool 駒(int c) const { return MAN側 ? (c <= -10 && c >= -成飛) : (c >= 10 && c <= 成飛); }
};

守備側 MANの守備(const 局面& s) {
  return {true, s.表.MAN王X, s.表.MAN王Y, s.表.王手駒マップ_MAN, s.表.勢力_COM, s.持駒_MAN};
}
守備側 COMの守備(const 局面& s) {
  return {false, s.表.COM王X, s.表.COM王Y, s.表.王手駒マップ_COM, s.表.勢力_MAN, s.持駒_COM};
}

// 1 if some checking piece (a square marked 9) can still move to D's king.
int 王手駒が届く(const 局面& s, const 守備側& d) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (d.王手map[x][y] == 9 && 移動チェック(s, x, y, d.王X, d.王Y, s.盤面[x][y]) == はい)
        return はい;
  return いいえ;
}

// Phase 1: 1 when a drop between a slider and the king answers every check
// (so D is not mated), 0 when the test must go on to answers by a move.
int 打って防げる(局面& s, const 守備側& d) {
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int m = d.王手map[x][y];
      if (m == 9 && std::abs(x - d.王X) <= 1 && std::abs(y - d.王Y) <= 1) return いいえ;
      if (m != 1) continue;
      // A hand of pawns only cannot block where a pawn may not be dropped;
      // any other hand is taken to block anywhere, tried with a pawn.
      const bool 歩だけ = d.手駒.合計 == d.手駒.枚数[持駒_歩];
      const 升 歩の元 = 打ち元(d.歩コード());
      const bool 塞げる =
          !(歩だけ && 移動チェック(s, 歩の元.x, 歩の元.y, x, y, d.歩コード()) == いいえ);
      const std::int16_t 元 = s.盤面[x][y];
      if (塞げる) s.盤面[x][y] = static_cast<std::int16_t>(d.歩コード());
      const int 届く = 王手駒が届く(s, d);
      s.盤面[x][y] = 元;
      if (届く == はい) return いいえ;
    }
  }
  return はい;
}

// Phase 2: 1 when some move of a piece of D (not its king) onto a square of
// the check map leaves the king unattacked. 王手が残る judges the trial board.
template <class 判定>
int 動いて防げる(局面& s, const 守備側& d, 判定 王手が残る) {
  for (int px = 1; px <= 9; ++px) {
    for (int py = 1; py <= 9; ++py) {
      const std::int16_t c = s.盤面[px][py];
      if (!d.駒(c)) continue;
      for (int tx = 1; tx <= 9; ++tx) {
        for (int ty = 1; ty <= 9; ++ty) {
          const int m = d.王手map[tx][ty];
          if (m != 9 && m != 1) continue;
          if (移動チェック(s, px, py, tx, ty, c) == いいえ) continue;
          const std::int16_t 元 = s.盤面[tx][ty];
          s.盤面[tx][ty] = c;
          s.盤面[px][py] = 0;
          const bool 残る = 王手が残る();
          s.盤面[px][py] = c;
          s.盤面[tx][ty] = 元;
          if (!残る) return はい;
        }
      }
    }
  }
  return いいえ;
}

// The three phases shared by both tests.
template <class 判定>
int 詰めか(局面& s, const 守備側& d, 判定 王手が残る) {
  if (d.敵勢力[d.王X][d.王Y] == 0) return いいえ;
  if (d.手駒.合計 > 0 && 打って防げる(s, d) == はい) return いいえ;
  return 動いて防げる(s, d, 王手が残る) == はい ? いいえ : はい;
}

}  // namespace

int 詰めかMAN(局面& s) {
  // The trial positions are judged with the counts of the real position.
  return 詰めか(s, MANの守備(s), [&s] { return 詰めかMAN_COM移動(s) == はい; });
}

int 詰めかCOM(局面& s) {
  // Each trial position is surveyed into its own table, so the real tables
  // stay those of the real position throughout and afterwards.
  勢力表 試行{};
  const 守備側 d = COMの守備(s);
  return 詰めか(s, d, [&] {
    勢力調査(s.盤面, 試行);
    return 試行.勢力_MAN[d.王X][d.王Y] > 0;
  });
}

int 調査_自王逃道(const 局面& s) {
  const int X = s.表.MAN王X, Y = s.表.MAN王Y;
  if (!盤上(X, Y)) return 0;  // no king has been seen on the board yet
  int 数 = 0;
  auto 見る = [&](int x, int y) {
    if (x < 1 || x > 9) return;
    if (s.盤面[x][y] == 0 && s.表.勢力_COM[x][y] == 0) ++数;
  };
  if (Y > 1) {
    見る(X, Y - 1);
    見る(X - 1, Y - 1);
    見る(X + 1, Y - 1);
  }
  if (Y < 9) {
    見る(X, Y + 1);
    見る(X - 1, Y + 1);
    見る(X + 1, Y + 1);
  }
  見る(X - 1, Y);
  見る(X + 1, Y);
  return 数;
}

}  // namespace qz
