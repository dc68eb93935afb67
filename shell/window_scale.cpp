#include "shell/window_scale.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QVariant>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "shell/main_window.h"
#include "shell/qt_surface.h"
#include "shell/record_panel.h"
#include "shell/settings_file.h"
#include "shell/window_place.h"

namespace qz {
namespace {

// The window at 100%, as it has always opened.
constexpr int baseWidth = 600;
constexpr int baseHeight = 533;
constexpr std::array<int, 4> choices = {100, 150, 200, 250};
constexpr const char* scaleKey = "表示倍率";
constexpr const char* baseGeometry = "qzBaseGeometry";
constexpr const char* baseFontSize = "qzBaseFontSize";

// Places a control of the record panel at the scale, from the geometry and
// font size it was made with.
void scaleControl(QWidget* w, double scale) {
  if (!w->property(baseGeometry).isValid()) {
    w->setProperty(baseGeometry, w->geometry());
    w->setProperty(baseFontSize, w->font().pixelSize());
  }
  const QRect g = w->property(baseGeometry).toRect();
  w->setGeometry(QRectF(QPointF(g.topLeft()) * scale, QSizeF(g.size()) * scale).toRect());
  const int pixels = w->property(baseFontSize).toInt();
  if (pixels > 0) {
    QFont f = w->font();
    f.setPixelSize(std::max(1, int(pixels * scale + 0.5)));
    w->setFont(f);
  }
}

}  // namespace

WindowScale::WindowScale(MainWindow& window, QtSurface& surface, SettingsFile& settings)
    : window_(window), surface_(surface), settings_(settings) {
  QMenu* option = window_.action(MenuItem::OPTION)->menu();
  QMenu* menu = option->addMenu("表示倍率");
  menu->menuAction()->setObjectName("SCALE");
  auto* group = new QActionGroup(menu);
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (int percent : choices) {
    QAction* a = menu->addAction(QString("%1%").arg(percent));
    a->setObjectName(QString("SCALE_%1").arg(percent));
    a->setCheckable(true);
    group->addAction(a);
    QObject::connect(a, &QAction::triggered, a, [this, percent] { choose(percent); });
  }
  QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { offer(); });
  window_.view().onResize = [this] { fit(); };
}

void WindowScale::restore() {
  restored_ = true;
  const auto place = placeFromText(settings_.extra(windowPlaceKey).value_or(""));
  if (place && !window_.isMaximized()) {
    QList<QRect> areas;
    for (const QScreen* s : QGuiApplication::screens()) areas << s->availableGeometry();
    const QRect r = placeOnScreens(*place, frame(), areas);
    window_.move(r.topLeft());
    window_.resize(r.size());
  } else if (!window_.isMaximized()) {
    // A kept scale that no longer fits the screen gives way to the largest that does.
    const std::string kept = settings_.extra(scaleKey).value_or("");
    int wanted = choices.front();
    for (int choice : choices)
      if (kept == std::to_string(choice)) wanted = choice;
    int percent = choices.front();
    for (int choice : choices)
      if (choice <= wanted && fitsScreen(choice)) percent = choice;
    window_.resize(sizeFor(percent));
  }
  fit();
}

void WindowScale::choose(int percent) {
  if (!fitsScreen(percent)) return mark();
  if (window_.isMaximized() || window_.isFullScreen()) window_.showNormal();
  // The larger window is moved wholly onto its screen.
  const QRect area = screenArea();
  const QRect r = placeOnScreens(QRect(window_.pos(), sizeFor(percent)), frame(),
                                 area.isEmpty() ? QList<QRect>{} : QList<QRect>{area});
  window_.move(r.topLeft());
  window_.resize(r.size());
  settings_.setExtra(scaleKey, std::to_string(percent));
  fit();
}

void WindowScale::remember() {
  if (!restored_ || window_.isMaximized() || window_.isFullScreen()) return;
  const std::string place = placeText(QRect(window_.pos(), window_.size()));
  if (settings_.extra(windowPlaceKey) != place) settings_.setExtra(windowPlaceKey, place);
}

// The window's size for a scale: the menu bar keeps its height, the view
// below it grows.
QSize WindowScale::sizeFor(int percent) const {
  const int chrome = window_.height() - window_.view().height();
  const int viewHeight = baseHeight - chrome;
  return {baseWidth * percent / 100, viewHeight * percent / 100 + chrome};
}

// What the window manager's frame adds to the window, once it is known.
QSize WindowScale::frame() const {
  if (!window_.isVisible()) return {0, 0};
  const QSize extra = window_.frameGeometry().size() - window_.size();
  return extra.expandedTo(QSize(0, 0));
}

QRect WindowScale::screenArea() const {
  const QScreen* s = window_.screen();
  if (s == nullptr) s = QGuiApplication::primaryScreen();
  return s != nullptr ? s->availableGeometry() : QRect();
}

bool WindowScale::fitsScreen(int percent) const {
  const QRect area = screenArea();
  return percent == choices.front() || area.isEmpty() || fitsIn(sizeFor(percent), frame(), area);
}

void WindowScale::offer() {
  for (int choice : choices)
    if (auto* a = window_.findChild<QAction*>(QString("SCALE_%1").arg(choice)))
      a->setEnabled(fitsScreen(choice));
}

void WindowScale::mark() {
  const int percent = int(window_.view().scale() * 100 + 0.5);
  const bool exact = std::abs(window_.view().scale() * 100 - percent) < 1e-9;
  for (int choice : choices)
    if (auto* a = window_.findChild<QAction*>(QString("SCALE_%1").arg(choice)))
      a->setChecked(exact && choice == percent);
}

void WindowScale::fit() {
  BoardView& view = window_.view();
  const int chrome = window_.height() - view.height();
  const int viewHeight = baseHeight - chrome;
  if (!window_.isVisible() || view.width() <= 0 || viewHeight <= 0) return;
  double scale = std::min(double(view.width()) / baseWidth, double(view.height()) / viewHeight);
  scale = std::clamp(scale, 0.25, 8.0);
  // A size within a pixel of a menu choice (the window's sizes are whole
  // pixels) is that choice exactly.
  for (int choice : choices)
    if (std::abs(scale - choice / 100.0) * baseWidth < 1.0) scale = choice / 100.0;
  if (scale != view.scale() || surface_.devicePixelRatio() != window_.devicePixelRatioF() * scale) {
    view.setScale(scale);
    for (QObject* child : view.children())
      if (auto* w = qobject_cast<QWidget*>(child)) scaleControl(w, scale);
    window_.recordFilePanel().fitLabels(scale);
    surface_.setDevicePixelRatio(window_.devicePixelRatioF() * scale);
  }
  mark();
  offer();
}

}  // namespace qz
