// qz-mate-suite: builds a set of won positions from self-play and measures
// the mate search on it against the deep search alone.
//
//   build/tools/match/qz-mate-suite collect --games 150 --out tools/match/mate_set.sfen
//   build/tools/match/qz-mate-suite solve --in tools/match/mate_set.sfen --ms 1000
//
// collect plays LEVEL3D against itself from random openings; before each
// move a node-limited deep search looks at the position, and the first
// position of a game where it sees a forced win for the side to move is
// written with the length of that win. The same seed gives the same set.
// solve gives each position to the mate search and to the deep search
// (stopped as soon as a finished depth scores a win) under the same time
// limit, and prints how many each solved and their times.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "computer/mate_search.h"
#include "tools/match/openings.h"

namespace qz {
namespace {

using 時計型 = std::chrono::steady_clock;

double 経過ms(時計型::time_point t0) {
  return std::chrono::duration<double, std::milli>(時計型::now() - t0).count();
}

// The side to move's position as SFEN.
std::string 今のSFEN(const 対局& g) {
  return SFEN書出(g.局.盤面, g.局.持駒_MAN, g.局.持駒_COM, g.MAN手番(), g.手数 + 1);
}

int 集める(int 局数, unsigned 種, std::uint64_t 節点, const std::string& 出先) {
  std::ofstream out(出先);
  if (!out) {
    std::cerr << "cannot write " << 出先 << '\n';
    return 1;
  }
  const 探索条件 指し条件 = レベル条件(名のレベル("LEVEL3D")->番号);
  探索条件 見る条件;
  見る条件.節点上限 = 節点;
  見る条件.糸数上限 = 1;
  深探索 指し手器, 見る器;
  指し手器.糸数を設定(1);
  見る器.糸数を設定(1);
  int 数 = 0;
  for (const auto& 序盤 : 序盤を作る(局数, 6, 種)) {
    対局 g = 新しい対局();
    for (const 指し手& m : 序盤) g.指す(m);
    for (int ply = 0; ply < 300; ++ply) {
      思考依頼 依頼 = g.手番側の思考依頼(見る条件);
      const 深探索結果 見 = 見る器.探索(依頼.写し, 依頼.MAN手番, 依頼.既出, 依頼.条件);
      if (!見.指し手あり) break;
      if (見.報告.評価 >= 勝敗境) {
        out << 今のSFEN(g) << " # win in " << 勝ち点 - 見.報告.評価 << '\n';
        ++数;
        break;
      }
      依頼 = g.手番側の思考依頼(指し条件);
      const 深探索結果 r = 指し手器.探索(依頼.写し, 依頼.MAN手番, 依頼.既出, 依頼.条件);
      if (!r.指し手あり || g.指し手検査(r.最善) != 着手拒否::なし) break;
      if (g.指す(r.最善).終わり) break;
    }
  }
  std::printf("%d positions written to %s\n", 数, 出先.c_str());
  return 0;
}

struct 成績 {
  int 解けた = 0;
  std::vector<double> 時間;  // ms of each solved position
  void 書く(const char* 名, int 全) {
    std::sort(時間.begin(), 時間.end());
    double 和 = 0;
    for (double t : 時間) 和 += t;
    const double 中 = 時間.empty() ? 0 : 時間[時間.size() / 2];
    std::printf("%-12s solved %d / %d, median %.1f ms, mean %.1f ms (solved ones)\n", 名, 解けた,
                全, 中, 時間.empty() ? 0 : 和 / static_cast<double>(時間.size()));
  }
};

int 解く(const std::string& 元, int ms) {
  std::ifstream in(元);
  if (!in) {
    std::cerr << "cannot read " << 元 << '\n';
    return 1;
  }
  成績 詰, 深;
  int 全 = 0;
  詰み探索 詰み器(20);
  深探索 深器;
  深器.糸数を設定(1);
  for (std::string line; std::getline(in, line);) {
    const std::string sfen = line.substr(0, line.find(" #"));
    SFEN不備 不備;
    const auto p = SFEN読込(sfen, &不備);
    if (!p) {
      std::cerr << "not a position: " << line << '\n';
      return 1;
    }
    対局 g = 新しい対局();
    g.局面から始める(p->盤面, p->持駒_MAN, p->持駒_COM, p->MAN手番, 0);
    ++全;
    詰み条件 c;
    c.時間上限ms = ms;
    const 思考依頼 依頼 = g.手番側の思考依頼({});
    auto t0 = 時計型::now();
    const 詰み結果 r = 詰み器.探す(依頼.写し, 依頼.MAN手番, c);
    if (r.判定 == 詰み判定::勝ち) 詰.解けた++, 詰.時間.push_back(経過ms(t0));
    std::atomic<bool> 止め{false};
    探索条件 d;
    d.時間上限ms = ms;
    d.目安ms = ms;
    d.停止 = &止め;
    bool 勝ち = false;
    d.報告 = [&](const 探索報告& rep) {
      if (rep.評価 >= 勝敗境) 勝ち = true, 止め = true;
    };
    t0 = 時計型::now();
    深器.探索(依頼.写し, 依頼.MAN手番, 依頼.既出, d);
    if (勝ち) 深.解けた++, 深.時間.push_back(経過ms(t0));
    std::printf("%s: mate search %s in %lld ms, deep search %s\n", sfen.c_str(),
                r.判定 == 詰み判定::勝ち   ? ("win " + std::to_string(r.手順.size())).c_str()
                : r.判定 == 詰み判定::不明 ? "unknown"
                                           : "no checking win",
                static_cast<long long>(r.経過ms), 勝ち ? "win" : "-");
  }
  詰.書く("mate search", 全);
  深.書く("deep search", 全);
  return 0;
}

int 使い方() {
  std::cerr << "usage: qz-mate-suite collect [--games N] [--seed N] [--nodes N] --out FILE\n"
               "       qz-mate-suite solve --in FILE [--ms N]\n";
  return 2;
}

int main_(int argc, char** argv) {
  if (argc < 2) return 使い方();
  const std::string 動作 = argv[1];
  int 局数 = 150, ms = 1000;
  long long 種 = 1, 節点 = 30000;
  std::string 先;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string k = argv[i], v = argv[i + 1];
    if (k == "--out" || k == "--in") {
      先 = v;
      continue;
    }
    if (v.empty() || v.size() > 9 || v.find_first_not_of("0123456789") != std::string::npos)
      return 使い方();
    const long long n = std::stoll(v);
    if (k == "--games")
      局数 = static_cast<int>(n);
    else if (k == "--seed")
      種 = n;
    else if (k == "--nodes")
      節点 = n;
    else if (k == "--ms")
      ms = static_cast<int>(n);
    else
      return 使い方();
  }
  if (先.empty() || argc % 2 != 0) return 使い方();
  if (動作 == "collect") return 集める(局数, static_cast<unsigned>(種), 節点, 先);
  if (動作 == "solve") return 解く(先, ms);
  return 使い方();
}

}  // namespace
}  // namespace qz

int main(int argc, char** argv) {
  return qz::main_(argc, argv);
}
