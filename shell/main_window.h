// The Qt main window: the menu bar, the board area, Timer1 and message
// boxes. It implements what Form1 asks of the platform and forwards every
// event to Form1, one handler at a time.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "play/platform.h"

class QAction;
class QListWidget;
class QMenu;

namespace qz {

class Form1;
class SettingsFile;
class QtSurface;
class RecordFilePanel;

// The window's client area: the surface's canvas, and the mouse.
class BoardView : public QWidget {
  Q_OBJECT

 public:
  BoardView(QtSurface& surface, QWidget* parent);
  void setBackColour(const QColor& colour);
  // How many of the view's pixels show one pixel of the canvas (1 = 100%).
  double scale() const { return scale_; }
  void setScale(double scale);

  // Button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; twips.
  std::function<void(int button, int shift, double x, double y)> onMousePress;
  // The pointer moved over the view, or left it (then far off the canvas); twips.
  std::function<void(double x, double y)> onMouseMove;
  // Called once, after the first paint has finished.
  std::function<void()> onFirstPaint;
  // Called when the view's size changes.
  std::function<void()> onResize;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QtSurface& surface_;
  QColor back_;
  double scale_ = 1;
  bool painted_ = false;
};

// Timer1: fires every 50 ms while enabled.
class QtTimer1 : public Timer {
 public:
  QtTimer1();
  bool enabled() const override { return timer_.isActive(); }
  void setEnabled(bool on) override;
  std::function<void()> onTick;

 private:
  QTimer timer_;
};

// The time of day from the system clock.
class SystemClock : public Clock {
 public:
  double secondsSinceMidnight() override;
};

class MainWindow : public QMainWindow,
                   public Menu,
                   public MessageBoxes,
                   public Window,
                   public RecordPanel,
                   public MoveList {
  Q_OBJECT

 public:
  explicit MainWindow(QtSurface& surface);
  ~MainWindow() override;

  // The Form1 that receives every event from now on.
  void attach(Form1& form);
  // Where the new-game dialog keeps its last choices.
  void attachSettings(SettingsFile& settings) { settings_ = &settings; }
  // Runs one handler; once the program has ended nothing runs any more.
  // Form1's entry points drop an event that arrives while another handler
  // runs (a message box is open).
  void dispatch(const std::function<void()>& handler);
  bool ended() const { return ended_; }
  BoardView& view() { return *view_; }
  QAction* action(MenuItem item) const { return actions_[static_cast<int>(item)]; }

  // Menu
  bool itemChecked(MenuItem item) const override;
  void setItemChecked(MenuItem item, bool on) override;
  // MessageBoxes
  Answer ask(const Message& prompt, const Message& title, Buttons buttons, Icon icon) override;
  // Window
  void setBackColour(int paletteIndex) override;
  bool maximized() const override;
  void place(int left, int top, int width, int height) override;
  [[noreturn]] void endProgram() override;
  std::optional<新規対局設定> askNewGame() override;
  std::optional<std::string> askBoardEdit(const std::string& sfen) override;
  std::optional<解析条件> askReview() override;
  bool runWithProgress(const 文面& title, const ProgressJob& job) override;
  // RecordPanel: forwarded to the record-file panel's controls (record_panel.h).
  void setListsVisible(bool drive, bool directory, bool file) override;
  void setTextPanelVisible(bool visible) override;
  std::string text(int box) const override;
  std::filesystem::path drive() const override;
  void setDrive(const std::filesystem::path& folder) override;
  std::filesystem::path directoryPath() const override;
  FolderChange setDirectoryPath(const std::filesystem::path& folder) override;
  std::filesystem::path fileListPath() const override;
  void setFileListPath(const std::filesystem::path& folder) override;
  std::string fileName() const override;
  void refreshFileList() override;
  std::filesystem::path chooseRecordToOpen() override;
  std::filesystem::path chooseRecordToSave(const std::string& format) override;
  std::string clipboardText() const override;
  void setClipboardText(const std::string& text) override;
  RecordFilePanel& recordFilePanel() { return *panel_; }
  // MoveList: a list right of the board, "開始" and then one row per move.
  void setMoves(const Message& start, const std::vector<std::string>& moves, int current) override;
  void setListVisible(bool on) override;
  QListWidget& moveList() { return *moveList_; }
  // The menu of the branches at the list's row (a move marked `+`), each
  // taking its line when chosen; nullptr when the move has none. The menu
  // deletes itself once closed.
  QMenu* branchMenu(int row);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  SettingsFile* settings_ = nullptr;
  void buildMenus();
  void buildRecordPanel();
  void buildMoveList();
  QMenu* addMenu(MenuItem item, QWidget* parent, const QString& caption);
  QAction* addItem(MenuItem item, QWidget* parent, const QString& caption, bool checkable);
  void menuChosen(MenuItem item);

  QtSurface& surface_;
  BoardView* view_;
  std::unique_ptr<RecordFilePanel> panel_;  // its controls are children of view_
  QListWidget* moveList_ = nullptr;         // a child of view_
  Form1* form_ = nullptr;
  std::array<QAction*, menuItemCount> actions_{};
  std::array<bool, menuItemCount> checked_{};
  bool ended_ = false;
  bool screenWatched_ = false;
  // The folder of the record last opened or saved through a dialog, where
  // the next dialog starts (the record panel's folder until there is one).
  QString recordFolder_;
  QString recordDialogFolder() const;
  std::filesystem::path rememberRecordFolder(const QString& chosen);
};

}  // namespace qz
