// 局面 → 局面編集…: the editor opens on the position on the board, and the
// position set up there is put on the board the way a pasted SFEN is, to
// be played from, analysed, copied or saved.
#include "play/form1.h"
#include "records/formats.h"
#include "records/usi.h"

namespace qz {

void Form1::BOARD_EDIT_Click() {
  棋譜パネルを閉じる();
  if (!破棄確認(QZ_TR("対局中です。局面を編集しますか？"))) return;
  // The game waits while the editor is open, and goes on if it is cancelled.
  const bool 時計 = p.timer1.enabled();
  p.timer1.setEnabled(false);
  const std::optional<std::string> sfen = p.window.askBoardEdit(SFEN文(対局値.今の局面(), 1));
  if (!sfen) return p.timer1.setEnabled(時計);
  窓の読込 w = 貼り付けを読む(*sfen);
  // Read, a bare position has only the "no moves" box to show: no need.
  if (w.知らせ.size() == 1) w.知らせ.clear();
  記録を読み込む(w);
}

}  // namespace qz
