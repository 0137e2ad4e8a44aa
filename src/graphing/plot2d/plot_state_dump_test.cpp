#include "graphing/plot2d/plot_state_dump.h"

#include <gtest/gtest.h>

#include <cctype>

#include "graphing/model/eval_context.h"
#include "graphing/model/stat_plots.h"
#include "ui/core/ui_state.h"

namespace zentrix::graphing {
namespace {

TEST(PlotStateDumpTest, DescribesGraphsFeaturesTraceAndRegression) {
  ScopedEvalContext context;
  ui::ScopedUiStateReset ui_reset;
  GraphSet2D graphs;
  Window2D window;
  window.SetPlotArea(0, 0, 240, 300);
  window.SetValues(-10, 10, -10, 10);
  PlotView2D view(graphs, window);
  graphs.Create(Graph2DKind::kFunction);
  graphs[0].SetExpression(u"x^2-4");
  graphs.Create(Graph2DKind::kFunction);
  graphs[1].SetExpression(u"x+");  // does not compile
  graphs.Create(Graph2DKind::kScatter);
  auto& scatter = static_cast<ScatterPlot&>(graphs[2]);
  scatter.data_text = u"L1";
  scatter.frequency_text = u"L2";
  scatter.SetData({1, 2, 3});
  scatter.SetFrequencies({2, 4, 6});
  scatter.regression_model = 3;
  view.display.zeros = true;
  view.mode = StylusMode::kTracing;
  view.Recompute();
  view.FindFeatures();
  view.PenDown(120, 10);

  ui::JsonWriter json;
  json.BeginObject();
  WritePlotState(json, view);
  json.EndObject();
  // Compared without the writer's spaces (no text here holds one).
  std::string out;
  for (char c : json.Result()) {
    if (c != ' ') out += c;
  }
  EXPECT_NE(out.find(R"("mode":"tracing")"), std::string::npos) << out;
  EXPECT_NE(out.find(R"("window":{"xmin":-10,"xmax":10,"ymin":-10,"ymax":10})"), std::string::npos)
      << out;
  EXPECT_NE(out.find(R"("kind":"Function","texts":["x^2-4"],"enabled":true)"), std::string::npos)
      << out;
  EXPECT_NE(out.find(R"("points":241,"error":null)"), std::string::npos) << out;
  // The graph that does not compile reports its parser error code.
  const std::size_t broken = out.find(R"("texts":["x+"])");
  ASSERT_NE(broken, std::string::npos) << out;
  const std::size_t error = out.find(R"("error":)", broken) + 8;
  EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(out[error]))) << out;
  EXPECT_NE(out.find(R"("regression":{"model":"Linear","equation":"2x+0","coefficients":[2,0,1])"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(R"("features":{"zeros":2,)"), std::string::npos) << out;
  EXPECT_NE(out.find(R"("trace":{"graph":0,"x":0,"y":-4})"), std::string::npos) << out;
  EXPECT_NE(out.find(R"("selection":null)"), std::string::npos) << out;
}

}  // namespace
}  // namespace zentrix::graphing
