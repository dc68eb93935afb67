#include "play/analysis_pane.h"

#include <algorithm>
#include <utility>

#include "play/analysis_text.h"
#include "play/form1.h"

namespace qz {
namespace {

bool 王がいる(const 局面& s, int 符号) {
  for (int x = 1; x <= 桝数; ++x)
    for (int y = 1; y <= 桝数; ++y)
      if (s.盤面[x][y] == 符号 * 王) return true;
  return false;
}

}  // namespace

int グラフの値(int 下評価) {
  if (const int n = 勝ちまでの手数(下評価); n != 0) return n > 0 ? 2000 : -2000;
  return std::clamp(下評価, -2000, 2000);
}

検討操作::検討操作(Form1& form, AnalysisView& view, int 糸数) : f(form), v(view), 検討(糸数) {}

void 検討操作::入切(bool on) {
  on_ = on;
  位置_ = {};
  止めた_ = false;
  if (!on) return 検討.止める();
  更新();
}

// The position on the board and its place in the history. With no side to
// move (no game on), the side that did not make the last move is to move.
検討操作::追跡 検討操作::今の位置(bool& MAN手番) const {
  const 対局& g = f.対局値;
  const int n = g.手順.手順_現在;
  MAN手番 = g.MAN手番();
  if (g.手番 == 0 && n >= 1 && n <= g.手順.保持数()) MAN手番 = g.手順[n].先駒 > 0;
  return {局面ハッシュ(g.局, MAN手番), std::max(n, 0)};
}

void 検討操作::更新() {
  if (!on_) return;
  if (!f.読みの点.empty()) {
    for (const 検討点& c : std::exchange(f.読みの点, {})) 点を記す(c.手, c.キー, c.下評価);
    グラフを送る();
  }
  if (f.考え中()) {
    if (!止めた_) {
      検討.止める();
      止めた_ = true;
      v.clearAnalysis(QZ_TR("COM思考中"));
    }
    return;
  }
  bool MAN手番 = true;
  const 追跡 位置 = 今の位置(MAN手番);
  if (位置 != 位置_ || 止めた_) 始める(位置, MAN手番);
  if (const auto k = 検討.最新(); k && (k->世代 != 示した世代 || k->深さ != 示した深さ)) 示す(*k);
}

// A position without both kings is a game over: nothing to search.
void 検討操作::始める(const 追跡& 位置, bool MAN手番) {
  位置_ = 位置;
  止めた_ = false;
  示した世代 = 0;
  示した深さ = -1;
  思考依頼 r = f.対局値.手番側の思考依頼({});
  if (!王がいる(r.写し, 1) || !王がいる(r.写し, -1)) {
    検討.止める();
    v.clearAnalysis(QZ_TR("終局しています"));
  } else {
    検討.開始(r.写し, MAN手番, std::move(r.既出));
    v.clearAnalysis(QZ_TR("検討中…"));
  }
  グラフを送る();
}

void 検討操作::示す(const 検討結果& k) {
  示した世代 = k.世代;
  示した深さ = k.深さ;
  const 対局& g = f.対局値;
  const bool MANが先手 = g.先手値 == g.局.手番値_MAN;
  検討表示 d{評価文(k.評価), 評価棒の位置(k.評価), 探索情報文(k), {}};
  for (const 検討行& l : k.行)
    d.読み筋.push_back(
        文面::並べ("%1  %2", {評価文(l.評価), 文面::そのまま(読み筋文(l.手, MANが先手))}));
  v.showAnalysis(d);
  点を記す(位置_.手, 位置_.キー, k.評価);
  グラフを送る();
}

// A score of another position at the same move number means another
// history: the old points go.
void 検討操作::点を記す(int 手, 局面キー キー, int 下評価) {
  const auto i = static_cast<std::size_t>(手);
  if (i < 点キー_.size() && 点_[i] && 点キー_[i] != キー) {
    点_.clear();
    点キー_.clear();
  }
  if (点_.size() <= i) {
    点_.resize(i + 1);
    点キー_.resize(i + 1, 0);
  }
  点_[i] = グラフの値(下評価);
  点キー_[i] = キー;
}

// The graph covers the history as the move list shows it.
void 検討操作::グラフを送る() {
  const 対局& g = f.対局値;
  const bool 見える = g.手番 != 0 || g.棋譜モード == 1;
  const int 最後 = 見える ? std::min(g.手順.手順_最終, g.手順.保持数()) : 0;
  const auto 長さ = static_cast<std::size_t>(std::max({最後, 位置_.手, 0}) + 1);
  if (点_.size() > 長さ) {
    点_.resize(長さ);
    点キー_.resize(長さ);
  }
  std::vector<std::optional<int>> 点 = 点_;
  点.resize(長さ);
  v.setGraph(点, 位置_.手);
}

void 検討操作::点を選ぶ(int n) {
  f.棋譜一覧選択(n);
  更新();
}

}  // namespace qz
