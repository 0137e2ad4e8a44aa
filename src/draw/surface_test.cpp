#include "draw/surface.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "draw/draw_test_fixture.h"

namespace zentrix::draw {
namespace {

using SurfaceTest = DrawTest;

constexpr Color kRed = 0x0000FF;
constexpr Color kWhite = 0xFFFFFF;

std::set<std::pair<int, int>> PixelsOf(const Surface& s, Color c) {
  std::set<std::pair<int, int>> out;
  const Pixel p = Surface::ToPixel(c);
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      if (s.Row(y)[x] == p) out.insert({x, y});
    }
  }
  return out;
}

TEST(ColorTest, ConvertsBothFormats) {
  EXPECT_EQ(ColorToPixel565(0xFFFFFF), 0xFFFF);
  EXPECT_EQ(PixelToColor565(0xFFFF), MakeColor(248, 252, 248));
  EXPECT_EQ(ColorToPixel565(0x0000FF), 0xF800);  // red in the low byte
  EXPECT_EQ(ColorToPixel565(0x00FF00), 0x07E0);
  EXPECT_EQ(ColorToPixel565(0xFF0000), 0x001F);
  EXPECT_EQ(ColorToPixel555(0xFFFFFF), 0x7FFF);
  EXPECT_EQ(PixelToColor555(0x7FFF), MakeColor(248, 248, 248));
  EXPECT_EQ(PixelToColor565(ColorToPixel565(0x123456)), 0x103450u);
}

TEST_F(SurfaceTest, CreateRoundsBufferToEvenSizes) {
  Surface s;
  ASSERT_EQ(s.Create(0, 5, 3), kOk);
  EXPECT_EQ(s.Width(), 5);
  EXPECT_EQ(s.Height(), 3);
  EXPECT_EQ(s.BufferBytes(), 6u * 4u * 2u);
  EXPECT_EQ(s.RowPixels(), 6);
  LockInfo info;
  ASSERT_EQ(s.Lock(&info), kOk);
  EXPECT_EQ(info.x_step_bytes, 2);
  EXPECT_EQ(info.y_step_bytes, 12);
  EXPECT_EQ(info.format_code, 4);
  EXPECT_EQ(s.Unlock(), kOk);
  ASSERT_EQ(s.Create(0, 0, 0), kOk);
  EXPECT_FALSE(s.HasPixels());
}

TEST_F(SurfaceTest, CreateValidatesFlagsAndSizes) {
  Surface s;
  EXPECT_EQ(s.Create(0x010, 4, 4), kInvalidArgument);
  EXPECT_EQ(s.Create(0x300, 4, 4), kInvalidArgument);
  EXPECT_EQ(s.Create(0xC00, 4, 4), kInvalidArgument);
  EXPECT_EQ(s.Create(0x100, -1, 4), kInvalidArgument);
  EXPECT_EQ(s.Create(0x100, 0, 4), kInvalidArgument);
  EXPECT_EQ(s.Create(0x100, kMaxSurfaceSide + 1, 4), kInvalidArgument);
  EXPECT_EQ(s.Create(0xA01, 4, 4), kOk);
  EXPECT_EQ(s.Create(0x400, 4, 4), kOk);
}

TEST_F(SurfaceTest, RecreateKeepsOrClearsPixels) {
  Surface s;
  ASSERT_EQ(s.Create(0, 4, 6), kOk);
  ASSERT_EQ(s.FillRect(nullptr, kRed), kOk);
  ASSERT_EQ(s.Create(0, 4, 6), kOk);  // same size: pixels kept
  Color c = 0;
  ASSERT_EQ(s.GetPixel(1, 1, &c), kOk);
  EXPECT_EQ(c, PixelToColor565(ColorToPixel565(kRed)));
  ASSERT_EQ(s.Create(0, 6, 4), kOk);  // swapped: pixels kept, size swapped
  EXPECT_EQ(s.Width(), 6);
  EXPECT_EQ(s.ClipRect(), (Rect{0, 0, 6, 4}));
  ASSERT_EQ(s.GetPixel(5, 3, &c), kOk);
  EXPECT_NE(c, 0u);
  ASSERT_EQ(s.Create(surface_flags::kClear, 6, 4), kOk);
  ASSERT_EQ(s.GetPixel(5, 3, &c), kOk);
  EXPECT_EQ(c, 0u);
}

TEST_F(SurfaceTest, ChecksComeInOrder) {
  Surface s;
  Color c;
  EXPECT_EQ(s.SetPixel(0, 0, kRed), kNoPixels);
  EXPECT_EQ(s.Unlock(), kNoPixels);
  ASSERT_EQ(s.Create(0, 8, 8), kOk);
  EXPECT_EQ(s.Unlock(), kNotLocked);
  LockInfo info;
  ASSERT_EQ(s.Lock(&info), kOk);
  EXPECT_EQ(s.SetPixel(0, 0, kRed), kLocked);
  EXPECT_EQ(s.FillRect(nullptr, kRed), kLocked);
  EXPECT_EQ(s.Lock(&info), kLocked);
  display_.Close();
  EXPECT_EQ(s.SetPixel(0, 0, kRed), kLocked);  // the lock is checked before the display
  EXPECT_EQ(s.Unlock(), kOk);
  EXPECT_EQ(s.SetPixel(0, 0, kRed), kDisplayNotReady);
  ASSERT_EQ(display_.Open(64, 64), kOk);
  EXPECT_EQ(s.GetPixel(0, 0, &c), kOk);
  Context().orientation = 2;  // the display turned: old surfaces refuse work
  EXPECT_EQ(s.GetPixel(0, 0, &c), kDisplayNotReady);
  ASSERT_EQ(s.Create(0, 8, 8), kOk);
  EXPECT_EQ(s.GetPixel(0, 0, &c), kOk);
}

TEST_F(SurfaceTest, DisplayMemoryRefusesPixelAccess) {
  Surface s;
  ASSERT_EQ(s.Create(surface_flags::kDisplayMemory, 4, 4), kOk);
  EXPECT_EQ(s.SetPixel(0, 0, kRed), kDisplayMemoryPixels);
  EXPECT_EQ(s.FillRect(nullptr, kRed), kOk);
}

TEST_F(SurfaceTest, PixelsOutsideClipAreIgnoredOutsideSurfaceRefused) {
  Surface s;
  ASSERT_EQ(s.Create(surface_flags::kClear, 10, 10), kOk);
  const Rect clip{2, 2, 5, 5};
  ASSERT_EQ(s.SetClipRect(&clip), kOk);
  EXPECT_EQ(s.SetPixel(5, 3, kRed), kOk);  // just outside the clip
  EXPECT_TRUE(PixelsOf(s, kRed).empty());
  EXPECT_EQ(s.SetPixel(4, 4, kRed), kOk);
  EXPECT_EQ(PixelsOf(s, kRed), (std::set<std::pair<int, int>>{{4, 4}}));
  EXPECT_EQ(s.SetPixel(10, 0, kRed), kOutsideSurface);
  EXPECT_EQ(s.SetPixel(-1, 0, kRed), kOutsideSurface);
  Surface unchecked;
  ASSERT_EQ(unchecked.Create(surface_flags::kNoRangeCheck, 4, 4), kOk);
  EXPECT_EQ(unchecked.SetPixel(100, 100, kRed), kOk);  // still never written
}

TEST_F(SurfaceTest, ClipRectanglesIntersectWithBounds) {
  Surface s;
  ASSERT_EQ(s.Create(0, 10, 8), kOk);
  const Rect wide{-5, -5, 50, 4};
  ASSERT_EQ(s.SetClipRect(&wide), kOk);
  EXPECT_EQ(s.ClipRect(), (Rect{0, 0, 10, 4}));
  ASSERT_EQ(s.SetClipRect(nullptr), kOk);
  EXPECT_EQ(s.ClipRect(), s.Bounds());
  const Rect raw{-5, -5, 50, 4};
  ASSERT_EQ(s.SetClipRectRaw(raw), kOk);
  EXPECT_EQ(s.ClipRect(), raw);
  ASSERT_EQ(s.FillRect(nullptr, kRed), kOk);  // drawing stays inside the surface
  EXPECT_EQ(PixelsOf(s, kRed).size(), 40u);
  // A clip area wholly outside the surface draws nothing at all.
  const Rect away{20, 20, 30, 30};
  ASSERT_EQ(s.SetClipRect(&away), kOk);
  ASSERT_EQ(s.FillRect(nullptr, kWhite), kOk);
  EXPECT_TRUE(PixelsOf(s, kWhite).empty());
}

// The pixels of a line by the plain midpoint rule, for comparison.
std::set<std::pair<int, int>> ReferenceLine(int x1, int y1, int x2, int y2) {
  if (y1 > y2) std::swap(x1, x2), std::swap(y1, y2);
  std::set<std::pair<int, int>> out;
  const int dx = std::abs(x2 - x1), dy = y2 - y1, sx = x2 < x1 ? -1 : 1;
  const int n = std::max(dx, dy);
  for (int t = 0; t <= n; ++t) {
    if (dx >= dy) {
      out.insert({x1 + sx * t, y1 + (dx ? (2 * t * dy + dx) / (2 * dx) : 0)});
    } else {
      out.insert({x1 + sx * ((2 * t * dx + dy) / (2 * dy)), y1 + t});
    }
  }
  return out;
}

TEST_F(SurfaceTest, LinesArePixelExactInEveryDirection) {
  Surface s;
  ASSERT_EQ(s.Create(surface_flags::kClear, 40, 40), kOk);
  ASSERT_EQ(s.DrawLine(10, 20, 10, 5, kRed), kOk);
  auto vertical = PixelsOf(s, kRed);
  EXPECT_EQ(vertical.size(), 16u);
  s.FillRect(nullptr, 0);
  ASSERT_EQ(s.DrawLine(10, 5, 10, 20, kRed), kOk);
  EXPECT_EQ(PixelsOf(s, kRed), vertical);

  const int cases[][4] = {{0, 0, 7, 3},  {7, 3, 0, 0},   {3, 1, 30, 12},  {30, 2, 1, 33},
                          {5, 5, 9, 39}, {39, 0, 0, 39}, {2, 10, 25, 10}, {20, 3, 4, 4}};
  for (const auto& c : cases) {
    s.FillRect(nullptr, 0);
    ASSERT_EQ(s.DrawLine(c[0], c[1], c[2], c[3], kRed), kOk);
    EXPECT_EQ(PixelsOf(s, kRed), ReferenceLine(c[0], c[1], c[2], c[3]))
        << c[0] << "," << c[1] << " -> " << c[2] << "," << c[3];
    auto forward = PixelsOf(s, kRed);
    s.FillRect(nullptr, 0);
    s.DrawLine(c[2], c[3], c[0], c[1], kRed);
    EXPECT_EQ(PixelsOf(s, kRed), forward);
  }
}

TEST_F(SurfaceTest, ClippedLinesDrawTheUnclippedPixelsInsideTheClip) {
  Surface s;
  ASSERT_EQ(s.Create(surface_flags::kClear, 40, 40), kOk);
  const Rect clip{5, 7, 23, 31};
  const int cases[][4] = {{-10, -3, 50, 44}, {0, 39, 39, 0}, {-100, 12, 100, 19},
                          {14, -50, 17, 90}, {6, 8, 6, 8},   {-5, 50, 60, -20}};
  for (const auto& c : cases) {
    s.SetClipRect(nullptr);
    s.FillRect(nullptr, 0);
    ASSERT_EQ(s.SetClipRect(&clip), kOk);
    ASSERT_EQ(s.DrawLine(c[0], c[1], c[2], c[3], kRed), kOk);
    std::set<std::pair<int, int>> expected;
    for (auto p : ReferenceLine(c[0], c[1], c[2], c[3])) {
      if (clip.Contains(p.first, p.second)) expected.insert(p);
    }
    EXPECT_EQ(PixelsOf(s, kRed), expected) << c[0] << "," << c[1] << " -> " << c[2] << "," << c[3];
  }
  // Far-away endpoints neither overflow nor loop for long.
  s.FillRect(nullptr, 0);
  ASSERT_EQ(s.DrawLine(-2000000000, -1999999995, 2000000000, 2000000005, kRed), kOk);
  EXPECT_FALSE(PixelsOf(s, kRed).empty());
  ASSERT_EQ(s.DrawLine(100, 100, 200, 300, kRed), kOk);  // wholly outside: success
}

TEST_F(SurfaceTest, DottedLinesAndOpacity) {
  Surface s;
  ASSERT_EQ(s.Create(surface_flags::kClear, 16, 4), kOk);
  ASSERT_EQ(s.DrawLine(0, 0, 6, 0, kRed, line_flags::kDotted), kOk);
  EXPECT_EQ(PixelsOf(s, kRed), (std::set<std::pair<int, int>>{{0, 0}, {2, 0}, {4, 0}, {6, 0}}));
  BlitEffect half;
  half.opacity = 128;
  ASSERT_EQ(s.DrawLine(0, 1, 3, 1, 0xF8F8F8, line_flags::kOpacity, &half), kOk);
  EXPECT_EQ(s.Row(1)[0], ColorToPixel565(0x787C78));  // (31/2, 63/2, 31/2) truncated
  EXPECT_EQ(s.DrawLine(0, 1, 3, 1, kRed, line_flags::kOpacity, nullptr), kInvalidArgument);
  EXPECT_EQ(s.DrawLine(0, 1, 3, 1, kRed, 0x10), kInvalidArgument);
}

TEST_F(SurfaceTest, FillsWholeClippedAndBlended) {
  Surface s;
  ASSERT_EQ(s.Create(0, 7, 5), kOk);
  ASSERT_EQ(s.FillRect(nullptr, kRed), kOk);
  EXPECT_EQ(PixelsOf(s, kRed).size(), 35u);
  for (int y = 0; y < 6; ++y) {  // the word fill covers the even-rounded buffer
    for (int x = 0; x < 8; ++x) EXPECT_EQ(s.Row(0)[y * 8 + x], 0xF800);
  }
  const Rect area{-3, 2, 3, 9};
  ASSERT_EQ(s.FillRect(&area, kWhite), kOk);
  EXPECT_EQ(PixelsOf(s, kWhite).size(), 9u);
  EXPECT_EQ(s.Row(4)[2], 0xFFFF);
  EXPECT_EQ(s.Row(4)[3], 0xF800);
  BlitEffect e;
  e.opacity = 0;
  ASSERT_EQ(s.FillRect(nullptr, 0, fill_flags::kOpacity, &e), kOk);
  EXPECT_EQ(s.Row(0)[0], 0xF800);
  e.opacity = 128;
  ASSERT_EQ(s.FillRect(nullptr, 0, fill_flags::kOpacity, &e), kOk);
  EXPECT_EQ(s.Row(0)[0], 16 << 11);  // 31 + (0 - 31) * 16 / 32 = 16
  e.opacity = 256;
  EXPECT_EQ(s.FillRect(nullptr, 0, fill_flags::kOpacity, &e), kInvalidArgument);
}

class BlitTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    ASSERT_EQ(src_.Create(surface_flags::kClear, 4, 4), kOk);
    ASSERT_EQ(dst_.Create(surface_flags::kClear, 8, 8), kOk);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) src_.Row(y)[x] = static_cast<Pixel>(0x1000 + y * 4 + x);
    }
  }
  Surface src_, dst_;
};

TEST_F(BlitTest, CopiesAndClipsBothSides) {
  ASSERT_EQ(dst_.Blit(2, 3, src_), kOk);
  EXPECT_EQ(dst_.Row(3)[2], 0x1000);
  EXPECT_EQ(dst_.Row(6)[5], 0x100F);
  EXPECT_EQ(dst_.Row(2)[2], 0);
  dst_.FillRect(nullptr, 0);
  const Rect part{-2, 1, 3, 9};  // clipped to the source first: (0,1)-(3,4)
  ASSERT_EQ(dst_.Blit(-1, 6, src_, &part), kOk);
  // Source (0,1) lands at (-1 + 2, 6) = (1, 6); rows past the bottom are cut.
  EXPECT_EQ(dst_.Row(6)[1], 0x1004);
  EXPECT_EQ(dst_.Row(7)[3], 0x100A);
  EXPECT_EQ(dst_.Row(6)[0], 0);
  // A full copy between surfaces of the same geometry.
  Surface twin;
  ASSERT_EQ(twin.Create(0, 4, 4), kOk);
  ASSERT_EQ(twin.Blit(0, 0, src_), kOk);
  for (int y = 0; y < 4; ++y) EXPECT_EQ(twin.Row(y)[3], src_.Row(y)[3]);
}

TEST_F(BlitTest, OverlappingBlitWithinOneSurface) {
  ASSERT_EQ(src_.Blit(1, 1, src_), kOk);
  EXPECT_EQ(src_.Row(1)[1], 0x1000);
  EXPECT_EQ(src_.Row(3)[3], 0x100A);
  EXPECT_EQ(src_.Row(0)[0], 0x1000);
}

TEST_F(BlitTest, ColorKeySkipsKeyPixels) {
  src_.SetColorKey(PixelToColor565(0x1005));
  dst_.FillRect(nullptr, kWhite);
  ASSERT_EQ(dst_.Blit(0, 0, src_, nullptr, blit_flags::kColorKey), kOk);
  EXPECT_EQ(dst_.Row(1)[1], 0xFFFF);
  EXPECT_EQ(dst_.Row(1)[2], 0x1006);
}

TEST_F(BlitTest, OpacityStrengthAndTintsArePixelExact) {
  Surface white;
  ASSERT_EQ(white.Create(0, 2, 2), kOk);
  white.FillRect(nullptr, kWhite);
  BlitEffect e;
  e.effect_color = 0x3366CC;
  ASSERT_EQ(dst_.Blit(0, 0, white, nullptr, blit_flags::kMultiply, &e), kOk);
  EXPECT_EQ(dst_.Row(0)[0], ColorToPixel565(0x3366CC));  // white takes the colour

  Surface black;
  ASSERT_EQ(black.Create(surface_flags::kClear, 2, 2), kOk);
  ASSERT_EQ(dst_.Blit(2, 0, black, nullptr, blit_flags::kScreen, &e), kOk);
  EXPECT_EQ(dst_.Row(0)[2], ColorToPixel565(0x3366CC));  // black takes the colour

  dst_.FillRect(nullptr, 0);
  e.opacity = 128;
  ASSERT_EQ(dst_.Blit(0, 0, white, nullptr, blit_flags::kOpacity, &e), kOk);
  EXPECT_EQ(dst_.Row(0)[0], (15 << 11) | (31 << 5) | 15);  // halfway, truncated
  e.opacity = 255;
  ASSERT_EQ(dst_.Blit(0, 0, white, nullptr, blit_flags::kOpacity, &e), kOk);
  EXPECT_EQ(dst_.Row(0)[0], 0xFFFF);

  // Strength 128 averages the tint with the untinted source.
  e.effect_color = 0;
  e.strength = 128;
  ASSERT_EQ(dst_.Blit(4, 0, white, nullptr, blit_flags::kMultiply | blit_flags::kStrength, &e),
            kOk);
  EXPECT_EQ(dst_.Row(0)[4], (16 << 11) | (32 << 5) | 16);  // 31 + (0-31)/2 = 16; 63 -> 32
  // Multiply wins over screen.
  e.effect_color = 0x0000FF;
  ASSERT_EQ(dst_.Blit(6, 0, white, nullptr, blit_flags::kMultiply | blit_flags::kScreen, &e), kOk);
  EXPECT_EQ(dst_.Row(0)[6], 0xF800);
}

TEST_F(BlitTest, FillBlitsAndMaskedFills) {
  BlitEffect e;
  e.fill_color = kRed;
  ASSERT_EQ(dst_.Blit(1, 1, src_, nullptr, blit_flags::kFill, &e), kOk);
  EXPECT_EQ(PixelsOf(dst_, kRed).size(), 16u);
  dst_.FillRect(nullptr, 0);
  src_.SetColorKey(PixelToColor565(0x1000));
  ASSERT_EQ(dst_.Blit(0, 0, src_, nullptr, blit_flags::kFill | blit_flags::kColorKey, &e), kOk);
  EXPECT_EQ(PixelsOf(dst_, kRed).size(), 15u);  // the key pixel is a hole in the mask
  EXPECT_EQ(dst_.Row(0)[0], 0);
}

TEST_F(BlitTest, InvalidFlagsAndEffects) {
  BlitEffect e;
  EXPECT_EQ(dst_.Blit(0, 0, src_, nullptr, blit_flags::kStrength, &e), kInvalidArgument);
  EXPECT_EQ(dst_.Blit(0, 0, src_, nullptr, blit_flags::kOpacity, nullptr), kInvalidArgument);
  EXPECT_EQ(dst_.Blit(0, 0, src_, nullptr, 0x40, &e), kInvalidArgument);
  e.opacity = 300;
  EXPECT_EQ(dst_.Blit(0, 0, src_, nullptr, blit_flags::kOpacity, &e), kInvalidArgument);
  Surface empty;
  EXPECT_EQ(dst_.Blit(0, 0, empty), kNoPixels);
}

TEST(HeadlessDisplayTest, OpensOnceAndClosesTheContext) {
  ScopedDrawContextReset reset;
  HeadlessDisplay a, b;
  ASSERT_EQ(a.Open(480, 640, PixelFormat::kRgb555), kOk);
  EXPECT_EQ(b.Open(240, 320), kDisplayAlreadyOpen);
  EXPECT_EQ(a.BackBuffer().Width(), 480);
  LockInfo info;
  ASSERT_EQ(a.BackBuffer().Lock(&info), kOk);
  EXPECT_EQ(info.format_code, 2);
  a.BackBuffer().Unlock();
  EXPECT_EQ(Surface::ToPixel(0xFFFFFF), 0x7FFF);
  EXPECT_EQ(a.Flip(), kOk);
  ASSERT_EQ(a.Close(), kOk);
  EXPECT_FALSE(Context().display_open);
  EXPECT_EQ(b.Open(240, 320, PixelFormat::kRgb565, 3), kInvalidArgument);
  EXPECT_EQ(b.Open(240, 320), kOk);
}

}  // namespace
}  // namespace zentrix::draw
