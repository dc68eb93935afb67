// The branches of the history: a move made after stepping back or taking
// back keeps the line it leaves, the same move follows the line, and a
// branch can be taken as the line again.
#include <gtest/gtest.h>

#include "game/session.h"

namespace qz {
namespace {

struct Game : 対局 {
  Game() {
    初期化();
    人間対局開始();
  }
  void 指す(int fx, int fy, int tx, int ty) {
    const int 駒 = 局.盤面[fx][fy];
    ASSERT_EQ(着手検査(fx, fy, tx, ty, 駒, false), 着手拒否::なし);
    人間の手を指す(fx, fy, tx, ty, 駒, false);
  }
  // The destination file (program's x) of each first move of the branches at n.
  std::vector<int> 分岐の先(int n) const {
    std::vector<int> r;
    for (const qz::手順& h : 変化の初手(n)) r.push_back(h.先X);
    return r;
  }
};

TEST(HistoryBranches, AnotherMoveAfterSteppingBackKeepsTheLineAndTheSameMoveFollowsIt) {
  Game g;
  g.指す(8, 7, 8, 6);  // ２六歩
  g.指す(2, 3, 2, 4);  // ８四歩
  g.指す(8, 6, 8, 5);  // ２五歩
  g.指す(2, 4, 2, 5);  // ８五歩
  const 盤配列 四手目 = g.局.盤面;
  ASSERT_EQ(g.手へ(2), 手順結果::済み);
  g.指す(3, 7, 3, 6);  // ７六歩
  EXPECT_EQ(g.手順.手順_最終, 3);
  EXPECT_EQ(g.分岐の先(3), std::vector<int>{8});
  ASSERT_EQ(g.手順.分岐一覧(3).size(), 1u);
  EXPECT_EQ(g.手順.分岐一覧(3)[0]->手.size(), 2u);

  // The old move again takes the old line back, ８五歩 and all.
  ASSERT_EQ(g.手へ(2), 手順結果::済み);
  g.指す(8, 6, 8, 5);
  EXPECT_EQ(g.手順.手順_最終, 4);
  EXPECT_EQ(g.分岐の先(3), std::vector<int>{3});
  ASSERT_EQ(g.手へ(4), 手順結果::済み);
  EXPECT_EQ(g.局.盤面, 四手目);

  // Taking the branch from move 4 steps back to it and leaves the line as a branch.
  ASSERT_EQ(g.変化へ(3, 0), 手順結果::済み);
  EXPECT_EQ(g.手順.手順_現在, 3);
  EXPECT_EQ(g.手順.手順_最終, 3);
  EXPECT_EQ(g.局.盤面[3][6], -歩);
  EXPECT_EQ(g.局.盤面[8][6], -歩);
  EXPECT_EQ(g.分岐の先(3), std::vector<int>{8});
  EXPECT_EQ(g.変化へ(3, 1), 手順結果::できない);

  const 記録読込結果 r = g.記録();
  ASSERT_EQ(r.記録.手.size(), 3u);
  ASSERT_EQ(r.記録.変化.size(), 1u);
  EXPECT_EQ(r.記録.変化[0].手目, 3);
  EXPECT_EQ(r.記録.変化[0].手.size(), 2u);
}

TEST(HistoryBranches, TakingBackKeepsTheMovesTakenBackAsABranch) {
  Game g;
  g.指す(8, 7, 8, 6);
  g.指す(2, 3, 2, 4);
  g.指す(8, 6, 8, 5);
  ASSERT_EQ(g.待った(), 待った拒否::なし);
  EXPECT_EQ(g.手順.手順_最終, 2);  // "進" has nothing to replay
  EXPECT_EQ(g.進む(), 手順結果::できない);
  EXPECT_EQ(g.分岐の先(3), std::vector<int>{8});
  g.再開();
  g.指す(8, 6, 8, 5);  // the same move: no branch is left
  EXPECT_TRUE(g.分岐の先(3).empty());
  ASSERT_EQ(g.待った(), 待った拒否::なし);
  g.指す(3, 7, 3, 6);
  EXPECT_EQ(g.手順.手順_最終, 3);
  EXPECT_EQ(g.分岐の先(3), std::vector<int>{8});
}

// Against the computer from a position stepped back to, the moves beyond
// stay as a branch; a game from the start keeps nothing of the last one.
TEST(HistoryBranches, AGameAgainstTheComputerKeepsOnlyTheLineItLeaves) {
  Game g;
  g.指す(8, 7, 8, 6);
  g.指す(2, 3, 2, 4);
  ASSERT_EQ(g.手へ(1), 手順結果::済み);
  g.COM対局開始(false);
  EXPECT_EQ(g.手順.手順_最終, 1);
  EXPECT_EQ(g.分岐の先(2), std::vector<int>{2});
  g.初期化();
  g.COM対局開始(true);
  EXPECT_EQ(g.手順.手順_最終, 0);
  EXPECT_TRUE(g.手順.分岐.empty());
}

// A record read keeps its ending while its own line is saved, not when a
// branch of the same length has been taken instead.
TEST(HistoryBranches, ARecordsEndingStaysWithItsOwnLine) {
  窓の読込 w = 窓に読む(棋譜形式::KIFU,
                        "手数----指手---------消費時間--\n   1 ２六歩(27)\n   2 ８四歩(83)\n"
                        "   3 投了\n変化：2手\n   2 ３四歩(33)\n",
                        "a.kifu");
  対局 g;
  g.初期化();
  g.記録を読み込む(w);
  EXPECT_EQ(g.記録().記録.結末, 終局::投了);
  ASSERT_EQ(g.変化へ(2, 0), 手順結果::済み);
  EXPECT_NE(g.記録().記録.結末, 終局::投了);
}

}  // namespace
}  // namespace qz
