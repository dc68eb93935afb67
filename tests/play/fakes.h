// Form1 on fakes of its nine platform interfaces, started (Form_Load has run):
// message boxes answered from a script, sounds named by their file, a clock
// the test moves, a record panel with its text boxes, a folder and the
// dialogs' answers, a settings file in memory, and a surface that records
// what was drawn. Clicks are given as grid cells.
#pragma once

#include <array>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "display/recording_surface.h"
#include "play/form1.h"
#include "play/platform.h"
#include "rules/movegen.h"

namespace qz::fakes {

using Lines = std::vector<std::string>;

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
inline Event box(std::string prompt, std::string title) {
  return {"box", std::move(prompt), std::move(title)};
}
inline Event sound(std::string file) {
  return {"sound", std::move(file), ""};
}
inline const Event 駒打 = sound("駒打音.wav");
inline const Event 氷結 = sound("氷結.wav");
inline const Event 禁止 = sound("禁止.wav");

class FakeMenu : public Menu {
 public:
  bool itemChecked(MenuItem item) const override { return checks.count(item) && checks.at(item); }
  void setItemChecked(MenuItem item, bool on) override { checks[item] = on; }
  std::map<MenuItem, bool> checks;
};

class FakeMessages : public MessageBoxes {
 public:
  explicit FakeMessages(std::vector<Event>& events) : events_(events) {}
  Answer ask(const 文面& 問い, const 文面& 題, Buttons buttons, Icon) override {
    const std::string prompt = 問い.日本語();
    events_.push_back(box(prompt, 題.日本語()));
    lastButtons = buttons;
    // Something that happens while the box is open (a timer tick, a click).
    if (whileOpen) whileOpen();
    if (buttons == Buttons::OK) return Answer::OK;
    // The offer to save a finished game is declined unless a test says otherwise.
    if (prompt == "棋譜を保存しますか？" && declineSave) return Answer::No;
    if (yesNo.empty()) return Answer::Yes;
    const Answer a = yesNo.front();
    yesNo.pop_front();
    return a;
  }
  std::deque<Answer> yesNo;
  bool declineSave = true;
  std::function<void()> whileOpen;
  Buttons lastButtons = Buttons::OK;

 private:
  std::vector<Event>& events_;
};

class FakeSound : public Sound {
 public:
  explicit FakeSound(std::vector<Event>& events) : events_(events) {}
  void 初期化_サウンド() override { opened = true; }
  std::int32_t 読込_サウンド(const std::string& name, std::int32_t count) override {
    loaded.push_back(name + ":" + std::to_string(count));
    names.push_back(name);
    return static_cast<std::int32_t>(names.size());
  }
  void 終了_サウンド() override { terminated = true; }
  std::int32_t dsPlay(std::int32_t b) override {
    if (b >= 1 && b <= static_cast<std::int32_t>(names.size()))
      events_.push_back(sound(names[b - 1]));
    return 0;
  }
  std::int32_t dsPlayLooping(std::int32_t b) override {
    looping.insert(b);
    return 0;
  }
  std::int32_t dsStop(std::int32_t b) override {
    looping.erase(b);
    return 0;
  }
  std::int32_t dsFree(std::int32_t b) override {
    freed.push_back(b);
    return 0;
  }
  std::vector<std::string> names;   // the buffer n is names[n - 1]
  std::vector<std::string> loaded;  // "file:copies"
  std::set<std::int32_t> looping;
  std::vector<std::int32_t> freed;
  bool opened = false, terminated = false;

 private:
  std::vector<Event>& events_;
};

class FakeTimer : public Timer {
 public:
  bool enabled() const override { return on; }
  void setEnabled(bool v) override { on = v; }
  bool on = false;
};

class FakeClock : public Clock {
 public:
  double secondsSinceMidnight() override {
    const double t = now;
    now += perRead;
    return t;
  }
  double now = 36000;
  double perRead = 0;  // how far the clock moves on at each reading
};

// Four text boxes, one folder for both lists, the file name the test
// "clicks", the dialogs' answers and a clipboard string.
class FakePanel : public RecordPanel {
 public:
  void setListsVisible(bool a, bool b, bool c) override {
    lists = {a, b, c};
    ++listChanges;
  }
  void setTextPanelVisible(bool v) override {
    if (!v) texts = {};
    textShown = v;
  }
  std::string text(int b) const override {
    return b >= 1 && b <= 4 ? texts[static_cast<std::size_t>(b - 1)] : "";
  }
  std::filesystem::path directoryPath() const override { return folder; }
  std::filesystem::path fileListPath() const override { return folder; }
  std::string fileName() const override { return clicked; }
  void refreshFileList() override { ++refreshes; }
  std::filesystem::path chooseRecordToOpen() override { return toOpen; }
  std::filesystem::path chooseRecordToSave(const std::string& format) override {
    asked = format;
    return toSave;
  }
  std::string clipboardText() const override { return clipboard; }
  void setClipboardText(const std::string& t) override { clipboard = t; }

  std::array<bool, 3> lists{};
  int listChanges = 0;
  bool textShown = false;
  std::array<std::string, 4> texts;  // Text1 (file name), Text2 (title), Text3, Text4
  std::filesystem::path folder;
  std::string clicked;
  int refreshes = 0;
  std::filesystem::path toOpen, toSave;  // empty: the dialog is cancelled
  std::string asked, clipboard;
};

class FakeSettings : public SettingsStore {
 public:
  std::optional<Lines> readLines() override { return lines; }
  bool writeLines(const Lines& l) override {
    ++writes;
    if (failWrites > 0) {
      --failWrites;
      return false;
    }
    lines = l;
    return true;
  }
  std::string readFailure() const override { return lines ? "" : failure; }
  std::optional<Lines> lines = Lines{"背景画=緑", "移動指導=ON", "経過時間=ON", "BGM=OFF"};
  std::string failure;  // why a file that is there cannot be read
  int writes = 0;
  int failWrites = 0;
};

class FakeWindow : public Window {
 public:
  void setBackColour(int i) override { backColour = i; }
  bool maximized() const override { return isMaximized; }
  void place(int l, int t, int w, int h) override { placed = {l, t, w, h}; }
  void endProgram() override {
    ended = true;
    throw ProgramEnded{};
  }
  std::optional<新規対局設定> askNewGame() override { return newGame; }
  std::optional<新規対局設定> newGame;  // what the new-game dialog chooses
  std::optional<std::string> askBoardEdit(const std::string& sfen) override {
    boardEditOpenedOn = sfen;
    return boardEdit;
  }
  std::optional<std::string> boardEdit;  // what the board editor gives back
  std::string boardEditOpenedOn;
  std::optional<解析条件> askReview() override { return review; }
  std::optional<解析条件> review;  // what the game review's dialog chooses
  int backColour = -1;
  std::array<int, 4> placed{};
  bool isMaximized = false;
  bool ended = false;
};

// The move list beside the board: its rows and the current one.
class FakeList : public MoveList {
 public:
  void setMoves(const 文面&, const std::vector<std::string>& m, int c) override {
    moves = m;
    current = c;
  }
  void setListVisible(bool on) override { visible = on; }
  std::vector<std::string> moves;
  int current = -1;
  bool visible = false;
};

// A started program: Form_Load has run, after `prepare` set up the fakes
// (the settings file, the panel's folder).
struct StartedProgram {
  std::vector<Event> events;
  RecordingSurface surface;
  FakeMenu menu;
  FakeMessages messages{events};
  FakeSound sound{events};
  FakeTimer timer;
  FakeClock clock;
  FakePanel panel;
  FakeSettings settings;
  FakeWindow window;
  Form1 form{Platform{surface, menu, messages, sound, timer, clock, panel, settings, window}};

  explicit StartedProgram(const std::function<void(StartedProgram&)>& prepare = {}) {
    if (prepare) prepare(*this);
    form.Form_Load();
  }
  // Started with this settings file (nothing: there is none).
  explicit StartedProgram(std::optional<Lines> settingsFile)
      : StartedProgram([&](StartedProgram& p) { p.settings.lines = settingsFile; }) {}

  bool checked(MenuItem item) const { return menu.itemChecked(item); }
  // A press of the given button inside grid cell (x, y).
  void click(int x, int y, int button = ボタン_左) {
    form.Form_MouseDown(button, 0, 盤左端 + 桝幅 * x + 100, 盤上端 + 桝高 * y + 100);
  }
  // A move on the board, or a drop when (fx, fy) is a stand cell.
  void move(int fx, int fy, int tx, int ty, int button = ボタン_左) {
    click(fx, fy);
    click(tx, ty, button);
  }
  int at(int x, int y) const { return form.対局値.局.盤面[x][y]; }
  // A board holding only the given pieces (x, y, code), its influence surveyed.
  void setBoard(const std::vector<std::tuple<int, int, int>>& pieces) {
    局面& s = form.対局値.局;
    s.盤面 = {};
    for (const auto& [x, y, c] : pieces) s.盤面[x][y] = static_cast<std::int16_t>(c);
    勢力調査(s);
  }
  // The events since the last call, and forget them.
  std::vector<Event> take() {
    std::vector<Event> r;
    r.swap(events);
    return r;
  }
  // The surface operations since the last call, and forget them.
  std::vector<RecordingSurface::Op> takeOps() {
    std::vector<RecordingSurface::Op> r;
    r.swap(surface.ops);
    return r;
  }
};

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

// Every legal move of the human's side (the lower one) in the program's game.
inline std::vector<指し手> 人間の合法手(const Form1& f) {
  局面 s = f.対局値.局;
  勢力調査(s);
  調査_2歩フラグ設定(s);
  std::vector<指し手> r;
  合法手列挙(s, true, [&](const 指し手& m) { r.push_back(m); });
  return r;
}

// The last status line drawn among the operations ("" when it was cleared).
inline std::string 状態行(const std::vector<RecordingSurface::Op>& ops) {
  std::string r;
  for (const auto& op : ops) {
    if (op.kind == RecordingSurface::Kind::Picture && op.y == セルY(11) && op.x == セルX(-3))
      r.clear();
    if (op.kind == RecordingSurface::Kind::Text && op.y == セルY(11.2)) r = op.text;
  }
  return r;
}

}  // namespace qz::fakes
