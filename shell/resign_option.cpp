#include "shell/resign_option.h"

#include <QAction>
#include <QMenu>

#include "play/form1.h"
#include "shell/main_window.h"
#include "shell/settings_file.h"

namespace qz {
namespace {

constexpr const char* resignKey = "COM投了";

}  // namespace

ResignOption::ResignOption(MainWindow& window, Form1& form, SettingsFile& settings) {
  QMenu* option = window.action(MenuItem::OPTION)->menu();
  QAction* a = option->addAction("COMの投了");
  a->setObjectName("RESIGN");
  a->setCheckable(true);
  form.COMは投了する = settings.extra(resignKey).value_or("ON") != "OFF";
  a->setChecked(form.COMは投了する);
  QObject::connect(a, &QAction::toggled, a, [&form, &settings](bool on) {
    form.COMは投了する = on;
    settings.setExtra(resignKey, on ? "ON" : "OFF");
  });
}

}  // namespace qz
