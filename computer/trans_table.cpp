#include "computer/trans_table.h"

#include <algorithm>
#include <cassert>

namespace qz {
namespace {

// The data word: the move in bits 0-19, the score in 20-35, the depth in
// 36-43, the bound in 44-45 and the generation in 46-51.
constexpr int 世代の位置 = 46;
constexpr std::uint64_t 世代数 = 64;

std::uint64_t 詰める(const 表項目& e, std::uint64_t 世代) {
  assert(e.手 < (1u << 20));
  return std::uint64_t{e.手} | (std::uint64_t{static_cast<std::uint16_t>(e.点)} << 20) |
         (std::uint64_t{static_cast<std::uint8_t>(e.深さ)} << 36) |
         (std::uint64_t{e.種類} << 44) | (世代 << 世代の位置);
}

表項目 開く(std::uint64_t d) {
  表項目 e;
  e.手 = static_cast<std::uint32_t>(d & 0xFFFFF);
  e.点 = static_cast<std::int16_t>(static_cast<std::uint16_t>(d >> 20));
  e.深さ = static_cast<std::int8_t>(static_cast<std::uint8_t>(d >> 36));
  e.種類 = static_cast<境界>((d >> 44) & 3);
  return e;
}

}  // namespace

int 表ビット数(std::int64_t メガバイト) {
  const std::int64_t 項目 = std::max<std::int64_t>(メガバイト, 1) * (1 << 20) / 16;
  int b = 0;
  while (b < 置換表::最大ビット && (std::int64_t{2} << b) <= 項目) ++b;
  return std::max(b, 置換表::最小ビット);
}

置換表::置換表(int ビット) {
  大きさ(ビット);
}

void 置換表::大きさ(int ビット) {
  assert(ビット >= 最小ビット && ビット <= 最大ビット);
  if (ビット != ビット_) {
    枠_ = std::make_unique<枠[]>(std::size_t{1} << ビット);  // value-initialised: empty
    ビット_ = ビット;
    印_ = (std::uint64_t{1} << ビット) - 1;
  } else {
    消す();
  }
  世代_ = 0;
}

void 置換表::消す() {
  for (std::size_t i = 0; i <= 印_; ++i) {
    枠_[i].鍵.store(0, std::memory_order_relaxed);
    枠_[i].値.store(0, std::memory_order_relaxed);
  }
}

void 置換表::新しい探索() {
  if (++世代_ == 世代数) {  // an old entry would look new again: empty the table
    消す();
    世代_ = 1;
  }
}

bool 置換表::読む(局面キー キー, 表項目& e) const {
  const 枠& f = 枠_[キー & 印_];
  const std::uint64_t d = f.値.load(std::memory_order_relaxed);
  const std::uint64_t k = f.鍵.load(std::memory_order_relaxed);
  if ((k ^ d) != キー || (d >> 世代の位置) != 世代_) return false;
  e = 開く(d);
  return true;
}

void 置換表::書く(局面キー キー, const 表項目& e) {
  assert(世代_ != 0);
  枠& f = 枠_[キー & 印_];
  const std::uint64_t d = 詰める(e, 世代_);
  f.値.store(d, std::memory_order_relaxed);
  f.鍵.store(キー ^ d, std::memory_order_relaxed);
}

}  // namespace qz
