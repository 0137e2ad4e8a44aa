// Sampling a full 2D graph set: 16 Function graphs over a plot 480 columns wide.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "engine/core/charset.h"
#include "graphing/model/eval_context.h"
#include "graphing/model/function_graph.h"
#include "graphing/model/window2d.h"

namespace zentrix::graphing {
namespace {

void BM_Sample16FunctionGraphs(benchmark::State& state) {
  static const char* const kTexts[] = {
      "sin(x)",       "cos(2x)+1",   "x^2/10",     "1/x",
      "sqrt(abs(x))", "tan(x)",      "ln(x^2+1)",  "ℯ^(-x^2)",
      "3x^5-2x^4+x",  "atan(x)*2",   "floor(x)",   "sinh(x/4)",
      "x*sin(1/x)",   "(x+1)/(x-1)", "abs(x-2)-3", "sqrt(x^1.5+x^2.5)"};
  Window2D window;
  window.SetPlotArea(0, 0, 480, 640);
  window.Standard();
  std::vector<std::unique_ptr<FunctionGraph>> graphs;
  for (const char* text : kTexts) {
    auto graph = std::make_unique<FunctionGraph>();
    if (!graph->SetExpression(chars::U16(text))) {
      state.SkipWithError("does not compile");
      return;
    }
    graph->AllocatePoints(window.viewport().width);
    graphs.push_back(std::move(graph));
  }
  std::size_t points = 0;
  for (auto _ : state) {
    points = 0;
    for (auto& graph : graphs) {
      graph->ComputePoints(window.viewport(), 0.0);
      points += graph->point_count();
    }
    benchmark::DoNotOptimize(points);
  }
  state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_Sample16FunctionGraphs)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentrix::graphing
