// The branches of a KIF record: after the game, blocks headed `変化：N手`
// hold other lines, their moves numbered from N. A block belongs to the
// last line read that holds a move N (a line that itself starts at N
// makes it that line's neighbour), so writers put the latest branches
// first.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "records/game_record.h"

namespace qz {

// Where a move of a record is read: the position, the destination of the
// move before it (for `同`) and each side's seconds in all so far.
struct 手の場 {
  const 記録局面& 局面;
  std::pair<int, int> 直前;
  int& 累計_下;
  int& 累計_上;
};

class KIF変化読込 {
 public:
  // The branches go into 記録's, its game already read.
  explicit KIF変化読込(対局記録& 記録) : 記録_(記録) {}

  // A `変化：N手` line: the block before it ends and this one begins; the
  // reason when it is refused.
  文面 見出し(std::string_view s);
  // A move line of the block numbered 番号 (its text s after the number);
  // 読む reads the move at the place given. The reason when it is refused.
  文面 指し手(long long 番号, std::string_view s,
              const std::function<文面(std::string_view, 手の場, 記録手&)>& 読む);
  // An ending in place of a move: the block takes no more moves.
  void 終局() { 終わった_ = true; }
  // After the last line: the reason when the last block is refused.
  文面 終端();
  // Leaves the block being read, if any, out of the record (it was refused).
  void 捨てる();
  bool 読み中() const { return !積み_.empty(); }

 private:
  struct 筋の位置 {
    std::vector<std::size_t> 道;  // the branch indices from the game's branches down
    int 始 = 1;                   // the number of its first move
  };
  // The moves and the branches of the line at 道 (the game when empty).
  std::pair<std::vector<記録手>*, std::vector<記録変化>*> 筋(const std::vector<std::size_t>& 道);
  // Plays the line at 道 up to just before move n into the place of reading.
  bool 手前まで(const std::vector<std::size_t>& 道, int n);
  // The block just read must hold a move.
  文面 空の塊();

  対局記録& 記録_;
  std::vector<筋の位置> 積み_;  // the lines that blocks may yet belong to, the game first
  記録局面 局面_;
  std::pair<int, int> 直前_{0, 0};
  int 累計_下_ = 0, 累計_上_ = 0;
  int 次の手_ = 0;
  bool 終わった_ = false;
  bool 読みかけ_ = false;  // the last line's block is the one being read
  std::size_t 手数_ = 0;   // the moves of every block so far
  long long 再生数_ = 0;   // the moves played to find where blocks begin
};

}  // namespace qz
