// The 検討 panel's workings below the window: it follows the position on
// the board (a game between turns, a record stepped through, a pasted
// position), keeps the analysis running on it, pauses while the computer
// itself thinks, and keeps one score per move of the history for the
// evaluation graph. The window calls 更新 from a timer of its own.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "computer/analysis.h"
#include "computer/zobrist.h"
#include "rules/message.h"

namespace qz {

class Form1;

// What the panel shows: the lower side's score, the bar, depth and speed,
// and the best lines, each with its score.
struct 検討表示 {
  文面 評価;
  int 棒 = 0;  // -1000 .. 1000, see 評価棒の位置
  文面 情報;
  std::vector<文面> 読み筋;
};

// The window's panel and graph, as the controller drives them.
class AnalysisView {
 public:
  virtual ~AnalysisView() = default;
  virtual void showAnalysis(const 検討表示& d) = 0;
  // Empties the panel, saying why (the computer thinks, no position yet).
  virtual void clearAnalysis(const 文面& why) = 0;
  // One point per position of the history (0: the start), the lower side's
  // centipawns where known; 現在 is the position on the board.
  virtual void setGraph(const std::vector<std::optional<int>>& 点, int 現在) = 0;
};

// The graph's value of a score: a forced win counts as 2000.
int グラフの値(int 下評価);

class 検討操作 {
 public:
  検討操作(Form1& form, AnalysisView& view, int 糸数);

  // Switches the analysis on or off; off stops the search.
  void 入切(bool on);
  bool 入っている() const { return on_; }
  // Follows the board: starts a search on a new position, stops while the
  // computer thinks, and shows the latest report.
  void 更新();
  // A point of the graph clicked: the board steps there as from the move list.
  void 点を選ぶ(int n);
  const std::vector<std::optional<int>>& 点() const { return 点_; }
  const 検討係& 係() const { return 検討; }

 private:
  struct 追跡 {
    局面キー キー = 0;
    int 手 = -1;
    bool operator==(const 追跡&) const = default;
  };
  追跡 今の位置(bool& MAN手番) const;
  void 始める(const 追跡& 位置, bool MAN手番);
  void 点を記す(int 手, 局面キー キー, int 下評価);
  void 示す(const 検討結果& k);
  void グラフを送る();

  Form1& f;
  AnalysisView& v;
  検討係 検討;
  bool on_ = false;
  bool 止めた_ = false;  // paused for the computer's own search
  追跡 位置_;
  std::uint64_t 示した世代 = 0;
  int 示した深さ = -1;
  std::vector<std::optional<int>> 点_;
  std::vector<局面キー> 点キー_;
};

}  // namespace qz
