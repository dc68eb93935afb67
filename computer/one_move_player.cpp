#include "computer/one_move_player.h"

#include <algorithm>
#include <cstdlib>

#include "computer/evaluate.h"
#include "computer/surveys.h"
#include "rules/rules.h"

namespace qz {

// The start of the turn as the window's turn takes it: the map of the real
// position first, then the copies and surveys the evaluation reads.
void COM手番開始(局面& s, 手番開始記録& 開始) {
  勢力調査(s);
  調査_2歩フラグ設定(s);
  開始.開始MAN王逃道数 = 調査_自王逃道(s);
  // The turn's own survey would find the same map again: the board is unchanged.
  開始.開始盤面 = s.盤面;
  開始.前氷結_COM = s.表.勢力_MAN;
  開始.前氷結_MAN = s.表.勢力_COM;
  開始.前攻駒X_COM = s.表.持ち越し.攻駒X_COM;
  開始.前攻駒Y_COM = s.表.持ち越し.攻駒Y_COM;
  開始.開始COM王X = s.表.COM王X;
  開始.開始COM王Y = s.表.COM王Y;
  開始.開始持駒数_MAN = s.持駒_MAN.合計;
  開始.開始持駒数_COM = s.持駒_COM.合計;
  調査_持角狙座標(s, 開始);
  調査_移動不可駒(s, 開始);
}

namespace {

// The running search: the real position (legality is judged on it, with the
// tables of the start of the turn) and the working copy the candidates are
// set up and surveyed on.
struct 探索 {
  const 局面& 実;
  局面 作業;
  COM記憶& 記憶;
  int COMレベル;
  std::vector<候補手>* 一覧;
  const std::function<void()>& 時計;
  探索結果 結果;

  void 時計を進める() const {
    if (時計) 時計();
  }

  // Surveys the candidate now on the working board and scores it; 盤評価
  // takes a drop's source as the stand square 移動チェック names.
  点数 評価(const 指し手& m, int 取得駒) {
    勢力調査(作業.盤面, 作業.表);
    評価文脈 文脈{作業, 記憶.開始, m.元駒, 記憶.王距離, COMレベル};
    const 升 元 = 移動元の升(m);
    const 点数 v = 盤評価(文脈, 取得駒, m.先駒, 元.x, 元.y, m.先X, m.先Y);
    if (一覧) 一覧->push_back({m, v});
    return v;
  }

  // Keeps the candidate when it beats every earlier one.
  bool 比較(const 候補手& c) {
    if (c.評価値 <= 結果.最高評価値) return false;
    結果.最高評価値 = c.評価値;
    結果.最善 = c;
    結果.指し手あり = true;
    return true;
  }

  // One legal board move: both versions where promotion is optional. True when
  // it took MAN's king, which ends the search.
  bool 盤上の手(int fx, int fy, int tx, int ty, int piece) {
    記憶.王距離 = std::max(std::abs(fx - 作業.表.MAN王X), std::abs(fy - 作業.表.MAN王Y));
    auto& 盤 = 作業.盤面;
    const int captured = 盤[tx][ty];
    盤[fx][fy] = 0;
    盤[tx][ty] = static_cast<std::int16_t>(piece);
    const 指し手 そのまま = 指し手::盤上の手(fx, fy, tx, ty, piece, false);
    const 指し手 成り = 指し手::盤上の手(fx, fy, tx, ty, piece, true);
    候補手 c{そのまま, 0};
    const int 成駒 = 調査_駒成(fx, fy, tx, ty, piece);
    if (成駒 == 0) {
      c.評価値 = 評価(そのまま, captured);
    } else {
      if (移動後チェック(ty, piece) != いいえ) {
        const 点数 plain = 評価(そのまま, captured);
        盤[tx][ty] = static_cast<std::int16_t>(成駒);
        const 点数 promoted = 評価(成り, captured);
        c.評価値 = std::max(plain, promoted);
        if (promoted > plain || piece == 歩 || piece == 角 || piece == 飛) c.手 = 成り;
      } else {
        盤[tx][ty] = static_cast<std::int16_t>(成駒);
        c.評価値 = 評価(成り, captured);
        c.手 = 成り;
      }
    }
    盤[tx][ty] = static_cast<std::int16_t>(captured);
    盤[fx][fy] = static_cast<std::int16_t>(piece);
    比較(c);
    return captured == -王;
  }

  // Board moves by from-column, from-row, to-column, to-row. True when stopped.
  bool 盤上の手全部() {
    for (int fx = 1; fx <= 9; ++fx) {
      時計を進める();
      for (int fy = 1; fy <= 9; ++fy) {
        const int piece = 実.盤面[fx][fy];
        // A piece MAN bore on when the turn began is frozen and never moves.
        if (piece < 10 || 記憶.開始.開始勢力_MAN()[fx][fy] != 0) continue;
        bool stopped = false;
        行き先候補(piece, fx, fy, [&](int tx, int ty) {
          if (!stopped && 移動チェック(実, fx, fy, tx, ty, piece) == はい)
            stopped = 盤上の手(fx, fy, tx, ty, piece);
        });
        if (stopped) return true;
      }
    }
    return false;
  }

  // Drops by hand index, to-column, to-row.
  void 持駒打ち全部() {
    if (記憶.開始.開始持駒数_COM <= 0) return;
    for (int k = 1; k <= 持駒種類数; ++k) {
      時計を進める();
      if (実.持駒_COM.枚数[k] <= 0) continue;
      const int piece = 持駒番号の駒[k];
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
          const 指し手 m = 指し手::打つ手(piece, tx, ty);
          const 升 元 = 移動元の升(m);
          if (移動チェック(実, 元.x, 元.y, tx, ty, piece) != はい) continue;
          作業.盤面[tx][ty] = static_cast<std::int16_t>(piece);
          const 点数 v = 評価(m, 0);
          作業.盤面[tx][ty] = 0;
          if (比較({m, v}) && 結果.最高評価値 >= 詰め点) return;
        }
    }
  }
};

}  // namespace

探索結果 COM探索(局面& s, COM記憶& 記憶, int COMレベル, std::vector<候補手>* 一覧,
                 const std::function<void()>& 時計) {
  COM手番開始(s, 記憶.開始);
  探索 run{s, s, 記憶, COMレベル, 一覧, 時計, {}};
  if (!run.盤上の手全部()) run.持駒打ち全部();
  return run.結果;
}

}  // namespace qz
