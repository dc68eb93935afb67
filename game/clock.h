// The game's time: seconds between two readings of the time of day.
#pragma once

namespace qz {

// Seconds from I_開始 to I_終了 (times of day), across midnight when the end
// is earlier; NaN when either is not a number.
double 調査_経過秒(double I_開始, double I_終了);

}  // namespace qz
