// Starting and ending games, passing the turn, and whole games between two
// humans played by clicks.
#include <gtest/gtest.h>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

TEST(TwoHumans, StartSaysTheLowerSideMovesFirst) {
  StartedProgram g;
  g.form.START_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{box("先手の番です", " ")}));
  EXPECT_EQ(g.form.対局値.手番, 先手);
  EXPECT_EQ(g.form.対局値.局.手番値_MAN, 先手);
  EXPECT_EQ(g.form.対局値.対局モード, 0);
  EXPECT_TRUE(g.timer.on);
  // Again during the game: only whose turn it is.
  g.move(3, 7, 3, 6);
  g.take();
  g.form.START_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{box("後手の番です", " ")}));
  EXPECT_EQ(g.form.対局値.手番, 後手);
}

// The lower side opens its bishop's diagonal and takes the upper king from
// (9, 5) while the upper side shuffles its rook.
TEST(TwoHumans, AWholeGameByClicksEndsWithTheKingTaken) {
  StartedProgram g;
  g.form.START_Click();
  g.take();
  struct Step {
    int fx, fy, tx, ty;
    std::vector<Event> events;
  };
  const std::vector<Step> game = {
      {3, 7, 3, 6, {駒打, 氷結}},  // the bishop now bears on the pawn at (7, 3)
      {2, 2, 3, 2, {駒打}},       {7, 7, 7, 6, {駒打}},
      {3, 2, 2, 2, {駒打}},       {2, 8, 5, 5, {駒打, 氷結}},  // and on the pawn at (3, 3)
      {2, 2, 3, 2, {駒打}},       {5, 5, 7, 7, {駒打}},
      {7, 3, 7, 4, {駒打, 氷結}},  // the upper bishop's line reaches the lance at (1, 9)
      {7, 7, 9, 5, {駒打, 氷結}},  // check: the upper king is frozen
      {3, 2, 2, 2, {駒打}},
  };
  for (const Step& s : game) {
    const int piece = g.at(s.fx, s.fy);
    g.move(s.fx, s.fy, s.tx, s.ty);
    EXPECT_EQ(g.at(s.tx, s.ty), piece) << s.fx << s.fy << s.tx << s.ty;
    EXPECT_EQ(g.take(), s.events) << s.fx << s.fy << s.tx << s.ty;
    if (g.form.対局値.手数 == 1) {
      // The frozen pawn is drawn from the second picture set, the others not.
      const auto ops = g.takeOps();
      EXPECT_EQ(lastPictureAt(ops, 7, 3), piecePicture(true, true, 0));
      EXPECT_EQ(lastPictureAt(ops, 6, 3), piecePicture(true, false, 0));
    }
  }
  EXPECT_EQ(g.form.対局値.手数, 10);
  EXPECT_EQ(g.form.対局値.手番, 先手);
  g.clock.now += 5;
  g.move(9, 5, 5, 1);
  EXPECT_EQ(g.take(), (std::vector<Event>{駒打, box("先手の勝ちです", "終了"),
                                          box("棋譜を保存しますか？", "棋譜保存"),
                                          box("続けますか？", "再ゲーム")}));
  // The history kept the game; the board is new.
  EXPECT_EQ(g.form.対局値.手順.手順_最終, 11);
  EXPECT_EQ(g.form.対局値.手順[11].取駒, 王);
  EXPECT_EQ(g.form.対局値.手順[11].先駒, -角);
  EXPECT_EQ(g.form.対局値.手順[11].後秒M - g.form.対局値.手順[11].前秒M, 5);
  EXPECT_EQ(g.form.対局値.手番, 0);
  EXPECT_EQ(g.at(5, 1), 王);
  EXPECT_FALSE(g.timer.on);
}

// A capture repaints the capturer's stand; a drop the dropper's.
TEST(TwoHumans, MovesRepaintTheSquaresAndStandsTheyChange) {
  StartedProgram g;
  g.form.START_Click();
  g.move(3, 7, 3, 6);
  g.move(2, 2, 3, 2);
  g.move(2, 8, 6, 4);
  g.takeOps();
  g.move(6, 3, 6, 4);  // the upper pawn takes the bishop
  auto ops = g.takeOps();
  EXPECT_EQ(lastPictureAt(ops, -1, 2), piecePicture(true, false, 9));  // 角 in slot 6, row 2
  EXPECT_EQ(lastPictureAt(ops, 6, 3), Picture::KARA_MASU);
  EXPECT_EQ(lastPictureAt(ops, 6, 4), piecePicture(true, false, 0));
  EXPECT_EQ(outlinesAt(ops, 6, 4).back(), 色_緑);
  g.move(9, 7, 9, 6);
  g.takeOps();
  g.move(-1, 2, 5, 5);
  ops = g.takeOps();
  EXPECT_EQ(lastPictureAt(ops, -1, 2), Picture::KARA_MASU);
  EXPECT_EQ(lastPictureAt(ops, 5, 5), piecePicture(true, false, 9));
}

// A move adds to the mover's clock exactly the seconds its history entry
// records, though the time of day moves on while the move is made.
TEST(Clocks, TheHistoryAndTheTotalAgreeOnAMovesTime) {
  {
    StartedProgram g;
    g.form.START_Click();
    g.clock.perRead = 0.25;
    g.move(3, 7, 3, 6);
    g.move(3, 3, 3, 4);
    EXPECT_EQ(g.form.対局値.手順[1].後秒M, g.form.対局値.時間_MAN);
    EXPECT_EQ(g.form.対局値.手順[2].後秒C, g.form.対局値.時間_COM);
  }
  {
    StartedProgram g;
    g.form.SENTE_Click();
    g.clock.perRead = 0.25;
    g.move(3, 7, 3, 6);
    EXPECT_EQ(g.form.対局値.手順[1].後秒M, g.form.対局値.時間_MAN);
    EXPECT_EQ(g.form.対局値.手順[2].前秒M, g.form.対局値.時間_MAN);
    EXPECT_EQ(g.form.対局値.手順[2].後秒C, g.form.対局値.時間_COM);
  }
}

// The upper side takes a bishop that stepped onto a square its pawn bears
// on, then drops it from its stand; the stand's rows count from the top.
TEST(TwoHumans, TheUpperSideDropsFromItsStand) {
  StartedProgram g;
  g.form.START_Click();
  g.move(3, 7, 3, 6);
  g.move(2, 2, 3, 2);
  g.move(2, 8, 6, 4);  // frozen there by the pawn on (6, 3)
  g.move(6, 3, 6, 4);
  EXPECT_EQ(g.form.対局値.局.持駒_COM.枚数[持駒_角], 1);
  g.move(9, 7, 9, 6);
  g.take();
  g.move(-1, 2, 5, 5, ボタン_右);  // the bishop's row on the upper stand
  EXPECT_EQ(g.at(5, 5), 角);
  EXPECT_EQ(g.form.対局値.局.持駒_COM.合計, 0);
  const 手順& drop = g.form.対局値.手順[6];
  EXPECT_EQ(drop.元X, COM持駒X);
  EXPECT_EQ(drop.元Y, 2);  // the clicked row, as the mouse names it
  EXPECT_EQ(drop.先駒, 角);
  EXPECT_EQ(g.form.対局値.手番, 先手);
}

TEST(TwoHumans, TakingTheLowerKingNamesTheUpperSide) {
  StartedProgram g;
  g.form.START_Click();
  g.form.対局値.局.盤面[5][5] = -王;
  g.form.対局値.局.盤面[5][9] = 0;
  g.form.対局値.局.盤面[5][3] = 0;
  g.form.対局値.局.盤面[5][2] = 飛;
  g.move(1, 7, 1, 6);
  g.take();
  g.move(5, 2, 5, 5);
  EXPECT_EQ(g.take(), (std::vector<Event>{駒打, box("後手の勝ちです", "終了"),
                                          box("棋譜を保存しますか？", "棋譜保存"),
                                          box("続けますか？", "再ゲーム")}));
}

// Both kings step aside and back until the start comes the fourth time.
TEST(TwoHumans, ARepetitionIsAnnouncedAsADraw) {
  StartedProgram g;
  g.form.対局値.千日手判定 = true;
  g.form.START_Click();
  g.take();
  for (int i = 0; i < 3; ++i)
    for (const auto [fx, fy, tx, ty] :
         {std::array{5, 9, 6, 8}, {5, 1, 4, 2}, {6, 8, 5, 9}, {4, 2, 5, 1}})
      g.move(fx, fy, tx, ty);
  std::vector<Event> e(12, 駒打);
  e.insert(e.end(), {box("千日手です。引き分けです", "終了"),
                     box("棋譜を保存しますか？", "棋譜保存"), box("続けますか？", "再ゲーム")});
  EXPECT_EQ(g.take(), e);
}

TEST(AgainstTheComputer, SenteLetsTheHumanMoveAndTheComputerAnswer) {
  StartedProgram g;
  g.form.SENTE_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{box("MANの番です", " ")}));
  EXPECT_EQ(g.form.対局値.局.手番値_MAN, 先手);
  EXPECT_EQ(g.form.対局値.対局モード, 1);
  g.takeOps();
  g.clock.now += 3;
  g.move(3, 7, 3, 6);
  // The human's move, then the computer's.
  const auto events = g.take();
  EXPECT_EQ(std::count(events.begin(), events.end(), 駒打), 2);
  EXPECT_EQ(g.form.対局値.手数, 2);
  EXPECT_EQ(g.form.対局値.手番, 先手);
  EXPECT_EQ(g.form.対局値.時間_MAN, 3);
  EXPECT_TRUE(g.timer.on);
  const auto texts = textsOf(g.takeOps());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "思考中"), texts.end());
  // The computer's move is written beside the board: file, rank, piece.
  const 手順& com = g.form.対局値.手順[2];
  EXPECT_GT(com.元駒, 0);
  ASSERT_GE(texts.size(), 6u);
  EXPECT_EQ(texts[texts.size() - 6], 文字列変換(10 - com.先X));
  EXPECT_EQ(texts[texts.size() - 4], 文字列変換(1000 + com.先Y));
  EXPECT_EQ(texts.back(), 文字列変換(com.先駒));
}

TEST(AgainstTheComputer, GoteMakesTheComputerMoveFirstAsSente) {
  StartedProgram g;
  g.form.GOTE_Click();
  EXPECT_EQ(g.take().front(), 駒打);
  EXPECT_EQ(g.form.対局値.局.手番値_COM, 先手);
  EXPECT_EQ(g.form.対局値.局.手番値_MAN, 後手);
  EXPECT_EQ(g.form.対局値.手番, 後手);
  EXPECT_EQ(g.form.対局値.手数, 1);
  EXPECT_GT(g.form.対局値.手順[1].元駒, 0);
}

TEST(AgainstTheComputer, SenteOnTheHumansTurnRelabelsTheHumanAsSente) {
  StartedProgram g;
  g.form.GOTE_Click();
  const auto board = g.form.対局値.局.盤面;
  g.take();
  g.form.GOTE_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{box("MANの番です", "対局")}));
  EXPECT_EQ(g.form.対局値.局.手番値_MAN, 後手);
  g.form.SENTE_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{box("MANの番です", "対局")}));
  EXPECT_EQ(g.form.対局値.局.手番値_MAN, 先手);
  EXPECT_EQ(g.form.対局値.局.手番値_COM, 後手);
  EXPECT_EQ(g.form.対局値.手番, 先手);
  EXPECT_EQ(g.form.対局値.局.盤面, board);
}

TEST(AgainstTheComputer, SenteOrGoteOnTheComputersTurnStartsItsMove) {
  for (const bool sente : {true, false}) {
    StartedProgram g;
    g.form.START_Click();
    g.move(3, 7, 3, 6);  // a game between humans, the upper side to move
    g.take();
    if (sente)
      g.form.SENTE_Click();
    else
      g.form.GOTE_Click();
    EXPECT_EQ(g.take().front(), 駒打);
    EXPECT_EQ(g.form.対局値.手数, 2);
    EXPECT_EQ(g.form.対局値.手番, g.form.対局値.局.手番値_MAN);
  }
}

// After a finished game the map still describes its last position; a new
// game must not judge the fresh board's pieces frozen by it.
TEST(AgainstTheComputer, ANewGameJudgesTheFreshBoard) {
  StartedProgram g;
  g.form.START_Click();
  g.form.対局値.局.盤面[3][6] = 飛;  // bears on the pawn at (3, 7)
  勢力調査(g.form.対局値.局);
  g.form.終了("先手");
  g.take();
  g.form.SENTE_Click();
  g.take();
  g.move(3, 7, 3, 6);
  EXPECT_EQ(g.at(3, 6), -歩);
}

TEST(Ending, YesGivesAFreshBoardAndNoEndsTheProgram) {
  StartedProgram g;
  g.form.SENTE_Click();
  g.move(3, 7, 3, 6);
  g.take();
  g.form.終了("あなた");
  EXPECT_EQ(g.take(), (std::vector<Event>{box("あなたの勝ちです", "終了"),
                                          box("棋譜を保存しますか？", "棋譜保存"),
                                          box("続けますか？", "再ゲーム")}));
  EXPECT_EQ(g.form.対局値.手番, 0);
  EXPECT_EQ(g.form.対局値.手数, 0);
  g.messages.yesNo = {Answer::No};
  EXPECT_THROW(g.form.終了("ｺﾝﾋﾟｭｰﾀ"), ProgramEnded);
  EXPECT_TRUE(g.window.ended);
  EXPECT_EQ(g.sound.freed.size(), 5u);
}

TEST(Menus, TaikyokuAndMatchManChangeNothingOfTheGame) {
  StartedProgram g;
  g.form.TAIKYOKU_Click();
  g.form.MATCH_MAN_Click();
  g.form.メニュー選択(MenuItem::MATCH_MAN);
  EXPECT_TRUE(g.take().empty());
  EXPECT_EQ(g.form.対局値.手番, 0);
}

}  // namespace
}  // namespace qz
