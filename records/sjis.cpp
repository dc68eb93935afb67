#include "records/sjis.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace qz {
namespace {

constexpr char32_t 代替文字 = U'\uFFFD';

// One iconv conversion, closed when it goes out of scope.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of in as possible into out; returns false and leaves
  // in at the offending bytes when a character cannot be converted.
  bool convert(std::string_view& in, std::string& out) {
    char buffer[256];
    while (!in.empty()) {
      char* src = const_cast<char*>(in.data());
      size_t src_left = in.size();
      char* dst = buffer;
      size_t dst_left = sizeof buffer;
      const size_t r = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buffer, static_cast<size_t>(dst - buffer));
      in.remove_prefix(in.size() - src_left);
      if (r == static_cast<size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

bool ascii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Decodes one UTF-8 character at the front of s and removes it; a byte that
// starts no valid sequence is removed alone and gives U+FFFD.
char32_t next_code_point(std::string_view& s) {
  const auto b0 = static_cast<unsigned char>(s[0]);
  int length = 0;
  char32_t c = 0;
  if (b0 < 0x80) {
    s.remove_prefix(1);
    return b0;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2, c = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3, c = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4, c = b0 & 0x07;
  }
  if (length == 0 || static_cast<int>(s.size()) < length) {
    s.remove_prefix(1);
    return 代替文字;
  }
  for (int i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0) != 0x80) {
      s.remove_prefix(1);
      return 代替文字;
    }
    c = (c << 6) | (b & 0x3F);
  }
  const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    s.remove_prefix(1);
    return 代替文字;
  }
  s.remove_prefix(static_cast<size_t>(length));
  return c;
}

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::u32string utf8からコードポイント(std::string_view utf8) {
  std::u32string out;
  while (!utf8.empty()) out += next_code_point(utf8);
  return out;
}

bool utf8として正しい(std::string_view utf8) {
  while (!utf8.empty()) {
    const bool 代替文字と書いてある = utf8.starts_with("\xEF\xBF\xBD");
    if (next_code_point(utf8) == 代替文字 && !代替文字と書いてある) return false;
  }
  return true;
}

std::string コードポイントからutf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) append_utf8(out, c);
  return out;
}

std::string sjisからutf8(std::string_view sjis) {
  if (ascii(sjis)) return std::string(sjis);
  std::string out;
  Converter cv("UTF-8", "CP932");
  while (!sjis.empty()) {
    if (cv.ok() && cv.convert(sjis, out)) break;
    // A byte that begins no character (or a character cut off at the end).
    const auto b = static_cast<unsigned char>(sjis[0]);
    append_utf8(out, !cv.ok() && b < 0x80 ? b : 代替文字);
    sjis.remove_prefix(1);
  }
  return out;
}

std::string utf8からsjis(std::string_view utf8, std::vector<char32_t>& 書けない文字) {
  if (ascii(utf8)) return std::string(utf8);
  std::string out;
  Converter cv("CP932", "UTF-8");
  while (!utf8.empty()) {
    if (cv.ok() && cv.convert(utf8, out)) break;
    const char32_t c = next_code_point(utf8);
    if (!cv.ok() && c < 0x80) {
      out += static_cast<char>(c);
    } else if (std::find(書けない文字.begin(), 書けない文字.end(), c) == 書けない文字.end())
      書けない文字.push_back(c);
  }
  return out;
}

}  // namespace qz
