#include "rules/rules.h"

namespace qz {

void 初期配置(局面& s) {
  s.持駒_MAN = {};
  s.持駒_COM = {};
  for (auto& column : s.盤面) column.fill(0);
  // Back rank from column 1 to 9, MAN's on row 9; COM's mirrored through the centre.
  constexpr std::array<int, 10> 後列 = {0, 香, 桂, 銀, 金, 王, 金, 銀, 桂, 香};
  for (int x = 1; x <= 9; ++x) {
    s.盤面[x][9] = static_cast<std::int16_t>(-後列[x]);
    s.盤面[x][7] = -歩;
    s.盤面[x][1] = static_cast<std::int16_t>(後列[x]);
    s.盤面[x][3] = 歩;
  }
  s.盤面[2][8] = -角;
  s.盤面[8][8] = -飛;
  s.盤面[8][2] = 角;
  s.盤面[2][2] = 飛;
  s.持駒_MAN.合計再計算();
  s.持駒_COM.合計再計算();
}

}  // namespace qz
