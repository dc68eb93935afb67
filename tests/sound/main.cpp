#include <gtest/gtest.h>

#include <cstdlib>

// No sound card and no display: SDL plays into its dummy driver, Qt renders
// offscreen.
int main(int argc, char** argv) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
