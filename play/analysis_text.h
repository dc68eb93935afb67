// The texts of the 検討 panel: the score, the search's depth and speed,
// and its lines written as a record writes moves (▲７六歩△３四歩▲同　歩).
#pragma once

#include <string>
#include <vector>

#include "computer/analysis.h"
#include "rules/message.h"

namespace qz {

// A line of moves from the position analysed; the lower side's moves are
// marked ▲ when it moved first in the game (MANが先手), else △.
std::string 読み筋文(const std::vector<指し手>& 手, bool MANが先手);
// The lower side's score: "+123", "-45", "0", or "n手で勝ち"/"n手で負け".
文面 評価文(int 下評価);
// "深さ 12  1,234k局面/秒".
文面 探索情報文(const 検討結果& k);
// Where the score bar stands, -1000 (the upper side wins) .. 1000 (the lower side wins).
int 評価棒の位置(int 下評価);

}  // namespace qz
