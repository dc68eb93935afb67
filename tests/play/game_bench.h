// A Form1 on fakes for playing whole games in tests: message boxes answered
// from a script, sounds named by their file, a clock the test moves, and a
// surface that records what was drawn. Clicks are given as grid cells.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "display/recording_surface.h"
#include "play/form1.h"
#include "play/platform.h"

namespace qz::game_testing {

// One thing Form1 did that a player would notice: a box or a sound.
struct Event {
  std::string kind;  // "box" or "sound"
  std::string text;  // the prompt, or the sound's file name
  std::string title;
  bool operator==(const Event&) const = default;
};
inline void PrintTo(const Event& e, std::ostream* os) {
  *os << e.kind << "(" << e.text << (e.title.empty() ? "" : " / " + e.title) << ")";
}

class Menu_ : public Menu {
 public:
  bool itemChecked(MenuItem item) const override { return checks.count(item) && checks.at(item); }
  void setItemChecked(MenuItem item, bool on) override { checks[item] = on; }
  bool itemEnabled(MenuItem) const override { return true; }
  void setItemEnabled(MenuItem, bool) override {}
  std::map<MenuItem, bool> checks;
};

class Messages_ : public MessageBoxes {
 public:
  explicit Messages_(std::vector<Event>& events) : events_(events) {}
  Answer ask(const std::string& prompt, const std::string& title, Buttons buttons, Icon) override {
    events_.push_back({"box", prompt, title});
    // Something that happens while the box is open (a timer tick, a click).
    if (whileOpen) whileOpen();
    if (buttons == Buttons::OK) return Answer::OK;
    if (yesNo.empty()) return Answer::Yes;
    const Answer a = yesNo.front();
    yesNo.pop_front();
    return a;
  }
  std::deque<Answer> yesNo;
  std::function<void()> whileOpen;

 private:
  std::vector<Event>& events_;
};

class Sound_ : public Sound {
 public:
  explicit Sound_(std::vector<Event>& events) : events_(events) {}
  void 初期化_サウンド() override {}
  std::int32_t 読込_サウンド(const std::string& name, std::int32_t) override {
    names.push_back(name);
    return static_cast<std::int32_t>(names.size());
  }
  void 終了_サウンド() override { terminated = true; }
  std::int32_t dsPlay(std::int32_t b) override {
    if (b >= 1 && b <= static_cast<std::int32_t>(names.size()))
      events_.push_back({"sound", names[b - 1], ""});
    return 0;
  }
  std::int32_t dsPlayLooping(std::int32_t) override { return 0; }
  std::int32_t dsStop(std::int32_t) override { return 0; }
  std::int32_t dsFree(std::int32_t) override {
    ++freed;
    return 0;
  }
  std::vector<std::string> names;
  bool terminated = false;
  int freed = 0;

 private:
  std::vector<Event>& events_;
};

class Timer_ : public Timer {
 public:
  bool enabled() const override { return on; }
  void setEnabled(bool v) override { on = v; }
  bool on = false;
};

class Clock_ : public Clock {
 public:
  double secondsSinceMidnight() override {
    const double t = now;
    now += perRead;
    return t;
  }
  double now = 36000;
  double perRead = 0;  // how far the clock moves on at each reading
};

class Panel_ : public RecordPanel {
 public:
  void setListsVisible(bool, bool, bool) override {}
  void setTextPanelVisible(bool) override {}
};

class Settings_ : public SettingsStore {
 public:
  std::optional<std::vector<std::string>> readLines() override { return lines; }
  bool writeLines(const std::vector<std::string>& l) override {
    lines = l;
    return true;
  }
  std::optional<std::vector<std::string>> lines =
      std::vector<std::string>{"背景画=緑", "移動指導=ON", "経過時間=ON", "BGM=OFF"};
};

class Window_ : public Window {
 public:
  void setBackColour(int) override {}
  bool maximized() const override { return false; }
  void place(int, int, int, int) override {}
  void endProgram() override {
    ended = true;
    throw ProgramEnded{};
  }
  bool ended = false;
};

// A started program: Form_Load has run. The panel may be prepared before
// the program starts (a record test points it at a folder).
template <class PanelT>
struct BasicGame {
  std::vector<Event> events;
  RecordingSurface surface;
  Menu_ menu;
  Messages_ messages{events};
  Sound_ sound{events};
  Timer_ timer;
  Clock_ clock;
  PanelT panel;
  Settings_ settings;
  Window_ window;
  Form1 form{Platform{surface, menu, messages, sound, timer, clock, panel, settings, window}};

  explicit BasicGame(const std::function<void(PanelT&)>& prepare = {}) {
    if (prepare) prepare(panel);
    form.Form_Load();
  }

  // A press of the given button inside grid cell (x, y).
  void click(int x, int y, int button = ボタン_左) {
    form.Form_MouseDown(button, 0, 盤左端 + 桝幅 * x + 100, 盤上端 + 桝高 * y + 100);
  }
  // A move on the board, or a drop when (fx, fy) is a stand cell.
  void move(int fx, int fy, int tx, int ty, int button = ボタン_左) {
    click(fx, fy);
    click(tx, ty, button);
  }
  // The events since the last call, and forget them.
  std::vector<Event> take() {
    std::vector<Event> r;
    r.swap(events);
    return r;
  }
  int at(int x, int y) const { return form.対局値.局.盤面[x][y]; }
  // The surface operations since the last call, and forget them.
  std::vector<RecordingSurface::Op> takeOps() {
    std::vector<RecordingSurface::Op> r;
    r.swap(surface.ops);
    return r;
  }
};
using Game = BasicGame<Panel_>;

inline Event box(std::string prompt, std::string title) {
  return {"box", std::move(prompt), std::move(title)};
}
inline Event sound(std::string file) {
  return {"sound", std::move(file), ""};
}

// The picture last painted at cell (x, y) among the given operations, if any.
inline std::optional<Picture> lastPictureAt(const std::vector<RecordingSurface::Op>& ops, int x,
                                            int y) {
  std::optional<Picture> r;
  for (const auto& op : ops)
    if (op.kind == RecordingSurface::Kind::Picture && op.x == 盤左端 + 桝幅 * x &&
        op.y == 盤上端 + 桝高 * y)
      r = op.picture;
  return r;
}

// The colours cell (x, y) was outlined in, in order.
inline std::vector<int> outlinesAt(const std::vector<RecordingSurface::Op>& ops, int x, int y) {
  std::vector<int> r;
  for (const auto& op : ops)
    if (op.kind == RecordingSurface::Kind::Box && op.x == 盤左端 + 桝幅 * x &&
        op.y == 盤上端 + 桝高 * y)
      r.push_back(op.colour);
  return r;
}

inline std::vector<std::string> textsOf(const std::vector<RecordingSurface::Op>& ops) {
  std::vector<std::string> r;
  for (const auto& op : ops)
    if (op.kind == RecordingSurface::Kind::Text) r.push_back(op.text);
  return r;
}

}  // namespace qz::game_testing
