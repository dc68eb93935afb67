#include "records/game_record.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>

#include "records/stepping.h"
#include "rules/message.h"
#include "rules/rules.h"
#include "rules/sfen.h"

namespace qz {
namespace {

using 升目 = std::pair<int, int>;

// The standard handicaps: the upper side's squares emptied (program's
// coordinates: 1一 is (9, 1), 2二 is (8, 2)).
struct 手合割 {
  std::string_view 名;
  std::vector<升目> 除く升;
};
const std::vector<手合割>& 手合割表() {
  static const std::vector<手合割> 表 = {
      {"平手", {}},
      {"香落ち", {{9, 1}}},
      {"右香落ち", {{1, 1}}},
      {"角落ち", {{8, 2}}},
      {"飛車落ち", {{2, 2}}},
      {"飛香落ち", {{2, 2}, {9, 1}}},
      {"二枚落ち", {{2, 2}, {8, 2}}},
      {"四枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}}},
      {"六枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {2, 1}, {8, 1}}},
      {"八枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {2, 1}, {8, 1}, {3, 1}, {7, 1}}},
      {"十枚落ち",
       {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {2, 1}, {8, 1}, {3, 1}, {7, 1}, {4, 1}, {6, 1}}},
  };
  return 表;
}

// The program's handicap ladder: the upper side's squares emptied at
// grades 1, 2, ... 10; a negative grade empties the lower side's mirror squares.
constexpr std::array<升目, 最高段級> 段級の升表 = {
    {{8, 2}, {2, 2}, {9, 1}, {1, 1}, {8, 1}, {2, 1}, {7, 1}, {3, 1}, {6, 1}, {4, 1}}};

std::vector<升目> 段級の除く升(int 段級) {
  std::vector<升目> r;
  for (int i = 1; i <= std::abs(段級); ++i) {
    const 升 u = 段級の升(段級 > 0 ? i : -i);
    r.push_back({u.x, u.y});
  }
  std::sort(r.begin(), r.end());
  return r;
}

bool 成れる種類(int 駒) {
  switch (std::abs(駒)) {
    case 歩:
    case 香:
    case 桂:
    case 銀:
    case 角:
    case 飛:
      return true;
    default:
      return false;
  }
}

// The far three ranks of the side owning 駒.
bool 敵陣(int 駒, int y) {
  return 駒 < 0 ? y <= 3 : y >= 7;
}

持駒& 手の持駒(記録局面& p, bool 下) {
  return 下 ? p.持駒_下 : p.持駒_上;
}

// Whether the game ended with the computer's king mated by the lower side's
// last move, which ends a game against the computer without a capture.
bool COM王詰み(const 履歴の対局& 対局) {
  if (対局.手.empty() || !MAN駒(対局.手.back().元駒)) return false;
  局面 s = 対局.開始;
  for (const 手順& h : 対局.手) 一手進める(s, h);
  bool 王あり = false;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) 王あり = 王あり || s.盤面[x][y] == 王;
  if (!王あり) return false;
  勢力調査(s);
  調査_2歩フラグ設定(s);
  return 調査_COM王取得(s, s.表.COM王X, s.表.COM王Y) == はい && 詰めかCOM(s) == はい;
}

int 秒(double t) {
  return std::isfinite(t) && t > 0 && t < 1e9 ? static_cast<int>(t) : 0;
}

}  // namespace

升 段級の升(int 段級) {
  const auto [x, y] = 段級の升表[static_cast<std::size_t>(std::abs(段級) - 1)];
  return 段級 > 0 ? 升{x, y} : 升{10 - x, 10 - y};
}

void 王取りで終局(対局記録& r) {
  if (r.手.empty() || std::abs(r.手.back().取駒) != 王) return;
  r.結末 = 終局::王取り;
  r.勝者 = r.手.back().元駒 < 0 ? 1 : -1;
}

記録局面 平手局面() {
  局面 s;
  初期配置(s);
  記録局面 p;
  p.盤面 = s.盤面;
  return p;
}

文面 手の不整合(const 記録局面& p, const 記録手& m) {
  if (!盤上(m.先X, m.先Y)) return QZ_TR("移動先が盤の外です");
  if (!m.打つ() && !盤上(m.元X, m.元Y)) return QZ_TR("移動元が盤の外です");
  if (!m.打つ() && p.盤面[m.元X][m.元Y] == 0) return QZ_TR("移動元に駒がありません");
  const bool 下 = p.下の番;
  if (m.成る() && !成れる種類(m.元駒)) return QZ_TR("成れない駒です");
  if (m.元駒 == 0 || !駒コード(m.元駒) || !駒コード(m.先駒)) return QZ_TR("駒の種類が分かりません");
  if ((m.元駒 < 0) != 下 || (m.先駒 < 0) != 下) return QZ_TR("手番でない側の駒です");
  const int 先 = p.盤面[m.先X][m.先Y];
  if (m.打つ()) {
    const int k = 持駒番号(m.元駒);
    if (k == 0 || std::abs(m.元駒) != 持駒番号の駒[k]) return QZ_TR("打てない駒です");
    if ((下 ? p.持駒_下 : p.持駒_上).枚数[k] <= 0) return QZ_TR("打つ駒を持っていません");
    if (先 != 0) return QZ_TR("打つ升に駒があります");
    if (m.先駒 != m.元駒) return QZ_TR("打った駒は成れません");
    if (!移動後チェック(m.先Y, m.先駒)) return QZ_TR("行き所のない升に打つ手です");
    return "";
  }
  if (m.元X == m.先X && m.元Y == m.先Y) return QZ_TR("移動元と移動先が同じ升です");
  const int 元 = p.盤面[m.元X][m.元Y];
  if ((元 < 0) != 下) return QZ_TR("移動元の駒は手番の側の駒ではありません");
  if (元 != m.元駒) return QZ_TR("移動元の駒の種類が違います");
  if (先 != 0 && (先 < 0) == 下) return QZ_TR("移動先に自分の駒があります");
  if (m.成る()) {
    if (!成れる種類(m.元駒) || m.先駒 != 成り駒(m.元駒)) return QZ_TR("成れない駒です");
    if (!敵陣(m.元駒, m.元Y) && !敵陣(m.元駒, m.先Y)) return QZ_TR("敵陣の外では成れません");
  }
  if (!駒の動きか(p.盤面, m.元X, m.元Y, m.先X, m.先Y, m.元駒))
    return QZ_TR("その駒の動きではありません");
  if (!移動後チェック(m.先Y, m.先駒)) return QZ_TR("行き所のない升への不成です");
  return "";
}

void 手を指す(記録局面& p, 記録手& m) {
  assert(手の不整合(p, m).empty());
  持駒& 手駒 = 手の持駒(p, p.下の番);
  if (m.打つ()) {
    手駒.減らす(持駒番号(m.元駒));
  } else {
    p.盤面[m.元X][m.元Y] = 0;
  }
  m.取駒 = p.盤面[m.先X][m.先Y];
  const int k = 手順持駒番号(m.取駒);
  if (k != 0) 手駒.加える(k);
  p.盤面[m.先X][m.先Y] = static_cast<std::int16_t>(m.先駒);
  p.下の番 = !p.下の番;
}

std::pair<int, int> 駒数(const 記録局面& p) {
  int 下 = p.持駒_下.合計, 上 = p.持駒_上.合計;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (MAN駒(p.盤面[x][y])) ++下;
      if (COM駒(p.盤面[x][y])) ++上;
    }
  return {下, 上};
}

bool 駒落ちか(const 記録局面& p) {
  const auto [下, 上] = 駒数(p);
  return 下 != 上;
}

記録局面 反転局面(const 記録局面& p) {
  記録局面 r;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) r.盤面[10 - x][10 - y] = static_cast<std::int16_t>(-p.盤面[x][y]);
  r.持駒_下 = p.持駒_上;
  r.持駒_上 = p.持駒_下;
  r.下の番 = !p.下の番;
  return r;
}

記録手 反転手(const 記録手& m) {
  return {反転手(static_cast<const 指し手&>(m)), -m.取駒, m.消費秒, m.累計秒};
}

std::span<const std::string_view> 手合割名一覧() {
  static const std::vector<std::string_view> 名 = [] {
    std::vector<std::string_view> r;
    for (const 手合割& t : 手合割表()) r.push_back(t.名);
    return r;
  }();
  return 名;
}

bool 手合割局面(std::string_view 名, 記録局面& p) {
  for (const 手合割& t : 手合割表()) {
    if (t.名 != 名) continue;
    p = 平手局面();
    for (const auto& [x, y] : t.除く升) p.盤面[x][y] = 0;
    p.下の番 = t.除く升.empty();
    return true;
  }
  return false;
}

std::string_view 手合割名(const 記録局面& p) {
  for (const 手合割& t : 手合割表()) {
    記録局面 q;
    手合割局面(t.名, q);
    if (q == p) return t.名;
  }
  return "";
}

bool 平手から除いた駒(const 記録局面& p, std::vector<std::pair<int, int>>& 升) {
  升.clear();
  if (p.持駒_下.合計 != 0 || p.持駒_上.合計 != 0) return false;
  const 記録局面 平手 = 平手局面();
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (p.盤面[x][y] == 平手.盤面[x][y]) continue;
      if (p.盤面[x][y] != 0) return false;
      升.emplace_back(x, y);
    }
  return true;
}

// --- 記録組立 ---------------------------------------------------------------

bool 記録組立::開始設定(const 記録局面& p, int 行) {
  if (const SFEN不備 f = 局面の無理(p.盤面, p.持駒_下, p.持駒_上); f.種類 != SFEN不備種類::なし) {
    中止(行, SFEN不備の文(f));
    return false;
  }
  局面 = p;
  結果.記録.開始 = p;
  return true;
}

bool 記録組立::追加(記録手 m, int 行) {
  if (終了()) return false;
  if (結果.記録.手.size() >= 記録最大手数) {
    中止(行, QZ_TR("手数が100万手を超えています"));
    return false;
  }
  文面 理由 = 手の不整合(局面, m);
  if (!理由.empty()) {
    中止(行, std::move(理由));
    return false;
  }
  手を指す(局面, m);
  結果.記録.手.push_back(m);
  return true;
}

void 記録組立::中止(int 行, 文面 理由) {
  if (終了()) return;
  結果.不正行 = 行 > 0 ? 行 : 1;
  結果.不正理由 = std::move(理由);
}

std::pair<int, int> 記録組立::直前の先() const {
  if (結果.記録.手.empty()) return {0, 0};
  return {結果.記録.手.back().先X, 結果.記録.手.back().先Y};
}

// --- The program's history ------------------------------------------------------

指し手 手順の指し手(const 手順& h) {
  if (h.元X != MAN持駒X && h.元X != COM持駒X) return {h.元X, h.元Y, h.先X, h.先Y, h.元駒, h.先駒};
  指し手 m = 指し手::打つ手(h.元駒, h.先X, h.先Y);
  m.先駒 = h.先駒;
  return m;
}

履歴の対局 履歴から対局(const 局面& s, const 手順記録& 記録, bool 今MANの番, int 最後) {
  履歴の対局 r;
  r.開始.盤面 = s.盤面;
  r.開始.持駒_MAN = s.持駒_MAN;
  r.開始.持駒_COM = s.持駒_COM;
  const auto 盤上の手 = 記録.手順範囲(記録.手順_現在);
  for (auto i = 盤上の手.size(); i-- > 0;) 一手戻す(r.開始, 盤上の手[i]);
  const int 現在 = static_cast<int>(盤上の手.size());
  const int 上限 = std::min(記録.手順_最終, 記録.保持数());
  const auto 手 = 記録.手順範囲(std::max(現在, std::min(最後 < 0 ? 現在 : 最後, 上限)));
  r.手.assign(手.begin(), 手.end());
  r.MAN先 = 手.empty() ? 今MANの番 : MAN駒(手[0].元駒);
  r.変化 = 記録.分岐;
  return r;
}

bool 標準の向きに反転するか(const 局面& 開始, bool MAN先) {
  記録局面 p;
  p.盤面 = 開始.盤面;
  p.持駒_下 = 開始.持駒_MAN;
  p.持駒_上 = 開始.持駒_COM;
  std::vector<升目> 除く;
  if (!平手から除いた駒(p, 除く)) return false;
  std::sort(除く.begin(), 除く.end());
  for (int 段級 = -10; 段級 <= 10; ++段級) {
    if (段級の除く升(段級) != 除く) continue;
    return 段級 < 0 || (段級 == 0 && !MAN先);
  }
  return false;
}

namespace {

// A move of the history as a record's move, its times from the clocks.
記録手 手順から記録手(const 手順& h) {
  記録手 m{手順の指し手(h), h.取駒};
  const bool MAN = MAN駒(h.元駒);
  const double 前 = MAN ? h.前秒M : h.前秒C, 後 = MAN ? h.後秒M : h.後秒C;
  m.累計秒 = 秒(後);
  m.消費秒 = std::max(0, m.累計秒 - 秒(前));
  return m;
}

// The branches 分岐 of a line of record moves 線 (move 始 first, played
// from p) as the record's: each branch's moves up to the first that cannot
// be made; a branch that is not at a move of the line, or has no move that
// can be made, is left out.
std::vector<記録変化> 変化を記録へ(記録局面 p, int 始, const std::vector<記録手>& 線,
                                   const std::vector<手順変化>& 分岐, bool 反転, int 深さ) {
  std::vector<記録変化> r;
  if (深さ > 変化最大深さ) return r;
  const int 最初 = 深さ == 0 ? 始 : 始 + 1;
  for (std::size_t i = 0; i < 線.size(); ++i) {
    const int k = 始 + static_cast<int>(i);
    for (const 手順変化& b : 分岐) {
      if (b.手目 != k || k < 最初) continue;
      記録変化 v;
      v.手目 = k;
      記録局面 q = p;
      for (const 手順& h : b.手) {
        記録手 m = 手順から記録手(h);
        if (反転) m = 反転手(m);
        if (!手の不整合(q, m).empty()) break;
        手を指す(q, m);
        v.手.push_back(m);
      }
      if (v.手.empty()) continue;
      v.変化 = 変化を記録へ(p, k, v.手, b.変化, 反転, 深さ + 1);
      r.push_back(std::move(v));
    }
    記録手 m = 線[i];
    手を指す(p, m);
  }
  return r;
}

// A line of record moves as the history's (move 始 first), the clocks M
// and C (lower and upper side) running on from their values before it; its
// branches go into 分岐 the same way, each from the clocks at its move.
std::vector<手順> 記録から手順(const std::vector<記録手>& 線, int 始, bool 反転, double M, double C,
                               const std::vector<記録変化>& 変化, std::vector<手順変化>& 分岐,
                               int 深さ) {
  std::vector<手順> r;
  const double 始M = M, 始C = C;
  for (const 記録手& 元 : 線) {
    const 記録手 m = 反転 ? 反転手(元) : 元;
    const bool MAN = m.元駒 < 0;
    手順 h;
    const 升 台 = 移動元の升(m);
    h.元X = 台.x;
    h.元Y = 台.y;
    h.先X = m.先X;
    h.先Y = m.先Y;
    h.取駒 = m.取駒;
    h.元駒 = m.元駒;
    h.先駒 = m.先駒;
    h.前秒M = M;
    h.前秒C = C;
    (MAN ? M : C) = m.累計秒;
    h.後秒M = M;
    h.後秒C = C;
    r.push_back(h);
  }
  if (深さ > 変化最大深さ) return r;
  for (const 記録変化& v : 変化) {
    const int i = v.手目 - 始;  // the line's move the branch stands beside
    if (i < (深さ == 0 ? 0 : 1) || i >= static_cast<int>(r.size())) continue;
    const bool 頭 = i == 0;
    const double bM = 頭 ? 始M : r[static_cast<std::size_t>(i - 1)].後秒M;
    const double bC = 頭 ? 始C : r[static_cast<std::size_t>(i - 1)].後秒C;
    手順変化 b;
    b.手目 = v.手目;
    b.手 = 記録から手順(v.手, v.手目, 反転, bM, bC, v.変化, b.変化, 深さ + 1);
    分岐.push_back(std::move(b));
  }
  return r;
}

}  // namespace

記録読込結果 対局から記録(const 履歴の対局& 対局, bool 反転) {
  記録局面 p;
  p.盤面 = 対局.開始.盤面;
  p.持駒_下 = 対局.開始.持駒_MAN;
  p.持駒_上 = 対局.開始.持駒_COM;
  p.下の番 = 対局.MAN先;
  記録組立 組立;
  組立.開始設定(反転 ? 反転局面(p) : p, 1);
  for (std::size_t i = 0; i < 対局.手.size() && !組立.終了(); ++i) {
    const 記録手 m = 手順から記録手(対局.手[i]);
    組立.追加(反転 ? 反転手(m) : m, static_cast<int>(i + 1));
  }
  記録読込結果 結果 = std::move(組立.結果);
  対局記録& r = 結果.記録;
  r.反転 = 反転;
  r.変化 = 変化を記録へ(r.開始, 1, r.手, 対局.変化, 反転, 0);
  王取りで終局(r);
  if (r.手.empty() || r.結末 == 終局::王取り) return 結果;
  const bool 詰み = 結果.不正行 == 0 && COM王詰み(対局);
  r.結末 = 詰み ? 終局::詰み : 終局::中断;
  if (詰み) r.勝者 = r.手.back().元駒 < 0 ? 1 : -1;
  return 結果;
}

履歴の対局 記録から対局(const 対局記録& 記録) {
  履歴の対局 r;
  const 記録局面 p = 記録.反転 ? 反転局面(記録.開始) : 記録.開始;
  r.開始.盤面 = p.盤面;
  r.開始.持駒_MAN = p.持駒_下;
  r.開始.持駒_COM = p.持駒_上;
  r.MAN先 = p.下の番;
  r.手 = 記録から手順(記録.手, 1, 記録.反転, 0, 0, 記録.変化, r.変化, 0);
  return r;
}

}  // namespace qz
