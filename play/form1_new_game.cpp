// 対局 → 新規対局…: one dialog chooses the opponent, the side, the level,
// the handicap, the time control and whether repetition ends the game; the
// game then starts at once from the start position. The old menus keep
// starting games as they always have.
#include <cstdlib>

#include "play/form1.h"

namespace qz {

void Form1::NEW_GAME_Click() {
  終局後の確認();
  if (!破棄確認(QZ_TR("対局中です。新しい対局を始めますか？"))) return;
  const std::optional<新規対局設定> 設定 = p.window.askNewGame();
  if (設定) 新規対局(*設定);
}

void Form1::新規対局(const 新規対局設定& 設定) {
  初期設定();
  const int 向き = 設定.ハンデ > 0 ? 1 : -1;
  for (int i = 0; i < std::abs(設定.ハンデ); ++i) 対局値.ハンデ変更(向き);
  if (設定.ハンデ != 0) 画.画面_再描画();
  対局値.時間規定を設定(設定.時間);
  対局値.千日手判定 = 設定.千日手;
  if (!設定.対COM) return START_Click();
  レベル_設定(設定.レベル);
  if (設定.MAN先)
    SENTE_Click();
  else
    GOTE_Click();
}

}  // namespace qz
