#include "play/analysis_text.h"

#include <algorithm>
#include <cmath>

#include "display/screen.h"
#include "records/kif.h"

namespace qz {

std::string 読み筋文(const std::vector<指し手>& 手, bool MANが先手) {
  std::string r;
  std::pair<int, int> 直前{0, 0};
  for (const 指し手& m : 手) {
    const bool 下 = m.元駒 < 0;
    r += 下 == MANが先手 ? "▲" : "△";
    if (直前 == std::pair{m.先X, m.先Y})
      r += "同　";
    else
      r += 文字列変換(10 - m.先X) + 文字列変換(1000 + m.先Y);
    r += KIF駒名(m.元駒);
    if (m.打つ())
      r += "打";
    else if (m.成る())
      r += "成";
    直前 = {m.先X, m.先Y};
  }
  return r;
}

文面 評価文(int 下評価) {
  if (const int n = 勝ちまでの手数(下評価); n != 0)
    return 文面(n > 0 ? QZ_TR("%1手で勝ち") : QZ_TR("%1手で負け"), {文面::数値(std::abs(n))});
  return 文面::そのまま((下評価 > 0 ? "+" : "") + std::to_string(下評価));
}

文面 探索情報文(const 検討結果& k) {
  const std::uint64_t 千 = k.毎秒節点 / 1000;
  return 文面(QZ_TR("深さ %1　%2k局面/秒"),
              {文面::数値(k.深さ), 文面::数値(static_cast<long long>(千))});
}

// A logistic curve: 600 centipawns fill about three quarters of the bar;
// only a forced result fills it.
int 評価棒の位置(int 下評価) {
  if (const int n = 勝ちまでの手数(下評価); n != 0) return n > 0 ? 1000 : -1000;
  const double x = 2.0 / (1.0 + std::exp(-下評価 / 550.0)) - 1.0;
  return std::clamp(static_cast<int>(std::lround(x * 1000)), -990, 990);
}

}  // namespace qz
