// Mouse input: picking, reselecting, refusals with their sounds and
// messages, promotion by the button, drops, and resuming a paused game.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

// A game between two humans, the lower side to move, on a board holding only
// the given pieces (x, y, code) and the two kings.
void 局面を置く(StartedProgram& g, std::vector<std::tuple<int, int, int>> pieces) {
  g.form.START_Click();
  pieces.insert(pieces.begin(), {{5, 9, -王}, {5, 1, 王}});
  g.setBoard(pieces);
  g.take();
  g.takeOps();
}

TEST(Mouse, AClickBeforeAGameIsRefused) {
  StartedProgram g;
  g.click(3, 7);
  EXPECT_EQ(g.take(), (std::vector<Event>{禁止, box("「対局」で始めて下さい", "開始")}));
  EXPECT_EQ(g.form.選択状態, 0);
}

TEST(Mouse, TheBoardsLeftEdgeIsExact) {
  StartedProgram g;
  g.form.START_Click();
  g.form.Form_MouseDown(ボタン_左, 0, 1544, 盤上端 + 桝高 * 7 + 10);
  EXPECT_EQ(g.form.選択状態, 0);
  g.form.Form_MouseDown(ボタン_左, 0, 1545, 盤上端 + 桝高 * 7 + 10);
  EXPECT_EQ(g.form.選択状態, 1);
  EXPECT_EQ(g.form.選択中の手.元X, 1);
  // Positions far off the window do nothing.
  g.form.Form_MouseDown(ボタン_左, 0, 1e300, -1e300);
  g.form.Form_MouseDown(ボタン_左, 0, std::nan(""), 0);
  EXPECT_EQ(g.form.選択状態, 1);
}

TEST(Mouse, PickingOutlinesTheSquareAndShowsWhereItMayGo) {
  StartedProgram g;
  g.form.START_Click();
  g.takeOps();
  g.click(3, 7);
  const auto ops = g.takeOps();
  EXPECT_EQ(outlinesAt(ops, 3, 7).back(), 色_赤);
  EXPECT_EQ(outlinesAt(ops, 3, 6).back(), 色_白);  // guidance is on in the settings
  EXPECT_EQ(outlinesAt(ops, 3, 5).back(), 色_緑);
  EXPECT_EQ(g.form.選択状態, 1);
}

TEST(Mouse, TheOtherSidesPieceShowsItsMovesButIsNotPicked) {
  StartedProgram g;
  g.form.START_Click();
  g.take();
  g.takeOps();
  g.click(3, 3);
  const auto ops = g.takeOps();
  EXPECT_EQ(outlinesAt(ops, 3, 3).back(), 色_緑);
  EXPECT_EQ(outlinesAt(ops, 3, 4).back(), 色_白);
  EXPECT_EQ(g.form.選択状態, 0);
  g.click(3, 4);
  EXPECT_EQ(g.at(3, 3), 歩);
  EXPECT_EQ(g.form.対局値.手数, 0);
  EXPECT_TRUE(g.take().empty());
}

TEST(Mouse, AnOwnPieceClickedWhilePickedIsPickedInstead) {
  StartedProgram g;
  g.form.START_Click();
  g.click(3, 7);
  g.takeOps();
  g.click(4, 7);
  const auto ops = g.takeOps();
  EXPECT_EQ(outlinesAt(ops, 3, 7).front(), 色_緑);
  EXPECT_EQ(outlinesAt(ops, 4, 7).back(), 色_赤);
  g.click(4, 6);
  EXPECT_EQ(g.at(4, 6), -歩);
  EXPECT_EQ(g.at(3, 7), -歩);
}

TEST(Mouse, AnIllegalDestinationIsRefusedAndDropsThePick) {
  StartedProgram g;
  g.form.START_Click();
  g.take();
  g.move(3, 7, 3, 5);
  EXPECT_EQ(g.take(), (std::vector<Event>{禁止}));
  EXPECT_EQ(g.form.選択状態, 0);
  EXPECT_EQ(g.at(3, 7), -歩);
  EXPECT_EQ(g.form.対局値.手数, 0);
}

TEST(Mouse, AFrozenPieceCannotMove) {
  StartedProgram g;
  局面を置く(g, {{4, 6, -金}, {4, 5, 歩}});  // the pawn bears on the gold
  g.move(4, 6, 3, 5);
  EXPECT_EQ(g.take(), (std::vector<Event>{禁止}));
  EXPECT_EQ(g.at(4, 6), -金);
}

TEST(Mouse, ALeftClickWherePromotionIsForcedAsksForTheRightButton) {
  StartedProgram g;
  局面を置く(g, {{2, 2, -歩}});
  g.move(2, 2, 2, 1);
  EXPECT_EQ(g.take(), (std::vector<Event>{禁止, box("マウスの右をクリックして下さい", "成り")}));
  EXPECT_EQ(g.form.選択状態, 1);
  EXPECT_EQ(g.at(2, 2), -歩);
  // Any other button is no promotion either.
  g.click(2, 1, 4);
  EXPECT_EQ(g.take(), (std::vector<Event>{禁止, box("マウスの右をクリックして下さい", "成り")}));
  g.click(2, 1, ボタン_右);
  EXPECT_EQ(g.at(2, 1), -成歩);
  EXPECT_EQ(g.form.対局値.手順[1].元駒, -歩);
  EXPECT_EQ(g.form.対局値.手順[1].先駒, -成歩);
}

TEST(Mouse, TheButtonChoosesOptionalPromotion) {
  for (const auto& [button, expected] : {std::pair{ボタン_左, -銀}, std::pair{ボタン_右, -成銀}}) {
    StartedProgram g;
    局面を置く(g, {{2, 5, -銀}});
    g.move(2, 5, 2, 4);  // outside the zone: never promotes
    EXPECT_EQ(g.at(2, 4), -銀);
    g.form.対局値.手番 = 先手;  // the lower side again
    g.move(2, 4, 2, 3, button);
    EXPECT_EQ(g.at(2, 3), expected);
  }
}

TEST(Mouse, ADropFromTheStandIsNeverPromoted) {
  StartedProgram g;
  局面を置く(g, {});
  g.form.対局値.局.持駒_MAN.加える(4);
  g.form.画.描画_自持盤();
  g.takeOps();
  g.click(11, 6);
  EXPECT_EQ(outlinesAt(g.takeOps(), 11, 6).back(), 色_赤);
  g.click(3, 2, ボタン_右);
  EXPECT_EQ(g.at(3, 2), -銀);
  EXPECT_EQ(g.form.対局値.局.持駒_MAN.合計, 0);
  EXPECT_EQ(g.form.対局値.手順[1].元X, MAN持駒X);
  EXPECT_EQ(g.form.対局値.手順[1].元Y, 6);
}

TEST(Mouse, AnEmptyStandSlotCannotBePicked) {
  StartedProgram g;
  g.form.START_Click();
  g.take();
  g.click(11, 3);
  g.click(-1, 7);
  EXPECT_EQ(g.form.選択状態, 0);
  EXPECT_TRUE(g.take().empty());
  g.click(5, 5);
  EXPECT_EQ(g.form.対局値.手数, 0);
}

TEST(Mouse, ASecondPawnInAColumnCannotBeDropped) {
  StartedProgram g;
  局面を置く(g, {{3, 7, -歩}});
  g.form.対局値.局.持駒_MAN.加える(1);
  g.move(11, 3, 3, 5);
  EXPECT_EQ(g.take(), (std::vector<Event>{禁止}));
  g.move(11, 3, 4, 5);
  EXPECT_EQ(g.at(4, 5), -歩);
}

// Clicking the other side's stand shows its drops but leaves nothing picked,
// so the next click cannot drop the other side's piece.
TEST(Mouse, TheOtherSidesStandLeavesNothingPicked) {
  StartedProgram g;
  局面を置く(g, {{3, 7, -歩}});
  g.form.対局値.局.持駒_COM.加える(7);
  g.click(3, 7);
  g.click(-1, 1);  // the upper side's rook
  EXPECT_EQ(g.form.選択状態, 0);
  g.click(5, 5);
  EXPECT_EQ(g.at(5, 5), 0);
  EXPECT_EQ(g.form.対局値.局.持駒_COM.枚数[持駒_飛], 1);
  EXPECT_EQ(g.form.対局値.手数, 0);
}

// A picked stand piece that has gone from the stand is refused.
TEST(Mouse, APickedStandPieceThatIsGoneIsRefused) {
  StartedProgram g;
  局面を置く(g, {});
  g.form.対局値.局.持駒_MAN.加える(5);
  g.click(11, 7);
  g.form.対局値.局.持駒_MAN.減らす(5);
  g.click(5, 5);
  EXPECT_EQ(g.take(), (std::vector<Event>{禁止}));
  EXPECT_EQ(g.at(5, 5), 0);
  EXPECT_EQ(g.form.対局値.局.持駒_MAN.枚数[持駒_金], 0);
}

TEST(Mouse, WhileARecordIsSteppedTheBoardAsksForSusumu) {
  StartedProgram g;
  g.form.START_Click();
  g.form.対局値.棋譜モード = 1;
  g.take();
  g.click(3, 7);
  EXPECT_EQ(g.take(), (std::vector<Event>{box("棋譜を '進 'で進めて下さい", "棋譜")}));
  EXPECT_EQ(g.form.対局値.棋譜モード, 1);
  EXPECT_EQ(g.form.選択状態, 0);
  g.messages.yesNo = {Answer::No};
  g.click(3, 7);
  EXPECT_EQ(g.take(), (std::vector<Event>{box("棋譜を '進 'で進めて下さい", "棋譜"), 禁止}));
  EXPECT_EQ(g.form.対局値.棋譜モード, 0);
  EXPECT_EQ(g.form.対局値.手番, 0);
}

TEST(Resume, BetweenHumansTheClickNamesTheSideAndGoesOn) {
  StartedProgram g;
  g.form.START_Click();
  g.move(3, 7, 3, 6);
  g.form.対局値.中断中 = 1;
  g.timer.on = false;
  g.take();
  g.click(3, 3);
  EXPECT_EQ(g.take(), (std::vector<Event>{box("後手の番です", "対局")}));
  EXPECT_EQ(g.form.対局値.中断中, 0);
  EXPECT_TRUE(g.timer.on);
  EXPECT_EQ(g.form.選択状態, 1);
}

TEST(Resume, AgainstTheComputerOnTheHumansTurn) {
  StartedProgram g;
  g.form.SENTE_Click();
  g.form.対局値.中断中 = 1;
  g.timer.on = false;
  g.take();
  g.click(3, 7);
  EXPECT_EQ(g.take(), (std::vector<Event>{box("MANの番です", "対局")}));
  EXPECT_EQ(g.form.選択状態, 1);
  EXPECT_TRUE(g.timer.on);
}

// On the computer's turn the click first lets it move, then counts as the
// human's.
TEST(Resume, OnTheComputersTurnItMovesFirst) {
  StartedProgram g;
  g.form.SENTE_Click();
  g.move(3, 7, 3, 6);
  g.form.対局値.手番 = g.form.対局値.局.手番値_COM;  // as if stepped back to its move
  g.form.対局値.中断中 = 1;
  g.take();
  g.click(7, 7);
  const auto events = g.take();
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[0], box("OKですか？", "再開(COM)"));
  EXPECT_EQ(events[1], 駒打);
  EXPECT_EQ(g.form.対局値.手数, 3);
  EXPECT_EQ(g.form.対局値.手番, g.form.対局値.局.手番値_MAN);
  EXPECT_EQ(g.form.選択状態, 1);
  EXPECT_EQ(g.form.対局値.中断中, 0);
}

// When the computer's resumed move ends the game, the click that resumed it
// does nothing on the new board.
TEST(Resume, AClickThatLetsTheComputerWinDoesNothingMore) {
  StartedProgram g;
  g.form.SENTE_Click();
  局面& s = g.form.対局値.局;
  s.盤面[5][3] = 0;
  s.盤面[5][7] = 0;
  s.盤面[2][2] = 0;
  s.盤面[5][2] = 飛;  // a clear line to the lower king
  勢力調査(s);
  g.form.対局値.手数 = 1;
  g.form.対局値.手番 = s.手番値_COM;
  g.take();
  g.click(5, 7);
  EXPECT_EQ(g.take(), (std::vector<Event>{box("OKですか？", "再開(COM)"), 駒打,
                                          sound("氷結.wav"),  // the golds bear on the rook
                                          box("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了"),
                                          box("棋譜を保存しますか？", "棋譜保存"),
                                          box("続けますか？", "再ゲーム")}));
  EXPECT_EQ(g.form.対局値.手番, 0);
  EXPECT_EQ(g.form.選択状態, 0);
  EXPECT_EQ(g.form.選択中の手.駒, 0);
}

}  // namespace
}  // namespace qz
