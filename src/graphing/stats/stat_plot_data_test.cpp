#include "graphing/stats/stat_plot_data.h"

#include <gtest/gtest.h>

#include <cmath>

#include "graphing/model/eval_context.h"

namespace zentrix::graphing {
namespace {

using Values = std::vector<double>;

TEST(StatPlotDataTest, ScatterCurveCompiledFromTheFitFollowsTheModelForEveryKind) {
  ScopedEvalContext context;
  ScatterPlot plot;
  Values xs, ys;
  for (double x = 1; x <= 12; x += 1) {
    xs.push_back(x);
    ys.push_back(5 + 3 * std::sin(0.7 * x + 0.4) + 0.01 * x * x);
  }
  plot.SetData(xs);
  plot.SetFrequencies(ys);
  for (int model = 0; model < kRegressionModelCount; ++model) {
    plot.regression_model = model;
    RefreshStatPlot(plot, 4);
    EXPECT_FALSE(plot.data_changed);
    const auto* stats = StatisticsOf<ScatterStatistics>(plot);
    ASSERT_NE(stats, nullptr);
    ASSERT_TRUE(stats->fit.ok()) << model;
    EXPECT_EQ(plot.equation_text, stats->fit.equation);
    ASSERT_TRUE(plot.regression_curve.compiled) << model;
    // The compiled curve, traced through the plot, gives the fit's own values.
    for (double x : {1.5, 6.0, 11.25}) {
      double at = x, y = 0;
      ASSERT_TRUE(plot.EvaluateAt(at, y, 0)) << model;
      EXPECT_NEAR(y, EvaluateRegression(stats->fit, x), 1e-9 * (1 + std::fabs(y))) << model;
    }
  }

  DataBounds bounds;
  plot.SetData({1, NAN, 3});
  plot.SetFrequencies({2, 5, INFINITY});
  ASSERT_TRUE(StatDataBounds(plot, bounds));
  EXPECT_DOUBLE_EQ(bounds.xmin, 0.8);
  EXPECT_DOUBLE_EQ(bounds.xmax, 3.2);
  EXPECT_DOUBLE_EQ(bounds.ymin, 1.7);
  EXPECT_DOUBLE_EQ(bounds.ymax, 5.3);
  plot.SetData(xs);
  plot.SetFrequencies(ys);

  // A failing fit leaves no curve and no equation, and reports its code.
  plot.SetFrequencies({1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  plot.regression_model = static_cast<int>(RegressionModel::kExponential);
  RefreshStatPlot(plot, 4);
  EXPECT_EQ(plot.ErrorCode(), static_cast<int>(FitError::kOutsideDomain));
  EXPECT_FALSE(plot.regression_curve.compiled);
  EXPECT_TRUE(plot.equation_text.empty());
}

TEST(StatPlotDataTest, HistogramAndBoxKeepTheirStatisticsOrAnError) {
  HistogramPlot histogram;
  histogram.SetData({3, 1, 3, 2});
  RefreshStatPlot(histogram, 4);
  const auto* bars = StatisticsOf<HistogramStatistics>(histogram);
  ASSERT_NE(bars, nullptr);
  EXPECT_EQ(bars->bars.values, (Values{1, 2, 3}));
  EXPECT_EQ(bars->bars.counts, (Values{1, 1, 2}));
  DataBounds bounds;
  ASSERT_TRUE(StatDataBounds(histogram, bounds));
  EXPECT_DOUBLE_EQ(bounds.xmax, 4.2);

  histogram.frequency_text = u"L2";
  histogram.SetFrequencies({1, -2, 1, 1});
  RefreshStatPlot(histogram, 4);
  EXPECT_EQ(histogram.ErrorCode(), kStatBadValue);
  EXPECT_TRUE(StatisticsOf<HistogramStatistics>(histogram)->bars.empty());
  EXPECT_FALSE(StatDataBounds(histogram, bounds));

  BoxPlot box;
  box.modified = true;
  box.SetData({1, 2, 3, 4, 5, 6, 7, 8, 9, 100});
  RefreshStatPlot(box, 4);
  const auto* figures = StatisticsOf<BoxPlotStatistics>(box);
  ASSERT_TRUE(figures && figures->has_data);
  EXPECT_EQ(figures->box.high_whisker, 9);
  EXPECT_EQ(figures->box.high_outliers, (Values{100}));

  NormalProbabilityPlot normal;
  normal.SetData({4, 1, 3, 2});
  normal.data_axis = 1;
  RefreshStatPlot(normal, 4);
  const auto* scores = StatisticsOf<NormalProbabilityStatistics>(normal);
  ASSERT_NE(scores, nullptr);
  EXPECT_EQ(scores->sorted, (Values{1, 2, 3, 4}));
  EXPECT_LT(scores->X(0, normal.data_axis), 0);  // scores on x
  EXPECT_EQ(scores->Y(0, normal.data_axis), 1);
  normal.SetData({1, NAN});
  RefreshStatPlot(normal, 4);
  EXPECT_EQ(normal.ErrorCode(), kStatBadValue);
}

}  // namespace
}  // namespace zentrix::graphing
