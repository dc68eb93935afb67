// A platform made of fakes that log every call in one list, so that tests
// can check what Form1 did and in which order, and answer its message boxes.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "display/recording_surface.h"
#include "play/form1.h"
#include "play/platform.h"

namespace qz::testing {

struct Log {
  std::vector<std::string> calls;
  void add(std::string s) { calls.push_back(std::move(s)); }
  // Index of the first call equal to s, or -1.
  int find(const std::string& s) const {
    for (std::size_t i = 0; i < calls.size(); ++i)
      if (calls[i] == s) return static_cast<int>(i);
    return -1;
  }
};

class FakeMenu : public Menu {
 public:
  bool itemChecked(MenuItem item) const override { return checks.count(item) && checks.at(item); }
  void setItemChecked(MenuItem item, bool on) override { checks[item] = on; }
  bool itemEnabled(MenuItem item) const override { return !disabled.count(item); }
  void setItemEnabled(MenuItem item, bool on) override {
    if (on)
      disabled.erase(item);
    else
      disabled[item] = true;
  }
  std::map<MenuItem, bool> checks;
  std::map<MenuItem, bool> disabled;
};

class FakeMessages : public MessageBoxes {
 public:
  explicit FakeMessages(Log& log) : log_(log) {}
  struct Shown {
    std::string prompt, title;
    Buttons buttons;
    Icon icon;
  };
  Answer ask(const std::string& prompt, const std::string& title, Buttons buttons,
             Icon icon) override {
    shown.push_back({prompt, title, buttons, icon});
    log_.add("box:" + title);
    if (buttons == Buttons::OK) return Answer::OK;
    Answer a = answers.empty() ? Answer::Yes : answers.front();
    if (!answers.empty()) answers.pop_front();
    return a;
  }
  std::vector<Shown> shown;
  std::deque<Answer> answers;

 private:
  Log& log_;
};

class FakeSound : public Sound {
 public:
  explicit FakeSound(Log& log) : log_(log) {}
  void 初期化_サウンド() override { log_.add("初期化_サウンド"); }
  std::int32_t 読込_サウンド(const std::string& name, std::int32_t count) override {
    log_.add("読込_サウンド:" + name + ":" + std::to_string(count));
    return ++next;
  }
  void 終了_サウンド() override { log_.add("終了_サウンド"); }
  std::int32_t dsPlay(std::int32_t b) override { return op("dsPlay", b); }
  std::int32_t dsPlayLooping(std::int32_t b) override { return op("dsPlayLooping", b); }
  std::int32_t dsStop(std::int32_t b) override { return op("dsStop", b); }
  std::int32_t dsFree(std::int32_t b) override { return op("dsFree", b); }
  std::int32_t next = 0;

 private:
  std::int32_t op(const char* name, std::int32_t b) {
    log_.add(std::string(name) + ":" + std::to_string(b));
    return 0;
  }
  Log& log_;
};

class FakeTimer : public Timer {
 public:
  bool enabled() const override { return on; }
  void setEnabled(bool v) override { on = v; }
  bool on = false;
};

class FakeClock : public Clock {
 public:
  double secondsSinceMidnight() override { return now; }
  double now = 0;
};

class FakePanel : public RecordPanel {
 public:
  explicit FakePanel(Log& log) : log_(log) {}
  void setListsVisible(bool a, bool b, bool c) override {
    log_.add(std::string("lists:") + (a ? "1" : "0") + (b ? "1" : "0") + (c ? "1" : "0"));
  }
  void setTextPanelVisible(bool v) override { log_.add(v ? "text:shown" : "text:hidden"); }

 private:
  Log& log_;
};

class FakeSettings : public SettingsStore {
 public:
  explicit FakeSettings(Log& log) : log_(log) {}
  std::optional<std::vector<std::string>> readLines() override {
    log_.add("settings:read");
    return file;
  }
  bool writeLines(const std::vector<std::string>& lines) override {
    log_.add("settings:write");
    ++writes;
    if (failWrites > 0) {
      --failWrites;
      return false;
    }
    file = lines;
    return true;
  }
  std::string readFailure() const override { return file ? "" : failure; }
  std::optional<std::vector<std::string>> file;
  std::string failure;  // why a file that is there cannot be read
  int writes = 0;
  int failWrites = 0;

 private:
  Log& log_;
};

class FakeWindow : public Window {
 public:
  explicit FakeWindow(Log& log) : log_(log) {}
  void setBackColour(int i) override { log_.add("backColour:" + std::to_string(i)); }
  bool maximized() const override { return isMaximized; }
  void place(int l, int t, int w, int h) override {
    log_.add("place:" + std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(w) +
             "," + std::to_string(h));
  }
  void endProgram() override {
    log_.add("end");
    throw ProgramEnded{};
  }
  bool isMaximized = false;

 private:
  Log& log_;
};

// A Form1 on fakes; the surface records what was drawn.
struct Bench {
  Log log;
  RecordingSurface surface;
  FakeMenu menu;
  FakeMessages messages{log};
  FakeSound sound{log};
  FakeTimer timer;
  FakeClock clock;
  FakePanel panel{log};
  FakeSettings settings{log};
  FakeWindow window{log};
  Form1 form{Platform{surface, menu, messages, sound, timer, clock, panel, settings, window}};

  bool checked(MenuItem item) const { return menu.itemChecked(item); }
  // The texts drawn so far.
  std::vector<std::string> texts() const {
    std::vector<std::string> r;
    for (const auto& op : surface.ops)
      if (op.kind == RecordingSurface::Kind::Text) r.push_back(op.text);
    return r;
  }
};

}  // namespace qz::testing
