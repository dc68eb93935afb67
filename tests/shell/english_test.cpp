// The texts the program makes while it runs, shown in English: every
// reason a pasted record is refused for, the paste's own messages, 待った
// on the status line, the end of a record stepped through and the move
// list's first row keep no Japanese.
#include <gtest/gtest.h>

#include "shell/translation.h"
#include "tests/play/fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes of the platform

// Hiragana, katakana (full and half width) and kanji.
bool japanese(const QString& s) {
  for (const QChar c : s) {
    const char16_t u = c.unicode();
    if ((u >= 0x3040 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) ||
        (u >= 0xFF66 && u <= 0xFF9F))
      return true;
  }
  return false;
}

// Keeps the boxes, the status lines and the move list's first row as the
// messages they are, and shows each one in the window's language.
struct Shown : MessageBoxes, RecordingSurface, MoveList {
  Answer ask(const 文面& prompt, const 文面& title, Buttons buttons, Icon) override {
    texts.push_back(shown(title) + " | " + shown(prompt));
    return buttons == Buttons::OK ? Answer::OK : Answer::Yes;
  }
  void text(double x, double y, const 文面& s, int colour, int points, bool bold) override {
    if (y == セルY(11.2)) texts.push_back(shown(s));
    RecordingSurface::text(x, y, s, colour, points, bold);
  }
  void setMoves(const 文面& start, const std::vector<std::string>&, int) override {
    texts.push_back(shown(start));
  }
  void setListVisible(bool) override {}
  std::vector<QString> texts;
};

class EnglishAtRunTime : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(setLanguage(Language::English));
    form.Form_Load();
    form.棋譜一覧接続(&seen);
  }
  void TearDown() override { setLanguage(Language::Japanese); }
  // The texts shown since the last call that hold Japanese.
  std::vector<std::string> stillJapanese() {
    std::vector<std::string> r;
    for (const QString& t : seen.texts)
      if (japanese(t)) r.push_back(t.toStdString());
    EXPECT_FALSE(seen.texts.empty());
    seen.texts.clear();
    return r;
  }

  std::vector<Event> events;
  Shown seen;
  FakeMenu menu;
  FakeSound sound{events};
  FakeTimer timer;
  FakeClock clock;
  FakePanel panel;
  FakeSettings settings;
  FakeWindow window;
  Form1 form{Platform{seen, menu, seen, sound, timer, clock, panel, settings, window}};
};

TEST_F(EnglishAtRunTime, EveryReasonARecordIsRefusedFor) {
  const std::string kif = "手合割：平手\n手数----指手---------消費時間--\n   1 ７六歩(77)\n";
  for (const std::string& pasted : {
           kif + "   2 ７五歩(76)\n",
           kif + "   2 ＊＊\n",
           // (A name quoted from the record is shown as it is.)
           std::string("手合割：odd\n   1 ７六歩(77)\n"),
           std::string("先手：A\n   1 ７六歩(77)\n\xff\n"),
           std::string("PI\n+\n+7776FU\n+3334FU\n"),
           std::string("PI\n+\n+7776FU\n-33\n"),
           std::string("position startpos moves 7g7f 7f7e"),
           std::string("position startpos moves 7g7f x"),
           std::string("lnsgkgsnl/9 b - 1"),
           std::string("4k4/9/9/9/9/9/9/9/K7K b - 1"),
           std::string("P3k4/9/9/9/9/9/9/9/4K4 b - 1"),
           std::string("hello"),
           std::string("t\na\nb\n 1 2\n"),
       }) {
    panel.clipboard = pasted;
    form.PASTE_Click();
    EXPECT_EQ(stillJapanese(), std::vector<std::string>{}) << pasted;
  }
}

TEST_F(EnglishAtRunTime, PastingSteppingAndTakingBack) {
  form.MATTA_Click();  // no game to take a move back in
  // A record pasted and stepped through to its end.
  panel.clipboard = "position startpos moves 7g7f 3c3d";
  form.PASTE_Click();
  for (int i = 0; i < 3; ++i) form.AFTER_Click();
  // The end of the record, not the menu's Quit.
  EXPECT_EQ(seen.texts.back(), "Forward | The end");
  EXPECT_EQ(stillJapanese(), std::vector<std::string>{});
  // 待った with nothing to take back, then after a move and the computer's answer.
  form.SENTE_Click();
  form.MATTA_Click();
  form.Form_MouseDown(ボタン_左, 0, 盤左端 + 桝幅 * 3 + 100, 盤上端 + 桝高 * 7 + 100);
  form.Form_MouseDown(ボタン_左, 0, 盤左端 + 桝幅 * 3 + 100, 盤上端 + 桝高 * 6 + 100);
  form.MATTA_Click();
  EXPECT_EQ(stillJapanese(), std::vector<std::string>{});
}

}  // namespace
}  // namespace qz
