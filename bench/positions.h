// The benchmarks' positions: fixed SFEN texts read and surveyed as a game
// would have them at the start of a turn.
#pragma once

#include <string>
#include <string_view>

#include "rules/rules.h"
#include "rules/sfen.h"

namespace qz::bench {

// A busy middle game: both rooks and a horse in play, pieces in both hands.
constexpr const char* kBusy =
    "l6nl/5+R1k1/4pp1pp/p5p2/2P6/P3P4/1P1P1PPPP/1+b3S3/LN2KG1NL w RGSPbgsn2p 40";

struct 開始 {
  局面 s;
  bool MAN手番 = true;
};

// The text must be a valid SFEN: benchmarks use fixed texts only.
inline 開始 読む(std::string_view sfen) {
  const auto p = SFEN読込(sfen);
  開始 r;
  局面に置く(*p, r.s);
  勢力調査(r.s);
  調査_2歩フラグ設定(r.s);
  r.MAN手番 = p->MAN手番;
  return r;
}

}  // namespace qz::bench
