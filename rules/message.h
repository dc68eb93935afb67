// What the user is told: texts of the program marked for translation, and
// messages made of them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks a text the user sees. The program's texts are Japanese everywhere
// below the window; the window shows each one through Qt's translation
// system, the Japanese text being the message id. The mark changes nothing
// in the code: it only lets lupdate collect the text, called as
//   lupdate -tr-function-alias QT_TRID_NOOP=QZ_TR ...
#define QZ_TR(text) text

namespace qz {

// A message as the layer that knows it says it: a template (a marked text,
// with %1 .. %9 where values go) and the values, each a message of its own;
// or a text shown as it is (a name, a number, a line quoted from a file).
// The window translates the template and each value, then fills them in;
// below the window 日本語() fills them in untranslated.
struct 文面 {
  std::string 型;
  std::vector<文面> 値;
  bool 訳す = true;  // false: 型 is shown as it is, only the values are translated
  std::string 鍵;    // the translation's id, when one Japanese text has two meanings

  文面() = default;
  文面(const char* s) : 型(s) {}             // NOLINT: a marked text is a message
  文面(std::string s) : 型(std::move(s)) {}  // NOLINT
  文面(std::string_view s) : 型(s) {}        // NOLINT
  文面(std::string_view 型_, std::vector<文面> 値_) : 型(型_), 値(std::move(値_)) {}

  // Shown as it is, never translated.
  static 文面 そのまま(std::string_view s);
  // A layout of other messages ("%1\n%2"), itself not translated.
  static 文面 並べ(std::string_view 型, std::vector<文面> 値);
  // A number, shown as it is.
  static 文面 数値(long long n);
  // A text whose translation is looked up under 鍵 (marked), shown as 日本語.
  static 文面 別鍵(const char* 鍵, const char* 日本語);

  // The message in Japanese: the template with its values filled in.
  std::string 日本語() const;
  // The id to translate 型 by.
  const std::string& 訳語鍵() const { return 鍵.empty() ? 型 : 鍵; }
  bool empty() const { return 型.empty() && 値.empty(); }
  bool operator==(const 文面&) const = default;
};

// The same type under an ASCII name, for the Qt classes of the window.
using Message = 文面;

// Fills %1 .. %9 of 型 with the texts given, in one pass: a value's own %
// signs are kept as they are.
std::string 差込(std::string_view 型, const std::vector<std::string>& 値);

// Outside input quoted in a message: shown as it is, at most 最長 characters,
// a longer text cut with "…" (never inside a character).
文面 引用(std::string_view 入力, std::size_t 最長 = 24);

}  // namespace qz
