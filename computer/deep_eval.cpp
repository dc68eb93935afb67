#include "computer/deep_eval.h"

#include <string_view>

#include "computer/bearing_board.h"

namespace qz {
namespace {

// Centipawn values by kind magnitude (the usual shogi engine scale).
constexpr std::array<short, 王 + 1> 価値表 = [] {
  std::array<short, 王 + 1> t{};
  t[歩] = 90, t[成歩] = 540, t[香] = 315, t[成香] = 540, t[桂] = 405, t[成桂] = 540;
  t[銀] = 495, t[成銀] = 540, t[金] = 540, t[角] = 855, t[成角] = 945;
  t[飛] = 990, t[成飛] = 1395, t[王] = 0;
  return t;
}();

// A piece that shelters its king when it stands next to it.
bool 守り駒(int a) {
  return a == 金 || a == 銀 || a == 成銀 || a == 成歩 || a == 成香 || a == 成桂;
}

// The first steps of each kind, forward being dy = +1 (towards the enemy):
// a piece that cannot take one of them cannot move at all.
struct 歩幅 {
  std::int8_t n;
  std::int8_t d[8][2];
};
constexpr 歩幅 金歩幅 = {6, {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}}};
constexpr 歩幅 全歩幅 = {8, {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {-1, -1}, {0, -1}, {1, -1}}};
constexpr 歩幅 斜歩幅 = {4, {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}}};
constexpr 歩幅 縦横歩幅 = {4, {{0, 1}, {-1, 0}, {1, 0}, {0, -1}}};
constexpr 歩幅 前歩幅 = {1, {{0, 1}}};
constexpr 歩幅 桂歩幅 = {2, {{-1, 2}, {1, 2}}};
constexpr 歩幅 銀歩幅 = {5, {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}}};

const 歩幅& 歩幅表(int a) {
  switch (a) {
    case 歩:
    case 香:
      return 前歩幅;
    case 桂:
      return 桂歩幅;
    case 銀:
      return 銀歩幅;
    case 角:
      return 斜歩幅;
    case 飛:
      return 縦横歩幅;
    case 成角:
    case 成飛:
    case 王:
      return 全歩幅;
    default:
      return 金歩幅;
  }
}

// The position as the evaluation reads it: a rules' position with its
// surveyed counts.
struct 局面の読み {
  const 局面& s;
  int 駒(int x, int y) const { return s.盤面[x][y]; }
  int 勢力(bool MAN側, int x, int y) const {
    return (MAN側 ? s.表.勢力_MAN : s.表.勢力_COM)[x][y];
  }
  const 持駒& 手駒(bool MAN側) const { return MAN側 ? s.持駒_MAN : s.持駒_COM; }
};

// True when the piece on (x, y) has a first step to a square on the board
// that its own side does not hold.
template <class 読み>
bool 動ける(const 読み& r, int c, int x, int y) {
  const 歩幅& t = 歩幅表(std::abs(c));
  const int f = c < 0 ? -1 : 1;  // MAN moves towards row 1
  for (int i = 0; i < t.n; ++i) {
    const int tx = x + t.d[i][0], ty = y + t.d[i][1] * f;
    if (!盤上(tx, ty)) continue;
    const int v = r.駒(tx, ty);
    if (c < 0 ? !MAN駒(v) : !COM駒(v)) return true;
  }
  return false;
}

// The king terms of one king on (x, y): enemy-borne neighbours and shelter.
template <class 読み>
int 玉の項(const 読み& r, int x, int y, bool MAN側, const 評価重み& w) {
  int 点 = 0;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) {
      const int tx = x + dx, ty = y + dy;
      if ((dx == 0 && dy == 0) || !盤上(tx, ty)) continue;
      if (r.勢力(!MAN側, tx, ty) > 0) 点 -= w.玉周り利き;
      const int v = r.駒(tx, ty);
      if ((MAN側 ? MAN駒(v) : COM駒(v)) && 守り駒(std::abs(v))) 点 += w.玉守り;
    }
  return 点;
}

int 手駒の価値(const 持駒& h) {
  int r = 0;
  for (int i = 1; i <= 持駒種類数; ++i) r += h.枚数[i] * 価値表[持駒番号の駒[i]];
  return r;
}

// The score for the side to move of the position r reads.
template <class 読み>
int 評価する(const 読み& r, bool MAN手番, const 評価重み& w) {
  int 点 = 0;  // the lower side's (MAN's) point of view
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int c = r.駒(x, y);
      if (c == 0) continue;
      const bool MAN側 = c < 0;
      const int sg = MAN側 ? 1 : -1;
      const int a = std::abs(c);
      const int v = 価値表[a];
      int t = v;
      if (a == 王) {
        t += 玉の項(r, x, y, MAN側, w);
      } else if (r.勢力(!MAN側, x, y) > 0) {
        t -= w.凍結;
        if (r.勢力(MAN側, x, y) == 0) t -= v * w.無援凍結 / 100;
      } else if (!動ける(r, c, x, y)) {
        t -= w.動けない;
      }
      点 += sg * t;
    }
  点 += (手駒の価値(r.手駒(true)) - 手駒の価値(r.手駒(false))) * (100 + w.持駒割増) / 100;
  return (MAN手番 ? 点 : -点) + w.手番;
}

}  // namespace

int 駒価値(int 駒) {
  return 価値表[std::abs(駒)];
}

int 形勢評価(const 局面& s, bool MAN手番, const 評価重み& w) {
  return 評価する(局面の読み{s}, MAN手番, w);
}

int 形勢評価(const 利き盤& b, const 評価重み& w) {
  return 評価する(b, b.MAN手番, w);
}

bool 重みを設定(評価重み& w, std::string_view 名, int 値) {
  struct 項目 {
    std::string_view 名;
    int 評価重み::*場所;
  };
  static constexpr 項目 一覧[] = {
      {"持駒割増", &評価重み::持駒割増},
      {"凍結", &評価重み::凍結},
      {"無援凍結", &評価重み::無援凍結},
      {"動けない", &評価重み::動けない},
      {"玉周り利き", &評価重み::玉周り利き},
      {"玉守り", &評価重み::玉守り},
      {"手番", &評価重み::手番},
  };
  for (const 項目& i : 一覧)
    if (i.名 == 名) {
      w.*(i.場所) = 値;
      return true;
    }
  return false;
}

}  // namespace qz
