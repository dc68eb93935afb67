// The analysis behind the window's 検討 panel: a search of one position
// without limit, on threads of its own, that reports the best three lines
// after every finished depth. The window reads the latest report whenever
// it likes; a new position stops the search at once and starts another.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "computer/deep_search.h"
#include "computer/mate_search.h"

namespace qz {

// One of the best lines, its score from the lower side's view.
struct 検討行 {
  int 評価 = 0;  // centipawns, or ±(勝ち点 - plies) for a forced king capture
  std::vector<指し手> 手;
};

// What the analysis knows after its deepest finished depth. Scores are
// from the lower side's (MAN's) view whoever is to move.
struct 検討結果 {
  std::uint64_t 世代 = 0;  // which 開始 it belongs to
  int 深さ = 0;
  int 評価 = 0;      // centipawns for the lower side
  int 勝ち手数 = 0;  // n > 0: the lower side takes the king in n plies; < 0: loses in -n
  std::uint64_t 節点 = 0;
  std::uint64_t 毎秒節点 = 0;
  std::vector<検討行> 行;  // best first, at most 検討係::行数
};

// A score of one position of the game, for the evaluation graph: its move
// number in the history, its key, and the lower side's score.
struct 検討点 {
  int 手 = 0;
  局面キー キー = 0;
  int 下評価 = 0;
};

// A score for the side to move turned to the lower side's view.
int 下の評価(int 評価, bool MAN手番);
// The plies to a forced king capture a lower-side score says: positive when
// the lower side wins, negative when it loses, 0 when the score is no such.
int 勝ちまでの手数(int 下評価);
// The report of one finished depth as the lower side sees it.
検討結果 検討結果にする(const 探索報告& r, bool MAN手番);

// A win the mate search proved put on a report: it stays the score and the
// first line until the report sees a forced result as short.
void 詰みを重ねる(検討結果& k, const 検討行& 詰み);

// One worker thread lives as long as this; the window only hands it work
// and reads its reports, and never waits for it (but at the end).
class 検討係 {
 public:
  static constexpr int 行数 = 3;

  explicit 検討係(int 糸数 = 1);
  ~検討係();  // stops the search and waits for the worker
  検討係(const 検討係&) = delete;
  検討係& operator=(const 検討係&) = delete;

  // Starts on a copy of s (earlier positions' keys in 既出); a search
  // still running is told to stop and its reports are dropped.
  void 開始(const 局面& s, bool MAN手番, 既出列 既出);
  // Tells the search to stop; it does within a few hundred nodes.
  void 止める();
  // True from 開始 until 止める or the search's own end (a forced result,
  // or depth 60).
  bool 動いている() const { return 求め.load(); }
  // The generation of the last 開始 (0 before any).
  std::uint64_t 世代() const { return 世代_.load(); }
  // The latest report of the current generation, if a depth has finished;
  // nothing too while the worker is writing one (the window never waits).
  std::optional<検討結果> 最新() const;

 private:
  struct 仕事 {
    局面 s;
    bool MAN手番 = true;
    既出列 既出;
    std::uint64_t 世代 = 0;
  };
  void 働く();
  void 探す(const 仕事& w);
  void 記す(const 探索報告& r, bool MAN手番, std::uint64_t 世代);
  // The mate search's quick look before the deep search: a forced win by
  // checks it proves is kept for the position, and shown until the deep
  // search sees a win as short.
  void 詰みを探す(const 仕事& w);

  int 糸数_;
  std::unique_ptr<深探索> 器;  // the worker's alone
  std::unique_ptr<詰み探索> 詰み器;
  std::optional<検討行> 詰み_;  // of the position now searched (the worker's alone)
  std::thread 糸;
  mutable std::mutex 鍵;  // guards 次_, 終える_, 報告_ and the setting of 停止
  std::condition_variable 合図;
  std::optional<仕事> 次_;
  bool 終える_ = false;
  std::atomic<bool> 停止{false};
  std::atomic<bool> 求め{false};
  std::atomic<std::uint64_t> 世代_{0};
  std::optional<検討結果> 報告_;
};

}  // namespace qz
