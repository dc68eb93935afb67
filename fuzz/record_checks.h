// What every record reader's fuzz target checks of what it accepted: the
// moves replay on the start, every format writes them and reads them back
// the same, and the program's stepping takes them forward and back to the
// start without touching anything outside the board or the hands. The
// branches too replay, and KIF and the history keep them.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "records/formats.h"
#include "records/stepping.h"

namespace qz::fuzzing {

// Aborts, naming the check's line, when a check fails.
inline void Require(bool ok, int line = __builtin_LINE()) {
  if (ok) return;
  std::fprintf(stderr, "record check failed at record_checks.h:%d\n", line);
  std::abort();
}

inline bool SameMoves(const 対局記録& a, const 対局記録& b) {
  if (a.手.size() != b.手.size() || !(a.開始 == b.開始)) return false;
  for (std::size_t i = 0; i < a.手.size(); ++i) {
    const 記録手 &x = a.手[i], &y = b.手[i];
    if (!(static_cast<const 指し手&>(x) == y) || x.取駒 != y.取駒) return false;
  }
  return true;
}

// The branches hold the same moves, each at the same move of its line.
inline bool SameBranches(const std::vector<記録変化>& a, const std::vector<記録変化>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].手目 != b[i].手目 || a[i].手.size() != b[i].手.size()) return false;
    for (std::size_t k = 0; k < a[i].手.size(); ++k) {
      const 記録手 &x = a[i].手[k], &y = b[i].手[k];
      if (!(static_cast<const 指し手&>(x) == y) || x.取駒 != y.取駒) return false;
    }
    if (!SameBranches(a[i].変化, b[i].変化)) return false;
  }
  return true;
}

// Every branch of a line (its first move 始, played from p) stands beside
// a move of the line after its first (any move of the game), and its moves
// can be made from there.
inline void CheckBranches(記録局面 p, int 始, const std::vector<記録手>& 線,
                          const std::vector<記録変化>& 変化, bool 本譜, int 深さ = 0) {
  Require(深さ <= 変化最大深さ);
  for (const 記録変化& v : 変化) {
    const int i = v.手目 - 始;
    Require(i >= (本譜 ? 0 : 1) && i < static_cast<int>(線.size()) && !v.手.empty());
  }
  for (std::size_t i = 0; i < 線.size(); ++i) {
    for (const 記録変化& v : 変化) {
      if (v.手目 != 始 + static_cast<int>(i)) continue;
      記録局面 q = p;
      for (記録手 m : v.手) {
        Require(手の不整合(q, m).empty());
        手を指す(q, m);
      }
      CheckBranches(p, v.手目, v.手, v.変化, false, 深さ + 1);
    }
    記録手 m = 線[i];
    手を指す(p, m);
  }
}

// The moves as the program's history holds them: what a .棋譜 keeps (it has
// no side to move of its own, the first move gives it).
inline bool SameHistory(const 対局記録& a, const 対局記録& b) {
  const 履歴の対局 x = 記録から対局(a), y = 記録から対局(b);
  if (x.手.size() != y.手.size()) return false;
  for (std::size_t i = 0; i < x.手.size(); ++i) {
    const 手順 &p = x.手[i], &q = y.手[i];
    if (p.元X != q.元X || p.元Y != q.元Y || p.先X != q.先X || p.先Y != q.先Y || p.元駒 != q.元駒 ||
        p.先駒 != q.先駒 || p.取駒 != q.取駒)
      return false;
  }
  return true;
}

// The headers every format but USI keeps.
inline bool SameHeaders(const 対局記録& a, const 対局記録& b) {
  return a.下手名 == b.下手名 && a.上手名 == b.上手名 && a.棋戦 == b.棋戦 &&
         a.開始日時 == b.開始日時 && a.反転 == b.反転 && a.持ち時間 == b.持ち時間;
}

inline void CheckRecord(const 記録読込結果& r) {
  Require((r.不正行 == 0) == r.不正理由.empty());
  Require((r.変化不正行 == 0) == r.変化不正理由.empty());
  CheckBranches(r.記録.開始, 1, r.記録.手, r.記録.変化, true);
  記録局面 p = r.記録.開始;
  for (記録手 m : r.記録.手) {
    Require(手の不整合(p, m).empty());
    手を指す(p, m);
  }
  const std::vector<記録変化> 無し;
  for (棋譜形式 f : {棋譜形式::棋譜, 棋譜形式::KIF, 棋譜形式::KIFU, 棋譜形式::CSA, 棋譜形式::USI}) {
    const 棋譜書出結果 w = 棋譜を書く(f, r.記録);
    // Refused: a .棋譜 not from the initial position, or a name Shift-JIS
    // cannot hold in a .kif (CSA then goes to V3.0, never refused).
    if (!w.文言.empty()) continue;
    const 記録読込結果 back = 棋譜を読む(f, w.内容);
    Require(back.不正行 == 0);
    if (f == 棋譜形式::棋譜) {
      Require(SameHistory(back.記録, r.記録));
      continue;
    }
    Require(SameMoves(back.記録, r.記録));
    if (f != 棋譜形式::USI) Require(SameHeaders(back.記録, r.記録));
    // Only KIF keeps the branches; the others write the game alone.
    const bool 分岐あり = f == 棋譜形式::KIF || f == 棋譜形式::KIFU;
    Require(back.変化不正行 == 0 && SameBranches(back.記録.変化, 分岐あり ? r.記録.変化 : 無し));
    if (f == 棋譜形式::KIF || f == 棋譜形式::KIFU) Require(back.記録.注釈 == r.記録.注釈);
  }
  // The program's history keeps them too.
  const 記録読込結果 履歴経由 = 対局から記録(記録から対局(r.記録), r.記録.反転);
  if (履歴経由.不正行 == 0) Require(SameBranches(履歴経由.記録.変化, r.記録.変化));

  const 履歴の対局 対局 = 記録から対局(r.記録);
  局面 s = 対局.開始;
  for (const 手順& h : 対局.手) 一手進める(s, h);
  for (auto i = 対局.手.size(); i-- > 0;) 一手戻す(s, 対局.手[i]);
  Require(s.盤面 == 対局.開始.盤面 && s.持駒_MAN == 対局.開始.持駒_MAN &&
          s.持駒_COM == 対局.開始.持駒_COM);
}

}  // namespace qz::fuzzing
