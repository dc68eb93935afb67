// Faults a new player met in the window, each through the handlers.
#include <gtest/gtest.h>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

const Picture 凍った上の歩 = piecePicture(true, true, 0);

// From start-up each handicap step takes its piece off the board and the
// screen at once, as it does after 最初.
TEST(NewPlayer, HandicapFromStartUpRemovesEachPieceAtOnce) {
  StartedProgram g;
  g.takeOps();
  g.form.LBEL_UP_Click();
  EXPECT_EQ(g.at(8, 2), 0);
  EXPECT_EQ(lastPictureAt(g.takeOps(), 8, 2), Picture::KARA_MASU);
  g.form.LBEL_UP_Click();
  EXPECT_EQ(g.at(2, 2), 0);
  EXPECT_EQ(lastPictureAt(g.takeOps(), 2, 2), Picture::KARA_MASU);
  EXPECT_EQ(g.at(9, 1), 香);
}

// After 7六歩 the pawn on 3三 is frozen; a reversal turns it into the lower
// side's pawn on 7七, still frozen, and draws it so.
TEST(NewPlayer, ReversalDrawsFrozenPiecesFrozen) {
  StartedProgram g;
  g.form.START_Click();
  g.move(3, 7, 3, 6);
  g.takeOps();
  g.take();
  g.form.REVERSE_Click();
  EXPECT_EQ(lastPictureAt(g.takeOps(), 3, 7), piecePicture(false, true, 0));
  EXPECT_EQ(g.take(), (std::vector<Event>{sound("駒打音.wav")}));
}

// A refused drop (a knight where it could never move, a second pawn on a
// file) leaves nothing outlined in red: the screen and the selection agree.
TEST(NewPlayer, ARefusedDropUnpicksItsPiece) {
  struct Case {
    int 駒, x, y;
  };
  for (const Case c : {Case{-桂, 5, 2}, Case{-歩, 5, 5}}) {
    StartedProgram g;
    g.form.START_Click();
    g.form.対局値.局.持駒_MAN.加える(持駒番号(c.駒));
    const 升 台 = 持駒台の升(c.駒);
    g.takeOps();
    g.move(台.x, 台.y, c.x, c.y);
    EXPECT_EQ(g.form.選択状態, 0);
    const auto outlines = outlinesAt(g.takeOps(), 台.x, 台.y);
    ASSERT_FALSE(outlines.empty());
    EXPECT_NE(outlines.back(), 色_赤) << c.駒;
  }
}

// The computer takes the king: "思考中" is gone before the result is shown.
TEST(NewPlayer, ThinkingLabelIsGoneWhenTheComputerWins) {
  StartedProgram g;
  g.form.SENTE_Click();
  g.setBoard({{1, 1, 王}, {5, 2, 飛}, {5, 9, -王}});
  g.form.対局値.手数 = 1;
  g.form.対局値.手番 = g.form.対局値.局.手番値_COM;
  bool 表示中 = false;
  g.messages.whileOpen = [&] {
    if (g.events.back().text != "ｺﾝﾋﾟｭｰﾀの勝ちです") return;
    // The last thing drawn at the label's place is the background, not the label.
    for (const auto& op : g.surface.ops) {
      if (op.kind == RecordingSurface::Kind::Text && op.text == "思考中") 表示中 = true;
      if (op.kind == RecordingSurface::Kind::Picture && op.x == セルX(-1) && op.y == セルY(8))
        表示中 = false;
    }
  };
  g.form.GOTE_Click();
  EXPECT_FALSE(表示中);
}

}  // namespace
}  // namespace qz
