#include "shell/program.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <cstdlib>

#include "play/form1.h"
#include "shell/analysis_panel.h"
#include "shell/assets.h"
#include "shell/kept_option.h"
#include "shell/main_window.h"
#include "shell/qt_surface.h"
#include "shell/settings_file.h"
#include "shell/settings_location.h"
#include "shell/sound_port.h"
#include "shell/window_language.h"
#include "shell/window_scale.h"

namespace qz {
namespace {

// The canvas covers every background tile: cells -3..28 by -2..17.
constexpr QSize canvasSize(1030, 750);

qreal screenRatio() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s != nullptr ? s->devicePixelRatio() : 1.0;
}

// The record panel of a program that keeps its settings per user starts in
// the user's documents folder rather than wherever the desktop started it.
void openDocumentsFolder(RecordPanel& panel) {
  const std::filesystem::path docs =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  if (docs.empty() || panel.setDirectoryPath(docs) != RecordPanel::FolderChange::Done) return;
  panel.setFileListPath(panel.directoryPath());
  panel.setDrive(panel.directoryPath());
}

}  // namespace

struct Program::Parts {
  Surroundings surroundings = currentSurroundings();
  QtSurface surface{canvasSize, screenRatio(),
                    QString::fromStdString(findPictureDirectory().string())};
  MainWindow window{surface};
  QtTimer1 timer1;
  SystemClock clock;
  SettingsFile settings{settingsPath(surroundings)};
  SoundPort sound{[this](const Message& text, const std::string& caption) {
                    window.ask(text, caption, Buttons::OK, Icon::Exclamation);
                  },
                  static_cast<std::intptr_t>(window.winId())};
  Form1 form{Platform{surface, window, window, sound, timer1, clock, window, settings, window}};
  WindowScale scale{window, surface, settings};
  KeptOption resign{window, settings, "COMの投了", "RESIGN", "COM投了",
                    [this](bool on) { form.COMは投了する = on; }};
  KeptOption confirm{window, settings, "確認メッセージ", "CONFIRM", "確認メッセージ",
                     [this](bool on) { form.確認メッセージ = on; }};
  KeptOption effects{window, settings, "効果音", "EFFECTS", "効果音",
                     [this](bool on) { sound.setEffects(on); }};
  KeptOption overlay{window, settings, "利き表示", "INFLUENCE", "利き表示",
                     [this](bool on) { form.利き表示設定(on); }, false};
  AnalysisPanel analysis{window, form, settings};
  WindowLanguage language{window, settings, [this] { surface.redrawAll(); }};
};

Program::Program() : parts_(std::make_unique<Parts>()) {
  if (settingsFolder(parts_->surroundings) != parts_->surroundings.current)
    openDocumentsFolder(parts_->window);
  parts_->window.attach(parts_->form);
  parts_->window.attachSettings(parts_->settings);
  parts_->form.棋譜一覧接続(&parts_->window);
  parts_->timer1.onTick = [this] {
    parts_->window.dispatch([this] { parts_->form.Timer1_Timer(); });
  };
}

Program::~Program() {
  parts_->timer1.setEnabled(false);
  parts_->scale.remember();
}

bool Program::start() {
  parts_->window.dispatch([this] { parts_->form.Form_Load(); });
  if (parts_->window.ended()) return false;
  parts_->window.show();
  parts_->scale.restore();
  return true;
}

void Program::openRecord(const std::string& path) {
  const std::filesystem::path p(std::u8string(path.begin(), path.end()));
  parts_->window.dispatch([this, &p] { parts_->form.棋譜ファイルを開く(p); });
}

MainWindow& Program::window() {
  return parts_->window;
}
AnalysisPanel& Program::analysis() {
  return parts_->analysis;
}
Form1& Program::form() {
  return parts_->form;
}
QtSurface& Program::surface() {
  return parts_->surface;
}

bool displayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* v = std::getenv(name);
    if (v != nullptr && *v != '\0') return true;
  }
  return false;
}

}  // namespace qz
