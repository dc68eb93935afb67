// Move guidance asks the rules which squares a picked-up piece may reach.
#include "display/screen.h"
#include "rules/rules.h"

namespace qz {

void 画面::描画_移動可能桝色(int 移動元X, int 移動元Y, int 描画色, int 移動駒) {
  描画_移動可能桝色(描画色, [&](int x, int y) {
    return 移動チェック(対局値.局, 移動元X, 移動元Y, x, y, 移動駒);
  });
}

}  // namespace qz
