#include "graphing/model/surfaces.h"

#include <cmath>

namespace zentrix::graphing {
namespace {

constexpr int kDefaultPoints = 20;

// Evaluates one expression into `value`; a failure leaves 0.
bool EvaluateInto(CompiledExpr& expression, double& value) {
  if (expression.Evaluate(value)) return true;
  value = 0.0;
  return false;
}

}  // namespace

FunctionSurface::FunctionSurface() : Graph3D(Graph3DKind::kFunction, variable::kX, variable::kY) {
  u_range = MakeSamplingRange(-10.0, 10.0, kDefaultPoints, u"-10", u"10");
  v_range = MakeSamplingRange(-10.0, 10.0, kDefaultPoints, u"-10", u"10");
}

bool FunctionSurface::EvaluatePoint(double x, double y, double t, Point3& point) {
  PlaceSample(x, y, t);
  point.x = x;
  point.y = y;
  return compiled && EvaluateInto(expression, point.z);
}

SphericalSurface::SphericalSurface()
    : Graph3D(Graph3DKind::kSpherical, variable::kTheta, variable::kPhi) {}

bool SphericalSurface::EvaluatePoint(double theta, double phi, double t, Point3& point) {
  PlaceSample(theta, phi, t);
  double rho = 0.0;
  const bool ok = compiled && EvaluateInto(expression, rho);
  point.x = rho * std::cos(phi) * std::cos(theta);
  point.y = rho * std::sin(phi) * std::cos(theta);
  point.z = rho * std::sin(theta);
  return ok;
}

CylindricalSurface::CylindricalSurface()
    : Graph3D(Graph3DKind::kCylindrical, variable::kTheta, variable::kHeight) {}

bool CylindricalSurface::EvaluatePoint(double theta, double height, double t, Point3& point) {
  PlaceSample(theta, height, t);
  double r = 0.0;
  const bool ok = compiled && EvaluateInto(expression, r);
  point.x = r * std::cos(theta);
  point.y = r * std::sin(theta);
  point.z = height;
  return ok;
}

ParametricSurface::ParametricSurface()
    : Graph3D(Graph3DKind::kParametric, variable::kU, variable::kV) {}

bool ParametricSurface::SetExpressions(std::u16string_view x, std::u16string_view y,
                                       std::u16string_view z) {
  expression_text.assign(x);
  y_text.assign(y);
  z_text.assign(z);
  CompiledExpr* expressions[3] = {&expression, &y_expression, &z_expression};
  std::u16string_view texts[3] = {x, y, z};
  failing_index_ = -1;
  for (int i = 0; i < 3; ++i) {
    const bool ok = expressions[i]->Compile(texts[i]);
    uses_time_per_axis[i] = ok && expressions[i]->uses_time();
    if (!ok && failing_index_ < 0) failing_index_ = i;
  }
  compiled = failing_index_ < 0;
  uses_time = uses_time_per_axis[0] || uses_time_per_axis[1] || uses_time_per_axis[2];
  FindCurveMode();
  return compiled;
}

bool ParametricSurface::SetExpression(std::u16string_view text) {
  return SetExpressions(text, std::u16string(y_text), std::u16string(z_text));
}

void ParametricSurface::FindCurveMode() {
  bool uses[2] = {false, false};
  for (const CompiledExpr* e : {&expression, &y_expression, &z_expression}) {
    uses[0] = uses[0] || e->UsesVariable(variable::kU);
    uses[1] = uses[1] || e->UsesVariable(variable::kV);
  }
  curve_variable_ = 0;
  if (uses[0] && uses[1]) {
    curve_mode_ = CurveMode::kSurface;
  } else if (uses[0] || uses[1]) {
    curve_mode_ = CurveMode::kCurve;
    curve_variable_ = uses[0] ? variable::kU : variable::kV;
  } else {
    curve_mode_ = CurveMode::kNone;
  }
}

bool ParametricSurface::EvaluatePoint(double u, double v, double t, Point3& point) {
  PlaceSample(u, v, t);
  if (!compiled) {
    point = Point3{};
    return false;
  }
  const bool x_ok = EvaluateInto(expression, point.x);
  const bool y_ok = EvaluateInto(y_expression, point.y);
  const bool z_ok = EvaluateInto(z_expression, point.z);
  return x_ok && y_ok && z_ok;
}

}  // namespace zentrix::graphing
