#include "computer/resign.h"

#include "computer/deep_search.h"
#include "computer/levels.h"

namespace qz {

bool 投了判断::投了するか(int レベル, const 深探索結果& r) {
  if (!探索するレベル(レベル) || !r.指し手あり) return false;  // no move at all: the game ends by itself
  const int 点 = r.報告.評価;
  if (点 <= -勝敗境) return true;
  続いた回数 = 点 <= 絶望点 ? 続いた回数 + 1 : 0;
  return 続いた回数 >= 必要回数;
}

}  // namespace qz
