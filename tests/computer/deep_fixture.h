// Test helpers of the searching player and the mate search: positions read
// from SFEN with their survey, and lines played out with the rules' own
// move check, so that what the search claims is checked by other code.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "rules/movegen.h"
#include "rules/rules.h"
#include "rules/sfen.h"

namespace qz::testing {

struct 盤と手番 {
  局面 s;
  bool MAN手番 = true;

  void 調べる() {
    勢力調査(s);
    調査_2歩フラグ設定(s);
  }
  std::vector<指し手> 手() const {
    std::vector<指し手> v;
    合法手列挙(s, MAN手番, [&v](const 指し手& m) { v.push_back(m); });
    return v;
  }
  // The king stands on the board and an enemy piece may move onto it.
  bool 王手(bool MAN側) const {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (s.盤面[x][y] == (MAN側 ? -王 : 王))
          return (MAN側 ? 調査_MAN王取得(s, x, y) : 調査_COM王取得(s, x, y)) == はい;
    return false;
  }
  // Makes a move of 手() and brings the survey up to date.
  void 指す(const 指し手& m) {
    手を指す(s, m);
    MAN手番 = !MAN手番;
    調べる();
  }
};

inline 盤と手番 読む(std::string_view sfen) {
  SFEN不備 why;
  const auto p = SFEN読込(sfen, &why);
  EXPECT_TRUE(p) << sfen << ": " << SFEN不備の英文(why);
  盤と手番 r;
  if (!p) return r;
  局面に置く(*p, r.s);
  r.MAN手番 = p->MAN手番;
  r.調べる();
  return r;
}

inline bool 王取り(const 局面& s, const 指し手& m) {
  return !m.打つ() && std::abs(s.盤面[m.先X][m.先Y]) == 王;
}

inline bool 含む(const std::vector<指し手>& v, const 指し手& m) {
  for (const 指し手& x : v)
    if (x == m) return true;
  return false;
}

// Plays the line from p with the rules' move check: "" when every move is
// one the side to move may make and no move follows a king's capture,
// otherwise what went wrong. p is left after the last legal move.
inline std::string 筋を指す(盤と手番& p, const std::vector<指し手>& 筋) {
  for (std::size_t i = 0; i < 筋.size(); ++i) {
    if (!含む(p.手(), 筋[i])) return "move " + std::to_string(i + 1) + " is not legal";
    if (王取り(p.s, 筋[i])) return i + 1 == 筋.size() ? "" : "moves after the king's capture";
    p.指す(筋[i]);
  }
  return "";
}

}  // namespace qz::testing
