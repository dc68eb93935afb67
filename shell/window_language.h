// The window in the user's language: the "言語 / Language" menu under
// "ｵﾌﾟｼｮﾝ", the choice kept in the settings file, and every caption of the
// window's own controls shown through the translation.
#pragma once

#include <functional>

#include "shell/translation.h"

namespace qz {

class MainWindow;
class SettingsFile;

class WindowLanguage {
 public:
  // Applies the language the settings file names (the system's when it
  // names none) and adds the menu. `redraw` draws the board's texts again.
  WindowLanguage(MainWindow& window, SettingsFile& settings, std::function<void()> redraw);

  // Switches the window to a language and keeps the choice.
  void choose(Language language);

 private:
  void retranslate();

  MainWindow& window_;
  SettingsFile& settings_;
  std::function<void()> redraw_;
};

}  // namespace qz
