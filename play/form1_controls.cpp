// The controls beside the original ones: the status line with a refused
// click's reason, the last move marked, resigning, taking a move back
// against the computer, confirming before a game is thrown away, and the
// move list beside the board.
#include <algorithm>

#include "play/form1.h"

namespace qz {

bool Form1::対局中() const {
  return 対局値.手番 != 0 && 棋譜モード == 0 && !終局保存待ち;
}

bool Form1::破棄確認(const std::string& 問い) {
  if (!対局中()) return true;
  return メッセージ(問い, "対局", Buttons::YesNo) == Answer::Yes;
}

void Form1::状態表示(const std::string& 理由) {
  std::string 手番文;
  if (対局値.手番 != 0 && 対局値.対局モード == 1)
    手番文 =
        対局値.手番 == 対局値.局.手番値_MAN ? QZ_TR("あなたの番です") : QZ_TR("ｺﾝﾋﾟｭｰﾀの番です");
  else if (対局値.手番 != 0)
    手番文 = 対局値.手番 == 先手値 ? QZ_TR("先手の番です") : QZ_TR("後手の番です");
  画.描画_状態行(手番文.empty() ? 理由 : 差込(QZ_TR("%1　%2"), {理由, 手番文}));
}

// Why 移動チェック refused the picked piece's move to column tx: a frozen
// piece (the king frozen by a check), a second pawn on a file, or a square
// the piece cannot reach.
std::string Form1::拒否理由(int fx, int fy, int tx, int 駒) const {
  const 局面& s = 対局値.局;
  if (盤上(fx, fy)) {
    const int 敵勢力 = COM駒(駒) ? s.表.勢力_MAN[fx][fy] : s.表.勢力_COM[fx][fy];
    if (敵勢力 > 0) return std::abs(駒) == 王 ? QZ_TR("王手されています") : QZ_TR("氷結しています");
  } else if (tx >= 1 && tx <= 桝数) {
    if ((駒 == -歩 && s.二歩フラグ_MAN[tx] == 1) || (駒 == 歩 && s.二歩フラグ_COM[tx] == 1))
      return QZ_TR("二歩になります");
  }
  return QZ_TR("そこへは動けません");
}

// The square the history's current move went to, marked on the board.
void Form1::最終手更新() {
  const int n = 手順.手順_現在;
  if (n >= 1 && n <= 手順.保持数())
    画.最終手升 = 升{手順[n].先X, 手順[n].先Y};
  else
    画.最終手升.reset();
}

// "投了": the side to move loses, as if its king had been taken.
void Form1::TORYO_Click() {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  if (!対局中()) {
    p.sound.dsPlay(音_禁止);
    return 状態表示(QZ_TR("対局中ではありません"));
  }
  p.timer1.setEnabled(false);
  const bool 下側の負け = 対局値.手番 == 対局値.局.手番値_MAN;
  if (対局値.対局モード == 1) return 終了(下側の負け ? "ｺﾝﾋﾟｭｰﾀ" : "あなた");
  終了(下側の負け ? "後手" : "先手");
}

// "待った": against the computer, the human's last move and the computer's
// answer are taken back together; the game goes on with the human to move.
void Form1::MATTA_Click() {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  const int n = 手順.手順_現在;
  std::string 理由;
  if (棋譜モード == 1)
    理由 = QZ_TR("棋譜ﾓｰﾄﾞではできません");
  else if (対局値.対局モード != 1 || !対局中())
    理由 = QZ_TR("ｺﾝﾋﾟｭｰﾀとの対局中だけです");
  else if (対局値.手番 != 対局値.局.手番値_MAN)
    理由 = QZ_TR("ｺﾝﾋﾟｭｰﾀの番です");
  else if (n < 2 || n > 手順.保持数() || !MAN駒(手順[n - 1].先駒) || !COM駒(手順[n].先駒))
    理由 = QZ_TR("戻す手がありません");
  if (!理由.empty()) {
    p.sound.dsPlay(音_禁止);
    return 状態表示(差込(QZ_TR("待った：%1"), {理由}));
  }
  for (int i = 0; i < 2; ++i)
    手順_戻(対局値.局, 手順, 対局値.手番, 対局値.手数, 対局値.時間_MAN, 対局値.時間_COM);
  手順.手順_最終 = 手順.手順_現在;
  const auto 記憶 = COM記憶履歴.find(手順.手順_現在);
  COM記憶値 = 記憶 != COM記憶履歴.end() ? 記憶->second : COM記憶{};
  選択状態 = 0;
  中断中 = 0;
  前 = 氷結前記録(対局値.局);
  盤面を描き直す();
  p.sound.dsPlay(音_駒打);
  状態表示(QZ_TR("待った：二手戻しました"));
  開始時刻 = 時刻();
  if (チェック(MenuItem::KEIKA)) p.timer1.setEnabled(true);
}

// Redraws the whole window for the position on the board, silently.
void Form1::盤面を描き直す() {
  勢力調査(対局値.局);
  画.画面_再描画();
  画.描画_手数(対局値.手数, 色_白);
  描画_氷結駒(false);
  // The move now last on the board is shown as its side's last move.
  if (const int n = 手順.手順_現在; n >= 1 && n <= 手順.保持数()) {
    const qz::手順& 手 = 手順[n];
    const int 側 = COM駒(手.先駒) ? 対局値.局.手番値_COM : 対局値.局.手番値_MAN;
    画.描画_移動結果(側, 手.先X, 手.先Y, 手.先駒, 色_白);
  }
}

// --- The move list -------------------------------------------------------------

void Form1::棋譜一覧更新() {
  if (棋譜一覧 == nullptr) return;
  std::vector<std::string> 文;
  const int 最後 = std::min(手順.手順_最終, 手順.保持数());
  for (int i = 1; i <= 最後; ++i) {
    const qz::手順& 手 = 手順[i];
    const int 側 = COM駒(手.先駒) ? 対局値.局.手番値_COM : 対局値.局.手番値_MAN;
    const bool 打 = 手.元X == MAN持駒X || 手.元X == COM持駒X;
    文.push_back(std::to_string(i) + " " + (側 == 先手値 ? "▲" : "△") + 文字列変換(10 - 手.先X) +
                 文字列変換(1000 + 手.先Y) + 文字列変換(手.先駒) + (打 ? "打" : ""));
  }
  棋譜一覧->setMoves(文, 手順.手順_現在);
}

void Form1::棋譜一覧選択(int n) {
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  if (n < 0 || n > std::min(手順.手順_最終, 手順.保持数()) || n == 手順.手順_現在) return;
  棋譜パネルを閉じる();
  bool 動いた = false;
  while (手順.手順_現在 != n) {
    const 手順表示 r = 手順.手順_現在 > n ? 手順_戻(対局値.局, 手順, 対局値.手番, 対局値.手数,
                                                    対局値.時間_MAN, 対局値.時間_COM)
                                          : 手順_進(対局値.局, 手順, 対局値.手番, 対局値.手数,
                                                    対局値.時間_MAN, 対局値.時間_COM, 棋譜モード);
    if (r.結果 != 手順結果::済み) {
      if (!動いた) return 断り表示(r);
      break;
    }
    動いた = true;
    中断中 = 1;
  }
  選択状態 = 0;
  p.timer1.setEnabled(false);
  前 = 氷結前記録(対局値.局);
  盤面を描き直す();
  p.sound.dsPlay(音_駒打);
}

void Form1::KIFU_ICHIRAN_Click() {
  const bool on = !チェック(MenuItem::KIFU_ICHIRAN);
  チェック(MenuItem::KIFU_ICHIRAN, on);
  if (棋譜一覧 != nullptr) 棋譜一覧->setListVisible(on);
  書込_環境設定ファイル();
}

}  // namespace qz
