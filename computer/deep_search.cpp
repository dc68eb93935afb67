#include "computer/deep_search.h"

#include <algorithm>
#include <bitset>
#include <cassert>
#include <chrono>
#include <optional>
#include <unordered_set>

#include "computer/bearing_board.h"
#include "computer/move_order.h"

namespace qz {

探索条件 レベル条件(int レベル) {
  探索条件 c;
  c.時間上限ms = レベル >= 5 ? 1900 : 280;
  return c;
}

namespace {

using Clock = std::chrono::steady_clock;
constexpr int 最大手数 = 96;  // deepest ply of a line, capture search included
constexpr int 無限 = 32000;

enum 境界 : std::uint8_t { 正確 = 1, 下限 = 2, 上限 = 3 };

// One entry of the transposition table.
struct 表項目 {
  局面キー キー = 0;
  std::uint32_t 手 = 0;  // 圧縮 of the best move, 0 for none
  std::int16_t 点 = 0;
  std::int8_t 深さ = 0;
  std::uint8_t 種類 = 0;
};

// A move in 17 bits; never 0 since the destination column is at least 1. A
// drop is told by its kind: column 10 and the hand slot stand for its source.
std::uint32_t 圧縮(const 指し手& m) {
  const int 元 = m.打つ() ? (10 << 4) | 持駒番号(m.元駒) : (m.元X << 4) | m.元Y;
  return static_cast<std::uint32_t>((元 << 9) | (m.先X << 5) | (m.先Y << 1) | (m.成る() ? 1 : 0));
}

// Won and lost scores are kept in the table relative to the node, not the root.
int 表へ(int v, int ply) {
  return v >= 勝敗境 ? v + ply : v <= -勝敗境 ? v - ply : v;
}
int 表から(int v, int ply) {
  return v >= 勝敗境 ? v - ply : v <= -勝敗境 ? v + ply : v;
}

bool 王取り(const 利き盤& b, const 指し手& m) {
  return !m.打つ() && std::abs(b.駒(m.先X, m.先Y)) == 王;
}

}  // namespace

struct 深探索::実装 {
  std::vector<表項目> 表;
  std::uint64_t 表印 = 0;
  利き盤 盤;
  const 探索条件* 条件 = nullptr;
  const 評価重み* 重み = nullptr;
  std::unordered_set<局面キー> 既出;
  // One bit for each value of a key's low bits that some key of 既出 has:
  // most keys are told absent without a look into the set.
  std::bitset<4096> 既出の印;
  std::vector<局面キー> 経路;
  手の列 手[最大手数 + 1];
  手の列 根手;
  std::array<int, 手の列::容量> 順[最大手数 + 1];
  順番取り 取り[最大手数 + 1];
  指し手 キラー[最大手数 + 1][2]{};
  int 履歴[28][10][10]{};
  int 最大履歴 = 0;  // the largest of 履歴
  指し手 読み[最大手数 + 1][最大手数 + 1]{};
  int 読み長[最大手数 + 1]{};
  std::uint64_t 節点 = 0;
  bool 打切 = false;
  Clock::time_point 開始;

  explicit 実装(int ビット) : 表(std::size_t{1} << ビット), 表印((std::size_t{1} << ビット) - 1) {}

  std::int64_t 経過ms() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - 開始).count();
  }

  // Counts a node and sees whether a limit has been reached.
  bool 止まるか() {
    if (打切) return true;
    ++節点;
    if (条件->節点上限 != 0 && 節点 >= 条件->節点上限) 打切 = true;
    if ((節点 & 511) == 0) {
      if (条件->停止 != nullptr && 条件->停止->load(std::memory_order_relaxed)) 打切 = true;
      if (条件->停止確認 && 条件->停止確認()) 打切 = true;
      if (条件->時間上限ms != 0 && 経過ms() >= 条件->時間上限ms) 打切 = true;
    }
    return 打切;
  }

  bool 繰り返し() const {
    const 局面キー k = 盤.キー;
    for (std::size_t i = 経路.size() - 1; i-- > 0;)
      if (経路[i] == k) return true;
    return 既出の印[k & 4095] && 既出.count(k) != 0;
  }

  int 評価() const { return 形勢評価(盤, *重み); }

  // The side to move may take the enemy king: one of its moves is a king capture.
  bool 王を取れる() const { return 盤.王手(!盤.MAN手番); }

  // The order value of a move: table move, captures by value, killers, history.
  int 順位(const 指し手& m, std::uint32_t 表手, int ply) const {
    if (表手 != 0 && 圧縮(m) == 表手) return 1 << 30;
    const int 取 = m.打つ() ? 0 : 盤.駒(m.先X, m.先Y);
    if (取 != 0) return (1 << 24) + 駒価値(取) * 16 - 駒価値(m.元駒) / 16;
    if (m.成る()) return (1 << 23) + 駒価値(m.先駒) - 駒価値(m.元駒);
    if (m == キラー[ply][0]) return 1 << 22;
    if (m == キラー[ply][1]) return (1 << 22) - 1;
    return 履歴[駒番号(m.先駒)][m.先X][m.先Y];
  }

  // Gives every move of 手[ply] its order value in 順[ply].
  void 並べる(int ply, std::uint32_t 表手) {
    const 手の列& v = 手[ply];
    for (std::size_t i = 0; i < v.size(); ++i) 順[ply][i] = 順位(v[i], 表手, ply);
    取り[ply].始める();
  }

  // Moves the best remaining move to position i and returns it.
  const 指し手& 次(int ply, std::size_t i) {
    auto& v = 手[ply];
    auto& o = 順[ply];
    const std::size_t b = 取り[ply].次の位置(o.data(), i, v.size());
    std::swap(v[i], v[b]);
    std::swap(o[i], o[b]);
    return v[i];
  }

  // Makes a move and notes the new position on the line.
  int 指す(const 指し手& m) {
    const int c = 盤.指す(m);
    経路.push_back(盤.キー);
    return c;
  }
  void 戻す(const 指し手& m, int c) {
    経路.pop_back();
    盤.戻す(m, c);
  }

  void 読み更新(int ply, const 指し手& m) {
    読み[ply][ply] = m;
    for (int i = ply + 1; i < 読み長[ply + 1]; ++i) 読み[ply][i] = 読み[ply + 1][i];
    読み長[ply] = std::max(読み長[ply + 1], ply + 1);
  }

  int 静止(int α, int β, int ply, int 深) {
    読み長[ply] = ply;
    if (止まるか()) return 0;
    if (ply > 0 && 繰り返し()) return 0;
    if (ply >= 最大手数) return 評価();
    const bool 王手 = 盤.王手(盤.MAN手番);
    auto& v = 手[ply];
    if (王手) {
      盤.全手(v);
      if (v.empty()) return -(勝ち点 - ply);
    }
    if (王を取れる()) return 勝ち点 - ply;
    int 最良 = -無限;
    int 静的 = -無限;
    if (!王手 || 深 >= 6) {
      最良 = 静的 = 評価();
      if (最良 >= β || 深 >= 6) return 最良;
      α = std::max(α, 最良);
    }
    if (!王手) 盤.取る手(v);  // only now: a side that stands pat needs none
    並べる(ply, 0);
    for (std::size_t i = 0; i < v.size(); ++i) {
      const 指し手 m = 次(ply, i);
      if (!王手 && !m.成る() && 静的 + 駒価値(盤.駒(m.先X, m.先Y)) + 200 < α) continue;
      const int c = 指す(m);
      const int 点 = -静止(-β, -α, ply + 1, 深 + 1);
      戻す(m, c);
      if (打切) return 0;
      if (点 > 最良) {
        最良 = 点;
        if (点 > α) {
          α = 点;
          読み更新(ply, m);
          if (点 >= β) break;
        }
      }
    }
    return 最良;
  }

  // The capture a frontier node without a table move would search first,
  // found without listing its other moves: the first of the best order value
  // among the captures, which is first in the whole list too when no
  // history value reaches it (killers and promotions never do). Nothing
  // when there is no capture or history might reach it. A frontier node's
  // children change no history or killer, so the whole list, made later,
  // orders its moves as it would have before the capture was searched.
  std::optional<指し手> 先に取る(int ply) {
    手の列& v = 手[ply];
    盤.取る手(v);
    int 最高 = -無限;
    std::size_t b = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
      const int o = 順位(v[i], 0, ply);
      if (o > 最高) 最高 = o, b = i;
    }
    if (v.empty() || 最高 <= 最大履歴) return std::nullopt;
    return v[b];
  }

  // The score of m searched as the i-th move of a node: the first with the
  // node's window, the others with a null window, reduced when 減らせる and
  // late, and searched again when they beat α.
  int 子を探す(const 指し手& m, std::size_t i, bool 減らせる, int 深さ, int α, int β, int ply) {
    const int c = 指す(m);
    int 点;
    if (i == 0) {
      点 = -節(深さ - 1, -β, -α, ply + 1, true);
    } else {
      const int 減 = (深さ >= 3 && i >= 3 && 減らせる) ? (i >= 10 ? 2 : 1) : 0;
      点 = -節(深さ - 1 - 減, -α - 1, -α, ply + 1, true);
      if (点 > α && 減 > 0) 点 = -節(深さ - 1, -α - 1, -α, ply + 1, true);
      if (点 > α && 点 < β) 点 = -節(深さ - 1, -β, -α, ply + 1, true);
    }
    戻す(m, c);
    return 点;
  }

  int 節(int 深さ, int α, int β, int ply, bool 空手可) {
    読み長[ply] = ply;
    if (ply > 0 && 繰り返し()) return 0;
    if (深さ <= 0 || ply >= 最大手数) return 静止(α, β, ply, 0);
    if (止まるか()) return 0;
    const bool pv = β - α > 1;
    表項目& e = 表[盤.キー & 表印];
    std::uint32_t 表手 = 0;
    if (e.キー == 盤.キー) {
      表手 = e.手;
      const int t = 表から(e.点, ply);
      if (!pv && ply > 0 && e.深さ >= 深さ &&
          (e.種類 == 正確 || (e.種類 == 下限 && t >= β) || (e.種類 == 上限 && t <= α)))
        return t;
    }
    auto& v = 手[ply];
    // A frontier node lists its moves only when its best capture has not
    // refuted it already (see 先に取る); a side with no move has no capture
    // of the king either, so the order of the two tests does not matter.
    const bool 前線 = 深さ == 1 && ply > 0 && 表手 == 0;
    if (!前線) {
      盤.全手(v);
      if (v.empty()) return -(勝ち点 - ply);
    }
    if (王を取れる()) return 勝ち点 - ply;
    const bool 王手 = 盤.王手(盤.MAN手番);
    if (王手) ++深さ;  // a check has few answers: look one ply further
    if (!pv && 空手可 && !王手 && 深さ >= 3 && ply > 0 && 評価() >= β) {
      盤.手番交代();
      経路.push_back(盤.キー);
      const int 点 = -節(深さ - 3, -β, -β + 1, ply + 1, false);
      経路.pop_back();
      盤.手番交代();
      if (打切) return 0;
      if (点 >= β) return 点 >= 勝敗境 ? β : 点;
    }
    const int 元α = α;
    int 最良 = -無限;
    指し手 最善{};
    // Notes the score of a move just searched; true when it refutes the node.
    const auto 記す = [&](const 指し手& m, bool 静か, int 点) {
      if (点 <= 最良) return false;
      最良 = 点;
      最善 = m;
      if (点 <= α) return false;
      α = 点;
      読み更新(ply, m);
      if (ply == 0) 根最善 = m, 根点 = 点, 根あり = true;
      if (点 < β) return false;
      if (静か) {
        if (!(m == キラー[ply][0])) キラー[ply][1] = キラー[ply][0], キラー[ply][0] = m;
        int& h = 履歴[駒番号(m.先駒)][m.先X][m.先Y];
        h += 深さ * 深さ;
        最大履歴 = std::max(最大履歴, h);
      }
      return true;
    };
    std::optional<指し手> 先 = 前線 && !王手 ? 先に取る(ply) : std::nullopt;
    bool 済み = false;
    if (先) {
      const int 点 = 子を探す(*先, 0, false, 深さ, α, β, ply);
      if (打切) return 0;
      済み = 記す(*先, false, 点);
    }
    if (前線 && !済み) {
      盤.全手(v);
      if (v.empty()) return -(勝ち点 - ply);
    }
    if (!済み) 並べる(ply, 表手);
    for (std::size_t i = 0; !済み && i < v.size(); ++i) {
      const 指し手 m = 次(ply, i);
      if (i == 0 && 先) {
        assert(m == *先);  // the list puts first what was searched first
        continue;
      }
      const bool 静か = (m.打つ() || 盤.駒(m.先X, m.先Y) == 0) && !m.成る();
      const int 点 = 子を探す(m, i, 静か && !王手, 深さ, α, β, ply);
      if (打切) return 0;
      if (記す(m, 静か, 点)) break;
    }
    e.キー = 盤.キー;
    e.手 = 圧縮(最善);
    e.点 = static_cast<std::int16_t>(表へ(最良, ply));
    e.深さ = static_cast<std::int8_t>(std::min(深さ, 127));
    e.種類 = 最良 >= β ? 下限 : 最良 > 元α ? 正確 : 上限;
    return 最良;
  }

  指し手 根最善{};
  int 根点 = 0;
  bool 根あり = false;
};

深探索::深探索(int 表ビット) : p(std::make_unique<実装>(表ビット)) {}
深探索::~深探索() = default;

深探索結果 深探索::探索(const 局面& s, bool MAN手番, const std::vector<局面キー>& 既出,
                        const 探索条件& 条件) {
  実装& q = *p;
  std::fill(q.表.begin(), q.表.end(), 表項目{});
  std::fill(&q.履歴[0][0][0], &q.履歴[0][0][0] + sizeof(q.履歴) / sizeof(int), 0);
  q.最大履歴 = 0;
  for (auto& k : q.キラー) k[0] = k[1] = 指し手{};
  q.条件 = &条件;
  q.重み = &重み;
  q.節点 = 0;
  q.打切 = false;
  q.開始 = Clock::now();
  q.盤.設定(s, MAN手番);
  q.既出 = std::unordered_set<局面キー>(既出.begin(), 既出.end());
  q.既出の印.reset();
  for (const 局面キー k : 既出) q.既出の印.set(k & 4095);
  q.経路.assign(1, q.盤.キー);

  深探索結果 r;
  手の列& 根 = q.根手;
  q.盤.全手(根);
  if (根.empty()) return r;
  r.指し手あり = true;
  r.最善 = 根.front();
  for (const 指し手& m : 根)
    if (王取り(q.盤, m)) {
      r.最善 = m;
      r.報告 = {1, 勝ち点 - 1, 1, q.経過ms(), {m}};
      if (条件.報告) 条件.報告(r.報告);
      return r;
    }
  for (int d = 1; d <= 条件.深さ上限; ++d) {
    q.根あり = false;
    const int 点 = q.節(d, -無限, 無限, 0, false);
    if (q.打切) {
      // A root move that beat the previous best before the stop is still better.
      if (q.根あり && !(q.根最善 == r.最善) && q.根点 > r.報告.評価) r.最善 = q.根最善;
      break;
    }
    r.最善 = q.読み長[0] > 0 ? q.読み[0][0] : q.根最善;
    r.報告 = {d, 点, q.節点, q.経過ms(), {}};
    r.報告.読み筋.assign(&q.読み[0][0], &q.読み[0][0] + q.読み長[0]);
    if (条件.報告) 条件.報告(r.報告);
    if (std::abs(点) >= 勝敗境 && d > 勝ち点 - std::abs(点)) break;  // the result is sure
    if (条件.時間上限ms != 0 && q.経過ms() * 5 >= 条件.時間上限ms * 2) break;
  }
  r.報告.節点 = q.節点;
  r.報告.経過ms = q.経過ms();
  return r;
}

}  // namespace qz
