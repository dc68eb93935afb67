// Reading command lines and handing each to its handler.
#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <istream>
#include <mutex>
#include <ostream>
#include <thread>

#include "engine/engine.h"

namespace qz {

// Handlers of the rules commands (engine/commands.cpp).
void commandUsi(EngineState&, const CommandLine&, std::ostream&);
void commandIsReady(EngineState&, const CommandLine&, std::ostream&);
void commandSetOption(EngineState&, const CommandLine&, std::ostream&);
void commandNewGame(EngineState&, const CommandLine&, std::ostream&);
void commandGameOver(EngineState&, const CommandLine&, std::ostream&);
void commandPosition(EngineState&, const CommandLine&, std::ostream&);
void commandDiagram(EngineState&, const CommandLine&, std::ostream&);
void commandLegal(EngineState&, const CommandLine&, std::ostream&);
void commandInfluence(EngineState&, const CommandLine&, std::ostream&);
void commandMated(EngineState&, const CommandLine&, std::ostream&);
void commandPerft(EngineState&, const CommandLine&, std::ostream&);
void commandStop(EngineState&, const CommandLine&, std::ostream&);

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
    {"gameover", commandGameOver},
    {"position", commandPosition},
    {"d", commandDiagram},
    {"legal", commandLegal},
    {"influence", commandInfluence},
    {"mated", commandMated},
    {"perft", commandPerft},
    {"stop", commandStop},
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
// idle(true) is called before a read that may wait for more input, since
// none has arrived, and idle(false) once it is over.
bool readLine(std::istream& in, std::string& line, bool& tooLong,
              const std::function<void(bool)>& idle) {
  line.clear();
  tooLong = false;
  std::streambuf* buf = in.rdbuf();
  if (buf == nullptr) return false;
  bool any = false;
  for (;;) {
    const bool waits = buf->in_avail() <= 0;
    if (waits) idle(true);
    const auto ch = buf->sbumpc();
    if (waits) idle(false);
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

// Length of the valid UTF-8 sequence starting at s[i], or 0: overlong
// forms, surrogates and code points past U+10FFFF are not valid.
std::size_t utf8Length(std::string_view s, std::size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  if (b < 0x80) return 1;
  std::size_t n = 0;
  unsigned char 下 = 0x80, 上 = 0xBF;  // the range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3;
    下 = b == 0xE0 ? 0xA0 : 0x80;
    上 = b == 0xED ? 0x9F : 0xBF;
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4;
    下 = b == 0xF0 ? 0x90 : 0x80;
    上 = b == 0xF4 ? 0x8F : 0xBF;
  }
  if (n == 0 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    const auto c = static_cast<unsigned char>(s[i + k]);
    if (c < (k == 1 ? 下 : 0x80) || c > (k == 1 ? 上 : 0xBF)) return 0;
  }
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
    // Control characters, C1 ones (U+0080..U+009F) included, show as '?'.
    const bool 制御 = (n == 1 && (b < 0x20 || b == 0x7F)) ||
                      (n == 2 && b == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0);
    if (n == 0 || 制御) {
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

namespace {

struct 入力行 {
  std::string text;
  bool tooLong = false;
};

// The first word of a line: `stop` and `quit` are seen as they are read.
std::string_view firstWord(std::string_view line) {
  const auto words = splitWords(line);
  return words.empty() ? std::string_view{} : words[0];
}

// Standard input read on a thread of its own, one line ahead of the commands,
// so that a `stop` or `quit` reaches a long command while it runs. Reading
// ends after `quit` or at the end of input.
class LineQueue {
 public:
  explicit LineQueue(std::istream& in) : reader_([this, &in] { read(in); }) {}
  ~LineQueue() { reader_.join(); }
  LineQueue(const LineQueue&) = delete;
  LineQueue& operator=(const LineQueue&) = delete;

  // The next line, or false at the end of input.
  bool next(入力行& line) {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return !lines_.empty() || ended_; });
    if (lines_.empty()) return false;
    line = std::move(lines_.front());
    lines_.pop_front();
    if (isStop(line.text)) --stopsWaiting_;
    return true;
  }
  // How many `stop` and `quit` lines wait behind the running command.
  int stopsWaiting() const { return stopsWaiting_; }
  // Waits until every line that has already arrived on the input has been
  // read: the reader waits for more, or reading has ended.
  void catchUp() {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return idle_ || ended_; });
  }
  // Standard input has ended (lines read before may still wait).
  bool inputEnded() const { return inputEnded_; }

 private:
  static bool isStop(std::string_view line) {
    const std::string_view w = firstWord(line);
    return w == "stop" || w == "quit";
  }
  void read(std::istream& in) {
    入力行 line;
    bool more = true;
    const auto idle = [this](bool now) {
      std::lock_guard lock(mutex_);
      idle_ = now;
      if (now) ready_.notify_all();
    };
    while (more && readLine(in, line.text, line.tooLong, idle)) {
      if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();  // CR LF input
      more = firstWord(line.text) != "quit";
      std::lock_guard lock(mutex_);
      if (isStop(line.text)) ++stopsWaiting_;
      lines_.push_back(std::move(line));
      ready_.notify_all();
    }
    std::lock_guard lock(mutex_);
    ended_ = true;
    inputEnded_ = true;
    ready_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<入力行> lines_;
  bool ended_ = false;
  bool idle_ = false;  // the reader waits for input that has not arrived
  std::atomic<int> stopsWaiting_{0};
  std::atomic<bool> inputEnded_{false};
  std::thread reader_;  // last: it starts once everything above is ready
};

}  // namespace

void runEngine(std::istream& in, std::ostream& out, EngineState& state) {
  LineQueue lines(in);
  state.停止数 = [&lines](bool 到着分まで) {
    if (到着分まで) lines.catchUp();
    return lines.stopsWaiting();
  };
  state.入力終了 = [&lines] { return lines.inputEnded(); };
  入力行 line;
  while (lines.next(line)) {
    if (line.tooLong) {
      out << "info string line too long (more than " << kMaxLine << " bytes); ignored\n"
          << std::flush;
      continue;
    }
    if (!handleCommand(state, line.text, out)) break;
  }
  state.停止数 = nullptr;
  state.入力終了 = nullptr;
}

}  // namespace qz
