// Record files through the window's handlers: writing from the panel,
// reading a clicked file, and what broken files and failed writes leave.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <fstream>

#include "record_games.h"
#include "records/kifu.h"

namespace qz::records_testing {
namespace {

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    folder = dir.path().toStdString();
    g = std::make_unique<RecordGame>(folder);
  }
  // A file of this folder: "name.棋譜".
  fs::path record(const std::string& name) const {
    return folder / fs::path(std::u8string(name.begin(), name.end()) + u8".棋譜");
  }

  QTemporaryDir dir;
  fs::path folder;
  std::unique_ptr<RecordGame> g;
};

TEST_F(Files, SavingAfterSteppingBackWritesOnlyTheMovesOnTheBoard) {
  ASSERT_NO_FATAL_FAILURE(startScripted(*g));
  playScripted(*g);
  g->form.REPLAY_Click();
  g->form.REPLAY_Click();
  const auto events = g->save("kifu", "ﾃｽﾄ", "Sente", "Gote");
  EXPECT_EQ(events, (std::vector<Event>{box("棋譜を書き込みました", "  ")}));
  // The lower side moved first, so the upper side's line is the second player's.
  const std::string expected =
      "\xC3\xBD\xC4\r\n"
      "Gote\r\n"
      "Sente\r\n"
      " 1612-901-900 100    0    0    0    0\r\n"
      " 4512 800 800-901    0    0    0    0\r\n"
      "11655-100-100   0    0    0    0    0\r\n"
      "-1195 900 900   0    0    0    0    0\r\n";
  EXPECT_EQ(readBytes(record("kifu")), expected);
  // The panel closed, its boxes emptied, the file list refreshed; the game went on as it was.
  EXPECT_EQ(g->panel.lists, (std::array<bool, 3>{false, false, false}));
  EXPECT_FALSE(g->panel.textShown);
  EXPECT_EQ(g->panel.texts, (std::array<std::string, 4>{}));
  EXPECT_EQ(g->panel.refreshes, 1);
  EXPECT_EQ(g->form.対局値.手順.手順_現在, 4);
  EXPECT_EQ(g->form.対局値.手順.手順_最終, 6);
}

TEST_F(Files, APlayedGameSavedAndLoadedAfreshStepsToTheSamePosition) {
  g->form.SENTE_Click();
  const std::array<int, 6> columns = {7, 3, 2, 6, 1, 9};
  for (int x : columns) {
    g->clock.now += 65.3;
    g->move(x, 7, x, 6);
  }
  const int plies = g->form.対局値.手数;
  ASSERT_GE(plies, 8);
  const 状態 final = 状態::of(g->form);
  ASSERT_EQ(g->save("game", "練習対局", "人間", "ｺﾝﾋﾟｭｰﾀ"),
            (std::vector<Event>{box("棋譜を書き込みました", "  ")}));

  RecordGame fresh(folder);
  EXPECT_EQ(
      fresh.load("game.棋譜"),
      (std::vector<Event>{box("game.棋譜 " + std::to_string(plies) + "手 読み込みました", "棋譜"),
                          box("棋譜を '進 'で進めて下さい", "棋譜")}));
  EXPECT_EQ(fresh.form.対局値.棋譜モード, 1);
  EXPECT_EQ(fresh.form.対局値.手番, fresh.form.対局値.局.手番値_MAN);
  for (int i = 0; i < plies; ++i) fresh.form.AFTER_Click();
  const 状態 replayed = 状態::of(fresh.form);
  EXPECT_EQ(replayed.盤面, final.盤面);
  EXPECT_EQ(replayed.持駒_MAN, final.持駒_MAN);
  EXPECT_EQ(replayed.持駒_COM, final.持駒_COM);
  EXPECT_EQ(replayed.手番, final.手番);
  EXPECT_EQ(replayed.手数, final.手数);
  // A file keeps whole seconds.
  EXPECT_EQ(replayed.時間_MAN, std::trunc(final.時間_MAN));
  EXPECT_EQ(replayed.時間_COM, std::trunc(final.時間_COM));
  fresh.take();
  fresh.form.AFTER_Click();
  EXPECT_EQ(fresh.take(), (std::vector<Event>{box("終わり", "進む")}));
  // The board takes no moves in record mode; No goes back to a fresh board.
  fresh.messages.yesNo = {Answer::No};
  fresh.click(5, 7);
  EXPECT_EQ(fresh.take(),
            (std::vector<Event>{box("棋譜を '進 'で進めて下さい", "棋譜"), sound("禁止.wav")}));
  EXPECT_EQ(fresh.form.対局値.棋譜モード, 0);
}

TEST_F(Files, LoadingPrintsTheHeaderAndLetsTheUpperSideMoveFirst) {
  // Made outside the program: the upper side's pawn moves first.
  writeBytes(record("upper"),
             "\x91\xCE\x8B\xC7\r\nUe\r\nShita\r\n"
             " 7374  10  10   0    0    0    0    3\r\n"
             " 3736 -10 -10   0    0    5    3    3\r\n");
  g->takeOps();
  EXPECT_EQ(g->load("upper.棋譜").size(), 2u);
  EXPECT_EQ(g->form.対局値.対局モード, 1);
  EXPECT_EQ(g->form.対局値.先手値, g->form.対局値.局.手番値_COM);
  EXPECT_EQ(g->form.対局値.後手値, g->form.対局値.局.手番値_MAN);
  EXPECT_EQ(g->form.対局値.手番, g->form.対局値.局.手番値_COM);
  EXPECT_EQ(g->panel.lists, (std::array<bool, 3>{false, false, false}));

  struct Printed {
    std::string text;
    int colour;
    double x, y;
  };
  const Printed header[] = {
      {"対局", 12, 1050 + 495 * (3 + 11 / 5.0) - 3000, 6350},
      {"Ue", 15, 1050 + 495 * (3 + 11 / 5.0), 100},
      {"Shita", 15, 1050 + 495 * (3 + 8 / 5.0), 6350},
  };
  const auto ops = g->takeOps();
  for (const Printed& p : header) {
    auto it = std::find_if(ops.begin(), ops.end(), [&](const RecordingSurface::Op& op) {
      return op.kind == RecordingSurface::Kind::Text && op.text == p.text;
    });
    ASSERT_NE(it, ops.end()) << p.text;
    EXPECT_EQ(it->colour, p.colour) << p.text;
    EXPECT_EQ(it->points, 12) << p.text;
    EXPECT_NEAR(it->x, p.x, 1e-6) << p.text;
    EXPECT_NEAR(it->y, p.y, 1e-6) << p.text;
  }
  // A title too long to start left of the board starts at the window's edge.
  writeBytes(record("long"), "A title of many words\r\nUe\r\nShita\r\n");
  g->load("long.棋譜");
  const auto again = g->takeOps();
  const auto title = std::find_if(again.begin(), again.end(), [](const RecordingSurface::Op& op) {
    return op.text == "A title of many words";
  });
  ASSERT_NE(title, again.end());
  EXPECT_EQ(title->x, 0);
  g->load("upper.棋譜");
  g->take();
  g->form.AFTER_Click();
  EXPECT_EQ(g->form.対局値.局.盤面[7][4], 歩);
  EXPECT_EQ(g->form.対局値.時間_COM, 3);
}

// A new game after a record with long header lines covers every cell of the
// rows they were printed in, whichever game starts.
TEST_F(Files, ANewGameErasesTheWholeHeader) {
  const std::string 長い(名前最大文字数, 'W');
  writeBytes(record("long"), 長い + "\r\n" + 長い + "\r\n" + 長い + "\r\n" +
                                 " 3736 -10 -10   0    0    5    3    3\r\n");
  for (const MenuItem start : {MenuItem::START, MenuItem::SENTE}) {
    g->load("long.棋譜");
    g->takeOps();
    g->form.メニュー選択(start);
    const auto ops = g->takeOps();
    for (const int y : {0, 10})
      for (int x = -3; x <= 15; ++x) {
        if (x >= 1 && x <= 9 && y == 0) continue;  // the column numbers' tiles
        EXPECT_TRUE(std::any_of(ops.begin(), ops.end(),
                                [&](const RecordingSurface::Op& op) {
                                  return op.kind == RecordingSurface::Kind::Picture &&
                                         op.x == セルX(x) && op.y == セルY(y);
                                }))
            << x << "," << y;
      }
    // The level label is drawn again after the erasing.
    const auto texts = textsOf(ops);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "LEVEL") > 0, start == MenuItem::SENTE);
  }
}

// Files that are broken in one way or another: the message names the
// trouble, the moves before a bad line are kept and can be stepped.
TEST_F(Files, BrokenFilesSayWhatIsWrongAndKeepTheMovesBeforeIt) {
  const std::string head = "t\r\nu\r\nl\r\n";
  const std::string good = " 3736 -10 -10   0    0    0    0    0\r\n";
  struct Case {
    const char* name;
    std::string bytes;
    int moves;                 // moves kept
    std::string firstMessage;  // the start of the first message box
  };
  const Case cases[] = {
      {"header-only", head, 0, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"},
      {"empty", "", 0, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"},
      {"short-line", head + good + " 7374  10  10\r\n", 1, "棋譜ﾌｧｲﾙの5行目が正しくありません"},
      {"off-board", head + " 3730 -10 -10   0    0    0    0    0\r\n", 0,
       "棋譜ﾌｧｲﾙの4行目が正しくありません"},
      {"no-piece-code", head + good + good + " 7374  12  10   0    0    0    0    0\r\n", 2,
       "棋譜ﾌｧｲﾙの6行目が正しくありません"},
      {"stand-out-of-range", head + "12655-100-100   0    0    0    0    0\r\n", 0,
       "棋譜ﾌｧｲﾙの4行目が正しくありません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeBytes(record(c.name), c.bytes);
    const auto events = g->load(std::string(c.name) + ".棋譜");
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events[0].text.rfind(c.firstMessage, 0), 0u) << events[0].text;
    EXPECT_EQ(events[0].title, "棋譜");
    EXPECT_EQ(g->form.対局値.手順.手順_最終, c.moves);
    EXPECT_EQ(g->form.対局値.棋譜モード, 1);
    if (c.moves == 0) {
      EXPECT_EQ(events.back(), box("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜"));
      EXPECT_EQ(g->form.対局値.手番, 0);
      g->form.AFTER_Click();
      EXPECT_EQ(g->take(),
                (std::vector<Event>{sound("禁止.wav"), box("「対局」で始めて下さい", "開始")}));
      continue;
    }
    EXPECT_EQ(events.back(), box("棋譜を '進 'で進めて下さい", "棋譜"));
    for (int i = 0; i < c.moves; ++i) g->form.AFTER_Click();
    EXPECT_EQ(g->form.対局値.局.盤面[3][6], -歩);
    g->take();
    g->form.AFTER_Click();
    EXPECT_EQ(g->take(), (std::vector<Event>{box("終わり", "進む")}));
  }
}

TEST_F(Files, AFileThatCannotBeReadChangesNothing) {
  ASSERT_NO_FATAL_FAILURE(startScripted(*g));
  playScripted(*g);
  const 状態 before = 状態::of(g->form);
  fs::create_directory(record("folder"));
  // Random bytes: no record, and nothing of them is drawn.
  std::ofstream(record("noise"), std::ios::binary)
      << std::string("\x8b\xf3\xe3\x01\xff\r\n\x10", 8);
  for (const std::string name : {"folder.棋譜", "missing.棋譜", "noise.棋譜"}) {
    g->takeOps();
    SCOPED_TRACE(name);
    const int listChanges = g->panel.listChanges;
    const auto events = g->load(name);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].text.rfind("棋譜ﾌｧｲﾙを読み込めませんでした", 0), 0u) << events[0].text;
    EXPECT_EQ(events[0].title, "棋譜");
    EXPECT_EQ(状態::of(g->form), before);
    EXPECT_EQ(g->form.対局値.棋譜モード, 0);
    EXPECT_EQ(g->form.対局値.手順.手順_最終, 6);
    // Only KIFU_READ_Click touched the lists: they stay open for another choice.
    EXPECT_EQ(g->panel.listChanges, listChanges + 1);
    EXPECT_TRUE(textsOf(g->takeOps()).empty());
  }
}

TEST_F(Files, SteppingOverAKingCaptureChangesNoHand) {
  writeBytes(record("king"),
             "t\r\nu\r\nl\r\n"
             " 5251-900-900 950    0    0    0    0\r\n");
  g->load("king.棋譜");
  g->form.AFTER_Click();
  EXPECT_EQ(g->form.対局値.局.盤面[5][1], -飛);
  EXPECT_EQ(g->form.対局値.局.持駒_MAN.合計, 0);
  EXPECT_EQ(g->form.対局値.局.持駒_COM.合計, 0);
  g->form.REPLAY_Click();
  EXPECT_EQ(g->form.対局値.局.盤面[5][1], 王);
  EXPECT_EQ(g->form.対局値.局.持駒_MAN.合計, 0);
}

// Every refusal of RETURN leaves the panel open and writes nothing.
TEST_F(Files, RefusedWritesKeepThePanelOpen) {
  ASSERT_NO_FATAL_FAILURE(startScripted(*g));
  struct Case {
    const char* what;
    int moves;  // moves played before RETURN
    std::array<std::string, 4> texts;
    Event expected;
  };
  const Case cases[] = {
      {"no moves", 0, {"x", "t", "a", "b"}, box("保存するデータがありません", "棋譜保存")},
      {"no name", 1, {"", "t", "a", "b"}, box("ﾌｧｲﾙ名が入力されていません", "  ")},
      {"unencodable",
       1,
       {"x", "対局♔", "a", "b"},
       box("対局名に棋譜ﾌｧｲﾙに書けない文字があります：「♔」", "棋譜保存")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.moves == 1 && g->form.対局値.手数 == 0) g->move(1, 6, 1, 2, ボタン_右);
    ASSERT_EQ(g->form.対局値.手順.手順_現在, c.moves);
    g->take();
    g->form.KIFU_WRITE_Click();
    g->panel.texts = c.texts;
    g->form.Command1_Click();
    EXPECT_EQ(g->take(), (std::vector<Event>{c.expected}));
    EXPECT_TRUE(g->panel.textShown);
    EXPECT_EQ(g->panel.lists, (std::array<bool, 3>{true, true, false}));
    EXPECT_TRUE(fs::is_empty(folder));
  }
}

TEST_F(Files, WritingIsRefusedAfterAHandicap) {
  g->form.対局値.ハンデ設定フラグ = 1;
  g->form.KIFU_WRITE_Click();
  EXPECT_EQ(g->take(),
            (std::vector<Event>{box("ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込")}));
  EXPECT_FALSE(g->panel.textShown);
}

TEST_F(Files, AFailedWriteKeepsTheOldFileAndTheGame) {
  ASSERT_NO_FATAL_FAILURE(startScripted(*g));
  playScripted(*g);
  const std::string old = "old\r\nu\r\nl\r\n";
  writeBytes(record("keep"), old);
  // Files may grow to 40 bytes only: the new record cannot be written.
  const auto events = withFileSizeLimit(40, [&] { return g->save("keep"); });
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0], box("「keep.棋譜」はすでにあります。上書きしますか？", "棋譜保存"));
  EXPECT_EQ(events[1].text.rfind("棋譜を書き込めませんでした", 0), 0u) << events[1].text;
  EXPECT_GT(events[1].text.size(), std::string("棋譜を書き込めませんでした").size() + 1);
  EXPECT_EQ(events[1].title, "棋譜保存");
  EXPECT_EQ(readBytes(record("keep")), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  EXPECT_TRUE(g->panel.textShown);
  EXPECT_EQ(g->panel.texts[0], "keep");  // the name stays in its box for another try
  EXPECT_EQ(g->form.対局値.手順.手順_現在, 6);
}

}  // namespace
}  // namespace qz::records_testing

namespace qz::records_testing {
namespace {

TEST_F(Files, ReplacingARecordAsksFirst) {
  ASSERT_NO_FATAL_FAILURE(startScripted(*g));
  playScripted(*g);
  g->save("test1");
  const std::string six = readBytes(record("test1"));
  g->form.REPLAY_Click();
  g->messages.yesNo = {Answer::No};
  EXPECT_EQ(
      g->save("test1"),
      (std::vector<Event>{box("「test1.棋譜」はすでにあります。上書きしますか？", "棋譜保存")}));
  EXPECT_EQ(readBytes(record("test1")), six);
  EXPECT_TRUE(g->panel.textShown);
  g->messages.yesNo = {Answer::Yes};
  g->form.Command1_Click();
  EXPECT_NE(readBytes(record("test1")), six);
}

// The lower rook takes the upper king: the finished game is offered for
// saving, saved, and only then "続けますか？" is asked.
TEST_F(Files, AFinishedGameCanBeSavedBeforeTheNextOne) {
  g->form.START_Click();
  g->setBoard({{5, 9, -王}, {5, 1, 王}, {5, 5, -飛}});
  g->messages.declineSave = false;
  g->take();
  g->move(5, 5, 5, 1);
  EXPECT_EQ(g->take(), (std::vector<Event>{sound("駒打音.wav"), box("先手の勝ちです", "終了"),
                                           box("棋譜を保存しますか？", "棋譜保存")}));
  EXPECT_TRUE(g->panel.textShown);
  EXPECT_EQ(g->form.対局値.手順.手順_現在, 1);
  EXPECT_EQ(g->form.対局値.局.盤面[5][1], -飛);  // the final position stays while saving
  g->messages.yesNo = {Answer::Yes};
  EXPECT_EQ(g->save("won"), (std::vector<Event>{box("棋譜を書き込みました", "  "),
                                                box("続けますか？", "再ゲーム")}));
  const std::string won = readBytes(record("won"));
  EXPECT_EQ(std::count(won.begin(), won.end(), '\n'), 4);
  EXPECT_EQ(g->form.対局値.手番, 0);
  EXPECT_EQ(g->form.対局値.局.盤面[5][1], 王);  // a new board
}

}  // namespace
}  // namespace qz::records_testing
