#include "computer/analysis.h"

#include <cstdlib>
#include <utility>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace qz {

int 下の評価(int 評価, bool MAN手番) {
  return MAN手番 ? 評価 : -評価;
}

int 勝ちまでの手数(int 下評価) {
  if (std::abs(下評価) < 勝敗境) return 0;
  const int 手数 = 勝ち点 - std::abs(下評価);
  return 下評価 > 0 ? 手数 : -手数;
}

検討結果 検討結果にする(const 探索報告& r, bool MAN手番) {
  検討結果 k;
  k.深さ = r.深さ;
  k.評価 = 下の評価(r.評価, MAN手番);
  k.勝ち手数 = 勝ちまでの手数(k.評価);
  k.節点 = r.節点;
  k.毎秒節点 = r.経過ms > 0 ? r.節点 * 1000 / static_cast<std::uint64_t>(r.経過ms) : r.節点;
  for (const 候補行& c : r.候補) {
    if (static_cast<int>(k.行.size()) == 検討係::行数) break;
    k.行.push_back({下の評価(c.評価, MAN手番), c.読み筋});
  }
  if (k.行.empty() && !r.読み筋.empty()) k.行.push_back({k.評価, r.読み筋});
  return k;
}

void 詰みを重ねる(検討結果& k, const 検討行& 詰み) {
  const int n = 勝ちまでの手数(詰み.評価);
  if (k.勝ち手数 != 0 && std::abs(k.勝ち手数) <= std::abs(n)) return;
  k.評価 = 詰み.評価;
  k.勝ち手数 = n;
  if (k.行.empty() || k.行.front().手 != 詰み.手) k.行.insert(k.行.begin(), 詰み);
  if (k.行.size() > 検討係::行数) k.行.resize(検討係::行数);
}

検討係::検討係(int 糸数) : 糸数_(糸数) {}

検討係::~検討係() {
  {
    const std::lock_guard l(鍵);
    終える_ = true;
    停止 = true;
  }
  合図.notify_one();
  if (糸.joinable()) 糸.join();
}

void 検討係::開始(const 局面& s, bool MAN手番, 既出列 既出) {
  {
    const std::lock_guard l(鍵);
    次_ = 仕事{s, MAN手番, std::move(既出), ++世代_};
    報告_.reset();
    停止 = true;  // the search running, if any
    求め = true;
  }
  if (!糸.joinable()) 糸 = std::thread([this] { 働く(); });
  合図.notify_one();
}

void 検討係::止める() {
  const std::lock_guard l(鍵);
  次_.reset();
  停止 = true;
  求め = false;
}

std::optional<検討結果> 検討係::最新() const {
  const std::unique_lock l(鍵, std::try_to_lock);
  if (!l.owns_lock()) return std::nullopt;
  return 報告_;
}

// The worker: waits for work and searches it until stopped or done.
void 検討係::働く() {
#ifdef __linux__
  // The analysis takes only what the window and the game leave over.
  setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
#endif
  // The table (tens of megabytes to clear) is made here, not on the window's thread.
  器 = std::make_unique<深探索>();
  器->糸数を設定(糸数_);
  詰み器 = std::make_unique<詰み探索>(18);
  for (;;) {
    仕事 w;
    {
      std::unique_lock l(鍵);
      合図.wait(l, [this] { return 終える_ || 次_.has_value(); });
      if (終える_) return;
      w = std::move(*次_);
      次_.reset();
      停止 = false;  // under the lock: a later 開始 or 止める stops this search
    }
    探す(w);
  }
}

// The budget of the mate search's look at each position.
constexpr std::uint64_t 詰み節点 = 200'000;
constexpr std::int64_t 詰みms = 300;

void 検討係::詰みを探す(const 仕事& w) {
  詰み_.reset();
  詰み条件 c;
  c.節点上限 = 詰み節点;
  c.時間上限ms = 詰みms;
  c.停止 = &停止;
  const 詰み結果 r = 詰み器->探す(w.s, w.MAN手番, c);
  if (r.判定 != 詰み判定::勝ち || r.手順.empty()) return;
  const int 手数 = static_cast<int>(r.手順.size());
  詰み_ = 検討行{下の評価(勝ち点 - 手数, w.MAN手番), r.手順};
  探索報告 rep;
  rep.評価 = 勝ち点 - 手数;
  rep.読み筋 = r.手順;
  rep.節点 = r.節点;
  rep.経過ms = r.経過ms;
  記す(rep, w.MAN手番, w.世代);
}

void 検討係::探す(const 仕事& w) {
  詰みを探す(w);
  if (停止) return;
  探索条件 条件;
  条件.深さ上限 = 60;
  条件.候補数 = 行数;
  条件.停止 = &停止;
  条件.報告 = [this, &w](const 探索報告& r) { 記す(r, w.MAN手番, w.世代); };
  器->探索(w.s, w.MAN手番, w.既出, 条件);
  // A search that ended by itself is no longer running for the window.
  const std::lock_guard l(鍵);
  if (w.世代 == 世代_ && !次_) 求め = false;
}

// A report that a stop cut short is kept only when it says something new;
// one of an older position is dropped.
void 検討係::記す(const 探索報告& r, bool MAN手番, std::uint64_t 世代) {
  if (r.候補.empty() && r.読み筋.empty()) return;
  検討結果 k = 検討結果にする(r, MAN手番);
  k.世代 = 世代;
  if (詰み_) 詰みを重ねる(k, *詰み_);
  std::optional<検討結果> 古い;
  const std::lock_guard l(鍵);
  if (世代 != 世代_) return;
  古い = std::exchange(報告_, std::move(k));  // freed after the lock, by 古い's end
}

}  // namespace qz
