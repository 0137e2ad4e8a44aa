#include "graphing/model/graph2d.h"

#include "graphing/model/eval_context.h"

namespace zentrix::graphing {

Graph2D::Graph2D(Graph2DKind kind, VariableCode variable, bool connect_columns)
    : kind_(kind), variable_(variable), connect_columns_(connect_columns) {}

std::u16string_view Graph2D::KindName() const {
  switch (kind_) {
    case Graph2DKind::kFunction: return u"Function";
    case Graph2DKind::kParametric: return u"Parametric";
    case Graph2DKind::kPolar: return u"Polar";
    case Graph2DKind::kScatter: return u"Scatter";
    case Graph2DKind::kHistogram: return u"Histogram";
    case Graph2DKind::kBox: return u"Box";
    case Graph2DKind::kNormalProbability: return u"Normal Probability";
    case Graph2DKind::kNone: break;
  }
  return u"";
}

bool Graph2D::SetExpression(std::u16string_view text) {
  expression_text.assign(text);
  compiled = expression.Compile(text);
  uses_time = compiled && expression.uses_time();
  return compiled;
}

bool Graph2D::GetDataBounds(DataBounds&) const { return false; }

int Graph2D::ErrorCode() const { return expression.error_code(); }

bool Graph2D::EvaluateAt(double&, double&, double) { return false; }

bool Graph2D::Evaluate(double value, double t, double& result) {
  if (!compiled) return false;
  PlaceSample(value, t);
  return expression.Evaluate(result);
}

bool Graph2D::AllocatePoints(int) { return false; }

void Graph2D::ComputePoints(const PlotViewport&, double) { ClearPoints(); }

void Graph2D::RefreshData() {}

void Graph2D::PlaceSample(double value, double t) const {
  EvalContext& context = GraphEvaluation();
  context.Set(kGraphVariableSlot, variable_, value);
  // The other slots are emptied rather than left to a previous caller (the 3D
  // grapher's y, say), so a name the graph does not own always fails.
  context.Set(kGraphTimeSlot, uses_time ? variable::kTime : 0, t);
  context.Set(kGraphSpareSlot, 0, 0.0);
}

void Graph2D::ResizePoints(std::size_t n) {
  if (points_.size() != n) points_.assign(n, PlotPoint{});
  point_count_ = 0;
}

}  // namespace zentrix::graphing
