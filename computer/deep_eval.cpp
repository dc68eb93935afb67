#include "computer/deep_eval.h"

#include <cstdlib>
#include <string_view>

#include "computer/bearing_tables.h"

namespace qz {
namespace {

// The kinds that shelter their king when they stand next to it.
constexpr std::array<bool, 王 + 1> 守り駒 = [] {
  std::array<bool, 王 + 1> t{};
  t[金] = t[銀] = t[成銀] = t[成歩] = t[成香] = t[成桂] = true;
  return t;
}();

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

// The evaluation reads a position through one of two readers, which name a
// square each in their own way: a rules' position with its surveyed counts,
// or the search's 利き盤 with its own.
struct 局面の読み {
  struct 升 {
    int x, y;
  };
  const 局面& s;

  // Calls f(c, q) for every piece c of the side on its square q.
  template <bool MAN側, class F>
  void 各駒(F&& f) const {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (MAN側 ? MAN駒(s.盤面[x][y]) : COM駒(s.盤面[x][y])) f(s.盤面[x][y], 升{x, y});
  }
  int 駒(升 q) const { return s.盤面[q.x][q.y]; }
  int 勢力(bool MAN側, 升 q) const { return (MAN側 ? s.表.勢力_MAN : s.表.勢力_COM)[q.x][q.y]; }
  const 持駒& 手駒(bool MAN側) const { return MAN側 ? s.持駒_MAN : s.持駒_COM; }
  // Calls f for every square next to q.
  template <class F>
  void 周り(升 q, F&& f) const {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if ((dx != 0 || dy != 0) && 盤上(q.x + dx, q.y + dy)) f(升{q.x + dx, q.y + dy});
  }
  // True when the piece c on q has a first step to a square on the board
  // that its own side does not hold.
  bool 動ける(int c, 升 q) const {
    const 歩幅& t = 歩幅表(std::abs(c));
    const int f = c < 0 ? -1 : 1;  // MAN moves towards row 1
    for (int i = 0; i < t.n; ++i) {
      const int tx = q.x + t.d[i][0], ty = q.y + t.d[i][1] * f;
      if (!盤上(tx, ty)) continue;
      const int v = s.盤面[tx][ty];
      if (c < 0 ? !MAN駒(v) : !COM駒(v)) return true;
    }
    return false;
  }
};

struct 利き盤の読み {
  const 利き盤& b;

  template <bool MAN側, class F>
  void 各駒(F&& f) const {
    利き表::各升(b.占有(MAN側), [&](int p) { f(b.升の駒(p), p); });
  }
  int 駒(int p) const { return b.升の駒(p); }
  int 勢力(bool MAN側, int p) const { return b.升の勢力(MAN側, p); }
  const 持駒& 手駒(bool MAN側) const { return b.手駒(MAN側); }
  template <class F>
  void 周り(int p, F&& f) const {
    for (const int v : 利き表::向き)
      if (b.升の駒(p + v) != 利き表::壁) f(p + v);
  }
  bool 動ける(int c, int p) const {
    return !利き表::空(利き表::差(利き表::一歩.初歩[駒番号(c)][p], b.占有(c < 0)));
  }
};

// The king terms of one king on q: enemy-borne neighbours and shelter.
template <class 読み, class 升>
int 玉の項(const 読み& r, 升 q, bool MAN側, const 評価重み& w) {
  int 点 = 0;
  int 利かれ = 0, 守り = 0;
  r.周り(q, [&](升 t) {
    利かれ += r.勢力(!MAN側, t) > 0;
    const int v = r.駒(t);
    const int 味方 = MAN側 ? MAN駒(v) : COM駒(v);
    守り += 味方 & static_cast<int>(守り駒[std::abs(v)]);
  });
  点 += 守り * w.玉守り - 利かれ * w.玉周り利き;
  return 点;
}

int 手駒の価値(const 持駒& h, const 評価重み& w) {
  int r = 0;
  for (int i = 1; i <= 持駒種類数; ++i) r += h.枚数[i] * w.駒値[持駒番号の駒[i]];
  return r;
}

// The sum of the terms of one side's pieces on the board.
template <bool MAN側, class 読み>
int 駒の点(const 読み& r, const 評価重み& w) {
  int 点 = 0;
  r.template 各駒<MAN側>([&](int c, auto q) {
    const int a = MAN側 ? -c : c;
    const int v = w.駒値[a];
    点 += v;
    if (a == 王) {
      点 += 玉の項(r, q, MAN側, w);
    } else if (r.勢力(!MAN側, q) > 0) {
      点 -= w.凍結 + v * w.凍結割合 / 100;
      if (r.勢力(MAN側, q) == 0) 点 -= v * w.無援凍結 / 100;
    } else if (!r.動ける(c, q)) {
      点 -= w.動けない;
    }
  });
  return 点;
}

// The score for the side to move of the position r reads.
template <class 読み>
int 評価する(const 読み& r, bool MAN手番, const 評価重み& w) {
  int 点 = 駒の点<true>(r, w) - 駒の点<false>(r, w);  // the lower side's (MAN's) point of view
  点 += (手駒の価値(r.手駒(true), w) - 手駒の価値(r.手駒(false), w)) * (100 + w.持駒割増) / 100;
  return (MAN手番 ? 点 : -点) + w.手番;
}

// The kinds in the order of 駒番号, as 評価の数 counts them.
constexpr std::array<int, 14> 種類の駒 = {歩,   成歩, 香, 成香, 桂, 成桂, 銀,
                                          成銀, 金,   角, 成角, 飛, 成飛, 王};

// Adds the counts of one side's pieces on the board to n, each 符号 (+1
// for the side to move, -1 for the other), as 駒の点 scores them.
template <bool MAN側>
void 駒を数える(const 利き盤の読み& r, int 符号, 評価の数& n) {
  const auto 足す = [符号](std::int8_t& c, int k) { c = static_cast<std::int8_t>(c + 符号 * k); };
  r.各駒<MAN側>([&](int c, int q) {
    const int a = MAN側 ? -c : c;
    const auto k = static_cast<std::size_t>(駒番号(-a));
    足す(n.盤駒[k], 1);
    if (a == 王) {
      r.周り(q, [&](int t) {
        足す(n.玉周り利き, r.勢力(!MAN側, t) > 0);
        const int v = r.駒(t);
        足す(n.玉守り, (MAN側 ? MAN駒(v) : COM駒(v)) && 守り駒[std::abs(v)]);
      });
    } else if (r.勢力(!MAN側, q) > 0) {
      足す(n.凍結, 1);
      足す(n.凍結駒[k], 1);
      if (r.勢力(MAN側, q) == 0) 足す(n.無援[k], 1);
    } else if (!r.動ける(c, q)) {
      足す(n.動けない, 1);
    }
  });
}

}  // namespace

評価の数 評価の数を数える(const 利き盤& b) {
  評価の数 n;
  const 利き盤の読み r{b};
  const int 自 = b.MAN手番 ? 1 : -1;
  駒を数える<true>(r, 自, n);
  駒を数える<false>(r, -自, n);
  for (int i = 1; i <= 持駒種類数; ++i)
    n.手駒[i] = static_cast<std::int8_t>(自 * (b.手駒(true).枚数[i] - b.手駒(false).枚数[i]));
  return n;
}

// Each frozen piece loses its share rounded as the evaluation rounds it,
// and the hands their bonus on the sum, as 評価する does.
int 数の評価(const 評価の数& n, const 評価重み& w) {
  int 点 = w.手番 + w.玉守り * n.玉守り - w.玉周り利き * n.玉周り利き;
  for (std::size_t k = 0; k < 種類の駒.size(); ++k) {
    const int v = w.駒値[static_cast<std::size_t>(種類の駒[k])];
    点 += n.盤駒[k] * v - n.無援[k] * (v * w.無援凍結 / 100) - n.凍結駒[k] * (v * w.凍結割合 / 100);
  }
  int 手 = 0;
  for (int i = 1; i <= 持駒種類数; ++i) 手 += n.手駒[i] * w.駒値[持駒番号の駒[i]];
  return 点 + 手 * (100 + w.持駒割増) / 100 - w.凍結 * n.凍結 - w.動けない * n.動けない;
}

int 駒価値(int 駒) {
  return 既定駒値[static_cast<std::size_t>(std::abs(駒))];
}

int 形勢評価(const 局面& s, bool MAN手番, const 評価重み& w) {
  return 評価する(局面の読み{s}, MAN手番, w);
}

int 形勢評価(const 利き盤& b, const 評価重み& w) {
  return 評価する(利き盤の読み{b}, b.MAN手番, w);
}

namespace {

// A weight by its name: a member of 評価重み, or the value of a kind.
struct 重み項目 {
  std::string_view 名;
  int 評価重み::*場所;
  int 駒;  // the kind when 場所 is null
};
constexpr 重み項目 重み一覧[] = {
    {"歩", nullptr, 歩},
    {"香", nullptr, 香},
    {"桂", nullptr, 桂},
    {"銀", nullptr, 銀},
    {"金", nullptr, 金},
    {"角", nullptr, 角},
    {"飛", nullptr, 飛},
    {"と", nullptr, 成歩},
    {"成香", nullptr, 成香},
    {"成桂", nullptr, 成桂},
    {"成銀", nullptr, 成銀},
    {"馬", nullptr, 成角},
    {"竜", nullptr, 成飛},
    {"持駒割増", &評価重み::持駒割増, 0},
    {"凍結", &評価重み::凍結, 0},
    {"無援凍結", &評価重み::無援凍結, 0},
    {"凍結割合", &評価重み::凍結割合, 0},
    {"動けない", &評価重み::動けない, 0},
    {"玉周り利き", &評価重み::玉周り利き, 0},
    {"玉守り", &評価重み::玉守り, 0},
    {"手番", &評価重み::手番, 0},
    {"進展減衰", &評価重み::進展減衰, 0},
    {"進展猶予", &評価重み::進展猶予, 0},
    {"刈り幅", &評価重み::刈り幅, 0},
    {"千日手回数", &評価重み::千日手回数, 0},
    {"千日手", &評価重み::千日手, 0},
};

constexpr auto 名の一覧 = [] {
  std::array<std::string_view, std::size(重み一覧)> t{};
  for (std::size_t i = 0; i < t.size(); ++i) t[i] = 重み一覧[i].名;
  return t;
}();

// The weight of that name in w, or null.
template <class W>
auto 重みの場所(W& w, std::string_view 名) -> decltype(&w.手番) {
  for (const 重み項目& i : 重み一覧)
    if (i.名 == 名) return i.場所 ? &(w.*(i.場所)) : &w.駒値[static_cast<std::size_t>(i.駒)];
  return nullptr;
}

}  // namespace

std::span<const std::string_view> 重みの名前() {
  return 名の一覧;
}

bool 重みを設定(評価重み& w, std::string_view 名, int 値) {
  int* p = 重みの場所(w, 名);
  if (p) *p = 値;
  return p != nullptr;
}

std::optional<int> 重みの値(const 評価重み& w, std::string_view 名) {
  const int* p = 重みの場所(w, 名);
  if (!p) return std::nullopt;
  return *p;
}

}  // namespace qz
