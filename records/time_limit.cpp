// The time control's header texts.
#include "records/time_limit.h"

#include <cstdio>

namespace qz {
namespace {

constexpr std::string_view 左括弧[] = {"（", "("};
constexpr std::string_view 右括弧[] = {"）", ")"};

bool 取る(std::string_view& s, std::string_view p) {
  if (!s.starts_with(p)) return false;
  s.remove_prefix(p.size());
  return true;
}

template <std::size_t N>
bool どれか取る(std::string_view& s, const std::string_view (&候補)[N]) {
  for (const std::string_view p : 候補)
    if (取る(s, p)) return true;
  return false;
}

// A number of at most six ASCII digits at the front of s.
std::optional<int> 数を取る(std::string_view& s) {
  std::size_t n = 0;
  int v = 0;
  while (n < s.size() && n < 7 && s[n] >= '0' && s[n] <= '9') v = v * 10 + (s[n++] - '0');
  if (n == 0 || n > 6) return std::nullopt;
  s.remove_prefix(n);
  return v;
}

// "1時間30分", "10分", "90秒": seconds; nothing when no unit follows a number.
std::optional<int> 時間を取る(std::string_view& s) {
  std::optional<int> 計;
  while (true) {
    std::string_view t = s;
    const auto n = 数を取る(t);
    if (!n) break;
    int 倍 = 0;
    if (取る(t, "時間"))
      倍 = 3600;
    else if (取る(t, "分"))
      倍 = 60;
    else if (取る(t, "秒"))
      倍 = 1;
    else
      break;
    計 = 計.value_or(0) + *n * 倍;
    if (*計 > 持ち時間上限秒) return std::nullopt;
    s = t;
  }
  return 計;
}

std::string 秒の文(int 秒) {
  return 秒 % 60 == 0 ? std::to_string(秒 / 60) + "分" : std::to_string(秒) + "秒";
}

bool 範囲内(const 持ち時間設定& t) {
  for (const int v : {t.本体秒, t.秒読み秒, t.加算秒})
    if (v < 0 || v > 持ち時間上限秒) return false;
  return t.有効();
}

// "秒読み30秒" or "1手10秒加算" at the front of s, into t.
bool 延長を取る(std::string_view& s, 持ち時間設定& t) {
  if (取る(s, "秒読み")) {
    const auto n = 時間を取る(s);
    if (!n) return false;
    t.秒読み秒 = *n;
    return true;
  }
  if (取る(s, "1手") || 取る(s, "一手")) {
    const auto n = 時間を取る(s);
    if (!n || !取る(s, "加算")) return false;
    t.加算秒 = *n;
    return true;
  }
  return false;
}

}  // namespace

std::string 持ち時間の文(const 持ち時間設定& t) {
  std::string 延長;
  if (t.秒読み秒 > 0) 延長 = "秒読み" + std::to_string(t.秒読み秒) + "秒";
  if (t.加算秒 > 0)
    延長 += (延長.empty() ? "" : "、") + ("1手" + std::to_string(t.加算秒) + "秒加算");
  if (t.本体秒 <= 0) return 延長;
  return "各" + 秒の文(t.本体秒) + "（" + (延長.empty() ? "切れ負け" : 延長) + "）";
}

std::optional<持ち時間設定> 持ち時間を読む(std::string_view s) {
  持ち時間設定 t;
  if (取る(s, "各")) {
    const auto n = 時間を取る(s);
    if (!n) return std::nullopt;
    t.本体秒 = *n;
    if (s.empty()) return 範囲内(t) ? std::optional(t) : std::nullopt;
    if (!どれか取る(s, 左括弧)) return std::nullopt;
    if (!取る(s, "切れ負け")) {
      if (!延長を取る(s, t)) return std::nullopt;
      if (取る(s, "、") && !延長を取る(s, t)) return std::nullopt;
    }
    if (!どれか取る(s, 右括弧) || !s.empty()) return std::nullopt;
  } else {
    if (!延長を取る(s, t)) return std::nullopt;
    if (取る(s, "、") && !延長を取る(s, t)) return std::nullopt;
    if (!s.empty()) return std::nullopt;
  }
  return 範囲内(t) ? std::optional(t) : std::nullopt;
}

std::string CSA持ち時間(const 持ち時間設定& t) {
  if (t.加算秒 != 0 || t.本体秒 % 60 != 0 || !t.有効()) return "";
  char b[32];
  std::snprintf(b, sizeof b, "%02d:%02d+%02d", t.本体秒 / 3600, t.本体秒 / 60 % 60, t.秒読み秒);
  return b;
}

std::optional<持ち時間設定> CSA持ち時間を読む(std::string_view s) {
  const auto 時 = 数を取る(s);
  if (!時 || !取る(s, ":")) return std::nullopt;
  const auto 分 = 数を取る(s);
  if (!分 || *分 >= 60 || !取る(s, "+")) return std::nullopt;
  const auto 秒 = 数を取る(s);
  if (!秒 || !s.empty() || *時 > 持ち時間上限秒 / 3600) return std::nullopt;
  持ち時間設定 t{*時 * 3600 + *分 * 60, *秒, 0};
  return 範囲内(t) ? std::optional(t) : std::nullopt;
}

}  // namespace qz
