#include "computer/mate_search.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <optional>

#include "computer/bearing_board.h"

namespace qz {
namespace {

constexpr std::uint32_t 無限大 = 0x3FFFFFFF;
constexpr int 最大深さ = 160;  // a line longer than this is not followed

std::uint32_t 足す(std::uint32_t a, std::uint32_t b) {
  return std::min(a + b, 無限大);  // both at most 無限大: no overflow
}

// A node's proof and disproof numbers and, once proved, its plies to the win.
struct 値 {
  std::uint32_t pn = 1, dn = 1;
  std::uint16_t 距離 = 0;
};

// The table of the mate search: buckets of four entries; a new position
// takes the place of the entry that cost the least work.
class 詰み表 {
 public:
  explicit 詰み表(int ビット) : 項目_(std::size_t{1} << ビット), 印_((項目_.size() >> 2) - 1) {}
  void 消す() { std::fill(項目_.begin(), 項目_.end(), 項目{}); }
  std::optional<値> 読む(局面キー k) const {
    const 項目* b = &項目_[(k & 印_) << 2];
    for (int i = 0; i < 4; ++i)
      if (b[i].量 != 0 && b[i].キー == k) return b[i].v;
    return std::nullopt;
  }
  void 書く(局面キー k, const 値& v, std::uint64_t 量) {
    項目* b = &項目_[(k & 印_) << 2];
    項目* 先 = b;
    for (int i = 0; i < 4; ++i) {
      if (b[i].量 != 0 && b[i].キー == k) {
        先 = &b[i];
        break;
      }
      if (b[i].量 < 先->量) 先 = &b[i];
    }
    *先 = {k, v, static_cast<std::uint32_t>(std::clamp<std::uint64_t>(量, 1, 無限大))};
  }

 private:
  struct 項目 {
    局面キー キー = 0;
    値 v;
    std::uint32_t 量 = 0;  // the nodes its last search took; 0 for an empty entry
  };
  std::vector<項目> 項目_;
  std::uint64_t 印_;
};

// The king capture among the moves, if the side to move has one.
std::optional<指し手> 王を取る手(const 利き盤& b, const 手の列& v) {
  for (const 指し手& m : v)
    if (!m.打つ() && std::abs(b.駒(m.先X, m.先Y)) == 王) return m;
  return std::nullopt;
}

}  // namespace

struct 詰み探索::実装 {
  詰み表 表;
  利き盤 盤;
  std::vector<局面キー> 経路;  // the keys of the nodes from the root to the current one
  std::vector<手の列> 手 = std::vector<手の列>(最大深さ + 1);
  const 詰み条件* 条件 = nullptr;
  std::uint64_t 節点 = 0;
  bool 打切 = false;
  bool 上限なし = false;  // while the line is made: a proof lost from the table is made again
  std::chrono::steady_clock::time_point 開始;
  std::int64_t 時計の始め = 0;

  explicit 実装(int ビット) : 表(ビット) {}

  std::int64_t 経過ms() const {
    if (条件->時計) return 条件->時計() - 時計の始め;
    const auto d = std::chrono::steady_clock::now() - 開始;
    return std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
  }

  void 限度を見る() {
    const 詰み条件& c = *条件;
    if (!上限なし && c.節点上限 != 0 && 節点 >= c.節点上限) 打切 = true;
    if ((節点 & 1023) != 0) return;
    if (c.停止 != nullptr && c.停止->load(std::memory_order_relaxed)) 打切 = true;
    if (c.停止確認 && c.停止確認()) 打切 = true;
    if (c.時間上限ms != 0 && 経過ms() >= c.時間上限ms) 打切 = true;
  }

  bool 王を取れる() const { return 盤.王手(!盤.MAN手番); }

  // Lists the node's moves in 手[ply] (the attacker's checks, or the
  // defender's answers that save its king), or gives the value of a node
  // decided without them.
  std::optional<値> 手を作る(int ply, bool 攻め) {
    手の列& v = 手[ply];
    if (王を取れる()) return 攻め ? 値{0, 無限大, 1} : 値{無限大, 0, 0};
    盤.全手(v);
    if (v.empty()) return 攻め ? 値{無限大, 0, 0} : 値{0, 無限大, 0};  // no move: lost
    std::size_t n = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
      const 指し手 m = v[i];
      const int c = 盤.指す(m);
      // After the move: is the defender's king attacked (a check) or not (saved)?
      const bool 王が危ない = 盤.王手(攻め ? 盤.MAN手番 : !盤.MAN手番);
      盤.戻す(m, c);
      if (王が危ない == 攻め) v[n++] = m;
    }
    v.縮める(n);
    if (n == 0) return 攻め ? 値{無限大, 0, 0} : 値{0, 無限大, 2};  // every answer loses the king
    return std::nullopt;
  }

  // The value of the child a move leads to, as far as the table knows: a
  // position already on the path, or too deep, is no win.
  値 子の値(const 指し手& m, int ply) const {
    const 局面キー k = 盤.後のキー(m);
    if (ply + 1 >= 最大深さ || std::find(経路.begin(), 経路.end(), k) != 経路.end())
      return {無限大, 0, 0};
    return 表.読む(k).value_or(値{});
  }

  // The node's numbers from its children: at the attacker's node the
  // smallest proof number and the sum of the disproof numbers, at the
  // defender's the other way round; 最良 is the child to search next and
  // 次点 the second smallest of the numbers it was chosen by.
  struct 集計 {
    値 v;
    std::size_t 最良 = 0;
    std::uint32_t 次点 = 無限大;
    値 最良の値;
  };
  集計 集める(int ply, bool 攻め) const {
    集計 r;
    r.v = 攻め ? 値{無限大, 0, 0} : 値{0, 無限大, 0};
    std::uint32_t 最小 = 無限大 + 1;
    std::uint16_t 最短 = 0xFFFF, 最長 = 0;
    const 手の列& v = 手[ply];
    for (std::size_t i = 0; i < v.size(); ++i) {
      const 値 c = 子の値(v[i], ply);
      const std::uint32_t 選ぶ数 = 攻め ? c.pn : c.dn;
      if (選ぶ数 < 最小) {
        r.次点 = 最小;
        最小 = 選ぶ数, r.最良 = i, r.最良の値 = c;
      } else if (選ぶ数 < r.次点) {
        r.次点 = 選ぶ数;
      }
      if (攻め) {
        r.v.pn = std::min(r.v.pn, c.pn), r.v.dn = 足す(r.v.dn, c.dn);
        if (c.pn == 0) 最短 = std::min(最短, c.距離);
      } else {
        r.v.pn = 足す(r.v.pn, c.pn), r.v.dn = std::min(r.v.dn, c.dn);
        最長 = std::max(最長, c.距離);
      }
    }
    r.次点 = std::min(r.次点, 無限大);
    if (r.v.pn == 0) r.v.距離 = static_cast<std::uint16_t>((攻め ? 最短 : 最長) + 1);
    return r;
  }

  // Searches the node at ply until its proof number reaches thpn or its
  // disproof number thdn, and leaves its numbers in the table.
  void 探る(int ply, bool 攻め, std::uint32_t thpn, std::uint32_t thdn) {
    ++節点;
    限度を見る();
    const 局面キー key = 盤.キー;
    const std::uint64_t 始め = 節点;
    if (const auto t = 手を作る(ply, 攻め)) {
      表.書く(key, *t, 1);
      return;
    }
    集計 a = 集める(ply, 攻め);
    while (!打切 && a.v.pn < thpn && a.v.dn < thdn) {
      std::uint32_t 子pn, 子dn;
      if (攻め) {
        子pn = std::min<std::uint32_t>(thpn, 足す(a.次点, 1));
        子dn = 足す(thdn - a.v.dn, a.最良の値.dn);
      } else {
        子dn = std::min<std::uint32_t>(thdn, 足す(a.次点, 1));
        子pn = 足す(thpn - a.v.pn, a.最良の値.pn);
      }
      const 指し手 m = 手[ply][a.最良];
      const int c = 盤.指す(m);
      経路.push_back(盤.キー);
      探る(ply + 1, !攻め, 子pn, 子dn);
      経路.pop_back();
      盤.戻す(m, c);
      if (!打切) a = 集める(ply, 攻め);
    }
    if (!打切) 表.書く(key, a.v, 節点 - 始め + 1);
  }

  // The value of the current node, searched again when the table lost it.
  std::optional<値> 証明を確かめる(int ply, bool 攻め) {
    auto v = 表.読む(盤.キー);
    if (!v || v->pn != 0) {
      探る(ply, 攻め, 無限大 - 1, 無限大 - 1);
      v = 表.読む(盤.キー);
    }
    if (!v || v->pn != 0) return std::nullopt;
    return v;
  }

  // Of the node's listed moves, the one a proved line takes: the attacker's
  // quickest win, the defender's longest resistance. Nothing when no child
  // is proved.
  std::optional<指し手> 証明の手(int ply, bool 攻め) const {
    std::optional<指し手> r;
    int 最良 = 攻め ? 0x10000 : -1;
    for (const 指し手& m : 手[ply]) {
      const 値 c = 子の値(m, ply);
      if (c.pn != 0) {
        if (!攻め) return std::nullopt;  // a defence the table does not show refuted
        continue;
      }
      if (攻め ? c.距離 < 最良 : c.距離 > 最良) 最良 = c.距離, r = m;
    }
    return r;
  }

  // Follows the proof from the root (already proved) and writes its line.
  // A node whose children the table has lost is searched again first.
  bool 手順を作る(std::vector<指し手>& 手順) {
    上限なし = true;
    struct 済 {
      指し手 m;
      int c;
    };
    std::vector<済> 指した;
    bool ok = false;
    for (int ply = 0; ply < 最大深さ && !打切; ++ply) {
      const bool 攻め = ply % 2 == 0;
      if (!証明を確かめる(ply, 攻め)) break;
      const auto 決まり = 手を作る(ply, 攻め);
      if (決まり) {
        ok = 終わりを書く(ply, 攻め, 決まり->距離, 手順);
        break;
      }
      auto m = 証明の手(ply, 攻め);
      if (!m) {  // a child lost from the table: prove the node again
        探る(ply, 攻め, 無限大 - 1, 無限大 - 1);
        手を作る(ply, 攻め);
        m = 証明の手(ply, 攻め);
      }
      if (!m) break;
      手順.push_back(*m);
      指した.push_back({*m, 盤.指す(*m)});
      経路.push_back(盤.キー);
    }
    for (auto i = 指した.rbegin(); i != 指した.rend(); ++i) 経路.pop_back(), 盤.戻す(i->m, i->c);
    上限なし = false;
    return ok;
  }

  // The end of a proved line at a node decided without listing its moves:
  // the attacker takes the king now, or the defender has no move at all, or
  // every move of the defender lets the attacker take the king.
  bool 終わりを書く(int ply, bool 攻め, int 距離, std::vector<指し手>& 手順) {
    if (距離 == 0) return true;
    手の列& v = 手[ply];
    盤.全手(v);
    if (攻め) {
      const auto k = 王を取る手(盤, v);
      if (k) 手順.push_back(*k);
      return k.has_value();
    }
    assert(距離 == 2 && !v.empty());
    const 指し手 m = v[0];
    const int c = 盤.指す(m);
    手の列& w = 手[ply + 1];
    盤.全手(w);
    const auto k = 王を取る手(盤, w);
    盤.戻す(m, c);
    if (!k) return false;
    手順.push_back(m);
    手順.push_back(*k);
    return true;
  }
};

詰み探索::詰み探索(int 表ビット) : p(std::make_unique<実装>(std::clamp(表ビット, 16, 26))) {}
詰み探索::~詰み探索() = default;

詰み結果 詰み探索::探す(const 局面& s, bool MAN手番, const 詰み条件& 条件) {
  実装& q = *p;
  q.表.消す();
  q.条件 = &条件;
  q.節点 = 0;
  q.打切 = false;
  q.開始 = std::chrono::steady_clock::now();
  q.時計の始め = 条件.時計 ? 条件.時計() : 0;
  q.盤.設定(s, MAN手番);
  q.経路.assign(1, q.盤.キー);
  q.探る(0, true, 無限大 - 1, 無限大 - 1);
  詰み結果 r;
  const auto v = q.表.読む(q.盤.キー);
  if (!q.打切 && v && v->pn == 0 && q.手順を作る(r.手順)) r.判定 = 詰み判定::勝ち;
  else if (!q.打切 && v && v->dn == 0) r.判定 = 詰み判定::勝ちなし;
  if (r.判定 != 詰み判定::勝ち) r.手順.clear();
  r.節点 = q.節点;
  r.経過ms = q.経過ms();
  return r;
}

}  // namespace qz
