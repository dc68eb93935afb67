// Starting a game, the moves of both sides and of the computer, resigning
// and taking back.
#include "game/session.h"

#include <cmath>
#include <cstdlib>

#include "computer/one_move_player.h"
#include "computer/search_worker.h"
#include "computer/time_control.h"
#include "game/clock.h"

namespace qz {

// What the window keeps back from the computer's share of its time: the
// tick that collects the finished search and the repaint after it.
constexpr std::int64_t 窓の余裕ms = 300;

double 調査_経過秒(double I_開始, double I_終了) {
  if (I_開始 <= I_終了) return I_終了 - I_開始;
  if (I_開始 > I_終了) return I_終了 + (86400 - I_開始);  // midnight passed
  return NAN;
}

double 対局::経過秒() {
  一手経過秒 = 調査_経過秒(開始時刻, 時刻());
  return 一手経過秒;
}

void 対局::初期化() {
  ハンデレベル = 0;
  ハンデ設定フラグ = 0;
  対局モード = 0;
  局.勝者 = 0;
  手番 = 0;
  手順.手順_現在 = 0;
  手数 = 0;
  反転フラグ = 0;
  手順[0].先駒 = 歩;
  時間_MAN = 0;
  時間_COM = 0;
  中断中 = 0;
  棋譜モード = 0;
  COM記憶履歴.clear();
  読込記録.reset();
  // A board set up afresh plays as the old menus always have: no clock and
  // no repetition rule until the new-game dialog sets them.
  時間規定を設定({});
  千日手判定 = false;
  終局を記す(std::nullopt);
  初期配置(局);
  開始局面 = 局;
}

手番の知らせ 対局::人間対局開始() {
  勢力調査(局);
  開始時刻 = 時刻();
  対局モード = 0;
  手番の知らせ r = 手番の知らせ::なし;
  if (手数 == 0 || 手番 == 0) {
    終局を記す(std::nullopt);
    局.手番値_MAN = 先手値;
    局.手番値_COM = 後手値;
    手番 = 局.手番値_MAN;
    r = 手番の知らせ::先手の番;
  } else if (手番 == 先手値) {
    r = 手番の知らせ::先手の番;
  } else if (手番 == 後手値) {
    r = 手番の知らせ::後手の番;
  }
  中断中 = 0;
  return r;
}

手番の知らせ 対局::COM対局開始(bool MAN先) {
  対局モード = 1;
  棋譜モード = 0;
  // The moves beyond a position stepped back to are kept as a branch; a
  // game from the start begins a history of its own.
  if (手数 > 0 && 手数 == 手順.手順_現在) {
    手順.先を変化へ();
  } else {
    手順.切り詰める(手数);
    手順.手順_最終 = 手数;
  }
  勢力調査(局);
  // Only the human moving first starts its clock here; the computer's turn
  // starts its own.
  if (MAN先) 開始時刻 = 時刻();
  const bool 新規 = 手数 == 0 || 手番 == 0;
  if (新規) {
    局.手番値_MAN = MAN先 ? 先手値 : 後手値;
    局.手番値_COM = MAN先 ? 後手値 : 先手値;
    手番 = 先手値;
    COM記憶値 = {};
    終局を記す(std::nullopt);
    if (MAN先) 中断中 = 0;
    return MAN先 ? 手番の知らせ::MANの番 : 手番の知らせ::COMの番;
  }
  if (COMの番()) return 手番の知らせ::COMの番;
  if (!MANの番()) return 手番の知らせ::なし;
  if (MAN先) {
    局.手番値_MAN = 先手値;
    局.手番値_COM = 後手値;
    手番 = 先手値;
  }
  中断中 = 0;
  return 手番の知らせ::MANの番;
}

手番の知らせ 対局::再開() {
  if (対局モード == 0) {
    if (中断中 != 1) return 手番の知らせ::なし;
    中断中 = 0;
    開始時刻 = 時刻();
    if (手番 == 先手値) return 手番の知らせ::先手の番;
    if (手番 == 後手値) return 手番の知らせ::後手の番;
    return 手番の知らせ::なし;
  }
  if (COMの番()) {
    中断中 = 0;
    return 手番の知らせ::COMの番;
  }
  if (中断中 != 1) return 手番の知らせ::なし;
  中断中 = 0;
  開始時刻 = 時刻();
  return 手番の知らせ::MANの番;
}

void 対局::レベル設定(int レベル) {
  if (レベルを探す(レベル) != nullptr) COMレベル = レベル;
}

void 対局::時間規定を設定(const 持ち時間設定& t) {
  時間規定 = t;
  残り_MAN = 残り_COM = t.本体秒;
}

std::optional<勝敗> 対局::時間切れ() {
  if (!時間規定.有効() || !対局中() || 中断中 != 0 || 局.勝者 != 0) return std::nullopt;
  const bool MAN側 = MANの番();
  const double 秒 = 経過秒();
  if (!std::isfinite(秒) || !時間切れか(時間規定, MAN側 ? 残り_MAN : 残り_COM, 秒))
    return std::nullopt;
  const 勝敗 r{MAN側 ? 側::COM : 側::MAN, 終局::時間切れ};
  終局を記す(r);
  return r;
}

時計表示 対局::残り表示(bool MAN側) const {
  const bool 番 = 対局中() && 中断中 == 0 && MAN側 == MANの番();
  double 秒 = 番 ? 調査_経過秒(開始時刻, 時刻()) : 0;
  if (!std::isfinite(秒)) 秒 = 0;
  return 残りの表示(時間規定, MAN側 ? 残り_MAN : 残り_COM, 秒);
}

void 対局::時計を進める(bool MAN側, double 秒) {
  if (!時間規定.有効() || !std::isfinite(秒)) return;
  double& 残り = MAN側 ? 残り_MAN : 残り_COM;
  残り = 指した後の残り(時間規定, 残り, 秒).value_or(0);
}

// --- Moves -------------------------------------------------------------------------

着手拒否 対局::着手検査(int fx, int fy, int tx, int ty, int 駒, bool 成る) const {
  const bool 打つ = fx == MAN持駒X || fx == COM持駒X;
  // A picked hand piece that is no longer in the hand (the position changed
  // under the selection) is refused like any illegal move.
  bool 持駒切れ = false;
  if (打つ) {
    const 持駒& 手駒 = fx == MAN持駒X ? 局.持駒_MAN : 局.持駒_COM;
    持駒切れ = 手駒.枚数[持駒番号(持駒台の駒(fx, fy))] <= 0;
  }
  if (持駒切れ || 移動チェック(局, fx, fy, tx, ty, 駒) == いいえ) {
    if (盤上(fx, fy)) {
      const int 敵勢力 = COM駒(駒) ? 局.表.勢力_MAN[fx][fy] : 局.表.勢力_COM[fx][fy];
      if (敵勢力 > 0) return std::abs(駒) == 王 ? 着手拒否::王手 : 着手拒否::氷結;
    } else if (tx >= 1 && tx <= 9) {
      if ((駒 == -歩 && 局.二歩フラグ_MAN[tx] == 1) || (駒 == 歩 && 局.二歩フラグ_COM[tx] == 1))
        return 着手拒否::二歩;
    }
    return 着手拒否::動けない;
  }
  // Only a promoting move may leave a piece where it could never move again.
  if (移動後チェック(ty, 駒) == いいえ && !成る) return 着手拒否::成り必須;
  return 着手拒否::なし;
}

着手結果 対局::人間の手を指す(int fx, int fy, int tx, int ty, int 駒, bool 成る) {
  前 = 氷結前記録(局);
  if (手順.手順_現在 <= 0) 開始局面 = 局;
  // Each side's clock gets its own time: the upper side's move in a game
  // between two humans counts on COM's clock.
  const double 秒 = 経過秒();
  const bool 上の手 = 対局モード == 0 && COM駒(駒);
  int 置く = 駒;
  if (const int 成駒 = 調査_駒成(fx, fy, tx, ty, 駒); 成る && 成駒 != 0) 置く = 成駒;
  手順.変化を残して保存(局.盤面, fx, fy, tx, ty, 駒, 置く, 時間_MAN, 時間_MAN + (上の手 ? 0 : 秒),
                        時間_COM, 時間_COM + (上の手 ? 秒 : 0));
  ++手数;
  // The upper side's hand piece is named by its stand row in the history
  // and by its slot when it is moved.
  const int 元Y = fx == COM持駒X ? 打ち元(駒).y : fy;
  着手結果 r;
  const bool 打つ = fx == MAN持駒X || fx == COM持駒X;
  r.手 = 打つ ? 指し手::打つ手(駒, tx, ty) : 指し手{fx, fy, tx, ty, 駒, 置く};
  r.取駒 = 局.盤面[tx][ty];
  qz::駒移動(局, fx, 元Y, tx, ty, 置く);
  人間の手番を渡す(r);
  if (!r.終わり) r.終わり = 千日手の終局();
  終局を記す(r.終わり);
  return r;
}

// After a human's move: against the computer the human wins by taking or
// mating its king, otherwise the computer is to move; between two humans a
// taken king ends the game, otherwise the other side's clock starts.
void 対局::人間の手番を渡す(着手結果& r) {
  if (対局モード == 1) {
    時間_MAN += 一手経過秒;
    時計を進める(true, 一手経過秒);
    勢力調査(局);
    const bool 詰み =
        調査_COM王取得(局, 局.表.COM王X, 局.表.COM王Y) == はい && 詰めかCOM(局) == はい;
    if (r.取駒 == 王) {
      r.終わり = 勝敗{側::MAN, 終局::王取り};
    } else if (詰み) {
      r.終わり = 勝敗{側::MAN, 終局::詰み};
    } else if (局.勝者 == 0) {
      手番 = 局.手番値_COM;
    }
    return;
  }
  if (局.勝者 == 局.手番値_MAN) return void(r.終わり = 勝敗{側::MAN, 終局::王取り});
  if (局.勝者 == 局.手番値_COM) return void(r.終わり = 勝敗{側::COM, 終局::王取り});
  if (手番 == 先手値) {
    手番 = 後手値;
    時間_MAN += 一手経過秒;
    時計を進める(true, 一手経過秒);
  } else if (手番 == 後手値) {
    手番 = 先手値;
    時間_COM += 一手経過秒;
    時計を進める(false, 一手経過秒);
  }
  開始時刻 = 時刻();
  勢力調査(局);
}

std::optional<指し手> 対局::COMの手を選ぶ(const std::function<void()>& 時計) {
  開始時刻 = 時刻();
  // The search starts from tables of the real position alone, so that it
  // chooses what the engine chooses for the same position and level: the
  // tables' 持ち越し (and a missing king's square) would otherwise carry
  // values of earlier positions.
  局.表 = 勢力表{};
  const 探索結果 結果 = COM探索(局, COM記憶値, COMレベル, nullptr, 時計);
  前 = COM記憶値.開始;  // the snapshot part of the turn's record
  if (!結果.指し手あり) return std::nullopt;
  return 結果.最善.手;
}

思考依頼 対局::COMの思考依頼() {
  開始時刻 = 時刻();
  前 = 氷結前記録(局);
  思考依頼 r = 思考依頼を作る(false, レベル条件(COMレベル));
  // On a clock the level thinks no longer than its share of the time left.
  if (時間規定.有効()) {
    const auto ms = [](double 秒) { return static_cast<std::int64_t>(秒 * 1000); };
    const 持ち時間 t{ms(残り_MAN), ms(残り_COM), ms(時間規定.加算秒), ms(時間規定.加算秒),
                     ms(時間規定.秒読み秒)};
    const 時間配分 d = 時間を配る(t, false, 手数, 窓の余裕ms);
    if (r.条件.時間上限ms == 0 || d.上限ms < r.条件.時間上限ms) 時間を当てる(r.条件, d);
  }
  return r;
}

std::optional<思考依頼> 対局::ヒント依頼() const {
  const bool 人の番 = 対局モード == 0 || MANの番();
  if (手番 == 0 || 棋譜モード == 1 || !人の番 || 局.勝者 != 0) return std::nullopt;
  return 思考依頼を作る(MANの番(), レベル条件(5));  // the hint plays as the computer would
}

思考依頼 対局::思考依頼を作る(bool MAN側, const 探索条件& 条件) const {
  思考依頼 r{局, MAN側, 既出キー(MAN側), 条件};
  r.条件.進展なし = 進展なし手数();
  勢力調査(r.写し);
  調査_2歩フラグ設定(r.写し);
  return r;
}

既出列 対局::既出キー(bool MAN手番) const {
  std::vector<済み手> 手;
  for (const qz::手順& t : 手順.手順範囲(手順.手順_現在)) 手.push_back({手順の指し手(t), t.取駒});
  return 遡ったキー(局, MAN手番, 手);
}

int 対局::進展なし手数() const {
  int n = 0;
  for (const qz::手順& t : 手順.手順範囲(手順.手順_現在)) {
    const 指し手 m = 手順の指し手(t);
    n = t.取駒 != 0 || m.成る() ? 0 : n + 1;
  }
  return n;
}

着手結果 対局::COMの手を指す(const 指し手& m) {
  const double 秒 = 経過秒();
  if (手順.手順_現在 <= 0) 開始局面 = 局;
  COMの秒 = 秒;
  const 升 元 = 移動元の升(m);
  手順.変化を残して保存(局.盤面, 元.x, 元.y, m.先X, m.先Y, m.元駒, m.先駒, 時間_MAN, 時間_MAN,
                        時間_COM, 時間_COM + 秒);
  ++手数;
  着手結果 r{m, 局.盤面[m.先X][m.先Y], std::nullopt};
  qz::駒移動(局, 元.x, 元.y, m.先X, m.先Y, m.先駒);
  勢力調査(局);
  if (局.勝者 == 局.手番値_COM) r.終わり = 勝敗{側::COM, 終局::王取り};
  if (!r.終わり) r.終わり = 千日手の終局();
  終局を記す(r.終わり);
  return r;
}

王の様子 対局::MAN王の様子() {
  const int kx = 局.表.MAN王X, ky = 局.表.MAN王Y;
  if (調査_MAN王取得(局, kx, ky) != はい) return 王の様子::無事;
  if (詰めかMAN(局) == はい) return 王の様子::詰み;
  return 局.表.勢力_COM[kx][ky] > 0 ? 王の様子::王手 : 王の様子::無事;
}

void 対局::COMの手番を終える() {
  時間_COM += COMの秒;
  時計を進める(false, COMの秒);
  COM記憶履歴[手順.手順_現在] = COM記憶値;
  開始時刻 = 時刻();
  手番 = 局.手番値_MAN;
}

std::optional<勝敗> 対局::投了() {
  if (!対局中()) return std::nullopt;
  終局を記す(勝敗{MANの番() ? 側::COM : 側::MAN, 終局::投了});
  return 終局結果;
}

待った拒否 対局::待った() {
  const int n = 手順.手順_現在;
  if (棋譜モード == 1) return 待った拒否::棋譜モード;
  if (!対局中()) return 待った拒否::対局中でない;
  // Between two people the last move alone goes back, the mover to move again.
  const int 戻す数 = 対局モード == 1 ? 2 : 1;
  if (対局モード == 1 && !MANの番()) return 待った拒否::COMの番;
  if (n < 戻す数 || n > 手順.保持数()) return 待った拒否::戻す手がない;
  if (対局モード == 1 && (!MAN駒(手順[n - 1].先駒) || !COM駒(手順[n].先駒)))
    return 待った拒否::戻す手がない;
  for (int i = 0; i < 戻す数; ++i) 一手戻す();
  手順.先を変化へ();
  終局を記す(std::nullopt);
  const auto 記憶 = COM記憶履歴.find(手順.手順_現在);
  COM記憶値 = 記憶 != COM記憶履歴.end() ? 記憶->second : COM記憶{};
  中断中 = 0;
  前 = 氷結前記録(局);
  勢力調査(局);
  開始時刻 = 時刻();
  return 待った拒否::なし;
}

}  // namespace qz
