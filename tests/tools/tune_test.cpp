// The tuner's position files, read line by line with the bad lines told by
// number, and its fit, which must find better weights where there are some.
#include <gtest/gtest.h>

#include <sstream>

#include "tools/tune/fit.h"
#include "tools/tune/teacher.h"

namespace qz {
namespace {

constexpr const char* 初形 = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

TEST(TuneFile, ReadsPositionsAndRefusesBadLinesWithTheirReason) {
  struct Case {
    std::string line;
    bool read;
    std::string why;  // part of the reason when refused
  };
  const Case cases[] = {
      {std::string(初形) + " 1", true, ""},
      {std::string(初形) + " 0.5\r", true, ""},
      {"4k4/9/9/9/9/9/9/9/4K4 w 2P 30\t0", true, ""},
      {"", false, ""},
      {"   ", false, ""},
      {"# comment 1", false, ""},
      {初形, false, "found 4 words"},
      {"4k4/9/9/9/9/9/9/9/4K4 w 2P 1", false, "found 4 words"},
      {std::string(初形) + " 2", false, "result must be"},
      {std::string(初形) + " 0.50", false, "result must be"},
      {"1", false, "found 1 words"},
      {"4k4/9/9/9/9/9/9/9/4K4 x - 1 1", false, "bad SFEN"},
      {"4k4/9/9/9/9/9/9/9/4KK3 b - 1 1", false, "bad SFEN"},
      {"9/9 b - 1 0", false, "bad SFEN"},
      {"4k4/9/9/9/9/9/9/9/4K4 w - 1 1 1", false, "found 6 words"},
  };
  for (const Case& c : cases) {
    std::string why;
    const auto t = 教師行を読む(c.line, why);
    EXPECT_EQ(t.has_value(), c.read) << c.line;
    EXPECT_NE(why.find(c.why), std::string::npos) << c.line << ": " << why;
    EXPECT_EQ(why.empty(), c.why.empty()) << c.line;
    if (t) {
      std::string again;
      const auto u = 教師行を読む(教師行を書く(t->局面, t->結果), again);
      ASSERT_TRUE(u) << again;
      EXPECT_EQ(u->結果, t->結果);
      EXPECT_EQ(教師行を書く(u->局面, u->結果), 教師行を書く(t->局面, t->結果));
    }
  }
  std::istringstream in(std::string("# header\n") + 初形 + " 1\nbad\n\n" + 初形 + " 0.5 x\n" +
                        "4k4/9/9/9/9/9/9/9/4K4 w 2P 30 0\n");
  std::vector<std::string> bad;
  const auto v = 教師局面を読む(in, bad);
  ASSERT_EQ(v.size(), 2U);
  EXPECT_EQ(v[1].結果, 0);
  EXPECT_EQ(v[1].数.手駒[1], -2);  // two pawns in the hand of the side not to move
  ASSERT_EQ(bad.size(), 2U);
  EXPECT_EQ(bad[0].rfind("line 3: ", 0), 0U) << bad[0];
  EXPECT_EQ(bad[1].rfind("line 5: ", 0), 0U) << bad[1];
}

// Positions where an extra pawn in hand wins far more often than the
// default pawn value predicts, and the move itself is worth nothing.
std::vector<教師局面> 歩得の局面() {
  std::vector<教師局面> v;
  for (int k = -3; k <= 3; ++k)
    for (int i = 0; i < 20; ++i) {
      教師局面 p;
      p.数.手駒[1] = static_cast<std::int8_t>(k);
      p.結果 = k == 0 ? 0.5F : (k > 0) == (i % 10 < 9) ? 1.0F : 0.0F;
      v.push_back(p);
    }
  return v;
}

TEST(TuneFit, FindsTheScaleAndWeightsOfLessError) {
  const auto v = 歩得の局面();
  評価重み w0;  // a pawn and the move worth what the data says they are not
  重みを設定(w0, "歩", 90);
  重みを設定(w0, "持駒割増", 10);
  重みを設定(w0, "手番", 30);
  const double K = 尺度を合わせる(v, w0);
  EXPECT_LT(予想誤差(v, w0, K), 予想誤差(v, w0, K * 2));
  EXPECT_LT(予想誤差(v, w0, K), 予想誤差(v, w0, K / 2));
  当てはめ条件 c;
  c.名 = {"歩", "手番", "金"};
  const 評価重み w = 重みを合わせる(v, w0, 200, c);
  EXPECT_LT(予想誤差(v, w, 200), 予想誤差(v, w0, 200) - 0.01);
  EXPECT_GT(w.駒値[歩], 150);
  EXPECT_EQ(w.手番, 0);                // the side to move wins as often as it loses
  EXPECT_EQ(w.駒値[金], w0.駒値[金]);  // no gold anywhere: nothing to learn
}

}  // namespace
}  // namespace qz
