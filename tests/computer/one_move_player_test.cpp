#include <gtest/gtest.h>

#include <map>

#include "fixture.h"
#include "rules/movegen.h"
#include "sample_positions.h"

namespace qz {
namespace {

using testing::局面読込;
using testing::試験候補;
using testing::試験探索;

TEST(Search, EqualScoresGoToTheFirstCandidateInEnumerationOrder) {
  // A lone king in the middle: three steps towards MAN's king share the best
  // score; the one with the lowest to-column, (4,6), is played.
  試験探索 t("9/9/9/9/4k4/9/9/9/4K4 w - 1", 2);
  EXPECT_EQ(t.評価値("5e6f"), 点(0.1));
  EXPECT_EQ(t.評価値("5e5f"), 点(0.1));
  EXPECT_EQ(t.評価値("5e4f"), 点(0.1));
  EXPECT_EQ(t.最善(), "5e6f");
}

TEST(Search, BothVersionsOfAnOptionalPromotionAreJudged) {
  // A silver stepping back into (5,7) forks two undefended golds only as a
  // silver: the unpromoted version scores higher and is played as it is.
  試験探索 silver("k8/9/9/9/9/3G1G3/9/3s5/8K w - 1", 3);
  EXPECT_EQ(silver.評価値("6h5g"), 1112);
  EXPECT_EQ(silver.評価値("6h5g+"), 点(11));
  EXPECT_EQ(silver.評価値("6h7g"), 点(0.1));
  EXPECT_EQ(silver.評価値("6h7g+"), 点(10));
  EXPECT_EQ(silver.最善(), "6h5g");
  EXPECT_EQ(silver.結果.最高評価値, 1112);

  // A pawn always promotes, though here its unpromoted version scored better;
  // the move keeps the better score.
  試験探索 pawn("1+N2k1gnl/2Psg4/p2ppG1s1/3R5/P7p/1pp2P2P/2+bPP1NP1/1BGS2PSR/L4K2L w NL 1", 3);
  EXPECT_EQ(pawn.評価値("8f8g"), -3422);
  EXPECT_EQ(pawn.評価値("8f8g+"), -11361);
  EXPECT_EQ(pawn.最善(), "8f8g+");
  EXPECT_EQ(pawn.結果.最高評価値, -3422);
}

// The evaluated versions are exactly the moves the move check allows, in the
// order the game lists them (board moves, unpromoted before promoted, then
// drops), judged on the position as it stood when the turn began.
TEST(Search, CandidatesAreTheLegalMovesInOrder) {
  for (const auto& sample : testing::見本局面一覧) {
    試験探索 t(sample.sfen, 1);
    局面 s = 局面読込(sample.sfen);
    勢力調査(s);
    調査_2歩フラグ設定(s);
    std::vector<std::string> legal;
    合法手列挙(s, false, [&](const 指し手& m) { legal.push_back(USI表記(m)); });
    std::vector<std::string> listed;
    for (const 候補手& c : t.一覧) listed.push_back(testing::USI(c));
    // A search that stops early (a king taken, a mate dropped) lists a prefix.
    const bool stopped = t.結果.最高評価値 >= 詰め点;
    ASSERT_LE(listed.size(), legal.size()) << sample.名前;
    if (!stopped) {
      EXPECT_EQ(listed.size(), legal.size()) << sample.名前;
    }
    legal.resize(listed.size());
    EXPECT_EQ(listed, legal) << sample.名前;
  }
}

TEST(Search, LeavesThePositionAsFoundWithTheMapOfTheRealPosition) {
  for (const auto& sample : testing::見本局面一覧) {
    const 局面 before = 局面読込(sample.sfen);
    試験探索 t(sample.sfen, 3);
    EXPECT_EQ(t.s.盤面, before.盤面) << sample.名前;
    EXPECT_EQ(t.s.持駒_MAN, before.持駒_MAN) << sample.名前;
    EXPECT_EQ(t.s.持駒_COM, before.持駒_COM) << sample.名前;
    局面 fresh = before;
    勢力調査(fresh);
    EXPECT_EQ(t.s.表.勢力_MAN, fresh.表.勢力_MAN) << sample.名前;
    EXPECT_EQ(t.s.表.勢力_COM, fresh.表.勢力_COM) << sample.名前;
    EXPECT_EQ(t.s.表.王手駒マップ_MAN, fresh.表.王手駒マップ_MAN) << sample.名前;
  }
}

TEST(Search, NoLegalCandidateMeansNoMove) {
  // COM's only piece, its king, is in check and so frozen; the hand is empty.
  試験探索 t("4k4/4R4/9/9/9/9/9/9/4K4 w - 1", 3);
  EXPECT_FALSE(t.結果.指し手あり);
  EXPECT_TRUE(t.一覧.empty());
  EXPECT_EQ(t.最善(), "resign");
}

TEST(Search, TheClockTicksAtEveryFromColumnAndEveryHandKind) {
  // Nine columns of board moves, then seven hand kinds because COM holds a
  // piece; without a hand the drop stage is never entered.
  const auto ticks = [](std::string_view sfen) {
    局面 s = 局面読込(sfen);
    COM記憶 記憶;
    int n = 0;
    COM探索(s, 記憶, 3, nullptr, [&n] { ++n; });
    return n;
  };
  EXPECT_EQ(ticks("4k4/9/9/9/9/9/9/9/4K4 w g 1"), 9 + 7);
  EXPECT_EQ(ticks("4k4/9/9/9/9/9/9/9/4K4 w - 1"), 9);
  // Taking MAN's king ends the search in the column of the capturing piece.
  EXPECT_EQ(ticks("4k4/9/9/9/9/9/9/9/r3K4 w - 1"), 1);
}

TEST(Search, ACapturedPieceIsNotYetInTheHandWhileJudged) {
  // A pawn takes a MAN knight on (5,7), where a MAN rook attacks it. Had the
  // knight gone to COM's hand, dropping it on (4,5) would fork the MAN bishop
  // on (3,7): worth 800 more.
  const char* sfen = "k8/9/9/9/9/4p4/2B1N4/9/K3R4 w - 1";
  試験探索 t(sfen, 3);
  EXPECT_EQ(t.評価値("5f5g"), 496);
  局面 with_knight = 局面読込(sfen);
  with_knight.持駒_COM.加える(3);
  試験候補 c(with_knight, 5, 6, 5, 7, 歩);
  EXPECT_EQ(c.評価(3), 496 + 駒点(角));
}

TEST(Search, KingDistanceCarriesIntoTheDropsAndTheNextTurn) {
  // First turn: a COM gold on (9,1) is the last piece tried, 8 rows from
  // MAN's king on (5,9).
  COM記憶 memory;
  局面 first = 局面読込("4k3g/9/9/9/9/9/9/9/4K4 w - 1");
  COM探索(first, memory, 2);
  EXPECT_EQ(memory.王距離, 8);
  // Second turn: COM's king is checked from afar by a MAN rook and frozen, so
  // only drops are tried. A gold dropped on (5,2) approaches MAN's king along
  // the column from a remembered distance of 8: worth 0.1.
  const char* sfen = "4k4/9/9/9/4R4/9/9/9/4K4 w g 1";
  局面 second = 局面読込(sfen);
  std::vector<候補手> carried, fresh;
  COM探索(second, memory, 2, &carried);
  COM記憶 new_game;
  局面 again = 局面読込(sfen);
  COM探索(again, new_game, 2, &fresh);
  ASSERT_EQ(carried.size(), fresh.size());
  ASSERT_FALSE(carried.empty());
  int seen = 0;
  for (std::size_t i = 0; i < carried.size(); ++i) {
    const 候補手& c = carried[i];
    if (c.手.先X == 5 && c.手.先Y == 2) {
      ++seen;
      EXPECT_EQ(c.評価値 - fresh[i].評価値, 点(0.1));
    }
  }
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(memory.王距離, 8);  // drops leave it alone
}

// The move chosen, with its score, from every sample position at each level.
// Any change to the evaluation or the search shows here.
TEST(Search, BenchSignature) {
  const std::map<std::string_view, std::array<const char*, 3>> expected = {
      {"start", {"9a9b 0", "9a9b 0.1", "3c3d 10"}},
      {"start_7g7f", {"9a9b 0", "9a9b 0.1", "8c8d 2"}},
      {"handicap_com_rook", {"9a9b 0", "9a9b 0.1", "3c3d 10"}},
      {"handicap_com_two", {"9a9b 0", "9a9b 0.1", "9c9d 1"}},
      {"handicap_man_two", {"9a9b 0", "9a9b 0.1", "3c3d 10"}},
      {"quiet_1", {"5b6b -62.5", "5a6b -62.5", "P*5g 772.5"}},
      {"quiet_2", {"4d4e 0.1", "4d4e 0.2", "3c3d 10.6"}},
      {"quiet_3", {"9a9b -20", "9a9b -19.9", "3c3d -10"}},
      {"quiet_4", {"9a9b 0", "9a9b 0.1", "6d6e 2"}},
      {"sharp_1", {"G*6f 5.1", "G*6f 5.2", "P*4e 95.9"}},
      {"sharp_2", {"P*3c 9.6", "P*3c 9.6", "P*3c 9.6"}},
      {"sharp_3", {"P*5e -2445.3", "P*5e -2445.2", "P*5e -2446.2"}},
      {"sharp_4", {"5c6d 0", "5c6d 0.1", "5c6d 0.1"}},
      {"sharp_5", {"8a7b -90.4", "8a7b -90.3", "8a7b -90.3"}},
      {"hands_1", {"R*9i 2.6", "R*8i 4.6", "P*5g 33.3"}},
      {"hands_2", {"R*8i 2.5", "R*8i 5.5", "R*8i 5.5"}},
      {"hands_3", {"N*6g 9998", "N*6g 9998", "N*6g 9998"}},
      {"com_check_1", {"4a3b -1652.1", "1c2e -1651.3", "9d9e -1620.3"}},
      {"com_check_2", {"7c8e -2221.5", "7c8e -2221.4", "7e7f -2221.5"}},
      {"com_check_3", {"6d7d -898.1", "6d7d -888.1", "6d7d -888.1"}},
      {"man_check_1", {"2i3i 28", "2i3i 28.1", "P*6h 44"}},
      {"man_check_mate_1", {"N*4f 9998", "N*4f 9998", "N*4f 9998"}},
      {"man_check_mate_2", {"N*8e 9998", "N*8e 9998", "N*8e 9998"}},
      {"mate_drop", {"N*7f 9998", "N*7f 9998", "N*7f 9998"}},
  };
  // Every version's score summed over all samples, and their number, per level.
  const std::array<std::pair<std::size_t, long long>, 3> totals = {
      {{2059, -6459638}, {2059, -7950897}, {2059, -7948510}}};
  for (int level = 1; level <= 3; ++level) {
    std::size_t count = 0;
    long long sum = 0;
    for (const auto& sample : testing::見本局面一覧) {
      試験探索 t(sample.sfen, level);
      EXPECT_EQ(t.最善() + " " + 点数表記(t.結果.最高評価値),
                expected.at(sample.名前)[static_cast<std::size_t>(level - 1)])
          << sample.名前 << " level " << level;
      count += t.一覧.size();
      for (const 候補手& c : t.一覧) sum += c.評価値;
    }
    EXPECT_EQ(count, totals[static_cast<std::size_t>(level - 1)].first) << level;
    EXPECT_EQ(sum, totals[static_cast<std::size_t>(level - 1)].second) << level;
  }
}

}  // namespace
}  // namespace qz
