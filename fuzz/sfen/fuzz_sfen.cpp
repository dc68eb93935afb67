// Feeds arbitrary text to the SFEN reader (the first line) and the move-text
// reader (every word after it), straight, so that long move lists are
// reached. An accepted position writes back to itself, holds no more than a
// set of pieces, and every accepted move keeps each kind's count on the
// board and in the hands (a taken king leaves the board and ends the game).
// The board editor reads and writes an accepted position the same way.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "game/board_edit.h"
#include "rules/sfen.h"

namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

// Pieces of each kind (promoted ones as their kind) on the board and in the
// hands; index 0 counts the kings.
std::array<int, 8> Counts(const qz::局面& s) {
  std::array<int, 8> n{};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int a = std::abs(static_cast<int>(s.盤面[x][y]));
      if (a == 0) continue;
      const int kind = a % 10 == 1 ? a - 1 : a;
      n[kind == qz::王 ? 0 : qz::持駒番号(kind)]++;
    }
  for (const qz::持駒* h : {&s.持駒_MAN, &s.持駒_COM}) {
    int sum = 0;
    for (int k = 1; k <= qz::持駒種類数; ++k) {
      n[static_cast<std::size_t>(k)] += h->枚数[k];
      sum += h->枚数[k];
      Require(h->枚数[k] >= 0);
    }
    Require(sum == h->合計);
  }
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t end = text.find('\n');
  qz::SFEN不備 why;
  const auto p = qz::SFEN読込(text.substr(0, end), &why);
  Require(p.has_value() == (why.種類 == qz::SFEN不備種類::なし));
  Require(p.has_value() || (!qz::SFEN不備の文(why).empty() && !qz::SFEN不備の英文(why).empty()));
  if (!p) return 0;
  const std::string written = qz::SFEN書出(p->盤面, p->持駒_MAN, p->持駒_COM, p->MAN手番, p->手数);
  const auto again = qz::SFEN読込(written);
  Require(again && qz::SFEN書出(again->盤面, again->持駒_MAN, again->持駒_COM, again->MAN手番,
                                again->手数) == written);

  // The board editor opens on it with nothing beyond the set, and writes it back.
  const auto edited = qz::SFENの編集局面(text.substr(0, end));
  Require(edited && qz::編集局面のSFEN(*edited) ==
                        qz::SFEN書出(p->盤面, p->持駒_MAN, p->持駒_COM, p->MAN手番, 1));
  for (const int n : qz::駒箱(*edited)) Require(n >= 0);

  qz::EngineState st;
  st.対局値.局面から始める(p->盤面, p->持駒_MAN, p->持駒_COM, p->MAN手番, p->手数 - 1);
  auto before = Counts(st.現局面());
  std::string_view rest = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  while (!rest.empty()) {
    const std::size_t gap = rest.find_first_of(" \n");
    const std::string_view word = rest.substr(0, gap);
    rest = gap == std::string_view::npos ? std::string_view{} : rest.substr(gap + 1);
    const bool over = st.現局面().勝者 != 0;
    const auto read = qz::USI指し手読込(word, st.現局面().盤面, st.MAN手番());
    const bool made = qz::applyMoveText(st, word);
    Require(!(made && over));
    Require(!made || (read && qz::USI表記(*read) == word));
    const auto after = Counts(st.現局面());
    if (made && st.現局面().勝者 != 0 && !over) before[0]--;  // the king just taken
    Require(after == before);
  }
  return 0;
}
