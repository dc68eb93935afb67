// A started program whose record panel shows a folder, and a scripted game
// of two humans that touches every kind of move stepping must undo.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "fakes.h"
#include "tests/test_files.h"

namespace qz::records_testing {

using namespace fakes;  // NOLINT: the fakes and the started program
namespace fs = std::filesystem;

// A started program (Form_Load has run) whose panel shows the given folder.
struct RecordGame : StartedProgram {
  explicit RecordGame(const fs::path& folder)
      : StartedProgram([&folder](StartedProgram& p) { p.panel.folder = folder; }) {}
  // Writes the open record as "name.棋譜" through the panel's RETURN button.
  std::vector<Event> save(const std::string& name, const std::string& title = "対局",
                          const std::string& first = "先手さん",
                          const std::string& second = "後手さん") {
    take();
    form.KIFU_WRITE_Click();
    panel.texts = {name, title, first, second};
    form.Command1_Click();
    return take();
  }
  // Loads a record by clicking its name in the file list.
  std::vector<Event> load(const std::string& fileName) {
    take();
    form.KIFU_READ_Click();
    panel.clicked = fileName;
    form.File1_Click();
    return take();
  }
};

// Everything stepping must bring back.
struct 状態 {
  盤配列 盤面{};
  持駒 持駒_MAN, 持駒_COM;
  double 時間_MAN = 0, 時間_COM = 0;
  int 手番 = 0, 手数 = 0;
  bool operator==(const 状態&) const = default;

  static 状態 of(const Form1& f) {
    return {f.対局値.局.盤面,  f.対局値.局.持駒_MAN, f.対局値.局.持駒_COM, f.対局値.時間_MAN,
            f.対局値.時間_COM, f.対局値.手番,        f.対局値.手数};
  }
};

// A position where six moves of two humans make a promoting capture, the
// capture of a promoted piece, a drop from each stand, a king move and a
// plain capture: lower rook (1,6), upper silver (1,2), upper bishop (4,5)
// and both kings, the lower side to move.
inline void startScripted(RecordGame& g) {
  g.form.START_Click();
  ASSERT_EQ(g.take(), (std::vector<Event>{box("先手の番です", " ")}));
  g.setBoard({{5, 9, -王}, {5, 1, 王}, {1, 6, -飛}, {1, 2, 銀}, {4, 5, 角}});
  g.form.画.画面_再描画();
}

// Plays the six moves by clicks; the states before the first and after each.
inline std::vector<状態> playScripted(RecordGame& g) {
  struct Move {
    int fx, fy, tx, ty, button;
  };
  const Move moves[] = {
      {1, 6, 1, 2, ボタン_右},   // rook takes the silver and promotes
      {4, 5, 1, 2, ボタン_左},   // bishop takes the promoted rook
      {11, 6, 5, 5, ボタン_左},  // silver dropped from the lower stand
      {-1, 1, 9, 5, ボタン_左},  // rook dropped from the upper stand
      {5, 9, 4, 8, ボタン_左},   // lower king steps aside
      {9, 5, 5, 5, ボタン_左},   // rook takes the silver
  };
  std::vector<状態> after{状態::of(g.form)};
  for (const Move& m : moves) {
    g.move(m.fx, m.fy, m.tx, m.ty, m.button);
    EXPECT_EQ(g.form.対局値.手数, static_cast<int>(after.size())) << "move " << after.size();
    after.push_back(状態::of(g.form));
  }
  g.take();
  return after;
}

}  // namespace qz::records_testing
