#include "draw/current_surface.h"

#include <gtest/gtest.h>

#include <cmath>

#include "draw/draw_test_fixture.h"

namespace zentrix::draw {
namespace {

using CurrentSurfaceTest = DrawTest;

int Count(const Surface& s, Color c) {
  int n = 0;
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) n += s.Row(y)[x] == Surface::ToPixel(c);
  }
  return n;
}

TEST_F(CurrentSurfaceTest, NothingSelectedIsNoPixels) {
  ASSERT_EQ(current::Select(nullptr), kOk);
  EXPECT_EQ(current::Line(0, 0, 1, 1, 0xFF), kNoPixels);
  EXPECT_EQ(current::Width(), 0);
}

TEST_F(CurrentSurfaceTest, SelectResetsClipAndLinesGoThroughIt) {
  Surface s;
  ASSERT_EQ(s.Create(surface_flags::kClear, 20, 10), kOk);
  const Rect small{0, 0, 2, 2};
  s.SetClipRect(&small);
  ASSERT_EQ(current::Select(&s), kOk);
  EXPECT_EQ(s.ClipRect(), s.Bounds());
  EXPECT_TRUE(current::IsLandscape());
  ASSERT_EQ(current::FullHLine(3, 0xFFFFFF), kOk);
  EXPECT_EQ(Count(s, 0xFFFFFF), 20);
  ASSERT_EQ(current::SetClip(5, 0, 3, 10), kOk);
  ASSERT_EQ(current::VLine(6, 9, 0, 0x0000FF), kOk);
  ASSERT_EQ(current::HLine(0, 5, 19, 0x0000FF), kOk);
  EXPECT_EQ(Count(s, 0x0000FF), 10 + 2);
  ASSERT_EQ(current::ClearClip(), kOk);
  current::Pixels p;
  ASSERT_EQ(current::Lock(&p), kOk);
  EXPECT_EQ(p.x_step, 1);
  EXPECT_EQ(p.y_step, 20);
  EXPECT_EQ(p.pixels[3 * 20], 0xFFFF);
  EXPECT_EQ(current::Line(0, 0, 1, 1, 0), kLocked);
  ASSERT_EQ(current::Unlock(), kOk);
  current::Select(nullptr);
}

TEST_F(CurrentSurfaceTest, RectangleFillAndFrames) {
  Surface s;
  ASSERT_EQ(s.Create(surface_flags::kClear, 12, 12), kOk);
  ASSERT_EQ(current::Select(&s), kOk);
  ASSERT_EQ(current::Rectangle(1, 1, 6, 5, 0x0000FF, 0xFFFFFF, 2), kOk);
  EXPECT_EQ(Count(s, 0xFFFFFF), 18 + 10);  // outer frame 18 pixels, inner 10
  EXPECT_EQ(Count(s, 0x0000FF), 2 * 1);    // the 2×1 middle left uncovered by frames
  ASSERT_EQ(current::Rectangle(8, 8, 3, 3, current::kNoFill, 0x00FF00, 1), kOk);
  EXPECT_EQ(Count(s, 0x00FF00), 8);
  EXPECT_EQ(current::Rectangle(0, 0, 1, 1, 0, 0, 3), kInvalidArgument);
  current::Select(nullptr);
}

TEST_F(CurrentSurfaceTest, CircleIsSymmetricAndSurvivesTheEdges) {
  Surface s;
  ASSERT_EQ(s.Create(surface_flags::kClear, 31, 31), kOk);
  ASSERT_EQ(current::Select(&s), kOk);
  ASSERT_EQ(current::Circle(15, 15, 10, 0xFFFFFF), kOk);
  for (int y = 0; y < 31; ++y) {
    for (int x = 0; x < 31; ++x) {
      const bool on = s.Row(y)[x] == 0xFFFF;
      EXPECT_EQ(on, s.Row(x)[y] == 0xFFFF);
      EXPECT_EQ(on, s.Row(y)[30 - x] == 0xFFFF);
      if (on) {
        EXPECT_NEAR(std::hypot(x - 15, y - 15), 10.0, 0.75);
      }
    }
  }
  EXPECT_TRUE(s.Row(5)[15] == 0xFFFF && s.Row(15)[25] == 0xFFFF);
  EXPECT_EQ(current::Circle(0, 0, 40, 0xFF), kOk);  // mostly outside the surface
  EXPECT_EQ(current::Circle(0, 0, -1, 0xFF), kInvalidArgument);
  current::Select(nullptr);
}

TEST(ClipLineTest, CohenSutherland) {
  const Rect r{0, 0, 10, 10};
  int x1 = -5, y1 = 5, x2 = 15, y2 = 5;
  ASSERT_TRUE(current::ClipLine(&x1, &y1, &x2, &y2, r));
  EXPECT_EQ(x1, 0);
  EXPECT_EQ(x2, 9);
  x1 = -5, y1 = -5, x2 = 14, y2 = 14;
  ASSERT_TRUE(current::ClipLine(&x1, &y1, &x2, &y2, r));
  EXPECT_EQ(x1, 0);
  EXPECT_EQ(y1, 0);
  EXPECT_EQ(x2, 9);
  EXPECT_EQ(y2, 9);
  x1 = 11, y1 = 0, x2 = 20, y2 = 9;
  EXPECT_FALSE(current::ClipLine(&x1, &y1, &x2, &y2, r));
  x1 = -1, y1 = 2, x2 = 2, y2 = -1;  // passes the corner outside
  EXPECT_FALSE(current::ClipLine(&x1, &y1, &x2, &y2, Rect{1, 1, 10, 10}));
  x1 = 2, y1 = 2, x2 = 3, y2 = 3;
  ASSERT_TRUE(current::ClipLine(&x1, &y1, &x2, &y2, r));
  EXPECT_EQ(x2, 3);
  x1 = -2000000000, y1 = 5, x2 = 2000000000, y2 = 6;
  ASSERT_TRUE(current::ClipLine(&x1, &y1, &x2, &y2, r));
  EXPECT_EQ(x1, 0);
}

}  // namespace
}  // namespace zentrix::draw
