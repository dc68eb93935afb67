// Timer1 and the running clock of the side to move.
#include <cmath>

#include "play/form1.h"

namespace qz {

double Form1::時刻() {
  return p.clock.secondsSinceMidnight();
}

bool Form1::時計が要る() {
  return チェック(MenuItem::KEIKA) || 対局値.時間規定.有効();
}

void Form1::Timer1_Timer() {
  // A tick from a message box's event loop waits until the handler that
  // opened the box is done; the one-move player's own ticks go on.
  if (処理中 && !思考中) return;
  // The searching player's move is played on the tick that finds it done;
  // the clock ticks meanwhile only when it is shown.
  if (考え中()) {
    if (思考.終わった()) return 思考完了();
    if (!時計が要る()) return;
  }
  if (!思考中) {
    if (const auto r = 対局値.時間切れ()) return 時間切れ(*r);
  }
  const double 一手経過秒 = 対局値.経過秒();
  if (!std::isfinite(一手経過秒)) return;
  // Nothing visible changes within a second: the time used counts up whole
  // seconds, the time left under a control counts down to them.
  const bool 規定 = 対局値.時間規定.有効();
  const auto 秒 = static_cast<long long>(規定 ? std::ceil(対局値.残り表示(対局値.MANの番()).秒)
                                              : std::floor(一手経過秒));
  if (秒 == 表示済秒) return;
  表示済秒 = 秒;
  if (対局値.COMの番())
    画.描画_所有時間(対局値.局.手番値_COM, 一手経過秒 + 対局値.時間_COM);
  else if (対局値.MANの番())
    画.描画_所有時間(対局値.局.手番値_MAN, 一手経過秒 + 対局値.時間_MAN);
  画.描画面().refresh();
}

// The side to move ran out of time: the searching player's thinking is
// dropped, both clocks are shown as they stand, and the game ends.
void Form1::時間切れ(const 勝敗& r) {
  処理区間 区間(処理中);
  p.timer1.setEnabled(false);
  if (考え中()) {
    思考.止める();
    思考中の目的 = 思考目的::なし;
  }
  画.描画_所有時間(対局値.局.手番値_COM, 対局値.時間_COM);
  画.描画_所有時間(対局値.局.手番値_MAN, 対局値.時間_MAN);
  画.描画面().refresh();
  p.sound.dsPlay(音_禁止);
  メッセージ(QZ_TR("時間切れです"), QZ_TR("終了"));
  勝敗表示(r);
}

}  // namespace qz
