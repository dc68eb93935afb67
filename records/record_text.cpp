#include "records/record_text.h"

#include "records/sjis.h"

namespace qz {

std::vector<文書行> 行に分ける(std::string_view 内容) {
  内容 = 内容.substr(0, 内容.find('\x1a'));
  const bool bom = 内容.starts_with("\xEF\xBB\xBF");
  if (bom) 内容.remove_prefix(3);
  // Text that is valid UTF-8 as a whole is so line by line: its lines are
  // taken as they are.
  const bool 正しい = utf8として正しい(内容);
  const bool utf8 = bom || 正しい;
  std::vector<文書行> 行;
  std::size_t 始 = 0;
  for (std::size_t i = 0; i <= 内容.size(); ++i) {
    if (i < 内容.size() && 内容[i] != '\r' && 内容[i] != '\n') continue;
    if (i == 内容.size() && 始 == i) break;
    const std::string_view 生 = 内容.substr(始, i - 始);
    文書行 l;
    if (正しい) {
      l.文 = 生;
    } else if (utf8) {
      l.文 = コードポイントからutf8(utf8からコードポイント(生));
      // A U+FFFD that was not written as such marks a byte that is no character.
      l.読めない = l.文 != 生;
    } else {
      l.文 = sjisからutf8(生);
      l.読めない = l.文.find("\xEF\xBF\xBD") != std::string::npos;
    }
    行.push_back(std::move(l));
    if (i + 1 < 内容.size() && 内容[i] == '\r' && 内容[i + 1] == '\n') ++i;
    始 = i + 1;
  }
  return 行;
}

std::string_view 前後の空白除去(std::string_view s) {
  constexpr std::string_view 全角空白 = "\u3000";
  for (bool changed = true; changed;) {
    changed = false;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
      s.remove_prefix(1), changed = true;
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1), changed = true;
    if (s.starts_with(全角空白)) s.remove_prefix(全角空白.size()), changed = true;
    if (s.ends_with(全角空白)) s.remove_suffix(全角空白.size()), changed = true;
  }
  return s;
}

long long 先頭の数(std::string_view& s) {
  long long v = 0;
  std::size_t i = 0;
  while (i < s.size() && i < 9 && s[i] >= '0' && s[i] <= '9') v = v * 10 + (s[i++] - '0');
  if (i == 0) return -1;
  s.remove_prefix(i);
  return v;
}

std::string sjisに書けない文字(std::string_view utf8) {
  std::vector<char32_t> 文字;
  utf8からsjis(utf8, 文字);
  std::string 一覧;
  for (char32_t c : 文字) 一覧 += "「" + コードポイントからutf8(std::u32string(1, c)) + "」";
  return 一覧;
}

}  // namespace qz
