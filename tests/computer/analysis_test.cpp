#include "computer/analysis.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string_view>
#include <thread>

#include "deep_fixture.h"

namespace qz {
namespace {

using namespace std::chrono_literals;

// Waits (at most a generous while) for a report that satisfies 合う.
std::optional<検討結果> 待つ(const 検討係& a, const std::function<bool(const 検討結果&)>& 合う) {
  for (auto end = std::chrono::steady_clock::now() + 60s; std::chrono::steady_clock::now() < end;
       std::this_thread::sleep_for(2ms))
    if (const auto k = a.最新(); k && 合う(*k)) return k;
  return a.最新();
}

void 始める(検討係& a, std::string_view sfen) {
  const auto p = testing::読む(sfen);
  a.開始(p.s, p.MAN手番, {});
}

// Forced king captures are told in plies, from the lower side's view
// whichever side is to move.
TEST(Analysis, AForcedKingCaptureIsReportedForTheLowerSide) {
  struct Case {
    const char* sfen;
    int 手数;
  } cases[] = {{"4k4/9/8p/9/9/9/9/9/4K4 b R 1", 3}, {"4k4/9/9/9/9/9/2P6/9/4K4 w r 1", -3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sfen);
    検討係 a;
    始める(a, c.sfen);
    const auto k = 待つ(a, [](const 検討結果& r) { return r.勝ち手数 != 0; });
    ASSERT_TRUE(k);
    // Lost when the king is taken or no move is left: within three plies.
    EXPECT_GT(k->勝ち手数 * c.手数, 0);
    EXPECT_LE(std::abs(k->勝ち手数), std::abs(c.手数));
    EXPECT_EQ(k->評価 > 0, c.手数 > 0);
    ASSERT_FALSE(k->行.empty());
    // The best line is legal and no longer than the forced win.
    auto p = testing::読む(c.sfen);
    EXPECT_EQ(testing::筋を指す(p, k->行[0].手), "");
    EXPECT_LE(k->行[0].手.size(), static_cast<std::size_t>(std::abs(c.手数)));
  }
}

// The upper side a rook and a bishop up is ahead for either side to move;
// three lines are given, each a legal line, best first.
TEST(Analysis, ScoresAreTheLowerSidesAndThreeLinesAreGiven) {
  for (const char* sfen : {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/9/LNSGKGSNL b - 1",
                           "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/9/LNSGKGSNL w - 1"}) {
    SCOPED_TRACE(sfen);
    検討係 a;
    始める(a, sfen);
    const auto k = 待つ(a, [](const 検討結果& r) { return r.深さ >= 3; });
    ASSERT_TRUE(k);
    EXPECT_LT(k->評価, -300);
    EXPECT_EQ(k->勝ち手数, 0);
    ASSERT_EQ(k->行.size(), 3u);
    EXPECT_EQ(k->行[0].評価, k->評価);
    // The lines run best first for the side to move, whose best is the
    // lower side's worst when the upper side moves.
    const int 向き = std::string_view(sfen).find(" b ") != std::string_view::npos ? 1 : -1;
    for (const 検討行& l : k->行) {
      EXPECT_LE(向き * l.評価, 向き * k->評価);
      auto p = testing::読む(sfen);
      EXPECT_EQ(testing::筋を指す(p, l.手), "");
    }
    EXPECT_GT(k->節点, 0u);
    a.止める();
    EXPECT_FALSE(a.動いている());
  }
}

// A new position stops the old search at once: no report of it is seen
// again, and the new one's reports follow.
TEST(Analysis, FollowsANewPositionAndStopsAtOnce) {
  検討係 a;
  EXPECT_FALSE(a.最新());
  始める(a, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
  EXPECT_TRUE(a.動いている());
  ASSERT_TRUE(待つ(a, [](const 検討結果& r) { return r.深さ >= 2; }));
  const std::uint64_t 前 = a.世代();
  始める(a, "4k4/9/8p/9/9/9/9/9/4K4 b R 1");
  EXPECT_EQ(a.世代(), 前 + 1);
  if (const auto k = a.最新()) {
    EXPECT_EQ(k->世代, a.世代());
  }
  const auto k = 待つ(a, [](const 検討結果& r) { return r.勝ち手数 != 0; });
  ASSERT_TRUE(k);
  EXPECT_EQ(k->世代, a.世代());
  始める(a, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
  a.止める();
  EXPECT_FALSE(a.動いている());
}

// A proved win by checks is the score until the search sees one as short.
TEST(Analysis, TheMateSearchsWinStaysUntilTheSearchSeesOneAsShort) {
  const 指し手 a{5, 7, 5, 6, -歩, -歩}, b{5, 3, 5, 4, 歩, 歩};
  const 検討行 詰み{勝ち点 - 7, {a, b, a}};
  検討結果 k;
  k.評価 = 120;
  k.行 = {{120, {b}}, {80, {a}}, {10, {b, a}}};
  詰みを重ねる(k, 詰み);
  EXPECT_EQ(k.勝ち手数, 7);
  EXPECT_EQ(k.評価, 勝ち点 - 7);
  ASSERT_EQ(k.行.size(), 3u);
  EXPECT_EQ(k.行[0].手, 詰み.手);
  EXPECT_EQ(k.行[1].評価, 120);

  検討結果 shorter;
  shorter.評価 = 勝ち点 - 5;
  shorter.勝ち手数 = 5;
  shorter.行 = {{勝ち点 - 5, {b}}};
  詰みを重ねる(shorter, 詰み);
  EXPECT_EQ(shorter.勝ち手数, 5);
  EXPECT_EQ(shorter.行.size(), 1u);
}

TEST(Analysis, ScoreConversions) {
  EXPECT_EQ(下の評価(120, true), 120);
  EXPECT_EQ(下の評価(120, false), -120);
  EXPECT_EQ(勝ちまでの手数(勝ち点 - 5), 5);
  EXPECT_EQ(勝ちまでの手数(-(勝ち点 - 7)), -7);
  EXPECT_EQ(勝ちまでの手数(勝敗境 - 1), 0);
}

}  // namespace
}  // namespace qz
