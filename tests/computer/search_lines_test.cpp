// The searching player's several lines (MultiPV), its threads and its
// shared table: what each line claims is played out with the rules' move
// check, threads agree with one thread where the answer is certain, and the
// table keeps what it is given and shows nothing of an earlier search.
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "computer/deep_search.h"
#include "computer/trans_table.h"
#include "deep_fixture.h"
#include "sample_positions.h"

namespace qz {
namespace {

using testing::読む;

std::string 見本(std::string_view 名) {
  for (const auto& s : testing::見本局面一覧)
    if (s.名前 == 名) return std::string(s.sfen);
  ADD_FAILURE() << 名;
  return "";
}

深探索結果 探す(std::string_view sfen, int 深さ, int 候補数, int 糸数 = 1) {
  const auto p = 読む(sfen);
  深探索 器(18);
  器.糸数を設定(糸数);
  探索条件 c;
  c.深さ上限 = 深さ;
  c.候補数 = 候補数;
  return 器.探索(p.s, p.MAN手番, {}, c);
}

// Every depth's lines: as many as asked (or as there are moves), different
// first moves, scores best first, each line legal from the position, and
// the first line is the result's.
TEST(MultiPV, LinesAreLegalDistinctAndOrdered) {
  struct Case {
    std::string sfen;
    int lines;
  };
  const Case cases[] = {
      {見本("quiet_2"), 3},       {見本("sharp_2"), 4},
      {見本("com_check_1"), 3},   {見本("man_check_mate_1"), 2},
      {見本("hands_3"), 5},       {"4k4/9/9/9/4R4/9/9/9/4K4 w g 1", 40},  // fewer moves than asked
  };
  for (const Case& k : cases) {
    const auto p = 読む(k.sfen);
    const std::size_t 手数 = p.手().size();
    深探索 器(18);
    探索条件 c;
    c.深さ上限 = 4;
    c.候補数 = k.lines;
    int 報告数 = 0;
    c.報告 = [&](const 探索報告& r) {
      ++報告数;
      ASSERT_EQ(r.候補.size(), std::min<std::size_t>(k.lines, 手数)) << k.sfen;
      std::set<std::string> 初手;
      for (std::size_t i = 0; i < r.候補.size(); ++i) {
        const 候補行& l = r.候補[i];
        ASSERT_FALSE(l.読み筋.empty());
        EXPECT_EQ(l.読み筋.front(), l.手);
        EXPECT_TRUE(初手.insert(USI表記(l.手)).second) << "twice: " << USI表記(l.手);
        if (i > 0) {
          EXPECT_GE(r.候補[i - 1].評価, l.評価) << k.sfen;
        }
        auto q = p;
        EXPECT_EQ(testing::筋を指す(q, l.読み筋), "") << k.sfen << " line " << i;
      }
      EXPECT_EQ(r.評価, r.候補[0].評価);
      EXPECT_EQ(r.読み筋, r.候補[0].読み筋);
    };
    const 深探索結果 r = 器.探索(p.s, p.MAN手番, {}, c);
    EXPECT_EQ(報告数, 4) << k.sfen;
    EXPECT_EQ(r.最善, r.報告.候補[0].手);
  }
}

// The lines' claims hold: a line scored as a win at once starts with a
// move after which the defender has no legal move, and the lines not
// scored as wins come after all those that are; with every move asked
// for, the lines are all the moves.
TEST(MultiPV, WinsComeFirstAndEveryMoveGetsALine) {
  const char* 詰む = "4k4/9/8p/9/9/9/9/9/4K4 b R 1";
  const 深探索結果 r = 探す(詰む, 3, 30);
  ASSERT_EQ(r.報告.候補.size(), 30u);
  bool 勝ち以外 = false;
  for (const 候補行& l : r.報告.候補) {
    if (l.評価 == 勝ち点 - 1) {
      auto q = 読む(詰む);
      q.指す(l.手);
      EXPECT_TRUE(q.手().empty()) << USI表記(l.手);
    }
    EXPECT_FALSE(勝ち以外 && l.評価 >= 勝敗境) << USI表記(l.手);
    勝ち以外 = 勝ち以外 || l.評価 < 勝敗境;
  }
  EXPECT_TRUE(勝ち以外);
  EXPECT_EQ(r.報告.候補[0].評価, 勝ち点 - 1);

  const char* 少ない = "4k4/9/9/9/4R4/9/9/9/4K4 w g 1";  // a gold in hand against a check
  const auto p = 読む(少ない);
  const 深探索結果 all = 探す(少ない, 3, 200);
  std::set<std::string> 手, 線;
  for (const 指し手& m : p.手()) 手.insert(USI表記(m));
  for (const 候補行& l : all.報告.候補) 線.insert(USI表記(l.手));
  EXPECT_EQ(手, 線);
  EXPECT_EQ(all.報告.候補[0].評価, 探す(少ない, 3, 1).報告.評価);
}

// Several threads reach the same certain answers as one: the forced wins
// and losses of the tactics, and the depth asked for; the node count is
// every thread's.
TEST(Threads, AgreeWithOneThreadOnCertainResults) {
  struct Case {
    const char* sfen;
    int depth;
  };
  const Case cases[] = {
      {"4k4/9/9/9/4R4/9/9/9/4K4 b - 1", 2},
      {"4k4/9/8p/9/9/9/9/9/4K4 b R 1", 3},
      {"4k4/9/4R4/9/9/9/8p/9/4K4 w - 1", 3},
      {"lns1k1snl/9/pppp1pppp/9/9/9/PPPP1PPPP/1B5R1/LNSGKGSNL b RG 1", 4},
  };
  for (const Case& k : cases)
    for (const int n : {2, 3}) {
      const 深探索結果 one = 探す(k.sfen, k.depth, 1);
      const 深探索結果 many = 探す(k.sfen, k.depth, 1, n);
      ASSERT_GE(std::abs(one.報告.評価), 勝敗境) << k.sfen;
      EXPECT_EQ(many.報告.評価, one.報告.評価) << k.sfen << " threads " << n;
      auto q = 読む(k.sfen);
      EXPECT_EQ(testing::筋を指す(q, many.報告.読み筋), "") << k.sfen;
    }
  const std::string busy = 見本("sharp_1");
  const 深探索結果 r = 探す(busy, 6, 1, 2);
  EXPECT_EQ(r.報告.深さ, 6);
  EXPECT_TRUE(testing::含む(読む(busy).手(), r.最善));
  EXPECT_GT(r.報告.節点, 探す(busy, 1, 1).報告.節点);
}

// A node limit holds all threads' nodes together; going back to one
// thread gives exactly what a searcher that never had more gives.
TEST(Threads, NodeLimitCountsEveryThreadAndOneThreadRepeats) {
  const auto p = 読む(見本("quiet_1"));
  探索条件 c;
  c.節点上限 = 40000;
  深探索 a(18), b(18);
  a.糸数を設定(2);
  const 深探索結果 two = a.探索(p.s, p.MAN手番, {}, c);
  EXPECT_GE(two.報告.節点, c.節点上限);
  EXPECT_LT(two.報告.節点, c.節点上限 + 4096);  // the helpers stop within a few hundred nodes
  a.糸数を設定(1);
  const 深探索結果 x = a.探索(p.s, p.MAN手番, {}, c);
  const 深探索結果 y = b.探索(p.s, p.MAN手番, {}, c);
  EXPECT_EQ(x.最善, y.最善);
  EXPECT_EQ(x.報告.評価, y.報告.評価);
  EXPECT_EQ(x.報告.節点, y.報告.節点);
  EXPECT_EQ(x.報告.読み筋, y.報告.読み筋);
}

// The table gives back every field as written, mate scores and negative
// depths included; a new search sees nothing of the old one, and a key
// that shares the slot is not taken for another.
TEST(TransTable, KeepsEntriesForOneSearchOnly) {
  置換表 t(置換表::最小ビット);
  t.新しい探索();
  const 表項目 cases[] = {
      {1, 0, 0, 正確}, {(1u << 20) - 1, -29990, 127, 下限}, {12345, 29999, -1, 上限}, {7, -1, 60, 下限}};
  局面キー k = 0x9E3779B97F4A7C15ull;
  for (const 表項目& e : cases) {
    t.書く(k, e);
    表項目 r;
    ASSERT_TRUE(t.読む(k, r));
    EXPECT_EQ(r.手, e.手);
    EXPECT_EQ(r.点, e.点);
    EXPECT_EQ(r.深さ, e.深さ);
    EXPECT_EQ(r.種類, e.種類);
    表項目 other;
    EXPECT_FALSE(t.読む(k + (1ull << 40), other));  // same slot, another key
    k = k * 31 + 17;
  }
  for (int i = 0; i < 70; ++i) {  // past the wrap of the generations too
    t.新しい探索();
    表項目 r;
    EXPECT_FALSE(t.読む(k, r)) << i;
    t.書く(k, cases[0]);
  }
}

// Writers and readers on several threads: every entry read belongs to the
// key it was read by, whatever was torn by a concurrent write.
TEST(TransTable, ConcurrentWritesNeverShowAnotherKeysEntry) {
  置換表 t(置換表::最小ビット);
  t.新しい探索();
  const auto 手の値 = [](局面キー k) { return static_cast<std::uint32_t>(k % 1000003) + 1; };
  std::atomic<int> 違い{0};
  auto 働く = [&](std::uint64_t seed) {
    局面キー k = seed;
    for (int i = 0; i < 200000; ++i) {
      k = k * 6364136223846793005ull + 1442695040888963407ull;
      const 局面キー key = k >> 20 << 20 | (k & 15);  // 16 slots: many collisions
      t.書く(key, {手の値(key), static_cast<std::int16_t>(key % 999), 3, 正確});
      表項目 r;
      const 局面キー probe = key ^ (i & 1 ? 1 : 0);
      if (t.読む(probe, r) && (r.手 != 手の値(probe) || r.点 != static_cast<std::int16_t>(probe % 999)))
        ++違い;
    }
  };
  std::thread a(働く, 1), b(働く, 2);
  働く(3);
  a.join();
  b.join();
  EXPECT_EQ(違い.load(), 0);
}

TEST(TransTable, HashMegabytesGiveTableBits) {
  const std::pair<std::int64_t, int> cases[] = {{0, 16},  {1, 16},  {2, 17},    {3, 17},
                                                {16, 20}, {100, 22}, {1024, 26}, {1 << 20, 30}};
  for (const auto& [mb, bits] : cases) EXPECT_EQ(表ビット数(mb), bits) << mb;
  深探索 器(16);
  器.表の大きさ(表ビット数(64));
  EXPECT_EQ(器.表ビット(), 22);
}

}  // namespace
}  // namespace qz
