// The evaluation of the searching player (levels above LEVEL3): material, hands
// and the terms the freeze rule makes important. Scores are centipawns from
// the side to move's point of view. The one-move player keeps its own 盤評価.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "rules/position.h"

namespace qz {

class 利き盤;

// Centipawn values by kind magnitude (the usual shogi engine scale); the
// king's is 0. Move ordering keeps to these whatever the weights say.
inline constexpr std::array<int, 王 + 1> 既定駒値 = [] {
  std::array<int, 王 + 1> t{};
  t[歩] = 90, t[成歩] = 540, t[香] = 315, t[成香] = 540, t[桂] = 405, t[成桂] = 540;
  t[銀] = 495, t[成銀] = 540, t[金] = 540, t[角] = 855, t[成角] = 945;
  t[飛] = 990, t[成飛] = 1395, t[王] = 0;
  return t;
}();

// The weights of the evaluation, chosen by self-play matches. Each is one
// number so that the match tool can try another value for it.
struct 評価重み {
  std::array<int, 王 + 1> 駒値 = 既定駒値;  // a piece on the board, by kind magnitude
  int 持駒割増 = 10;    // percent a piece in hand is worth above the same piece on the board
  int 凍結 = 15;        // a frozen piece: it cannot move until its attacker goes
  int 無援凍結 = 25;    // percent of its value lost by a frozen piece nothing of its side guards
  int 凍結割合 = 10;    // percent of its value lost by any frozen piece, guarded or not
  int 動けない = 10;    // a free piece with no square to go to
  int 玉周り利き = 25;  // each square next to a king the enemy bears on
  int 玉守り = 20;      // each gold, silver or promoted minor next to its own king
  int 手番 = 30;        // the side to move can act first
  // Per mille of its score a position loses for each ply beyond 進展猶予
  // since the game's or the line's last capture or promotion (at most half):
  // the side ahead looks for a capture before the position locks, where
  // pieces stand frozen against the pieces they freeze. 0 leaves it whole.
  int 進展減衰 = 5;
  int 進展猶予 = 20;
  // With the search's 刈り込む, a node 2 plies or fewer from the leaves, on
  // a null window and not in check, skips a quiet move when its evaluation
  // plus this much a ply does not reach α; one 3 plies or fewer skips the
  // quiet moves after the first 6 + 3 × plies². 0 skips none.
  int 刈り幅 = 200;
  // What a line that repeats a position is worth to the side that searches
  // (the other side counts the opposite): below 0, it looks for progress
  // rather than going round.
  int 千日手 = 0;
  // How many times a position must have come in the game before the search
  // began for a line that comes back to it to end there as a repetition. A
  // position comes back many times in a slow game without the game being
  // drawn (that takes a fourth time), and counting the first return as the
  // draw lets the side behind "claim" it from almost anywhere in a locked
  // position. A line that repeats one of its own positions ends at once.
  int 千日手回数 = 2;
};

// The value of a piece of this code on the board, in centipawns.
int 駒価値(int 駒);

// The score of s for the side to move. Needs the influence counts of s.
int 形勢評価(const 局面& s, bool MAN手番, const 評価重み& w);
// The same score of the searching player's position, from its own counts.
int 形勢評価(const 利き盤& b, const 評価重み& w);

// The names 重みを設定 knows, 千日手 last: the piece values go by the
// kind's name (歩 ... 飛, と, 成香, 成桂, 成銀, 馬, 竜), the others by the member's.
std::span<const std::string_view> 重みの名前();
// Sets one weight by its name; false for an unknown name.
bool 重みを設定(評価重み& w, std::string_view 名, int 値);
// The weight of that name, or nothing for an unknown name.
std::optional<int> 重みの値(const 評価重み& w, std::string_view 名);

// What the evaluation of one position multiplies its weights by, counted
// once so that the score under any weights is quick to find: each count
// is the side to move's pieces less the enemy's.
struct 評価の数 {
  // By kind in the order 歩 と 香 成香 桂 成桂 銀 成銀 金 角 馬 飛 竜 王:
  std::array<std::int8_t, 14> 盤駒{};    // pieces on the board
  std::array<std::int8_t, 14> 無援{};    // frozen pieces nothing of their side guards
  std::array<std::int8_t, 14> 凍結駒{};  // frozen pieces
  std::array<std::int8_t, 8> 手駒{};     // pieces in hand, by hand slot (1..7)
  std::int8_t 凍結 = 0, 動けない = 0, 玉周り利き = 0, 玉守り = 0;
};
評価の数 評価の数を数える(const 利き盤& b);
// The score 形勢評価 gives the position of those counts under w.
int 数の評価(const 評価の数& n, const 評価重み& w);

}  // namespace qz
