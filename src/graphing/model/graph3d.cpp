#include "graphing/model/graph3d.h"

#include "graphing/model/eval_context.h"
#include "graphing/model/graph_functions.h"

namespace zentrix::graphing {
namespace {

constexpr char16_t kTwoPiText[] = {u'2', 237, 0};
constexpr char16_t kPiText[] = {237, 0};
constexpr int kDefaultPoints = 20;

}  // namespace

Graph3D::Graph3D(Graph3DKind kind, VariableCode first, VariableCode second)
    : kind_(kind), first_variable_(first), second_variable_(second) {
  u_range = MakeSamplingRange(0.0, 2.0 * kPi, kDefaultPoints, u"0", kTwoPiText);
  v_range = MakeSamplingRange(0.0, kPi, kDefaultPoints, u"0", kPiText);
}

std::u16string_view Graph3D::KindName() const {
  switch (kind_) {
    case Graph3DKind::kFunction: return u"Function";
    case Graph3DKind::kParametric: return u"Parametric";
    case Graph3DKind::kSpherical: return u"Spherical";
    case Graph3DKind::kCylindrical: return u"Cylindrical";
    case Graph3DKind::kNone: break;
  }
  return u"";
}

bool Graph3D::SetExpression(std::u16string_view text) {
  expression_text.assign(text);
  compiled = expression.Compile(text);
  uses_time = compiled && expression.uses_time();
  return compiled;
}

bool Graph3D::AllocateMesh() { return mesh.Allocate(u_range.count, v_range.count, lighting); }

void Graph3D::PlaceSample(double a, double b, double t) const {
  EvalContext& context = GraphEvaluation();
  context.Set(kSurfaceFirstSlot, first_variable_, a);
  context.Set(kSurfaceSecondSlot, second_variable_, b);
  // Emptied when the graph does not use T, so a stale variable never answers.
  context.Set(kSurfaceTimeSlot, uses_time ? variable::kTime : 0, t);
}

}  // namespace zentrix::graphing
