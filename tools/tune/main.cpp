// qz-tune: fits the searching player's evaluation weights to the results
// of its own games (Texel's method).
//
//   build/tools/tune/qz-tune gen --seed 1 --games 3000 --nodes 3000 --out /tmp/qz.tune
//   build/tools/tune/qz-tune fit --in /tmp/qz.tune
//
// gen plays node-limited games of the searching player against itself from
// random openings and writes their quiet positions with the results (see
// teacher.h); the same arguments give the same file, whatever --threads.
// fit finds the scaling K, then the weights of least error, and prints them
// as qz-match's --wa arguments.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "computer/bearing_board.h"
#include "tools/match/openings.h"
#include "tools/tune/fit.h"

namespace qz {
namespace {

struct 生成条件 {
  unsigned 種 = 1;
  int 局数 = 100;
  std::uint64_t 節点 = 3000;
  int 序盤手数 = 8;  // random plies of each opening
  int 飛ばし = 16;   // positions before this ply are not written
  int 手数上限 = 300;
  int 一局の数 = 40;  // at most this many positions of a game, evenly spaced
  int 並列 = 1;
  std::string 出力;
  評価重み 重み;
};

// A position worth writing: past the opening, the side to move not in
// check, its best move neither a capture nor a promotion, the game not
// yet seen to be decided.
bool 静かな局面(const 思考依頼& q, const 深探索結果& r, int 手数, int 飛ばし) {
  if (手数 < 飛ばし || !r.指し手あり) return false;
  if (std::abs(r.報告.評価) >= 勝敗境) return false;
  const 指し手& m = r.最善;
  if (m.成る() || (!m.打つ() && q.写し.盤面[m.先X][m.先Y] != 0)) return false;
  利き盤 b;
  b.設定(q.写し, q.MAN手番);
  return !b.王手(q.MAN手番);
}

// Plays one game from the opening and returns its quiet positions' lines.
std::string 一局(深探索& 探, const std::vector<指し手>& 序盤, const 生成条件& c) {
  対局 g = 新しい対局();
  for (const 指し手& m : 序盤) g.指す(m);
  探索条件 条件;
  条件.節点上限 = c.節点;
  std::vector<std::pair<SFEN局面, bool>> 局面;  // and whether MAN was to move
  int 勝者 = 0;                                 // 1 MAN, -1 COM, 0 a draw
  int 手数 = static_cast<int>(序盤.size());
  for (; 手数 < c.手数上限; ++手数) {
    const 思考依頼 q = g.手番側の思考依頼(条件);
    const 深探索結果 r = 探.探索(q.写し, q.MAN手番, q.既出, q.条件);
    if (静かな局面(q, r, 手数, c.飛ばし))
      局面.push_back(
          {{q.写し.盤面, q.写し.持駒_MAN, q.写し.持駒_COM, q.MAN手番, 手数 + 1}, q.MAN手番});
    if (!r.指し手あり) {
      勝者 = q.MAN手番 ? -1 : 1;
      break;
    }
    if (const auto e = g.指す(r.最善).終わり) {
      勝者 = e->引き分け ? 0 : e->勝者 == 側::MAN ? 1 : -1;
      break;
    }
  }
  std::string out = "# " +
                    std::string(勝者 == 0   ? "draw"
                                : 勝者 == 1 ? "MAN wins"
                                            : "COM wins") +
                    " after " + std::to_string(手数) + " plies\n";
  const std::size_t n = 局面.size(), k = std::min(n, static_cast<std::size_t>(c.一局の数));
  for (std::size_t i = 0; i < k; ++i) {
    const auto& [p, man] = 局面[i * n / k];
    out += 教師行を書く(p, 勝者 == 0 ? 0.5F : (勝者 == 1) == man ? 1.0F : 0.0F) + "\n";
  }
  return out;
}

// Plays the games on 並列 threads and writes them in their order.
int 生成する(const 生成条件& c, const std::string& 引数) {
  const auto 序盤 = 序盤を作る(c.局数, c.序盤手数, c.種);
  std::vector<std::string> 結果(static_cast<std::size_t>(c.局数));
  std::vector<bool> 済(結果.size());
  const std::string tmp = c.出力 + ".part";
  std::ofstream out(tmp);
  if (!out) return std::cerr << "cannot write " << tmp << '\n', 1;
  out << "# qz-tune gen" << 引数 << '\n';
  std::mutex 鎖;
  std::atomic<int> 次{0};
  std::size_t 書いた = 0;
  auto 働く = [&] {
    深探索 探;
    探.重み = c.重み;
    for (int i; (i = 次++) < c.局数;) {
      std::string s = 一局(探, 序盤[static_cast<std::size_t>(i) % 序盤.size()], c);
      std::lock_guard l(鎖);
      結果[static_cast<std::size_t>(i)] = std::move(s);
      済[static_cast<std::size_t>(i)] = true;
      for (; 書いた < 結果.size() && 済[書いた]; ++書いた)
        out << 結果[書いた], 結果[書いた].clear();
      if ((i + 1) % 100 == 0) std::cerr << "games started: " << i + 1 << '\n';
    }
  };
  std::vector<std::thread> ts;
  for (int i = 0; i < c.並列; ++i) ts.emplace_back(働く);
  for (auto& t : ts) t.join();
  out.close();
  if (!out || std::rename(tmp.c_str(), c.出力.c_str()) != 0)
    return std::cerr << "cannot write " << c.出力 << '\n', 1;
  return 0;
}

struct 当てはめ引数 {
  std::string 入力;
  std::string 検証;  // positions kept out of the fit, to see whether it generalises
  double K = 0;      // 0: fitted
  評価重み 重み;
  当てはめ条件 条件;
};

// Reads the positions of the file at path into v, telling of bad lines;
// false (told) when it cannot be read or holds none.
bool 局面を読む(const std::string& path, std::vector<教師局面>& v) {
  std::ifstream in(path);
  if (!in) return std::cerr << "cannot read " << path << '\n', false;
  std::vector<std::string> 不備;
  v = 教師局面を読む(in, 不備);
  for (std::size_t i = 0; i < 不備.size() && i < 10; ++i) std::cerr << 不備[i] << '\n';
  if (!不備.empty()) std::cerr << 不備.size() << " bad lines skipped in " << path << '\n';
  if (v.empty()) return std::cerr << "no positions in " << path << '\n', false;
  return true;
}

int 当てはめる(当てはめ引数& a) {
  std::vector<教師局面> v, 検証;
  if (!局面を読む(a.入力, v) || (!a.検証.empty() && !局面を読む(a.検証, 検証))) return 1;
  const double K = a.K > 0 ? a.K : 尺度を合わせる(v, a.重み);
  std::printf("%zu positions, K %.1f, error %.7f\n", v.size(), K, 予想誤差(v, a.重み, K));
  a.条件.記録 = [](const std::string& s) { std::fprintf(stderr, "%s\n", s.c_str()); };
  const 評価重み w = 重みを合わせる(v, a.重み, K, a.条件);
  std::printf("error after %.7f (K %.1f; refitted K %.1f)\n", 予想誤差(v, w, K), K,
              尺度を合わせる(v, w));
  if (!検証.empty())
    std::printf("held out: %zu positions, error %.7f before, %.7f after\n", 検証.size(),
                予想誤差(検証, a.重み, K), 予想誤差(検証, w, K));
  for (const std::string_view n : 重みの名前()) {
    const int before = *重みの値(a.重み, n), after = *重みの値(w, n);
    if (after != before)
      std::printf("--wa %.*s=%d   # was %d\n", static_cast<int>(n.size()), n.data(), after, before);
  }
  return 0;
}

int 使い方() {
  std::cerr
      << "usage: qz-tune gen --seed S --games N --nodes K --out FILE\n"
         "                   [--plies P] [--skip M] [--cap N] [--per-game N]\n"
         "                   [--threads T] [--w NAME=V]\n"
         "       qz-tune fit --in FILE [--check FILE] [--k K] [--step S] [--tune NAME,NAME...]\n"
         "                   [--w NAME=V]\n";
  return 2;
}

// Reads a whole non-negative number below a billion.
bool 数を読む(const std::string& t, long long& n) {
  if (t.empty() || t.size() > 9 || t.find_first_not_of("0123456789") != std::string::npos)
    return false;
  n = std::stoll(t);
  return true;
}

// Reads "NAME=VALUE" into w.
bool 重みを読む(const std::string& t, 評価重み& w) {
  const auto eq = t.find('=');
  long long n = 0;
  const bool neg = eq != std::string::npos && t.compare(eq + 1, 1, "-") == 0;
  if (eq == std::string::npos || !数を読む(t.substr(eq + 1 + neg), n)) return false;
  return 重みを設定(w, t.substr(0, eq), static_cast<int>(neg ? -n : n));
}

// Every weight but those of the search, which no static evaluation uses.
std::vector<std::string> 既定の名() {
  std::vector<std::string> r;
  for (const std::string_view n : 重みの名前())
    if (n != "千日手" && n != "千日手回数" && n != "刈り幅") r.emplace_back(n);
  return r;
}

// Reads "a,b,c" into names of weights; false for an unknown one.
bool 名を読む(const std::string& t, std::vector<std::string>& 名) {
  名.clear();
  std::istringstream in(t);
  評価重み w;
  for (std::string n; std::getline(in, n, ',');) {
    if (!重みの値(w, n)) return false;
    名.push_back(n);
  }
  return !名.empty();
}

int main_(int argc, char** argv) {
  if (argc < 2) return 使い方();
  const std::string 命令 = argv[1];
  生成条件 g;
  当てはめ引数 f;
  f.条件.名 = 既定の名();
  std::string 引数;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string k = argv[i], v = argv[i + 1];
    if (k != "--out" && k != "--threads") 引数 += " " + k + " " + v;
    long long n = 0;
    bool ok = true;
    if (k == "--w")
      ok = 重みを読む(v, g.重み) && 重みを読む(v, f.重み);
    else if (k == "--out")
      g.出力 = v;
    else if (k == "--in")
      f.入力 = v;
    else if (k == "--check")
      f.検証 = v;
    else if (k == "--tune")
      ok = 名を読む(v, f.条件.名);
    else if (!(ok = 数を読む(v, n)))
      ;
    else if (k == "--seed")
      g.種 = static_cast<unsigned>(n);
    else if (k == "--games" && n > 0)
      g.局数 = static_cast<int>(n);
    else if (k == "--nodes" && n > 0)
      g.節点 = static_cast<std::uint64_t>(n);
    else if (k == "--plies")
      g.序盤手数 = static_cast<int>(n);
    else if (k == "--skip")
      g.飛ばし = static_cast<int>(n);
    else if (k == "--per-game" && n > 0)
      g.一局の数 = static_cast<int>(n);
    else if (k == "--cap")
      g.手数上限 = static_cast<int>(n);
    else if (k == "--threads" && n > 0 && n <= 64)
      g.並列 = static_cast<int>(n);
    else if (k == "--k" && n > 0)
      f.K = static_cast<double>(n);
    else if (k == "--step" && n > 0)
      f.条件.初歩 = static_cast<int>(n);
    else
      ok = false;
    if (!ok) return 使い方();
  }
  if (argc % 2 != 0) return 使い方();
  if (命令 == "gen" && !g.出力.empty()) return 生成する(g, 引数);
  if (命令 == "fit" && !f.入力.empty()) return 当てはめる(f);
  return 使い方();
}

}  // namespace
}  // namespace qz

int main(int argc, char** argv) {
  return qz::main_(argc, argv);
}
