// The clocks under the stands and the time text behind them.
#include <cmath>
#include <string>

#include "display/screen.h"

namespace qz {

std::string 調査_時間秒追加結果(double IN_経過秒) {
  const double s = IN_経過秒;
  const double h = s >= 3600 ? std::floor(s / 3600) : 0;
  const double r = s - 3600 * h;
  const double m = std::floor(r / 60);
  const double sec = r - 60 * m;
  // Two digits each, except that 100 hours or more keep all their digits.
  const auto hours = static_cast<long long>(h);
  const std::string hh = hours >= 100 ? std::to_string(hours) : 変換_数字から文字(hours);
  return hh + ":" + 変換_数字から文字(static_cast<long long>(m)) + ":" +
         変換_数字から文字(static_cast<long long>(std::floor(sec)));
}

void 画面::描画_所有時間(int IN_手番, double IN_思考時間) {
  // Under a time control the clocks show the time left, always.
  if (対局値.時間規定.有効()) return 描画_残り時間(IN_手番);
  if (!経過時間表示()) return;
  描画_時計文(IN_手番, 調査_時間秒追加結果(IN_思考時間), 色_白);
}

void 画面::描画_残り時間(int IN_手番) {
  const 時計表示 t = 対局値.残り表示(IN_手番 == 対局値.局.手番値_MAN);
  const auto 秒 = static_cast<long long>(std::ceil(t.秒));
  // The last ten seconds and byoyomi are red.
  const int 色 = t.秒読み中 || 秒 <= 10 ? 色_赤 : 色_白;
  if (t.秒読み中)
    描画_時計文(IN_手番, 文面(QZ_TR("秒読み %1"), {std::to_string(秒)}), 色);
  else
    描画_時計文(IN_手番, 調査_時間秒追加結果(static_cast<double>(秒)), 色);
}

void 画面::描画_時計文(int IN_手番, const 文面& 文, int 色) {
  消去_所有時間(IN_手番);
  if (IN_手番 == 対局値.局.手番値_MAN) {
    描画_数値(13.1, 9.3, 文, 色_黒, 0, 12);
    描画_数値(13, 9.2, 文, 色, 0, 12);
  } else if (IN_手番 == 対局値.局.手番値_COM) {
    描画_数値(-1.5, 9.3, 文, 色_黒, 0, 12);
    描画_数値(-1.6, 9.2, 文, 色, 0, 12);
    描画_桝輪郭(色_桝輪郭, 1, 9);
  }
}

void 画面::消去_所有時間(int IN_手番) {
  if (IN_手番 == 対局値.局.手番値_MAN) {
    for (int x = 13; x <= 15; ++x) 描画_絵(背景_現在, x, 9);
  } else if (IN_手番 == 対局値.局.手番値_COM) {
    for (int x = -2; x <= 0; ++x) 描画_絵(背景_現在, x, 9);
  }
}

}  // namespace qz
