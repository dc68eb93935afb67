// The searching player in the window: the levels above LEVEL3 think on a thread of
// their own while the window repaints and the clock ticks, and the hint
// shows what a LEVEL5 search would play for the side to move. The worker is
// given a copy of the position and hands back a move; the game is changed
// only here, on the window's thread.
#include "play/form1.h"

namespace qz {

// The computer's turn at the searching levels: "思考中", the clock, and the search
// started; Timer1 plays the move when the search is done.
void Form1::深い手番開始() {
  p.timer1.setEnabled(true);  // it also collects the move
  思考中表示();
  画.描画面().refresh();
  思考依頼 依頼 = 対局値.COMの思考依頼();
  思考中の目的 = 思考目的::COMの手;
  思考.開始(依頼.写し, 依頼.MAN手番, std::move(依頼.既出), std::move(依頼.条件));
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
  // A lost game is given up as the human gives one up with "投了".
  if (COMは投了する && COMの投了.投了するか(対局値.COMレベル, *結果)) {
    if (const auto r = 対局値.投了()) {
      p.timer1.setEnabled(false);
      return 勝敗表示(*r);
    }
  }
  読みの点.push_back(
      {対局値.手順.手順_現在, 局面ハッシュ(対局値.局, false), 下の評価(結果->報告.評価, false)});
  COMの手を指す(結果->最善);
}

// ヒント: during the human's turn, the move a LEVEL5 search suggests for the
// side to move.
void Form1::HINT_Click() {
  std::optional<思考依頼> 依頼 = 対局値.ヒント依頼();
  if (!依頼) {
    // Say why nothing happens: no game, a record, or the computer to move.
    const char* 理由 = 対局値.棋譜モード == 1 ? QZ_TR("棋譜ﾓｰﾄﾞではできません")
                       : 対局中() && 対局値.COMの番() && 対局値.対局モード == 1
                           ? QZ_TR("ｺﾝﾋﾟｭｰﾀの番です")
                           : QZ_TR("対局中ではありません");
    p.sound.dsPlay(音_禁止);
    return 状態表示(文面(QZ_TR("ヒント：%1"), {理由}));
  }
  ヒント消去();
  思考中の目的 = 思考目的::ヒント;
  ヒント前のタイマー = p.timer1.enabled();
  p.timer1.setEnabled(true);
  思考.開始(依頼->写し, 依頼->MAN手番, std::move(依頼->既出), std::move(依頼->条件));
}

namespace {

// The cell a move starts from: its square, or the stand cell of a drop.
升 元の升(const 指し手& m) {
  return m.打つ() ? 持駒台の升(m.元駒) : 升{m.元X, m.元Y};
}

}  // namespace

// An arrow from the suggested move's origin to its destination, and the
// move written where the side's last move is written, in yellow, until the
// next click.
void Form1::ヒント表示(const qz::指し手& m) {
  画.描画_移動結果(対局値.駒の側値(m.元駒), m.先X, m.先Y, m.先駒, 色_黄);
  画.描画_矢印(元の升(m), {m.先X, m.先Y});
  表示中ヒント = m;
  画.描画面().refresh();
}

void Form1::ヒント再描画() {
  if (表示中ヒント) 画.描画_矢印(元の升(*表示中ヒント), {表示中ヒント->先X, 表示中ヒント->先Y});
}

// Takes the hint away: the cells under the arrow as they are, and the
// side's last move text.
void Form1::ヒント消去() {
  if (!表示中ヒント) return;
  const qz::指し手 m = *表示中ヒント;
  表示中ヒント.reset();
  画.消去_矢印(元の升(m), {m.先X, m.先Y});
  const bool 下 = m.元駒 < 0;
  const int 側 = 下 ? 対局値.局.手番値_MAN : 対局値.局.手番値_COM;
  for (int n = 対局値.手順.手順_現在; n >= 1; --n) {
    const qz::手順& t = 対局値.手順[n];
    if ((t.先駒 < 0) == 下 && t.先駒 != 0) return 画.描画_移動結果(側, t.先X, t.先Y, t.先駒, 色_白);
  }
  画.消去_移動結果(側);
}

}  // namespace qz
