// Test runner: the window system runs offscreen, so no display is needed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/app.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  vb::Application app(argc, argv);
  return RUN_ALL_TESTS();
}
