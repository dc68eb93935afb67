#include <gtest/gtest.h>

#include <cstdlib>

// No sound card: SDL plays into its dummy driver.
int main(int argc, char** argv) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
