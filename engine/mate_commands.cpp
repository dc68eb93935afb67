// `go mate`: whether the side to move takes the enemy king by force,
// checking at every move of its own, at any level. The answer is USI's
// `checkmate <moves>` (the whole line, ending with the king's capture, or
// with the attacker's move when the defender is then left without a move),
// `checkmate nomate` or, when the time or a `stop` came first,
// `checkmate timeout`.
#include <charconv>
#include <ostream>

#include "computer/mate_search.h"
#include "engine/engine.h"
#include "rules/sfen.h"

namespace qz {
namespace {

// The time limit of `go mate <ms>|infinite` in ms (0: none), or nothing
// after saying what is wrong.
std::optional<std::int64_t> 詰み時間を読む(const CommandLine& line, std::ostream& out) {
  const auto& w = line.words;
  if (w.size() == 2 || (w.size() == 3 && w[2] == "infinite")) return 0;
  std::int64_t v = 0;
  if (w.size() == 3) {
    const auto [end, ec] = std::from_chars(w[2].data(), w[2].data() + w[2].size(), v);
    if (ec == std::errc{} && end == w[2].data() + w[2].size() && v > 0) return v;
  }
  out << "info string usage: go mate <ms>|infinite\n";
  return std::nullopt;
}

}  // namespace

void commandMateGo(EngineState& st, const CommandLine& line, std::ostream& out) {
  const auto 時間 = 詰み時間を読む(line, out);
  if (!時間) return;
  if (!勝った側(st).empty()) {
    out << "info string the game is over: " << 勝った側(st) << " has taken the king\n"
        << "checkmate nomate\n";
    return;
  }
  詰み条件 c;
  c.時間上限ms = *時間;
  if (st.探索時間上限ms != 0 && (c.時間上限ms == 0 || c.時間上限ms > st.探索時間上限ms))
    c.時間上限ms = st.探索時間上限ms;
  c.節点上限 = st.探索節点上限;
  const bool 無制限 = c.時間上限ms == 0;
  c.停止確認 = [&st, 無制限] {
    return (st.停止数 && st.停止数(false) > 0) || (無制限 && st.入力終了 && st.入力終了());
  };
  const 思考依頼 依頼 = st.対局値.手番側の思考依頼({});
  詰み探索 器(st.探索表ビット);
  const 詰み結果 r = 器.探す(依頼.写し, 依頼.MAN手番, c);
  out << "info nodes " << r.節点 << " time " << r.経過ms << '\n';
  if (r.判定 == 詰み判定::勝ち) {
    out << "checkmate";
    for (const 指し手& m : r.手順) out << ' ' << USI表記(m);
    out << '\n';
  } else {
    out << (r.判定 == 詰み判定::勝ちなし ? "checkmate nomate\n" : "checkmate timeout\n");
  }
  out << std::flush;
}

}  // namespace qz
