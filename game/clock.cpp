// A side's clock under a time control.
#include "game/clock.h"

#include <algorithm>

namespace qz {

bool 時間切れか(const 持ち時間設定& t, double 残り, double 秒) {
  if (!t.有効()) return false;
  return 秒 > std::max(0.0, 残り) + t.秒読み秒;
}

std::optional<double> 指した後の残り(const 持ち時間設定& t, double 残り, double 秒) {
  if (!t.有効()) return 残り;
  if (時間切れか(t, 残り, 秒)) return std::nullopt;
  return std::max(0.0, 残り - 秒) + t.加算秒;
}

時計表示 残りの表示(const 持ち時間設定& t, double 残り, double 秒) {
  if (残り - 秒 > 0 || t.秒読み秒 <= 0) return {std::max(0.0, 残り - 秒), false};
  return {std::max(0.0, 残り + t.秒読み秒 - 秒), true};
}

}  // namespace qz
