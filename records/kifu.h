// The record file ("*.棋譜"): a title, the two players' names and one
// fixed-width line of eleven numbers per move, in Shift-JIS (CP932) with
// CR LF line ends. This header is the pure half — bytes in, structures out
// and back; records/kifu_file.h reads and writes the files themselves.
//
// A move line is exactly 37 characters, every number right-aligned in its
// field by blanks (a minus sign for a negative number, no leading zeros):
//
//   columns  1-2  from column (1..9; 11 = MAN's stand, -1 = COM's stand)
//            3    from row (for a drop the stand row or slot, 1..9)
//            4    to column        5  to row
//            6-9  piece after the move     10-13 piece before the move
//           14-17 piece that stood on the destination (0 = empty)
//           18-22 MAN's clock before  23-27 MAN's clock after
//           28-32 COM's clock before  33-37 COM's clock after (whole seconds)
//
// e.g. " 3736 -10 -10   0   12   20    0    0": a MAN pawn from (3, 7) to (3, 6).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/history.h"
#include "rules/message.h"

namespace qz {

constexpr int 棋譜行文字数 = 37;
constexpr int 時計最大値 = 99999;
// A header line longer than this is no name: the rest of it is not read.
constexpr std::size_t 見出し最大文字数 = 256;  // a clock too large for its field is written as this

// The three header lines, as UTF-8 text. 上側名 is the player of the upper
// side (COM's pieces), 下側名 the player of the lower side. 上側欄 and 下側欄
// name the panel boxes they came from, for messages.
struct 棋譜見出し {
  std::string 対局名;
  std::string 上側名;
  std::string 下側名;
  std::string 上側欄 = "後手";
  std::string 下側欄 = "先手";
};

// The header of a record to be written from the panel: the title (Text2),
// and the names of the first (Text3) and second (Text4) players. When MAN
// moves first (先手値 == 手番値_MAN) the upper side is the second player.
棋譜見出し 見出し作成(const std::string& 対局名, const std::string& 先手名,
                      const std::string& 後手名, int 先手値, int 手番値_MAN);

// --- Writing ----------------------------------------------------------------

// One move as its 37 ASCII characters (no line end). The move must pass
// 手順検査; a clock that does not fit five characters is written as 99999.
std::string 棋譜行作成(const 手順& 手);

struct 棋譜符号化結果 {
  std::string 内容;  // the file's bytes when 文言 is empty
  文面 文言;         // why the record cannot be written (the message to show)
};
// The whole file: three header lines and one line per move of 手 (move 1
// first), CR LF after every line. Refused, with a message saying which
// characters, when a header holds a character Shift-JIS cannot encode or
// a line break; refused too when a move could not be read back.
棋譜符号化結果 棋譜符号化(const 棋譜見出し& 見出し, std::span<const 手順> 手);

// --- Reading ----------------------------------------------------------------

// The leading-number rule of the move fields: blanks skipped, a minus sign
// accepted, digits up to the first character that cannot continue the
// number; an empty or blank field is 0.
int 先頭数値(std::u32string_view 欄);

// Why the fields of a move cannot be a move, or "" when they can: both
// squares in range (the source on the board or a stand), the pieces before
// and after real piece codes, the captured piece 0 or a piece code.
文面 手順検査(const 手順& 手);

struct 棋譜読込結果 {
  棋譜見出し 見出し;     // 上側欄 / 下側欄 keep their defaults
  std::vector<手順> 手;  // the moves read, move 1 first
  int 不正行 = 0;        // line number of the move line that ended the reading, 0 if none
  文面 不正理由;         // what was wrong with it
  // A header line is no text (bytes that are no Shift-JIS, control
  // characters, or longer than 名前最大文字数): the file is no record.
  bool 記録でない = false;
};
// The longest header line a record may have; the writer refuses longer ones.
constexpr std::size_t 名前最大文字数 = 64;

// Reads the bytes of a record file. Lines end at CR LF, a lone CR or a lone
// LF; an end-of-file mark (Ctrl+Z) ends the file. A header line that is missing repeats the line
// before it (the title of a one-line file is also both names). Move lines are read from line 4
// until the end; blank lines at the very end are ignored. A header line is cut
// after 見出し最大文字数 characters. A move line that
// is shorter than 37 characters or whose fields are out of range ends the
// reading there, keeping the moves before it. A header line that is no text
// sets 記録でない. Never fails otherwise.
棋譜読込結果 棋譜解読(std::string_view 内容);

// --- What the window shows ----------------------------------------------------

struct 棋譜メッセージ {
  文面 文言;
  文面 題;
  bool 知らせだけ = false;  // it only informs (how many moves were read, what to do next)
};
// The message boxes to show, in order, after a record has been read from
// the file named ファイル名 (as listed): the line that ended the reading, if
// any, then either "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません" or the load message and
// "棋譜を '進 'で進めて下さい". All titled "棋譜". A record pasted from the
// clipboard (貼り付け) is named "クリップボード"; its messages read the same
// in Japanese but are translated as the clipboard's.
std::vector<棋譜メッセージ> 読込メッセージ(const 棋譜読込結果& 結果, const std::string& ファイル名,
                                           bool 貼り付け = false);

// Who moved first in a loaded record, decided by its first move's piece:
// an upper piece (>= 10) means the computer's side moved first.
struct 棋譜先手 {
  int 対局モード;
  int 先手値;
  int 後手値;
};
棋譜先手 棋譜先手判定(const 手順& 第一手, int 手番値_MAN, int 手番値_COM);

// --- The history ----------------------------------------------------------------

// Puts the moves read into the history as moves 1..n (the slots beyond n
// keep whatever they held, out of reach): 手順_最終 = n, 手順_現在 = 0.
void 手順記録へ読込(手順記録& 記録, std::span<const 手順> 手);

}  // namespace qz
