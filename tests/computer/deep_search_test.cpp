#include "computer/deep_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "computer/search_board.h"
#include "computer/search_worker.h"
#include "deep_fixture.h"
#include "sample_positions.h"

namespace qz {
namespace {

using testing::読む;

深探索結果 探す(std::string_view sfen, int 深さ, 既出列 既出 = {}, bool 刈り込む = false) {
  const auto p = 読む(sfen);
  深探索 器(16);
  探索条件 c;
  c.深さ上限 = 深さ;
  c.刈り込む = 刈り込む;
  return 器.探索(p.s, p.MAN手番, 既出, c);
}

// Small tactics the search must find at a small depth, each from both sides'
// kind of position: the move is checked by its USI text prefix or by a test.
TEST(DeepSearch, FindsTheTacticsOfTheFreezeRule) {
  struct Case {
    const char* what;
    const char* sfen;
    int depth;
    bool (*good)(const 深探索結果&);
  };
  const Case cases[] = {
      {"takes the king in 1", "4k4/9/9/9/4R4/9/9/9/4K4 b - 1", 1,
       [](const 深探索結果& r) {
         return USI表記(r.最善).rfind("5e5a", 0) == 0 && r.報告.評価 >= 勝敗境;
       }},
      {"the upper side takes the king in 1", "4k4/9/9/9/4r4/9/9/9/4K4 w - 1", 1,
       [](const 深探索結果& r) { return USI表記(r.最善).rfind("5e5i", 0) == 0; }},
      // A rook dropped two squares off freezes the king; nothing can block.
      {"takes the king in 3", "4k4/9/8p/9/9/9/9/9/4K4 b R 1", 3,
       [](const 深探索結果& r) { return r.最善.打つ() && r.報告.評価 >= 勝敗境; }},
      // The gold is frozen by a rook out of its reach and nothing guards it.
      {"wins a piece that cannot escape", "k8/9/9/9/4g4/9/9/9/4K4 b R 1", 4,
       [](const 深探索結果& r) { return r.最善.打つ() && r.報告.評価 > 1000; }},
      // The rook would take the gold, but the knight freezes it.
      {"never moves a frozen piece", "k3g4/9/5n3/9/4R4/9/9/9/4K4 b - 1", 3,
       [](const 深探索結果& r) { return !(r.最善.元X == 5 && r.最善.元Y == 5); }},
      // The checked king is frozen: only the gold in hand helps, dropped
      // between or beside the rook, which it then freezes (G*6d wins it).
      {"answers a check with the gold in hand", "4k4/9/9/9/4R4/9/9/9/4K4 w g 1", 3,
       [](const 深探索結果& r) { return USI表記(r.最善) == "G*6d" && r.報告.評価 > 1000; }},
      {"answers a check by capturing", "4k4/9/2b6/9/4R4/9/9/9/4K4 w - 1", 3,
       [](const 深探索結果& r) { return USI表記(r.最善).rfind("7c5e", 0) == 0; }},
  };
  for (const bool 刈り込む : {false, true}) {  // skipping hopeless moves misses none of them
    for (const Case& c : cases) {
      const 深探索結果 r = 探す(c.sfen, c.depth, {}, 刈り込む);
      ASSERT_TRUE(r.指し手あり) << c.what;
      EXPECT_TRUE(c.good(r)) << c.what << (刈り込む ? " (pruning)" : "") << ": "
                             << USI表記(r.最善) << " score " << r.報告.評価;
    }
  }
  // The side left with the rook drop against it has lost; with no move at all too.
  EXPECT_LE(探す("4k4/9/4R4/9/9/9/8p/9/4K4 w - 1", 3).報告.評価, -勝敗境);
  EXPECT_FALSE(探す("4k4/4R4/9/9/9/9/9/9/4K4 w - 1", 2).指し手あり);
}

// Random games: the key made move by move equals the key made from scratch,
// and taking a move back restores everything.
TEST(DeepSearch, KeysStayTrueOverRandomGames) {
  std::mt19937 rng(12);
  for (int game = 0; game < 6; ++game) {
    探索盤 b;
    局面 s;
    初期配置(s);
    b.設定(s, true);
    for (int ply = 0; ply < 150; ++ply) {
      b.調べる();
      std::vector<指し手> all;
      合法手列挙(b.s, b.MAN手番, [&](const 指し手& m) { all.push_back(m); });
      bool king = false;
      for (const 指し手& m : all) king |= !m.打つ() && std::abs(b.s.盤面[m.先X][m.先Y]) == 王;
      if (all.empty() || king) break;
      for (int k = 0; k < 3; ++k) {  // a few moves made and taken back
        const 指し手 m = all[rng() % all.size()];
        const 局面 before = b.s;
        const 局面キー key = b.キー;
        const int c = b.指す(m);
        局面 rules = before;
        手を指す(rules, m);
        ASSERT_EQ(b.s.盤面, rules.盤面);
        ASSERT_EQ(b.s.持駒_MAN, rules.持駒_MAN);
        ASSERT_EQ(b.s.持駒_COM, rules.持駒_COM);
        ASSERT_EQ(b.キー, 局面ハッシュ(b.s, b.MAN手番));
        b.戻す(m, c);
        ASSERT_EQ(b.キー, key);
        ASSERT_EQ(b.s.盤面, before.盤面);
        ASSERT_EQ(b.s.持駒_MAN, before.持駒_MAN);
        ASSERT_EQ(b.s.持駒_COM, before.持駒_COM);
      }
      b.指す(all[rng() % all.size()]);
    }
  }
}

// Searches to depth 4 from sample positions, for the side to move as
// written or for the other side: the move, the score and the number of
// nodes are those the search had when every node surveyed its position
// afresh, so the way the bearings are kept changes the speed and never the
// tree. Any change to the search's order, pruning or evaluation shows here.
TEST(DeepSearch, FixedDepthTreesStayTheSame) {
  struct Case {
    std::string_view sample;
    bool other_side;
    const char* best;
    int score;
    std::uint64_t nodes;
  };
  const Case cases[] = {
      {"start", false, "3c3d", 44, 1599},
      {"quiet_3", true, "2h6h", 16, 3689},
      {"sharp_2", false, "B*5d", 263, 8522},
      {"sharp_3", false, "2a3c", -811, 12874},
      {"sharp_4", true, "7h8i", -6233, 5443},
      {"com_check_3", true, "2e2d", 1689, 1789},
      {"man_check_mate_1", false, "N*5f", 2293, 3307},
      {"man_check_mate_2", true, "9e8c+", -(勝ち点 - 3), 1086},
      {"mate_drop", false, "N*9d", -571, 4336},
  };
  深探索 器(20);  // the engine's table: another size fills it differently
  探索条件 条件;
  条件.深さ上限 = 4;
  for (const Case& c : cases) {
    std::string sfen;
    for (const auto& sample : testing::見本局面一覧)
      if (sample.名前 == c.sample) sfen = sample.sfen;
    ASSERT_FALSE(sfen.empty()) << c.sample;
    if (c.other_side) sfen[sfen.find(" w ") + 1] = 'b';
    const auto p = 読む(sfen);
    const 深探索結果 r = 器.探索(p.s, p.MAN手番, {}, 条件);
    EXPECT_EQ(USI表記(r.最善), c.best) << c.sample;
    EXPECT_EQ(r.報告.評価, c.score) << c.sample;
    EXPECT_EQ(r.報告.節点, c.nodes) << c.sample;
  }
}

TEST(DeepSearch, ANodeLimitedSearchRepeatsExactly) {
  const auto p = 読む("l6nl/5+R1k1/4pp1pp/p5p2/2P6/P3P4/1P1P1PPPP/1+b3S3/LN2KG1NL w RGSPbgsn2p 40");
  探索条件 c;
  c.節点上限 = 30000;
  深探索 a(16), b(18);
  const 深探索結果 x = a.探索(p.s, p.MAN手番, {}, c);
  a.探索(p.s, !p.MAN手番, {}, c);  // something else in between
  const 深探索結果 y = a.探索(p.s, p.MAN手番, {}, c);
  const 深探索結果 z = b.探索(p.s, p.MAN手番, {}, c);
  深探索 四本(16);  // kept to one thread it plays as one
  四本.糸数を設定(4);
  c.糸数上限 = 1;
  EXPECT_EQ(四本.探索(p.s, p.MAN手番, {}, c).報告.読み筋, x.報告.読み筋);
  EXPECT_EQ(x.最善, y.最善);
  EXPECT_EQ(x.報告.評価, y.報告.評価);
  EXPECT_EQ(x.報告.節点, y.報告.節点);
  EXPECT_EQ(x.報告.読み筋, y.報告.読み筋);
  EXPECT_EQ(x.報告.節点, 30000u);
  EXPECT_EQ(z.報告.深さ, x.報告.深さ);  // another table size reaches the same depth
}

// A search that keeps its table starts from what the searches before it
// left: the same position again costs fewer nodes for the same answer, and
// a search after it that does not keep the table is as on a fresh searcher.
TEST(DeepSearch, AKeptTableCarriesOverToTheNextSearch) {
  const auto p = 読む("l6nl/5+R1k1/4pp1pp/p5p2/2P6/P3P4/1P1P1PPPP/1+b3S3/LN2KG1NL w RGSPbgsn2p 40");
  探索条件 c;
  c.深さ上限 = 5;
  深探索 器(16), 新(16);
  const 深探索結果 単 = 新.探索(p.s, p.MAN手番, {}, c);
  c.表を残す = true;
  const 深探索結果 一 = 器.探索(p.s, p.MAN手番, {}, c);
  const 深探索結果 二 = 器.探索(p.s, p.MAN手番, {}, c);
  EXPECT_EQ(一.報告.節点, 単.報告.節点);  // a fresh table: nothing to keep
  EXPECT_LT(二.報告.節点 * 2, 一.報告.節点);
  EXPECT_EQ(二.最善, 一.最善);
  c.表を残す = false;
  const 深探索結果 三 = 器.探索(p.s, p.MAN手番, {}, c);
  EXPECT_EQ(三.報告.節点, 単.報告.節点);
  EXPECT_EQ(三.報告.読み筋, 単.報告.読み筋);
}

// Skipping hopeless quiet moves near the leaves searches a smaller tree to
// the same depth, and only when the search asks for it with a margin above 0.
TEST(DeepSearch, PruningSkipsMovesOnlyWhenAsked) {
  const auto p = 読む("l6nl/5+R1k1/4pp1pp/p5p2/2P6/P3P4/1P1P1PPPP/1+b3S3/LN2KG1NL w RGSPbgsn2p 40");
  探索条件 c;
  c.深さ上限 = 6;
  const auto 探す = [&](bool 刈り込む, int 幅) {
    深探索 器(16);
    器.重み.刈り幅 = 幅;
    c.刈り込む = 刈り込む;
    return 器.探索(p.s, p.MAN手番, {}, c);
  };
  const 深探索結果 全 = 探す(false, 200), 刈 = 探す(true, 200), 零 = 探す(true, 0);
  EXPECT_LT(刈.報告.節点 * 3, 全.報告.節点 * 2);
  EXPECT_EQ(刈.報告.深さ, 6);
  EXPECT_EQ(零.報告.節点, 全.報告.節点);
  EXPECT_EQ(零.報告.読み筋, 全.報告.読み筋);
}

// Stopped before its first depth is done, the search plays the best move it
// has searched (the capture, searched first), not the first of the list.
TEST(DeepSearch, StoppedWithinTheFirstDepthItPlaysTheBestMoveSearched) {
  const auto p = 読む("8k/9/9/4p4/5S3/9/9/9/K8 b rb2g 1");
  探索条件 c;
  c.節点上限 = 4;
  深探索 器(16);
  const 深探索結果 r = 器.探索(p.s, p.MAN手番, {}, c);
  EXPECT_EQ(r.報告.深さ, 0);
  EXPECT_EQ(USI表記(r.最善), "4e5d");
}

// A position that repeats one of the game is worth 0: with every position
// after the first move already met, the start is a level game.
// A game that has gone long without a capture or promotion is worth less
// to the side ahead, at most half, so that it looks for one.
TEST(DeepSearch, ScoresShrinkAsTheGameGoesWithoutProgress) {
  const auto p = 読む("k8/9/9/9/9/9/9/9/G7K b - 1");
  const auto 点 = [&](int 進展なし) {
    深探索 器(16);
    探索条件 c;
    c.深さ上限 = 2;
    c.進展なし = 進展なし;
    return 器.探索(p.s, p.MAN手番, {}, c).報告.評価;
  };
  const int 元 = 点(0);
  ASSERT_GT(元, 500);
  EXPECT_EQ(点(10), 元);  // within the grace
  EXPECT_LT(点(60), 元);
  EXPECT_GT(点(60), 点(100));
  EXPECT_NEAR(点(300), 元 / 2, 1);
}

// Every position one move from the start came before in the game: twice
// makes coming back a draw, once does not (the game goes on until a
// position's fourth time).
TEST(DeepSearch, PositionsMetTwiceInTheGameAreWorthNothing) {
  const auto p = 読む(開始SFEN);
  既出列 一度;
  探索盤 b;
  b.設定(p.s, true);
  b.調べる();
  合法手列挙(b.s, true, [&](const 指し手& m) {
    const int c = b.指す(m);
    一度.push_back({b.キー, false});
    b.戻す(m, c);
  });
  既出列 二度 = 一度;
  二度.insert(二度.end(), 一度.begin(), 一度.end());
  const int 素 = 探す(開始SFEN, 3).報告.評価;
  EXPECT_NE(素, 0);
  EXPECT_EQ(探す(開始SFEN, 3, 二度).報告.評価, 0);
  EXPECT_EQ(探す(開始SFEN, 3, 一度).報告.評価, 素);
}

// The upper horse stands frozen beside the lower king, so the king counts
// as in check after every upper move while the upper silver and the lower
// bishop step to and fro. Coming back once more would lose the game for the
// side that checked throughout: the search gives up that draw for a worse
// line, and takes it when the same history shows no checks.
TEST(DeepSearch, ARepetitionByCheckingWithEveryMoveIsALoss) {
  const auto p =
      読む("4kg2l/2rs1s3/l3pp3/1ppp3pp/p1Png2PP/PPSP2p2/3K+bP+n1N/LB1G1SG2/1N4R1L w 2p 54");
  探索盤 b;
  b.設定(p.s, p.MAN手番);
  std::vector<済み手> 手;
  for (const char* t :
       {"4b3c", "8h9i", "3c4b", "9i8h", "4b3c", "8h9i", "3c4b", "9i8h", "4b3c", "8h9i"}) {
    b.調べる();
    const auto m = USI指し手読込(t, b.s.盤面, b.MAN手番);
    ASSERT_TRUE(m);
    手.push_back({*m, b.指す(*m)});
  }
  既出列 既出 = 遡ったキー(b.s, b.MAN手番, 手);
  深探索 器(16);
  探索条件 c;
  c.深さ上限 = 6;
  深探索結果 r = 器.探索(b.s, b.MAN手番, 既出, c);
  EXPECT_NE(USI表記(r.最善), "3c4b");
  EXPECT_LT(r.報告.評価, 0);
  for (既出局面& e : 既出) e.王手 = false;
  r = 器.探索(b.s, b.MAN手番, 既出, c);
  EXPECT_EQ(USI表記(r.最善), "3c4b");
  EXPECT_EQ(r.報告.評価, 0);
}

}  // namespace
}  // namespace qz
