// The controls players expect: a refused click's reason, resigning, taking
// a move back against the computer, confirming before a game is thrown
// away, and the move list.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

TEST(StatusLine, ARefusedClickSaysWhyAndTheNextMoveClearsIt) {
  struct Case {
    const char* what;
    std::function<void(StartedProgram&)> set;  // after START, the lower side to move
    int fx, fy, tx, ty;
    std::string reason;
  };
  const Case cases[] = {
      {"far", {}, 3, 7, 3, 5, "そこへは動けません　先手の番です"},
      {"frozen",
       [](StartedProgram& g) {
         g.form.対局値.局.盤面[3][6] = 歩;
         勢力調査(g.form.対局値.局);
       },
       3, 7, 3, 6, "氷結しています　先手の番です"},
      {"check",
       [](StartedProgram& g) {
         局面& s = g.form.対局値.局;
         s.盤面[5][7] = 0;
         s.盤面[5][3] = 0;
         s.盤面[5][5] = 香;  // bears on the lower king down the file
         勢力調査(s);
       },
       5, 9, 5, 8, "王手されています　先手の番です"},
      {"double pawn", [](StartedProgram& g) { g.form.対局値.局.持駒_MAN.加える(持駒番号(-歩)); },
       MAN持駒X, 持駒台の升(-歩).y, 5, 5, "二歩になります　先手の番です"},
      {"promote",
       [](StartedProgram& g) {
         g.setBoard({{9, 1, 王}, {5, 9, -王}, {1, 2, -歩}});
       },
       1, 2, 1, 1, "成らないと動けません（右クリック）　先手の番です"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StartedProgram g;
    g.form.START_Click();
    if (c.set) c.set(g);
    g.take();
    g.takeOps();
    g.move(c.fx, c.fy, c.tx, c.ty);
    EXPECT_EQ(g.take().front(), 禁止);
    EXPECT_EQ(状態行(g.takeOps()), c.reason);
  }
  StartedProgram g;
  g.form.START_Click();
  g.move(3, 7, 3, 5);
  g.move(3, 7, 3, 6);
  EXPECT_EQ(状態行(g.takeOps()), "");
}

// The last move of either side is framed, and only the last one.
TEST(LastMove, EitherSidesMoveIsFramed) {
  // The cell of the last frame drawn, as 10 x + y; 0 for none.
  const auto lastFrame = [](const std::vector<RecordingSurface::Op>& ops) {
    int r = 0;
    for (const auto& op : ops)
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
          if (op.kind == RecordingSurface::Kind::Box && op.colour == 色_黄 &&
              op.x == セルX(x) + 15 && op.y == セルY(y) + 15)
            r = 10 * x + y;
    return r;
  };
  StartedProgram g;
  g.form.START_Click();
  g.takeOps();
  g.move(3, 7, 3, 6);
  EXPECT_EQ(lastFrame(g.takeOps()), 36);
  g.move(7, 3, 7, 4);  // frozen: refused, the frame stays where it was
  EXPECT_EQ(lastFrame(g.takeOps()), 36);
  g.move(3, 3, 3, 4);
  EXPECT_EQ(lastFrame(g.takeOps()), 34);
}

// Each side's resignation ends the game through the usual end, naming the
// other side, once the player has said yes.
TEST(Resign, TheSideToMoveLoses) {
  StartedProgram g;
  g.form.START_Click();
  g.move(3, 7, 3, 6);
  g.take();
  g.messages.yesNo = {Answer::No};
  g.form.メニュー選択(MenuItem::TORYO);
  EXPECT_EQ(g.take(), (std::vector<Event>{box("投了しますか？", "投了")}));
  EXPECT_NE(g.form.対局値.手番, 0);
  g.messages.yesNo = {Answer::Yes, Answer::Yes};
  g.form.メニュー選択(MenuItem::TORYO);
  EXPECT_EQ(g.take(), (std::vector<Event>{box("投了しますか？", "投了"),
                                          box("先手の勝ちです", "終了"),
                                          box("棋譜を保存しますか？", "棋譜保存"),
                                          box("続けますか？", "再ゲーム")}));
  EXPECT_EQ(g.form.対局値.手番, 0);
  // Outside a game there is nothing to resign.
  g.form.TORYO_Click();
  EXPECT_EQ(g.take(), (std::vector<Event>{禁止}));
  EXPECT_EQ(状態行(g.takeOps()), "対局中ではありません");
  g.form.SENTE_Click();
  EXPECT_EQ(状態行(g.takeOps()), "");  // the reason goes with the new game
  g.take();
  g.form.TORYO_Click();
  EXPECT_EQ(g.take().at(1), box("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了"));
}

// Everything 待った must give back.
struct 局面値 {
  盤配列 盤面;
  持駒 持駒_MAN, 持駒_COM;
  double 時間_MAN, 時間_COM;
  int 手番, 手数;
  bool operator==(const 局面値&) const = default;
  static 局面値 of(const Form1& f) {
    const 対局& v = f.対局値;
    return {v.局.盤面, v.局.持駒_MAN, v.局.持駒_COM, v.時間_MAN, v.時間_COM, v.手番, v.手数};
  }
};

TEST(Matta, TakesBackBothMovesExactlyAndTheGameGoesOn) {
  StartedProgram g;
  g.form.SENTE_Click();
  g.clock.now += 4;
  g.move(3, 7, 3, 6);
  const 局面値 before = 局面値::of(g.form);
  const COM記憶 memory = g.form.対局値.COM記憶値;
  g.clock.now += 7;
  g.move(2, 8, 7, 3, ボタン_右);  // the bishop takes and promotes; the computer answers
  ASSERT_EQ(g.form.対局値.手順.手順_現在, 4);
  const 手順 answer = g.form.対局値.手順[4];
  g.take();
  g.form.MATTA_Click();
  EXPECT_EQ(局面値::of(g.form), before);
  EXPECT_EQ(g.form.対局値.時間_MAN, 4);
  EXPECT_EQ(g.form.対局値.手順.手順_最終, 2);
  EXPECT_EQ(g.form.対局値.COM記憶値.王距離, memory.王距離);
  EXPECT_EQ(g.form.対局値.中断中, 0);
  EXPECT_TRUE(g.timer.on);
  EXPECT_EQ(g.take(), (std::vector<Event>{sound("駒打音.wav")}));  // no pause box
  // The same move again gets the same answer as the first time.
  g.move(2, 8, 7, 3, ボタン_右);
  const 手順& again = g.form.対局値.手順[4];
  EXPECT_EQ(std::tie(again.元X, again.元Y, again.先X, again.先Y, again.先駒),
            std::tie(answer.元X, answer.元Y, answer.先X, answer.先Y, answer.先駒));
}

TEST(Matta, IsRefusedWithAReason) {
  StartedProgram g;
  g.form.MATTA_Click();  // no game
  g.form.SENTE_Click();
  g.takeOps();
  g.take();
  g.form.MATTA_Click();  // nothing to take back
  EXPECT_EQ(g.take(), (std::vector<Event>{禁止}));
  EXPECT_EQ(状態行(g.takeOps()), "待った：戻す手がありません　あなたの番です");
}

TEST(Confirm, ThrowingAGameAwayAsksFirst) {
  struct Case {
    const char* what;
    std::function<void(Form1&)> act;
    std::string prompt;
  };
  const Case cases[] = {
      {"Esc", [](Form1& f) { f.Form_KeyPress(キー_Esc); }, "対局中です。終了しますか？"},
      {"close", [](Form1& f) { f.Form_Unload(); }, "対局中です。終了しますか？"},
      {"終わり", [](Form1& f) { f.OWARI_Click(); }, "対局中です。終了しますか？"},
      {"最初", [](Form1& f) { f.CANCEL_Click(); }, "対局中です。最初に戻しますか？"},
      {"ファイルを開く", [](Form1& f) { f.KIFU_OPEN_Click(); }, "対局中です。棋譜を開きますか？"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StartedProgram g;
    g.form.SENTE_Click();
    g.move(7, 7, 7, 6);
    g.take();
    const 局面値 before = 局面値::of(g.form);
    g.messages.yesNo = {Answer::No};
    c.act(g.form);
    EXPECT_EQ(g.take(), (std::vector<Event>{box(c.prompt, "対局")}));
    EXPECT_EQ(局面値::of(g.form), before);
    EXPECT_FALSE(g.window.ended);
  }
  // Outside a game: at once.
  StartedProgram g;
  EXPECT_THROW(g.form.OWARI_Click(), ProgramEnded);
  EXPECT_EQ(g.take(), (std::vector<Event>{}));
}

TEST(MoveList, ListsEveryMoveAndAClickStepsThere) {
  StartedProgram g;
  FakeList list;
  g.form.棋譜一覧接続(&list);
  g.form.START_Click();
  g.move(3, 7, 3, 6);
  g.move(3, 3, 3, 4);
  g.move(2, 8, 7, 3, ボタン_右);
  EXPECT_EQ(list.moves, (std::vector<std::string>{"1 ▲７六歩", "2 △７四歩", "3 ▲３三角成"}));
  EXPECT_EQ(list.current, 3);
  g.form.棋譜一覧選択(1);
  EXPECT_EQ(list.current, 1);
  EXPECT_EQ(g.form.対局値.手順.手順_現在, 1);
  EXPECT_EQ(g.at(7, 3), 歩);
  EXPECT_EQ(g.at(2, 8), -角);
  EXPECT_EQ(list.moves.size(), 3u);
  g.form.棋譜一覧選択(3);
  EXPECT_EQ(g.at(7, 3), -成角);
  EXPECT_EQ(g.form.対局値.局.持駒_MAN.合計, 1);
  // Back at the start the moves are out of reach until a game replays them.
  g.messages.yesNo = {Answer::Yes};
  g.form.CANCEL_Click();
  EXPECT_TRUE(list.moves.empty());
  g.form.START_Click();
  EXPECT_EQ(list.moves.size(), 3u);
}

}  // namespace
}  // namespace qz

namespace qz {
namespace {

TEST(Matta, BetweenTwoPeopleTakesBackTheLastMoveOnly) {
  StartedProgram g;
  g.form.START_Click();
  const 局面値 start = 局面値::of(g.form);
  g.move(3, 7, 3, 6);
  const 局面値 after1 = 局面値::of(g.form);
  g.move(1, 3, 1, 4);
  g.takeOps();
  g.take();
  g.form.MATTA_Click();
  EXPECT_EQ(局面値::of(g.form), after1);  // the second mover is to move again
  EXPECT_EQ(g.form.対局値.手順.手順_最終, 1);
  EXPECT_EQ(状態行(g.takeOps()).rfind("待った：一手戻しました", 0), 0u);
  g.form.MATTA_Click();
  EXPECT_EQ(局面値::of(g.form), start);
  g.take();
  g.form.MATTA_Click();  // nothing left
  EXPECT_EQ(g.take(), (std::vector<Event>{禁止}));
}

// A move made after stepping back marks the move it replaced with `+`; its
// branch is offered there and taking it puts that line on the board.
TEST(MoveList, AMoveWithBranchesIsMarkedAndItsBranchCanBeTaken) {
  StartedProgram g;
  FakeList list;
  g.form.棋譜一覧接続(&list);
  g.form.START_Click();
  g.move(8, 7, 8, 6);
  g.move(2, 3, 2, 4);
  g.form.棋譜一覧選択(1);
  g.move(3, 3, 3, 4);
  EXPECT_EQ(list.moves, (std::vector<std::string>{"1 ▲２六歩", "2 △７四歩 +"}));
  EXPECT_EQ(g.form.棋譜一覧の変化(2), std::vector<std::string>{"2 △８四歩"});
  EXPECT_TRUE(g.form.棋譜一覧の変化(1).empty());
  g.form.棋譜一覧変化選択(2, 0);
  EXPECT_EQ(list.moves, (std::vector<std::string>{"1 ▲２六歩", "2 △８四歩 +"}));
  EXPECT_EQ(list.current, 2);
  EXPECT_EQ(g.at(2, 4), 歩);
  EXPECT_EQ(g.at(3, 3), 歩);
  EXPECT_EQ(g.form.棋譜一覧の変化(2), std::vector<std::string>{"2 △７四歩"});
}

}  // namespace
}  // namespace qz
