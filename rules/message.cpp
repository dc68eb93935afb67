#include "rules/message.h"

namespace qz {

文面 文面::そのまま(std::string_view s) {
  文面 r(s);
  r.訳す = false;
  return r;
}

文面 文面::並べ(std::string_view 型, std::vector<文面> 値) {
  文面 r(型, std::move(値));
  r.訳す = false;
  return r;
}

文面 文面::数値(long long n) {
  return そのまま(std::to_string(n));
}

文面 文面::別鍵(const char* 鍵, const char* 日本語) {
  文面 r(日本語);
  r.鍵 = 鍵;
  return r;
}

std::string 差込(std::string_view 型, const std::vector<std::string>& 値) {
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

std::string 文面::日本語() const {
  if (値.empty()) return 型;
  std::vector<std::string> 文;
  文.reserve(値.size());
  for (const 文面& v : 値) 文.push_back(v.日本語());
  return 差込(型, 文);
}

文面 引用(std::string_view 入力, std::size_t 最長) {
  std::size_t 字数 = 0, i = 0;
  for (; i < 入力.size(); ++i) {
    // A UTF-8 character starts at every byte that is no continuation byte.
    if ((static_cast<unsigned char>(入力[i]) & 0xC0) != 0x80 && 字数++ == 最長) break;
  }
  if (i >= 入力.size()) return 文面::そのまま(入力);
  return 文面::そのまま(std::string(入力.substr(0, i)) + "…");
}

}  // namespace qz
