// Scan conversion on a plain buffer: exact coverage of shared edges, and no
// write outside the clip rectangle for any vertex position.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "graphing/render3d/raster/raster_target.h"

namespace zentrix::graphing::render3d {
namespace {

constexpr int kSize = 64;
constexpr draw::Pixel kInk = 0xFFFF;

// A kSize² buffer with a one-pixel frame of sentinels around the clip area.
struct Canvas {
  std::vector<draw::Pixel> pixels = std::vector<draw::Pixel>(kSize * kSize, 0);
  std::vector<DepthValue> depth = std::vector<DepthValue>(kSize * kSize, 0);
  RasterTarget target;

  explicit Canvas(draw::Rect clip = {1, 1, kSize - 1, kSize - 1}) {
    target.base = pixels.data();
    target.x_step = 1;
    target.y_step = kSize;
    target.depth = depth.data();
    target.depth_stride = kSize;
    target.clip = clip;
  }
  void Reset() {
    std::fill(pixels.begin(), pixels.end(), 0);
    std::fill(depth.begin(), depth.end(), 0);
  }
  int Count() const { return static_cast<int>(std::count(pixels.begin(), pixels.end(), kInk)); }
};

RasterVertex At(std::int64_t x, std::int64_t y, DepthValue depth = 100) {
  return {x, y, depth, 255, 255, 255};
}

// Draws each triangle alone and adds up how often each pixel was covered.
std::vector<int> Coverage(const std::vector<std::array<RasterVertex, 3>>& triangles) {
  Canvas canvas;
  std::vector<int> count(kSize * kSize, 0);
  for (const auto& t : triangles) {
    canvas.Reset();
    FillTriangle(canvas.target, t[0], t[1], t[2], false, kInk);
    for (int i = 0; i < kSize * kSize; ++i) count[i] += canvas.pixels[i] == kInk;
  }
  return count;
}

TEST(FillTriangleTest, TwoTrianglesOfASquareCoverEachPixelExactlyOnce) {
  // Corners on pixel boundaries (16 subpixels per pixel): pixels 8..39 inside.
  const RasterVertex a = At(8 * 16, 8 * 16), b = At(40 * 16, 8 * 16), c = At(8 * 16, 40 * 16),
                     d = At(40 * 16, 40 * 16);
  for (bool other_diagonal : {false, true}) {
    const auto count =
        other_diagonal ? Coverage({{a, b, d}, {a, d, c}}) : Coverage({{a, b, c}, {d, c, b}});
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        const bool inside = x >= 8 && x < 40 && y >= 8 && y < 40;
        ASSERT_EQ(count[y * kSize + x], inside ? 1 : 0) << x << "," << y;
      }
    }
  }
}

TEST(FillTriangleTest, JitteredMeshLeavesNoGapAndNoDoubleDraw) {
  // A fan of triangles around interior points with random subpixel positions:
  // every pixel centre inside the outer square is covered exactly once.
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> jitter(-40, 40);
  constexpr int kCells = 6, kStep = 8 * 16, kOrigin = 6 * 16;
  RasterVertex grid[kCells + 1][kCells + 1];
  for (int j = 0; j <= kCells; ++j) {
    for (int i = 0; i <= kCells; ++i) {
      const bool border = i == 0 || j == 0 || i == kCells || j == kCells;
      grid[j][i] = At(kOrigin + i * kStep + (border ? 0 : jitter(rng)),
                      kOrigin + j * kStep + (border ? 0 : jitter(rng)));
    }
  }
  std::vector<std::array<RasterVertex, 3>> triangles;
  for (int j = 0; j < kCells; ++j) {
    for (int i = 0; i < kCells; ++i) {
      const RasterVertex &p = grid[j][i], &p1 = grid[j][i + 1], &q = grid[j + 1][i],
                         &q1 = grid[j + 1][i + 1];
      triangles.push_back({p, p1, q});
      triangles.push_back({q1, q, p1});  // reversed winding must not matter
    }
  }
  const auto count = Coverage(triangles);
  const int low = kOrigin / 16, high = (kOrigin + kCells * kStep) / 16;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const bool inside = x >= low && x < high && y >= low && y < high;
      ASSERT_EQ(count[y * kSize + x], inside ? 1 : 0) << x << "," << y;
    }
  }
}

TEST(FillTriangleTest, NearerDepthWinsWhateverTheOrder) {
  Canvas canvas;
  const draw::Pixel near = 0x001F, far = 0xF800;
  FillTriangle(canvas.target, At(0, 0, 500), At(900, 0, 500), At(0, 900, 500), false, near);
  FillTriangle(canvas.target, At(0, 0, 100), At(900, 0, 100), At(0, 900, 100), false, far);
  EXPECT_EQ(canvas.pixels[10 * kSize + 10], near);
}

TEST(FillTriangleTest, NothingIsWrittenOutsideTheClipForAnyVertexPosition) {
  const std::int64_t big = std::int64_t{1} << 36;
  const std::int64_t extremes[] = {-big, -5000, -17, 0, 8 * 16, 63 * 16, 5000, big};
  const draw::Rect clip{5, 7, 50, 40};
  Canvas canvas(clip);
  int filled_whole_clip = 0;
  for (std::int64_t ax : extremes) {
    for (std::int64_t by : extremes) {
      for (std::int64_t cx : extremes) {
        canvas.Reset();
        FillTriangle(canvas.target, At(ax, -big), At(big, by), At(cx, big), true, kInk);
        for (int y = 0; y < kSize; ++y) {
          for (int x = 0; x < kSize; ++x) {
            if (!clip.Contains(x, y)) {
              ASSERT_EQ(canvas.pixels[y * kSize + x], 0) << x << "," << y;
            }
          }
        }
        filled_whole_clip += canvas.Count() == clip.Width() * clip.Height();
      }
    }
  }
  EXPECT_GT(filled_whole_clip, 0);  // huge triangles do reach every clip edge
}

TEST(DrawLineTest, LinesThroughEveryEdgeStopAtTheClip) {
  const draw::Rect clip{5, 7, 50, 40};
  Canvas canvas(clip);
  const std::int64_t big = std::int64_t{1} << 36;
  const RasterVertex centre = At(27 * 16, 23 * 16);
  for (const RasterVertex& far : {At(-big, 23 * 16), At(big, 23 * 16), At(27 * 16, -big),
                                  At(27 * 16, big), At(-big, -big), At(big, big / 3)}) {
    canvas.Reset();
    DrawLine(canvas.target, centre, far, 3, false, kInk);
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        if (!clip.Contains(x, y)) {
          ASSERT_EQ(canvas.pixels[y * kSize + x], 0) << x << "," << y;
        }
      }
    }
    EXPECT_GT(canvas.Count(), 20);
  }
}

TEST(DrawLineTest, PointSquaresAreClippedAndSized) {
  Canvas canvas;
  DrawPointSquare(canvas.target, At(20 * 16 + 8, 20 * 16 + 8), 3, kInk);
  EXPECT_EQ(canvas.Count(), 9);
  canvas.Reset();
  DrawPointSquare(canvas.target, At(0, 0), 8, kInk);  // -3..4, mostly outside the clip
  EXPECT_EQ(canvas.Count(), 16);                      // pixels 1..4 on both axes
}

}  // namespace
}  // namespace zentrix::graphing::render3d
