#pragma once
// The statistical 2D kinds as data holders: the list texts as entered, the
// loaded values, a second colour and the plot's statistics. Their statistics,
// bounds and drawing beyond Scatter's come from the statistics code, which
// derives its results from StatResult.

#include <memory>
#include <string>
#include <vector>

#include "graphing/model/function_graph.h"
#include "graphing/model/graph2d.h"

namespace zentrix::graphing {

// What the statistics code computed for a plot.
class StatResult {
 public:
  virtual ~StatResult() = default;
  int error_code = 0;  // 0 success
};

class StatPlot : public Graph2D {
 public:
  // The statistics result's code, or 0 before any.
  int ErrorCode() const override;

  void SetData(std::vector<double> values);
  void SetFrequencies(std::vector<double> values);
  const std::vector<double>& data() const { return data_; }
  // The frequencies, or for Scatter the y values.
  const std::vector<double>& frequencies() const { return frequencies_; }

  std::u16string data_text;       // the data list as entered
  std::u16string frequency_text;  // the frequency (or y) list as entered
  Colour second_colour = colour::kWhite;
  bool use_frequency = false;  // the editor's "Use Frequency List"
  bool data_changed = false;   // set whenever a list is assigned
  std::unique_ptr<StatResult> statistics;

 protected:
  explicit StatPlot(Graph2DKind kind);

  std::vector<double> data_;
  std::vector<double> frequencies_;
};

// Points (x, y) from two lists, with an optional regression curve. Its style is
// the drawing choice: 1 "Point" (marks only, the default), 0 "Line" (the marks
// joined in the plot's colour).
class ScatterPlot : public StatPlot {
 public:
  ScatterPlot();

  // Both lists of equal length and not empty: each axis widened by a tenth of
  // its range (±1 around a single value or a zero-width range).
  bool GetDataBounds(DataBounds& bounds) const override;
  // Delegates to the regression curve.
  bool EvaluateAt(double& x, double& y, double t) override;
  // One point per pair, none when the lists differ in length.
  bool AllocatePoints(int width) override;
  void ComputePoints(const PlotViewport& viewport, double t) override;

  bool connect = false;
  bool show_regression = false;
  int regression_model = -1;  // -1 none, else 0-10
  FunctionGraph regression_curve;
  std::u16string equation_text;
};

// Style: 0 "Bar" (outlines only), 1 "Fill Bars" (the default).
class HistogramPlot : public StatPlot {
 public:
  HistogramPlot();
  bool outline = true;
};

// Style: 0 "Box", 1 "Fill Box" (the default), 2 "Line" (whiskers and median
// only), 3 "Fill" (the box filled, without outline).
class BoxPlot : public StatPlot {
 public:
  BoxPlot();
  bool modified = false;
};

class NormalProbabilityPlot : public StatPlot {
 public:
  NormalProbabilityPlot();
  bool connect = false;
  int data_axis = 0;  // 0 data on x and scores on y, 1 the reverse
};

}  // namespace zentrix::graphing
