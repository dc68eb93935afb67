// `go` at the searching player's levels: USI `info` lines, on
// the clock when `go` gives one. Under
// runEngine standard input is read on a thread of its own, so `stop` and
// `quit` reach the search while it runs.
#include <charconv>
#include <ostream>

#include "computer/time_control.h"
#include "computer/trans_table.h"
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

// Reads the clock words of `go` (btime, wtime, binc, winc, byoyomi) into t;
// true when there was at least one.
bool 時計を読む(const CommandLine& line, std::ostream& out, 持ち時間& t) {
  struct 欄 {
    std::string_view 名;
    std::int64_t 持ち時間::*値;
  };
  static constexpr 欄 欄一覧[] = {{"btime", &持ち時間::残りMAN},   {"wtime", &持ち時間::残りCOM},
                                  {"binc", &持ち時間::加算MAN},    {"winc", &持ち時間::加算COM},
                                  {"byoyomi", &持ち時間::秒読み}};
  bool あり = false;
  const auto& w = line.words;
  for (std::size_t i = 1; i < w.size(); ++i)
    for (const 欄& f : 欄一覧) {
      if (w[i] != f.名) continue;
      const auto v = i + 1 < w.size() ? 数(w[i + 1]) : std::nullopt;
      if (!v) {
        out << "info string go " << f.名 << " needs a whole number of ms; ignored\n";
        break;
      }
      t.*f.値 = *v;
      あり = true;
      ++i;
      break;
    }
  return あり;
}

// The limits of one `go`: movetime, depth or nodes when given (then only
// those), none but `stop` for `infinite`, the share of the clock when the
// clock is given (with a ladder level's nodes), else the level's limit. A
// depth past the deepest (60) is the deepest. Only a search by time keeps
// the table of the searches before it; a level by time skips hopeless quiet
// moves unless a depth or a node limit asks for the whole tree.
探索条件 条件を読む(const EngineState& st, const CommandLine& line, std::ostream& out,
                    止め方& 止め, bool& 時計で) {
  探索条件 c = レベル条件(st.COMレベル);
  bool 指定 = false, 深さ指定 = false;
  std::int64_t 時間 = 0;
  std::uint64_t 節点 = 0;
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
    if (w[i] == "nodes") 節点 = static_cast<std::uint64_t>(std::max<std::int64_t>(*v, 1));
    ++i;
  }
  持ち時間 時計;
  時計で = false;
  if (指定) {
    // Given limits replace the level's, node limit and its one thread too.
    c.時間上限ms = 時間;
    c.節点上限 = 節点;
    c.糸数上限 = 0;
  } else if ((時計で = 時計を読む(line, out, 時計)))
    時間を当てる(c, 時間を配る(時計, st.MAN手番(), st.対局値.手数));
  if (st.探索節点上限 != 0 && (c.節点上限 == 0 || c.節点上限 > st.探索節点上限))
    c.節点上限 = st.探索節点上限;
  if (st.探索時間上限ms != 0 && (c.時間上限ms == 0 || c.時間上限ms > st.探索時間上限ms))
    c.時間上限ms = st.探索時間上限ms;
  c.目安ms = std::min(c.目安ms, c.時間上限ms);
  // Given limits and node caps ask for a search that is the same in every run.
  c.表を残す = c.表を残す && !指定 && c.節点上限 == 0;
  // A depth or node limit asks for the whole tree, as every level by nodes searches.
  c.刈り込む = c.刈り込む && !深さ指定 && c.節点上限 == 0;
  c.候補数 = st.候補数;
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

std::string 筋の表記(const std::vector<指し手>& 筋) {
  std::string s;
  if (!筋.empty()) s += " pv";
  for (const 指し手& m : 筋) s += " " + USI表記(m);
  return s;
}

// The USI info line of one finished depth; with MultiPV above 1, one line
// for each of its best root moves, numbered from 1.
std::string 情報行(const 探索報告& r, int 候補数) {
  const std::string 量 =
      " nodes " + std::to_string(r.節点) + " nps " +
      std::to_string(r.節点 * 1000 / static_cast<std::uint64_t>(std::max<std::int64_t>(r.経過ms, 1))) +
      " time " + std::to_string(r.経過ms);
  const std::string 深さ = "info depth " + std::to_string(r.深さ);
  if (候補数 <= 1 || r.候補.empty()) return 深さ + " score " + 点の表記(r.評価) + 量 + 筋の表記(r.読み筋) + "\n";
  std::string s;
  for (std::size_t k = 0; k < r.候補.size(); ++k)
    s += 深さ + " multipv " + std::to_string(k + 1) + " score " + 点の表記(r.候補[k].評価) + 量 +
         筋の表記(r.候補[k].読み筋) + "\n";
  return s;
}

// Runs one search and writes its info lines.
深探索結果 探して書く(深探索& 器, const 思考依頼& 依頼, 探索条件 c, std::ostream& out) {
  c.報告 = [&](const 探索報告& r) { out << 情報行(r, c.候補数) << std::flush; };
  return 器.探索(依頼.写し, 依頼.MAN手番, 依頼.既出, c);
}

}  // namespace

void commandDeepGo(EngineState& st, const CommandLine& line, std::ostream& out) {
  最新化(st);
  止め方 止め = 止め方::時間;
  bool 時計で = false;
  探索条件 c = 条件を読む(st, line, out, 止め, 時計で);
  // A `stop` or `quit` read behind the search ends it, but one that was
  // already there does not end a search of fixed depth or nodes; the end of
  // input ends a search that nothing else would.
  const int 先に来た停止 = 止め == 止め方::量 && st.停止数 ? st.停止数(true) : 0;
  c.停止確認 = [&st, 止め, 先に来た停止] {
    return (st.停止数 && st.停止数(false) > 先に来た停止) ||
           (止め == 止め方::停止のみ && st.入力終了 && st.入力終了());
  };
  const 思考依頼 依頼 = st.対局値.手番側の思考依頼(c);
  const 深探索結果 r = 探して書く(探索器を用意(st), 依頼, c, out);
  // Only a game on a clock is given up; an analysis always gets its move.
  const bool 投げる = 時計で && st.投了.投了するか(st.COMレベル, r);
  out << "bestmove " << (r.指し手あり && !投げる ? USI表記(r.最善) : std::string("resign")) << '\n'
      << std::flush;
}

探索条件 goの探索条件(const EngineState& st, const CommandLine& line, std::ostream& out) {
  止め方 止め = 止め方::時間;
  bool 時計で = false;
  return 条件を読む(st, line, out, 止め, 時計で);
}

深探索& 探索器を用意(EngineState& st) {
  const int ビット = std::clamp(st.探索表ビット, 置換表::最小ビット, 置換表::最大ビット);
  if (!st.探索器)
    st.探索器 = std::make_shared<深探索>(ビット);
  else if (st.探索器->表ビット() != ビット)
    st.探索器->表の大きさ(ビット);
  st.探索器->糸数を設定(std::clamp(st.探索糸数, 1, st.糸数上限));
  return *st.探索器;
}

}  // namespace qz
