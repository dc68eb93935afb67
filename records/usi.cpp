#include "records/usi.h"

#include <array>
#include <cstdlib>

#include "records/record_text.h"

namespace qz {
namespace {

constexpr std::string_view 駒文字 = "PLNSGBRK";
constexpr std::array<int, 8> 文字の駒 = {歩, 香, 桂, 銀, 金, 角, 飛, 王};

char 文字(int 駒) {
  int a = std::abs(駒);
  if (a != 成金 && a % 10 == 1) --a;
  for (std::size_t i = 0; i < 文字の駒.size(); ++i)
    if (文字の駒[i] == a) return 駒文字[i];
  return '?';
}

// The positive code of a letter of either case, 0 if none.
int 駒(char c) {
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  const std::size_t i = 駒文字.find(c);
  return c == '\0' || i == std::string_view::npos ? 0 : 文字の駒[i];
}

char 小文字(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string 升(int x, int y) {
  return std::string(1, static_cast<char>('0' + 10 - x)) + static_cast<char>('a' + y - 1);
}

std::string 持駒文(const 持駒& h, bool 下) {
  std::string r;
  for (int k = 持駒種類数; k >= 1; --k) {
    const int n = h.枚数[static_cast<std::size_t>(k)];
    if (n <= 0) continue;
    if (n > 1) r += std::to_string(n);
    const char c = 文字(持駒番号の駒[static_cast<std::size_t>(k)]);
    r += 下 ? c : 小文字(c);
  }
  return r;
}

std::string 指し手文(const 記録手& m) {
  if (m.打つ()) return std::string(1, 文字(m.元駒)) + "*" + 升(m.先X, m.先Y);
  return 升(m.元X, m.元Y) + 升(m.先X, m.先Y) + (m.成る() ? "+" : "");
}

}  // namespace

std::string SFEN文(const 記録局面& p, int 手数) {
  std::string r;
  for (int y = 1; y <= 9; ++y) {
    int 空き = 0;
    for (int x = 1; x <= 9; ++x) {
      const int c = p.盤面[x][y];
      if (c == 0) {
        ++空き;
        continue;
      }
      if (空き > 0) r += static_cast<char>('0' + 空き);
      空き = 0;
      if (std::abs(c) % 10 == 1) r += '+';
      r += c < 0 ? 文字(c) : 小文字(文字(c));
    }
    if (空き > 0) r += static_cast<char>('0' + 空き);
    if (y < 9) r += '/';
  }
  std::string 持駒 = 持駒文(p.持駒_下, true) + 持駒文(p.持駒_上, false);
  return r + (p.下の番 ? " b " : " w ") + (持駒.empty() ? "-" : 持駒) + " " + std::to_string(手数);
}

std::string USI文書(const 対局記録& r) {
  std::string s = r.開始 == 平手局面() ? "position startpos" : "position sfen " + SFEN文(r.開始);
  if (!r.手.empty()) s += " moves";
  for (const 記録手& m : r.手) s += " " + 指し手文(m);
  if (r.結末 == 終局::投了) s += " resign";
  return s;
}

std::string 最終局面SFEN(const 対局記録& r) {
  記録局面 p = r.開始;
  for (記録手 m : r.手) {
    if (!手の不整合(p, m).empty()) break;
    手を指す(p, m);
  }
  return SFEN文(p, static_cast<int>(r.手.size()) + 1);
}

// --- Reading ----------------------------------------------------------------------

namespace {

struct 語 {
  std::string_view 文;
  int 行;
};

std::vector<語> 語に分ける(const std::vector<文書行>& 行) {
  std::vector<語> r;
  for (std::size_t n = 0; n < 行.size(); ++n) {
    const std::string_view s = 行[n].文;
    std::size_t i = 0;
    while (i < s.size()) {
      while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
      const std::size_t 始 = i;
      while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
      if (i > 始) r.push_back({s.substr(始, i - 始), static_cast<int>(n + 1)});
    }
  }
  return r;
}

std::string 盤を読む(std::string_view f, 盤配列& 盤面) {
  int y = 1, x = 1;
  for (std::size_t i = 0; i < f.size(); ++i) {
    const char c = f[i];
    if (c == '/') {
      if (x != 10 || y == 9) return "盤面の段の升の数が9ではありません";
      ++y, x = 1;
    } else if (c >= '1' && c <= '9') {
      x += c - '0';
    } else {
      const bool 成 = c == '+';
      const char l = 成 ? (i + 1 < f.size() ? f[++i] : '\0') : c;
      const int k = 駒(l);
      if (k == 0) return "盤面に分からない駒の文字があります";
      if (成 && (k == 金 || k == 王)) return "金と王は成れません";
      if (x > 9) return "盤面の段の升の数が9ではありません";
      const int code = k + (成 ? 1 : 0);
      盤面[x][y] = static_cast<std::int16_t>(l >= 'a' ? code : -code);
      ++x;
    }
    if (x > 10) return "盤面の段の升の数が9ではありません";
  }
  if (y != 9 || x != 10) return "盤面が9段ありません";
  return "";
}

std::string 持駒を読む(std::string_view f, 記録局面& p) {
  if (f == "-") return "";
  for (std::size_t i = 0; i < f.size();) {
    int n = 0, 桁 = 0;
    while (i < f.size() && f[i] >= '0' && f[i] <= '9' && 桁 < 3) n = n * 10 + (f[i++] - '0'), ++桁;
    if (i >= f.size()) return "持駒が数で終わっています";
    if (桁 == 0) n = 1;
    const char l = f[i++];
    const int k = 持駒番号(駒(l));
    if (k == 0 || 駒(l) == 王) return "持駒に分からない駒の文字があります";
    持駒& h = l >= 'a' ? p.持駒_上 : p.持駒_下;
    if (n < 1 || h.枚数[static_cast<std::size_t>(k)] + n > 一組の枚数[static_cast<std::size_t>(k)])
      return "持駒の数が多すぎます";
    for (int j = 0; j < n; ++j) h.加える(k);
  }
  return "";
}

// A USI move on p: "7g7f", "8h2b+", "P*5e"; false when the text is none.
bool 指し手を読む(std::string_view t, const 記録局面& p, 記録手& m) {
  auto 升を読む = [](std::string_view s, int& x, int& y) {
    if (s.size() < 2 || s[0] < '1' || s[0] > '9' || s[1] < 'a' || s[1] > 'i') return false;
    x = 10 - (s[0] - '0');
    y = s[1] - 'a' + 1;
    return true;
  };
  const int 符号 = p.下の番 ? -1 : 1;
  if (t.size() == 4 && t[1] == '*') {
    const int k = 駒(t[0]);
    if (k == 0 || !升を読む(t.substr(2), m.先X, m.先Y)) return false;
    m.元駒 = m.先駒 = 符号 * k;
    return true;
  }
  if (t.size() != 4 && !(t.size() == 5 && t[4] == '+')) return false;
  if (!升を読む(t, m.元X, m.元Y) || !升を読む(t.substr(2), m.先X, m.先Y)) return false;
  m.元駒 = p.盤面[m.元X][m.元Y];
  m.先駒 = t.size() == 5 ? 成り駒(m.元駒) : m.元駒;
  return true;
}

}  // namespace

記録読込結果 USI解読(std::string_view 内容) {
  記録組立 組;
  const auto 行 = 行に分ける(内容);
  for (std::size_t i = 0; i < 行.size(); ++i)
    if (行[i].読めない) {
      組.中止(static_cast<int>(i + 1), "文字コードとして読めないバイトがあります");
      return std::move(組.結果);
    }
  const std::vector<語> 語列 = 語に分ける(行);
  std::size_t i = 0;
  auto 次 = [&](std::string_view w) { return i < 語列.size() && 語列[i].文 == w; };
  auto 行番号 = [&] { return i < 語列.size() ? 語列[i].行 : (語列.empty() ? 1 : 語列.back().行); };
  if (次("position")) ++i;
  記録局面 p;
  if (次("startpos")) {
    p = 平手局面();
    ++i;
  } else {
    if (次("sfen")) ++i;
    if (i + 3 > 語列.size()) {
      組.中止(行番号(), "SFENには盤面・手番・持駒が要ります");
      return std::move(組.結果);
    }
    std::string 理由 = 盤を読む(語列[i].文, p.盤面);
    const std::string_view 番 = 語列[i + 1].文;
    if (理由.empty() && 番 != "b" && 番 != "w") 理由 = "手番は b か w です";
    p.下の番 = 番 == "b";
    if (理由.empty()) 理由 = 持駒を読む(語列[i + 2].文, p);
    if (!理由.empty()) {
      組.中止(語列[i].行, 理由);
      return std::move(組.結果);
    }
    i += 3;
    std::string_view n = i < 語列.size() ? 語列[i].文 : "";
    if (先頭の数(n) >= 0 && n.empty()) ++i;
  }
  組.開始設定(p);
  if (次("moves")) ++i;
  for (; i < 語列.size() && !組.終了(); ++i) {
    if (次("resign")) {
      組.結果.記録.結末 = 終局::投了;
      組.結果.記録.勝者 = 組.局面.下の番 ? -1 : 1;
      break;
    }
    記録手 m;
    if (!指し手を読む(語列[i].文, 組.局面, m)) {
      組.中止(語列[i].行, "指し手「" + std::string(語列[i].文) + "」が読めません");
      break;
    }
    if (!組.追加(m, 語列[i].行))
      組.結果.不正理由 = std::string(語列[i].文) + "：" + 組.結果.不正理由;
  }
  const auto& 手 = 組.結果.記録.手;
  if (!手.empty() && std::abs(手.back().取駒) == 王) {
    組.結果.記録.結末 = 終局::王取り;
    組.結果.記録.勝者 = 手.back().元駒 < 0 ? 1 : -1;
  }
  return std::move(組.結果);
}

}  // namespace qz
