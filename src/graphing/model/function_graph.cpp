#include "graphing/model/function_graph.h"

#include <cmath>

namespace zentrix::graphing {
namespace {

// Rows whose truncation lies outside this range are dropped (poles of tan(x)).
constexpr int kLowestRow = -19999;
constexpr int kRowLimit = 20000;
constexpr double kInt32Low = -2147483648.0;
constexpr double kInt32High = 2147483647.0;

}  // namespace

FunctionGraph::FunctionGraph() : Graph2D(Graph2DKind::kFunction, variable::kX, true) {}

bool FunctionGraph::SetExpression(std::u16string_view text) {
  AllocateList(0);
  return Graph2D::SetExpression(text);
}

void FunctionGraph::AllocateList(int n) {
  list_expressions_.clear();
  list_expressions_.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  list_offsets_.assign(list_expressions_.size() + 1, 0);
}

bool FunctionGraph::SetListExpression(int index, std::u16string_view text) {
  if (index < 0 || index >= list_count()) return false;
  CompiledExpr& item = list_expressions_[index];
  const bool ok = item.Compile(text);
  if (index == 0) {
    expression_text.assign(text);
    expression.Compile(text);
  }
  bool all = true;
  uses_time = false;
  for (const CompiledExpr& e : list_expressions_) {
    all = all && e.compiled();
    uses_time = uses_time || e.uses_time();
  }
  compiled = all;
  return ok;
}

bool FunctionGraph::EvaluateAt(double& x, double& y, double t) {
  if (list_count() > 0) return false;
  return Evaluate(x, t, y);
}

bool FunctionGraph::AllocatePoints(int width) {
  if (width < 0) return false;
  // The count follows the plot width: a wider plot after the first pass must
  // not sample more columns than there are points.
  column_count_ = width;
  const std::size_t columns = static_cast<std::size_t>(column_count_) + 1;
  ResizePoints(list_count() > 0 ? list_count() * columns + 1 : columns);
  return true;
}

void FunctionGraph::ComputePoints(const PlotViewport& viewport, double t) {
  ClearPoints();
  if (!compiled) return;
  if (list_count() == 0) {
    SampleRun(expression, viewport, t);
    return;
  }
  for (int i = 0; i < list_count(); ++i) {
    list_offsets_[i] = static_cast<int>(point_count());
    SampleRun(list_expressions_[i], viewport, t);
  }
  list_offsets_[list_count()] = static_cast<int>(point_count());
}

void FunctionGraph::SampleRun(CompiledExpr& run, const PlotViewport& viewport, double t) {
  const int width = std::min(viewport.width, column_count_);
  if (width < 0) return;
  const double step = (viewport.xmax - viewport.xmin) / viewport.width;
  double x = viewport.xmin;
  for (int i = viewport.left; i <= viewport.left + width; ++i, x += step) {
    PlaceSample(x, t);
    double y;
    if (!run.Evaluate(y)) continue;
    const double row = viewport.origin_row - y * viewport.y_scale;
    if (!(row > kInt32Low && row < kInt32High)) continue;
    const int r = static_cast<int>(row);
    if (r < kLowestRow || r >= kRowLimit) continue;
    AppendPoint({i, r});
  }
}

}  // namespace zentrix::graphing
