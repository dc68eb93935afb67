// Positions and moves from outside the window: a position to start from,
// moves checked as the game checks them, and the computer's choice for
// whichever side is to move. The engine and the match tool play here.
#include <algorithm>

#include "computer/one_move_player.h"
#include "computer/search_worker.h"
#include "game/session.h"

namespace qz {

void 対局::局面から始める(const 盤配列& 盤面, const 持駒& 持駒_MAN, const 持駒& 持駒_COM,
                          bool MAN手番, int 前の手数) {
  局.盤面 = 盤面;
  局.持駒_MAN = 持駒_MAN;
  局.持駒_COM = 持駒_COM;
  局.勝者 = 0;
  手番 = MAN手番 ? 局.手番値_MAN : 局.手番値_COM;
  手数 = 前の手数;
  手順.手順_現在 = 0;
  手順.切り詰める(0);
  棋譜モード = 0;
  中断中 = 0;
  開始局面 = 局;
  終局を記す(std::nullopt);
}

着手拒否 対局::指し手検査(const 指し手& m) {
  if (局.勝者 != 0 || 終局結果) return 着手拒否::動けない;  // the game has ended
  勢力調査(局);
  調査_2歩フラグ設定(局);
  const bool MAN側 = MAN手番();
  if (MAN側 ? !MAN駒(m.元駒) : !COM駒(m.元駒)) return 着手拒否::動けない;
  const 升 元 = 移動元の升(m);
  if (m.打つ()) {
    const 持駒& 手駒 = MAN側 ? 局.持駒_MAN : 局.持駒_COM;
    if (手駒.枚数[持駒番号(m.元駒)] <= 0 || m.成る()) return 着手拒否::動けない;
  } else if (!盤上(m.元X, m.元Y) || 局.盤面[m.元X][m.元Y] != m.元駒) {
    return 着手拒否::動けない;
  }
  if (移動チェック(局, 元.x, 元.y, m.先X, m.先Y, m.元駒) == いいえ) return 着手拒否::動けない;
  if (m.打つ()) return 着手拒否::なし;
  const int 成駒 = 調査_駒成(元.x, 元.y, m.先X, m.先Y, m.元駒);
  if (m.成る()) return 成駒 == m.先駒 ? 着手拒否::なし : 着手拒否::動けない;
  return 移動後チェック(m.先Y, m.元駒) == はい ? 着手拒否::なし : 着手拒否::成り必須;
}

着手結果 対局::指す(const 指し手& m) {
  if (手順.手順_現在 <= 0) 開始局面 = 局;
  const 升 元 = 移動元の升(m);
  手順.変化を残して保存(局.盤面, 元.x, 元.y, m.先X, m.先Y, m.元駒, m.先駒, 時間_MAN, 時間_MAN,
                        時間_COM, 時間_COM);
  if (手数 < 最大手数) ++手数;
  着手結果 r{m, 局.盤面[m.先X][m.先Y], std::nullopt};
  qz::駒移動(局, 元.x, 元.y, m.先X, m.先Y, m.先駒);
  手番 = MAN駒(m.元駒) ? 局.手番値_COM : 局.手番値_MAN;
  if (局.勝者 != 0) r.終わり = 勝敗{MAN駒(m.元駒) ? 側::MAN : 側::COM, 終局::王取り};
  if (!r.終わり) r.終わり = 千日手の終局();
  終局を記す(r.終わり);
  return r;
}

std::optional<指し手> 対局::一手読みの手(COM記憶& 記憶, int レベル, std::vector<候補手>* 一覧) {
  const bool 反転する = MAN手番();
  const std::size_t 前 = 一覧 != nullptr ? 一覧->size() : 0;
  if (反転する) 局面反転(局);
  const 探索結果 r = COM探索(局, 記憶, レベル, 一覧);
  if (反転する) {
    局面反転(局);
    勢力調査(局);
    調査_2歩フラグ設定(局);
    if (一覧 != nullptr)
      for (auto i = 一覧->begin() + static_cast<std::ptrdiff_t>(前); i != 一覧->end(); ++i)
        i->手 = 反転手(i->手);
  }
  if (!r.指し手あり) return std::nullopt;
  return 反転する ? 反転手(r.最善.手) : r.最善.手;
}

思考依頼 対局::手番側の思考依頼(const 探索条件& 条件) const {
  return 思考依頼を作る(MAN手番(), 条件);
}

}  // namespace qz
