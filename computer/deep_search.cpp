#include "computer/deep_search.h"

#include <algorithm>
#include <cassert>
#include <thread>

#include "computer/deep_node.h"

namespace qz {

探索条件 レベル条件(int レベル) {
  探索条件 c;
  const レベル段* l = レベルを探す(レベル);
  if (l == nullptr) return c;
  c.節点上限 = l->節点上限;
  c.時間上限ms = l->時間上限ms;
  if (c.節点上限 != 0) c.糸数上限 = 1;
  c.表を残す = c.時間上限ms != 0;
  c.刈り込む = c.時間上限ms != 0;
  return c;
}

namespace {

bool 王取り(const 利き盤& b, const 指し手& m) {
  return !m.打つ() && std::abs(b.駒(m.先X, m.先Y)) == 王;
}

// Whether a helper thread skips a depth, so that the threads spread over
// neighbouring depths instead of all searching the same one: helper n skips
// the depths that fall in every other block of 幅[j] depths, shifted by 位相[j].
bool 飛ばす(int 番号, int 深さ) {
  static constexpr int 幅[] = {1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4};
  static constexpr int 位相[] = {0, 1, 0, 1, 2, 3, 0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 6, 7};
  if (番号 == 0) return false;
  const int j = (番号 - 1) % 20;
  return ((深さ + 位相[j]) / 幅[j]) % 2 != 0;
}

// What one thread finished: its deepest whole depth's best move, score and line.
struct 糸の結果 {
  int 深さ = 0;
  候補行 行;
};

// The line the thread's last root search left, led by its best move.
候補行 根の行(const 探索糸& t, int 点) {
  候補行 l;
  l.手 = t.読み長[0] > 0 ? t.読み[0][0] : t.根最善;
  l.評価 = 点;
  l.読み筋.assign(&t.読み[0][0], &t.読み[0][0] + t.読み長[0]);
  return l;
}

// True when a won or lost score is sure at this depth: the capture lies
// within it, so no deeper search changes it.
bool 確定(int 点, int 深さ) {
  return std::abs(点) >= 勝敗境 && 深さ > 勝ち点 - std::abs(点);
}

}  // namespace

struct 深探索::実装 {
  探索共有 共;
  std::vector<std::unique_ptr<探索糸>> 糸;
  std::vector<糸の結果> 結果;

  explicit 実装(int ビット) : 共(ビット) { 糸数(1); }

  void 糸数(int n) {
    assert(n >= 1 && n <= 最大糸数);
    糸.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
      if (!糸[i]) 糸[i] = std::make_unique<探索糸>(共, i);
    for (int i = 0; i < n; ++i) {
      糸[i]->他の糸.clear();
      for (int j = 0; j < n; ++j)
        if (j != i) 糸[i]->他の糸.push_back(&糸[j]->公開節点);
    }
    結果.assign(static_cast<std::size_t>(n), {});
  }

  std::uint64_t 全節点() const {
    std::uint64_t n = 0;
    for (const auto& t : 糸) n += t->節点;
    return n;
  }

  // A helper's own deepening, until the depth limit or the shared stop.
  void 助ける(int 番号) {
    探索糸& t = *糸[番号];
    for (int d = 1; d <= 共.条件->深さ上限 && !t.打切; ++d) {
      if (飛ばす(番号, d)) continue;
      const int 点 = t.根(d, -無限, 無限);
      if (t.打切) break;
      結果[番号] = {d, 根の行(t, 点)};
      if (確定(点, d)) break;
    }
  }

  // The lines of one depth on the main thread: the best root move, then the
  // best of the others, and so on, 候補数 of them; empty when stopped first.
  std::vector<候補行> 一深さ(int d, std::size_t 候補数) {
    探索糸& t = *糸[0];
    std::vector<候補行> 行;
    t.除外.clear();
    while (行.size() < 候補数) {
      const int 点 = t.根(d, -無限, 無限);
      if (t.打切) break;
      行.push_back(根の行(t, 点));
      t.除外.push_back(圧縮(行.back().手));
    }
    t.除外.clear();
    if (t.打切 && 行.size() < 候補数) 行.clear();
    std::stable_sort(行.begin(), 行.end(),
                     [](const 候補行& a, const 候補行& b) { return a.評価 > b.評価; });
    return 行;
  }

  // The main thread's deepening, with a report after each whole depth.
  void 深める(深探索結果& r, std::size_t 根手数) {
    const 探索条件& c = *共.条件;
    探索糸& t = *糸[0];
    const std::size_t 候補数 = std::min<std::size_t>(std::max(c.候補数, 1), 根手数);
    for (int d = 1; d <= c.深さ上限; ++d) {
      std::vector<候補行> 行 = 一深さ(d, 候補数);
      if (行.empty()) {
        // A root move that beat the previous best before the stop is still
        // better; stopped within the first depth, the best move searched so
        // far is better than the first move of the list.
        if (t.根あり && (d == 1 || (!(t.根最善 == r.最善) && t.根点 > r.報告.評価)))
          r.最善 = t.根最善;
        break;
      }
      r.最善 = 行[0].手;
      r.報告 = {d, 行[0].評価, t.節点 + t.他の節点, 共.経過ms(), 行[0].読み筋, std::move(行)};
      結果[0] = {d, r.報告.候補[0]};
      if (c.報告) c.報告(r.報告);
      if (確定(r.報告.評価, d)) break;
      if (c.目安ms != 0 ? 共.経過ms() >= c.目安ms
                        : c.時間上限ms != 0 && 共.経過ms() * 5 >= c.時間上限ms * 2)
        break;
    }
  }

  // A helper that finished a deeper depth with a better score has the better move.
  void 助けを採る(深探索結果& r) const {
    if (共.条件->候補数 > 1) return;
    const 糸の結果* b = &結果[0];
    for (const 糸の結果& x : 結果)
      if (x.深さ > b->深さ && x.行.評価 > b->行.評価) b = &x;
    if (b == &結果[0] || b->深さ == 0) return;
    r.最善 = b->行.手;
    r.報告.深さ = b->深さ;
    r.報告.評価 = b->行.評価;
    r.報告.読み筋 = b->行.読み筋;
    r.報告.候補 = {b->行};
  }
};

深探索::深探索(int 表ビット) : p(std::make_unique<実装>(表ビット)) {}
深探索::~深探索() = default;

void 深探索::表の大きさ(int ビット) {
  p->共.表.大きさ(ビット);
}
int 深探索::表ビット() const {
  return p->共.表.ビット();
}
void 深探索::糸数を設定(int 数) {
  p->糸数(std::clamp(数, 1, 最大糸数));
}
int 深探索::糸数() const {
  return static_cast<int>(p->糸.size());
}

深探索結果 深探索::探索(const 局面& s, bool MAN手番, const 既出列& 既出,
                        const 探索条件& 条件) {
  実装& q = *p;
  q.共.始める(条件, 重み, 既出);
  for (auto& t : q.糸) t->始める(s, MAN手番);
  std::fill(q.結果.begin(), q.結果.end(), 糸の結果{});
  探索糸& 主 = *q.糸[0];

  深探索結果 r;
  手の列& 根 = 主.手[最大手数];  // the deepest list is free before the search starts
  主.盤.全手(根);
  if (根.empty()) return r;
  r.指し手あり = true;
  r.最善 = 根.front();
  for (const 指し手& m : 根)
    if (王取り(主.盤, m)) {
      r.最善 = m;
      r.報告 = {1, 勝ち点 - 1, 1, q.共.経過ms(), {m}, {{m, 勝ち点 - 1, {m}}}};
      if (条件.報告) 条件.報告(r.報告);
      return r;
    }
  const std::size_t 根手数 = 根.size();
  const int 使う糸 = 条件.糸数上限 > 0 ? std::min(糸数(), 条件.糸数上限) : 糸数();
  std::vector<std::thread> 助手;
  for (int i = 1; i < 使う糸; ++i) 助手.emplace_back([&q, i] { q.助ける(i); });
  q.深める(r, 根手数);
  q.共.止め = true;
  for (auto& t : 助手) t.join();
  q.助けを採る(r);
  r.報告.節点 = q.全節点();
  r.報告.経過ms = q.共.経過ms();
  return r;
}

}  // namespace qz
