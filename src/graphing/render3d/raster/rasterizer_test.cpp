// The rasteriser through its state interface on a real surface, and the
// fixed-point helpers it stands on.

#include "graphing/render3d/raster/rasterizer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "draw/draw_test_fixture.h"
#include "graphing/render3d/raster/trig_table.h"

namespace zentrix::graphing::render3d {
namespace {

constexpr draw::Color kRed = 0x0000FF;
constexpr draw::Color kBlue = 0xFF0000;
constexpr draw::Color kSentinel = 0x00F800;  // survives the 16-bit round trip

TEST(FixedPointTest, IntegerSquareRootIsExactAroundSquares) {
  for (std::uint64_t r : {0ull, 1ull, 2ull, 1023ull, 65536ull, 3037000499ull, 4294967295ull}) {
    EXPECT_EQ(IntegerSqrt(r * r), r);
    if (r > 0) {
      EXPECT_EQ(IntegerSqrt(r * r - 1), r - 1);
    }
  }
  EXPECT_EQ(IntegerSqrt(UINT64_MAX), 4294967295ull);
}

TEST(FixedPointTest, NormalisesToLength1024AndKeepsZero) {
  EXPECT_EQ(NormalizeFixed(0, 0, 0), (FixedVec3{0, 0, 0}));
  EXPECT_EQ(NormalizeFixed(0, 3, 0), (FixedVec3{0, 1024, 0}));
  for (auto v : {FixedVec3{1, 1, 1}, FixedVec3{-7, 300, 2}, FixedVec3{INT32_MAX, INT32_MIN, 5}}) {
    const FixedVec3 n = NormalizeFixed(v.x, v.y, v.z);
    const std::int64_t length2 =
        std::int64_t{n.x} * n.x + std::int64_t{n.y} * n.y + std::int64_t{n.z} * n.z;
    EXPECT_NEAR(static_cast<double>(length2), 1024.0 * 1024.0, 3 * 1024.0);
  }
}

TEST(TrigTableTest, WholeDegreesOfAnyAngle) {
  EXPECT_EQ(SinDegrees(90), kTrigOne);
  EXPECT_EQ(CosDegrees(180), -kTrigOne);
  EXPECT_EQ(SinDegrees(-90), -kTrigOne);
  EXPECT_EQ(SinDegrees(INT64_MIN), SinDegrees(INT64_MIN % 360));
  EXPECT_EQ(CosDegrees(INT64_MAX), CosDegrees(INT64_MAX % 360));
  EXPECT_EQ(WholeDegrees(1e9), 280);  // 1e9 = 2777777 · 360 + 280
  EXPECT_EQ(WholeDegrees(-1e9), 80);
  EXPECT_EQ(WholeDegrees(359.9), 359);
  EXPECT_EQ(WholeDegrees(0.0 / 0.0), 0);
}

class RasterizerTest : public draw::DrawTest {
 protected:
  void SetUp() override {
    draw::DrawTest::SetUp();
    ASSERT_EQ(surface_.Create(draw::surface_flags::kClear, 80, 60), draw::kOk);
    surface_.FillRect(nullptr, kSentinel);
  }

  draw::Color At(int x, int y) {
    draw::Color c = 0;
    surface_.GetPixel(x, y, &c);
    return c;
  }

  // A quad (two triangles) in fixed point, from four corners.
  void DrawQuad(Rasterizer& r, std::vector<std::int32_t> corners, draw::Color color) {
    static const std::uint16_t kIndices[6] = {0, 1, 2, 3, 2, 1};
    r.EnableArray(ClientArray::kVertex, true);
    r.SetVertexArray(corners.data(), 4);
    r.SetColor(color);
    r.DrawTriangles(kIndices, 6);
  }

  draw::Surface surface_;
};

TEST_F(RasterizerTest, CrossingSurfacesOccludeWhereEachIsNearer) {
  // Two planes crossing at x = 0: red is nearer on the left, blue on the right.
  const std::int32_t u = kFixedOne;
  const std::vector<std::int32_t> red = {-4 * u, -4 * u, -8 * u, 4 * u, -4 * u, -12 * u,
                                         -4 * u, 4 * u,  -8 * u, 4 * u, 4 * u,  -12 * u};
  const std::vector<std::int32_t> blue = {-4 * u, -4 * u, -12 * u, 4 * u, -4 * u, -8 * u,
                                          -4 * u, 4 * u,  -12 * u, 4 * u, 4 * u,  -8 * u};
  for (bool red_first : {true, false}) {
    Rasterizer r;
    ASSERT_EQ(r.Begin(surface_), draw::kOk);
    r.SetViewport(0, 0, 80, 60);
    r.Clear(0);
    if (red_first) {
      DrawQuad(r, red, kRed);
      DrawQuad(r, blue, kBlue);
    } else {
      DrawQuad(r, blue, kBlue);
      DrawQuad(r, red, kRed);
    }
    r.End();
    EXPECT_EQ(At(25, 30), kRed & 0xF8F8F8);
    EXPECT_EQ(At(55, 30), kBlue & 0xF8F8F8);
  }
}

TEST_F(RasterizerTest, ViewportClipsAtEveryEdgeAndNeverLeavesTheSurface) {
  // A viewport hanging over each side of the surface in turn, filled by a quad
  // far larger than the view: the surface outside the viewport keeps its
  // sentinel, and the visible part of the viewport is filled.
  const std::int32_t big = 1 << 28;
  const std::vector<std::int32_t> huge = {-big, -big, -4096, big, -big, -4096,
                                          -big, big,  -4096, big, big,  -4096};
  for (draw::Rect view :
       {draw::Rect{-30, 10, 40, 50}, draw::Rect{50, 10, 120, 50}, draw::Rect{10, -20, 70, 30},
        draw::Rect{10, 35, 70, 90}, draw::Rect{20, 15, 60, 45}}) {
    surface_.FillRect(nullptr, kSentinel);
    Rasterizer r;
    ASSERT_EQ(r.Begin(surface_), draw::kOk);
    r.SetViewport(view.left, view.top, view.Width(), view.Height());
    r.Clear(0);
    DrawQuad(r, huge, kRed);
    r.End();
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 80; ++x) {
        ASSERT_EQ(At(x, y), view.Contains(x, y) ? (kRed & 0xF8F8F8) : kSentinel)
            << x << "," << y << " viewport " << view.left << "," << view.top;
      }
    }
  }
}

TEST_F(RasterizerTest, RandomVerticesOfAnySizeNeverWriteOutsideTheViewport) {
  // Vertices anywhere in the 32-bit range, under random turns and moves, drawn
  // as points, wide lines, filled and outlined triangles, flat and smooth.
  std::mt19937 rng(5);
  std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
  std::uniform_int_distribution<std::int32_t> near(-40 * kFixedOne, 40 * kFixedOne);
  std::vector<std::int32_t> vertices(3 * 64), normals(3 * 64);
  std::vector<std::uint8_t> colors(4 * 64);
  std::vector<std::uint16_t> indices(96);
  const draw::Rect view{10, 10, 70, 50};
  for (int round = 0; round < 200; ++round) {
    for (auto& v : vertices) v = round % 2 ? any(rng) : near(rng);
    for (auto& n : normals) n = near(rng);
    for (auto& c : colors) c = static_cast<std::uint8_t>(rng());
    for (auto& i : indices) i = static_cast<std::uint16_t>(rng() % 70);  // a few out of range
    surface_.FillRect(nullptr, kSentinel);
    Rasterizer r;
    ASSERT_EQ(r.Begin(surface_), draw::kOk);
    r.SetViewport(view.left, view.top, view.Width(), view.Height());
    r.Clear(0);
    r.SetRotation(any(rng), any(rng), any(rng));
    r.SetTranslation(any(rng) / 4, any(rng) / 4, near(rng) - 20 * kFixedOne);
    r.EnableArray(ClientArray::kVertex, true);
    r.SetVertexArray(vertices.data(), 64);
    r.EnableArray(ClientArray::kColor, round % 3 != 0);
    r.SetColorArray(colors.data());
    r.EnableArray(ClientArray::kNormal, true);
    r.SetNormalArray(normals.data());
    r.Enable(Capability::kLighting, round % 4 != 0);
    r.SetShadeModel(round % 2 ? ShadeModel::kSmooth : ShadeModel::kFlat);
    r.SetLineWidth(static_cast<float>(round % 5));
    r.SetPointSize(static_cast<float>(round % 7));
    r.DrawPoints(indices.data(), 96);
    r.DrawLines(indices.data(), 96);
    r.Enable(Capability::kFill, round % 5 != 0);
    r.DrawTriangles(indices.data(), 96);
    r.End();
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 80; ++x) {
        if (!view.Contains(x, y)) {
          ASSERT_EQ(At(x, y), kSentinel) << x << "," << y << " round " << round;
        }
      }
    }
  }
}

TEST_F(RasterizerTest, PrimitivesWithinOneUnitOfTheEyeAreDropped) {
  const std::int32_t u = kFixedOne;
  const std::vector<std::int32_t> quad = {-u, -u, 0, u, -u, 0, -u, u, 0, u, u, 0};
  static const std::uint16_t kLines[4] = {0, 1, 2, 3};
  for (std::int32_t camera_z : {-u / 2, -u, -25 * u}) {
    surface_.FillRect(nullptr, kSentinel);
    Rasterizer r;
    ASSERT_EQ(r.Begin(surface_), draw::kOk);
    r.SetViewport(0, 0, 80, 60);
    r.SetTranslation(0, 0, camera_z);
    DrawQuad(r, quad, kRed);
    r.DrawLines(kLines, 4);
    r.End();
    const bool visible = camera_z < -u;
    EXPECT_EQ(r.Stats().triangles_drawn, visible ? 2 : 0);
    EXPECT_EQ(r.Stats().triangles_dropped, visible ? 0 : 2);
    EXPECT_EQ(r.Stats().lines_dropped, visible ? 0 : 2);
    EXPECT_EQ(At(40, 30), visible ? (kRed & 0xF8F8F8) : kSentinel);
  }
}

TEST_F(RasterizerTest, LightingShadesBetweenLevels12And31) {
  // A quad facing the viewer with its normals toward the light, then away.
  const std::int32_t u = kFixedOne;
  std::vector<std::int32_t> quad = {-u, -u, 0, u, -u, 0, -u, u, 0, u, u, 0};
  for (int sign : {1, -1}) {
    std::vector<std::int32_t> normals;
    for (int k = 0; k < 4; ++k) normals.insert(normals.end(), {0, sign * 724, sign * 724});
    Rasterizer r;
    ASSERT_EQ(r.Begin(surface_), draw::kOk);
    r.SetViewport(0, 0, 80, 60);
    r.SetTranslation(0, 0, -4 * u);
    r.EnableArray(ClientArray::kNormal, true);
    r.SetNormalArray(normals.data());
    r.Enable(Capability::kLighting, true);
    DrawQuad(r, quad, 0xF8F8F8);
    r.End();
    // Toward the light: 12 + 31 · 0.707 clamps to 31 (full colour); away: 12/31.
    EXPECT_EQ(At(40, 30), sign > 0 ? 0xF8F8F8u : draw::MakeColor(96, 96, 96));
  }
}

}  // namespace
}  // namespace zentrix::graphing::render3d
