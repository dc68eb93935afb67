// The clock's time functions and painters.
#include <gtest/gtest.h>

#include <cmath>

#include "display/recording_surface.h"
#include "display/screen.h"

namespace qz {
namespace {

TEST(ElapsedSeconds, CountsAcrossMidnight) {
  EXPECT_DOUBLE_EQ(調査_経過秒(86390, 5), 15);
  EXPECT_DOUBLE_EQ(調査_経過秒(100, 130.5), 30.5);
  EXPECT_DOUBLE_EQ(調査_経過秒(42, 42), 0);
  EXPECT_TRUE(std::isnan(調査_経過秒(NAN, 3)));
}

TEST(ClockText, HoursMinutesSeconds) {
  const std::pair<double, const char*> cases[] = {
      {0, "00:00:00"},
      {59, "00:00:59"},
      {59.99, "00:00:59"},
      {3725, "01:02:05"},
      {3600, "01:00:00"},
      {86399, "23:59:59"},
      {99 * 3600 + 61, "99:01:01"},
      // 100 hours or more keep all their digits.
      {100 * 3600 + 5, "100:00:05"},
      {1234 * 3600 + 600, "1234:10:00"},
  };
  for (const auto& [s, text] : cases) EXPECT_EQ(調査_時間秒追加結果(s), text) << s;
}

TEST(ClockPainters, EachSideInItsCellsAndNothingWhenSwitchedOff) {
  RecordingSurface rec;
  対局 game;
  画面 g(rec, game);
  bool shown = true;
  g.経過時間表示 = [&] { return shown; };
  g.背景_現在 = 背景_宇宙;
  g.描画_所有時間(game.局.手番値_MAN, 3725);
  ASSERT_EQ(rec.ops.size(), 5u);  // three tiles, two texts
  EXPECT_EQ(rec.ops[0].picture, Picture::HAIKEI_UCHU);
  EXPECT_DOUBLE_EQ(rec.ops[0].x, セルX(13));
  EXPECT_DOUBLE_EQ(rec.ops[2].x, セルX(15));
  EXPECT_EQ(rec.ops[3].text, "01:02:05");
  EXPECT_NEAR(rec.ops[3].x, セルX(13.1), 1e-9);
  EXPECT_NEAR(rec.ops[3].y, セルY(9.3), 1e-9);
  EXPECT_EQ(rec.ops[4].colour, 15);
  EXPECT_NEAR(rec.ops[4].x, セルX(13), 1e-9);

  rec.ops.clear();
  g.描画_所有時間(game.局.手番値_COM, 0);
  ASSERT_EQ(rec.ops.size(), 6u);  // and board square (1, 9) outlined again
  EXPECT_DOUBLE_EQ(rec.ops[0].x, セルX(-2));
  EXPECT_NEAR(rec.ops[3].x, セルX(-1.5), 1e-9);
  EXPECT_NEAR(rec.ops[4].x, セルX(-1.6), 1e-9);
  EXPECT_EQ(rec.ops[5].kind, RecordingSurface::Kind::Box);

  rec.ops.clear();
  shown = false;
  g.描画_所有時間(game.局.手番値_MAN, 10);
  g.描画_所有時間(0, 10);
  EXPECT_TRUE(rec.ops.empty());
  g.消去_所有時間(0);
  EXPECT_TRUE(rec.ops.empty());
}

}  // namespace
}  // namespace qz
