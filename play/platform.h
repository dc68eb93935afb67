// What the window's platform gives Form1: message boxes, the sound
// operations, the 50 ms timer Timer1, the menu's check marks, the
// record-file panel, the settings file, the time of day and the window
// itself. The Qt window implements these; tests use fakes.
#pragma once

#include <algorithm>
#include <atomic>
#include <functional>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "computer/levels.h"
#include "game/review.h"
#include "display/surface.h"
#include "play/new_game.h"
#include "rules/message.h"

namespace qz {

// Every menu item of the window, by control name, in the order of the enum
// below (TORYO is 投了, MATTA 待った, KIFU_ICHIRAN 棋譜一覧, the move list beside
// the board). The one list gives both the enum and the controls' object names.
// clang-format off
#define QZ_MENU_ITEMS(X)                                                        \
  X(TAIKYOKU) X(NEW_GAME) X(MATCH_MAN) X(START) X(MATCH_COM) X(SENTE) X(GOTE)               \
  X(LEVEL) X(LEVEL1) X(LEVEL2) X(LEVEL3) X(LEVEL4) X(LEVEL5) X(HINT) X(OWARI)   \
  X(LEVEL3A) X(LEVEL3B) X(LEVEL3C) X(LEVEL3D) X(LEVEL3E) X(LEVEL3F) X(LEVEL3G) \
  X(STOP) X(CANCEL) X(REVERSE) X(REPLAY) X(AFTER) X(LBEL_UP) X(LEBEL_DOWN)      \
  X(BOARD_EDIT)                                                                 \
  X(KIFU) X(KIFU_READ) X(KIFU_WRITE) X(KIFU_OPEN) X(KIFU_SAVE_KIF)              \
  X(KIFU_SAVE_CSA) X(REVIEW) X(EDIT) X(COPY_SFEN) X(COPY_KIF) X(COPY_USI) X(PASTE)        \
  X(OPTION) X(HAIKEI_GA) X(MIDORI) X(TATAMI) X(TAKE) X(UCHU) X(RENGA)           \
  X(SIDOU) X(KEIKA) X(BGM) X(VER) X(TORYO) X(MATTA) X(KIFU_ICHIRAN)
// clang-format on

enum class MenuItem : std::uint8_t {
#define QZ_MENU_ENUMERATOR(name) name,
  QZ_MENU_ITEMS(QZ_MENU_ENUMERATOR)
#undef QZ_MENU_ENUMERATOR
};
constexpr int menuItemCount = static_cast<int>(MenuItem::KIFU_ICHIRAN) + 1;

// The object name of each menu control, as the enum spells it.
constexpr const char* menuItemNames[] = {
#define QZ_MENU_NAME(name) #name,
    QZ_MENU_ITEMS(QZ_MENU_NAME)
#undef QZ_MENU_NAME
};
static_assert(std::size(menuItemNames) == menuItemCount,
              "every menu item has one object name, and KIFU_ICHIRAN is the last item");

// The menu item of a level of レベル一覧: the one named as the level.
constexpr std::optional<MenuItem> レベルの項目(const レベル段& l) {
  for (int i = 0; i < menuItemCount; ++i)
    if (std::string_view(menuItemNames[i]) == l.名) return static_cast<MenuItem>(i);
  return std::nullopt;
}
static_assert(std::ranges::all_of(レベル一覧(),
                                  [](const レベル段& l) { return レベルの項目(l).has_value(); }),
              "every level has its menu item");

// The menu's check marks, the authority for the options.
class Menu {
 public:
  virtual ~Menu() = default;
  virtual bool itemChecked(MenuItem item) const = 0;
  virtual void setItemChecked(MenuItem item, bool on) = 0;
};

enum class Buttons { OK, YesNo };
enum class Icon { None, Exclamation, About };
enum class Answer { OK, Yes, No };

// Modal message boxes; a test answers them.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual Answer ask(const 文面& prompt, const 文面& title, Buttons buttons, Icon icon) = 0;
};

// The sound layer: the procedures of Module1 and the library's play
// operations on a buffer handle. Every operation tolerates the handle 0.
class Sound {
 public:
  virtual ~Sound() = default;
  // Opens the sound system for the main window; warns once if it cannot.
  virtual void 初期化_サウンド() = 0;
  // A playable buffer of the named .wav file, or 0 (no system, no file, unreadable).
  virtual std::int32_t 読込_サウンド(const std::string& ファイル名, std::int32_t 数) = 0;
  virtual void 終了_サウンド() = 0;
  virtual std::int32_t dsPlay(std::int32_t buffer) = 0;
  virtual std::int32_t dsPlayLooping(std::int32_t buffer) = 0;
  virtual std::int32_t dsStop(std::int32_t buffer) = 0;
  virtual std::int32_t dsFree(std::int32_t buffer) = 0;
};

// Timer1: a repeating 50 ms timer that calls Form1::Timer1_Timer while enabled.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual bool enabled() const = 0;
  virtual void setEnabled(bool on) = 0;
};

// The time of day in seconds since midnight, with fractions.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual double secondsSinceMidnight() = 0;
};

// The record-file panel: the drive list Drive1, the directory list Dir1,
// the file list File1 (only "*.棋譜"), the text boxes Text1..Text4 with
// their labels and the RETURN button. A panel that has no controls answers
// with empty values and refuses every folder.
class RecordPanel {
 public:
  virtual ~RecordPanel() = default;
  // Shows or hides the drive, directory and file lists.
  virtual void setListsVisible(bool drive, bool directory, bool file) = 0;
  // Shows the text boxes, labels and button, or empties the boxes and hides them all.
  virtual void setTextPanelVisible(bool visible) = 0;

  // The text of Text1..Text4 (UTF-8); "" for any other number.
  virtual std::string text(int /*box*/) const { return {}; }

  // Drive1.Drive: the drive (a file-system root or mounted volume) chosen.
  virtual std::filesystem::path drive() const { return {}; }
  // Shows in Drive1 the drive that holds the folder, without a change event.
  virtual void setDrive(const std::filesystem::path& /*folder*/) {}

  // How setting Dir1's folder went.
  enum class FolderChange { Done, NotReady, Failed };
  // Dir1.Path, and setting it: NotReady when the folder cannot be read (a
  // drive without its medium, a volume gone, no permission), Failed for any
  // other reason; Dir1 then keeps its folder.
  virtual std::filesystem::path directoryPath() const { return {}; }
  virtual FolderChange setDirectoryPath(const std::filesystem::path& /*folder*/) {
    return FolderChange::Failed;
  }

  // File1.Path, File1.FileName (the name last clicked, as listed) and File1.Refresh.
  virtual std::filesystem::path fileListPath() const { return {}; }
  virtual void setFileListPath(const std::filesystem::path& /*folder*/) {}
  virtual std::string fileName() const { return {}; }
  virtual void refreshFileList() {}

  // Records of every format, through the platform's own dialogs: the file
  // chosen to open, or to save a record of the format named ("KIF", "CSA");
  // an empty path when the dialog was cancelled.
  virtual std::filesystem::path chooseRecordToOpen() { return {}; }
  virtual std::filesystem::path chooseRecordToSave(const std::string& /*format*/) { return {}; }
  // The clipboard's text (UTF-8), and setting it.
  virtual std::string clipboardText() const { return {}; }
  virtual void setClipboardText(const std::string& /*text*/) {}
};

// The settings file "QZ氷結将棋.ini": its lines, read and written whole.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Every line of the file, or nothing when it cannot be read.
  virtual std::optional<std::vector<std::string>> readLines() = 0;
  // Replaces the file with these lines; false when it could not be written.
  virtual bool writeLines(const std::vector<std::string>& lines) = 0;
  // After readLines answered nothing: why the file that is there could not
  // be read (no permission, a folder, a device), or "" when it is missing.
  virtual std::string readFailure() const { return {}; }
};

// The settings keep the computer's level after their first four lines, by
// its name, once one has been chosen: "COMレベル=LEVEL3A".
inline const std::string 設定_レベル = "COMレベル=";
// The level a settings line names; nothing for any other line.
inline const レベル段* 設定行のレベル(std::string_view 行) {
  if (!行.starts_with(設定_レベル)) return nullptr;
  return 名のレベル(行.substr(設定_レベル.size()));
}

// Thrown by Window::endProgram so that nothing more of the program runs.
struct ProgramEnded {};

// The main window itself.
class Window {
 public:
  virtual ~Window() = default;
  virtual void setBackColour(int paletteIndex) = 0;
  virtual bool maximized() const = 0;
  // Moves and sizes the window, in twips (15 to a logical pixel).
  virtual void place(int left, int top, int width, int height) = 0;
  // Ends the program at once: never returns (it throws ProgramEnded).
  [[noreturn]] virtual void endProgram() = 0;
  // The new-game dialog, opened on the last choices: what was chosen, or
  // nothing when it was cancelled.
  virtual std::optional<新規対局設定> askNewGame() { return std::nullopt; }
  // The board editor, opened on a position given as SFEN: the position set
  // up there, as SFEN, or nothing when it was cancelled.
  virtual std::optional<std::string> askBoardEdit(const std::string& /*sfen*/) {
    return std::nullopt;
  }
  // The game review's dialog, opened on the last conditions: the chosen
  // ones, or nothing when it was cancelled.
  virtual std::optional<解析条件> askReview() { return std::nullopt; }
  // Runs job apart from the window under a progress bar with a cancel
  // button, the window answering meanwhile; job reports (done, all) and
  // stops when the flag it is given is set. False when it was cancelled.
  using ProgressJob =
      std::function<void(const std::function<void(int, int)>&, const std::atomic<bool>*)>;
  virtual bool runWithProgress(const 文面& /*title*/, const ProgressJob& job) {
    std::atomic<bool> stop{false};
    job({}, &stop);
    return true;
  }
};

// The move list beside the board: one text per move, the current one
// marked (0: none); a click on move n calls back with n.
class MoveList {
 public:
  virtual ~MoveList() = default;
  // The first row (the start, before move 1), then one row per move.
  virtual void setMoves(const 文面& start, const std::vector<std::string>& moves, int current) = 0;
  virtual void setListVisible(bool on) = 0;
};

// Everything Form1 is given.
struct Platform {
  Surface& surface;
  Menu& menu;
  MessageBoxes& messages;
  Sound& sound;
  Timer& timer1;
  Clock& clock;
  RecordPanel& recordPanel;
  SettingsStore& settings;
  Window& window;
};

}  // namespace qz
