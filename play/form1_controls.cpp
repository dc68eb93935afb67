// The controls beside the original ones: the status line with a refused
// click's reason, the last move marked, resigning, taking a move back
// against the computer, confirming before a game is thrown away, and the
// move list beside the board.
#include <algorithm>

#include "play/form1.h"

namespace qz {

bool Form1::破棄確認(const 文面& 問い) {
  if (!対局中()) return true;
  return メッセージ(問い, "対局", Buttons::YesNo) == Answer::Yes;
}

void Form1::状態表示(const 文面& 理由) {
  const char* 手番文 = nullptr;
  if (対局値.手番 != 0 && 対局値.対局モード == 1)
    手番文 = 対局値.MANの番() ? QZ_TR("あなたの番です") : QZ_TR("ｺﾝﾋﾟｭｰﾀの番です");
  else if (対局値.手番 != 0)
    手番文 = 対局値.手番 == 対局値.先手値 ? QZ_TR("先手の番です") : QZ_TR("後手の番です");
  画.描画_状態行(手番文 == nullptr ? 理由 : 文面(QZ_TR("%1　%2"), {理由, 手番文}));
}

// The square the history's current move went to, marked on the board.
void Form1::最終手更新() {
  const 手順記録& 手順 = 対局値.手順;
  const int n = 手順.手順_現在;
  if (n >= 1 && n <= 手順.保持数())
    画.最終手升 = 升{手順[n].先X, 手順[n].先Y};
  else
    画.最終手升.reset();
}

// "投了": the side to move loses, as if its king had been taken, once the
// player has said yes.
void Form1::TORYO_Click() {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  if (!対局中()) {
    p.sound.dsPlay(音_禁止);
    return 状態表示(QZ_TR("対局中ではありません"));
  }
  if (メッセージ(QZ_TR("投了しますか？"), "投了", Buttons::YesNo) != Answer::Yes) return;
  if (!対局中()) return;  // the game ended while the box was open
  p.timer1.setEnabled(false);
  勝敗表示(*対局値.投了());
}

// "待った": against the computer, the human's last move and the computer's
// answer are taken back together; the game goes on with the human to move.
// Between two people the last move goes back and its mover moves again.
void Form1::MATTA_Click() {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  const char* 理由 = nullptr;
  switch (対局値.待った()) {
    case 待った拒否::なし:
      break;
    case 待った拒否::棋譜モード:
      理由 = QZ_TR("棋譜ﾓｰﾄﾞではできません");
      break;
    case 待った拒否::対局中でない:
      理由 = QZ_TR("対局中ではありません");
      break;
    case 待った拒否::COMの番:
      理由 = QZ_TR("ｺﾝﾋﾟｭｰﾀの番です");
      break;
    case 待った拒否::戻す手がない:
      理由 = QZ_TR("戻す手がありません");
      break;
  }
  if (理由 != nullptr) {
    p.sound.dsPlay(音_禁止);
    return 状態表示(文面(QZ_TR("待った：%1"), {理由}));
  }
  選択状態 = 0;
  盤面を描き直す();
  p.sound.dsPlay(音_駒打);
  状態表示(対局値.対局モード == 1 ? QZ_TR("待った：二手戻しました")
                                  : QZ_TR("待った：一手戻しました"));
  if (時計が要る()) p.timer1.setEnabled(true);
}

// Redraws the whole window for the position on the board, silently.
void Form1::盤面を描き直す() {
  画.画面_再描画();
  画.描画_手数(対局値.手数, 色_白);
  描画_氷結駒(false);
  // The move now last on the board is shown as its side's last move.
  const 手順記録& 手順 = 対局値.手順;
  if (const int n = 手順.手順_現在; n >= 1 && n <= 手順.保持数()) {
    const qz::手順& 手 = 手順[n];
    画.描画_移動結果(対局値.駒の側値(手.先駒), 手.先X, 手.先Y, 手.先駒, 色_白);
  }
}

// --- The move list -------------------------------------------------------------

void Form1::棋譜一覧更新() {
  if (棋譜一覧 == nullptr) return;
  std::vector<std::string> 文;
  const 手順記録& 手順 = 対局値.手順;
  // Without a game or a record the moves kept for a later game are out of
  // reach, and so out of the list.
  const bool 見える = 対局値.手番 != 0 || 対局値.棋譜モード == 1;
  const int 最後 = 見える ? std::min(手順.手順_最終, 手順.保持数()) : 0;
  // A move with branches beside it is marked as KIF marks it.
  for (int i = 1; i <= 最後; ++i)
    文.push_back(一覧の手(i, 手順[i]) + 解析の印(i) + (手順.分岐一覧(i).empty() ? "" : " +"));
  棋譜一覧->setMoves(QZ_TR("開始"), 文, 手順.手順_現在);
}

// Move n of the list as `3 ▲３三角成`.
std::string Form1::一覧の手(int n, const qz::手順& 手) const {
  const int 側 = 対局値.駒の側値(手.先駒);
  const bool 打 = 手.元X == MAN持駒X || 手.元X == COM持駒X;
  return std::to_string(n) + " " + (側 == 対局値.先手値 ? "▲" : "△") + 文字列変換(10 - 手.先X) +
         文字列変換(1000 + 手.先Y) + 文字列変換(手.先駒) + (打 ? "打" : "");
}

std::vector<std::string> Form1::棋譜一覧の変化(int n) const {
  std::vector<std::string> r;
  const bool 見える = 対局値.手番 != 0 || 対局値.棋譜モード == 1;
  if (!見える) return r;
  for (const qz::手順& 手 : 対局値.変化の初手(n)) r.push_back(一覧の手(n, 手));
  return r;
}

void Form1::棋譜一覧変化選択(int n, int i) {
  処理区間 区間(処理中);
  if (!区間.入れた() || i < 0) return;
  棋譜パネルを閉じる();
  if (const 手順結果 r = 対局値.変化へ(n, static_cast<std::size_t>(i)); r != 手順結果::済み)
    return 断り表示(r, QZ_TR("進む"));
  選択状態 = 0;
  p.timer1.setEnabled(false);
  盤面を描き直す();
  if (棋譜一覧 != nullptr) 棋譜一覧更新();
  p.sound.dsPlay(音_駒打);
}

void Form1::棋譜一覧選択(int n) {
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  if (!対局値.手へ行ける(n)) return;
  棋譜パネルを閉じる();
  if (const 手順結果 r = 対局値.手へ(n); r != 手順結果::済み) return 断り表示(r, QZ_TR("進む"));
  選択状態 = 0;
  p.timer1.setEnabled(false);
  盤面を描き直す();
  if (棋譜一覧 != nullptr) 棋譜一覧更新();
  p.sound.dsPlay(音_駒打);
}

void Form1::KIFU_ICHIRAN_Click() {
  const bool on = !チェック(MenuItem::KIFU_ICHIRAN);
  チェック(MenuItem::KIFU_ICHIRAN, on);
  if (棋譜一覧 != nullptr) 棋譜一覧->setListVisible(on);
  書込_環境設定ファイル();
}

}  // namespace qz
