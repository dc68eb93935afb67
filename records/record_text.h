// Text helpers shared by the KIF, CSA and SFEN/USI readers and writers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qz {

// Bytes as lines of UTF-8 text. Lines end at CR LF, a lone CR or a lone LF;
// an end-of-file mark (Ctrl+Z) ends the text. A UTF-8 byte-order mark, or
// bytes that are valid UTF-8 as a whole, are read as UTF-8, anything else as
// Shift-JIS (CP932). 読めない is set on the lines holding bytes that are no
// character of the encoding (their characters become U+FFFD).
struct 文書行 {
  std::string 文;
  bool 読めない = false;
};
std::vector<文書行> 行に分ける(std::string_view 内容);

// Leading and trailing blanks (ASCII and full-width) removed.
std::string_view 前後の空白除去(std::string_view s);

// The number written at the front of s in ASCII digits, removed from s; -1
// when s does not start with a digit (at most 9 digits are taken).
long long 先頭の数(std::string_view& s);

// Characters that Shift-JIS cannot hold in s, each once as 「x」; "" when none.
std::string sjisに書けない文字(std::string_view utf8);

}  // namespace qz
