// Marks a text the user sees. The program's texts are Japanese everywhere
// below the window; the window shows each one through Qt's translation
// system, looking the Japanese text up as the message id. The mark changes
// nothing in the code: it only lets lupdate collect the text, called as
//   lupdate -tr-function-alias QT_TRID_NOOP=QZ_TR ...
// A text made of parts is written as one marked template with %1, %2 ...
// filled in by 差込 (the window recognises the template and translates the
// parts it can).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#define QZ_TR(text) text

namespace qz {

// The template with %1, %2 ... (up to %9) replaced by the values.
inline std::string 差込(std::string_view 型, const std::vector<std::string>& 値) {
  std::string out;
  for (std::size_t i = 0; i < 型.size(); ++i) {
    const char c = i + 1 < 型.size() ? 型[i + 1] : '\0';
    if (型[i] == '%' && c >= '1' && c <= '9' && static_cast<std::size_t>(c - '1') < 値.size()) {
      out += 値[static_cast<std::size_t>(c - '1')];
      ++i;
    } else {
      out += 型[i];
    }
  }
  return out;
}

}  // namespace qz
