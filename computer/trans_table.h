// The transposition table of the searching player, shared by all its
// threads without a lock: an entry is two 64-bit words, the key xored with
// the data and the data, so a read torn by another thread's write does not
// match its key and is ignored. Each search has a generation of its own and
// sees only the entries it wrote, which is what a cleared table would show,
// so that a node-limited search repeats exactly.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "computer/zobrist.h"

namespace qz {

enum 境界 : std::uint8_t { 正確 = 1, 下限 = 2, 上限 = 3 };

// What the table keeps of one position.
struct 表項目 {
  std::uint32_t 手 = 0;  // a packed move (20 bits at most), 0 for none
  std::int16_t 点 = 0;
  std::int8_t 深さ = 0;
  境界 種類 = 正確;
};

// The table bits that USI_Hash's megabytes hold (16 bytes an entry), from
// 2^10 entries up to 2^30.
int 表ビット数(std::int64_t メガバイト);

class 置換表 {
 public:
  static constexpr int 最小ビット = 10;
  static constexpr int 最大ビット = 30;

  explicit 置換表(int ビット);
  // Makes the table 2^ビット entries, all empty.
  void 大きさ(int ビット);
  int ビット() const { return ビット_; }
  // Starts a new search: entries of earlier searches are no longer seen.
  void 新しい探索();
  // Whether a search has begun since the table was made or sized.
  bool 使った() const { return 世代_ != 0; }
  // The entry of the key written in this search, if any.
  bool 読む(局面キー キー, 表項目& e) const;
  void 書く(局面キー キー, const 表項目& e);

 private:
  struct 枠 {
    std::atomic<std::uint64_t> 鍵{0};  // the key xor the data
    std::atomic<std::uint64_t> 値{0};
  };
  std::unique_ptr<枠[]> 枠_;
  std::uint64_t 印_ = 0;
  int ビット_ = 0;
  std::uint64_t 世代_ = 0;  // 1..63; 0 is never a search's, so an empty slot never matches

  void 消す();
};

}  // namespace qz
