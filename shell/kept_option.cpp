#include "shell/kept_option.h"

#include <QAction>
#include <QMenu>
#include <string>

#include "shell/main_window.h"
#include "shell/settings_file.h"

namespace qz {

KeptOption::KeptOption(MainWindow& window, SettingsFile& settings, const char* caption,
                       const char* objectName, const char* key,
                       std::function<void(bool)> apply) {
  QMenu* option = window.action(MenuItem::OPTION)->menu();
  QAction* a = option->addAction(caption);
  a->setObjectName(objectName);
  a->setCheckable(true);
  const bool on = settings.extra(key).value_or("ON") != "OFF";
  a->setChecked(on);
  apply(on);
  QObject::connect(a, &QAction::toggled, a,
                   [&settings, key = std::string(key), apply = std::move(apply)](bool now) {
                     apply(now);
                     settings.setExtra(key, now ? "ON" : "OFF");
                   });
}

}  // namespace qz
