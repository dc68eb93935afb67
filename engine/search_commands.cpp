// `go` at levels 4 and 5: the searching player with USI `info` lines. Under
// runEngine standard input is read on a thread of its own, so `stop` and
// `quit` reach the search while it runs.
#include <charconv>
#include <ostream>

#include "engine/engine.h"
#include "rules/sfen.h"

namespace qz {
namespace {

std::optional<std::int64_t> 数(std::string_view s) {
  std::int64_t v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc{} || end != s.data() + s.size() || v < 0) return std::nullopt;
  return v;
}

// What ends a search besides its own limits: a search limited by time, or
// by nothing but `stop`, ends on any `stop` or `quit`; one limited by depth
// or nodes alone, which gives the same answer every time, only on one sent
// after it started.
enum class 止め方 { 時間, 量, 停止のみ };

// The limits of one `go`: the level's time unless movetime, depth or nodes
// is given (then only those), none but `stop` for `infinite`. A depth past
// the deepest (60) is the deepest.
探索条件 条件を読む(const EngineState& st, const CommandLine& line, std::ostream& out,
                    止め方& 止め) {
  探索条件 c = レベル条件(st.COMレベル);
  bool 指定 = false, 深さ指定 = false;
  std::int64_t 時間 = 0;
  const auto& w = line.words;
  for (std::size_t i = 1; i < w.size(); ++i) {
    if (w[i] == "infinite") {
      指定 = true;
      continue;
    }
    if (w[i] != "movetime" && w[i] != "depth" && w[i] != "nodes") continue;
    const auto v = i + 1 < w.size() ? 数(w[i + 1]) : std::nullopt;
    if (!v) {
      out << "info string go " << w[i] << " needs a whole number; ignored\n";
      continue;
    }
    指定 = true;
    if (w[i] == "movetime") 時間 = std::max<std::int64_t>(*v, 1);
    if (w[i] == "depth") {
      c.深さ上限 = static_cast<int>(std::clamp<std::int64_t>(*v, 1, 探索条件{}.深さ上限));
      深さ指定 = true;
    }
    if (w[i] == "nodes") c.節点上限 = static_cast<std::uint64_t>(std::max<std::int64_t>(*v, 1));
    ++i;
  }
  if (指定) c.時間上限ms = 時間;
  if (st.探索節点上限 != 0 && (c.節点上限 == 0 || c.節点上限 > st.探索節点上限))
    c.節点上限 = st.探索節点上限;
  if (st.探索時間上限ms != 0 && (c.時間上限ms == 0 || c.時間上限ms > st.探索時間上限ms))
    c.時間上限ms = st.探索時間上限ms;
  止め = c.時間上限ms != 0             ? 止め方::時間
         : c.節点上限 != 0 || 深さ指定 ? 止め方::量
                                       : 止め方::停止のみ;
  return c;
}

std::string 点の表記(int v) {
  if (std::abs(v) < 勝敗境) return "cp " + std::to_string(v);
  const int 手 = 勝ち点 - std::abs(v);
  return "mate " + std::to_string(v > 0 ? 手 : -手);
}

// The USI info line of one finished depth.
std::string 情報行(const 探索報告& r) {
  std::string s = "info depth " + std::to_string(r.深さ) + " score " + 点の表記(r.評価) +
                  " nodes " + std::to_string(r.節点) + " nps " +
                  std::to_string(r.節点 * 1000 /
                                 static_cast<std::uint64_t>(std::max<std::int64_t>(r.経過ms, 1))) +
                  " time " + std::to_string(r.経過ms);
  if (!r.読み筋.empty()) {
    s += " pv";
    for (const 指し手& m : r.読み筋) s += " " + USI表記(m);
  }
  return s + "\n";
}

// Runs one search and writes its info lines and its best move.
void 探して書く(深探索& 器, const 局面& s, bool MAN手番, const std::vector<局面キー>& 既出,
                探索条件 c, std::ostream& out) {
  auto 書く = [&](const std::string& text) { out << text << std::flush; };
  c.報告 = [&](const 探索報告& r) { 書く(情報行(r)); };
  const 深探索結果 r = 器.探索(s, MAN手番, 既出, c);
  書く("bestmove " + (r.指し手あり ? USI表記(r.最善) : std::string("resign")) + "\n");
}

}  // namespace

void commandDeepGo(EngineState& st, const CommandLine& line, std::ostream& out) {
  最新化(st);
  止め方 止め = 止め方::時間;
  探索条件 c = 条件を読む(st, line, out, 止め);
  // A `stop` or `quit` read behind the search ends it, but one that was
  // already there does not end a search of fixed depth or nodes; the end of
  // input ends a search that nothing else would.
  const int 先に来た停止 = 止め == 止め方::量 && st.停止数 ? st.停止数(true) : 0;
  c.停止確認 = [&st, 止め, 先に来た停止] {
    return (st.停止数 && st.停止数(false) > 先に来た停止) ||
           (止め == 止め方::停止のみ && st.入力終了 && st.入力終了());
  };
  if (!st.探索器) st.探索器 = std::make_shared<深探索>(st.探索表ビット);
  const 思考依頼 依頼 = st.対局値.手番側の思考依頼(c);
  探して書く(*st.探索器, 依頼.写し, 依頼.MAN手番, 依頼.既出, c, out);
}

}  // namespace qz
