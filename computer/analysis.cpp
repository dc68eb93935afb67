#include "computer/analysis.h"

#include <cstdlib>

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

検討係::検討係(int 糸数) : 糸数_(糸数) {}

検討係::~検討係() {
  止める();
}

void 検討係::開始(const 局面& s, bool MAN手番, std::vector<局面キー> 既出) {
  止める();
  {
    const std::lock_guard l(鍵);
    報告_.reset();
  }
  const std::uint64_t 世代 = ++世代_;
  停止 = false;
  終了 = false;
  探索条件 条件;
  条件.深さ上限 = 60;
  条件.候補数 = 行数;
  条件.停止 = &停止;
  条件.報告 = [this, MAN手番, 世代](const 探索報告& r) { 記す(r, MAN手番, 世代); };
  糸 = std::thread([this, s, MAN手番, 既出 = std::move(既出), 条件] {
#ifdef __linux__
    // The analysis takes only what the window and the game leave over.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
#endif
    // The table (tens of megabytes to clear) is made here, not on the window's thread.
    if (!器) {
      器 = std::make_unique<深探索>();
      器->糸数を設定(糸数_);
    }
    器->探索(s, MAN手番, 既出, 条件);
    終了 = true;
  });
}

void 検討係::止める() {
  停止 = true;
  if (糸.joinable()) 糸.join();
  終了 = true;
}

std::optional<検討結果> 検討係::最新() const {
  const std::lock_guard l(鍵);
  return 報告_;
}

// A report that a stop cut short is kept only when it says something new.
void 検討係::記す(const 探索報告& r, bool MAN手番, std::uint64_t 世代) {
  if (r.候補.empty() && r.読み筋.empty()) return;
  検討結果 k = 検討結果にする(r, MAN手番);
  k.世代 = 世代;
  const std::lock_guard l(鍵);
  報告_ = std::move(k);
}

}  // namespace qz
