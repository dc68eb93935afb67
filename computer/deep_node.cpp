#include "computer/deep_node.h"

#include <algorithm>
#include <cassert>
#include <unordered_map>

namespace qz {
namespace {

// Won and lost scores are kept in the table relative to the node, not the root.
int 表へ(int v, int ply) {
  return v >= 勝敗境 ? v + ply : v <= -勝敗境 ? v - ply : v;
}
int 表から(int v, int ply) {
  return v >= 勝敗境 ? v - ply : v <= -勝敗境 ? v + ply : v;
}

}  // namespace

// A drop is told by its kind: column 10 and the hand slot stand for its source.
std::uint32_t 圧縮(const 指し手& m) {
  const int 元 = m.打つ() ? (10 << 4) | 持駒番号(m.元駒) : (m.元X << 4) | m.元Y;
  return static_cast<std::uint32_t>((元 << 9) | (m.先X << 5) | (m.先Y << 1) | (m.成る() ? 1 : 0));
}

void 探索共有::始める(const 探索条件& c, const 評価重み& w, const 既出列& 既出局面) {
  条件 = &c;
  重み = &w;
  if (!c.表を残す || !表.使った()) 表.新しい探索();
  止め = false;
  既出.clear();
  既出の印.reset();
  std::unordered_map<局面キー, int> 回数;
  const int 要る回数 = std::max(1, w.千日手回数);
  for (const auto& e : 既出局面) {
    if (++回数[e.キー] != 要る回数) continue;
    既出.insert(e.キー);
    既出の印.set(e.キー & 4095);
  }
  既出の順 = 既出局面;
  開始 = std::chrono::steady_clock::now();
  時計の始め = c.時計 ? c.時計() : 0;
}

std::int64_t 探索共有::経過ms() const {
  if (条件->時計) return 条件->時計() - 時計の始め;
  const auto d = std::chrono::steady_clock::now() - 開始;
  return std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
}

void 探索糸::始める(const 局面& s, bool MAN手番) {
  std::fill(&履歴[0][0][0], &履歴[0][0][0] + sizeof(履歴) / sizeof(int), 0);
  最大履歴 = 0;
  for (auto& k : キラー) k[0] = k[1] = 指し手{};
  節点 = 0;
  公開節点 = 0;
  他の節点 = 0;
  打切 = false;
  除外.clear();
  盤.設定(s, MAN手番);
  経路.assign(1, 盤.キー);
  経路の王手.assign(1, 盤.王に利き(盤.MAN手番));
  経路の進展.assign(1, 共.条件 ? 共.条件->進展なし : 0);
}

// The score of the position for the side to move; with 進展減衰, a line
// that has gone long without a capture or promotion is worth less to
// either side, so that the side ahead looks for one.
int 探索糸::評価() const {
  const 評価重み& w = *共.重み;
  const int 点 = 形勢評価(盤, w);
  const int n = 経路の進展.back() - w.進展猶予;
  if (w.進展減衰 <= 0 || n <= 0) return 点;
  return 点 * (1000 - std::min(500, n * w.進展減衰)) / 1000;
}

// Every few hundred nodes: every thread reads the other threads' nodes
// (so that the node limit holds even when one of them is kept waiting)
// and the shared stop; the main thread also the time and the requests.
void 探索糸::限度を見る() {
  公開節点.store(節点, std::memory_order_relaxed);
  const 探索条件& c = *共.条件;
  他の節点 = 0;
  for (const auto* n : 他の糸) 他の節点 += n->load(std::memory_order_relaxed);
  if (番号 != 0) {
    if (共.止め.load(std::memory_order_relaxed)) 打切 = true;
    return;
  }
  if (c.停止 != nullptr && c.停止->load(std::memory_order_relaxed)) 打切 = true;
  if (c.停止確認 && c.停止確認()) 打切 = true;
  if (c.時間上限ms != 0 && 共.経過ms() >= c.時間上限ms) 打切 = true;
  if (打切) 共.止め = true;
}

// Counts a node and sees whether a limit has been reached.
bool 探索糸::止まるか() {
  if (打切) return true;
  ++節点;
  const std::uint64_t 上限 = 共.条件->節点上限;
  if (上限 != 0 && 節点 + 他の節点 >= 上限) 打切 = true, 共.止め = true;
  if ((節点 & 511) == 0) 限度を見る();
  return 打切;
}

bool 探索糸::繰り返し() const {
  const 局面キー k = 盤.キー;
  for (std::size_t i = 経路.size() - 1; i-- > 0;)
    if (経路[i] == k) return true;
  return 共.既出の印[k & 4095] && 共.既出.count(k) != 0;
}

// A repetition's score for the side to move at ply. A side that checked
// with every move since the position came before loses (both doing so is a
// draw); otherwise the repetition is worth 重み.千日手 to the searching side,
// which moves at even plies (a null move changes the side and the ply
// together).
int 探索糸::千日手点(int ply) const {
  const 局面キー k = 盤.キー;
  bool 続けた[2] = {true, true};  // [0] the side that just moved, [1] the side to move
  int d = 0;                      // how many positions back from the current one
  const auto 足す = [&](bool 王手) { 続けた[d++ % 2] &= 王手; };
  bool 見つけた = false;
  for (std::size_t i = 経路.size(); i-- > 0 && !見つけた;) {
    if (d > 0 && 経路[i] == k)
      見つけた = true;
    else
      足す(経路の王手[i] != 0);
  }
  for (std::size_t i = 0; i < 共.既出の順.size() && !見つけた; ++i) {
    if (共.既出の順[i].キー == k)
      見つけた = true;
    else
      足す(共.既出の順[i].王手);
  }
  if (見つけた && 続けた[0] != 続けた[1]) return 続けた[0] ? 反則点 : -反則点;
  return ply % 2 == 0 ? 共.重み->千日手 : -共.重み->千日手;
}

// The order value of a move: table move, captures by value, killers, history.
int 探索糸::順位(const 指し手& m, std::uint32_t 表手, int ply) const {
  if (表手 != 0 && 圧縮(m) == 表手) return 1 << 30;
  const int 取 = m.打つ() ? 0 : 盤.駒(m.先X, m.先Y);
  if (取 != 0) return (1 << 24) + 駒価値(取) * 16 - 駒価値(m.元駒) / 16;
  if (m.成る()) return (1 << 23) + 駒価値(m.先駒) - 駒価値(m.元駒);
  if (m == キラー[ply][0]) return 1 << 22;
  if (m == キラー[ply][1]) return (1 << 22) - 1;
  return 履歴[駒番号(m.先駒)][m.先X][m.先Y];
}

// Gives every move of 手[ply] its order value in 順[ply].
void 探索糸::並べる(int ply, std::uint32_t 表手) {
  const 手の列& v = 手[ply];
  for (std::size_t i = 0; i < v.size(); ++i) 順[ply][i] = 順位(v[i], 表手, ply);
  取り[ply].始める();
}

// Moves the best remaining move to position i and returns it.
const 指し手& 探索糸::次(int ply, std::size_t i) {
  auto& v = 手[ply];
  auto& o = 順[ply];
  const std::size_t b = 取り[ply].次の位置(o.data(), i, v.size());
  std::swap(v[i], v[b]);
  std::swap(o[i], o[b]);
  return v[i];
}

// Makes a move and notes the new position on the line.
int 探索糸::指す(const 指し手& m) {
  const int c = 盤.指す(m);
  経路.push_back(盤.キー);
  経路の王手.push_back(盤.王に利き(盤.MAN手番));
  経路の進展.push_back(c != 0 || m.成る() ? 0 : 経路の進展.back() + 1);
  return c;
}

void 探索糸::戻す(const 指し手& m, int c) {
  経路.pop_back();
  経路の王手.pop_back();
  経路の進展.pop_back();
  盤.戻す(m, c);
}

void 探索糸::読み更新(int ply, const 指し手& m) {
  読み[ply][ply] = m;
  for (int i = ply + 1; i < 読み長[ply + 1]; ++i) 読み[ply][i] = 読み[ply + 1][i];
  読み長[ply] = std::max(読み長[ply + 1], ply + 1);
}

bool 探索糸::除外か(const 指し手& m) const {
  return std::find(除外.begin(), 除外.end(), 圧縮(m)) != 除外.end();
}

int 探索糸::静止(int α, int β, int ply, int 深) {
  読み長[ply] = ply;
  if (止まるか()) return 0;
  if (ply > 0 && 繰り返し()) return 千日手点(ply);
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
std::optional<指し手> 探索糸::先に取る(int ply) {
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
int 探索糸::子を探す(const 指し手& m, std::size_t i, bool 減らせる, int 深さ, int α, int β,
                     int ply) {
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

// The margin a ply by which a node may skip hopeless quiet moves (see
// 評価重み::刈り幅), or 0 where it searches them all: at the root, on the
// principal line, in check, more than 3 plies from the leaves, or when α is
// a king capture's score, which no margin measures.
int 探索糸::刈り幅(int 深さ, int α, int ply, bool pv, bool 王手) const {
  if (!共.条件->刈り込む || pv || 王手 || ply == 0 || 深さ > 3 || std::abs(α) >= 勝敗境) return 0;
  return std::max(0, 共.重み->刈り幅);
}

// The null move: the score of passing, searched 3 plies shallower.
int 探索糸::空手(int 深さ, int β, int ply) {
  盤.手番交代();
  経路.push_back(盤.キー);
  経路の王手.push_back(盤.王に利き(盤.MAN手番));
  経路の進展.push_back(経路の進展.back() + 1);
  const int 点 = -節(深さ - 3, -β, -β + 1, ply + 1, false);
  経路.pop_back();
  経路の王手.pop_back();
  経路の進展.pop_back();
  盤.手番交代();
  return 点;
}

int 探索糸::根(int 深さ, int α, int β) {
  根あり = false;
  return 節(深さ, α, β, 0, false);
}

int 探索糸::節(int 深さ, int α, int β, int ply, bool 空手可) {
  読み長[ply] = ply;
  if (ply > 0 && 繰り返し()) return 千日手点(ply);
  if (深さ <= 0 || ply >= 最大手数) return 静止(α, β, ply, 0);
  if (止まるか()) return 0;
  const bool pv = β - α > 1;
  表項目 e;
  std::uint32_t 表手 = 0;
  if (共.表.読む(盤.キー, e)) {
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
    const int 点 = 空手(深さ, β, ply);
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
  std::size_t 探した = 0;  // moves searched so far (skipped root moves not counted)
  if (先) {
    const int 点 = 子を探す(*先, 探した++, false, 深さ, α, β, ply);
    if (打切) return 0;
    済み = 記す(*先, false, 点);
  }
  if (前線 && !済み) {
    盤.全手(v);
    if (v.empty()) return -(勝ち点 - ply);
  }
  if (!済み) 並べる(ply, 表手);
  const int 幅 = 刈り幅(深さ, α, ply, pv, 王手);
  const int 静的 = 幅 > 0 && 深さ <= 2 ? 評価() : 無限;
  const bool 除外あり = ply == 0 && !除外.empty();
  for (std::size_t i = 0; !済み && i < v.size(); ++i) {
    const 指し手 m = 次(ply, i);
    if (i == 0 && 先) {
      assert(m == *先);  // the list puts first what was searched first
      continue;
    }
    if (除外あり && 除外か(m)) continue;
    const bool 静か = (m.打つ() || 盤.駒(m.先X, m.先Y) == 0) && !m.成る();
    if (幅 > 0 && 静か && 探した > 0 && (i >= 6u + 3u * 深さ * 深さ || 静的 + 幅 * 深さ <= α))
      continue;  // a quiet move this late, or this far below α, will not raise it
    const int 点 = 子を探す(m, 探した++, 静か && !王手, 深さ, α, β, ply);
    if (打切) return 0;
    if (記す(m, 静か, 点)) break;
  }
  if (探した == 0) return -無限;  // every root move was skipped
  if (!除外あり)
    共.表.書く(盤.キー, {圧縮(最善), static_cast<std::int16_t>(表へ(最良, ply)),
                         static_cast<std::int8_t>(std::min(深さ, 127)),
                         最良 >= β    ? 下限
                         : 最良 > 元α ? 正確
                                      : 上限});
  return 最良;
}

}  // namespace qz
