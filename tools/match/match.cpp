// qz-match: plays games between two settings of the computer player, each
// opening twice with the colours swapped, and prints wins, draws and losses
// of the first setting, its score and the Elo difference with a 95% interval.
//
//   build/tools/match/qz-match --a L4 --b L3 --games 200 --threads 2
//
// A setting is a level as the window plays it, by its number (L1..L5, L6..)
// or its name (LEVEL3A), or nodes=N, time=MS or depth=N (the searching
// player with that limit; time=MS keeps its table between moves and skips
// hopeless quiet moves as LEVEL4 does, fresh=MS is the same limit starting
// every search from an empty table). --openings FILE plays from the series
// of moves the file lists, one a line, in turn, instead. --wa / --wb
// NAME=VALUE change one evaluation weight of the first / second setting;
// --ta / --tb N give its searches N threads. --clock puts both sides on a
// clock (byoyomi or increment) and counts the games lost on time.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "computer/time_control.h"
#include "game/session.h"
#include "rules/sfen.h"
#include "tools/match/openings.h"

namespace qz {
namespace {

struct 設定 {
  std::string 名;
  int レベル = 3;
  探索条件 条件;  // the searching player's limits (levels above LEVEL3)
  int 糸数 = 1;   // the threads of each of its searches
  std::vector<std::pair<std::string, int>> 重み;
};

// A clock for both sides (--clock MAIN+BYOb or MAIN+INCi, in ms): the
// searching levels then think by the time manager, and a side whose search
// overruns its time loses on time.
struct 時計規定 {
  bool あり = false;
  std::int64_t 持ち = 0, 秒読み = 0, 加算 = 0;
};

// Reads "10000+1000b" (byoyomi) or "10000+1000i" (increment).
bool 時計を読む(const std::string& t, 時計規定& c) {
  const auto plus = t.find('+');
  if (plus == std::string::npos || t.size() < plus + 3) return false;
  const std::string a = t.substr(0, plus), b = t.substr(plus + 1, t.size() - plus - 2);
  const char kind = t.back();
  for (const std::string& n : {a, b})
    if (n.empty() || n.size() > 9 || n.find_first_not_of("0123456789") != std::string::npos)
      return false;
  if (kind != 'b' && kind != 'i') return false;
  c.あり = true;
  c.持ち = std::stoll(a);
  (kind == 'b' ? c.秒読み : c.加算) = std::stoll(b);
  return true;
}

struct 対局条件 {
  設定 a, b;
  int 局数 = 200;
  int 序盤手数 = 4;
  int 手数上限 = 400;
  int 並列 = 1;
  unsigned 種 = 1;
  bool 詳細 = false;
  bool 手順を書く = false;  // each game's moves after its verbose line
  時計規定 時計;
  std::string 序盤集;  // a file of openings, or none for random ones
};

// A level of レベル一覧 by its number ("L6") or its name ("LEVEL3A").
const レベル段* レベルを読む(const std::string& t) {
  for (const レベル段& l : レベル一覧())
    if (t == l.名 || t == "L" + std::to_string(l.番号)) return &l;
  return nullptr;
}

bool 設定を読む(const std::string& t, 設定& s) {
  s.名 = t;
  if (const レベル段* l = レベルを読む(t)) {
    s.レベル = l->番号;
    s.条件 = レベル条件(s.レベル);
    return true;
  }
  const auto eq = t.find('=');
  if (eq == std::string::npos) return false;
  const std::string k = t.substr(0, eq), v = t.substr(eq + 1);
  if (v.empty() || v.find_first_not_of("0123456789") != std::string::npos) return false;
  if (v.size() > 12) return false;
  const long long n = std::max(1LL, std::stoll(v));
  s.レベル = 5;
  s.条件 = {};
  if (k == "nodes")
    s.条件.節点上限 = static_cast<std::uint64_t>(n);
  else if (k == "time")
    s.条件.時間上限ms = n, s.条件.表を残す = s.条件.刈り込む = true;  // as LEVEL4 and LEVEL5 do
  else if (k == "fresh")
    s.条件.時間上限ms = n, s.条件.刈り込む = true;
  else if (k == "depth")
    s.条件.深さ上限 = static_cast<int>(std::min(n, 60LL));
  else
    return false;
  return true;
}

bool 重みを読む(const std::string& t, 設定& s) {
  const auto eq = t.find('=');
  if (eq == std::string::npos) return false;
  try {
    s.重み.emplace_back(t.substr(0, eq), std::stoi(t.substr(eq + 1)));
  } catch (...) {
    return false;
  }
  評価重み w;
  return 重みを設定(w, s.重み.back().first, s.重み.back().second);
}

std::string 表記(const std::vector<指し手>& 手) {
  std::string s;
  for (const 指し手& m : 手) s += " " + USI表記(m);
  return s;
}

// One player: what its one-move player keeps between its turns, or its own
// searcher (with its own weights), choosing for the side to move.
struct 指し手番 {
  const 設定& 設;
  COM記憶 記憶;
  std::unique_ptr<深探索> 探索器;
  bool 探索する() const { return 探索するレベル(設.レベル); }
  explicit 指し手番(const 設定& s) : 設(s) {
    if (!探索する()) return;
    探索器 = std::make_unique<深探索>();
    探索器->糸数を設定(s.糸数);
    for (const auto& [k, v] : s.重み) 重みを設定(探索器->重み, k, v);
  }
  // On a clock (配分) the search thinks within the time manager's share.
  std::optional<指し手> 選ぶ(対局& g, const 時間配分* 配分 = nullptr) {
    if (!探索する()) return g.一手読みの手(記憶, 設.レベル);
    探索条件 条件 = 設.条件;
    if (配分) 時間を当てる(条件, *配分);
    const 思考依頼 依頼 = g.手番側の思考依頼(条件);
    const 深探索結果 r = 探索器->探索(依頼.写し, 依頼.MAN手番, 依頼.既出, 依頼.条件);
    if (!r.指し手あり) return std::nullopt;
    return r.最善;
  }
};

// 1 when the first player to move wins, 0 for a loss, -1 for a draw (at the
// cap, or by a repetition that is not a perpetual check).
// On a clock 時間切れ is set when a side lost on time (1 the first, 2 the
// second). The moves after the opening are added to 手順 in USI.
int 対局する(const 設定& 先, const 設定& 後, const std::vector<指し手>& 序盤, int 上限, int& 手数,
             const 時計規定& 時計, int& 時間切れ, std::string& 手順) {
  指し手番 p0(先), p1(後);
  対局 g = 新しい対局();
  for (const 指し手& m : 序盤) g.指す(m);
  const bool 先はMAN = g.MAN手番();
  std::int64_t 残り[2] = {時計.持ち, 時計.持ち};  // the first and the second mover's
  時間切れ = 0;
  for (手数 = 0; 手数 < 上限; ++手数) {
    const bool 先番 = g.MAN手番() == 先はMAN;
    std::optional<指し手> m;
    if (時計.あり) {
      std::int64_t& 自分 = 残り[先番 ? 0 : 1];
      const std::int64_t 相手 = 残り[先番 ? 1 : 0];
      持ち時間 t;
      (g.MAN手番() ? t.残りMAN : t.残りCOM) = 自分;
      (g.MAN手番() ? t.残りCOM : t.残りMAN) = 相手;
      t.加算MAN = t.加算COM = 時計.加算;
      t.秒読み = 時計.秒読み;
      const 時間配分 d = 時間を配る(t, g.MAN手番(), g.手数);
      const auto t0 = std::chrono::steady_clock::now();
      m = (先番 ? p0 : p1).選ぶ(g, &d);
      const std::int64_t 使った = std::chrono::duration_cast<std::chrono::milliseconds>(
                                      std::chrono::steady_clock::now() - t0)
                                      .count();
      自分 -= 使った;
      if (自分 + 時計.秒読み < 0) {
        時間切れ = 先番 ? 1 : 2;
        return 先番 ? 0 : 1;
      }
      自分 = std::max<std::int64_t>(自分, 0) + 時計.加算;
    } else {
      m = (先番 ? p0 : p1).選ぶ(g);
    }
    if (!m) return 先番 ? 0 : 1;  // no legal move: the side to move has lost
    if (g.指し手検査(*m) != 着手拒否::なし) {
      std::cerr << "illegal move " << USI表記(*m) << " after" << 表記(序盤) << '\n';
      return 先番 ? 0 : 1;
    }
    手順 += ' ' + USI表記(*m);
    if (const auto e = g.指す(*m).終わり) {
      if (e->引き分け) return -1;
      return (e->勝者 == 側::MAN) == 先はMAN ? 1 : 0;
    }
  }
  return -1;
}

struct 集計 {
  int 勝 = 0, 分 = 0, 負 = 0;
  int 上限の分 = 0;                    // draws that reached the ply cap, not a repetition
  int 時間切れ_a = 0, 時間切れ_b = 0;  // games each setting lost on time
};

double Elo(double p) {
  return -400.0 * std::log10(1.0 / p - 1.0);
}

std::string Elo表記(double p) {
  if (p <= 0) return "-inf";
  if (p >= 1) return "+inf";
  char b[32];
  std::snprintf(b, sizeof b, "%+.0f", Elo(p));
  return b;
}

void 結果を書く(const 対局条件& c, const 集計& r) {
  const int n = r.勝 + r.分 + r.負;
  const double p = (r.勝 + 0.5 * r.分) / n;
  const double var = (r.勝 * std::pow(1 - p, 2) + r.分 * std::pow(0.5 - p, 2) + r.負 * p * p) / n;
  const double se = std::sqrt(var / n);
  std::printf("%s vs %s: %d games, +%d =%d -%d, score %.1f%%, Elo %s [%s, %s] (95%%)\n",
              c.a.名.c_str(), c.b.名.c_str(), n, r.勝, r.分, r.負, 100 * p, Elo表記(p).c_str(),
              Elo表記(p - 1.96 * se).c_str(), Elo表記(p + 1.96 * se).c_str());
  if (r.分 > 0) std::printf("draws at the %d-ply cap: %d\n", c.手数上限, r.上限の分);
  if (c.時計.あり)
    std::printf("lost on time: %s %d, %s %d\n", c.a.名.c_str(), r.時間切れ_a, c.b.名.c_str(),
                r.時間切れ_b);
}

int 使い方() {
  std::cerr << "usage: qz-match [--a L1..L" << 最大レベル番号()
            << "|LEVEL3A|nodes=N|time=MS|fresh=MS|depth=N] [--b ...] [--games N]\n"
               "                [--plies N] [--cap N] [--threads N] [--seed N] [--verbose]\n"
               "                [--moves]   (verbose, with each game's moves in USI)\n"
               "                [--wa NAME=VALUE] [--wb NAME=VALUE] [--ta N] [--tb N]\n"
               "                [--clock MAIN+BYOb|MAIN+INCi]   (ms, e.g. 10000+1000b)\n"
               "                [--openings FILE]   (USI moves from the start, one series a line)\n";
  return 2;
}

int main_(int argc, char** argv) {
  対局条件 c;
  設定を読む("L4", c.a);
  設定を読む("L3", c.b);
  for (int i = 1; i < argc; ++i) {
    const std::string k = argv[i];
    if (k == "--verbose" || k == "--moves") {
      c.詳細 = true;
      c.手順を書く = c.手順を書く || k == "--moves";
      continue;
    }
    if (i + 1 >= argc) return 使い方();
    const std::string v = argv[++i];
    bool ok = true;
    auto 数 = [&](int& d) {
      ok = !v.empty() && v.size() < 9 && v.find_first_not_of("0123456789") == std::string::npos;
      if (ok) d = std::stoi(v);
    };
    if (k == "--a")
      ok = 設定を読む(v, c.a);
    else if (k == "--b")
      ok = 設定を読む(v, c.b);
    else if (k == "--wa")
      ok = 重みを読む(v, c.a), c.a.名 += "[" + v + "]";
    else if (k == "--wb")
      ok = 重みを読む(v, c.b), c.b.名 += "[" + v + "]";
    else if (k == "--ta" || k == "--tb") {
      設定& t = k == "--ta" ? c.a : c.b;
      数(t.糸数);
      ok = ok && t.糸数 >= 1 && t.糸数 <= 深探索::最大糸数;
      if (ok) t.名 += "/" + v + "t";
    } else if (k == "--clock")
      ok = 時計を読む(v, c.時計);
    else if (k == "--openings")
      c.序盤集 = v;
    else if (k == "--games")
      数(c.局数);
    else if (k == "--plies")
      数(c.序盤手数);
    else if (k == "--cap")
      数(c.手数上限);
    else if (k == "--threads")
      数(c.並列);
    else if (k == "--seed") {
      int s = 0;
      数(s);
      c.種 = static_cast<unsigned>(s);
    } else
      ok = false;
    if (!ok) {
      std::cerr << "qz-match: cannot read " << k << " " << v << "\n";
      return 使い方();
    }
  }
  if (c.局数 < 2 || c.並列 < 1) return 使い方();
  std::vector<std::vector<指し手>> 序盤;
  if (c.序盤集.empty()) {
    序盤 = 序盤を作る((c.局数 + 1) / 2, c.序盤手数, c.種);
  } else {
    std::ifstream in(c.序盤集);
    std::string 不備 = "cannot open the file";
    auto r = in ? 序盤を読む(in, 不備) : std::nullopt;
    if (!r) {
      std::cerr << "qz-match: " << c.序盤集 << ": " << 不備 << '\n';
      return 2;
    }
    序盤 = std::move(*r);
  }
  集計 r;
  std::mutex 鎖;
  std::atomic<int> 次{0};
  auto 働く = [&] {
    for (int g; (g = 次++) < c.局数;) {
      const std::vector<指し手>& o = 序盤[static_cast<std::size_t>(g / 2) % 序盤.size()];
      const bool a先 = g % 2 == 0;
      int 手数 = 0, 切れ = 0;
      std::string 手順;
      const int w =
          対局する(a先 ? c.a : c.b, a先 ? c.b : c.a, o, c.手数上限, 手数, c.時計, 切れ, 手順);
      const int a結果 = w < 0 ? -1 : (w == 1) == a先 ? 1 : 0;
      std::lock_guard l(鎖);
      (a結果 < 0 ? r.分 : a結果 ? r.勝 : r.負)++;
      r.上限の分 += a結果 < 0 && 手数 == c.手数上限;
      if (切れ) ((切れ == 1) == a先 ? r.時間切れ_a : r.時間切れ_b)++;
      if (c.詳細)
        std::printf("game %d (%s first, opening%s): %s after %d plies%s\n", g + 1,
                    a先 ? c.a.名.c_str() : c.b.名.c_str(), 表記(o).c_str(),
                    a結果 < 0 ? "draw"
                    : a結果   ? "A wins"
                              : "B wins",
                    手数, 切れ ? " (on time)" : "");
      if (c.手順を書く) std::printf("  moves%s%s\n", 表記(o).c_str(), 手順.c_str());
      std::fflush(stdout);
    }
  };
  std::vector<std::thread> ts;
  for (int i = 0; i < c.並列; ++i) ts.emplace_back(働く);
  for (auto& t : ts) t.join();
  結果を書く(c, r);
  return 0;
}

}  // namespace
}  // namespace qz

int main(int argc, char** argv) {
  return qz::main_(argc, argv);
}
