#pragma once
// The base of the 2D graph kinds: colour, style, the enabled flag, the first
// compiled expression, the pixel points of the last sampling pass, and the
// operations every kind offers. Drawing the points belongs to the plotter.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "graphing/model/colours.h"
#include "graphing/model/compiled_expr.h"
#include "graphing/model/plot_viewport.h"
#include "graphing/model/variable_codes.h"

namespace zentrix::graphing {

enum class Graph2DKind : int {
  kNone = -1,
  kFunction = 0,
  kParametric = 1,
  kPolar = 2,
  kScatter = 4,
  kHistogram = 5,
  kBox = 6,
  kNormalProbability = 7,
};

// Codes above this mark statistical plots (no window of their own, no table).
inline constexpr int kLastEquationKind = 3;

enum class GraphStyle : int {
  kDotted = 0,
  kLine = 1,
  kBottomShade = 2,
  kTopShade = 3,
  kOriginShade = 4,
};

// The slots of the evaluation context that 2D graphs use.
inline constexpr int kGraphVariableSlot = 0;
inline constexpr int kGraphTimeSlot = 1;

// The data bounds of a statistical plot: a window that fits its data.
struct DataBounds {
  double xmin = 0.0;
  double xmax = 0.0;
  double ymin = 0.0;
  double ymax = 0.0;
};

class Graph2D {
 public:
  virtual ~Graph2D() = default;
  Graph2D(const Graph2D&) = delete;
  Graph2D& operator=(const Graph2D&) = delete;

  Graph2DKind kind() const { return kind_; }
  bool is_statistical() const { return static_cast<int>(kind_) > kLastEquationKind; }
  // The kind's word ("Function", "Parametric", "Polar", "Scatter" ...).
  std::u16string_view KindName() const;

  // The kind's operations, in the order every kind offers them.
  // Compiles the text into the first expression; sets compiled and uses_time.
  virtual bool SetExpression(std::u16string_view text);
  // Statistical kinds: a window that fits the data.
  virtual bool GetDataBounds(DataBounds& bounds) const;
  // The error code of the first expression.
  virtual int ErrorCode() const;
  // Tracing and the table: `first` in (x, u or θ), the point out as (first, second).
  virtual bool EvaluateAt(double& first, double& second, double t);
  // The first expression at `value` of the graph's own variable.
  virtual bool Evaluate(double value, double t, double& result);
  // Sizes the points for the next pass over a plot `width` pixels wide; the
  // array is reallocated only when its size changes.
  virtual bool AllocatePoints(int width);
  // Samples the graph into pixel points.
  virtual void ComputePoints(const PlotViewport& viewport, double t);
  // Statistical kinds: recompute after the lists changed.
  virtual void RefreshData();

  // The points of the last pass.
  const PlotPoint* points() const { return points_.data(); }
  std::size_t point_count() const { return point_count_; }
  std::size_t point_capacity() const { return points_.size(); }

  VariableCode variable() const { return variable_; }
  bool connect_columns() const { return connect_columns_; }

  Colour colour = colour::kWhite;
  GraphStyle style = GraphStyle::kLine;
  bool enabled = true;
  // The first (or only) expression, as typed and compiled.
  std::u16string expression_text;
  CompiledExpr expression;
  bool uses_time = false;
  bool compiled = false;

 protected:
  Graph2D(Graph2DKind kind, VariableCode variable, bool connect_columns);

  // Puts the sample and, when the graph uses T, the time into the slots.
  void PlaceSample(double value, double t) const;
  // Sizes the points array to exactly n (reallocating only on a change).
  void ResizePoints(std::size_t n);
  void ClearPoints() { point_count_ = 0; }
  // Appends a point unless the array is full.
  void AppendPoint(PlotPoint p) {
    if (point_count_ < points_.size()) points_[point_count_++] = p;
  }

 private:
  Graph2DKind kind_;
  VariableCode variable_;
  bool connect_columns_;
  std::vector<PlotPoint> points_;
  std::size_t point_count_ = 0;
};

}  // namespace zentrix::graphing
