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

// A refused step: 禁止.wav where the refusal has it, then its message box.
void Form1::断り表示(const 手順表示& r) {
  if (r.禁止音) p.sound.dsPlay(音_禁止);
  メッセージ(r.文言, r.題);
}

void Form1::STOP_Click() {
  棋譜パネルを閉じる();
}

// "進": replays the next move of the history onto the board.
void Form1::AFTER_Click() {
  棋譜パネルを閉じる();
  const 手順表示 r = 手順_進(対局値.局, 手順, 対局値.手番, 対局値.手数, 対局値.時間_MAN,
                             対局値.時間_COM, 棋譜モード);
  if (r.中断) 中断中 = 1;
  if (r.結果 != 手順結果::済み) return 断り表示(r);
  前 = r.前;
  選択状態 = 0;
  p.timer1.setEnabled(false);
  画.描画_将棋盤桝();
  画.描画_手数(対局値.手数, 色_白);
  const qz::手順 手 = 手順[r.手];
  if (盤上(手.元X, 手.元Y)) {
    画.描画_絵(0, 手.元X, 手.元Y);
    画.描画_桝輪郭(画.色_桝輪郭, 手.元X, 手.元Y);
  }
  画.描画_所有時間(対局値.局.手番値_COM, 対局値.時間_COM);
  画.描画_所有時間(対局値.局.手番値_MAN, 対局値.時間_MAN);
  // For a drop the source is a stand cell, which the stands' redraw paints over.
  画.描画_絵(0, 手.元X, 手.元Y);
  画.描画_桝輪郭(画.色_桝輪郭, 手.元X, 手.元Y);
  画.描画_絵(手.先駒, 手.先X, 手.先Y);
  画.描画_桝輪郭(画.色_桝輪郭, 手.先X, 手.先Y);
  画.描画_自持盤();
  画.描画_敵持盤();
  p.sound.dsPlay(音_駒打);
  画.描画_移動結果(r.移動結果手番, r.先X, r.先Y, r.先駒, 色_白);
  画.描画_手数(対局値.手数, 色_白);
  勢力調査(対局値.局);
  描画_氷結駒();
}

// "戻": takes the move last replayed or made off the board again.
void Form1::REPLAY_Click() {
  棋譜パネルを閉じる();
  中断中 = 1;
  const 手順表示 r =
      手順_戻(対局値.局, 手順, 対局値.手番, 対局値.手数, 対局値.時間_MAN, 対局値.時間_COM);
  if (r.結果 != 手順結果::済み) return 断り表示(r);
  前 = r.前;
  選択状態 = 0;
  p.timer1.setEnabled(false);
  画.描画_将棋盤桝();
  const qz::手順 手 = 手順[r.手];
  if (盤上(手.元X, 手.元Y)) {
    画.描画_絵(手.元駒, 手.元X, 手.元Y);
    画.描画_桝輪郭(画.色_桝輪郭, 手.元X, 手.元Y);
  }
  画.描画_所有時間(対局値.局.手番値_COM, 対局値.時間_COM);
  画.描画_所有時間(対局値.局.手番値_MAN, 対局値.時間_MAN);
  画.描画_自持盤();
  画.描画_敵持盤();
  画.描画_絵(0, 手.先X, 手.先Y);
  画.描画_桝輪郭(画.色_桝輪郭, 手.先X, 手.先Y);
  if (手.取駒 != 0) {
    画.描画_絵(手.取駒, 手.先X, 手.先Y);
    画.描画_桝輪郭(画.色_桝輪郭, 手.先X, 手.先Y);
  }
  p.sound.dsPlay(音_駒打);
  画.消去_移動結果(r.移動結果手番);
  画.描画_手数(対局値.手数, 色_白);
  勢力調査(対局値.局);
  描画_氷結駒();
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
  if (棋譜モード == 1) {
    p.sound.dsPlay(音_禁止);
    メッセージ(QZ_TR("棋譜ﾓｰﾄﾞではできません"), QZ_TR("反転"));
    return;
  }
  反転フラグ = 1;
  選択状態 = 0;
  局面反転(対局値.局);
  画.画面_再描画();
  画.描画_手数(対局値.手数, 色_白);
  if (対局値.ハンデ設定フラグ == 1) {
    対局値.ハンデレベル = -対局値.ハンデレベル;
    画.描画_ハンデレベル(対局値.ハンデレベル);
  }
  p.sound.dsPlay(音_駒打);
  対局値.手番 = -対局値.手番;
  手順.手順_現在 = 0;
  手順.手順_最終 = 0;
  // The move check reads the influence map: it must describe the reversed
  // board, not the one before; the frozen pieces are drawn from it, silently.
  勢力調査(対局値.局);
  描画_氷結駒(false);
}

// --- The record-file panel ---------------------------------------------------------

void Form1::KIFU_READ_Click() {
  描画_可視(true, true, true);
  描画_棋譜_IO(1);
}

void Form1::KIFU_WRITE_Click() {
  if (反転フラグ == 1) {
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
      見出し作成(盤.text(2), 盤.text(3), 盤.text(4), 先手値, 対局値.局.手番値_MAN);
  // Replacing a record asks first; いいえ leaves the panel open and the file as it was.
  const std::string 名前 = 盤.text(1);
  std::error_code ec;
  if (!名前.empty() && 手順.手順_現在 >= 1 &&
      std::filesystem::exists(棋譜パス(盤.fileListPath(), 名前), ec) &&
      メッセージ(差込(QZ_TR("「%1」はすでにあります。上書きしますか？"), {名前 + ".棋譜"}),
                 "棋譜保存", Buttons::YesNo) == Answer::No)
    return;
  const 棋譜ファイル結果 r = 棋譜書込(盤.fileListPath(), 名前, 見出し, 手順);
  if (r.成功) {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    盤.refreshFileList();
  }
  メッセージ(r.文言, r.題);
  if (r.成功) 終局後の確認();
}

int Form1::読込_棋譜ファイル(qz::手順& 手) {
  if (読込位置 >= 読込中の手.size()) return いいえ;
  手 = 読込中の手[読込位置++];
  return はい;
}

double Form1::取得_棋譜のX座標(const std::string& IN_文字列) {
  return qz::取得_棋譜のX座標(utf8からコードポイント(IN_文字列));
}

// Prints a header line of a loaded record at (X, Y) twips, size 12.
void Form1::見出し表示(const std::string& 文字列, int 色, double X, double Y) {
  画.描画_テキスト(X, Y, 文字列, 色, 12);
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
  棋譜ファイル読込結果 f =
      棋譜ファイル読込(p.recordPanel.fileListPath() / std::filesystem::path(名前u8));
  if (!f.成功) {
    メッセージ(f.文言, f.題);
    return;
  }
  描画_可視(false, false, false);
  初期設定();
  棋譜モード = 1;
  const 棋譜見出し& 見出し = f.内容.見出し;
  見出し表示(見出し.対局名, 色_赤, 取得_棋譜のX座標(見出し.対局名) - 3000, 6350);
  見出し表示(見出し.上側名, 色_白, 取得_棋譜のX座標(見出し.上側名), 100);
  見出し表示(見出し.下側名, 色_白, 取得_棋譜のX座標(見出し.下側名), 6350);

  const std::vector<棋譜メッセージ> 知らせ = 読込メッセージ(f.内容, 名前);
  読込中の手 = std::move(f.内容.手);
  読込位置 = 0;
  int count = 0;
  qz::手順 手;
  while (読込_棋譜ファイル(手) == はい) {
    ++count;
    手順.長さ設定(count);
    手順[count] = 手;
  }
  手順.手順_現在 = 0;
  対局値.手数 = 0;
  手順.長さ設定(count);
  読込中の手.clear();

  棋譜一覧更新();
  for (const 棋譜メッセージ& m : 知らせ) メッセージ(m.文言, m.題);
  if (count == 0) return;
  const 棋譜先手 先 = 棋譜先手判定(手順[1], 対局値.局.手番値_MAN, 対局値.局.手番値_COM);
  対局値.対局モード = 先.対局モード;
  先手値 = 先.先手値;
  後手値 = 先.後手値;
  対局値.手番 = 先手値;
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
