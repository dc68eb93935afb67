// 利き盤 against the rules: along games of random and of self-play, and in
// small positions made for the lines a move opens and closes, its counts,
// frozen pieces, checks, moves, captures, evaluation and key equal what a
// full survey and the move check give, before and after every move, and
// taking a move back restores it exactly.
#include "computer/bearing_board.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "computer/deep_eval.h"
#include "computer/deep_search.h"
#include "rules/sfen.h"
#include "deep_fixture.h"

namespace qz {
namespace {

using 基準 = testing::盤と手番;
using testing::王取り;
using testing::読む;

// The first difference between the board's state and the surveyed position,
// "" when there is none. Moves are compared only with 手も.
std::string 違い(const 利き盤& b, const 基準& r, bool 手も) {
  std::ostringstream o;
  const 局面& s = r.s;
  const 氷結状態 凍 = 調査_氷結(s, 氷結前記録(s));
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (b.駒(x, y) != s.盤面[x][y]) o << "piece on " << x << y << "; ";
      if (b.勢力(true, x, y) != s.表.勢力_MAN[x][y])
        o << "MAN count on " << x << y << ": " << b.勢力(true, x, y) << " not "
          << s.表.勢力_MAN[x][y] << "; ";
      if (b.勢力(false, x, y) != s.表.勢力_COM[x][y])
        o << "COM count on " << x << y << ": " << b.勢力(false, x, y) << " not "
          << s.表.勢力_COM[x][y] << "; ";
      if (b.凍結(x, y) != 凍.氷結[x][y]) o << "frozen on " << x << y << "; ";
    }
  if (!(b.手駒(true) == s.持駒_MAN) || !(b.手駒(false) == s.持駒_COM)) o << "hands; ";
  if (b.MAN手番 != r.MAN手番 || b.キー != 局面ハッシュ(s, r.MAN手番)) o << "key; ";
  for (const bool side : {true, false})
    if (b.王手(side) != r.王手(side)) o << (side ? "MAN" : "COM") << " check; ";
  const 評価重み w;
  if (形勢評価(b, w) != 形勢評価(s, r.MAN手番, w)) o << "evaluation; ";
  if (手も) {
    手の列 all_list, caps_list;
    b.全手(all_list);
    b.取る手(caps_list);
    const std::vector<指し手> all(all_list.begin(), all_list.end());
    const std::vector<指し手> caps(caps_list.begin(), caps_list.end());
    std::vector<指し手> expected = r.手(), expected_caps;
    for (const 指し手& m : expected)
      if (!m.打つ() && s.盤面[m.先X][m.先Y] != 0) expected_caps.push_back(m);
    if (all != expected) o << "moves (" << all.size() << " not " << expected.size() << "); ";
    if (caps != expected_caps) o << "captures; ";
  }
  return o.str();
}

// Every move of the position but a king capture is made on the board and
// checked against the rules' position after it, then taken back; the board
// must then be as before. Returns the moves, king captures included.
std::vector<指し手> 各手を試す(利き盤& b, const 基準& r, const std::string& where) {
  const std::vector<指し手> v = r.手();
  for (const 指し手& m : v) {
    if (王取り(r.s, m)) continue;
    基準 after = r;
    手を指す(after.s, m);
    after.MAN手番 = !r.MAN手番;
    after.調べる();
    const int c = b.指す(m);
    EXPECT_EQ(違い(b, after, false), "") << where << " after " << USI表記(m);
    b.戻す(m, c);
  }
  EXPECT_EQ(違い(b, r, true), "") << where << " after taking the moves back";
  return v;
}

// A game from sfen: at each ply the board, kept by 指す from the start, is
// compared with the rules, every move is tried, and the game goes on by a
// random move (self-play: the searching player's move at a small depth).
struct 対局 {
  const char* 名;
  const char* sfen;
  unsigned 種;
  int 手数;
  bool 自己対局;
};

void 対局を調べる(const 対局& g) {
  基準 r = 読む(g.sfen);
  利き盤 b;
  b.設定(r.s, r.MAN手番);
  std::mt19937 rng(g.種);
  深探索 器(12);
  探索条件 条件;
  条件.深さ上限 = 2;
  for (int ply = 0; ply < g.手数; ++ply) {
    const std::string where = std::string(g.名) + " ply " + std::to_string(ply);
    std::vector<指し手> v = 各手を試す(b, r, where);
    if (::testing::Test::HasFailure()) return;
    std::erase_if(v, [&](const 指し手& m) { return 王取り(r.s, m); });
    if (v.empty()) return;
    指し手 m = v[rng() % v.size()];
    if (g.自己対局) {
      const 深探索結果 x = 器.探索(r.s, r.MAN手番, {}, 条件);
      if (x.指し手あり && !王取り(r.s, x.最善)) m = x.最善;
    }
    b.指す(m);
    手を指す(r.s, m);
    r.MAN手番 = !r.MAN手番;
    r.調べる();
  }
}

// Random games reach frozen kings, pieces between a king and an enemy rook,
// promotions, drops of every kind and double pawns; self-play games reach
// the positions the search meets.
TEST(BearingBoard, EqualsTheSurveyAlongGames) {
  const 対局 games[] = {
      {"random from the start", 開始SFEN.data(), 1, 160, false},
      {"random from the start, another seed", 開始SFEN.data(), 2, 160, false},
      {"random from the start, upper side first",
       "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", 3, 160, false},
      {"random with full hands", "4k4/9/9/9/9/9/9/9/4K4 b RBGSNL4Prbgsnl4p 1", 4, 120, false},
      {"random from a middle game",
       "l6nl/5+R1k1/4pp1pp/p5p2/2P6/P3P4/1P1P1PPPP/1+b3S3/LN2KG1NL w RGSPbgsn2p 40", 5, 120,
       false},
      {"random, long, from the start", 開始SFEN.data(), 8, 300, false},
      {"random from a quiet middle game",
       "4g3b/4k4/Psnp1prpl/np3sp1p/1Pp1BRP1G/2PPPP1P1/+l1N5P/LS1SK1G1L/9 w Pp 1", 9, 150, false},
      {"random with rooks, bishops and lances in hand",
       "3gkg3/9/9/9/9/9/9/9/3GKG3 w RBSNL4Prbsnl4p 1", 10, 150, false},
      {"self-play from the start", 開始SFEN.data(), 6, 80, true},
      {"self-play from a middle game",
       "ln4s2/rg2kg2l/1psppp2p/p1p3Pp1/2P6/P8/1PRPPP2N/3SG3L/L2GK1S2 w BNPbn2p 1", 7, 60, true},
  };
  for (const 対局& g : games) {
    対局を調べる(g);
    if (HasFailure()) return;
  }
}

// Small positions for the lines a move opens and closes: every move of each
// is checked, with the side to move as written and with the other side.
TEST(BearingBoard, EqualsTheSurveyWhereLinesOpenAndClose) {
  const char* const cases[] = {
      // A king between an enemy rook and a piece behind it: the rook's line
      // passes the king and freezes that piece; the king stepping along the
      // line or off it, and the piece behind moving, change what it reaches.
      "9/9/4k4/9/4g4/9/4R4/9/4K4 b - 1",
      "4r4/9/9/4K4/9/4G4/9/4k4/9 w - 1",
      // A king that takes the piece shielding it from an enemy bishop.
      "8k/9/9/9/4p4/3K5/9/1b7/9 b - 1",
      // Lances of both sides facing each other with a king between.
      "4l4/9/4K4/9/9/9/4k4/9/4L4 b Pp 1",
      // Horses and dragons: steps and lines at once; a checked king.
      "k8/9/2+B6/9/4K4/9/6+r2/9/8r b G 1",
      // Double pawns and drops on the last rows.
      "4k4/P8/9/9/p8/9/9/8p/4K4 b PLNplnp 1",
      // Every piece frozen by something.
      "lnsgkgsnl/1r5b1/pppp1pppp/4p4/4P4/9/PPPP1PPPP/1B5R1/LNSGKGSNL b - 1",
  };
  for (const char* sfen : cases)
    for (const bool swap : {false, true}) {
      std::string text = sfen;
      const std::size_t side = text.find(' ') + 1;  // the side to move follows the board
      if (swap) text[side] = text[side] == 'b' ? 'w' : 'b';
      基準 r = 読む(text);
      利き盤 b;
      b.設定(r.s, r.MAN手番);
      EXPECT_EQ(違い(b, r, true), "") << text;
      各手を試す(b, r, text);
    }
}

}  // namespace
}  // namespace qz
