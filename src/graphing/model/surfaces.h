#pragma once
// The four 3D graph kinds: z = f(x, y), the parametric surface x, y, z of
// (u, v), and the spherical and cylindrical surfaces.

#include <string_view>

#include "graphing/model/graph3d.h"

namespace zentrix::graphing {

// z = f(x, y) over the 3D window, PointsX × PointsY cells (default 20 × 20).
class FunctionSurface : public Graph3D {
 public:
  FunctionSurface();
  // The point (x, y, f(x, y)).
  bool EvaluatePoint(double x, double y, double t, Point3& point) override;
  // PointsX and PointsY are the counts of the sampling window.
  int points_x() const { return u_range.count; }
  int points_y() const { return v_range.count; }
};

// ρ(θ, φ): x = ρ cos φ cos θ, y = ρ sin φ cos θ, z = ρ sin θ.
class SphericalSurface : public Graph3D {
 public:
  SphericalSurface();
  bool EvaluatePoint(double theta, double phi, double t, Point3& point) override;
};

// r(θ, h): x = r cos θ, y = r sin θ, z = h.
class CylindricalSurface : public Graph3D {
 public:
  CylindricalSurface();
  bool EvaluatePoint(double theta, double height, double t, Point3& point) override;
};

// x(u, v), y(u, v), z(u, v). When the expressions use only one of u and v the
// surface is a space curve over that variable's window; when they use neither
// nothing is drawn.
class ParametricSurface : public Graph3D {
 public:
  enum class CurveMode : int { kNone = 0, kCurve = 1, kSurface = 2 };
  enum Axis : int { kX = 0, kY = 1, kZ = 2 };

  ParametricSurface();

  // Compiles the three texts; the first failing index is kept (-1 for none).
  bool SetExpressions(std::u16string_view x, std::u16string_view y, std::u16string_view z);
  // The x text alone (the y and z texts are kept and compiled again).
  bool SetExpression(std::u16string_view text) override;

  // Each coordinate from its expression; a failing one contributes 0.
  bool EvaluatePoint(double u, double v, double t, Point3& point) override;

  CurveMode curve_mode() const { return curve_mode_; }
  // The variable a space curve runs over (u or v), or 0 without a curve.
  VariableCode curve_variable() const { return curve_variable_; }
  int failing_index() const { return failing_index_; }

  std::u16string y_text;
  std::u16string z_text;
  CompiledExpr y_expression;
  CompiledExpr z_expression;
  bool uses_time_per_axis[3] = {false, false, false};

 private:
  void FindCurveMode();

  CurveMode curve_mode_ = CurveMode::kNone;
  VariableCode curve_variable_ = 0;
  int failing_index_ = -1;
};

}  // namespace zentrix::graphing
