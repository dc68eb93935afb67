// The board editor from the window: opened on the position on the board,
// its position put on the board as a pasted one, a game played from it, and
// a cancel that leaves the game going.
#include <gtest/gtest.h>

#include "fakes.h"
#include "records/usi.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

TEST(BoardEditWindow, TheEditedPositionIsPlayedFrom) {
  StartedProgram b;
  b.form.SENTE_Click();
  b.move(3, 7, 3, 6);
  const std::string onBoard = SFEN文(b.form.対局値.今の局面(), 1);
  const std::string edited = "4k4/9/9/9/9/9/9/9/4K4 b 2G 1";
  b.window.boardEdit = edited;
  b.take();
  b.form.BOARD_EDIT_Click();
  EXPECT_EQ(b.window.boardEditOpenedOn, onBoard);
  EXPECT_EQ(b.take(), (std::vector<Event>{box("対局中です。局面を編集しますか？", "対局")}));
  b.form.COPY_SFEN_Click();
  EXPECT_EQ(b.panel.clipboard, edited);

  b.form.SENTE_Click();
  b.move(MAN持駒X, 持駒_金 + 2, 5, 5);
  EXPECT_EQ(b.at(5, 5), -金);

  // A position with the upper side to move keeps it when copied again.
  const std::string upper = "4k4/9/9/9/9/9/9/9/4K4 w 2g 1";
  b.window.boardEdit = upper;
  b.form.BOARD_EDIT_Click();
  b.form.COPY_SFEN_Click();
  EXPECT_EQ(b.panel.clipboard, upper);
}

TEST(BoardEditWindow, ACancelOrANoLeavesTheGameAsItWas) {
  StartedProgram b;
  b.form.SENTE_Click();
  b.move(3, 7, 3, 6);
  const 盤配列 before = b.form.対局値.局.盤面;
  b.window.boardEdit.reset();
  b.form.BOARD_EDIT_Click();
  EXPECT_TRUE(b.timer.enabled());
  EXPECT_TRUE(b.form.対局値.対局中());
  b.window.boardEdit = "4k4/9/9/9/9/9/9/9/4K4 b - 1";
  b.messages.yesNo = {Answer::No};
  b.form.BOARD_EDIT_Click();
  EXPECT_EQ(b.form.対局値.局.盤面, before);
  EXPECT_TRUE(b.form.対局値.対局中());
}

}  // namespace
}  // namespace qz
