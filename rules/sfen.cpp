#include "rules/sfen.h"

#include <cstdlib>
#include <utility>
#include <vector>

namespace qz {
namespace {

// The letters, the kinds and their names by 文字番号: hand slots 1..7, then the king.
constexpr std::string_view 駒文字列 = " PLNSGBRK";
constexpr std::array<int, 9> 番号の駒 = {0, 歩, 香, 桂, 銀, 金, 角, 飛, 王};
constexpr std::array<std::string_view, 9> 駒の名 = {"",   "歩", "香", "桂", "銀",
                                                    "金", "角", "飛", "王"};
constexpr int 持駒上限 = 99;  // more of one kind in a hand is surely a typing slip

// The place of a kind in the tables above: its hand slot, 8 for a king, 0
// for a code that is no piece.
int 文字番号(int 駒) {
  return std::abs(駒) == 王 ? 王の番号 : 持駒番号(駒);
}

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

SFEN不備 誤り(SFEN不備種類 種類, int 段 = 0, char 文字 = '\0', int 駒 = 0) {
  return {種類, 段, 文字, 駒};
}

// One rank of the board field into row y of 盤面.
SFEN不備 段を読む(std::string_view r, int y, 盤配列& 盤面) {
  using enum SFEN不備種類;
  int x = 1;
  for (std::size_t i = 0; i < r.size(); ++i) {
    const char c = r[i];
    if (c >= '1' && c <= '9') {
      x += c - '0';
      if (x > 10) return 誤り(升が多い, y);
      continue;
    }
    const bool 成 = c == '+';
    const char l = 成 ? (i + 1 < r.size() ? r[++i] : '\0') : c;
    const int 駒 = 文字の駒(l);
    if (駒 == 0) return 誤り(分からない駒, y);
    if (成 && (駒 == 金 || 駒 == 王)) return 誤り(成れない駒, y);
    if (x > 9) return 誤り(升が多い, y);
    const int code = 駒 + (成 ? 1 : 0);
    盤面[x][y] = static_cast<std::int16_t>(大文字(l) ? -code : code);
    ++x;
  }
  return x != 10 ? 誤り(升が少ない, y) : SFEN不備{};
}

SFEN不備 盤を読む(std::string_view field, 盤配列& 盤面) {
  const auto 段 = 分ける(field, '/');
  if (段.size() != 9) return 誤り(SFEN不備種類::段の数);
  for (int y = 1; y <= 9; ++y)
    if (const SFEN不備 f = 段を読む(段[y - 1], y, 盤面); f.種類 != SFEN不備種類::なし) return f;
  return {};
}

SFEN不備 持駒を読む(std::string_view field, 持駒& man, 持駒& com) {
  using enum SFEN不備種類;
  if (field == "-") return {};
  std::size_t i = 0;
  while (i < field.size()) {
    int n = 0, 桁 = 0;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9' && 桁 < 3) {
      n = n * 10 + (field[i] - '0');
      ++i;
      ++桁;
    }
    if (i >= field.size()) return 誤り(数で終わる);
    if (桁 > 0 && (n < 1 || n > 持駒上限)) return 誤り(持駒の数);
    if (桁 == 0) n = 1;
    const char l = field[i++];
    const int 駒 = 文字の駒(l);
    if (駒 == 0 || 駒 == 王) return 誤り(持駒にならない駒, 0, l);
    持駒& h = 大文字(l) ? man : com;
    const int k = 持駒番号(駒);
    if (h.枚数[k] + n > 持駒上限) return 誤り(持駒の数);
    for (int j = 0; j < n; ++j) h.加える(k);
  }
  return {};
}

SFEN不備 手数を読む(std::string_view n, int& 手数) {
  long v = 0;
  for (char c : n) {
    if (c < '0' || c > '9' || v > 99999999) return 誤り(SFEN不備種類::手数);
    v = v * 10 + (c - '0');
  }
  if (v < 1) return 誤り(SFEN不備種類::手数);
  手数 = static_cast<int>(v);
  return {};
}

SFEN不備 SFENを読む(std::string_view text, SFEN局面& p) {
  using enum SFEN不備種類;
  const auto f = 語に分ける(text);
  if (f.size() < 3 || f.size() > 4) return 誤り(欄の数);
  if (SFEN不備 e = 盤を読む(f[0], p.盤面); e.種類 != なし) return e;
  if (f[1] != "b" && f[1] != "w") return 誤り(手番);
  p.MAN手番 = f[1] == "b";
  if (SFEN不備 e = 持駒を読む(f[2], p.持駒_MAN, p.持駒_COM); e.種類 != なし) return e;
  if (f.size() == 4)
    if (SFEN不備 e = 手数を読む(f[3], p.手数); e.種類 != なし) return e;
  return 局面の無理(p.盤面, p.持駒_MAN, p.持駒_COM);
}

// The reason in the record readers' words and in the engine protocol's.
std::pair<std::string, std::string> 理由(const SFEN不備& f) {
  using enum SFEN不備種類;
  const std::string 段 = std::string("rank ") + static_cast<char>('a' + f.段 - 1);
  const std::string 名(駒の名[文字番号(f.駒)]);
  const std::string 枚数 = std::to_string(一組の枚数[文字番号(f.駒)]);
  switch (f.種類) {
    case なし:
      return {};
    case 欄の数:
      return {"SFENには盤面・手番・持駒が要ります",
              "an sfen has 4 fields: board, side to move, hands, move number"};
    case 段の数:
      return {"盤面が9段ありません", "the board needs 9 ranks separated by '/'"};
    case 升が多い:
      return {"盤面の段の升の数が9ではありません", 段 + " has more than 9 squares"};
    case 升が少ない:
      return {"盤面の段の升の数が9ではありません", 段 + " has fewer than 9 squares"};
    case 分からない駒:
      return {"盤面に分からない駒の文字があります", 段 + " has an unknown piece"};
    case 成れない駒:
      return {"金と王は成れません", 段 + ": a gold or king cannot be promoted"};
    case 手番:
      return {"手番は b か w です", "the side to move must be b or w"};
    case 数で終わる:
      return {"持駒が数で終わっています", "the hands end with a number"};
    case 持駒の数:
      return {"持駒の数が多すぎます", "a hand count must be 1 to 99"};
    case 持駒にならない駒:
      return {"持駒に分からない駒の文字があります",
              std::string("'") + f.文字 + "' cannot be in a hand"};
    case 手数:
      return {"手数は1から999999999までの数です",
              "the move number must be a number from 1 to 999999999"};
    case 一組より多い:
      return {
          名 + "が盤と持駒に合わせて" + 枚数 + "枚より多くあります",
          "more than " + 枚数 + " pieces of kind " + 駒文字(f.駒) + " (board and hands together)"};
    case 王が二枚:
      return {"王が二枚ある側があります", "a side has more than one king"};
    case 動けない駒:
      if (f.駒 == 桂)
        return {"奥の二段の桂は二度と動けません",
                "a knight on the last two ranks could never move"};
      return {"最奥の段の" + 名 + "は二度と動けません", std::string("a ") +
                                                            (f.駒 == 歩 ? "pawn" : "lance") +
                                                            " on the last rank could never move"};
  }
  return {};
}

}  // namespace

char 駒文字(int 駒) {
  const int k = 文字番号(駒);
  return k == 0 ? '?' : 駒文字列[k];
}

int 文字の駒(char c) {
  const std::size_t i = 駒文字列.find(大文字に(c));
  return i == std::string_view::npos ? 0 : 番号の駒[i];
}

std::optional<SFEN局面> SFEN読込(std::string_view text, SFEN不備* 不備) {
  SFEN局面 p;
  const SFEN不備 f = SFENを読む(text, p);
  if (不備 != nullptr) *不備 = f;
  if (f.種類 != SFEN不備種類::なし) return std::nullopt;
  return p;
}

std::string SFEN不備の文(const SFEN不備& f) {
  return 理由(f).first;
}

std::string SFEN不備の英文(const SFEN不備& f) {
  return 理由(f).second;
}

// An unpromoted pawn, lance or knight where it could never move again, two
// kings of one side, or more pieces of a kind than a set has.
SFEN不備 局面の無理(const 盤配列& 盤面, const 持駒& 持駒_MAN, const 持駒& 持駒_COM) {
  using enum SFEN不備種類;
  std::array<int, 9> 枚数{};
  std::array<int, 2> 王の数{};
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int c = 盤面[x][y];
      if (c == 0) continue;
      ++枚数[文字番号(c)];
      if (std::abs(c) == 王) ++王の数[c < 0 ? 0 : 1];
      // The lower side moves towards rank a (y = 1), the upper side towards rank i.
      const int 奥行 = c < 0 ? y - 1 : 9 - y;  // ranks left in front of the piece
      const int a = std::abs(c);
      if (((a == 歩 || a == 香) && 奥行 == 0) || (a == 桂 && 奥行 < 2))
        return 誤り(動けない駒, 0, '\0', a);
    }
  }
  for (int k = 1; k <= 持駒種類数; ++k) 枚数[k] += 持駒_MAN.枚数[k] + 持駒_COM.枚数[k];
  if (王の数[0] > 1 || 王の数[1] > 1) return 誤り(王が二枚);
  for (int k = 1; k <= 王の番号; ++k)
    if (枚数[k] > 一組の枚数[k]) return 誤り(一組より多い, 0, '\0', 番号の駒[k]);
  return {};
}

void 局面に置く(const SFEN局面& p, 局面& s) {
  s.盤面 = p.盤面;
  s.持駒_MAN = p.持駒_MAN;
  s.持駒_COM = p.持駒_COM;
}

std::string 持駒のSFEN(const 持駒& h, bool MAN側) {
  std::string s;
  for (int k = 持駒種類数; k >= 1; --k) {
    const int n = h.枚数[k];
    if (n <= 0) continue;
    if (n > 1) s += std::to_string(n);
    const char l = 駒文字列[k];
    s += MAN側 ? l : 小文字に(l);
  }
  return s;
}

std::string SFEN書出(const 盤配列& 盤面, const 持駒& 持駒_MAN, const 持駒& 持駒_COM, bool MAN手番,
                     int 手数) {
  std::string s;
  for (int y = 1; y <= 9; ++y) {
    int 空き = 0;
    for (int x = 1; x <= 9; ++x) {
      const int c = 盤面[x][y];
      if (c == 0) {
        ++空き;
        continue;
      }
      if (空き > 0) s += static_cast<char>('0' + 空き);
      空き = 0;
      if (std::abs(c) % 10 == 1) s += '+';
      // A code that is no piece (a broken record may leave one) is written as '?'.
      const char l = 駒コード(c) ? 駒文字(c) : '?';
      s += c < 0 ? l : 小文字に(l);
    }
    if (空き > 0) s += static_cast<char>('0' + 空き);
    if (y < 9) s += '/';
  }
  s += MAN手番 ? " b " : " w ";
  const std::string h = 持駒のSFEN(持駒_MAN, true) + 持駒のSFEN(持駒_COM, false);
  s += h.empty() ? "-" : h;
  return s + ' ' + std::to_string(手数);
}

std::optional<指し手> USI指し手読込(std::string_view t, const 盤配列& 盤面, bool MAN手番) {
  auto 升を読む = [](std::string_view s, int& x, int& y) {
    if (s[0] < '1' || s[0] > '9' || s[1] < 'a' || s[1] > 'i') return false;
    x = 10 - (s[0] - '0');
    y = s[1] - 'a' + 1;
    return true;
  };
  int fx = 0, fy = 0, tx = 0, ty = 0;
  if (t.size() == 4 && t[1] == '*') {
    const int 駒 = 大文字(t[0]) ? 文字の駒(t[0]) : 0;
    if (駒 == 0 || !升を読む(t.substr(2), tx, ty)) return std::nullopt;
    return 指し手::打つ手(MAN手番 ? -駒 : 駒, tx, ty);
  }
  if (t.size() != 4 && !(t.size() == 5 && t[4] == '+')) return std::nullopt;
  if (!升を読む(t, fx, fy) || !升を読む(t.substr(2), tx, ty)) return std::nullopt;
  return 指し手::盤上の手(fx, fy, tx, ty, 盤面[fx][fy], t.size() == 5);
}

std::string USI表記(const 指し手& m) {
  auto 升 = [](int x, int y) {
    return std::string{static_cast<char>('0' + 10 - x), static_cast<char>('a' + y - 1)};
  };
  if (m.打つ()) return std::string{駒文字(m.元駒), '*'} + 升(m.先X, m.先Y);
  return 升(m.元X, m.元Y) + 升(m.先X, m.先Y) + (m.成る() ? "+" : "");
}

}  // namespace qz
