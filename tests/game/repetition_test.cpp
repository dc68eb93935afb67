// Repetition (千日手) in the game session, and how a game ended in its record.
#include <gtest/gtest.h>

#include "game/session.h"
#include "records/formats.h"

namespace qz {
namespace {

struct Game : 対局 {
  Game() { 初期化(); }
  // Each (fx, fy, tx, ty) in turn; what the last one did.
  着手結果 指す(std::initializer_list<std::array<int, 4>> 手) {
    着手結果 r;
    for (const auto& [fx, fy, tx, ty] : 手)
      r = 人間の手を指す(fx, fy, tx, ty, 局.盤面[fx][fy], false);
    return r;
  }
  // The record's ending, also after a trip through KIF and through CSA.
  void 記録に残る(終局 結末, int 勝者) {
    const 対局記録 r = 記録().記録;
    EXPECT_TRUE(r.結末 == 結末 && r.勝者 == 勝者);
    for (棋譜形式 f : {棋譜形式::KIF, 棋譜形式::CSA}) {
      const 対局記録 back = 棋譜を読む(f, 棋譜を書く(f, r).内容).記録;
      EXPECT_TRUE(back.手 == r.手 && back.結末 == 結末 && back.勝者 == 勝者);
    }
  }
};

// Both kings step aside and back: the start comes again every fourth move.
TEST(Repetition, TheFourthTimeIsADrawOnlyWhenAskedFor) {
  for (const bool 判定 : {true, false}) {
    Game g;
    g.千日手判定 = 判定;
    g.人間対局開始();
    for (int i = 1; i <= 4 && !g.終局結果; ++i)
      EXPECT_EQ(g.指す({{5, 9, 6, 8}, {5, 1, 4, 2}, {6, 8, 5, 9}, {4, 2, 5, 1}}).終わり.has_value(),
                判定 && i == 3);
    EXPECT_EQ(g.終局結果.has_value(), 判定);
    if (!判定) continue;
    EXPECT_EQ(*g.終局結果, (勝敗{側::MAN, 終局::千日手, true}));
    g.戻る();  // stepped back, the record still ends where the game did
    g.記録に残る(終局::千日手, 0);
  }
}

// The lower rook checks from (5, 5) and (5, 6) in turn, never taking the
// king, while the upper gold steps aside and back: the lower side loses.
TEST(Repetition, CheckingWithEveryMoveLoses) {
  Game g;
  g.千日手判定 = true;
  g.人間対局開始();
  g.局.盤面 = {};
  g.局.盤面[9][9] = -王;
  g.局.盤面[5][1] = 王;
  g.局.盤面[4][5] = -飛;
  g.局.盤面[1][1] = 金;
  勢力調査(g.局);
  g.指す({{4, 5, 5, 5}});
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(g.終局結果);
    g.指す({{1, 1, 1, 2}, {5, 5, 5, 6}, {1, 2, 1, 1}, {5, 6, 5, 5}});
  }
  EXPECT_EQ(g.終局結果, (勝敗{側::COM, 終局::千日手, false}));
  g.記録に残る(終局::反則勝ち, -1);  // the upper side, to move, wins by the other's foul
  EXPECT_EQ(g.指し手検査(指し手::盤上の手(1, 1, 1, 2, 金, false)), 着手拒否::動けない);
}

// The computer moved first: the record is turned and the computer is 先手.
TEST(Repetition, AResignationGoesIntoTheRecord) {
  Game g;
  g.COM対局開始(false);
  g.COMの手を指す(指し手::盤上の手(3, 3, 3, 4, 歩, false));
  g.COMの手番を終える();
  EXPECT_EQ(g.投了(), (勝敗{側::COM, 終局::投了}));
  g.記録に残る(終局::投了, 1);
}

}  // namespace
}  // namespace qz
