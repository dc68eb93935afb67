// The window at any size: the board, stands, texts, clocks and record panel
// are drawn at the scale the window's size gives (100% is the window of
// 600 × 533 pixels), and "ｵﾌﾟｼｮﾝ" → "表示倍率" sets the size for 100%,
// 150%, 200% or 250%, offering only the sizes that fit the screen. The
// menu's choice and the window's place and size are kept in the settings
// file.
#pragma once

#include <QRect>
#include <QSize>

namespace qz {

class MainWindow;
class QtSurface;
class SettingsFile;

class WindowScale {
 public:
  WindowScale(MainWindow& window, QtSurface& surface, SettingsFile& settings);

  // Opens the shown window where it was left, brought onto a screen that
  // exists; without a kept place, at the kept scale or the largest one
  // below it that fits the screen (not when maximised).
  void restore();
  // Sizes the window for a scale in percent, moved wholly onto its screen,
  // and keeps the choice; a scale that does not fit the screen is refused.
  void choose(int percent);
  // Draws everything at the scale the view's present size gives.
  void fit();
  // Keeps the window's place and size for the next start (not when
  // maximised, nor when it was never shown).
  void remember();

 private:
  QSize sizeFor(int percent) const;
  QSize frame() const;
  QRect screenArea() const;
  bool fitsScreen(int percent) const;
  // Enables the scales that fit the window's screen, 100% always.
  void offer();
  // Checks the scale the window is drawn at, if it is one of the menu's.
  void mark();

  MainWindow& window_;
  QtSurface& surface_;
  SettingsFile& settings_;
  bool restored_ = false;
};

}  // namespace qz
