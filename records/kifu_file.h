// Record files on disk: reading one, and writing one so that a failure
// never destroys the record that was there. The pure format is in kifu.h.

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "records/history.h"
#include "records/kifu.h"

namespace qz {

constexpr std::uintmax_t 棋譜最大バイト数 = 64u << 20;  // larger files are refused, not read

// What the window shows after a file operation: 文言 titled 題.
struct 棋譜ファイル結果 {
  bool 成功 = false;
  文面 文言;
  文面 題;
};

struct 棋譜ファイル読込結果 : 棋譜ファイル結果 {
  棋譜読込結果 内容;
};
// Reads and decodes a record file. When it cannot be read (missing, a
// folder, no permission, too large, no record at all) 成功 is false and 文言 is
// "棋譜ﾌｧｲﾙを読み込めませんでした" and the reason, titled "棋譜": the caller
// then leaves the game as it was. On success 文言 is empty; the messages
// of the reading itself come from 読込メッセージ.
棋譜ファイル読込結果 棋譜ファイル読込(const std::filesystem::path& パス);

// Reads a whole file (at most 棋譜最大バイト数) into 内容; returns "" or the
// reason it could not be read, in the program's words.
std::string ファイル読込(const std::filesystem::path& パス, std::string& 内容);

// The record's path: the folder, the platform's separator, the name as
// typed (UTF-8) and ".棋譜".
std::filesystem::path 棋譜パス(const std::filesystem::path& フォルダ,
                               const std::string& ファイル名);

// Everything the "RETURN" button does to the file, checks first, in order:
//   empty name          "ﾌｧｲﾙ名が入力されていません" / "  "
//   手順_現在 < 1       "保存するデータがありません" / "棋譜保存"
//   '/', '\' or a control character in the name
//                       "ﾌｧｲﾙ名に使えない文字があります：「…」" / "棋譜保存"
//   unencodable header  "<欄>に棋譜ﾌｧｲﾙに書けない文字があります：「…」" / "棋譜保存"
//   write failure       "棋譜を書き込めませんでした\n" + reason / "棋譜保存"
//   success             "棋譜を書き込みました" / "  " (成功 = true)
// Writes moves 1..手順_現在 only, however many more the history holds.
棋譜ファイル結果 棋譜書込(const std::filesystem::path& フォルダ, const std::string& ファイル名,
                          const 棋譜見出し& 見出し, const 手順記録& 記録);

}  // namespace qz
