// The game's time: seconds between two readings of the time of day, and the
// time control a game may be played under.
#pragma once

#include <optional>

#include "records/time_limit.h"

namespace qz {

// Seconds from I_開始 to I_終了 (times of day), across midnight when the end
// is earlier; NaN when either is not a number.
double 調査_経過秒(double I_開始, double I_終了);

// Whether a turn of 秒 seconds, begun with 残り seconds of main time,
// has used up everything the control allows for it.
bool 時間切れか(const 持ち時間設定& t, double 残り, double 秒);

// The main time left after a move of 秒 seconds begun with 残り (the
// increment added); nothing when the flag fell during the move.
std::optional<double> 指した後の残り(const 持ち時間設定& t, double 残り, double 秒);

// What a side's clock shows 秒 seconds into its turn: the main time left,
// or, once that is gone under byoyomi, the byoyomi seconds left.
struct 時計表示 {
  double 秒 = 0;
  bool 秒読み中 = false;
};
時計表示 残りの表示(const 持ち時間設定& t, double 残り, double 秒);

}  // namespace qz
