// The window's kept place: its settings text, and the place brought onto the
// screens there are now.
#include "shell/window_place.h"

#include <gtest/gtest.h>

namespace qz {
namespace {

TEST(WindowPlaceText, ReadsBackWhatItWritesAndNothingElse) {
  for (const QRect& r : {QRect(0, 0, 600, 533), QRect(-1900, -20, 1500, 1302),
                         QRect(2560, 1440, 100, 100)}) {
    EXPECT_EQ(placeFromText(placeText(r)), r) << placeText(r);
  }
  EXPECT_EQ(placeText(QRect(10, -5, 900, 800)), "10,-5,900,800");
  for (const char* bad :
       {"", ",", "1,2,300", "1,2,300,400,", "1,2,300,400,5", " 1,2,300,400", "1,2,300,400 ",
        "+1,2,300,400", "1,,300,400", "a,2,300,400", "1.5,2,300,400", "1,2,99,400", "1,2,300,-400",
        "1,2,300,1000001", "99999999999999999999,0,300,400", "1;2;300;400", "１,2,300,400"}) {
    EXPECT_EQ(placeFromText(bad), std::nullopt) << bad;
  }
}

// The frame adds 10 pixels across and 30 down; a window already on a screen
// stays where it is, one off it is moved back, shrunk only when too large.
TEST(WindowPlaceOnScreens, OneScreen) {
  const QSize frame(10, 30);
  const QList<QRect> screen{QRect(0, 0, 1920, 1160)};
  EXPECT_EQ(placeOnScreens(QRect(100, 50, 900, 800), frame, screen), QRect(100, 50, 900, 800));
  EXPECT_EQ(placeOnScreens(QRect(1010, 330, 900, 800), frame, screen), QRect(1010, 330, 900, 800));
  EXPECT_EQ(placeOnScreens(QRect(1500, 700, 900, 800), frame, screen), QRect(1010, 330, 900, 800));
  EXPECT_EQ(placeOnScreens(QRect(-300, -40, 900, 800), frame, screen), QRect(0, 0, 900, 800));
  // Far away: back onto the screen.
  EXPECT_EQ(placeOnScreens(QRect(90000, 90000, 600, 533), frame, screen),
            QRect(1310, 597, 600, 533));
  // 250% on a screen 1200 pixels tall (1160 available) loses height only.
  EXPECT_EQ(placeOnScreens(QRect(0, 0, 1500, 1302), frame, screen), QRect(0, 0, 1500, 1130));
  EXPECT_EQ(placeOnScreens(QRect(50, 50, 3000, 2000), frame, screen), QRect(0, 0, 1910, 1130));
}

// Two screens side by side, the second smaller and lower: the window goes to
// the one it overlaps most, or the first when it overlaps neither.
TEST(WindowPlaceOnScreens, TwoScreens) {
  const QSize frame(0, 0);
  const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 200, 1280, 800)};
  EXPECT_EQ(placeOnScreens(QRect(2000, 300, 600, 533), frame, screens), QRect(2000, 300, 600, 533));
  // Mostly on the second, sticking out below it: lifted onto the second.
  EXPECT_EQ(placeOnScreens(QRect(1800, 600, 600, 533), frame, screens),
            QRect(1920, 467, 600, 533));
  // Mostly on the first, partly on the second: pulled wholly onto the first.
  EXPECT_EQ(placeOnScreens(QRect(1500, 100, 600, 533), frame, screens), QRect(1320, 100, 600, 533));
  // Too tall for the second, which it was left on: shrunk to it.
  EXPECT_EQ(placeOnScreens(QRect(1920, 200, 1280, 1100), frame, screens),
            QRect(1920, 200, 1280, 800));
  // The second screen unplugged since: onto the first.
  EXPECT_EQ(placeOnScreens(QRect(2500, 300, 600, 533), frame, {screens.first()}),
            QRect(1320, 300, 600, 533));
  EXPECT_EQ(placeOnScreens(QRect(-5000, 5000, 600, 533), frame, screens),
            QRect(0, 547, 600, 533));
}

TEST(WindowPlaceOnScreens, NoScreensLeaveThePlaceAndNoRoomLeavesAPixel) {
  EXPECT_EQ(placeOnScreens(QRect(-5000, 5000, 600, 533), QSize(10, 30), {}),
            QRect(-5000, 5000, 600, 533));
  const QRect r = placeOnScreens(QRect(5, 5, 600, 533), QSize(10, 30), {QRect(0, 0, 8, 20)});
  EXPECT_EQ(r, QRect(0, 0, 1, 1));
}

TEST(WindowPlaceOnScreens, FitsCountsTheFrame) {
  const QRect area(0, 0, 1920, 1160);
  EXPECT_TRUE(fitsIn(QSize(1200, 1045), QSize(10, 30), area));
  EXPECT_TRUE(fitsIn(QSize(1910, 1130), QSize(10, 30), area));
  EXPECT_FALSE(fitsIn(QSize(1910, 1131), QSize(10, 30), area));
  EXPECT_FALSE(fitsIn(QSize(1911, 1130), QSize(10, 30), area));
  EXPECT_FALSE(fitsIn(QSize(1500, 1302), QSize(0, 0), area));
}

}  // namespace
}  // namespace qz
