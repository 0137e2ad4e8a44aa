#include "graphing/model/parametric_graph.h"

namespace zentrix::graphing {

ParametricGraph::ParametricGraph() : CurveGraph(Graph2DKind::kParametric, variable::kU) {}

bool ParametricGraph::SetExpressions(std::u16string_view x, std::u16string_view y) {
  expression_text.assign(x);
  y_text.assign(y);
  expression.Compile(x);
  y_expression.Compile(y);
  UpdateCompiledState();
  return compiled;
}

void ParametricGraph::UpdateCompiledState() {
  const bool x_ok = expression.compiled();
  const bool y_ok = y_expression.compiled();
  failing_index_ = !x_ok ? 0 : (!y_ok ? 1 : -1);
  compiled = x_ok && y_ok;
  uses_time = compiled && (expression.uses_time() || y_expression.uses_time());
}

bool ParametricGraph::SetExpression(std::u16string_view text) {
  return SetExpressions(text, std::u16string(y_text));
}

int ParametricGraph::ErrorCode() const {
  return failing_index_ == 1 ? y_expression.error_code() : expression.error_code();
}

bool ParametricGraph::EvaluateAt(double& u, double& y, double t) {
  if (!InRange(u)) return false;
  double x;
  if (!CurvePoint(u, t, x, y)) return false;
  u = x;
  return true;
}

bool ParametricGraph::EvaluateY(double u, double t, double& y) {
  if (!compiled) return false;
  PlaceSample(u, t);
  return y_expression.Evaluate(y);
}

bool ParametricGraph::CurvePoint(double u, double t, double& x, double& y) {
  if (!compiled) return false;
  PlaceSample(u, t);
  return expression.Evaluate(x) && y_expression.Evaluate(y);
}

}  // namespace zentrix::graphing
