// The scene: pen drag per mode, time, the near plane, and pictures of the
// three surface kinds as wireframe, solid and lit renders.

#include "graphing/render3d/scene/scene_painter.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "draw/bitmap_font.h"
#include "draw/draw_test_fixture.h"
#include "draw/test_font_image.h"
#include "graphing/model/eval_context.h"
#include "graphing/model/surfaces.h"
#include "graphing/render3d/raster/trig_table.h"
#include "graphing/render3d/sampling/compute_mesh.h"
#include "graphing/render3d/testing/reference_image.h"

namespace zentrix::graphing::render3d {
namespace {

class ScenePainterTest : public draw::DrawTest {
 protected:
  void SetUp() override {
    draw::DrawTest::SetUp();
    ASSERT_EQ(surface_.Create(draw::surface_flags::kClear, 120, 120), draw::kOk);
  }

  draw::DrawResult Paint(std::vector<Graph3D*> graphs) {
    return painter_.Paint(surface_, draw::Rect{0, 0, 120, 120}, view_, graphs, window_);
  }

  int CountNot(draw::Color background) {
    int n = 0;
    for (int y = 0; y < surface_.Height(); ++y) {
      for (int x = 0; x < surface_.Width(); ++x) {
        draw::Color c = 0;
        surface_.GetPixel(x, y, &c);
        n += c != background;
      }
    }
    return n;
  }

  ScopedEvalContext context_;
  draw::Surface surface_;
  ScenePainter painter_;
  View3D view_;
  Window3D window_;
};

TEST_F(ScenePainterTest, PenDragPerMode) {
  view_.PenDown(10, 20, window_);
  view_.PenMove(100, 20, window_);  // 90 pixels to the right
  EXPECT_EQ(view_.rotation[0], 45.0f);
  EXPECT_EQ(view_.rotation[1], 120.0f);
  EXPECT_EQ(view_.rotation[2], 0.0f);
  view_.PenUp();

  view_.mode = StylusMode::kMove;
  view_.PenDown(0, 0, window_);
  view_.PenMove(20, 40, window_);
  EXPECT_FLOAT_EQ(view_.translation[0], 1.0f);
  EXPECT_FLOAT_EQ(view_.translation[1], -2.0f);
  view_.mode = StylusMode::kDepthMove;
  view_.PenDown(0, 0, window_);
  view_.PenMove(0, 100, window_);
  EXPECT_FLOAT_EQ(view_.translation[2], -30.0f);

  view_.mode = StylusMode::kWindowZoom;
  view_.viewport_height = 100;
  view_.PenDown(0, 0, window_);
  EXPECT_TRUE(view_.PenMove(0, 50, window_));  // half the height: each side by a quarter
  EXPECT_DOUBLE_EQ(window_.xmin(), -15.0);
  EXPECT_DOUBLE_EQ(window_.ymax(), 15.0);
  EXPECT_DOUBLE_EQ(window_.zmax(), 10.0);
}

TEST_F(ScenePainterTest, NinetyPixelDragTurnsTheSceneAQuarterAboutY) {
  // From the front, a drag of 90 pixels turns the +X end of the X axis away
  // from the viewer: the picture becomes the one seen from the side.
  view_.rotation = {0.0f, 0.0f, 0.0f};
  view_.PenDown(0, 0, window_);
  view_.PenMove(90, 0, window_);
  ViewTransform turned;
  turned.SetRotation(WholeDegrees(view_.rotation[0]), WholeDegrees(view_.rotation[1]), 0);
  const std::int32_t plus_x[3] = {kFixedOne, 0, 0};
  const ViewPoint p = turned.Apply(plus_x);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
  EXPECT_EQ(p.z, -kFixedOne);
}

TEST_F(ScenePainterTest, CameraAtHalfAUnitDropsEveryPrimitive) {
  FunctionSurface flat;
  ASSERT_TRUE(flat.SetExpression(u"0"));
  ScenePainter::RecomputeAll(std::vector<Graph3D*>{&flat}, window_, 0.0);
  view_.rotation = {90.0f, 0.0f, 0.0f};  // looking down onto the surface
  view_.translation = {0.0f, 0.0f, -0.5f};
  ASSERT_EQ(Paint({&flat}), draw::kOk);
  EXPECT_EQ(painter_.Stats().triangles_drawn, 0);
  EXPECT_EQ(painter_.Stats().lines_drawn, 0);
  EXPECT_EQ(painter_.Stats().triangles_dropped, 800);
  EXPECT_EQ(CountNot(0), 0);

  view_.translation = {0.0f, 0.0f, -25.0f};
  ASSERT_EQ(Paint({&flat}), draw::kOk);
  EXPECT_EQ(painter_.Stats().triangles_drawn, 800);
  EXPECT_GT(CountNot(0), 1000);
}

TEST_F(ScenePainterTest, PlayingAdvancesTimeAndRecomputesTimeGraphs) {
  FunctionSurface moving, still;
  ASSERT_TRUE(moving.SetExpression(u"sin(x+T)"));
  ASSERT_TRUE(still.SetExpression(u"sin(x)"));
  ScenePainter::RecomputeAll(std::vector<Graph3D*>{&moving, &still}, window_, 0.0);
  const std::vector<std::int32_t> before = moving.mesh.vertices;
  const std::vector<std::int32_t> still_before = still.mesh.vertices;
  view_.time.playing = true;
  view_.time.step = 1.0;
  ASSERT_EQ(Paint({&moving, &still}), draw::kOk);
  EXPECT_DOUBLE_EQ(view_.time.t, 1.0);
  EXPECT_NE(moving.mesh.vertices, before);
  EXPECT_EQ(still.mesh.vertices, still_before);
}

std::vector<draw::Color> Pixels(const draw::Surface& surface) {
  std::vector<draw::Color> pixels;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      draw::Color c = 0;
      surface.GetPixel(x, y, &c);
      pixels.push_back(c);
    }
  }
  return pixels;
}

// A scene that did not change is copied from the picture kept of it; every
// change that shows must still draw it again, as a new painter would.
TEST_F(ScenePainterTest, AStillSceneIsKeptUntilSomethingThatShowsChanges) {
  FunctionSurface g;
  ASSERT_TRUE(g.SetExpression(u"sin(x)"));
  ScenePainter::RecomputeAll(std::vector<Graph3D*>{&g}, window_, 0.0);
  const draw::Rect viewport{10, 10, 110, 110};
  ASSERT_EQ(painter_.Paint(surface_, viewport, view_, std::vector<Graph3D*>{&g}, window_),
            draw::kOk);
  std::vector<draw::Color> last = Pixels(surface_);
  ASSERT_GT(CountNot(0), 1000);
  // Outside the viewport the filled colour stays; inside, the kept scene.
  surface_.FillRect(nullptr, 0x123456);
  draw::Color filled = 0;
  surface_.GetPixel(0, 0, &filled);
  ASSERT_EQ(painter_.Paint(surface_, viewport, view_, std::vector<Graph3D*>{&g}, window_),
            draw::kOk);
  draw::Color corner = 0, inside = 0;
  surface_.GetPixel(0, 0, &corner);
  surface_.GetPixel(10, 10, &inside);
  EXPECT_EQ(corner, filled);
  EXPECT_EQ(inside, last[10 * 120 + 10]);
  surface_.FillRect(nullptr, 0);
  ASSERT_EQ(painter_.Paint(surface_, viewport, view_, std::vector<Graph3D*>{&g}, window_),
            draw::kOk);
  EXPECT_EQ(Pixels(surface_), last);

  const std::vector<std::function<void()>> changes = {
      [&] { view_.rotation[1] += 10.0f; },
      [&] { view_.lighting = false; },
      [&] { view_.axes.colours[0] = 0xFF00FF; },
      [&] { g.show_faces = false; },
      [&] {
        ASSERT_TRUE(g.SetExpression(u"cos(y)"));
        ScenePainter::RecomputeAll(std::vector<Graph3D*>{&g}, window_, 0.0);
      },
      [&] {
        window_.SetValues(-5, 5, -5, 5, -2, 2);
        ScenePainter::RecomputeAll(std::vector<Graph3D*>{&g}, window_, 0.0);
      },
      [&] { g.visible = false; },
  };
  for (std::size_t i = 0; i < changes.size(); ++i) {
    changes[i]();
    surface_.FillRect(nullptr, 0);
    ASSERT_EQ(painter_.Paint(surface_, viewport, view_, std::vector<Graph3D*>{&g}, window_),
              draw::kOk);
    draw::Surface fresh_surface;
    ASSERT_EQ(fresh_surface.Create(draw::surface_flags::kClear, 120, 120), draw::kOk);
    ScenePainter fresh;
    ASSERT_EQ(fresh.Paint(fresh_surface, viewport, view_, std::vector<Graph3D*>{&g}, window_),
              draw::kOk);
    const std::vector<draw::Color> now = Pixels(surface_);
    EXPECT_EQ(now, Pixels(fresh_surface)) << "change " << i;
    EXPECT_NE(now, last) << "change " << i;
    last = now;
  }
}

TEST_F(ScenePainterTest, HugeAnglesAndTranslationsDrawWithinTheViewport) {
  FunctionSurface g;
  ASSERT_TRUE(g.SetExpression(u"x^3"));
  ScenePainter::RecomputeAll(std::vector<Graph3D*>{&g}, window_, 0.0);
  ASSERT_EQ(surface_.Create(draw::surface_flags::kClear, 120, 120), draw::kOk);
  for (float angle : {1e9f, -1e9f, 3.4e38f}) {
    for (float z : {-25.0f, -1.01f, 1e9f, -1e30f}) {
      surface_.FillRect(nullptr, 0x00F800);
      view_.rotation = {angle, -angle, angle};
      view_.translation = {z, -z, z};
      ASSERT_EQ(painter_.Paint(surface_, draw::Rect{30, 30, 90, 90}, view_,
                               std::vector<Graph3D*>{&g}, window_),
                draw::kOk);
      for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 120; ++x) {
          if (draw::Rect{30, 30, 90, 90}.Contains(x, y)) continue;
          draw::Color c = 0;
          surface_.GetPixel(x, y, &c);
          ASSERT_EQ(c, 0x00F800u) << x << "," << y;
        }
      }
    }
  }
}

TEST_F(ScenePainterTest, WindowZoomShowsTheBoundsBarInTheAxisColours) {
  draw::Surface image;
  ASSERT_EQ(draw::testing::MakeTestFontImage(&image, draw::kDefaultFontCharacters, 4, 3, 6),
            draw::kOk);
  draw::BitmapFont font;
  ASSERT_EQ(font.Create(std::move(image)), draw::kOk);
  view_.mode = StylusMode::kWindowZoom;
  view_.axes.shown = false;
  ASSERT_EQ(painter_.Paint(surface_, draw::Rect{0, 0, 120, 120}, view_, {}, window_, &font),
            draw::kOk);
  // Three rows of two bounds, each row in its axis colour (white glyphs take
  // the colour) on the grey bar.
  auto count = [&](int row, draw::Color colour) {
    int n = 0;
    for (int y = 1 + row * 8; y < 1 + row * 8 + 6; ++y) {
      for (int x = 0; x < 120; ++x) {
        draw::Color c = 0;
        surface_.GetPixel(x, y, &c);
        n += c == colour;
      }
    }
    return n;
  };
  EXPECT_GT(count(0, 0x00FC00), 50);  // X in green
  EXPECT_GT(count(1, 0x0000F8), 50);  // Y in red
  EXPECT_GT(count(2, 0xF80000), 50);  // Z in blue
  draw::Color corner = 0;
  surface_.GetPixel(0, 0, &corner);
  EXPECT_EQ(corner, draw::PixelToColor565(draw::ColorToPixel565(0xC8C8C8)));
}

// Pictures: each kind as wireframe, solid and lit, side by side, in the
// Small (240-pixel) and Large (480-pixel) viewports.
class SceneImageTest : public draw::DrawTest,
                       public ::testing::WithParamInterface<std::tuple<int, int>> {};

std::unique_ptr<Graph3D> MakeGraph(int kind) {
  if (kind == 0) {
    auto g = std::make_unique<FunctionSurface>();
    g->SetExpression(u"sin(x)+cos(y)");
    return g;
  }
  if (kind == 1) {
    auto g = std::make_unique<SphericalSurface>();
    g->SetExpression(u"8");
    return g;
  }
  auto g = std::make_unique<CylindricalSurface>();
  g->SetExpression(u"6");
  g->v_range.minimum = -6.0;
  g->v_range.maximum = 6.0;
  return g;
}

TEST_P(SceneImageTest, WireframeSolidAndLit) {
  const auto [kind, side] = GetParam();
  ScopedEvalContext context;
  draw::Surface surface;
  ASSERT_EQ(surface.Create(draw::surface_flags::kClear, 3 * side, side), draw::kOk);
  std::unique_ptr<Graph3D> graph = MakeGraph(kind);
  graph->scheme_colours = {0xFF0000, 0x0000FF, 0xFFFFFF, 0xFFFFFF};  // the first graph's colours
  Window3D window;
  ScenePainter painter;
  for (int mode = 0; mode < 3; ++mode) {
    View3D view;
    graph->show_faces = mode > 0;
    graph->show_lines = mode < 2;
    view.lighting = mode == 2;
    view.shade = mode == 2 ? ShadeModel::kSmooth : ShadeModel::kFlat;
    graph->lighting = view.lighting;
    ComputeMesh(*graph, window, 0.0);
    Graph3D* graphs[] = {graph.get()};
    ASSERT_EQ(painter.Paint(surface, draw::Rect::FromSize(mode * side, 0, side, side), view, graphs,
                            window),
              draw::kOk);
  }
  static const char* kNames[] = {"function", "sphere", "cylinder"};
  testing::ExpectMatchesReference(surface,
                                  std::string(kNames[kind]) + (side == 240 ? "_small" : "_large"));
}

INSTANTIATE_TEST_SUITE_P(Kinds, SceneImageTest,
                         ::testing::Combine(::testing::Values(0, 1, 2),
                                            ::testing::Values(240, 480)));

}  // namespace
}  // namespace zentrix::graphing::render3d
