#include "shell/window_scale.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QVariant>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "shell/main_window.h"
#include "shell/qt_surface.h"
#include "shell/settings_file.h"

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
  window_.view().onResize = [this] { fit(); };
}

void WindowScale::restore() {
  const std::string kept = settings_.extra(scaleKey).value_or("100");
  for (int percent : choices)
    if (kept == std::to_string(percent)) {
      if (!window_.isMaximized()) sizeFor(percent);
      break;
    }
  fit();
}

void WindowScale::choose(int percent) {
  if (window_.isMaximized() || window_.isFullScreen()) window_.showNormal();
  sizeFor(percent);
  settings_.setExtra(scaleKey, std::to_string(percent));
  fit();
}

void WindowScale::sizeFor(int percent) {
  // The menu bar keeps its height; the view below it grows.
  const int chrome = window_.height() - window_.view().height();
  const int viewHeight = baseHeight - chrome;
  window_.resize(baseWidth * percent / 100, viewHeight * percent / 100 + chrome);
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
  if (scale == view.scale() && surface_.devicePixelRatio() == window_.devicePixelRatioF() * scale)
    return;
  view.setScale(scale);
  for (QObject* child : view.children())
    if (auto* w = qobject_cast<QWidget*>(child)) scaleControl(w, scale);
  surface_.setDevicePixelRatio(window_.devicePixelRatioF() * scale);
  const int percent = int(scale * 100 + 0.5);
  for (int choice : choices)
    if (auto* a = window_.findChild<QAction*>(QString("SCALE_%1").arg(choice)))
      a->setChecked(choice == percent);
}

}  // namespace qz
