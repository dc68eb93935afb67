// The reading that the KIF, CSA and SFEN/USI readers share: the bytes as
// lines, the first line holding bytes that are no character ends the
// reading, every other line goes to the format's own parser, and the ending
// is settled once the lines are done.
#pragma once

#include <string_view>

#include "records/game_record.h"
#include "records/record_text.h"

namespace qz {

// A format's reader derives from 記録読込<itself> and gives
//   void 一行(std::string_view 行);  one line as read (not trimmed), 行番号 its number
//   void 終端();                     after the last line, also when the reading stopped
// (both may be private with 記録読込 a friend), and may give its own
//   void 読めない行();               for a line holding bytes that are no character.
template <class 形式>
class 記録読込 {
 public:
  記録読込結果 読む(std::string_view 内容) {
    const auto 行 = 行に分ける(内容);
    形式& 読み手 = static_cast<形式&>(*this);
    for (std::size_t i = 0; i < 行.size() && !組.終了() && !終わり; ++i) {
      行番号 = static_cast<int>(i + 1);
      if (行[i].読めない) {
        読み手.読めない行();
        break;
      }
      読み手.一行(行[i].文);
    }
    読み手.終端();
    対局記録& r = 組.結果.記録;
    r.結末 = 結末;
    r.勝者 = 勝者;
    王取りで終局(r);
    return std::move(組.結果);
  }

 protected:
  // A line holding bytes that are no character ends the reading there.
  void 読めない行() { 組.中止(行番号, QZ_TR("文字コードとして読めないバイトがあります")); }

  // Ends the game: 勝ち is 1 when the side to move wins, -1 when it loses,
  // 0 when neither does.
  void 手番側で終局(終局 e, int 勝ち) {
    結末 = e;
    勝者 = 勝ち * (組.局面.下の番 ? 1 : -1);
  }

  記録組立 組;
  int 行番号 = 0;
  bool 終わり = false;  // nothing after this line belongs to the record
  終局 結末 = 終局::なし;
  int 勝者 = 0;
};

}  // namespace qz
