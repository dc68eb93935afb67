// The new-game dialog's kept choices and the time-control header texts from
// arbitrary bytes: what reads writes back as text that reads the same, and
// every value read lies within the dialog's ranges.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_folder.h"
#include "computer/levels.h"
#include "play/new_game.h"
#include "records/game_record.h"

using qz_fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (const auto s = qz::新規対局を読む(text)) {
    Require(qz::レベルを探す(s->レベル) != nullptr);
    Require(s->ハンデ >= -qz::最高段級 && s->ハンデ <= qz::最高段級);
    Require(qz::新規対局を読む(qz::新規対局の文(*s)) == s);
  }
  if (const auto t = qz::持ち時間を読む(text)) {
    Require(t->有効() && t->本体秒 <= qz::持ち時間上限秒);
    Require(qz::持ち時間を読む(qz::持ち時間の文(*t)) == t);
  }
  if (const auto t = qz::CSA持ち時間を読む(text)) {
    Require(qz::CSA持ち時間を読む(qz::CSA持ち時間(*t)) == t);
  }
  return 0;
}
