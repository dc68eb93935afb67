// Inside the searching player: what its threads share during one search,
// and one thread's own search of the tree (its board, move lists, killers,
// history and lines). deep_search.cpp runs the threads and deepens.
#pragma once

#include <array>
#include <atomic>
#include <bitset>
#include <chrono>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

#include "computer/bearing_board.h"
#include "computer/deep_search.h"
#include "computer/move_order.h"
#include "computer/trans_table.h"

namespace qz {

constexpr int 最大手数 = 96;  // deepest ply of a line, capture search included
constexpr int 無限 = 32000;
// A repetition lost by checking with every move: worse than any loss of
// material, yet not a king capture whose distance the search counts.
constexpr int 反則点 = 20000;

// A move in 17 bits; never 0 since the destination column is at least 1.
std::uint32_t 圧縮(const 指し手& m);

// What every thread of one search reads, and the flag that stops them all.
struct 探索共有 {
  置換表 表;
  const 探索条件* 条件 = nullptr;
  const 評価重み* 重み = nullptr;
  // The game's positions that a line ends at as a repetition: those it has
  // had 重み->千日手回数 times.
  std::unordered_set<局面キー> 既出;
  // One bit for each value of a key's low bits that some key of 既出 has:
  // most keys are told absent without a look into the set.
  std::bitset<4096> 既出の印;
  既出列 既出の順;  // the game's earlier positions in order, the latest first
  std::atomic<bool> 止め{false};
  std::chrono::steady_clock::time_point 開始;
  std::int64_t 時計の始め = 0;  // 条件->時計's reading at the start

  explicit 探索共有(int ビット) : 表(ビット) {}
  // Ready for a search of 条件 with the game's earlier positions 既出.
  void 始める(const 探索条件& c, const 評価重み& w, const 既出列& 既出);
  std::int64_t 経過ms() const;
};

// One thread's search. The main thread (番号 0) watches the limits and
// stops the others through 探索共有::止め.
struct 探索糸 {
  探索共有& 共;
  const int 番号;
  利き盤 盤;
  std::vector<局面キー> 経路;
  std::vector<char> 経路の王手;  // for each position of 経路: an enemy bears on the mover's king
  std::vector<int> 経路の進展;   // for each position of 経路: plies since a capture or promotion
  手の列 手[最大手数 + 1];
  std::array<int, 手の列::容量> 順[最大手数 + 1];
  順番取り 取り[最大手数 + 1];
  指し手 キラー[最大手数 + 1][2]{};
  int 履歴[28][10][10]{};
  int 最大履歴 = 0;  // the largest of 履歴
  指し手 読み[最大手数 + 1][最大手数 + 1]{};
  int 読み長[最大手数 + 1]{};
  std::uint64_t 節点 = 0;
  std::atomic<std::uint64_t> 公開節点{0};           // 節点 as the other threads may read it
  std::uint64_t 他の節点 = 0;                       // the other threads' nodes as last read
  std::vector<std::atomic<std::uint64_t>*> 他の糸;  // their 公開節点
  bool 打切 = false;
  // Root moves the root node skips (the lines MultiPV has already given).
  std::vector<std::uint32_t> 除外;
  指し手 根最善{};
  int 根点 = 0;
  bool 根あり = false;

  探索糸(探索共有& c, int n) : 共(c), 番号(n) {}
  // Ready to search s from empty killers and history.
  void 始める(const 局面& s, bool MAN手番);
  // The score of the position at the root searched to 深さ with the window (α, β).
  int 根(int 深さ, int α, int β);

 private:
  bool 止まるか();
  void 限度を見る();
  bool 繰り返し() const;
  int 千日手点(int ply) const;
  int 評価() const;
  bool 王を取れる() const { return 盤.王手(!盤.MAN手番); }
  int 順位(const 指し手& m, std::uint32_t 表手, int ply) const;
  void 並べる(int ply, std::uint32_t 表手);
  const 指し手& 次(int ply, std::size_t i);
  int 指す(const 指し手& m);
  void 戻す(const 指し手& m, int c);
  void 読み更新(int ply, const 指し手& m);
  int 静止(int α, int β, int ply, int 深);
  std::optional<指し手> 先に取る(int ply);
  int 子を探す(const 指し手& m, std::size_t i, bool 減らせる, int 深さ, int α, int β, int ply);
  int 空手(int 深さ, int β, int ply);
  int 刈り幅(int 深さ, int α, int ply, bool pv, bool 王手) const;
  int 節(int 深さ, int α, int β, int ply, bool 空手可);
  bool 除外か(const 指し手& m) const;
};

}  // namespace qz
