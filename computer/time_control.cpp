#include "computer/time_control.h"

#include <algorithm>
#include <cassert>

#include "computer/deep_search.h"

namespace qz {
namespace {

// The moves of its own the side to move plans for: fewer as the game goes on.
std::int64_t 見込み手数(int 手数) {
  return std::max(15, 50 - std::max(手数, 0) / 4);
}

}  // namespace

時間配分 時間を配る(const 持ち時間& t, bool MAN手番, int 手数, std::int64_t 余裕ms) {
  const std::int64_t 残り = std::max<std::int64_t>(MAN手番 ? t.残りMAN : t.残りCOM, 0);
  const std::int64_t 加算 = std::max<std::int64_t>(MAN手番 ? t.加算MAN : t.加算COM, 0);
  const std::int64_t 秒読み = std::max<std::int64_t>(t.秒読み, 0);
  // What may be spent before the flag falls; the increment comes after the move.
  const std::int64_t 使える = std::max<std::int64_t>(残り + 秒読み - 余裕ms, 1);
  時間配分 d;
  d.上限ms = std::clamp<std::int64_t>(残り / 6 + 加算 + 秒読み - 余裕ms, 1, 使える);
  d.目安ms = 残り / 見込み手数(手数) + 加算 * 3 / 4 + 秒読み * 3 / 5;
  d.目安ms = std::clamp<std::int64_t>(d.目安ms, 1, d.上限ms);
  assert(d.上限ms <= 使える && d.目安ms <= d.上限ms);
  return d;
}

void 時間を当てる(探索条件& c, const 時間配分& d) {
  c.目安ms = d.目安ms;
  c.時間上限ms = d.上限ms;
}

}  // namespace qz
