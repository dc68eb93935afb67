// A check item of the ｵﾌﾟｼｮﾝ menu kept in the settings file after its first
// four lines as "key=ON" or "key=OFF"; without its line it takes its
// default, on unless told otherwise. The computer's resigning ("COM投了"),
// the sound effects ("効果音") and the influence overlay ("利き表示", off by
// default) are such items.
#pragma once

#include <functional>

namespace qz {

class MainWindow;
class SettingsFile;

class KeptOption {
 public:
  // Adds the item (its caption a marked text, translated with the menu) and
  // gives apply the kept choice now and each new one.
  KeptOption(MainWindow& window, SettingsFile& settings, const char* caption,
             const char* objectName, const char* key, std::function<void(bool)> apply,
             bool byDefault = true);
};

}  // namespace qz
