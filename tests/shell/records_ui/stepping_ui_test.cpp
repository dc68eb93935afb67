// Stepping and reversal through the window's handlers, on games played by
// clicking: "戻" and "進" must bring back exactly what was there.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "record_games.h"

namespace qz::records_testing {
namespace {

class Scripted : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    g = std::make_unique<RecordGame>(dir.path().toStdString());
    ASSERT_NO_FATAL_FAILURE(startScripted(*g));
  }
  void play() { ASSERT_NO_FATAL_FAILURE(after = playScripted(*g)); }

  QTemporaryDir dir;
  std::unique_ptr<RecordGame> g;
  std::vector<状態> after;  // after[k]: the state after k moves
};

TEST_F(Scripted, StepsShowAndEraseTheLastMoveAndRedrawTheCapturedPiece) {
  play();
  g->takeOps();
  g->form.REPLAY_Click();  // the rook's capture of the silver on (5,5) taken back
  auto ops = g->takeOps();
  // The lower silver is back on (5,5) (frozen: the rook bears on it), the
  // upper rook back on (9,5).
  const auto silver = lastPictureAt(ops, 5, 5);
  ASSERT_TRUE(silver && isPiece(*silver));
  EXPECT_FALSE(pieceFace(*silver).upper);
  EXPECT_EQ(pieceFace(*silver).kind, 6);
  EXPECT_EQ(lastPictureAt(ops, 9, 5), piecePicture(true, false, 11));
  g->form.AFTER_Click();
  ops = g->takeOps();
  // The move's text: file ５ (10 - column 5), rank 五, 飛.
  const std::vector<std::string> texts = textsOf(ops);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "５"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "五"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "飛"), texts.end());
}

TEST_F(Scripted, RefusalsAtEitherEndChangeNothing) {
  play();
  g->form.AFTER_Click();
  EXPECT_EQ(g->take(), (std::vector<Event>{sound("禁止.wav"), box("できません", "進む")}));
  EXPECT_EQ(状態::of(g->form), after.back());
  EXPECT_EQ(g->form.対局値.中断中, 1);
  for (std::size_t k = 1; k < after.size(); ++k) g->form.REPLAY_Click();
  g->take();
  g->form.REPLAY_Click();
  EXPECT_EQ(g->take(), (std::vector<Event>{sound("禁止.wav"), box("できません", "戻る")}));
  EXPECT_EQ(状態::of(g->form), after.front());
}

TEST_F(Scripted, FirstPositionKeepsTheHistoryForAGameBetweenHumans) {
  play();
  g->form.CANCEL_Click();
  EXPECT_EQ(g->take(), (std::vector<Event>{box("対局中です。最初に戻しますか？", "対局"),
                                           sound("駒打音.wav")}));
  EXPECT_EQ(g->form.対局値.手番, 0);
  EXPECT_EQ(g->form.対局値.手順.手順_最終, 6);
  g->form.AFTER_Click();
  EXPECT_EQ(g->take(),
            (std::vector<Event>{sound("禁止.wav"), box("「対局」で始めて下さい", "開始")}));
}

TEST_F(Scripted, ReversalTwiceIsTheIdentityAndDropsTheHistory) {
  play();
  // Back to move 3: the upper side holds the rook it took, the lower side nothing.
  g->form.REPLAY_Click();
  g->form.REPLAY_Click();
  g->form.REPLAY_Click();
  const 状態 before = 状態::of(g->form);
  ASSERT_GT(before.持駒_MAN.合計 + before.持駒_COM.合計, 0);
  g->take();

  g->form.REVERSE_Click();
  EXPECT_EQ(g->take(), (std::vector<Event>{sound("駒打音.wav")}));
  const 局面& s = g->form.対局値.局;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      EXPECT_EQ(s.盤面[10 - x][10 - y], -before.盤面[x][y]) << x << "," << y;
  EXPECT_EQ(s.持駒_MAN.枚数, before.持駒_COM.枚数);
  EXPECT_EQ(s.持駒_COM.枚数, before.持駒_MAN.枚数);
  // The totals follow the hands, so a drop or a mate test counts right.
  EXPECT_EQ(s.持駒_MAN.合計, before.持駒_COM.合計);
  EXPECT_EQ(s.持駒_COM.合計, before.持駒_MAN.合計);
  EXPECT_EQ(g->form.対局値.手番, -before.手番);
  EXPECT_EQ(g->form.対局値.手数, before.手数);
  EXPECT_EQ(g->form.対局値.反転フラグ, 1);
  // The influence map describes the reversed board.
  局面 fresh = s;
  勢力調査(fresh);
  EXPECT_EQ(fresh.表.勢力_MAN, s.表.勢力_MAN);
  EXPECT_EQ(fresh.表.勢力_COM, s.表.勢力_COM);

  g->form.AFTER_Click();
  g->form.REPLAY_Click();
  EXPECT_EQ(g->take(), (std::vector<Event>{sound("禁止.wav"), box("できません", "進む"),
                                           sound("禁止.wav"), box("できません", "戻る")}));
  g->form.KIFU_WRITE_Click();
  EXPECT_EQ(g->take(), (std::vector<Event>{box("反転後は書き込みできません", "棋譜書込")}));

  g->form.REVERSE_Click();
  EXPECT_EQ(状態::of(g->form), before);
  EXPECT_EQ(g->form.対局値.反転フラグ, 1);
}

TEST(Reversal, TurnsTheHandicapGradeRound) {
  QTemporaryDir dir;
  RecordGame g(dir.path().toStdString());
  g.form.対局値.ハンデ設定フラグ = 1;
  g.form.対局値.ハンデレベル = 3;
  g.takeOps();
  g.form.REVERSE_Click();
  EXPECT_EQ(g.form.対局値.ハンデレベル, -3);
  const auto texts = textsOf(g.takeOps());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"), texts.end());
  // Reversed once more from the start, the starting position is its own mirror.
  g.form.REVERSE_Click();
  EXPECT_EQ(g.form.対局値.ハンデレベル, 3);
  局面 start;
  初期配置(start);
  EXPECT_EQ(g.form.対局値.局.盤面, start.盤面);
}

// A game against the computer: its clocks as well come back exactly.
TEST(AgainstTheComputer, BackAndForwardRestoreTheClocks) {
  QTemporaryDir dir;
  RecordGame g(dir.path().toStdString());
  g.form.SENTE_Click();
  std::vector<状態> after{状態::of(g.form)};
  // Pawn pushes, tried in order until four have been played.
  const std::array<int, 9> columns = {7, 3, 2, 6, 1, 9, 4, 8, 5};
  std::array<int, 10> row{};
  row.fill(7);
  for (int played = 0, i = 0; played < 4 && i < 40; ++i) {
    const int x = columns[static_cast<std::size_t>(i % 9)];
    const int before = g.form.対局値.手数;
    g.clock.now += 7.6;
    g.move(x, row[static_cast<std::size_t>(x)], x, row[static_cast<std::size_t>(x)] - 1);
    if (g.form.対局値.手数 == before + 2) {
      --row[static_cast<std::size_t>(x)];
      ++played;
      after.push_back(状態::of(g.form));
    }
  }
  ASSERT_EQ(after.size(), 5u);
  ASSERT_GT(g.form.対局値.時間_MAN, 30.0);
  for (int k = 3; k >= 0; --k) {
    g.form.REPLAY_Click();
    g.form.REPLAY_Click();
    ASSERT_EQ(状態::of(g.form), after[static_cast<std::size_t>(k)]);
  }
  for (std::size_t k = 1; k <= 4; ++k) {
    g.form.AFTER_Click();
    g.form.AFTER_Click();
    ASSERT_EQ(状態::of(g.form), after[k]);
  }
  EXPECT_FALSE(g.timer.on);  // stepping stops the clock
}

// "先手" during a game makes the history as long as the move count; after a
// reversal that is longer than the moves it holds, and "進" must stop at the
// last move it has instead of reading past it.
TEST(AgainstTheComputer, ForwardStopsAtTheLastMoveHeldAfterAReversal) {
  QTemporaryDir dir;
  RecordGame g(dir.path().toStdString());
  g.form.GOTE_Click();  // the computer's first move
  ASSERT_EQ(g.form.対局値.手数, 1);
  g.form.REVERSE_Click();
  g.click(5, 5);  // the computer moves again, from history slot 1
  ASSERT_EQ(g.form.対局値.手数, 2);
  ASSERT_EQ(g.form.対局値.手順.手順_現在, 1);
  g.form.SENTE_Click();
  ASSERT_EQ(g.form.対局値.手順.手順_最終, 2);
  g.form.REPLAY_Click();
  g.form.AFTER_Click();
  g.take();
  const 状態 last = 状態::of(g.form);
  g.form.AFTER_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{sound("禁止.wav"), box("できません", "進む")}));
  EXPECT_EQ(状態::of(g.form), last);
  EXPECT_EQ(g.form.対局値.中断中, 1);
}

}  // namespace
}  // namespace qz::records_testing
