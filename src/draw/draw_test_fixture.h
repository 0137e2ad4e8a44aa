#pragma once
// A test fixture with the draw context reset and a headless display open.

#include <gtest/gtest.h>

#include "draw/draw_context.h"
#include "draw/headless_display.h"

namespace zentrix::draw {

class DrawTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(display_.Open(64, 64), kOk); }

  ScopedDrawContextReset reset_;
  HeadlessDisplay display_;
};

}  // namespace zentrix::draw
