// The computer's turn in the window: check and mate announced, the king
// taken, no move at all, and no handler running inside another.
#include <gtest/gtest.h>

#include <tuple>

#include "computer/one_move_player.h"
#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

// A game against the computer (the human 先手), the computer to move, on a
// board holding only the given pieces (x, y, code).
void 局面を置く(StartedProgram& g, const std::vector<std::tuple<int, int, int>>& pieces) {
  g.form.SENTE_Click();
  g.setBoard(pieces);
  g.form.対局値.手数 = 1;
  g.form.対局値.手番 = g.form.対局値.局.手番値_COM;
  g.take();
  g.takeOps();
}

// The upper king is in check from the lance at (1, 9), and no move can take,
// block or freeze the lance (the pawn on (9, 7) keeps the rook off row 9), so
// every move loses and the first is played: the silver steps off the rook's
// row, a check the gold can block. The human then takes the king.
const std::vector<std::tuple<int, int, int>> 王手局面 = {
    {1, 1, 王}, {9, 5, 飛}, {5, 5, 銀}, {1, 9, -香}, {2, 5, -王}, {2, 6, -金}, {9, 7, -歩}};

TEST(ComputerTurn, ACheckIsAnnouncedAndTheGameGoesOn) {
  StartedProgram g;
  局面を置く(g, 王手局面);
  g.form.GOTE_Click();
  EXPECT_EQ(g.at(4, 4), 銀);
  EXPECT_EQ(g.take(), (std::vector<Event>{駒打, 氷結, box("   ** 王手 **", "")}));
  const auto texts = textsOf(g.takeOps());
  EXPECT_EQ(std::vector<std::string>(texts.end() - 6, texts.end()),
            (std::vector<std::string>{"６", "６", "四", "四", "銀", "銀"}));
  EXPECT_EQ(g.form.対局値.手番, g.form.対局値.局.手番値_MAN);
  g.move(1, 9, 1, 1, ボタン_右);
  EXPECT_EQ(g.take(), (std::vector<Event>{駒打, box("あなたの勝ちです", "終了"),
                                          box("棋譜を保存しますか？", "棋譜保存"),
                                          box("続けますか？", "再ゲーム")}));
}

TEST(ComputerTurn, AMateIsAnnouncedButDoesNotEndTheGame) {
  StartedProgram g;
  局面を置く(g, {{1, 1, 王}, {5, 9, -王}});
  g.form.対局値.局.持駒_COM.加える(2);
  g.form.GOTE_Click();
  const 手順& drop = g.form.対局値.手順[g.form.対局値.手順.手順_現在];
  EXPECT_EQ(drop.元X, COM持駒X);
  EXPECT_EQ(drop.元Y, 2);  // the computer names its hand slot
  EXPECT_EQ(g.at(5, 1), 香);
  const auto events = g.take();
  EXPECT_EQ(events.back(), box("よし！!", "詰め ?"));
  EXPECT_EQ(g.form.対局値.手番, g.form.対局値.局.手番値_MAN);
  EXPECT_EQ(g.form.対局値.局.持駒_COM.合計, 0);
}

TEST(ComputerTurn, TakingTheKingEndsTheGameWithoutACheckMessage) {
  StartedProgram g;
  局面を置く(g, {{1, 1, 王}, {5, 2, 飛}, {5, 9, -王}});
  g.form.GOTE_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{駒打, box("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了"),
                                          box("棋譜を保存しますか？", "棋譜保存"),
                                          box("続けますか？", "再ゲーム")}));
  EXPECT_EQ(g.form.対局値.手番, 0);
}

// Every piece of the computer frozen and nothing in its hand: the human wins
// rather than the computer playing an empty move.
TEST(ComputerTurn, NoMoveAtAllLosesTheGame) {
  StartedProgram g;
  局面を置く(g, {{5, 1, 王}, {5, 5, -飛}, {5, 9, -王}});
  g.form.GOTE_Click();
  EXPECT_EQ(g.take(),
            (std::vector<Event>{box("あなたの勝ちです", "終了"), box("続けますか？", "再ゲーム")}));
  EXPECT_EQ(g.form.対局値.手番, 0);
  EXPECT_EQ(g.form.対局値.手順.手順_最終, 1);  // nothing was added
}

TEST(ComputerTurn, ItsClockCountsTheThinkingTime) {
  StartedProgram g;
  g.form.SENTE_Click();
  g.move(3, 7, 3, 6);
  const 手順& h = g.form.対局値.手順[2];
  EXPECT_EQ(h.前秒M, h.後秒M);
  EXPECT_EQ(h.後秒C, g.form.対局値.時間_COM);
  EXPECT_TRUE(g.timer.on);
  // Without the clock shown the timer stays off after the move.
  g.form.KEIKA_Click();
  g.move(7, 7, 7, 6);
  EXPECT_FALSE(g.timer.on);
}

// The 50 ms timer and any click or menu command that arrive while a box is
// open (its event loop runs them) are dropped until the box's handler is done.
TEST(Reentry, NothingRunsInsideAnOpenBox) {
  StartedProgram g;
  局面を置く(g, 王手局面);
  int inside = 0;
  g.messages.whileOpen = [&] {
    ++inside;
    const auto board = g.form.対局値.局.盤面;
    const int moves = g.form.対局値.手数;
    const std::size_t events = g.events.size();
    g.clock.now += 3;
    g.form.Timer1_Timer();
    for (const MenuItem item : {MenuItem::SENTE, MenuItem::GOTE, MenuItem::START, MenuItem::LBEL_UP,
                                MenuItem::REPLAY, MenuItem::PASTE})
      g.form.メニュー選択(item);
    g.form.Form_KeyPress(キー_Esc);
    g.form.Drive1_Change();
    g.move(1, 9, 1, 1, ボタン_右);
    EXPECT_EQ(g.form.対局値.局.盤面, board);
    EXPECT_EQ(g.form.対局値.手数, moves);
    EXPECT_EQ(g.events.size(), events);
  };
  g.form.メニュー選択(MenuItem::GOTE);
  EXPECT_EQ(inside, 1);
  EXPECT_EQ(g.form.対局値.手数, 2);
  // A tick inside the boxes that end the game breaks nothing either.
  g.move(1, 9, 1, 1, ボタン_右);
  EXPECT_EQ(inside, 4);
  EXPECT_EQ(g.form.対局値.手番, 0);
  EXPECT_FALSE(g.timer.on);
  g.messages.whileOpen = nullptr;
  g.form.Timer1_Timer();
  g.form.SENTE_Click();
  EXPECT_EQ(g.form.対局値.手番, 先手);
}

// A tick outside any handler paints the running clock of the side to move.
TEST(Reentry, ATickOutsideAHandlerPaintsTheClock) {
  StartedProgram g;
  g.form.SENTE_Click();
  g.takeOps();
  g.clock.now += 61;
  g.form.Timer1_Timer();
  const auto texts = textsOf(g.takeOps());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "00:01:01"), texts.end());
}

}  // namespace
}  // namespace qz
