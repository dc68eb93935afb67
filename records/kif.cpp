#include "records/kif.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <tuple>

#include "records/kif_variations.h"
#include "records/record_reader.h"
#include "records/record_text.h"
#include "rules/sfen.h"

namespace qz {
namespace {

constexpr std::string_view 改行 = "\r\n";
constexpr std::array<std::string_view, 10> 全角数字 = {"０", "１", "２", "３", "４",
                                                       "５", "６", "７", "８", "９"};
constexpr std::array<std::string_view, 11> 漢数字 = {"〇", "一", "二", "三", "四", "五",
                                                     "六", "七", "八", "九", "十"};

struct 駒名 {
  int 駒;
  std::string_view 手の名, 図の名;
};
constexpr std::array<駒名, 14> 駒名表 = {{{歩, "歩", "歩"},
                                          {成歩, "と", "と"},
                                          {香, "香", "香"},
                                          {成香, "成香", "杏"},
                                          {桂, "桂", "桂"},
                                          {成桂, "成桂", "圭"},
                                          {銀, "銀", "銀"},
                                          {成銀, "成銀", "全"},
                                          {金, "金", "金"},
                                          {角, "角", "角"},
                                          {成角, "馬", "馬"},
                                          {飛, "飛", "飛"},
                                          {成飛, "龍", "龍"},
                                          {王, "玉", "玉"}}};

// Every name a reader meets, longest first where one starts another.
struct 読む名 {
  std::string_view 名;
  int 駒;
};
constexpr std::array<読む名, 19> 読む駒名 = {{{"成香", 成香},
                                              {"成桂", 成桂},
                                              {"成銀", 成銀},
                                              {"歩", 歩},
                                              {"と", 成歩},
                                              {"香", 香},
                                              {"杏", 成香},
                                              {"桂", 桂},
                                              {"圭", 成桂},
                                              {"銀", 銀},
                                              {"全", 成銀},
                                              {"金", 金},
                                              {"角", 角},
                                              {"馬", 成角},
                                              {"飛", 飛},
                                              {"龍", 成飛},
                                              {"竜", 成飛},
                                              {"玉", 王},
                                              {"王", 王}}};

std::string 漢数字で(int n) {
  if (n <= 10) return std::string(漢数字[static_cast<std::size_t>(n)]);
  std::string r = n >= 20 ? std::string(漢数字[static_cast<std::size_t>(n / 10)]) : "";
  r += "十";
  if (n % 10 != 0) r += 漢数字[static_cast<std::size_t>(n % 10)];
  return r;
}

std::string 側名(bool 下, bool 駒落ち) {
  if (駒落ち) return 下 ? "下手" : "上手";
  return 下 ? "先手" : "後手";
}

// A hand as `飛　角二　歩十八　`, or `なし`.
std::string 持駒文(const 持駒& h) {
  std::string r;
  for (int k = 持駒種類数; k >= 1; --k) {
    const int n = h.枚数[static_cast<std::size_t>(k)];
    if (n <= 0) continue;
    r += KIF駒名(持駒番号の駒[static_cast<std::size_t>(k)]);
    if (n > 1) r += 漢数字で(n);
    r += "　";
  }
  return r.empty() ? "なし" : r;
}

std::string 盤図(const 記録局面& p) {
  std::string r = "後手の持駒：" + 持駒文(p.持駒_上) + std::string(改行);
  r += "  ９ ８ ７ ６ ５ ４ ３ ２ １\r\n+---------------------------+\r\n";
  for (int y = 1; y <= 9; ++y) {
    r += "|";
    for (int x = 1; x <= 9; ++x) {
      const int c = p.盤面[x][y];
      r += c == 0 ? " ・" : (c > 0 ? "v" : " ") + std::string(KIF盤駒名(c));
    }
    r += "|" + std::string(漢数字[static_cast<std::size_t>(y)]) + std::string(改行);
  }
  r += "+---------------------------+\r\n";
  r += "先手の持駒：" + 持駒文(p.持駒_下) + std::string(改行);
  if (!p.下の番) r += "後手番\r\n";
  return r;
}

std::string 二桁(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string 時間文(int 消費, int 累計) {
  std::string 分 = std::to_string(消費 / 60);
  if (分.size() < 2) 分.insert(0, " ");
  return "(" + 分 + ":" + 二桁(消費 % 60) + "/" + 二桁(累計 / 3600) + ":" + 二桁(累計 / 60 % 60) +
         ":" + 二桁(累計 % 60) + ")";
}

// The text of a move and its width in half-width columns.
std::pair<std::string, int> 指し手文(const 記録手& m, std::pair<int, int> 直前) {
  std::string r;
  int 幅 = 0;
  auto 足す = [&](std::string_view s, int w) {
    r += s;
    幅 += w;
  };
  if (直前 == std::pair{m.先X, m.先Y}) {
    足す("同　", 4);
  } else {
    足す(全角数字[static_cast<std::size_t>(10 - m.先X)], 2);
    足す(漢数字[static_cast<std::size_t>(m.先Y)], 2);
  }
  const std::string_view 名 = KIF駒名(m.元駒);
  足す(名, static_cast<int>(名 == "成香" || 名 == "成桂" || 名 == "成銀" ? 4 : 2));
  if (m.打つ()) {
    足す("打", 2);
  } else {
    if (m.成る()) 足す("成", 2);
    足す("(" + std::to_string(10 - m.元X) + std::to_string(m.元Y) + ")", 4);
  }
  return {r, 幅};
}

std::string 手数欄(std::size_t n) {
  std::string s = std::to_string(n);
  if (s.size() < 4) s.insert(0, 4 - s.size(), ' ');
  return s + " ";
}

// The move lines of a line of play whose first move is move 始, 直前 the
// destination of the move before it; a move with a branch beside it is
// marked with a trailing `+`.
// The comment lines kept after move n.
std::string 注釈の行(const std::map<std::size_t, std::vector<std::string>>& 注釈, std::size_t n) {
  std::string s;
  if (const auto it = 注釈.find(n); it != 注釈.end())
    for (const std::string& 行 : it->second) s += "*" + 行 + std::string(改行);
  return s;
}

std::string 手の行(const std::vector<記録手>& 線, int 始, const std::vector<記録変化>& 変化,
                   std::pair<int, int> 直前,
                   const std::map<std::size_t, std::vector<std::string>>* 注釈 = nullptr) {
  std::string s;
  for (std::size_t i = 0; i < 線.size(); ++i) {
    const 記録手& m = 線[i];
    const int n = 始 + static_cast<int>(i);
    const auto [文, 幅] = 指し手文(m, 直前);
    const bool 分岐あり =
        std::any_of(変化.begin(), 変化.end(), [n](const 記録変化& v) { return v.手目 == n; });
    s += 手数欄(static_cast<std::size_t>(n)) + 文 +
         std::string(static_cast<std::size_t>(std::max(1, 18 - 幅)), ' ') +
         時間文(m.消費秒, m.累計秒) + (分岐あり ? "+" : "") + std::string(改行);
    if (注釈) s += 注釈の行(*注釈, static_cast<std::size_t>(n));
    直前 = {m.先X, m.先Y};
  }
  return s;
}

// The branches of a line as `変化：N手` blocks, the latest move's first (a
// block belongs to the last line written that holds its move N), each
// followed by its own branches.
void 変化の塊(std::string& s, const std::vector<記録手>& 線, int 始,
              const std::vector<記録変化>& 変化, std::pair<int, int> 直前) {
  std::vector<const 記録変化*> 順;
  for (const 記録変化& v : 変化) {
    const int i = v.手目 - 始;
    if (!v.手.empty() && i >= 0 && i < static_cast<int>(線.size())) 順.push_back(&v);
  }
  std::stable_sort(順.begin(), 順.end(),
                   [](const 記録変化* a, const 記録変化* b) { return a->手目 > b->手目; });
  for (const 記録変化* v : 順) {
    const int i = v->手目 - 始;
    const auto 前 = i == 0 ? 直前 : std::pair{線[i - 1].先X, 線[i - 1].先Y};
    s += "\r\n変化：" + std::to_string(v->手目) + "手\r\n";
    s += 手の行(v->手, v->手目, v->変化, 前);
    変化の塊(s, v->手, v->手目, v->変化, 前);
  }
}

// The move line that ends a game, and the summary line after the moves.
std::string 終局の行(const 対局記録& r, bool 駒落ち) {
  const std::size_t n = r.手.size();
  const std::string 手 = std::to_string(n) + "手で";
  const std::string 勝ち = r.勝者 == 0 ? "" : 側名(r.勝者 > 0, 駒落ち) + "の勝ち";
  auto 行 = [&](std::string_view 語) { return 手数欄(n + 1) + std::string(語) + "\r\n"; };
  switch (r.結末) {
    case 終局::なし:
      return "";
    case 終局::王取り:
      return "まで" + 手 + 勝ち + "\r\n";
    case 終局::詰み:
      return 行("詰み") + "まで" + 手 + 勝ち + "\r\n";
    case 終局::投了:
      return 行("投了") + "まで" + 手 + 勝ち + "\r\n";
    case 終局::中断:
      return 行("中断") + "まで" + 手 + "中断\r\n";
    case 終局::千日手:
      return 行("千日手") + "まで" + 手 + "千日手\r\n";
    case 終局::持将棋:
      return 行("持将棋") + "まで" + 手 + "持将棋\r\n";
    case 終局::時間切れ:
      return 行("切れ負け") + "まで" + 手 + "時間切れにより" + 勝ち + "\r\n";
    case 終局::反則勝ち:
      return 行("反則勝ち") + "まで" + 手 + 勝ち + "\r\n";
    case 終局::反則負け:
      return 行("反則負け") + "まで" + 手 + 勝ち + "\r\n";
    case 終局::入玉勝ち:
      return 行("入玉勝ち") + "まで" + 手 + 勝ち + "\r\n";
  }
  return "";
}

}  // namespace

std::string_view KIF駒名(int 駒) {
  for (const 駒名& n : 駒名表)
    if (n.駒 == std::abs(駒)) return n.手の名;
  return "？";
}

std::string_view KIF盤駒名(int 駒) {
  for (const 駒名& n : 駒名表)
    if (n.駒 == std::abs(駒)) return n.図の名;
  return "？";
}

std::string KIF文書(const 対局記録& r) {
  const bool 駒落ち = 駒落ちか(r.開始);
  std::string s = "# ---- QZ 氷結将棋 棋譜ファイル ----\r\n";
  if (r.反転) s += "#QZ:反転\r\n";
  if (!r.開始日時.empty()) s += "開始日時：" + r.開始日時 + std::string(改行);
  if (!r.棋戦.empty()) s += "棋戦：" + r.棋戦 + std::string(改行);
  if (r.持ち時間.有効()) s += "持ち時間：" + 持ち時間の文(r.持ち時間) + std::string(改行);
  const std::string_view 名 = 手合割名(r.開始);
  s += 名.empty() ? 盤図(r.開始) : "手合割：" + std::string(名) + std::string(改行);
  s += 側名(true, 駒落ち) + "：" + r.下手名 + std::string(改行);
  s += 側名(false, 駒落ち) + "：" + r.上手名 + std::string(改行);
  s += "ルール：氷結（敵の駒が利いている升の駒は動けない）\r\n";
  s += "手数----指手---------消費時間--\r\n";
  s += 注釈の行(r.注釈, 0);
  s += 手の行(r.手, 1, r.変化, {0, 0}, &r.注釈);
  s += 終局の行(r, 駒落ち);
  変化の塊(s, r.手, 1, r.変化, {0, 0});
  return s;
}

// --- Reading ----------------------------------------------------------------------

namespace {

// Takes s's front when it is one of the strings given; returns its index or -1.
template <std::size_t N>
int 先頭一致(std::string_view& s, const std::array<std::string_view, N>& 候補) {
  for (std::size_t i = 0; i < N; ++i)
    if (!候補[i].empty() && s.starts_with(候補[i])) {
      s.remove_prefix(候補[i].size());
      return static_cast<int>(i);
    }
  return -1;
}

int 駒名を読む(std::string_view& s) {
  for (const 読む名& n : 読む駒名)
    if (取る(s, n.名)) return n.駒;
  return 0;
}

// A digit 1..9: full-width, ASCII or (for a rank) a kanji numeral; 0 if none.
int 数字を読む(std::string_view& s) {
  if (!s.empty() && s[0] >= '1' && s[0] <= '9') {
    const int d = s[0] - '0';
    s.remove_prefix(1);
    return d;
  }
  int i = 先頭一致(s, 全角数字);
  if (i >= 1) return i;
  i = 先頭一致(s, 漢数字);
  return i >= 1 && i <= 9 ? i : 0;
}

// A kanji count in a hand (`二`, `十八`); 1 when none is written.
int 枚数を読む(std::string_view& s) {
  int n = 0;
  const int 十の位 = 先頭一致(s, 漢数字);
  if (十の位 == 10) {
    n = 10;
  } else if (十の位 >= 1) {
    n = 十の位;
    if (取る(s, "十"))
      n *= 10;
    else
      return n;
  } else {
    return 1;
  }
  const int 一の位 = 先頭一致(s, 漢数字);
  return n + (一の位 >= 1 && 一の位 <= 9 ? 一の位 : 0);
}

bool 持駒を読む(std::string_view s, 持駒& h) {
  h = {};
  s = 前後の空白除去(s);
  if (s == "なし" || s.empty()) return true;
  while (!(s = 前後の空白除去(s)).empty()) {
    const int 駒 = 駒名を読む(s);
    const int k = 持駒番号(駒);
    if (k == 0 || 持駒番号の駒[static_cast<std::size_t>(k)] != 駒) return false;
    const int n = 枚数を読む(s);
    if (h.枚数[static_cast<std::size_t>(k)] + n > 一組の枚数[static_cast<std::size_t>(k)])
      return false;
    for (int i = 0; i < n; ++i) h.加える(k);
  }
  return true;
}

// A row of a board diagram: `|v香v桂 ・ ...|一`; false when it is not one.
bool 盤の段を読む(std::string_view s, std::array<std::int16_t, 10>& 段) {
  if (!取る(s, "|")) return false;
  for (int x = 1; x <= 9; ++x) {
    const bool 上 = 取る(s, "v") || 取る(s, "V");
    if (!上) 取る(s, " ");
    if (取る(s, "・") || 取る(s, "　")) {
      段[static_cast<std::size_t>(x)] = 0;
      continue;
    }
    const int 駒 = 駒名を読む(s);
    if (駒 == 0) return false;
    段[static_cast<std::size_t>(x)] = static_cast<std::int16_t>(上 ? 駒 : -駒);
  }
  return s.starts_with("|");
}

struct 終局語 {
  std::string_view 語;
  終局 結末;
  int 手番側の勝ち;  // 1: the side to move wins, -1: it loses, 0: nobody
};
constexpr std::array<終局語, 12> 終局語表 = {{{"投了", 終局::投了, -1},
                                              {"詰み", 終局::詰み, -1},
                                              {"中断", 終局::中断, 0},
                                              {"千日手", 終局::千日手, 0},
                                              {"持将棋", 終局::持将棋, 0},
                                              {"切れ負け", 終局::時間切れ, -1},
                                              {"反則勝ち", 終局::反則勝ち, 1},
                                              {"反則負け", 終局::反則負け, -1},
                                              {"入玉勝ち", 終局::入玉勝ち, 1},
                                              {"不戦勝", 終局::反則勝ち, 1},
                                              {"不戦敗", 終局::反則負け, -1},
                                              {"封じ手", 終局::中断, 0}}};

// The time field `( 0:16/00:00:16)`: the move's seconds and the total; a
// field of another shape is passed over. False when a time is past the
// clocks' limit.
bool 時間を読む(std::string_view s, long long& 消費, std::optional<long long>& 累計) {
  if (!取る(s, "(")) return true;
  s = 前後の空白除去(s);
  long long 分 = 先頭の数(s), 秒 = 0;
  if (分 < 0 || !取る(s, ":") || (秒 = 先頭の数(s)) < 0) return true;
  消費 = 分 * 60 + 秒;
  if (消費 > 秒上限) return false;
  if (!取る(s, "/")) return true;
  long long 時 = 先頭の数(s), m = 0, 秒2 = 0;
  if (時 < 0 || !取る(s, ":") || (m = 先頭の数(s)) < 0) return true;
  if (!取る(s, ":") || (秒2 = 先頭の数(s)) < 0)
    累計 = 時 * 60 + m;  // mm:ss
  else
    累計 = (時 * 60 + m) * 60 + 秒2;
  return *累計 <= 秒上限;
}

// The ending word a move line holds in place of a move, or nothing.
const 終局語* 終局語を読む(std::string_view s) {
  for (const 終局語& e : 終局語表)
    if (s.starts_with(e.語)) return &e;
  return nullptr;
}

bool 目的地(std::string_view& s, std::pair<int, int> 直前, int& x, int& y) {
  if (取る(s, "同")) {
    取る(s, "　") || 取る(s, " ");
    std::tie(x, y) = 直前;
    return x != 0;
  }
  const int 筋 = 数字を読む(s), 段 = 数字を読む(s);
  if (筋 == 0 || 段 == 0) return false;
  x = 10 - 筋;
  y = 段;
  取る(s, "同") && (取る(s, "　") || 取る(s, " "));  // `２四同　歩`
  return true;
}

// The origin `(77)`; false when there is none.
bool 元の升(std::string_view& s, int& x, int& y) {
  std::string_view t = s;
  if (!取る(t, "(") || t.size() < 3 || t[0] < '1' || t[0] > '9' || t[1] < '1' || t[1] > '9' ||
      t[2] != ')')
    return false;
  x = 10 - (t[0] - '0');
  y = t[1] - '0';
  s = t.substr(3);
  return true;
}

// Reads the move s (its number taken off) into m with its times, the
// mover's total kept in the place given; the reason when it cannot be read.
文面 手を読む(std::string_view s, 手の場 場, 記録手& m) {
  int fx = 0, fy = 0, tx = 0, ty = 0;
  if (!目的地(s, 場.直前, tx, ty)) return QZ_TR("指し手が読めません");
  const int 種類 = 駒名を読む(s);
  if (種類 == 0) return QZ_TR("駒の名前が読めません");
  const int 駒 = 場.局面.下の番 ? -種類 : 種類;
  bool 打 = 取る(s, "打");
  const bool 成 = !(取る(s, "不成") || 取る(s, "生")) && 取る(s, "成");
  if (!打) 打 = !元の升(s, fx, fy);
  m = 記録手{打 ? qz::指し手::打つ手(駒, tx, ty) : qz::指し手{fx, fy, tx, ty, 駒, 駒}};
  if (成) m.先駒 = 成り駒(駒);
  s = 前後の空白除去(s);
  long long 消費 = 0;
  std::optional<long long> 累計;
  int& 持ち時間 = 場.局面.下の番 ? 場.累計_下 : 場.累計_上;
  if (!時間を読む(s, 消費, 累計) || (!累計 && 持ち時間 + 消費 > 秒上限))
    return QZ_TR("消費時間が長すぎます");
  m.消費秒 = static_cast<int>(消費);
  持ち時間 = static_cast<int>(累計 ? *累計 : 持ち時間 + 消費);
  m.累計秒 = 持ち時間;
  return {};
}

class KIF読込 : public 記録読込<KIF読込> {
  friend class 記録読込<KIF読込>;

 private:
  void 一行(std::string_view 行) {
    const std::string_view s = 前後の空白除去(行);
    if (s.empty() || s[0] == '#' || s[0] == '*' || s[0] == '&') {
      const bool 本譜 = !本譜終わり && !変化.読み中();
      if (s == "#QZ:反転" && 本譜) 組.結果.記録.反転 = true;
      // A comment of the game's own line stays with the move before it.
      if (!s.empty() && s[0] == '*' && 開始済 && 本譜) {
        対局記録& r = 組.結果.記録;
        r.注釈[r.手.size()].emplace_back(s.substr(1));
      }
      return;
    }
    if (変化.読み中() || 本譜終わり) return 本譜の後(s);
    if (s.starts_with("変化")) {
      開始する();
      if (!組.終了()) 本譜の後(s);
      return;
    }
    if (s.starts_with("手数----") || s.starts_with("手数－")) {
      開始する();
      return;
    }
    if (s.starts_with("まで")) return;
    if (s.starts_with("|")) return 盤の段(s);
    if (s.starts_with("+") || s.starts_with("９ ") || s.starts_with("９ ８")) return;
    if (s == "後手番" || s == "上手番") return 番を決める(false);
    if (s == "先手番" || s == "下手番") return 番を決める(true);
    std::string_view t = s;
    取る(t, "▲") || 取る(t, "△") || 取る(t, "☗") || 取る(t, "☖");
    if (!t.empty() && t[0] >= '0' && t[0] <= '9') return 指し手(t);
    if (!開始済) return 見出し(s);
    組.中止(行番号, QZ_TR("指し手の行ではありません"));
  }

  void 終端() {
    開始する();
    if (!組.終了() && !終わり) 変化の不備(変化.終端());
  }

  // A line after the game: the branches' blocks; anything else after the
  // game's end and before the first block is passed over.
  void 本譜の後(std::string_view s) {
    if (s.starts_with("変化")) return 変化の不備(変化.見出し(s), false);
    if (!変化.読み中() || s.starts_with("まで")) return;
    std::string_view t = s;
    取る(t, "▲") || 取る(t, "△") || 取る(t, "☗") || 取る(t, "☖");
    if (t.empty() || t[0] < '0' || t[0] > '9') return 変化の不備(QZ_TR("指し手の行ではありません"));
    const long long 番号 = 先頭の数(t);
    t = 前後の空白除去(t);
    取る(t, "▲") || 取る(t, "△") || 取る(t, "☗") || 取る(t, "☖");
    if (終局語を読む(t)) return 変化.終局();
    変化の不備(変化.指し手(番号, t, 手を読む));
  }

  // A block refused: it is left out (unless 捨てる is false: the block
  // being read was complete), and nothing after it is read.
  void 変化の不備(文面 理由, bool 捨てる = true) {
    if (理由.empty()) return;
    if (捨てる || 変化.読み中()) 変化.捨てる();
    組.結果.変化不正行 = 行番号;
    組.結果.変化不正理由 = std::move(理由);
    終わり = true;
  }

  // Bytes that are no character after the game end the reading there.
  void 読めない行() {
    if (変化.読み中()) return 変化の不備(QZ_TR("文字コードとして読めないバイトがあります"));
    if (本譜終わり) return void(終わり = true);
    記録読込::読めない行();
  }

  void 見出し(std::string_view s) {
    std::size_t p = s.find("：");
    std::size_t w = 3;
    if (const std::size_t q = s.find(':'); q < p) p = q, w = 1;
    if (p == std::string_view::npos) return;  // a line of no known kind
    const std::string_view 鍵 = 前後の空白除去(s.substr(0, p));
    const std::string_view 値 = 前後の空白除去(s.substr(p + w));
    対局記録& r = 組.結果.記録;
    if (鍵 == "開始日時") r.開始日時 = 値;
    if (鍵 == "棋戦" || (鍵 == "表題" && r.棋戦.empty())) r.棋戦 = 値;
    if (鍵 == "持ち時間")  // a text of another kind is passed over
      r.持ち時間 = 持ち時間を読む(値).value_or(持ち時間設定{});
    if (鍵 == "先手" || 鍵 == "下手") r.下手名 = 値;
    if (鍵 == "後手" || 鍵 == "上手") r.上手名 = 値;
    if (鍵 == "手合割" && !手合割局面(値, 開始局面)) 不明な手合割 = 値;
    if (鍵 == "先手の持駒" || 鍵 == "下手の持駒") 持駒(値, 開始局面.持駒_下);
    if (鍵 == "後手の持駒" || 鍵 == "上手の持駒") 持駒(値, 開始局面.持駒_上);
  }

  void 持駒(std::string_view 値, 持駒& h) {
    if (!持駒を読む(値, h)) 組.中止(行番号, QZ_TR("持駒が読めません"));
  }

  void 盤の段(std::string_view s) {
    if (開始済) return 組.中止(行番号, QZ_TR("指し手の後に盤面図があります"));
    // A diagram replaces the handicap's board; the lower side moves first
    // unless a line after it says otherwise.
    if (段数 == 0) 開始局面.下の番 = true;
    std::array<std::int16_t, 10> 段{};
    if (段数 >= 9 || !盤の段を読む(s, 段)) return 組.中止(行番号, QZ_TR("盤面図の段が読めません"));
    ++段数;
    for (int x = 1; x <= 9; ++x) 開始局面.盤面[x][段数] = 段[static_cast<std::size_t>(x)];
  }

  void 番を決める(bool 下) {
    if (開始済) return 組.中止(行番号, QZ_TR("指し手の後に手番の行があります"));
    開始局面.下の番 = 下;
  }

  void 開始する() {
    if (開始済) return;
    開始済 = true;
    if (段数 != 0 && 段数 != 9) return 組.中止(行番号, QZ_TR("盤面図が9段ありません"));
    if (段数 == 0 && !不明な手合割.empty())
      return 組.中止(行番号, 文面(QZ_TR("手合割「%1」が分かりません"), {引用(不明な手合割)}));
    組.開始設定(開始局面, 行番号);
  }

  void 指し手(std::string_view s) {
    開始する();
    if (組.終了()) return;
    先頭の数(s);
    s = 前後の空白除去(s);
    取る(s, "▲") || 取る(s, "△") || 取る(s, "☗") || 取る(s, "☖");
    if (const 終局語* e = 終局語を読む(s)) {
      手番側で終局(e->結末, e->手番側の勝ち);
      本譜終わり = true;
      return;
    }
    記録手 m;
    if (文面 理由 = 手を読む(s, {組.局面, 組.直前の先(), 累計_下, 累計_上}, m); !理由.empty())
      return 組.中止(行番号, std::move(理由));
    組.追加(m, 行番号);
  }

  記録局面 開始局面 = 平手局面();
  bool 開始済 = false;
  std::string 不明な手合割;
  int 段数 = 0;
  int 累計_下 = 0, 累計_上 = 0;
  bool 本譜終わり = false;  // the game's ending line was read
  KIF変化読込 変化{組.結果.記録};
};

}  // namespace

記録読込結果 KIF解読(std::string_view 内容) {
  return KIF読込{}.読む(内容);
}

}  // namespace qz
