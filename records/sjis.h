// Conversion between the program's UTF-8 text and the Shift-JIS (Windows
// code page 932) bytes of record files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qz {

// UTF-8 text as code points; an invalid UTF-8 byte becomes U+FFFD.
std::u32string utf8からコードポイント(std::string_view utf8);
std::string コードポイントからutf8(std::u32string_view text);
// True when the bytes are valid UTF-8 as a whole: every byte belongs to a
// character (a U+FFFD written as such is one).
bool utf8として正しい(std::string_view utf8);

// Shift-JIS bytes to UTF-8. A byte sequence that is no CP932 character
// becomes U+FFFD, one per bad byte, so nothing is dropped silently.
std::string sjisからutf8(std::string_view sjis);

// UTF-8 to Shift-JIS. The characters CP932 cannot hold are listed, each
// once and in order of first appearance, in 書けない文字; the returned
// bytes then leave them out and must not be written.
std::string utf8からsjis(std::string_view utf8, std::vector<char32_t>& 書けない文字);

}  // namespace qz
