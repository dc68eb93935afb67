// Reading command lines and handing each to its handler.
#include <exception>
#include <istream>
#include <ostream>

#include "engine/engine.h"

namespace qz {

// Handlers of the rules commands (engine/commands.cpp).
void commandUsi(EngineState&, const CommandLine&, std::ostream&);
void commandIsReady(EngineState&, const CommandLine&, std::ostream&);
void commandSetOption(EngineState&, const CommandLine&, std::ostream&);
void commandNewGame(EngineState&, const CommandLine&, std::ostream&);
void commandPosition(EngineState&, const CommandLine&, std::ostream&);
void commandDiagram(EngineState&, const CommandLine&, std::ostream&);
void commandLegal(EngineState&, const CommandLine&, std::ostream&);
void commandInfluence(EngineState&, const CommandLine&, std::ostream&);
void commandMated(EngineState&, const CommandLine&, std::ostream&);
void commandPerft(EngineState&, const CommandLine&, std::ostream&);

namespace {

struct Command {
  std::string_view name;
  CommandHandler handler;
};

// Every command but `quit`, which handleCommand answers itself.
constexpr Command kCommands[] = {
    {"usi", commandUsi},
    {"isready", commandIsReady},
    {"setoption", commandSetOption},
    {"usinewgame", commandNewGame},
    {"position", commandPosition},
    {"d", commandDiagram},
    {"legal", commandLegal},
    {"influence", commandInfluence},
    {"mated", commandMated},
    {"perft", commandPerft},
    // The computer player (engine/computer_commands.cpp).
    {"go", commandGo},
    {"evals", commandEvals},
};

// Longest line kept; the rest of a longer line is read and dropped.
constexpr std::size_t kMaxLine = 1 << 20;

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::vector<std::string_view> splitWords(std::string_view s) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && isBlank(s[i])) ++i;
    const std::size_t start = i;
    while (i < s.size() && !isBlank(s[i])) ++i;
    if (i > start) words.push_back(s.substr(start, i - start));
  }
  return words;
}

// Reads one line (without its end) into line; false at the end of input
// with nothing read. tooLong tells that the line was cut at kMaxLine.
bool readLine(std::istream& in, std::string& line, bool& tooLong) {
  line.clear();
  tooLong = false;
  std::streambuf* buf = in.rdbuf();
  if (buf == nullptr) return false;
  bool any = false;
  for (;;) {
    const auto ch = buf->sbumpc();
    if (ch == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return any;
    }
    any = true;
    if (ch == '\n') return true;
    if (line.size() < kMaxLine)
      line.push_back(static_cast<char>(ch));
    else
      tooLong = true;
  }
}

// Length of the valid UTF-8 sequence starting at s[i], or 0.
std::size_t utf8Length(std::string_view s, std::size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  std::size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  return n;
}

}  // namespace

std::string printable(std::string_view text, std::size_t limit) {
  std::string r;
  std::size_t i = 0;
  while (i < text.size()) {
    if (r.size() >= limit) {
      r += "...";
      break;
    }
    const std::size_t n = utf8Length(text, i);
    const auto b = static_cast<unsigned char>(text[i]);
    if (n == 0 || (n == 1 && (b < 0x20 || b == 0x7F))) {
      r += '?';
      ++i;
    } else {
      r.append(text.substr(i, n));
      i += n;
    }
  }
  return r;
}

bool handleCommand(EngineState& state, std::string_view line, std::ostream& out) {
  CommandLine command{line, splitWords(line)};
  if (command.words.empty()) return true;
  const std::string_view name = command.words[0];
  if (name == "quit") return false;
  try {
    for (const Command& c : kCommands) {
      if (c.name == name) {
        c.handler(state, command, out);
        out.flush();
        return true;
      }
    }
    out << "info string unknown command: " << printable(line) << '\n';
  } catch (const std::exception& e) {
    out << "info string could not complete " << printable(name) << ": " << e.what() << '\n';
  }
  out.flush();
  return true;
}

// While a search runs beside the reader: `stop` ends it, `isready` is
// answered at once, and any other line waits for it to end. False for `quit`.
bool duringSearch(EngineState& state, std::string_view line, std::ostream& out) {
  const auto words = splitWords(line);
  if (words.empty()) return true;
  if (words[0] == "quit") {
    waitForSearch(state, true);
    return false;
  }
  if (words[0] == "stop") {
    waitForSearch(state, true);
    return true;
  }
  if (words[0] == "isready") {
    std::lock_guard g(state.作業->出力);
    out << "readyok\n" << std::flush;
    return true;
  }
  waitForSearch(state, false);
  return true;
}

void runEngine(std::istream& in, std::ostream& out, EngineState& state) {
  state.背景探索 = true;
  std::string line;
  bool tooLong = false;
  struct AtEnd {  // the end of input waits for a search, or stops one without limits
    EngineState& st;
    ~AtEnd() { waitForSearch(st, st.作業 && st.作業->無制限); }
  } atEnd{state};
  while (readLine(in, line, tooLong)) {
    if (state.作業) {
      std::string_view l = line;
      if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
      if (!duringSearch(state, l, out)) return;
      if (state.作業) continue;  // isready
      if (l.empty() || splitWords(l)[0] == "stop") continue;
    }
    if (tooLong) {
      out << "info string line too long (more than " << kMaxLine << " bytes); ignored\n"
          << std::flush;
      continue;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();  // CR LF input
    if (!handleCommand(state, line, out)) return;
  }
}

}  // namespace qz
