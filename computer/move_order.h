// The searching player takes a node's moves best first: at each step the
// first of the largest order values left is swapped to the front. 順番取り
// gives exactly that sequence of picks, ties included, without looking at
// every remaining value at every step.
#pragma once

#include <cstddef>
#include <vector>

namespace qz {

// The position of the first largest of o[i..n), i < n.
std::size_t 最大の位置(const int* o, std::size_t i, std::size_t n);
// The position of the first value v in o[i..n); v must be there.
std::size_t 最初の位置(const int* o, std::size_t i, std::size_t n, int v);

class 順番取り {
 public:
  // Starts on a new list of order values.
  void 始める() { 整列始_ = 未整列; }
  // The position in o[0..n) of the pick of step i (steps 0, 1, 2, ... in
  // turn, o changed only by swapping each pick to the front); the caller swaps.
  std::size_t 次の位置(const int* o, std::size_t i, std::size_t n);

 private:
  static constexpr std::size_t 未整列 = static_cast<std::size_t>(-1);
  // After a few steps the values left are sorted once: the largest left at
  // step i is then 整列_[i - 整列始_].
  static constexpr std::size_t 整列までの手数 = 4;
  std::vector<int> 整列_;
  std::size_t 整列始_ = 未整列;
};

}  // namespace qz
