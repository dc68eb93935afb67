// Timer1_Timer: the running clock of the side to move.
#include <gtest/gtest.h>

#include "fakes.h"

namespace qz {
namespace {

using namespace fakes;  // NOLINT: the fakes and the started program

struct Clocked : StartedProgram {
  Clocked() : StartedProgram(Lines{"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=OFF"}) {
    surface.ops.clear();
  }
};

TEST(Tick, ATurnAcrossMidnightCountsOnAndAddsTheTotal) {
  Clocked b;
  b.form.対局値.手番 = b.form.対局値.局.手番値_MAN;
  b.form.対局値.時間_MAN = 100;
  b.form.対局値.開始時刻 = 86400 - 10;
  b.clock.now = 5.25;
  b.form.Timer1_Timer();
  EXPECT_DOUBLE_EQ(b.form.対局値.一手経過秒, 15.25);
  EXPECT_EQ(b.form.表示済秒, 15);
  EXPECT_EQ(textsOf(b.surface.ops), (std::vector<std::string>{"00:01:55", "00:01:55"}));
  EXPECT_EQ(b.surface.ops.back().kind, RecordingSurface::Kind::Refresh);
  EXPECT_NEAR(b.surface.ops[3].x, セルX(13.1), 1e-9);  // MAN's clock

  // Within the same second nothing is drawn, however often the timer fires.
  b.surface.ops.clear();
  b.clock.now = 5.95;
  b.form.Timer1_Timer();
  EXPECT_TRUE(b.surface.ops.empty());

  b.clock.now = 6.0;
  b.form.対局値.手番 = b.form.対局値.局.手番値_COM;
  b.form.対局値.時間_COM = 3600;
  b.form.Timer1_Timer();
  EXPECT_EQ(textsOf(b.surface.ops), (std::vector<std::string>{"01:00:16", "01:00:16"}));
  EXPECT_NEAR(b.surface.ops[3].x, セルX(-1.5), 1e-9);  // COM's clock
}

TEST(Tick, DrawsNothingWithoutAGameOrWithTheClocksOff) {
  Clocked b;
  b.clock.now = 50;
  b.form.Timer1_Timer();  // 手番 = 0
  EXPECT_TRUE(textsOf(b.surface.ops).empty());

  b.form.KEIKA_Click();  // off
  b.surface.ops.clear();
  b.form.対局値.手番 = b.form.対局値.局.手番値_MAN;
  b.clock.now = 80;
  b.form.Timer1_Timer();
  EXPECT_TRUE(textsOf(b.surface.ops).empty());
}

}  // namespace
}  // namespace qz
