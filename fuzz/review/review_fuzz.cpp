// The game review's kept conditions and its comment lines from arbitrary
// bytes: what reads writes back as text that reads the same.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_folder.h"
#include "game/review.h"

using qz_fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (const auto c = qz::解析条件を読む(text)) {
    Require(c->疑問手損失 <= c->悪手損失);
    const auto back = qz::解析条件を読む(qz::解析条件の文(*c));
    Require(back && back->一手ms == c->一手ms && back->悪手損失 == c->悪手損失 &&
            back->疑問手損失 == c->疑問手損失);
  }
  // Each line a comment, as a KIF record keeps them.
  std::vector<std::string> lines;
  for (std::size_t b = 0; b <= text.size();) {
    const std::size_t e = std::min(text.find('\n', b), text.size());
    lines.push_back(text.substr(b, e - b));
    b = e + 1;
  }
  for (const bool turned : {false, true})
    if (const auto a = qz::注釈の解析(lines, true, turned))
      Require(qz::注釈の解析(qz::解析の注釈(*a, turned), true, turned) == a);
  return 0;
}
