// 2D plot speed at 480×640: a full repaint of 16 Function graphs (sampling, drawing, and
// finding all four feature kinds), its parts on their own, and a 1,000-point scatter plot
// with its regression (the repaint, and the fits of each model).

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "draw/bitmap_font.h"
#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "draw/test_font_image.h"
#include "engine/commands/install_engine.h"
#include "graphing/model/eval_context.h"
#include "graphing/plot2d/plot_view.h"
#include "graphing/stats/regression.h"
#include "graphing/stats/stat_plot_data.h"
#include "ui/text/text_renderer.h"

// The program installs the engine once, before any benchmark runs.
const bool kEngineInstalled = (zentrix::engine::InstallEngine(), true);

namespace zentrix::graphing {
namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 640;

const char16_t* const kFunctions[16] = {
    u"sin(x)",       u"cos(2x)-1", u"x^2/10-3",     u"x^3/50-x",
    u"tan(x/2)",     u"1/(x-1)",   u"sqrt(abs(x))", u"\u00DC^(x/5)-3",
    u"ln(abs(x)+1)", u"abs(x)-5",  u"floor(x)/2",   u"2sin(x)cos(x/3)",
    u"x*sin(x)/3",   u"5/(1+x^2)", u"-x/2+1",       u"cosh(x/4)-4"};

struct Scene {
  draw::HeadlessDisplay display;
  draw::BitmapFont font;
  ui::TextRenderer text;
  GraphSet2D graphs;
  Window2D window;
  PlotView2D view{graphs, window};

  Scene() {
    display.Open(kWidth, kHeight);
    draw::Surface image;
    draw::testing::MakeTestFontImage(&image, draw::kDefaultFontCharacters, 8, 6, 11);
    font.Create(std::move(image));
    text.SetFont(&font, 0xFFFFFF);
    window.SetPlotArea(0, 0, kWidth, kHeight);
    window.SetValues(-10, 10, -13.3, 13.3);
    view.display.double_resolution = true;
    view.display.zeros = view.display.maxima = view.display.minima = true;
    view.display.intersections = true;
  }
  draw::Surface& screen() { return display.BackBuffer(); }
};

std::unique_ptr<Scene> SixteenFunctions() {
  auto scene = std::make_unique<Scene>();
  for (const char16_t* f : kFunctions) {
    scene->graphs.Create(Graph2DKind::kFunction);
    scene->graphs[scene->graphs.size() - 1].SetExpression(f);
  }
  scene->view.Recompute();
  return scene;
}

// Sampling, drawing and feature finding of all 16 graphs, as after a change of the window.
void BM_Repaint16Functions(benchmark::State& state) {
  ScopedEvalContext context;
  auto scene = SixteenFunctions();
  for (auto _ : state) {
    scene->view.Recompute();
    scene->view.Draw(scene->screen(), &scene->text);
  }
  state.counters["intersections"] = scene->view.features().Count(FeatureKind::kIntersection);
}
BENCHMARK(BM_Repaint16Functions)->Unit(benchmark::kMicrosecond);

void BM_Sample16Functions(benchmark::State& state) {
  ScopedEvalContext context;
  auto scene = SixteenFunctions();
  for (auto _ : state) {
    for (std::size_t i = 0; i < scene->graphs.size(); ++i) {
      scene->graphs[i].ComputePoints(scene->view.viewport(), 0);
    }
  }
}
BENCHMARK(BM_Sample16Functions)->Unit(benchmark::kMicrosecond);

// The repaint of the same graphs when nothing needs sampling (a frame of a still view).
void BM_Draw16Functions(benchmark::State& state) {
  ScopedEvalContext context;
  auto scene = SixteenFunctions();
  for (auto _ : state) scene->view.Draw(scene->screen(), &scene->text);
}
BENCHMARK(BM_Draw16Functions)->Unit(benchmark::kMicrosecond);

void BM_Features16Functions(benchmark::State& state) {
  ScopedEvalContext context;
  auto scene = SixteenFunctions();
  for (auto _ : state) scene->view.FindFeatures();
}
BENCHMARK(BM_Features16Functions)->Unit(benchmark::kMicrosecond);

void BM_Repaint16FunctionsHideJumps(benchmark::State& state) {
  ScopedEvalContext context;
  auto scene = SixteenFunctions();
  scene->view.display.hide_jumps = true;
  for (auto _ : state) {
    scene->view.Recompute();
    scene->view.Draw(scene->screen(), &scene->text);
  }
}
BENCHMARK(BM_Repaint16FunctionsHideJumps)->Unit(benchmark::kMicrosecond);

// 1,000 noisy points along a line and a wave.
void ScatterData(std::vector<double>& xs, std::vector<double>& ys) {
  unsigned state = 99;
  for (int i = 0; i < 1000; ++i) {
    state = state * 1103515245u + 12345u;
    const double x = i * 0.02 - 10;
    xs.push_back(x);
    ys.push_back(0.4 * x + 3 * std::sin(1.3 * x) + ((state >> 8) % 1000) / 500.0 - 1);
  }
}

void BM_RepaintScatter1000WithRegression(benchmark::State& state) {
  ScopedEvalContext context;
  Scene scene;
  scene.graphs.Create(Graph2DKind::kScatter);
  auto& plot = static_cast<ScatterPlot&>(scene.graphs[0]);
  std::vector<double> xs, ys;
  ScatterData(xs, ys);
  plot.SetData(xs);
  plot.SetFrequencies(ys);
  plot.regression_model = static_cast<int>(RegressionModel::kLinear);
  plot.show_regression = true;
  for (auto _ : state) {
    plot.data_changed = true;  // refit every time
    scene.view.Recompute();
    scene.view.Draw(scene.screen(), &scene.text);
  }
}
BENCHMARK(BM_RepaintScatter1000WithRegression)->Unit(benchmark::kMicrosecond);

void BM_Fit1000(benchmark::State& state) {
  std::vector<double> xs, ys;
  ScatterData(xs, ys);
  const RegressionModel model = RegressionModelFromIndex(static_cast<int>(state.range(0)));
  if (model == RegressionModel::kLogistic) {
    for (std::size_t i = 0; i < xs.size(); ++i) ys[i] = 8 / (1 + 3 * std::exp(-0.6 * xs[i]));
  }
  for (double& x : xs) x += 11;  // positive for the logarithmic models
  for (double& y : ys) y = std::fabs(y) + 0.1;
  for (auto _ : state) benchmark::DoNotOptimize(FitRegression(model, xs, ys, 5));
  std::string label;  // the e model's name is the program's e character
  for (char16_t c : RegressionModelName(model)) label += c < 128 ? static_cast<char>(c) : 'e';
  state.SetLabel(label);
}
BENCHMARK(BM_Fit1000)->DenseRange(0, 10)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentrix::graphing
