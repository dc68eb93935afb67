#include "play/new_game.h"

#include <array>
#include <cstdlib>
#include <vector>

#include "computer/levels.h"
#include "records/game_record.h"
#include "rules/message.h"

namespace qz {
namespace {

std::vector<std::string_view> 区切る(std::string_view s) {
  std::vector<std::string_view> r;
  while (true) {
    const std::size_t p = s.find(',');
    r.push_back(s.substr(0, p));
    if (p == std::string_view::npos) return r;
    s.remove_prefix(p + 1);
  }
}

// A whole number of at most six digits, with an optional minus sign.
std::optional<int> 整数(std::string_view s) {
  const bool 負 = s.starts_with('-');
  if (負) s.remove_prefix(1);
  if (s.empty() || s.size() > 6) return std::nullopt;
  int v = 0;
  for (const char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return 負 ? -v : v;
}

}  // namespace

std::string 新規対局の文(const 新規対局設定& s) {
  return std::string(s.対COM ? "COM" : "MAN") + "," + (s.MAN先 ? "先手" : "後手") + "," +
         std::to_string(s.レベル) + "," + std::to_string(s.ハンデ) + "," +
         std::to_string(s.時間.本体秒) + "," + std::to_string(s.時間.秒読み秒) + "," +
         std::to_string(s.時間.加算秒) + "," + (s.千日手 ? "ON" : "OFF");
}

std::optional<新規対局設定> 新規対局を読む(std::string_view 文) {
  const auto f = 区切る(文);
  if (f.size() != 8) return std::nullopt;
  新規対局設定 s;
  if (f[0] != "COM" && f[0] != "MAN") return std::nullopt;
  if (f[1] != "先手" && f[1] != "後手") return std::nullopt;
  if (f[7] != "ON" && f[7] != "OFF") return std::nullopt;
  s.対COM = f[0] == "COM";
  s.MAN先 = f[1] == "先手";
  s.千日手 = f[7] == "ON";
  std::array<int, 5> v{};
  for (std::size_t i = 0; i < v.size(); ++i) {
    const auto n = 整数(f[i + 2]);
    if (!n) return std::nullopt;
    v[i] = *n;
  }
  s.レベル = v[0];
  s.ハンデ = v[1];
  s.時間 = {v[2], v[3], v[4]};
  if (!レベルを探す(s.レベル) || s.ハンデ < -最高段級 || s.ハンデ > 最高段級)
    return std::nullopt;
  for (std::size_t i = 2; i < v.size(); ++i)
    if (v[i] < 0 || v[i] > 持ち時間上限秒) return std::nullopt;
  return s;
}

文面 ハンデの名(int 段級) {
  static constexpr const char* 標準名[] = {QZ_TR("平手"),     QZ_TR("香落ち"),   QZ_TR("右香落ち"),
                                           QZ_TR("角落ち"),   QZ_TR("飛車落ち"), QZ_TR("飛香落ち"),
                                           QZ_TR("二枚落ち"), QZ_TR("四枚落ち"), QZ_TR("六枚落ち"),
                                           QZ_TR("八枚落ち"), QZ_TR("十枚落ち")};
  記録局面 p = 平手局面();
  for (int i = 1; i <= std::abs(段級); ++i) {
    const 升 u = 段級の升(段級 > 0 ? i : -i);
    p.盤面[u.x][u.y] = 0;
  }
  p.下の番 = 段級 == 0;  // in a standard handicap game the upper side moves first
  const std::string_view 名 = 段級 >= 0 ? 手合割名(p) : std::string_view{};
  for (const char* n : 標準名)
    if (名 == n) return 文面(n);
  return 文面(段級 > 0 ? QZ_TR("上手 %1枚落ち") : QZ_TR("下手 %1枚落ち"),
              {文面::数値(std::abs(段級))});
}

}  // namespace qz
