// The board editor's position: the presets, the set's limits, the cycle of
// a clicked piece, and the SFEN written and read back.
#include "game/board_edit.h"

#include <gtest/gtest.h>

namespace qz {
namespace {

TEST(BoardEdit, PresetsAndTheRemainingPiecesGoToTheUpperHand) {
  編集局面 e = 平手の編集局面();
  EXPECT_EQ(編集局面のSFEN(e), 開始SFEN);
  EXPECT_EQ(駒箱(e), (std::array<int, 9>{}));

  e = 玉だけの編集局面();
  EXPECT_EQ(編集局面のSFEN(e), "4k4/9/9/9/9/9/9/9/4K4 b - 1");
  ASSERT_TRUE(駒を置く(e, 5, 2, -成飛));  // a dragon, counted as a rook
  EXPECT_EQ(持駒を設定(e, true, 持駒_金, 2), 2);
  残りを上の持駒に(e);
  EXPECT_EQ(編集局面のSFEN(e), "4k4/4+R4/9/9/9/9/9/9/4K4 b 2Gr2b2g4s4n4l18p 1");
  EXPECT_EQ(駒箱(e), (std::array<int, 9>{}));
  EXPECT_EQ(編集局面の無理(e).種類, SFEN不備種類::なし);
  e.MAN手番 = false;
  EXPECT_EQ(SFENの編集局面(編集局面のSFEN(e)), e);
  EXPECT_FALSE(SFENの編集局面("4k4/9 b - 1"));
}

TEST(BoardEdit, NothingBeyondTheSetAndAKingMovesRatherThanDoubles) {
  編集局面 e = 平手の編集局面();
  EXPECT_FALSE(駒を置く(e, 5, 5, -歩));  // all 18 pawns are out
  ASSERT_TRUE(駒を除く(e, 1, 7));
  EXPECT_EQ(持駒を設定(e, false, 持駒_歩, 3), 1);
  EXPECT_FALSE(駒を置く(e, 5, 5, 歩));
  EXPECT_EQ(持駒を設定(e, false, 持駒_歩, -3), 0);
  EXPECT_TRUE(駒を置く(e, 5, 5, 歩));
  EXPECT_TRUE(駒を置く(e, 1, 1, -香));  // what stood there goes back first
  EXPECT_FALSE(駒を置く(e, 2, 2, -香));

  EXPECT_TRUE(駒を置く(e, 4, 5, -王));
  EXPECT_EQ(e.盤面[5][9], 0);
  EXPECT_EQ(駒箱(e)[王の番号], 0);
}

TEST(BoardEdit, AClickedPieceCyclesThroughPromotionAndOwner) {
  編集局面 e = 玉だけの編集局面();
  ASSERT_TRUE(駒をクリック(e, 3, 3, -銀));
  for (const int next : {-成銀, 銀, 成銀, -銀}) {
    ASSERT_TRUE(駒をクリック(e, 3, 3, -銀));
    EXPECT_EQ(e.盤面[3][3], next);
  }
  ASSERT_TRUE(駒をクリック(e, 3, 3, 金));  // another kind replaces
  ASSERT_TRUE(駒をクリック(e, 3, 3, 金));
  EXPECT_EQ(e.盤面[3][3], -金);
  EXPECT_FALSE(駒を切り替える(e, 5, 9));  // the upper side has its king
  ASSERT_TRUE(駒を除く(e, 5, 1));
  EXPECT_TRUE(駒を切り替える(e, 5, 9));
  EXPECT_EQ(e.盤面[5][9], 王);
}

}  // namespace
}  // namespace qz
