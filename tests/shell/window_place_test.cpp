// The window's kept place: its settings text, and the place brought onto the
// screens there are now.
#include "shell/window_place.h"

#include <gtest/gtest.h>

namespace qz {
namespace {

TEST(WindowPlace, TextReadsBackWhatItWritesAndNothingElse) {
  for (const QRect& r : {QRect(10, -5, 900, 800), QRect(-1900, 0, 100, 100)})
    EXPECT_EQ(placeFromText(placeText(r)), r) << placeText(r);
  for (const char* bad : {"", "1,2,300", "1,2,300,400,", "1,2,300,400,5", " 1,2,300,400",
                          "+1,2,300,400", "1,,300,400", "1.5,2,300,400", "1,2,99,400",
                          "1,2,300,-400", "1,2,300,1000001", "99999999999999999999,0,300,400",
                          "１,2,300,400"})
    EXPECT_EQ(placeFromText(bad), std::nullopt) << bad;
}

// The frame adds 10 pixels across and 30 down.
TEST(WindowPlace, BroughtOntoTheScreenItOverlapsMost) {
  const QSize frame(10, 30);
  const QRect wide(0, 0, 1920, 1160), small(1920, 200, 1280, 800);
  struct Case {
    QRect place;
    QList<QRect> screens;
    QRect expected;
  } cases[] = {
      {{1010, 330, 900, 800}, {wide}, {1010, 330, 900, 800}},   // on it already
      {{1500, 700, 900, 800}, {wide}, {1010, 330, 900, 800}},   // sticking out
      {{-300, -40, 900, 800}, {wide}, {0, 0, 900, 800}},
      {{0, 0, 1500, 1302}, {wide}, {0, 0, 1500, 1130}},         // 250%: too tall
      {{50, 50, 3000, 2000}, {wide}, {0, 0, 1910, 1130}},
      {{1800, 600, 600, 533}, {wide, small}, {1920, 437, 600, 533}},  // mostly the second
      {{1500, 100, 600, 533}, {wide, small}, {1310, 100, 600, 533}},  // mostly the first
      {{2500, 300, 600, 533}, {wide}, {1310, 300, 600, 533}},   // the second unplugged
      {{-5000, 5000, 600, 533}, {small, wide}, {1920, 437, 600, 533}},  // none: the first
      {{-5000, 5000, 600, 533}, {}, {-5000, 5000, 600, 533}},
      {{5, 5, 600, 533}, {{0, 0, 8, 20}}, {0, 0, 1, 1}},        // no room at all
  };
  for (const Case& c : cases)
    EXPECT_EQ(placeOnScreens(c.place, frame, c.screens), c.expected) << placeText(c.place);
  EXPECT_TRUE(fitsIn(QSize(1910, 1130), frame, wide));
  EXPECT_FALSE(fitsIn(QSize(1910, 1131), frame, wide));
  EXPECT_FALSE(fitsIn(QSize(1911, 1130), frame, wide));
}

}  // namespace
}  // namespace qz
