#pragma once
// x(u), y(u) over the parameter window.

#include <string>
#include <string_view>

#include "graphing/model/curve_graph.h"

namespace zentrix::graphing {

class ParametricGraph : public CurveGraph {
 public:
  ParametricGraph();

  // Compiles both texts; an empty or failing one records its index (0 for x,
  // 1 for y) and fails.
  bool SetExpressions(std::u16string_view x, std::u16string_view y);
  // The x text alone (the y text is kept and compiled again).
  bool SetExpression(std::u16string_view text) override;
  int ErrorCode() const override;
  // (x, y) for u; fails when u lies outside the window.
  bool EvaluateAt(double& u, double& y, double t) override;
  // y(u), for the table's y column.
  bool EvaluateY(double u, double t, double& y);

  int failing_index() const { return failing_index_; }
  // Recomputes compiled, uses_time and the failing index from the two
  // expressions (after they were compiled from other texts).
  void UpdateCompiledState();

  std::u16string y_text;
  CompiledExpr y_expression;

 protected:
  bool CurvePoint(double u, double t, double& x, double& y) override;

 private:
  int failing_index_ = -1;
};

}  // namespace zentrix::graphing
