#pragma once
// y = f(x), or a list of functions drawn as separate runs in one colour.

#include <string_view>
#include <vector>

#include "graphing/model/graph2d.h"

namespace zentrix::graphing {

class FunctionGraph : public Graph2D {
 public:
  FunctionGraph();

  // A single function replaces any list.
  bool SetExpression(std::u16string_view text) override;
  // y for x; fails for a list of functions.
  bool EvaluateAt(double& x, double& y, double t) override;
  // columnCount + 1 points, or listCount · (columnCount + 1) + 1 for a list.
  bool AllocatePoints(int width) override;
  // One sample per pixel column from the left edge to the right edge inclusive.
  void ComputePoints(const PlotViewport& viewport, double t) override;

  // Makes room for a list of n functions (0 returns to a single function).
  void AllocateList(int n);
  // Compiles item `index` of the list; the first item is also the first expression.
  bool SetListExpression(int index, std::u16string_view text);

  int column_count() const { return column_count_; }
  int list_count() const { return static_cast<int>(list_expressions_.size()); }
  // The first point index of each sub-function's run; list_count() + 1 entries.
  const std::vector<int>& list_offsets() const { return list_offsets_; }
  const CompiledExpr& list_expression(int i) const { return list_expressions_[i]; }

 private:
  void SampleRun(CompiledExpr& expression, const PlotViewport& viewport, double t);

  int column_count_ = -1;
  std::vector<int> list_offsets_{0};
  std::vector<CompiledExpr> list_expressions_;
};

}  // namespace zentrix::graphing
