// Every record format the program reads and writes, by name: the native
// .棋譜, KIF (.kif in Shift-JIS, .kifu in UTF-8), CSA and SFEN/USI. The
// window, the clipboard and the converter all go through here.
#pragma once

#include <string>
#include <string_view>

#include "records/game_record.h"
#include "records/kifu.h"

namespace qz {

enum class 棋譜形式 { 不明, 棋譜, KIF, KIFU, CSA, USI };

// The format a file name's extension names (.棋譜 .kif .kifu .csa .sfen
// .usi, any case), or 不明.
棋譜形式 拡張子の形式(std::string_view ファイル名);
// The format of a name given on a command line (`kif`, `csa`, `usi`, ...).
棋譜形式 名前の形式(std::string_view 名);
// The format the bytes look like: a KIF, CSA or SFEN/USI text, else a
// .棋譜 file when its lines are move lines, else 不明.
棋譜形式 内容の形式(std::string_view 内容);

// Reads bytes in the format given (不明: found from the content). A .棋譜
// record starts from the initial position; its line numbers are the file's.
記録読込結果 棋譜を読む(棋譜形式 形式, std::string_view 内容);

struct 棋譜書出結果 {
  std::string 内容;  // the bytes, when 文言 is empty
  文面 文言;         // why the record cannot be written in that format
};
// Writes the record in the format given: .kif in Shift-JIS (refused, the
// characters named, when the names or title hold one it cannot encode),
// .kifu and .sfen/.usi in UTF-8, CSA as V2.2 in Shift-JIS or, when
// Shift-JIS cannot hold a name, V3.0 in UTF-8; .棋譜 only from the initial
// position.
棋譜書出結果 棋譜を書く(棋譜形式 形式, const 対局記録& r);

// A record read for the window, in the program's terms: the game to put
// into the history (its start on the board), the header lines to print as
// a .棋譜's are, the message boxes to show (those of a .棋譜 read), and
// the record itself (its orientation kept for writing it again).
struct 窓の読込 {
  履歴の対局 対局;
  棋譜見出し 見出し;
  std::vector<棋譜メッセージ> 知らせ;
  対局記録 記録;
};
窓の読込 窓に読む(棋譜形式 形式, std::string_view 内容, const std::string& 名前);
// The same for the clipboard's text, its messages the clipboard's.
窓の読込 貼り付けを読む(std::string_view 内容);
// The same for a .棋譜 file already read and decoded.
窓の読込 棋譜の窓の読込(const 棋譜読込結果& f, const std::string& 名前);

// The message for branches refused: "<名前> の N行目からの変化が読めません
// （理由）。本譜とその前の変化を読みました".
文面 変化中止の文言(const 記録読込結果& r, const 文面& 名前);

// The message for a reading that stopped: "<名前> の N行目が読めません（理由）。
// M手目まで読みました".
文面 読込中止の文言(const 記録読込結果& r, std::string_view 名前);

}  // namespace qz
