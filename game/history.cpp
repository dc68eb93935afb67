// Stepping through the history, the board reversal, the handicap ladder,
// and the game as a record.
#include <algorithm>

#include "game/session.h"
#include "records/kifu.h"
#include "records/stepping.h"

namespace qz {

void 対局::一手進む() {
  前 = 氷結前記録(局);
  const qz::手順& 手 = 手順[++手順.手順_現在];
  ++手数;
  qz::一手進める(局, 手);
  時間_COM = 手.後秒C;
  時間_MAN = 手.後秒M;
  手番 = -手番;
}

void 対局::一手戻す() {
  前 = 氷結前記録(局);
  const qz::手順& 手 = 手順[手順.手順_現在];
  qz::一手戻す(局, 手);
  時間_COM = 手.前秒C;
  時間_MAN = 手.前秒M;
  --手順.手順_現在;
  --手数;
  手番 = -手番;
}

手順結果 対局::進む() {
  if (手番 == 0) return 手順結果::開始前;
  中断中 = 1;
  if (手順.手順_現在 >= std::min(手順.手順_最終, 手順.保持数()))
    return 棋譜モード == 1 ? 手順結果::終わり : 手順結果::できない;
  一手進む();
  勢力調査(局);
  return 手順結果::済み;
}

手順結果 対局::戻る() {
  中断中 = 1;
  if (手順.手順_現在 < 1) return 手順結果::できない;
  一手戻す();
  勢力調査(局);
  return 手順結果::済み;
}

bool 対局::手へ行ける(int n) const {
  return n >= 0 && n <= std::min(手順.手順_最終, 手順.保持数()) && n != 手順.手順_現在;
}

手順結果 対局::手へ(int n) {
  if (n > 手順.手順_現在 && 手番 == 0) return 手順結果::開始前;
  while (手順.手順_現在 > n) 一手戻す();
  while (手順.手順_現在 < n) 一手進む();
  中断中 = 1;
  前 = 氷結前記録(局);
  勢力調査(局);
  return 手順結果::済み;
}

std::vector<qz::手順> 対局::変化の初手(int n) const {
  std::vector<qz::手順> r;
  for (const 手順変化* b : 手順.分岐一覧(n)) r.push_back(b->手.front());
  return r;
}

手順結果 対局::変化へ(int n, std::size_t i) {
  if (手番 == 0) return 手順結果::開始前;
  if (n < 1 || i >= 手順.分岐一覧(n).size()) return 手順結果::できない;
  while (手順.手順_現在 >= n) 一手戻す();
  手順.変化を選ぶ(n, i);
  // What the computer kept and how the game ended belong to the line left.
  COM記憶履歴.erase(COM記憶履歴.lower_bound(n), COM記憶履歴.end());
  if (終局の手 >= n) 終局を記す(std::nullopt);
  return 手へ(n);
}

bool 対局::反転() {
  if (棋譜モード == 1) return false;
  反転フラグ = 1;
  局面反転(局);
  if (ハンデ設定フラグ == 1) ハンデレベル = -ハンデレベル;
  手番 = -手番;
  手順.手順_現在 = 0;
  手順.切り詰める(0);
  開始局面 = 局;
  終局を記す(std::nullopt);
  // The move check reads the influence map: it must describe the reversed
  // board, not the one before.
  勢力調査(局);
  return true;
}

ハンデ結果 対局::ハンデ変更(int 向き) {
  ハンデ結果 r;
  if (棋譜モード == 1)
    r.拒否 = 1;
  else if (手順.手順_現在 > 0)
    r.拒否 = 2;
  else if (反転フラグ == 1)
    r.拒否 = 3;
  if (r.拒否 != 0) return r;
  手順.切り詰める(0);
  // Away from grade 0 a piece is taken off; towards it, the piece of the
  // grade left is put back where it stood at the start.
  if (ハンデレベル * 向き < 最高段級) {
    const int 元 = ハンデレベル;
    ハンデレベル += 向き;
    const bool 落とす = ハンデレベル * 向き > 0;
    const 升 u = 段級の升(落とす ? ハンデレベル : 元);
    局面 初期;
    初期配置(初期);
    局.盤面[u.x][u.y] = 落とす ? 0 : 初期.盤面[u.x][u.y];
    r.変わった升 = u;
  }
  ハンデ設定フラグ = 1;
  開始局面 = 局;
  終局を記す(std::nullopt);
  return r;
}

void 対局::記録を読み込む(const 窓の読込& w) {
  棋譜モード = 1;
  局.盤面 = w.対局.開始.盤面;
  局.持駒_MAN = w.対局.開始.持駒_MAN;
  局.持駒_COM = w.対局.開始.持駒_COM;
  開始局面 = 局;
  読込記録 = w.記録;
  終局を記す(std::nullopt);
  手順記録へ読込(手順, w.対局.手);
  手順.分岐 = w.対局.変化;
  手数 = 0;
  if (w.対局.手.empty()) {
    // A position alone keeps its side to move, for copying and saving it:
    // the upper side then stands first, as after a record it moves first in.
    if (!w.対局.MAN先) 先手値 = 局.手番値_COM, 後手値 = 局.手番値_MAN, 手番 = 先手値;
    return;
  }
  const 棋譜先手 先 = 棋譜先手判定(手順[1], 局.手番値_MAN, 局.手番値_COM);
  対局モード = 先.対局モード;
  先手値 = 先.先手値;
  後手値 = 先.後手値;
  手番 = 先手値;
}

bool 対局::記録は反転() const {
  if (棋譜モード == 1 && 読込記録.has_value()) return 読込記録->反転;
  const int 最後 = std::max(手順.手順_現在, std::min(手順.手順_最終, 手順.保持数()));
  const bool MAN先 =
      最後 == 0 ? 手番 == 0 || MANの番() : MAN駒(手順[1].元駒);
  return 標準の向きに反転するか(手順.手順_現在 <= 0 ? 局 : 開始局面, MAN先);
}

記録読込結果 対局::記録() {
  const bool MAN手番 = 手番 == 0 || MANの番();
  履歴の対局 対局;
  対局.開始 = 手順.手順_現在 <= 0 ? 局 : 開始局面;
  const int 最後 = std::max(手順.手順_現在, std::min(手順.手順_最終, 手順.保持数()));
  const auto 手 = 手順.手順範囲(最後);
  対局.手.assign(手.begin(), 手.end());
  対局.変化 = 手順.分岐;
  対局.MAN先 = 手.empty() ? MAN手番 : MAN駒(手[0].元駒);
  // A record read keeps its own orientation; a game played here is turned
  // as other programs expect.
  const bool 読込中 = 棋譜モード == 1 && 読込記録.has_value();
  const bool 向き = 記録は反転();
  記録読込結果 r = 対局から記録(対局, 向き);
  if (r.不正行 != 0) return r;
  結末を記録へ(r.記録, 向き, 最後);
  if (読込中) {
    r.記録.棋戦 = 読込記録->棋戦;
    r.記録.開始日時 = 読込記録->開始日時;
    r.記録.下手名 = 読込記録->下手名;
    r.記録.上手名 = 読込記録->上手名;
    r.記録.持ち時間 = 読込記録->持ち時間;
    // A record saved again whole keeps the ending it was read with (not
    // when a branch has been taken as its line).
    const auto 同じ手 = [](const 記録手& a, const 記録手& b) {
      return static_cast<const 指し手&>(a) == b;
    };
    const bool 全部 = std::equal(r.記録.手.begin(), r.記録.手.end(), 読込記録->手.begin(),
                                 読込記録->手.end(), 同じ手);
    if (全部 && 読込記録->結末 != 終局::なし && r.記録.結末 != 終局::王取り &&
        r.記録.結末 != 終局::詰み) {
      r.記録.結末 = 読込記録->結末;
      r.記録.勝者 = 読込記録->勝者;
    }
  } else {
    r.記録.持ち時間 = 時間規定;
  }
  if (!読込中 && 対局モード == 1) {
    const レベル段* l = レベルを探す(COMレベル);
    const std::string 人 = "あなた",
                      機械 = "QZ 氷結将棋 " +
                             (l ? std::string(l->名) : "LEVEL" + std::to_string(COMレベル));
    r.記録.下手名 = 向き ? 機械 : 人;
    r.記録.上手名 = 向き ? 人 : 機械;
  }
  return r;
}

記録局面 対局::今の局面() const {
  記録局面 今;
  今.盤面 = 局.盤面;
  今.持駒_下 = 局.持駒_MAN;
  今.持駒_上 = 局.持駒_COM;
  今.下の番 = 手番 == 0 || MANの番();
  return 今;
}

}  // namespace qz
