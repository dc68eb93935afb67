// Timer1 and the running clock of the side to move.
#include <cmath>

#include "play/form1.h"

namespace qz {

double Form1::時刻() {
  return p.clock.secondsSinceMidnight();
}

void Form1::Timer1_Timer() {
  // A tick from a message box's event loop waits until the handler that
  // opened the box is done; the one-move player's own ticks go on.
  if (処理中 && !思考中) return;
  // The searching player's move is played on the tick that finds it done;
  // the clock ticks meanwhile only when it is shown.
  if (考え中()) {
    if (思考.終わった()) return 思考完了();
    if (!チェック(MenuItem::KEIKA)) return;
  }
  const double 一手経過秒 = 対局値.経過秒();
  if (!std::isfinite(一手経過秒)) return;
  // Nothing visible changes within a second.
  const auto 秒 = static_cast<long long>(std::floor(一手経過秒));
  if (秒 == 表示済秒) return;
  表示済秒 = 秒;
  if (対局値.COMの番())
    画.描画_所有時間(対局値.局.手番値_COM, 一手経過秒 + 対局値.時間_COM);
  else if (対局値.MANの番())
    画.描画_所有時間(対局値.局.手番値_MAN, 一手経過秒 + 対局値.時間_MAN);
  画.描画面().refresh();
}

}  // namespace qz
