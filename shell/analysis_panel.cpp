#include "shell/analysis_panel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <thread>

#include "play/form1.h"
#include "shell/main_window.h"
#include "shell/settings_file.h"
#include "shell/translation.h"

namespace qz {
namespace {

constexpr int graphLimit = 2000;  // centipawns at the graph's top and bottom
constexpr int pollMs = 100;

QFont lineFont() {
  QFont f;
  f.setFamilies({"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "IPAexMincho", "IPAMincho"});
  f.setPixelSize(12);
  return f;
}

}  // namespace

// --- A line of text -------------------------------------------------------------

TextLine::TextLine(QWidget* parent) : QWidget(parent) {
  setFont(lineFont());
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void TextLine::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  updateGeometry();
  update();
}

QSize TextLine::sizeHint() const {
  return {fontMetrics().horizontalAdvance(text_) + 4, fontMetrics().height() + 2};
}

// The text on one line, cut with "…" where the panel is too narrow.
void TextLine::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QString shownText = fontMetrics().elidedText(text_, Qt::ElideRight, width() - 2);
  p.drawText(rect().adjusted(1, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter, shownText);
}

// --- The graph -------------------------------------------------------------------

EvalGraph::EvalGraph(QWidget* parent) : QWidget(parent) {
  setObjectName("EVAL_GRAPH");
  setMinimumSize(160, 70);
  setCursor(Qt::PointingHandCursor);
}

void EvalGraph::setPoints(const std::vector<std::optional<int>>& points, int current) {
  if (points == points_ && current == current_) return;
  points_ = points;
  current_ = current;
  update();
}

double EvalGraph::xOf(int i) const {
  const int n = std::max<int>(1, static_cast<int>(points_.size()) - 1);
  return 4 + (width() - 8) * static_cast<double>(i) / n;
}

int EvalGraph::pointAt(int x) const {
  if (points_.empty()) return 0;
  const int n = std::max<int>(1, static_cast<int>(points_.size()) - 1);
  const double i = (x - 4) * static_cast<double>(n) / std::max(1, width() - 8);
  return std::clamp(static_cast<int>(std::lround(i)), 0, static_cast<int>(points_.size()) - 1);
}

void EvalGraph::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(250, 250, 245));
  const double mid = height() / 2.0;
  auto yOf = [&](int v) { return mid - (height() / 2.0 - 4) * v / graphLimit; };
  p.setPen(QColor(180, 180, 180));
  p.drawLine(QPointF(0, mid), QPointF(width(), mid));
  if (points_.empty()) return;
  p.setPen(QPen(QColor(200, 60, 40), 1.5));
  p.drawLine(QPointF(xOf(current_), 0), QPointF(xOf(current_), height()));
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath line;
  bool started = false;
  for (std::size_t i = 0; i < points_.size(); ++i) {
    if (!points_[i]) continue;
    const QPointF at(xOf(static_cast<int>(i)), yOf(*points_[i]));
    started ? line.lineTo(at) : line.moveTo(at);
    started = true;
  }
  p.setPen(QPen(QColor(30, 60, 160), 1.5));
  p.drawPath(line);
  p.setBrush(QColor(30, 60, 160));
  for (std::size_t i = 0; i < points_.size(); ++i)
    if (points_[i]) p.drawEllipse(QPointF(xOf(static_cast<int>(i)), yOf(*points_[i])), 2, 2);
}

void EvalGraph::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && onPick && !points_.empty())
    onPick(pointAt(static_cast<int>(event->position().x())));
}

// --- The panel ---------------------------------------------------------------------

AnalysisPanel::AnalysisPanel(MainWindow& window, Form1& form, SettingsFile& settings)
    : QWidget(&window, Qt::Tool), window_(window) {
  setObjectName("ANALYSIS_PANEL");
  buildContents();
  resize(520, 130);
  controller_ =
      std::make_unique<検討操作>(form, *this, 窓の糸数(std::thread::hardware_concurrency()));
  graph_->onPick = [this](int n) { window_.dispatch([this, n] { controller_->点を選ぶ(n); }); };
  timer_.setInterval(pollMs);
  connect(&timer_, &QTimer::timeout, this, [this] { poll(); });

  QMenu* option = window.action(MenuItem::OPTION)->menu();
  item_ = option->addAction(QZ_TR("検討"));
  item_->setObjectName("ANALYSIS");
  item_->setCheckable(true);
  item_->setChecked(settings.extra("検討") == "ON");
  // A panel kept open opens once the main window is up.
  if (item_->isChecked()) QTimer::singleShot(0, this, [this] { switchOn(item_->isChecked()); });
  connect(item_, &QAction::toggled, this, [this, &settings](bool on) {
    switchOn(on);
    settings.setExtra("検討", on ? "ON" : "OFF");
  });
}

AnalysisPanel::~AnalysisPanel() {
  timer_.stop();
}

void AnalysisPanel::buildContents() {
  auto* body = new QWidget(this);
  auto* rows = new QVBoxLayout(body);
  rows->setContentsMargins(6, 2, 6, 4);
  rows->setSpacing(2);
  auto* top = new QHBoxLayout;
  score_ = new TextLine(body);
  score_->setObjectName("ANALYSIS_SCORE");
  score_->setMinimumWidth(90);
  score_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  QFont big = lineFont();
  big.setPixelSize(15);
  big.setBold(true);
  score_->setFont(big);
  bar_ = new QProgressBar(body);
  bar_->setRange(-1000, 1000);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  bar_->setMaximumHeight(12);
  info_ = new TextLine(body);
  info_->setObjectName("ANALYSIS_INFO");
  info_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  top->addWidget(score_);
  top->addWidget(bar_, 1);
  top->addWidget(info_);
  rows->addLayout(top);
  auto* middle = new QHBoxLayout;
  auto* lineColumn = new QVBoxLayout;
  for (TextLine*& l : lines_) {
    l = new TextLine(body);
    lineColumn->addWidget(l);
  }
  middle->addLayout(lineColumn, 3);
  graph_ = new EvalGraph(body);
  middle->addWidget(graph_, 2);
  rows->addLayout(middle);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(body);
}

void AnalysisPanel::switchOn(bool on) {
  wanted_ = on;
  if (on && !placed_) placeBesideWindow();
  if (on) setWindowTitle(shown(QZ_TR("検討")));  // in the language chosen by now
  setVisible(on);
  if (on) {
    clearAnalysis(Message());
    timer_.start();
  } else {
    timer_.stop();
    controller_->入切(false);
  }
}

// The first time it opens: right of the main window where the screen has
// room, else under it.
void AnalysisPanel::placeBesideWindow() {
  placed_ = true;
  const QRect w = window_.frameGeometry();
  const QScreen* s = window_.screen();
  const QRect area = s != nullptr ? s->availableGeometry() : QRect();
  QPoint at(w.right() + 1, w.top());
  if (!area.isEmpty() && at.x() + width() > area.right()) at = QPoint(w.left(), w.bottom() + 1);
  if (!area.isEmpty()) {
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
  }
  move(at);
}

// Closing the panel's window is the menu item turned off.
void AnalysisPanel::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (item_ != nullptr) item_->setChecked(false);
}

void AnalysisPanel::poll() {
  window_.dispatch([this] {
    if (wanted_ != controller_->入っている())
      controller_->入切(wanted_);
    else
      controller_->更新();
  });
}

void AnalysisPanel::showAnalysis(const 検討表示& d) {
  score_->setText(shown(d.評価));
  bar_->setValue(d.棒);
  info_->setText(shown(d.情報));
  for (std::size_t i = 0; i < lines_.size(); ++i)
    lines_[i]->setText(i < d.読み筋.size() ? shown(d.読み筋[i]) : QString());
}

void AnalysisPanel::clearAnalysis(const Message& why) {
  score_->setText(QString());
  bar_->setValue(0);
  info_->setText(why.empty() ? QString() : shown(why));
  for (TextLine* l : lines_) l->setText(QString());
}

void AnalysisPanel::setGraph(const std::vector<std::optional<int>>& points, int current) {
  graph_->setPoints(points, current);
}

}  // namespace qz
