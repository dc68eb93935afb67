// Game records: stepping back and forward through the moves, the board
// reversal, and reading and writing record files through the panel.
#include <filesystem>

#include "play/form1.h"
#include "records/kifu.h"
#include "records/kifu_file.h"
#include "records/sjis.h"

namespace qz {

// --- Stepping ------------------------------------------------------------------

void Form1::棋譜パネルを閉じる() {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
}

void Form1::断り表示(手順結果 r, const char* 題) {
  switch (r) {
    case 手順結果::開始前:
      p.sound.dsPlay(音_禁止);
      メッセージ(QZ_TR("「対局」で始めて下さい"), QZ_TR("開始"));
      return;
    case 手順結果::終わり:
      // The end of the record, not the menu's 終わり (quit).
      メッセージ(文面::別鍵(QZ_TR("棋譜の終わり"), "終わり"), 題);
      return;
    case 手順結果::できない:
      p.sound.dsPlay(音_禁止);
      メッセージ(QZ_TR("できません"), 題);
      return;
    case 手順結果::済み:
      return;
  }
}

void Form1::STOP_Click() {
  棋譜パネルを閉じる();
}

// The board after the game stepped over move 手 (forward when 進んだ): the
// squares it changed, the clocks, both stands, the last-move text, the
// frozen marks.
void Form1::一手の描画(const qz::手順& 手, bool 進んだ) {
  選択状態 = 0;
  p.timer1.setEnabled(false);
  画.描画_将棋盤桝();
  if (進んだ) 画.描画_手数(対局値.手数, 色_白);
  if (盤上(手.元X, 手.元Y)) {
    画.描画_絵(進んだ ? 0 : 手.元駒, 手.元X, 手.元Y);
    画.描画_桝輪郭(画.色_桝輪郭, 手.元X, 手.元Y);
  }
  画.描画_所有時間(対局値.局.手番値_COM, 対局値.時間_COM);
  画.描画_所有時間(対局値.局.手番値_MAN, 対局値.時間_MAN);
  if (進んだ) {
    // For a drop the source is a stand cell, which the stands' redraw paints over.
    画.描画_絵(0, 手.元X, 手.元Y);
    画.描画_桝輪郭(画.色_桝輪郭, 手.元X, 手.元Y);
    画.描画_絵(手.先駒, 手.先X, 手.先Y);
    画.描画_桝輪郭(画.色_桝輪郭, 手.先X, 手.先Y);
    画.描画_自持盤();
    画.描画_敵持盤();
  } else {
    画.描画_自持盤();
    画.描画_敵持盤();
    画.描画_絵(0, 手.先X, 手.先Y);
    画.描画_桝輪郭(画.色_桝輪郭, 手.先X, 手.先Y);
    if (手.取駒 != 0) {
      画.描画_絵(手.取駒, 手.先X, 手.先Y);
      画.描画_桝輪郭(画.色_桝輪郭, 手.先X, 手.先Y);
    }
  }
  p.sound.dsPlay(音_駒打);
  if (進んだ)
    画.描画_移動結果(対局値.駒の側値(手.先駒), 手.先X, 手.先Y, 手.先駒, 色_白);
  else
    画.消去_移動結果(対局値.駒の側値(手.元駒));
  画.描画_手数(対局値.手数, 色_白);
  描画_氷結駒();
}

// "進": replays the next move of the history onto the board.
void Form1::AFTER_Click() {
  棋譜パネルを閉じる();
  const 手順結果 r = 対局値.進む();
  if (r != 手順結果::済み) return 断り表示(r, QZ_TR("進む"));
  一手の描画(対局値.手順[対局値.手順.手順_現在], true);
}

// "戻": takes the move last replayed or made off the board again.
void Form1::REPLAY_Click() {
  棋譜パネルを閉じる();
  const 手順結果 r = 対局値.戻る();
  if (r != 手順結果::済み) return 断り表示(r, QZ_TR("戻る"));
  一手の描画(対局値.手順[対局値.手順.手順_現在 + 1], false);
}

// "最初": back to the starting position; the history stays for "進".
void Form1::CANCEL_Click() {
  if (!破棄確認(QZ_TR("対局中です。最初に戻しますか？"))) return;
  初期設定();
  p.sound.dsPlay(音_駒打);
}

// --- Reversal --------------------------------------------------------------------

// "反転": the board turned half round with every piece changing sides and
// the hands exchanged (their totals follow them). The history is dropped.
void Form1::REVERSE_Click() {
  if (!対局値.反転()) {
    p.sound.dsPlay(音_禁止);
    メッセージ(QZ_TR("棋譜ﾓｰﾄﾞではできません"), QZ_TR("反転"));
    return;
  }
  選択状態 = 0;
  画.画面_再描画();
  画.描画_手数(対局値.手数, 色_白);
  if (対局値.ハンデ設定フラグ == 1) 画.描画_ハンデレベル(対局値.ハンデレベル);
  p.sound.dsPlay(音_駒打);
  // The frozen pieces of the reversed board are drawn silently.
  描画_氷結駒(false);
}

// --- The record-file panel ---------------------------------------------------------

void Form1::KIFU_READ_Click() {
  描画_可視(true, true, true);
  描画_棋譜_IO(1);
}

void Form1::KIFU_WRITE_Click() {
  if (対局値.反転フラグ == 1) {
    メッセージ(QZ_TR("反転後は書き込みできません"), QZ_TR("棋譜書込"));
  } else if (対局値.ハンデ設定フラグ == 1) {
    メッセージ(QZ_TR("ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"), QZ_TR("棋譜書込"));
  } else {
    描画_可視(true, true, false);
    描画_棋譜_IO(0);
  }
}

// "RETURN": writes moves 1..手順_現在 to the file named in Text1, in the
// folder of the file list. A refusal or a failure leaves the panel open
// and the old file, if any, as it was.
void Form1::Command1_Click() {
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  RecordPanel& 盤 = p.recordPanel;
  const 棋譜見出し 見出し =
      見出し作成(盤.text(2), 盤.text(3), 盤.text(4), 対局値.先手値, 対局値.局.手番値_MAN);
  // Replacing a record asks first; いいえ leaves the panel open and the file as it was.
  const std::string 名前 = 盤.text(1);
  std::error_code ec;
  if (!名前.empty() && 対局値.手順.手順_現在 >= 1 &&
      std::filesystem::exists(棋譜パス(盤.fileListPath(), 名前), ec) &&
      メッセージ(
          文面(QZ_TR("「%1」はすでにあります。上書きしますか？"), {文面::そのまま(名前 + ".棋譜")}),
          "棋譜保存", Buttons::YesNo) == Answer::No)
    return;
  const 棋譜ファイル結果 r = 棋譜書込(盤.fileListPath(), 名前, 見出し, 対局値.手順);
  if (r.成功) {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    盤.refreshFileList();
  }
  メッセージ(r.文言, r.題);
  if (r.成功) 終局後の確認();
}

double Form1::取得_棋譜のX座標(const std::string& IN_文字列) {
  return qz::取得_棋譜のX座標(utf8からコードポイント(IN_文字列));
}

// Prints a header line of a loaded record at (X, Y) twips, size 12; a long
// title starts at the window's left edge rather than beyond it.
void Form1::見出し表示(const std::string& 文字列, int 色, double X, double Y) {
  画.描画_テキスト(std::max(X, 0.0), Y, 文面::そのまま(文字列), 色, 12);
}

// A file name clicked: the record is read into the history and the board
// set up for stepping through it with "進". A file that cannot be read
// changes nothing; a bad move line keeps the moves before it.
void Form1::File1_Click() {
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  const std::string 名前 = p.recordPanel.fileName();
  if (名前.empty()) return;
  const std::u8string 名前u8(名前.begin(), 名前.end());
  const 棋譜ファイル読込結果 f =
      棋譜ファイル読込(p.recordPanel.fileListPath() / std::filesystem::path(名前u8));
  if (!f.成功) {
    メッセージ(f.文言, f.題);
    return;
  }
  記録を読み込む(棋譜の窓の読込(f.内容, 名前), false);
}

void Form1::Dir1_Change() {
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  ファイル一覧を合わせる();
}

void Form1::ファイル一覧を合わせる() {
  p.recordPanel.setFileListPath(p.recordPanel.directoryPath());
}

// A drive chosen: the directory list moves to it, or, when it cannot be
// read, says so and the drive list shows the directory's drive again.
void Form1::Drive1_Change() {
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  const RecordPanel::FolderChange r = p.recordPanel.setDirectoryPath(p.recordPanel.drive());
  if (r == RecordPanel::FolderChange::Done) return ファイル一覧を合わせる();
  if (r == RecordPanel::FolderChange::NotReady)
    メッセージ(QZ_TR("ﾃﾞﾊﾞｲｽが準備できていません"), QZ_TR("ｴﾗｰ"));
  p.recordPanel.setDrive(p.recordPanel.directoryPath());
}

// Erases the title and names a loaded record printed around the board: a
// long line reaches across the whole row above or below the board, so both
// rows are covered and what else stands in them is drawn again.
void Form1::描画_棋譜読込み部分消去() {
  for (const int y : {0, 10})
    for (int x = -3; x <= 28; ++x) 画.描画_絵(画.背景_現在, x, y);
  画.描画_桝_数値();
  画.描画_絵(1, 11.1, -0.1);  // the title picture
  if (対局値.対局モード == 1) 画.描画_レベル(対局値.COMレベル);
  if (対局値.ハンデ設定フラグ == 1) 画.描画_ハンデレベル(対局値.ハンデレベル);
  for (int x = 1; x <= 桝数; ++x) 画.描画_桝輪郭(画.色_桝輪郭, x, 9);
}

}  // namespace qz
