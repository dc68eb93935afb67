#include "shell/kept_option.h"

#include <QAction>
#include <QMenu>
#include <optional>
#include <string>

#include "shell/main_window.h"
#include "shell/settings_file.h"

namespace qz {

KeptOption::KeptOption(MainWindow& window, SettingsFile& settings, const char* caption,
                       const char* objectName, const char* key, std::function<void(bool)> apply,
                       bool byDefault) {
  QMenu* option = window.action(MenuItem::OPTION)->menu();
  QAction* a = option->addAction(caption);
  a->setObjectName(objectName);
  a->setCheckable(true);
  // Only the other word turns the default round.
  const std::optional<std::string> kept = settings.extra(key);
  const bool on = byDefault ? kept != "OFF" : kept == "ON";
  a->setChecked(on);
  apply(on);
  QObject::connect(a, &QAction::toggled, a,
                   [&settings, key = std::string(key), apply = std::move(apply)](bool now) {
                     apply(now);
                     settings.setExtra(key, now ? "ON" : "OFF");
                   });
}

}  // namespace qz
