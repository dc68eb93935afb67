// The searching player in the window: levels 4 and 5 think on a thread of
// their own while the window repaints and the clock ticks, and the hint
// shows what a LEVEL5 search would play for the side to move. The worker is
// given a copy of the position and hands back a move; the game is changed
// only here, on the window's thread.
#include "play/form1.h"

namespace qz {

// The keys of the positions before the current one in this game.
std::vector<局面キー> Form1::既出キー(bool MAN手番) const {
  std::vector<済み手> 手;
  for (const qz::手順& t : 手順.手順範囲(手順.手順_現在))
    手.push_back({qz::指し手{t.元X, t.元Y, t.先X, t.先Y, t.元駒, t.先駒}, t.取駒});
  return 遡ったキー(対局値.局, MAN手番, 手);
}

// The computer's turn at levels 4 and 5: "思考中", the clock, and the search
// started; Timer1 plays the move when the search is done.
void Form1::深い手番開始() {
  開始時刻 = 時刻();
  p.timer1.setEnabled(true);  // it also collects the move
  思考中表示();
  画.描画面().refresh();
  前 = 氷結前記録(対局値.局);
  局面 写し = 対局値.局;
  勢力調査(写し);
  調査_2歩フラグ設定(写し);
  思考中の目的 = 思考目的::COMの手;
  思考.開始(写し, false, 既出キー(false), レベル条件(対局値.COMレベル));
}

void Form1::思考完了() {
  const auto 結果 = 思考.受け取る();
  const 思考目的 目的 = 思考中の目的;
  思考中の目的 = 思考目的::なし;
  if (!結果) return;
  // The move is played as a handler would play it: ticks from its boxes wait.
  処理区間 区間(処理中);
  if (目的 == 思考目的::ヒント) {
    p.timer1.setEnabled(ヒント前のタイマー);
    if (結果->指し手あり) ヒント表示(結果->最善);
    return;
  }
  // Every piece frozen or blocked and nothing to drop: the computer cannot
  // move, and the game is the human's.
  if (!結果->指し手あり) {
    p.timer1.setEnabled(false);
    終了("あなた");
    return;
  }
  const qz::指し手& m = 結果->最善;
  COMの手を指す(m.元X, m.元Y, m.先X, m.先Y, m.元駒, m.先駒);
}

// ヒント: during the human's turn, the move a LEVEL5 search suggests for the
// side to move.
void Form1::HINT_Click() {
  const bool 人の番 = 対局値.対局モード == 0 || 対局値.手番 == 対局値.局.手番値_MAN;
  if (対局値.手番 == 0 || 棋譜モード == 1 || !人の番 || 対局値.局.勝者 != 0) {
    p.sound.dsPlay(音_禁止);
    return;
  }
  ヒント消去();
  局面 写し = 対局値.局;
  勢力調査(写し);
  調査_2歩フラグ設定(写し);
  const bool MAN手番 = 対局値.手番 == 対局値.局.手番値_MAN;
  思考中の目的 = 思考目的::ヒント;
  ヒント前のタイマー = p.timer1.enabled();
  p.timer1.setEnabled(true);
  思考.開始(写し, MAN手番, 既出キー(MAN手番), レベル条件(5));
}

namespace {

// The cell a move starts from: its square, or the stand cell of a drop.
std::pair<int, int> 元の升(const 指し手& m) {
  if (!m.打つ()) return {m.元X, m.元Y};
  const 升 台 = 持駒台の升(m.元駒);
  return {台.x, 台.y};
}

}  // namespace

// Outlines the suggested move's two cells and writes it where the side's
// last move is written, in yellow, until the next click.
void Form1::ヒント表示(const qz::指し手& m) {
  const auto [fx, fy] = 元の升(m);
  画.描画_桝輪郭(色_黄, fx, fy);
  画.描画_桝輪郭(色_黄, m.先X, m.先Y);
  画.描画_移動結果(m.元駒 < 0 ? 対局値.局.手番値_MAN : 対局値.局.手番値_COM, m.先X, m.先Y, m.先駒,
                   色_黄);
  表示中ヒント = m;
  画.描画面().refresh();
}

// Takes the hint away: plain outlines again, and the side's last move text.
void Form1::ヒント消去() {
  if (!表示中ヒント) return;
  const qz::指し手 m = *表示中ヒント;
  表示中ヒント.reset();
  const auto [fx, fy] = 元の升(m);
  画.描画_桝輪郭(画.色_桝輪郭, fx, fy);
  画.描画_桝輪郭(画.色_桝輪郭, m.先X, m.先Y);
  const bool 下 = m.元駒 < 0;
  const int 側 = 下 ? 対局値.局.手番値_MAN : 対局値.局.手番値_COM;
  for (int n = 手順.手順_現在; n >= 1; --n) {
    const qz::手順& t = 手順[n];
    if ((t.先駒 < 0) == 下 && t.先駒 != 0) return 画.描画_移動結果(側, t.先X, t.先Y, t.先駒, 色_白);
  }
  画.消去_移動結果(側);
}

}  // namespace qz
