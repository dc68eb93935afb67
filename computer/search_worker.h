// One search of the searching player on a thread of its own, for the window:
// it is given a copy of the position, touches nothing of the game, and hands
// back a move. Stopping it is immediate (the search looks at the flag every
// few hundred nodes).
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "computer/deep_search.h"

namespace qz {

// The threads of the window's searches: the machine's cores less one,
// which the window keeps for itself, from 1 to 8 (芯数 0: not known).
int 窓の糸数(unsigned 芯数);

class 思考係 {
 public:
  // Each search runs on 糸数 threads (see 窓の糸数).
  explicit 思考係(int 糸数 = 1);
  ~思考係();  // stops a running search and waits for it
  思考係(const 思考係&) = delete;
  思考係& operator=(const 思考係&) = delete;

  // Starts searching a copy of s; a search still running is stopped first.
  void 開始(const 局面& s, bool MAN手番, 既出列 既出, 探索条件 条件);
  // True from 開始 until the result is taken or the search stopped.
  bool 動いている() const { return 糸.joinable(); }
  // True when the running search has its result.
  bool 終わった() const { return 完了.load(); }
  // The result once the search has ended (the thread is then joined);
  // nothing while it still runs or when none was started.
  std::optional<深探索結果> 受け取る();
  // Stops the search at once and drops its result.
  void 止める();

 private:
  int 糸数_;
  std::unique_ptr<深探索> 器;
  std::thread 糸;
  std::atomic<bool> 停止{false};
  std::atomic<bool> 完了{false};
  深探索結果 結果;
};

// The positions before the current one, the latest first, found by taking
// the moves back from the end: each move with what it captured, the first
// move of the game first.
struct 済み手 {
  指し手 手;
  int 取った駒 = 0;
};
既出列 遡ったキー(const 局面& s, bool MAN手番, const std::vector<済み手>& 手);

}  // namespace qz
