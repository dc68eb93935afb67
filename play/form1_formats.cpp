// Records of every format: opening a file (from a dialog or the command
// line), saving as KIF or CSA, and the clipboard. The formats themselves
// are records/formats.h; the dialogs and the clipboard are the platform's.
#include <filesystem>

#include "play/form1.h"
#include "records/file_write.h"
#include "records/kif.h"
#include "records/kifu_file.h"
#include "records/usi.h"

namespace qz {
namespace {

std::string 拡張子付き(std::string 名, const std::string& 形式名) {
  const 棋譜形式 f = 拡張子の形式(名);
  const bool 合う =
      形式名 == "KIF" ? (f == 棋譜形式::KIF || f == 棋譜形式::KIFU) : f == 棋譜形式::CSA;
  return 合う ? 名 : 名 + (形式名 == "KIF" ? ".kif" : ".csa");
}

std::string utf8名(const std::filesystem::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

}  // namespace

void Form1::KIFU_OPEN_Click() {
  棋譜パネルを閉じる();
  if (!破棄確認(QZ_TR("対局中です。棋譜を開きますか？"))) return;
  const std::filesystem::path パス = p.recordPanel.chooseRecordToOpen();
  if (!パス.empty()) 棋譜ファイルを読む(パス);
}

void Form1::棋譜ファイルを開く(const std::filesystem::path& パス) {
  処理区間 区間(処理中);
  if (!区間.入れた()) return;
  if (!破棄確認(QZ_TR("対局中です。棋譜を開きますか？"))) return;
  棋譜ファイルを読む(パス);
}

// Reads the file and puts its record on the board for stepping; a file
// that cannot be read, or holds no record, leaves the game as it was.
void Form1::棋譜ファイルを読む(const std::filesystem::path& パス) {
  std::string 内容;
  if (const std::string 何故 = ファイル読込(パス, 内容); !何故.empty()) {
    メッセージ(文面::並べ("%1\n%2", {QZ_TR("棋譜ﾌｧｲﾙを読み込めませんでした"), 何故}), "棋譜");
    return;
  }
  const std::string 名前 = utf8名(パス.filename());
  記録を読み込む(窓に読む(拡張子の形式(名前), 内容, 名前));
}

// Every record read is put on the board here: a fresh board (the record's
// start), the record mode, the header lines, the moves in the history and
// the reader's messages.
void Form1::記録を読み込む(const 窓の読込& w, bool 読めなければ残す) {
  if (読めなければ残す && w.対局.手.empty() && w.知らせ.size() > 1) {
    // Nothing could be read at all: say why and keep the game.
    メッセージ(w.知らせ.front().文言, w.知らせ.front().題);
    return;
  }
  描画_可視(false, false, false);
  初期設定();
  const bool 平手から = w.対局.開始.盤面 == 対局値.局.盤面 &&
                        w.対局.開始.持駒_MAN == 対局値.局.持駒_MAN &&
                        w.対局.開始.持駒_COM == 対局値.局.持駒_COM;
  対局値.記録を読み込む(w);
  注釈から解析(w.記録);
  if (!平手から) 画.画面_再描画();
  見出し表示(w.見出し.対局名, 色_赤, 取得_棋譜のX座標(w.見出し.対局名) - 3000, 6350);
  見出し表示(w.見出し.上側名, 色_白, 取得_棋譜のX座標(w.見出し.上側名), 100);
  見出し表示(w.見出し.下側名, 色_白, 取得_棋譜のX座標(w.見出し.下側名), 6350);
  棋譜一覧更新();
  std::optional<文面> 状態行;
  for (const 棋譜メッセージ& m : w.知らせ) {
    if (m.知らせだけ && !確認メッセージ)
      状態行 = 状態行 ? 文面::並べ("%1　%2", {*状態行, m.文言}) : m.文言;
    else
      メッセージ(m.文言, m.題);
  }
  if (状態行) 状態表示(*状態行);
}

std::optional<対局記録> Form1::窓の記録() {
  記録読込結果 r = 対局値.記録();
  if (r.不正行 != 0) {
    メッセージ(文面(QZ_TR("%1手目が正しくないので棋譜にできません（%2）"),
                    {文面::数値(r.不正行), r.不正理由}),
               "棋譜保存");
    return std::nullopt;
  }
  解析を注釈へ(r.記録);
  return std::move(r.記録);
}

// Saves the game through a save dialog, with the .棋譜 writer's safe write.
void Form1::記録を保存(const std::string& 形式名) {
  棋譜パネルを閉じる();
  const std::optional<対局記録> r = 窓の記録();
  if (!r) return;
  std::filesystem::path パス = p.recordPanel.chooseRecordToSave(形式名);
  if (パス.empty()) return;
  パス.replace_filename(std::filesystem::path(std::u8string(
      reinterpret_cast<const char8_t*>(拡張子付き(utf8名(パス.filename()), 形式名).c_str()))));
  const 棋譜書出結果 w = 棋譜を書く(拡張子の形式(utf8名(パス.filename())), *r);
  if (!w.文言.empty()) return void(メッセージ(w.文言, "棋譜保存"));
  const std::string 何故 = ファイル置換書込(パス, w.内容);
  if (!何故.empty())
    return void(
        メッセージ(文面::並べ("%1\n%2", {QZ_TR("棋譜を書き込めませんでした"), 何故}), "棋譜保存"));
  メッセージ(QZ_TR("棋譜を書き込みました"), "  ");
}

void Form1::KIFU_SAVE_KIF_Click() {
  記録を保存("KIF");
}

void Form1::KIFU_SAVE_CSA_Click() {
  記録を保存("CSA");
}

// The position on the board as SFEN, the lower side's pieces in upper case.
void Form1::COPY_SFEN_Click() {
  p.recordPanel.setClipboardText(SFEN文(対局値.今の局面(), 対局値.手数 + 1));
}

void Form1::COPY_KIF_Click() {
  if (const auto r = 窓の記録()) p.recordPanel.setClipboardText(KIF文書(*r));
}

void Form1::COPY_USI_Click() {
  if (const auto r = 窓の記録()) p.recordPanel.setClipboardText(USI文書(*r));
}

// The clipboard's text read as a record of whichever format it is.
void Form1::PASTE_Click() {
  棋譜パネルを閉じる();
  const std::string 文 = p.recordPanel.clipboardText();
  if (文.empty()) return void(メッセージ(QZ_TR("貼り付ける棋譜がありません"), "貼り付け"));
  記録を読み込む(貼り付けを読む(文));
}

}  // namespace qz
