// Feeds arbitrary text to the match tool's openings-file reader, whole and
// line by line. Every line is read, skipped or refused with a reason; the
// file is read exactly when no line is refused and one is read; an accepted
// series writes back in USI to a line that reads the same.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "tools/match/openings.h"

namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::istringstream in(text);
  std::size_t read = 0, refused = 0;
  std::string line, why;
  while (std::getline(in, line)) {
    const auto m = qz::序盤行を読む(line, why);
    Require(!(m && !why.empty()));
    refused += !why.empty();
    if (!m) continue;
    ++read;
    Require(m->size() <= qz::序盤の最長);
    std::string again;
    for (const qz::指し手& x : *m) again += qz::USI表記(x) + " ";
    std::string why2;
    const auto n = qz::序盤行を読む("moves " + again, why2);
    Require(n && why2.empty() && n->size() == m->size());
  }
  std::istringstream whole(text);
  const auto all = qz::序盤を読む(whole, why);
  Require(all.has_value() == (refused == 0 && read > 0));
  Require(all.has_value() == why.empty());
  if (all) Require(all->size() == read);
  return 0;
}
