#include "computer/search_worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "computer/search_board.h"

namespace qz {
namespace {

局面 初期局面() {
  局面 s;
  初期配置(s);
  勢力調査(s);
  調査_2歩フラグ設定(s);
  return s;
}

// The worker hands back what the same search gives in the caller's thread,
// and a search without limits ends at once when stopped.
TEST(SearchWorker, GivesTheSearchResultAndStopsAtOnce) {
  const 局面 s = 初期局面();
  探索条件 c;
  c.深さ上限 = 4;
  思考係 w;
  EXPECT_FALSE(w.受け取る());
  w.開始(s, true, {}, c);
  EXPECT_TRUE(w.動いている());
  while (!w.終わった()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  const auto r = w.受け取る();
  ASSERT_TRUE(r);
  EXPECT_FALSE(w.動いている());
  深探索 direct;
  EXPECT_EQ(r->最善, direct.探索(s, true, {}, c).最善);

  w.開始(s, true, {}, 探索条件{});  // no limit at all
  w.止める();
  EXPECT_FALSE(w.動いている());
  EXPECT_FALSE(w.受け取る());
}

// The window keeps one core for itself and searches on at most eight.
TEST(SearchWorker, TheWindowsThreadsAreTheCoresLessOneFromOneToEight) {
  EXPECT_EQ(窓の糸数(0), 1);  // unknown
  EXPECT_EQ(窓の糸数(1), 1);
  EXPECT_EQ(窓の糸数(2), 1);
  EXPECT_EQ(窓の糸数(5), 4);
  EXPECT_EQ(窓の糸数(64), 8);
}

// Taking the game's moves back gives the keys of the earlier positions; a
// history that does not fit the board stops the walk instead of corrupting it.
TEST(SearchWorker, KeysOfTheEarlierPositions) {
  探索盤 b;
  b.設定(初期局面(), true);
  std::vector<局面キー> keys;
  std::vector<済み手> moves;
  for (int i = 0; i < 12; ++i) {
    b.調べる();
    std::vector<指し手> v;
    合法手列挙(b.s, b.MAN手番, [&](const 指し手& m) { v.push_back(m); });
    const 指し手 m = v[(i * 7) % v.size()];
    keys.push_back(b.キー);
    moves.push_back({m, b.指す(m)});
  }
  std::vector<局面キー> back;
  for (const 既出局面& e : 遡ったキー(b.s, b.MAN手番, moves)) back.push_back(e.キー);
  EXPECT_EQ(std::vector<局面キー>(keys.rbegin(), keys.rend()), back);
  moves.front().手.先X = moves.front().手.先X % 9 + 1;  // the first move no longer fits
  moves.back().手.先駒 = 0;                             // nor the last
  EXPECT_TRUE(遡ったキー(b.s, b.MAN手番, moves).empty());
}

}  // namespace
}  // namespace qz
