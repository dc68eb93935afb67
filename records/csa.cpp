#include "records/csa.h"

#include <array>
#include <cstdlib>

#include "records/record_reader.h"
#include "records/record_text.h"
#include "records/stepping.h"
#include "rules/sfen.h"

namespace qz {
namespace {

struct CSA駒 {
  std::string_view 名;
  int 駒;
};
constexpr std::array<CSA駒, 14> CSA駒表 = {{{"FU", 歩},
                                            {"KY", 香},
                                            {"KE", 桂},
                                            {"GI", 銀},
                                            {"KI", 金},
                                            {"KA", 角},
                                            {"HI", 飛},
                                            {"OU", 王},
                                            {"TO", 成歩},
                                            {"NY", 成香},
                                            {"NK", 成桂},
                                            {"NG", 成銀},
                                            {"UM", 成角},
                                            {"RY", 成飛}}};

std::string_view CSA名(int 駒) {
  for (const CSA駒& p : CSA駒表)
    if (p.駒 == std::abs(駒)) return p.名;
  return "??";
}

int CSA名の駒(std::string_view 名) {
  for (const CSA駒& p : CSA駒表)
    if (p.名 == 名) return p.駒;
  return 0;
}

std::string 升(int x, int y) {
  return std::to_string(10 - x) + std::to_string(y);
}

// The endings: the statement, and whether the side to move wins (1),
// loses (-1) or neither (0).
struct CSA終局 {
  std::string_view 文;
  終局 結末;
  int 手番側の勝ち;
};
constexpr std::array<CSA終局, 10> CSA終局表 = {{{"%TORYO", 終局::投了, -1},
                                                {"%TSUMI", 終局::詰み, -1},
                                                {"%CHUDAN", 終局::中断, 0},
                                                {"%SENNICHITE", 終局::千日手, 0},
                                                {"%JISHOGI", 終局::持将棋, 0},
                                                {"%HIKIWAKE", 終局::持将棋, 0},
                                                {"%TIME_UP", 終局::時間切れ, -1},
                                                {"%ILLEGAL_MOVE", 終局::反則勝ち, 1},
                                                {"%KACHI", 終局::入玉勝ち, 1},
                                                {"%MAX_MOVES", 終局::中断, 0}}};

std::string 終局文(const 対局記録& r) {
  // A king taken ends the game as a mate would: the last mover has won.
  if (r.結末 == 終局::王取り) return "%TSUMI";
  if (r.結末 == 終局::反則負け) {
    const bool 下の番 = r.手.size() % 2 == (r.開始.下の番 ? 0 : 1);
    return 下の番 ? "%+ILLEGAL_ACTION" : "%-ILLEGAL_ACTION";
  }
  for (const CSA終局& e : CSA終局表)
    if (e.結末 == r.結末) return std::string(e.文);
  return "";
}

std::string 持駒行(char 側, const 持駒& h) {
  std::string r;
  for (int k = 持駒種類数; k >= 1; --k)
    for (int i = 0; i < h.枚数[static_cast<std::size_t>(k)]; ++i)
      r += "00" + std::string(CSA名(持駒番号の駒[static_cast<std::size_t>(k)]));
  return r.empty() ? "" : std::string("P") + 側 + r + "\r\n";
}

std::string 開始局面文(const 記録局面& p) {
  std::vector<std::pair<int, int>> 除く;
  std::string r;
  if (!手合割名(p).empty() && 平手から除いた駒(p, 除く)) {
    r = "PI";
    const 記録局面 平手 = 平手局面();
    for (const auto& [x, y] : 除く) r += 升(x, y) + std::string(CSA名(平手.盤面[x][y]));
    r += "\r\n";
  } else {
    for (int y = 1; y <= 9; ++y) {
      r += "P" + std::to_string(y);
      for (int x = 1; x <= 9; ++x) {
        const int c = p.盤面[x][y];
        r += c == 0 ? " * " : (c < 0 ? "+" : "-") + std::string(CSA名(c));
      }
      r += "\r\n";
    }
    r += 持駒行('+', p.持駒_下) + 持駒行('-', p.持駒_上);
  }
  return r + (p.下の番 ? "+\r\n" : "-\r\n");
}

std::string 本文(const 対局記録& r) {
  std::string s;
  if (!r.下手名.empty()) s += "N+" + r.下手名 + "\r\n";
  if (!r.上手名.empty()) s += "N-" + r.上手名 + "\r\n";
  if (!r.棋戦.empty()) s += "$EVENT:" + r.棋戦 + "\r\n";
  if (!r.開始日時.empty()) s += "$START_TIME:" + r.開始日時 + "\r\n";
  // CSA's time line has no increment: such a control is told in a comment.
  if (const std::string t = CSA持ち時間(r.持ち時間); !t.empty())
    s += "$TIME_LIMIT:" + t + "\r\n";
  else if (r.持ち時間.有効())
    s += "'持ち時間：" + 持ち時間の文(r.持ち時間) + "\r\n";
  s += "'ルール：氷結（敵の駒が利いている升の駒は動けない）\r\n";
  if (r.反転) s += "'QZ:反転\r\n";
  s += 開始局面文(r.開始);
  for (const 記録手& m : r.手) {
    s += m.元駒 < 0 ? "+" : "-";
    s += m.打つ() ? "00" : 升(m.元X, m.元Y);
    s +=
        升(m.先X, m.先Y) + std::string(CSA名(m.先駒)) + "\r\nT" + std::to_string(m.消費秒) + "\r\n";
  }
  const std::string 終 = 終局文(r);
  return 終.empty() ? s : s + 終 + "\r\n";
}

}  // namespace

std::string CSA文書(const 対局記録& r) {
  return "V2.2\r\n" + 本文(r);
}

std::string CSA文書V3(const 対局記録& r) {
  return "'CSA encoding=UTF-8\r\nV3.0\r\n" + 本文(r);
}

// --- Reading ----------------------------------------------------------------------

namespace {

// The square of two digits at the front of s ("77"; "00" is a hand): x, y.
bool 升を読む(std::string_view s, int& x, int& y) {
  if (s.size() < 2 || s[0] < '0' || s[0] > '9' || s[1] < '0' || s[1] > '9') return false;
  const int 筋 = s[0] - '0', 段 = s[1] - '0';
  if ((筋 == 0) != (段 == 0)) return false;
  x = 筋 == 0 ? 0 : 10 - 筋;
  y = 段;
  return true;
}

class CSA読込 : public 記録読込<CSA読込> {
  friend class 記録読込<CSA読込>;

 private:
  void 一行(std::string_view s) {
    if (s.starts_with("'")) {
      const std::string_view c = 前後の空白除去(s);
      if (c == "'QZ:反転") 組.結果.記録.反転 = true;
      // The comment this program writes for a control CSA cannot say.
      if (c.starts_with("'持ち時間：") && !組.結果.記録.持ち時間.有効())
        組.結果.記録.持ち時間 = 持ち時間を読む(c.substr(16)).value_or(持ち時間設定{});
      return;
    }
    // A name or a game's information takes its whole line, commas and all;
    // other statements may share a line, joined by commas.
    if (s.starts_with("N") || s.starts_with("$")) return 文(前後の空白除去(s));
    while (!s.empty() && !組.終了() && !終わり) {
      const std::size_t p = s.find(',');
      文(前後の空白除去(s.substr(0, p)));
      s = p == std::string_view::npos ? std::string_view{} : s.substr(p + 1);
    }
  }

  void 終端() { 開始する(); }

  void 文(std::string_view s) {
    if (s.empty()) return;
    対局記録& r = 組.結果.記録;
    if (s[0] == 'V') return;
    if (s.starts_with("N+"))
      r.下手名 = 前後の空白除去(s.substr(2));
    else if (s.starts_with("N-"))
      r.上手名 = 前後の空白除去(s.substr(2));
    else if (s.starts_with("$EVENT:"))
      r.棋戦 = 前後の空白除去(s.substr(7));
    else if (s.starts_with("$START_TIME:"))
      r.開始日時 = 前後の空白除去(s.substr(12));
    else if (s.starts_with("$TIME_LIMIT:"))
      r.持ち時間 = CSA持ち時間を読む(前後の空白除去(s.substr(12))).value_or(持ち時間設定{});
    else if (s[0] == '$')
      return;
    else if (s.starts_with("PI"))
      平手から(s.substr(2));
    else if (s.size() >= 2 && s[0] == 'P' && s[1] >= '1' && s[1] <= '9')
      段(s);
    else if (s.starts_with("P+") || s.starts_with("P-"))
      駒を置く(s);
    else if (s == "+" || s == "-")
      手番(s == "+");
    else if ((s[0] == '+' || s[0] == '-') && s.size() >= 7)
      指し手(s);
    else if (s[0] == 'T')
      時間(s.substr(1));
    else if (s[0] == '%')
      終局文(s);
    else
      組.中止(行番号, QZ_TR("CSA形式の行ではありません"));
  }

  bool 局面の行か() {
    if (!開始済) return true;
    組.中止(行番号, QZ_TR("指し手の後に局面の行があります"));
    return false;
  }

  void 平手から(std::string_view s) {
    if (!局面の行か()) return;
    開始局面 = 平手局面();
    for (; s.size() >= 4; s.remove_prefix(4)) {
      int x = 0, y = 0;
      if (!升を読む(s, x, y) || x == 0 || CSA名の駒(s.substr(2, 2)) == 0)
        return 組.中止(行番号, QZ_TR("PIの駒落ちが読めません"));
      開始局面.盤面[x][y] = 0;
    }
    if (!s.empty()) 組.中止(行番号, QZ_TR("PIの駒落ちが読めません"));
  }

  void 段(std::string_view s) {
    if (!局面の行か()) return;
    const int y = s[1] - '0';
    std::string 行(s.substr(2));
    行.resize(27, ' ');
    for (int x = 1; x <= 9; ++x) {
      const std::string_view 欄 =
          std::string_view(行).substr(static_cast<std::size_t>(x - 1) * 3, 3);
      if (欄 == " * " || 欄 == "   ") {
        開始局面.盤面[x][y] = 0;
        continue;
      }
      const int 駒 = CSA名の駒(欄.substr(1));
      if ((欄[0] != '+' && 欄[0] != '-') || 駒 == 0)
        return 組.中止(行番号, QZ_TR("盤面の行が読めません"));
      開始局面.盤面[x][y] = static_cast<std::int16_t>(欄[0] == '+' ? -駒 : 駒);
    }
  }

  // `P+00KA77FU`: pieces to a hand ("00", "AL" for all the rest) or a square.
  void 駒を置く(std::string_view s) {
    if (!局面の行か()) return;
    const bool 下 = s[1] == '+';
    for (s.remove_prefix(2); s.size() >= 4; s.remove_prefix(4)) {
      int x = 0, y = 0;
      const std::string_view 名 = s.substr(2, 2);
      if (!升を読む(s, x, y)) return 組.中止(行番号, QZ_TR("駒の位置が読めません"));
      if (名 == "AL" && x == 0) {
        残りを持駒に(下);
        continue;
      }
      const int 駒 = CSA名の駒(名);
      if (駒 == 0) return 組.中止(行番号, QZ_TR("駒の名前が読めません"));
      if (x != 0) {
        開始局面.盤面[x][y] = static_cast<std::int16_t>(下 ? -駒 : 駒);
        continue;
      }
      const int k = 持駒番号(駒);
      if (k == 0 || 持駒番号の駒[static_cast<std::size_t>(k)] != 駒)
        return 組.中止(行番号, QZ_TR("持駒にできない駒です"));
      持駒& h = 下 ? 開始局面.持駒_下 : 開始局面.持駒_上;
      if (h.枚数[static_cast<std::size_t>(k)] >= 一組の枚数[static_cast<std::size_t>(k)])
        return 組.中止(行番号, QZ_TR("持駒の数が多すぎます"));
      h.加える(k);
    }
    if (!s.empty()) 組.中止(行番号, QZ_TR("駒の位置が読めません"));
  }

  // The pieces of a full set not on the board or in a hand go to one hand.
  void 残りを持駒に(bool 下) {
    std::array<int, 8> 数{};
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        ++数[static_cast<std::size_t>(手順持駒番号(開始局面.盤面[x][y]))];
    持駒& h = 下 ? 開始局面.持駒_下 : 開始局面.持駒_上;
    for (int k = 1; k <= 持駒種類数; ++k) {
      const auto i = static_cast<std::size_t>(k);
      const int 残り = 一組の枚数[i] - 数[i] - 開始局面.持駒_下.枚数[i] - 開始局面.持駒_上.枚数[i];
      for (int n = 0; n < 残り; ++n) h.加える(k);
    }
  }

  void 手番(bool 下) {
    if (!局面の行か()) return;
    開始局面.下の番 = 下;
    開始する();
  }

  void 開始する() {
    if (開始済) return;
    開始済 = true;
    組.開始設定(開始局面, 行番号);
  }

  void 指し手(std::string_view s) {
    if (!開始済) {
      開始局面.下の番 = s[0] == '+';
      開始する();
    }
    const bool 下 = s[0] == '+';
    if (下 != 組.局面.下の番) return 組.中止(行番号, QZ_TR("手番でない側の指し手です"));
    const int 駒 = CSA名の駒(s.substr(5, 2));
    int fx = 0, fy = 0, tx = 0, ty = 0;
    if (!升を読む(s.substr(1), fx, fy) || !升を読む(s.substr(3), tx, ty) || tx == 0 || 駒 == 0 ||
        s.size() != 7)
      return 組.中止(行番号, QZ_TR("指し手が読めません"));
    const int 符号 = 下 ? -1 : 1;
    // The piece is named as it stands after the move: a promotion names
    // the promoted kind of the piece on the origin.
    const int 元 = fx == 0 ? 0 : std::abs(組.局面.盤面[fx][fy]);
    const int 元駒 = 元 + 1 == 駒 && 駒 != 成金 ? 元 : 駒;
    記録手 m{fx == 0 ? qz::指し手::打つ手(符号 * 駒, tx, ty)
                     : qz::指し手{fx, fy, tx, ty, 符号 * 元駒, 符号 * 駒}};
    m.累計秒 = 下 ? 累計_下 : 累計_上;
    組.追加(m, 行番号);
  }

  // `T12` (V3.0 may add a fraction, `T12.345`, of which the seconds are kept).
  void 時間(std::string_view s) {
    auto& 手 = 組.結果.記録.手;
    const long long 秒 = 先頭の数(s);
    if (取る(s, ".")) 先頭の数(s);
    if (秒 < 0 || !s.empty()) return 組.中止(行番号, QZ_TR("消費時間が読めません"));
    if (手.empty()) return;
    int& 累計 = 手.back().元駒 < 0 ? 累計_下 : 累計_上;
    if (秒 > 秒上限 || 累計 + 秒 > 秒上限) return 組.中止(行番号, QZ_TR("消費時間が長すぎます"));
    累計 = static_cast<int>(累計 + 秒);
    手.back().消費秒 = static_cast<int>(秒);
    手.back().累計秒 = 累計;
  }

  void 終局文(std::string_view s) {
    終わり = true;
    開始する();
    if (s == "%+ILLEGAL_ACTION" || s == "%-ILLEGAL_ACTION") {
      結末 = (s[1] == '+') == 組.局面.下の番 ? 終局::反則負け : 終局::反則勝ち;
      勝者 = s[1] == '+' ? -1 : 1;
      return;
    }
    for (const CSA終局& e : CSA終局表)
      if (e.文 == s) return 手番側で終局(e.結末, e.手番側の勝ち);
    // An ending this reader does not know: the moves after it would be lost.
    終わり = false;
    組.中止(行番号, QZ_TR("終局の文が読めません"));
  }

  記録局面 開始局面 = 平手局面();
  bool 開始済 = false;
  int 累計_下 = 0, 累計_上 = 0;
};

}  // namespace

記録読込結果 CSA解読(std::string_view 内容) {
  return CSA読込{}.読む(内容);
}

}  // namespace qz
