// A game's time control as the records keep it, and its text in KIF and
// CSA headers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qz {

// A time control for both sides: main time, then either byoyomi (seconds
// each move may take once the main time is gone) or an increment added
// after every move (Fischer). All zero is no control: the clocks only
// count up, as they always have. Main time alone is sudden death.
struct 持ち時間設定 {
  int 本体秒 = 0;
  int 秒読み秒 = 0;
  int 加算秒 = 0;
  bool 有効() const { return 本体秒 > 0 || 秒読み秒 > 0 || 加算秒 > 0; }
  bool operator==(const 持ち時間設定&) const = default;
};

// The largest main time, byoyomi or increment accepted (ten hours).
constexpr int 持ち時間上限秒 = 36000;

// The control as a KIF header says it: "各10分（秒読み30秒）",
// "各5分（1手10秒加算）", "各10分（切れ負け）", "秒読み30秒"; seconds
// that are not whole minutes are written as "各90秒".
std::string 持ち時間の文(const 持ち時間設定& t);
// Reads what 持ち時間の文 writes; nothing for any other text.
std::optional<持ち時間設定> 持ち時間を読む(std::string_view 文);

// The control as CSA's "$TIME_LIMIT:" value "hh:mm+ss" (main time and
// byoyomi); it has no increment, nor main time that is not whole minutes.
std::string CSA持ち時間(const 持ち時間設定& t);
std::optional<持ち時間設定> CSA持ち時間を読む(std::string_view 値);

}  // namespace qz
