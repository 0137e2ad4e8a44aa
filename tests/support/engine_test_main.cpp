// The main of every test program whose library uses the engine: the engine is
// installed once at start-up, as the programs do, before any test runs.

#include <gtest/gtest.h>

#include "engine/commands/install_engine.h"

int main(int argc, char** argv) {
  zentrix::engine::InstallEngine();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
