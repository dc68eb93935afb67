#include "play/analysis_text.h"

#include <gtest/gtest.h>

namespace qz {
namespace {

// Squares are columns 1..9 left to right (file 10 - x) and rows 1..9 top
// down; the lower side's pieces are negative.
TEST(AnalysisText, LinesAreWrittenAsARecordWritesMoves) {
  const std::vector<指し手> line = {
      指し手::盤上の手(3, 7, 3, 6, -歩, false),  // ７六歩
      指し手::盤上の手(7, 3, 7, 4, 歩, false),   // ３四歩
      指し手::盤上の手(2, 8, 8, 2, -角, true),   // ２二角成
      指し手::盤上の手(7, 1, 8, 2, 銀, false),   // 同　銀
      指し手::打つ手(-角, 5, 5),
  };
  EXPECT_EQ(読み筋文(line, true), "▲７六歩△３四歩▲２二角成△同　銀▲５五角打");
  // The lower side moving second in the game is △.
  EXPECT_EQ(読み筋文({line[0]}, false), "△７六歩");
  EXPECT_EQ(読み筋文({}, true), "");
}

TEST(AnalysisText, ScoresAndForcedResults) {
  EXPECT_EQ(評価文(123).日本語(), "+123");
  EXPECT_EQ(評価文(-45).日本語(), "-45");
  EXPECT_EQ(評価文(0).日本語(), "0");
  EXPECT_EQ(評価文(勝ち点 - 5).日本語(), "5手で勝ち");
  EXPECT_EQ(評価文(-(勝ち点 - 2)).日本語(), "2手で負け");
  検討結果 k;
  k.深さ = 12;
  k.毎秒節点 = 1'234'567;
  EXPECT_EQ(探索情報文(k).日本語(), "深さ 12　1234k局面/秒");
}

// The bar leans to the side ahead, more with more, and is full only for a
// forced result.
TEST(AnalysisText, TheBarLeansToTheSideAhead) {
  EXPECT_EQ(評価棒の位置(0), 0);
  EXPECT_EQ(評価棒の位置(300), -評価棒の位置(-300));
  EXPECT_LT(評価棒の位置(300), 評価棒の位置(1500));
  EXPECT_LT(評価棒の位置(20000), 1000);
  EXPECT_EQ(評価棒の位置(勝ち点 - 9), 1000);
  EXPECT_EQ(評価棒の位置(-(勝ち点 - 9)), -1000);
}

}  // namespace
}  // namespace qz
