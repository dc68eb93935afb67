// Levels 4 and 5 and the hint in the window: the search runs beside the
// window, Timer1 collects its move, and nothing of the game changes meanwhile.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

// Lets Timer1 tick, as the window does every 50 ms, until the search is done.
void 待つ(StartedProgram& g) {
  while (g.form.考え中()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    g.form.Timer1_Timer();
  }
}

TEST(DeepTurn, TheComputerThinksBesideTheWindowAndPlaysOnATick) {
  StartedProgram g;
  g.form.メニュー選択(MenuItem::LEVEL4);
  g.form.GOTE_Click();  // the computer moves first
  ASSERT_TRUE(g.form.考え中());
  EXPECT_TRUE(g.timer.on);
  const auto 盤 = g.form.対局値.局.盤面;
  g.click(7, 7);  // the board, the level menu and the hint are not taken meanwhile
  g.form.メニュー選択(MenuItem::LEVEL1);
  g.form.メニュー選択(MenuItem::HINT);
  EXPECT_EQ(g.form.対局値.COMレベル, 4);
  EXPECT_EQ(g.form.対局値.局.盤面, 盤);
  待つ(g);
  EXPECT_EQ(g.form.対局値.手数, 1);
  EXPECT_EQ(g.form.対局値.手番, g.form.対局値.局.手番値_MAN);
  EXPECT_NE(g.form.対局値.局.盤面, 盤);
}

// The computer's king is frozen by the rook and its pawn can only step on,
// after which the rook takes the king: LEVEL4 gives the game up through the
// usual end of game, or plays on when resigning is turned off.
TEST(DeepTurn, ALostGameIsResignedUnlessTurnedOff) {
  for (const bool resigns : {true, false}) {
    StartedProgram g;
    g.form.メニュー選択(MenuItem::LEVEL4);
    g.form.COMは投了する = resigns;
    g.form.SENTE_Click();
    g.setBoard({{5, 1, 王}, {1, 3, 歩}, {5, 5, -飛}, {5, 9, -王}});
    g.form.対局値.手数 = 1;
    g.form.対局値.手番 = g.form.対局値.局.手番値_COM;
    g.form.GOTE_Click();
    g.take();
    待つ(g);
    const auto events = g.take();
    if (resigns) {
      ASSERT_FALSE(events.empty());
      EXPECT_EQ(events.front(), box("あなたの勝ちです", "終了"));
      EXPECT_EQ(g.form.対局値.手番, 0);
      EXPECT_EQ(g.at(1, 3), 歩);
    } else {
      EXPECT_EQ(g.form.対局値.手番, g.form.対局値.局.手番値_MAN);
      EXPECT_EQ(g.at(1, 4), 歩);
    }
  }
}

TEST(DeepTurn, OwariAndEscStopTheSearchAtOnce) {
  for (const bool esc : {false, true}) {
    StartedProgram g;
    g.form.メニュー選択(MenuItem::LEVEL5);
    g.form.GOTE_Click();
    ASSERT_TRUE(g.form.考え中());
    const auto 盤 = g.form.対局値.局.盤面;
    const auto start = std::chrono::steady_clock::now();
    if (esc)
      EXPECT_THROW(g.form.Form_KeyPress(キー_Esc), ProgramEnded);
    else
      EXPECT_THROW(g.form.メニュー選択(MenuItem::OWARI), ProgramEnded);
    EXPECT_FALSE(g.form.考え中());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(g.form.対局値.局.盤面, 盤);
    EXPECT_EQ(g.form.対局値.手数, 0);
  }
}

// The hint shows a move of the side to move with an arrow and writes it,
// changes nothing of the game, and goes at the next click.
TEST(DeepTurn, HintShowsASuggestionUntilTheNextClick) {
  StartedProgram g;
  g.form.SENTE_Click();
  g.timer.on = false;  // the clock is not shown: the hint's polling leaves it so
  const auto 盤 = g.form.対局値.局.盤面;
  g.takeOps();
  g.form.メニュー選択(MenuItem::HINT);
  待つ(g);
  std::vector<Point> 先;  // the arrow's tip, the destination's centre
  for (const auto& op : g.takeOps())
    if (op.kind == RecordingSurface::Kind::Polygon && op.colour == 色_赤紫)
      先.push_back(op.corners.at(3));
  ASSERT_EQ(先.size(), 1u);
  const int x = static_cast<int>((先[0].x - 盤左端) / 桝幅),
            y = static_cast<int>((先[0].y - 盤上端) / 桝高);
  EXPECT_FALSE(g.timer.on);
  EXPECT_EQ(g.form.対局値.局.盤面, 盤);
  EXPECT_EQ(g.form.対局値.手数, 0);
  g.click(5, 5);  // an empty square: only the hint goes
  const auto ops = g.takeOps();
  EXPECT_EQ(lastPictureAt(ops, x, y), Picture::KARA_MASU);  // the arrow painted over
  EXPECT_EQ(outlinesAt(ops, x, y).back(), 色_緑);
  // No hint before a game, and the status line says why.
  StartedProgram idle;
  idle.takeOps();
  idle.form.メニュー選択(MenuItem::HINT);
  EXPECT_FALSE(idle.form.考え中());
  EXPECT_EQ(状態行(idle.takeOps()), "ヒント：対局中ではありません");
}

}  // namespace
}  // namespace qz
