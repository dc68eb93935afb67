#include "engine/sfen.h"

#include <array>
#include <vector>

namespace qz {
namespace {

constexpr std::string_view 駒文字列 = "PLNSGBRK";
constexpr std::array<int, 8> 文字順の駒 = {歩, 香, 桂, 銀, 金, 角, 飛, 王};
constexpr int 持駒上限 = 99;  // more of one kind in a hand is surely a typing slip

bool 大文字(char c) {
  return c >= 'A' && c <= 'Z';
}
char 小文字に(char c) {
  return 大文字(c) ? static_cast<char>(c - 'A' + 'a') : c;
}
char 大文字に(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::vector<std::string_view> 分ける(std::string_view s, char sep) {
  std::vector<std::string_view> r;
  std::size_t start = 0;
  for (;;) {
    const std::size_t p = s.find(sep, start);
    r.push_back(s.substr(start, p == std::string_view::npos ? std::string_view::npos : p - start));
    if (p == std::string_view::npos) return r;
    start = p + 1;
  }
}

std::vector<std::string_view> 語に分ける(std::string_view s) {
  std::vector<std::string_view> r;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
    if (i > start) r.push_back(s.substr(start, i - start));
  }
  return r;
}

// Reads the board field into 盤面; an empty string on success, else the reason.
std::string 盤を読む(std::string_view field, 盤配列& 盤面) {
  const auto 段 = 分ける(field, '/');
  if (段.size() != 9) return "the board needs 9 ranks separated by '/'";
  for (int y = 1; y <= 9; ++y) {
    const std::string_view r = 段[y - 1];
    const std::string 名 = std::string("rank ") + static_cast<char>('a' + y - 1);
    int x = 1;
    for (std::size_t i = 0; i < r.size(); ++i) {
      const char c = r[i];
      if (c >= '1' && c <= '9') {
        x += c - '0';
        if (x > 10) return 名 + " has more than 9 squares";
        continue;
      }
      const bool 成 = c == '+';
      const char l = 成 ? (i + 1 < r.size() ? r[++i] : '\0') : c;
      const int 駒 = 文字の駒(l);
      if (駒 == 0) return 名 + " has an unknown piece";
      if (成 && (駒 == 金 || 駒 == 王)) return 名 + ": a gold or king cannot be promoted";
      if (x > 9) return 名 + " has more than 9 squares";
      const int code = 駒 + (成 ? 1 : 0);
      盤面[x][y] = static_cast<std::int16_t>(大文字(l) ? -code : code);
      ++x;
    }
    if (x != 10) return 名 + " has fewer than 9 squares";
  }
  return {};
}

std::string 持駒を読む(std::string_view field, 持駒& man, 持駒& com) {
  if (field == "-") return {};
  std::size_t i = 0;
  while (i < field.size()) {
    int n = 0, 桁 = 0;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9' && 桁 < 3) {
      n = n * 10 + (field[i] - '0');
      ++i;
      ++桁;
    }
    if (i >= field.size()) return "the hands end with a number";
    if (桁 > 0 && (n < 1 || n > 持駒上限)) return "a hand count must be 1 to 99";
    if (桁 == 0) n = 1;
    const char l = field[i++];
    const int 駒 = 文字の駒(l);
    if (駒 == 0 || 駒 == 王) return std::string("'") + l + "' cannot be in a hand";
    持駒& h = 大文字(l) ? man : com;
    const int k = 持駒番号(駒);
    if (h.枚数[k] + n > 持駒上限) return "a hand count must be 1 to 99";
    for (int j = 0; j < n; ++j) h.加える(k);
  }
  if (field.empty()) return "the hands are empty (write '-')";
  return {};
}

// How many pieces of each kind one set has (a promoted piece counts as its
// kind), in the order of 文字順の駒; a king is one a side.
constexpr std::array<int, 8> 一組の枚数 = {18, 4, 4, 4, 4, 2, 2, 2};

// Why no game could reach this position ("" when one could): more pieces of
// a kind than a set has, two kings of one side, or an unpromoted pawn,
// lance or knight where it could never move again.
std::string 局面の無理(const SFEN局面& p) {
  std::array<int, 8> 枚数{};
  std::array<int, 2> 王の数{};
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int c = p.盤面[x][y];
      if (c == 0) continue;
      const int 種 = std::abs(c) % 10 == 1 ? std::abs(c) - 1 : std::abs(c);
      ++枚数[駒文字列.find(駒文字(種))];
      if (種 == 王) ++王の数[c < 0 ? 0 : 1];
      // The lower side moves towards rank a (y = 1), the upper side towards rank i.
      const int 奥行 = c < 0 ? y - 1 : 9 - y;  // ranks left in front of the piece
      if ((c == -歩 || c == 歩 || c == -香 || c == 香) && 奥行 == 0)
        return std::string("a ") + (std::abs(c) == 歩 ? "pawn" : "lance") +
               " on the last rank could never move";
      if ((c == -桂 || c == 桂) && 奥行 < 2)
        return "a knight on the last two ranks could never move";
    }
  }
  for (std::size_t k = 0; k + 1 < 文字順の駒.size(); ++k) {
    const int i = 持駒番号(文字順の駒[k]);
    枚数[k] += p.持駒_MAN.枚数[i] + p.持駒_COM.枚数[i];
  }
  if (王の数[0] > 1 || 王の数[1] > 1) return "a side has more than one king";
  for (std::size_t k = 0; k < 枚数.size(); ++k)
    if (枚数[k] > 一組の枚数[k])
      return std::string("more than ") + std::to_string(一組の枚数[k]) + " pieces of kind " +
             駒文字列[k] + " (board and hands together)";
  return {};
}

}  // namespace

char 駒文字(int 駒) {
  int a = std::abs(駒);
  if (a % 10 == 1) --a;  // a promoted kind (or ±111) is written with its base letter
  for (std::size_t i = 0; i < 文字順の駒.size(); ++i)
    if (文字順の駒[i] == a) return 駒文字列[i];
  return '?';
}

int 文字の駒(char c) {
  const std::size_t i = 駒文字列.find(大文字に(c));
  if (c == '\0' || i == std::string_view::npos) return 0;
  return 文字順の駒[i];
}

std::optional<SFEN局面> SFEN読込(std::string_view text, std::string& 理由) {
  const auto f = 語に分ける(text);
  if (f.size() < 3 || f.size() > 4) {
    理由 = "an sfen has 4 fields: board, side to move, hands, move number";
    return std::nullopt;
  }
  SFEN局面 p;
  理由 = 盤を読む(f[0], p.盤面);
  if (!理由.empty()) return std::nullopt;
  if (f[1] != "b" && f[1] != "w") {
    理由 = "the side to move must be b or w";
    return std::nullopt;
  }
  p.MAN手番 = f[1] == "b";
  理由 = 持駒を読む(f[2], p.持駒_MAN, p.持駒_COM);
  if (!理由.empty()) return std::nullopt;
  if (f.size() == 4) {
    const std::string_view n = f[3];
    long v = 0;
    for (char c : n) {
      if (c < '0' || c > '9' || v > 99999999) {
        理由 = "the move number must be a number from 1 to 999999999";
        return std::nullopt;
      }
      v = v * 10 + (c - '0');
    }
    if (v < 1) {
      理由 = "the move number must be a number from 1 to 999999999";
      return std::nullopt;
    }
    p.手数 = static_cast<int>(v);
  }
  理由 = 局面の無理(p);
  if (!理由.empty()) return std::nullopt;
  return p;
}

std::string SFEN書出(const 盤配列& 盤面, const 持駒& 持駒_MAN, const 持駒& 持駒_COM, bool MAN手番,
                     int 手数) {
  std::string s;
  for (int y = 1; y <= 9; ++y) {
    int 空き = 0;
    for (int x = 1; x <= 9; ++x) {
      const int c = 盤面[x][y];
      const char l = 駒コード(c) ? 駒文字(c) : '\0';
      if (l == '\0') {
        ++空き;
        continue;
      }
      if (空き > 0) s += static_cast<char>('0' + 空き);
      空き = 0;
      if (std::abs(c) % 10 == 1) s += '+';
      s += c < 0 ? l : 小文字に(l);
    }
    if (空き > 0) s += static_cast<char>('0' + 空き);
    if (y < 9) s += '/';
  }
  s += MAN手番 ? " b " : " w ";
  std::string h;
  auto 手 = [&h](const 持駒& m, bool 上) {
    for (int k = 持駒種類数; k >= 1; --k) {
      const int n = m.枚数[k];
      if (n <= 0) continue;
      if (n > 1) h += std::to_string(n);
      const char l = 駒文字(持駒番号の駒[k]);
      h += 上 ? l : 小文字に(l);
    }
  };
  手(持駒_MAN, true);
  手(持駒_COM, false);
  s += h.empty() ? "-" : h;
  s += ' ';
  s += std::to_string(手数);
  return s;
}

std::optional<USI指し手> USI指し手読込(std::string_view t) {
  auto 筋 = [](char c) { return c >= '1' && c <= '9' ? 10 - (c - '0') : 0; };
  auto 段 = [](char c) { return c >= 'a' && c <= 'i' ? c - 'a' + 1 : 0; };
  USI指し手 m;
  if (t.size() == 4 && t[1] == '*') {
    const int 駒 = 大文字(t[0]) ? 文字の駒(t[0]) : 0;
    if (駒 == 0 || 駒 == 王) return std::nullopt;
    m.打つ = true;
    m.持駒番号 = 持駒番号(駒);
  } else if (t.size() == 4 || (t.size() == 5 && t[4] == '+')) {
    m.元X = 筋(t[0]);
    m.元Y = 段(t[1]);
    m.成 = t.size() == 5;
    if (m.元X == 0 || m.元Y == 0) return std::nullopt;
  } else {
    return std::nullopt;
  }
  m.先X = 筋(t[2]);
  m.先Y = 段(t[3]);
  if (m.先X == 0 || m.先Y == 0) return std::nullopt;
  return m;
}

std::string USI表記(const 指し手& m) {
  auto 升 = [](int x, int y) {
    return std::string{static_cast<char>('0' + 10 - x), static_cast<char>('a' + y - 1)};
  };
  if (m.打つ()) return std::string{駒文字(m.元駒), '*'} + 升(m.先X, m.先Y);
  return 升(m.元X, m.元Y) + 升(m.先X, m.先Y) + (m.成る() ? "+" : "");
}

void 局面に置く(const SFEN局面& p, 局面& s) {
  s.盤面 = p.盤面;
  s.持駒_MAN = p.持駒_MAN;
  s.持駒_COM = p.持駒_COM;
}

}  // namespace qz
