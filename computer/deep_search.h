// The searching player of levels 4 and 5, and of the hint: iterative
// deepening principal variation search with a transposition table, a capture
// search at the leaves, and a stop by time, depth, node count or request.
// It walks a 利き盤, whose moves are those the rules' move check allows;
// taking the king wins, a side with no legal move has lost, and a position
// met before in the game or the line being searched is worth 0. The
// one-move player of levels 1-3 is untouched by it.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "computer/deep_eval.h"
#include "computer/zobrist.h"
#include "rules/movegen.h"

namespace qz {

// Taking the enemy king: 勝ち点 less one per ply from the root. Every score
// at or beyond 勝敗境 is a won or lost game.
constexpr int 勝ち点 = 30000;
constexpr int 勝敗境 = 勝ち点 - 1000;

// What the search knows after each finished depth.
struct 探索報告 {
  int 深さ = 0;
  int 評価 = 0;  // centipawns for the side to move
  std::uint64_t 節点 = 0;
  std::int64_t 経過ms = 0;
  std::vector<指し手> 読み筋;
};

// When the search stops: whichever limit comes first. A search limited by
// nodes and depth only is the same in every run.
struct 探索条件 {
  int 深さ上限 = 60;
  std::uint64_t 節点上限 = 0;                 // 0: no limit
  std::int64_t 時間上限ms = 0;                // 0: no limit
  const std::atomic<bool>* 停止 = nullptr;    // set by another thread to stop at once
  std::function<bool()> 停止確認;             // asked now and then: true stops the search
  std::function<void(const 探索報告&)> 報告;  // after every finished depth
};

struct 深探索結果 {
  bool 指し手あり = false;  // false: the side to move has no legal move
  指し手 最善{};
  探索報告 報告;  // the deepest finished depth (or what the stop left)
};

// The limits of the window's levels 4 and 5 (about 0.3 s and 2 s a move).
探索条件 レベル条件(int レベル);

class 深探索 {
 public:
  // A transposition table of 2^表ビット entries of 16 bytes.
  explicit 深探索(int 表ビット = 20);
  ~深探索();
  深探索(const 深探索&) = delete;
  深探索& operator=(const 深探索&) = delete;

  評価重み 重み;

  // Searches s for the side to move. 既出 holds the keys of the positions
  // met earlier in the game. Starts from empty tables, so a node-limited
  // search repeats exactly.
  深探索結果 探索(const 局面& s, bool MAN手番, const std::vector<局面キー>& 既出,
                  const 探索条件& 条件);

 private:
  struct 実装;
  std::unique_ptr<実装> p;
};

}  // namespace qz
