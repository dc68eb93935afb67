// "ｵﾌﾟｼｮﾝ" → "COMの投了": whether levels 4 and 5 give up a game their search
// sees lost. On unless turned off; the choice is kept in the settings file
// after its first four lines ("COM投了=OFF").
#pragma once

namespace qz {

class Form1;
class MainWindow;
class SettingsFile;

class ResignOption {
 public:
  // Adds the check item and gives the form the kept choice.
  ResignOption(MainWindow& window, Form1& form, SettingsFile& settings);
};

}  // namespace qz
