// Game review (棋譜解析): every move of a game searched for a fixed time,
// the loss of each move against the search's choice measured, and the
// moves that lost much marked 悪手 or 疑問手. The results are plain data;
// a KIF record keeps them as comment lines after each move, in the form
// other shogi viewers read (`**解析 0 … 評価値 … 読み筋 …`).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/session.h"

namespace qz {

struct 解析条件 {
  std::int64_t 一手ms = 1000;  // the search of each position
  int 悪手損失 = 300;          // centipawns lost from which a move is 悪手
  int 疑問手損失 = 100;        // and 疑問手
};

// The conditions as the settings keep them after their first four lines
// ("棋譜解析=1000,300,100"), and read back: nothing for any other text or a
// value out of range (a search of 100 ms to 60 s, losses of 1 to 9999 with
// 疑問手's at most 悪手's).
inline constexpr const char* 解析条件キー = "棋譜解析";
std::string 解析条件の文(const 解析条件& c);
std::optional<解析条件> 解析条件を読む(std::string_view 文);

enum class 手の評 { 普通, 疑問手, 悪手 };

// What the review found of one move.
struct 手の解析 {
  bool 下の手 = true;  // the lower side (MAN) made it
  int 評価 = 0;        // after the move, centipawns from the lower side's view
  int 損失 = 0;        // what it lost against the best move, from its mover's view
  手の評 評 = 手の評::普通;
  // The search's choice as a record reads it ("▲７六歩"), "" when it was this
  // move; and the move itself, on the board's squares, when the review ran here.
  std::string 最善;
  std::optional<指し手> 最善手;
  int 深さ = 0;
  std::string 読み筋;  // the line the search expects after the move, as read
  bool operator==(const 手の解析&) const = default;
};

// One side's moves in a review: how many, the marked ones and the average loss.
struct 側の成績 {
  int 手数 = 0, 疑問手 = 0, 悪手 = 0;
  double 平均損失 = 0;
};

// The positions of a review: before each move of the game's history and
// after its last, each a search request, with the moves between them.
struct 解析局面 {
  std::vector<思考依頼> 局面;
  std::vector<指し手> 手;
  bool 反転 = false;  // the game's record has the board turned round
};
解析局面 解析の局面(const 対局& g);

// Searches every position of p for c.一手ms; 進捗(done, all) after each.
// Stops early (fewer moves reviewed) when 止め is set.
std::vector<手の解析> 棋譜を解析する(const 解析局面& p, const 解析条件& c,
                                     const std::function<void(int, int)>& 進捗,
                                     const std::atomic<bool>* 止め);

// The two sides' results: [0] the lower side, [1] the upper.
std::array<側の成績, 2> 解析の成績(const std::vector<手の解析>& r);

// A move as a reader reads it, without its origin: "▲７六歩", "△５五角打".
std::string 手の読み(const 指し手& m, bool 下の手);

// The comment lines (without their leading '*') a KIF record keeps after a
// reviewed move, and the move read back from them (nothing when they hold
// no review). 反転: the record's sides are the board's turned round; the
// texts of moves are already the record's, the score is turned here.
std::vector<std::string> 解析の注釈(const 手の解析& a, bool 反転);
std::optional<手の解析> 注釈の解析(const std::vector<std::string>& 行, bool 下の手, bool 反転);

}  // namespace qz
