// 順番取り picks exactly what a selection sort that swaps each pick to the
// front picks, ties included, for lists short and long, with few and many
// distinct values.
#include "computer/move_order.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace qz {
namespace {

// The pick of step i by looking at every value left: the first largest.
std::size_t 素朴な位置(const std::vector<int>& o, std::size_t i) {
  std::size_t b = i;
  for (std::size_t j = i + 1; j < o.size(); ++j)
    if (o[j] > o[b]) b = j;
  return b;
}

TEST(MoveOrder, PicksAsASelectionSortWouldTiesIncluded) {
  struct Case {
    std::size_t length;
    int distinct;  // values drawn from 0..distinct-1
  };
  const Case cases[] = {{1, 1}, {3, 2}, {7, 3}, {8, 1}, {9, 2}, {13, 4}, {40, 3},
                        {64, 64}, {101, 5}, {250, 7}, {600, 40}, {1024, 2}};
  std::mt19937 rng(21);
  for (const Case& c : cases) {
    for (int round = 0; round < 20; ++round) {
      std::vector<int> a(c.length), b;
      for (int& v : a) v = static_cast<int>(rng() % static_cast<unsigned>(c.distinct)) * 1000 - 3;
      b = a;
      順番取り 取り;
      取り.始める();
      for (std::size_t i = 0; i < a.size(); ++i) {
        const std::size_t want = 素朴な位置(a, i);
        const std::size_t got = 取り.次の位置(b.data(), i, b.size());
        ASSERT_EQ(got, want) << "length " << c.length << " step " << i;
        std::swap(a[i], a[want]);
        std::swap(b[i], b[got]);
      }
    }
  }
}

}  // namespace
}  // namespace qz
