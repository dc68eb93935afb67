// The 検討 panel: a small window of its own beside the main one (so the
// board keeps its size and scale) with the analysis's score (a text and a
// bar), its depth and speed, its three best lines, and the evaluation graph
// of the game, one point per move, a click on a point stepping the board
// there. ｵﾌﾟｼｮﾝ → 検討 shows it; the choice is kept in the settings.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "play/analysis_pane.h"

class QAction;
class QProgressBar;

namespace qz {

class Form1;
class MainWindow;
class SettingsFile;

// One line of text the analysis writes (not a QLabel: the window's
// language switch rewrites every label from the text it was made with).
class TextLine : public QWidget {
 public:
  explicit TextLine(QWidget* parent);
  void setText(const QString& text);
  const QString& text() const { return text_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

// The lower side's score over the game: a line through the known points,
// the position on the board marked.
class EvalGraph : public QWidget {
 public:
  explicit EvalGraph(QWidget* parent);
  void setPoints(const std::vector<std::optional<int>>& points, int current);
  const std::vector<std::optional<int>>& points() const { return points_; }
  // The point nearest to x (in the widget's pixels).
  int pointAt(int x) const;
  std::function<void(int)> onPick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  double xOf(int i) const;
  std::vector<std::optional<int>> points_;
  int current_ = 0;
};

class AnalysisPanel : public QWidget, public AnalysisView {
 public:
  // Adds the panel (hidden) and its menu item; follows the board while it is on.
  AnalysisPanel(MainWindow& window, Form1& form, SettingsFile& settings);
  ~AnalysisPanel() override;

  void showAnalysis(const 検討表示& d) override;
  void clearAnalysis(const Message& why) override;
  void setGraph(const std::vector<std::optional<int>>& points, int current) override;

  // Shows or hides the panel (as the menu item does) and starts or stops the analysis.
  void switchOn(bool on);
  // One poll of the analysis, as the panel's timer runs it.
  void poll();
  検討操作& controller() { return *controller_; }
  TextLine* scoreLabel() const { return score_; }
  TextLine* infoLabel() const { return info_; }
  TextLine* lineLabel(int i) const { return lines_.at(static_cast<std::size_t>(i)); }
  QProgressBar* bar() const { return bar_; }
  EvalGraph* graph() const { return graph_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildContents();
  void placeBesideWindow();
  QAction* item_ = nullptr;
  bool placed_ = false;
  MainWindow& window_;
  std::unique_ptr<検討操作> controller_;
  QTimer timer_;
  bool wanted_ = false;
  TextLine* score_ = nullptr;
  QProgressBar* bar_ = nullptr;
  TextLine* info_ = nullptr;
  std::array<TextLine*, 検討係::行数> lines_{};
  EvalGraph* graph_ = nullptr;
};

}  // namespace qz
