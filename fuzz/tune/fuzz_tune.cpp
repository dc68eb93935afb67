// Feeds arbitrary text to the tuner's position-file reader, whole and line
// by line. Every line is read or refused with a reason, the file reader
// keeps exactly the lines read, an accepted line writes back to a line
// that reads the same, and its counts score as the evaluation does.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "computer/bearing_board.h"
#include "tools/tune/teacher.h"

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
    const auto t = qz::教師行を読む(line, why);
    read += t.has_value();
    refused += !why.empty();
    Require(!(t && !why.empty()));
    if (!t) continue;
    const std::string written = qz::教師行を書く(t->局面, t->結果);
    const auto again = qz::教師行を読む(written, why);
    Require(again && qz::教師行を書く(again->局面, again->結果) == written);
    qz::局面 s;
    qz::局面に置く(t->局面, s);
    qz::利き盤 b;
    b.設定(s, t->局面.MAN手番);
    const qz::評価重み w;
    Require(qz::数の評価(qz::評価の数を数える(b), w) == qz::形勢評価(b, w));
  }
  std::istringstream whole(text);
  std::vector<std::string> bad;
  Require(qz::教師局面を読む(whole, bad).size() == read && bad.size() == refused);
  return 0;
}
