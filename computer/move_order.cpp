#include "computer/move_order.h"

#include <algorithm>
#include <cassert>
#include <functional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qz {
namespace {

#if defined(__SSE2__)
__m128i 四つ(const int* o, std::size_t j) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(o + j));
}
#endif

}  // namespace

std::size_t 最初の位置(const int* o, std::size_t i, std::size_t n, int v) {
  assert(i < n);
  std::size_t j = i;
#if defined(__SSE2__)
  const __m128i 目 = _mm_set1_epi32(v);
  for (; j + 4 <= n; j += 4) {
    const int 印 = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(四つ(o, j), 目)));
    if (印 != 0) return j + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(印)));
  }
#endif
  while (o[j] != v) ++j;
  assert(j < n);
  return j;
}

std::size_t 最大の位置(const int* o, std::size_t i, std::size_t n) {
  assert(i < n);
  int 最大 = o[i];
  std::size_t j = i + 1;
#if defined(__SSE2__)
  // Four at a time.
  if (n - i >= 8) {
    __m128i m = 四つ(o, i);
    for (j = i + 4; j + 4 <= n; j += 4) {
      const __m128i x = 四つ(o, j), 大 = _mm_cmpgt_epi32(x, m);
      m = _mm_or_si128(_mm_and_si128(大, x), _mm_andnot_si128(大, m));
    }
    alignas(16) int 四[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(四), m);
    最大 = std::max(std::max(四[0], 四[1]), std::max(四[2], 四[3]));
  }
#endif
  for (; j < n; ++j) 最大 = std::max(最大, o[j]);
  return 最初の位置(o, i, n, 最大);
}

std::size_t 順番取り::次の位置(const int* o, std::size_t i, std::size_t n) {
  if (i < 整列までの手数) return 最大の位置(o, i, n);
  if (整列始_ == 未整列) {
    // Each step takes one of the largest values left, so after sorting what
    // is left the largest at a later step is read off in turn.
    整列_.assign(o + i, o + n);
    std::sort(整列_.begin(), 整列_.end(), std::greater<>());
    整列始_ = i;
  }
  assert(i >= 整列始_ && i - 整列始_ < 整列_.size());
  return 最初の位置(o, i, n, 整列_[i - 整列始_]);
}

}  // namespace qz
