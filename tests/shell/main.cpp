// The window's tests run offscreen: no display and no sound device are needed.
// The one screen is 1920 × 1200, on which the window at 250% is too tall.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen:configfile=" QZ_TEST_SOURCE_DIR "/screen.json", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // The window's language follows the locale; the tests expect today's Japanese.
  setenv("LC_ALL", "C.UTF-8", 1);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
