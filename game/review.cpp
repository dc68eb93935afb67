#include "game/review.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "records/kif.h"

namespace qz {
namespace {

// A won or lost score counts as this much when losses are measured, so that
// a longer forced win is no blunder.
constexpr int 損失の上限 = 3000;

int 丸める(int 評価) {
  return std::clamp(評価, -損失の上限, 損失の上限);
}

// The same move, a drop from whichever stand cell.
bool 同じ手(const 指し手& a, const 指し手& b) {
  if (a.打つ() != b.打つ()) return false;
  const bool 元 = a.打つ() || (a.元X == b.元X && a.元Y == b.元Y);
  return 元 && a.先X == b.先X && a.先Y == b.先Y && a.元駒 == b.元駒 && a.先駒 == b.先駒;
}

// A move as the record reads it: turned round with the record.
std::string 記録の読み(const 指し手& m, bool 下の手, bool 反転) {
  return 反転 ? 手の読み(反転手(m), !下の手) : 手の読み(m, 下の手);
}

std::string 読み筋の文(const std::vector<指し手>& 手, bool 下の番, bool 反転) {
  std::string s;
  for (const 指し手& m : 手) {
    if (!s.empty()) s += ' ';
    s += 記録の読み(m, 下の番, 反転);
    下の番 = !下の番;
  }
  return s;
}

// The number written after 鍵 in a line ("評価値 +120"), or nothing.
std::optional<int> 数の欄(const std::string& 行, std::string_view 鍵) {
  const std::size_t p = 行.find(鍵);
  if (p == std::string::npos) return std::nullopt;
  const char* b = 行.c_str() + p + 鍵.size();
  char* e = nullptr;
  const long v = std::strtol(b, &e, 10);
  if (e == b || v < -1'000'000 || v > 1'000'000) return std::nullopt;
  return static_cast<int>(v);
}

// The text after 鍵 up to the end of the line.
std::string 残りの欄(const std::string& 行, std::string_view 鍵) {
  const std::size_t p = 行.find(鍵);
  return p == std::string::npos ? "" : 行.substr(p + 鍵.size());
}

}  // namespace

std::string 解析条件の文(const 解析条件& c) {
  return std::to_string(c.一手ms) + "," + std::to_string(c.悪手損失) + "," +
         std::to_string(c.疑問手損失);
}

std::optional<解析条件> 解析条件を読む(std::string_view 文) {
  long long v[3] = {};
  for (int i = 0; i < 3; ++i) {
    const std::size_t e = i < 2 ? 文.find(',') : 文.size();
    if (e == std::string_view::npos) return std::nullopt;
    const std::string_view t = 文.substr(0, e);
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v[i]);
    if (ec != std::errc{} || end != t.data() + t.size()) return std::nullopt;
    文.remove_prefix(std::min(文.size(), e + 1));
  }
  if (v[0] < 100 || v[0] > 60'000 || v[1] < 1 || v[1] > 9999 || v[2] < 1 || v[2] > v[1])
    return std::nullopt;
  return 解析条件{v[0], static_cast<int>(v[1]), static_cast<int>(v[2])};
}

解析局面 解析の局面(const 対局& g) {
  対局 写し = g;
  写し.千日手判定 = false;
  const int 最後 = std::min(写し.手順.手順_最終, 写し.手順.保持数());
  写し.手へ(0);
  解析局面 r;
  r.反転 = g.記録は反転();
  for (int i = 0; i <= 最後; ++i) {
    // The side to move follows the moves, whatever the game's turn says (a
    // game over has none).
    const bool MAN番 = i < 最後   ? MAN駒(写し.手順[i + 1].元駒)
                       : 最後 > 0 ? !MAN駒(写し.手順[最後].元駒)
                                  : 写し.MAN手番();
    写し.手番 = MAN番 ? 写し.局.手番値_MAN : 写し.局.手番値_COM;
    r.局面.push_back(写し.手番側の思考依頼({}));
    // The review judges each position for what it is, not for how long the
    // game has gone without a capture, as the player's search counts it.
    r.局面.back().条件.進展なし = 0;
    if (i == 最後) break;
    const qz::手順& h = 写し.手順[i + 1];
    r.手.push_back({h.元X, h.元Y, h.先X, h.先Y, h.元駒, h.先駒});
    写し.手へ(i + 1);
  }
  return r;
}

std::vector<手の解析> 棋譜を解析する(const 解析局面& p, const 解析条件& c,
                                     const std::function<void(int, int)>& 進捗,
                                     const std::atomic<bool>* 止め) {
  const int 全 = static_cast<int>(p.局面.size());
  深探索 器;
  std::vector<深探索結果> 探;
  for (int i = 0; i < 全 && !(止め && *止め); ++i) {
    const 思考依頼& q = p.局面[static_cast<std::size_t>(i)];
    探索条件 d = q.条件;
    d.時間上限ms = c.一手ms;
    d.目安ms = c.一手ms;
    d.停止 = 止め;
    探.push_back(器.探索(q.写し, q.MAN手番, q.既出, d));
    if (止め && *止め) 探.pop_back();
    if (進捗) 進捗(static_cast<int>(探.size()), 全);
  }
  std::vector<手の解析> r;
  for (std::size_t i = 0; i + 1 < 探.size(); ++i) {
    const bool 下 = p.局面[i].MAN手番;
    const 深探索結果& 前 = 探[i];
    const 深探索結果& 後 = 探[i + 1];
    手の解析 a;
    a.下の手 = 下;
    // After the move the other side searched: its score turned round.
    const int 後の評価 = 後.指し手あり ? -後.報告.評価 : 勝ち点;
    a.評価 = 下 ? 後の評価 : -後の評価;
    a.深さ = 後.報告.深さ;
    a.読み筋 = 読み筋の文(後.報告.読み筋, !下, p.反転);
    const 指し手& 指した = p.手[i];
    if (前.指し手あり && !同じ手(前.最善, 指した)) {
      a.最善 = 記録の読み(前.最善, 下, p.反転);
      a.最善手 = 前.最善;
      a.損失 = std::max(0, 丸める(前.報告.評価) - 丸める(後の評価));
    }
    a.評 = a.損失 >= c.悪手損失     ? 手の評::悪手
           : a.損失 >= c.疑問手損失 ? 手の評::疑問手
                                    : 手の評::普通;
    r.push_back(std::move(a));
  }
  return r;
}

std::array<側の成績, 2> 解析の成績(const std::vector<手の解析>& r) {
  std::array<側の成績, 2> s{};
  std::array<long long, 2> 損失{};
  for (const 手の解析& a : r) {
    const std::size_t k = a.下の手 ? 0 : 1;
    ++s[k].手数;
    損失[k] += a.損失;
    if (a.評 == 手の評::悪手) ++s[k].悪手;
    if (a.評 == 手の評::疑問手) ++s[k].疑問手;
  }
  for (std::size_t k = 0; k < 2; ++k)
    if (s[k].手数 > 0) s[k].平均損失 = static_cast<double>(損失[k]) / s[k].手数;
  return s;
}

std::string 手の読み(const 指し手& m, bool 下の手) {
  static constexpr std::string_view 筋[] = {"",   "１", "２", "３", "４",
                                            "５", "６", "７", "８", "９"};
  static constexpr std::string_view 段[] = {"",   "一", "二", "三", "四",
                                            "五", "六", "七", "八", "九"};
  if (m.先X < 1 || m.先X > 9 || m.先Y < 1 || m.先Y > 9) return "？";
  std::string s = 下の手 ? "▲" : "△";
  s += 筋[10 - m.先X];
  s += 段[m.先Y];
  s += KIF駒名(m.元駒);
  if (m.打つ())
    s += "打";
  else if (m.成る())
    s += "成";
  return s;
}

std::vector<std::string> 解析の注釈(const 手の解析& a, bool 反転) {
  std::vector<std::string> r;
  const int 評価 = 反転 ? -a.評価 : a.評価;
  r.push_back("*解析 0 評価値 " + std::string(評価 >= 0 ? "+" : "") + std::to_string(評価) +
              " 深さ " + std::to_string(a.深さ) + " 読み筋 " + a.読み筋);
  if (a.評 != 手の評::普通)
    r.push_back(std::string(a.評 == 手の評::悪手 ? "悪手" : "疑問手") + " 損失 " +
                std::to_string(a.損失) + " 最善 " + a.最善);
  else if (!a.最善.empty() || a.損失 != 0)
    r.push_back("最善 " + a.最善 + " 損失 " + std::to_string(a.損失));
  return r;
}

std::optional<手の解析> 注釈の解析(const std::vector<std::string>& 行, bool 下の手, bool 反転) {
  std::optional<手の解析> a;
  for (const std::string& s : 行) {
    if (s.starts_with("*解析 0 ")) {
      const auto v = 数の欄(s, "評価値 ");
      if (!v) continue;
      a.emplace();
      a->下の手 = 下の手;
      a->評価 = 反転 ? -*v : *v;
      a->深さ = 数の欄(s, "深さ ").value_or(0);
      a->読み筋 = 残りの欄(s, " 読み筋 ");
    } else if (a && (s.starts_with("悪手 ") || s.starts_with("疑問手 "))) {
      a->評 = s.starts_with("悪手") ? 手の評::悪手 : 手の評::疑問手;
      a->損失 = std::max(0, 数の欄(s, "損失 ").value_or(0));
      a->最善 = 残りの欄(s, " 最善 ");
    } else if (a && s.starts_with("最善 ")) {
      // "最善 ▲７六歩 損失 40": the loss is the last field.
      constexpr std::string_view 鍵 = "最善 ", 損失鍵 = " 損失 ";
      const std::size_t p = s.rfind(損失鍵);
      const bool 損失あり = p != std::string::npos && p >= 鍵.size();
      a->最善 = s.substr(鍵.size(), 損失あり ? p - 鍵.size() : std::string::npos);
      a->損失 = 損失あり ? std::max(0, 数の欄(s.substr(p), 損失鍵).value_or(0)) : 0;
    }
  }
  return a;
}

}  // namespace qz
