// The window at any size: the board, stands, texts, clocks and record panel
// are drawn at the scale the window's size gives (100% is the window of
// 600 × 533 pixels), and "ｵﾌﾟｼｮﾝ" → "表示倍率" sets the size for 100%,
// 150%, 200% or 250%. The menu's choice is kept in the settings file.
#pragma once

namespace qz {

class MainWindow;
class QtSurface;
class SettingsFile;

class WindowScale {
 public:
  WindowScale(MainWindow& window, QtSurface& surface, SettingsFile& settings);

  // Gives the window the size of the kept choice (not when maximised).
  void restore();
  // Sizes the window for a scale in percent and keeps the choice.
  void choose(int percent);
  // Draws everything at the scale the view's present size gives.
  void fit();

 private:
  void sizeFor(int percent);

  MainWindow& window_;
  QtSurface& surface_;
  SettingsFile& settings_;
};

}  // namespace qz
