// The rules commands of the engine: set-up, positions, moves, the map,
// mate and perft.
#include <charconv>
#include <chrono>
#include <functional>
#include <ostream>

#include "computer/trans_table.h"
#include "engine/engine.h"
#include "rules/sfen.h"

namespace qz {
namespace {

// Levels 1 to the largest number of レベル一覧: every number between is a level.
constexpr int 最小レベル = 1, 最大レベル = 最大レベル番号();

std::optional<int> toInt(std::string_view s) {
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc{} || end != s.data() + s.size()) return std::nullopt;
  return v;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

void 表を書く(std::ostream& out, std::string_view 名, const 盤配列& a) {
  out << 名 << '\n';
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) out << (x > 1 ? " " : "") << a[x][y];
    out << '\n';
  }
}

std::string 手駒の文字(const 持駒& h, bool 上) {
  const std::string s = 持駒のSFEN(h, 上);
  return s.empty() ? "-" : s;
}

}  // namespace

void 最新化(EngineState& st) {
  勢力調査(st.現局面());
  調査_2歩フラグ設定(st.現局面());
}

局面 開始局面() {
  局面 s;
  初期配置(s);
  return s;
}

対局 開始時の対局() {
  対局 g;
  g.初期化();
  return g;
}

void resetEngine(EngineState& state) {
  EngineState fresh;
  fresh.COMレベル = state.COMレベル;
  fresh.perft上限 = state.perft上限;
  fresh.perft局面上限 = state.perft局面上限;
  fresh.perft秒上限 = state.perft秒上限;
  fresh.停止猶予秒 = state.停止猶予秒;
  fresh.停止数 = std::move(state.停止数);
  fresh.入力終了 = std::move(state.入力終了);
  fresh.探索節点上限 = state.探索節点上限;
  fresh.探索時間上限ms = state.探索時間上限ms;
  fresh.探索表ビット = state.探索表ビット;
  fresh.ハッシュMB = state.ハッシュMB;
  fresh.探索糸数 = state.探索糸数;
  fresh.候補数 = state.候補数;
  fresh.糸数上限 = state.糸数上限;
  fresh.ハッシュ上限MB = state.ハッシュ上限MB;
  fresh.探索器 = state.探索器;
  state = std::move(fresh);
}

std::string 勝った側(const EngineState& st) {
  const 局面& s = st.現局面();
  if (s.勝者 == 0) return "";
  return s.勝者 == s.手番値_MAN ? "b (lower, MAN)" : "w (upper, COM)";
}

bool applyMoveText(EngineState& st, std::string_view text) {
  const auto m = USI指し手読込(text, st.現局面().盤面, st.MAN手番());
  if (!m || st.対局値.指し手検査(*m) != 着手拒否::なし) return false;
  st.対局値.指す(*m);
  return true;
}

namespace {

// A spin option of `usi` and `setoption`: its name, default, range and the
// field of the engine state it sets.
struct 数の設定 {
  std::string_view 名;
  int 既定, 最小;
  int (*最大)(const EngineState&);
  int EngineState::*値;
};

constexpr 数の設定 kOptions[] = {
    {"Level", 3, 最小レベル, [](const EngineState&) { return 最大レベル; }, &EngineState::COMレベル},
    {"Threads", 1, 1, [](const EngineState& s) { return s.糸数上限; }, &EngineState::探索糸数},
    {"USI_Hash", 16, 1, [](const EngineState& s) { return s.ハッシュ上限MB; },
     &EngineState::ハッシュMB},
    {"MultiPV", 1, 1, [](const EngineState&) { return 600; }, &EngineState::候補数},
};

}  // namespace

void commandUsi(EngineState& st, const CommandLine&, std::ostream& out) {
  out << "id name QZ 氷結将棋\n"
      << "id author the QZ 氷結将棋 developers\n";
  for (const 数の設定& o : kOptions)
    out << "option name " << o.名 << " type spin default " << o.既定 << " min " << o.最小
        << " max " << o.最大(st) << '\n';
  out << "usiok\n";
}

void commandIsReady(EngineState&, const CommandLine&, std::ostream& out) {
  out << "readyok\n";
}

// setoption name <Level|Threads|USI_Hash|MultiPV> value N
void commandSetOption(EngineState& st, const CommandLine& c, std::ostream& out) {
  const auto& w = c.words;
  if (w.size() < 3 || w[1] != "name") {
    out << "info string usage: setoption name <Level|Threads|USI_Hash|MultiPV> value <n>\n";
    return;
  }
  const 数の設定* o = nullptr;
  for (const 数の設定& x : kOptions)
    if (equalsIgnoreCase(w[2], x.名)) o = &x;
  if (o == nullptr) {
    out << "info string unknown option: " << printable(w[2]) << '\n';
    return;
  }
  const auto v = w.size() == 5 && w[3] == "value" ? toInt(w[4]) : std::nullopt;
  if (!v || *v < o->最小 || *v > o->最大(st)) {
    out << "info string " << o->名 << " must be a whole number from " << o->最小 << " to "
        << o->最大(st) << "; it stays " << st.*(o->値) << '\n';
    return;
  }
  st.*(o->値) = *v;
  if (o->値 == &EngineState::ハッシュMB) st.探索表ビット = 表ビット数(*v);
}

// gameover win|lose|draw: the GUI's word that a game has ended; nothing to do.
void commandGameOver(EngineState&, const CommandLine& c, std::ostream& out) {
  const auto& w = c.words;
  if (w.size() != 2 || (w[1] != "win" && w[1] != "lose" && w[1] != "draw"))
    out << "info string usage: gameover win|lose|draw\n";
}

void commandNewGame(EngineState& st, const CommandLine&, std::ostream&) {
  resetEngine(st);
}

// position startpos | sfen <board> <side> <hands> [<n>]  [moves m1 m2 ...]
void commandPosition(EngineState& st, const CommandLine& c, std::ostream& out) {
  const auto& w = c.words;
  std::size_t i = 2;
  std::optional<SFEN局面> p;
  SFEN不備 不備;
  if (w.size() >= 2 && w[1] == "startpos") {
    p = SFEN読込(開始SFEN);
  } else if (w.size() >= 2 && w[1] == "sfen") {
    while (i < w.size() && w[i] != "moves") ++i;
    const std::string_view 先頭 = w.size() > 2 ? w[2] : std::string_view{};
    const char* 末尾 = i < w.size() ? w[i].data() : c.text.data() + c.text.size();
    const std::string_view fields =
        先頭.empty() ? std::string_view{} : std::string_view(先頭.data(), 末尾 - 先頭.data());
    p = SFEN読込(fields, &不備);
    if (!p) {
      out << "info string bad sfen: " << printable(SFEN不備の英文(不備))
          << "; the position is unchanged\n";
      return;
    }
  } else {
    out << "info string usage: position startpos|sfen <sfen> [moves ...]; the position is "
           "unchanged\n";
    return;
  }
  if (i < w.size() && w[i] != "moves") {
    out << "info string expected 'moves' after the position, not " << printable(w[i])
        << "; the position is unchanged\n";
    return;
  }
  // The map (with the cells a survey keeps) and the king squares carry over,
  // as they do in the game; the board, hands and turn are the new ones.
  st.対局値.局面から始める(p->盤面, p->持駒_MAN, p->持駒_COM, p->MAN手番, p->手数 - 1);
  for (++i; i < w.size(); ++i) {
    if (!applyMoveText(st, w[i])) {
      out << "info string illegal move " << printable(w[i]) << '\n';
      break;
    }
  }
  最新化(st);
}

void commandDiagram(EngineState& st, const CommandLine&, std::ostream& out) {
  const 局面& s = st.現局面();
  out << "   ";
  for (int x = 1; x <= 9; ++x) out << "  " << 10 - x;
  out << '\n';
  for (int y = 1; y <= 9; ++y) {
    out << ' ' << static_cast<char>('a' + y - 1) << ' ';
    for (int x = 1; x <= 9; ++x) {
      const int v = s.盤面[x][y];
      if (!駒コード(v)) {
        out << "  .";
        continue;
      }
      const char l = 駒文字(v);
      out << ' ' << (std::abs(v) % 10 == 1 ? '+' : ' ')
          << (v < 0 ? l : static_cast<char>(l - 'A' + 'a'));
    }
    out << '\n';
  }
  if (const std::string 勝 = 勝った側(st); !勝.empty())
    out << "game over: " << 勝 << " has taken the king and won\n";
  out << "hand b (lower, MAN): " << 手駒の文字(s.持駒_MAN, true) << '\n'
      << "hand w (upper, COM): " << 手駒の文字(s.持駒_COM, false) << '\n'
      << "to move: " << (st.MAN手番() ? "b (lower, MAN)" : "w (upper, COM)") << '\n'
      << "sfen " << SFEN書出(s.盤面, s.持駒_MAN, s.持駒_COM, st.MAN手番(), st.SFEN手数()) << '\n';
}

void commandLegal(EngineState& st, const CommandLine&, std::ostream& out) {
  最新化(st);
  int n = 0;
  if (st.現局面().勝者 != 0) {
    out << "legal 0\n";  // the game is over
    return;
  }
  合法手列挙(st.現局面(), st.MAN手番(), [&](const 指し手& m) {
    out << USI表記(m) << '\n';
    ++n;
  });
  out << "legal " << n << '\n';
}

void commandInfluence(EngineState& st, const CommandLine&, std::ostream& out) {
  最新化(st);
  const 勢力表& t = st.現局面().表;
  表を書く(out, "勢力_MAN", t.勢力_MAN);
  表を書く(out, "勢力_COM", t.勢力_COM);
  表を書く(out, "守駒_MAN", t.守駒_MAN);
  表を書く(out, "守駒_COM", t.守駒_COM);
  表を書く(out, "攻駒_MAN", t.攻駒_MAN);
  表を書く(out, "攻駒_COM", t.攻駒_COM);
  表を書く(out, "王手駒マップ_MAN", t.王手駒マップ_MAN);
  表を書く(out, "王手駒マップ_COM", t.王手駒マップ_COM);
}

void commandMated(EngineState& st, const CommandLine&, std::ostream& out) {
  最新化(st);
  // The side whose king has been taken has lost: it counts as mated.
  局面& s = st.現局面();
  const int man = s.勝者 == s.手番値_COM ? 1 : s.勝者 != 0 ? 0 : 詰めかMAN(s);
  const int com = s.勝者 == s.手番値_MAN ? 1 : s.勝者 != 0 ? 0 : 詰めかCOM(s);
  out << "mated man " << man << " com " << com << '\n';
}

void commandPerft(EngineState& st, const CommandLine& c, std::ostream& out) {
  const auto d = c.words.size() == 2 ? toInt(c.words[1]) : std::nullopt;
  if (!d || *d < 0 || *d > st.perft上限) {
    out << "info string perft needs one depth from 0 to " << st.perft上限 << '\n';
    return;
  }
  最新化(st);
  using 時計 = std::chrono::steady_clock;
  const auto 開始 = 時計::now();
  const auto 経過秒 = [&] { return std::chrono::duration<double>(時計::now() - 開始).count(); };
  enum class 止め { なし, 時間, 要求 } 理由 = 止め::なし;
  const std::function<bool()> 打ち切る = [&] {
    const double 秒 = 経過秒();
    if (秒 >= st.perft秒上限)
      理由 = 止め::時間;
    else if (秒 >= st.停止猶予秒 && st.停止数 && st.停止数(false) > 0)
      理由 = 止め::要求;
    return 理由 != 止め::なし;
  };
  const auto n = perft(st.現局面(), st.MAN手番(), *d, st.perft局面上限, 打ち切る);
  if (n) {
    out << "perft " << *d << ' ' << *n << '\n';
  } else if (理由 == 止め::要求) {
    out << "info string perft " << *d << " stopped on request\n";
  } else if (理由 == 止め::時間) {
    out << "info string perft " << *d << " stopped after " << st.perft秒上限
        << " seconds; try a smaller depth\n";
  } else {
    out << "info string perft " << *d << " stopped after " << st.perft局面上限
        << " positions; try a smaller depth\n";
  }
}

// `stop` ends a long command while it runs (runEngine sees it coming);
// between commands there is nothing to stop.
void commandStop(EngineState&, const CommandLine&, std::ostream&) {}

}  // namespace qz
