// The game review in the window: the blunder marked in the move list with
// the better move, the summary box, the findings kept in a KIF saved and
// shown again when it is opened.
#include <gtest/gtest.h>

#include "fakes.h"
#include "records/formats.h"
#include "tests/test_files.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

class ReviewWindow : public TempFolderTest {};

TEST_F(ReviewWindow, MarksTheBlunderSumsUpAndKeepsItInTheKif) {
  StartedProgram g;
  FakeList list;
  g.form.棋譜一覧接続(&list);
  g.form.REVIEW_Click();  // nothing to review yet
  g.panel.clipboard = "position sfen 4k4/9/9/9/9/9/9/8r/3GKG3 b R 1 moves 5i4h 1h4h";
  g.form.PASTE_Click();
  g.take();
  g.window.review.reset();  // cancelled: nothing is searched
  g.form.REVIEW_Click();
  EXPECT_TRUE(g.take().empty());
  EXPECT_EQ(list.moves[0], "1 ▲４八王");

  g.window.review = 解析条件{100, 300, 100};
  g.form.REVIEW_Click();
  ASSERT_EQ(list.moves.size(), 2u);
  EXPECT_TRUE(list.moves[0].starts_with("1 ▲４八王 悪手→▲")) << list.moves[0];
  EXPECT_EQ(list.moves[1], "2 △４八飛");
  // Both positions after the moves wait for the evaluation graph, the king
  // lost by the lower side.
  ASSERT_EQ(g.form.読みの点.size(), 2u);
  EXPECT_EQ(g.form.読みの点[0].手, 1);
  EXPECT_LT(g.form.読みの点[0].下評価, -勝敗境);
  const auto events = g.take();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_NE(events[0].text.find("▲ 悪手 1　疑問手 0"), std::string::npos) << events[0].text;
  EXPECT_NE(events[0].text.find("△ 悪手 0　疑問手 0　平均損失 0"), std::string::npos);

  g.panel.toSave = folder / "reviewed";
  g.form.KIFU_SAVE_KIF_Click();
  const 記録読込結果 kif = 棋譜を読む(棋譜形式::KIF, readBytes(folder / "reviewed.kif"));
  ASSERT_EQ(kif.記録.注釈.count(1), 1u);
  const std::vector<std::string>& 行 = kif.記録.注釈.at(1);
  ASSERT_EQ(行.size(), 2u);
  EXPECT_TRUE(行[0].starts_with("*解析 0 評価値 -")) << 行[0];
  EXPECT_TRUE(行[1].starts_with("悪手 損失 ")) << 行[1];

  StartedProgram h;
  FakeList again;
  h.form.棋譜一覧接続(&again);
  h.panel.toOpen = folder / "reviewed.kif";
  h.form.KIFU_OPEN_Click();
  ASSERT_EQ(again.moves.size(), 2u);
  EXPECT_EQ(again.moves[0], list.moves[0]);
}

}  // namespace
}  // namespace qz
