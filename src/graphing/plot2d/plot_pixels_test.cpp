// Pixel tests of the 2D view against reference images, in a Small and a Large skin: every
// drawing style, every statistical kind, and the analysis overlays with their bars.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "draw/image_io.h"
#include "graphing/model/eval_context.h"
#include "graphing/model/function_graph.h"
#include "graphing/model/parametric_graph.h"
#include "graphing/plot2d/plot_view.h"
#include "graphing/stats/stat_plot_data.h"
#include "ui/skin/skin.h"

namespace zentrix::graphing {
namespace {

// Compares with testdata/NAME.png beside this file, or rewrites it with
// ZENTRIX_UPDATE_REFERENCES=1; a mismatch writes NAME_actual.png and NAME_diff.png into the
// build folder.
::testing::AssertionResult MatchesReference(const draw::Surface& surface, const std::string& name) {
  const std::string reference =
      std::string(ZENTRIX_SOURCE_DIR) + "/src/graphing/plot2d/testdata/" + name + ".png";
  const char* update = std::getenv("ZENTRIX_UPDATE_REFERENCES");
  if (update && std::string(update) == "1") {
    if (draw::Failed(draw::SaveImage(surface, reference, draw::image_format::kPng))) {
      return ::testing::AssertionFailure() << "cannot write " << reference;
    }
    return ::testing::AssertionSuccess();
  }
  draw::Surface expected;
  if (draw::Failed(draw::LoadImageFile(expected, 0, reference))) {
    return ::testing::AssertionFailure() << "no reference " << reference;
  }
  draw::Surface diff;
  diff.Create(draw::surface_flags::kClear, surface.Width(), surface.Height());
  int different =
      expected.Width() == surface.Width() && expected.Height() == surface.Height() ? 0 : 1;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      draw::Color a = 0, b = 0;
      surface.GetPixel(x, y, &a);
      if (x < expected.Width() && y < expected.Height()) expected.GetPixel(x, y, &b);
      if (a != b) {
        ++different;
        diff.SetPixel(x, y, 0x0000FF);
      }
    }
  }
  if (different == 0) return ::testing::AssertionSuccess();
  const std::string base = std::string(ZENTRIX_BINARY_DIR) + "/" + name;
  draw::SaveImage(surface, base + "_actual.png", draw::image_format::kPng);
  draw::SaveImage(diff, base + "_diff.png", draw::image_format::kPng);
  return ::testing::AssertionFailure()
         << name << ": " << different << " pixels differ; see " << base << "_actual.png";
}

struct SkinCase {
  ui::SkinSize size;
  const char* name;
};

// One plot of the screen: its own window, graphs and view.
struct Panel {
  GraphSet2D graphs;
  Window2D window;
  PlotView2D view{graphs, window};

  Graph2D& Add(Graph2DKind kind, std::u16string_view text = {}) {
    graphs.Create(kind);
    Graph2D& graph = graphs[graphs.size() - 1];
    if (!text.empty()) graph.SetExpression(text);
    return graph;
  }
};

class PlotPixelsTest : public ::testing::TestWithParam<SkinCase> {
 protected:
  void SetUp() override {
    scale_ = ui::ScaleOf(GetParam().size);
    ASSERT_EQ(display_.Open(240 * scale_, 320 * scale_), draw::kOk);
    ASSERT_EQ(skin_.Load(std::string(ZENTRIX_BINARY_DIR) + "/skins", GetParam().size,
                         ui::SkinStyle::kClassic),
              draw::kOk)
        << "build the zentrix_skins target first";
    screen().FillRect(nullptr, 0x303030);
  }
  draw::Surface& screen() { return display_.BackBuffer(); }
  std::string Name(const char* scene) const { return std::string(scene) + "_" + GetParam().name; }

  // Places a panel at (x, y, w, h) in Small-skin pixels with the given window.
  Panel& Place(int x, int y, int w, int h, double xmin, double xmax, double ymin, double ymax) {
    panels_.push_back(std::make_unique<Panel>());
    Panel& p = *panels_.back();
    p.view.display.double_resolution = scale_ == 2;
    p.window.SetPlotArea(x * scale_, y * scale_, w * scale_, h * scale_);
    p.window.SetValues(xmin, xmax, ymin, ymax);
    return p;
  }
  void DrawAll() {
    for (auto& p : panels_) {
      p->view.Recompute();
      p->view.Draw(screen(), &skin_.NormalText());
    }
  }

  ScopedEvalContext context_;
  draw::ScopedDrawContextReset draw_reset_;
  draw::HeadlessDisplay display_;
  ui::Skin skin_;
  int scale_ = 1;
  std::vector<std::unique_ptr<Panel>> panels_;
};

TEST_P(PlotPixelsTest, EveryStyle) {
  const GraphStyle styles[] = {GraphStyle::kDotted, GraphStyle::kLine, GraphStyle::kBottomShade,
                               GraphStyle::kTopShade, GraphStyle::kOriginShade};
  for (int i = 0; i < 5; ++i) {
    Panel& p = Place(2 + (i % 2) * 119, 2 + (i / 2) * 106, 117, 104, -5, 5, -3, 3);
    p.view.display.numbers = i == 0;
    Graph2D& wave = p.Add(Graph2DKind::kFunction, u"2sin(x)");
    wave.style = styles[i];
    // Parametric curves join their points with sloped lines.
    auto& ring = static_cast<ParametricGraph&>(p.Add(Graph2DKind::kParametric));
    ring.SetExpressions(u"cos(u)", u"sin(u)");
    ring.style = styles[i];
  }
  Panel& jumps = Place(121, 214, 117, 104, -5, 5, -3, 3);
  jumps.view.display.hide_jumps = true;
  jumps.view.display.grid = false;
  jumps.Add(Graph2DKind::kFunction, u"tan(x)");
  // A list of two functions: two runs, neither joined to the other.
  auto& halves = static_cast<FunctionGraph&>(jumps.Add(Graph2DKind::kFunction));
  halves.AllocateList(2);
  halves.SetListExpression(0, u"sqrt(4-x^2)");
  halves.SetListExpression(1, u"-sqrt(4-x^2)");
  DrawAll();
  EXPECT_TRUE(MatchesReference(screen(), Name("styles")));
}

TEST_P(PlotPixelsTest, EveryStatisticalKind) {
  Panel& scatter = Place(2, 2, 117, 155, 0, 11, 0, 25);
  auto& points = static_cast<ScatterPlot&>(scatter.Add(Graph2DKind::kScatter));
  points.SetData({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  points.SetFrequencies({3, 4.5, 8, 8.5, 11, 14, 13.5, 17, 19, 21});
  points.colour = 0xFFFFFF;
  points.regression_model = static_cast<int>(RegressionModel::kLinear);
  points.show_regression = true;
  points.connect = true;

  Panel& histogram = Place(121, 2, 117, 155, 0, 6, 0, 4);
  auto& bars = static_cast<HistogramPlot&>(histogram.Add(Graph2DKind::kHistogram));
  bars.SetData({3, 1, 3, 2, 4, 4, 4});

  Panel& boxes = Place(2, 161, 117, 155, -2, 22, -10, 10);
  static_cast<StatPlot&>(boxes.Add(Graph2DKind::kBox)).SetData({1, 2, 3, 4, 5, 6, 7, 8, 9, 20});
  auto& modified = static_cast<BoxPlot&>(boxes.Add(Graph2DKind::kBox));
  modified.SetData({1, 2, 3, 4, 5, 6, 7, 8, 9, 20});
  modified.modified = true;

  Panel& normal = Place(121, 161, 117, 155, -3, 3, -2, 2);
  auto& probability =
      static_cast<NormalProbabilityPlot&>(normal.Add(Graph2DKind::kNormalProbability));
  probability.SetData({-1.9, -1, -0.6, -0.2, 0, 0.3, 0.5, 1.1, 1.4, 2.5});
  probability.connect = true;
  DrawAll();
  EXPECT_EQ(points.equation_text, u"1.97879x+1.06667");
  EXPECT_TRUE(MatchesReference(screen(), Name("stats")));
}

TEST_P(PlotPixelsTest, AnalysisTraceAndSelection) {
  Panel& top = Place(0, 0, 240, 158, 0, 1, 0, 1);
  top.window.Trig();
  top.view.display.maxima = top.view.display.minima = top.view.display.zeros = true;
  top.view.display.maxima_colour = 0x00FFFF;
  top.view.display.minima_colour = 0xFFFF00;
  top.view.display.zeros_colour = 0x0000FF;
  top.Add(Graph2DKind::kFunction, u"sin(x)");
  top.view.Recompute();
  top.view.Draw(screen(), &skin_.NormalText());
  const PlotPoint maximum = top.view.features().items()[3].point;  // the one near π/2
  top.view.PenDown(maximum.column, maximum.row);
  ASSERT_TRUE(top.view.selection().visible);
  top.view.Draw(screen(), &skin_.NormalText());

  Panel& bottom = Place(0, 162, 240, 158, -3, 3, -3, 3);
  bottom.view.mode = StylusMode::kTracing;
  bottom.view.display.intersections = true;
  bottom.Add(Graph2DKind::kFunction, u"x^2-2");
  bottom.Add(Graph2DKind::kFunction, u"x");
  auto& ring = static_cast<ParametricGraph&>(bottom.Add(Graph2DKind::kParametric));
  ring.SetExpressions(u"2cos(u)", u"sin(u)");
  bottom.view.Recompute();
  bottom.view.TraceNextGraph(1);
  bottom.view.TraceNextGraph(1);
  bottom.view.PenDown(60 * scale_, 200 * scale_);
  bottom.view.Draw(screen(), &skin_.NormalText());
  EXPECT_EQ(bottom.view.features().Count(FeatureKind::kIntersection), 2);
  // The crosshair's arm beside the traced point (0, 1) of the ellipse, in the tracer colour.
  const TraceState& trace = bottom.view.trace();
  ASSERT_TRUE(trace.visible);
  draw::Color arm = 0;
  screen().GetPixel(trace.pixel.column + 4, trace.pixel.row, &arm);
  EXPECT_EQ(arm, 0xF8FCF8u);
  EXPECT_TRUE(MatchesReference(screen(), Name("analysis")));
}

INSTANTIATE_TEST_SUITE_P(Skins, PlotPixelsTest,
                         ::testing::Values(SkinCase{ui::SkinSize::kSmall, "small"},
                                           SkinCase{ui::SkinSize::kLarge, "large"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrix::graphing
