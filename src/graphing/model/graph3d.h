#pragma once
// The base of the 3D graph kinds: display options, the colour scheme, the
// first compiled expression, the sampling window of its two variables and the
// mesh buffers. A kind maps one sample (a, b) of its two variables to a point
// in space; the renderer samples the grid, maps the points into model space
// and fills the mesh.

#include <array>
#include <string>
#include <string_view>

#include "graphing/model/colours.h"
#include "graphing/model/compiled_expr.h"
#include "graphing/model/mesh3d.h"
#include "graphing/model/sampling_range.h"
#include "graphing/model/variable_codes.h"

namespace zentrix::graphing {

enum class Graph3DKind : int {
  kNone = -1,
  kFunction = 0,
  kParametric = 1,
  kSpherical = 2,
  kCylindrical = 3,
};

enum class ColourScheme : int { kOneColour = 1, kTwoColours = 2, kFourColours = 4 };

struct Point3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// The slots of the evaluation context that 3D graphs use.
inline constexpr int kSurfaceFirstSlot = 0;
inline constexpr int kSurfaceSecondSlot = 1;
inline constexpr int kSurfaceTimeSlot = 2;

class Graph3D {
 public:
  virtual ~Graph3D() = default;
  Graph3D(const Graph3D&) = delete;
  Graph3D& operator=(const Graph3D&) = delete;

  Graph3DKind kind() const { return kind_; }
  // The kind's word as the program shows it ("Function", "Parametric" ...).
  std::u16string_view KindName() const;

  // Compiles the expression text(s); sets compiled and uses_time. Kinds with
  // three expressions take them through their own setter.
  virtual bool SetExpression(std::u16string_view text);

  // The point of the sample (a, b) of the kind's two variables at time t. The
  // sample variables go to slots 0 and 1 and, when the graph uses T, t to
  // slot 2. False when an expression fails; the point then holds 0 where it failed.
  virtual bool EvaluatePoint(double a, double b, double t, Point3& point) = 0;

  // Sizes the mesh buffers for the current point counts (reallocating only
  // when they change).
  bool AllocateMesh();

  // The variables the kind samples over.
  VariableCode first_variable() const { return first_variable_; }
  VariableCode second_variable() const { return second_variable_; }

  // Display options.
  bool visible = true;
  bool lighting = true;  // copied from the 3D view before each render
  float line_width = 1.0f;
  float point_size = 2.0f;
  bool show_points = false;
  bool show_lines = true;
  bool show_faces = true;
  std::array<Colour, 4> scheme_colours{colour::kWhite, colour::kWhite, colour::kWhite,
                                       colour::kWhite};
  Colour line_colour = colour::kBlack;
  Colour point_colour = colour::kWhite;
  ColourScheme colour_scheme = ColourScheme::kTwoColours;

  // The first (or only) expression, as typed and compiled.
  std::u16string expression_text;
  CompiledExpr expression;
  bool uses_time = false;
  bool compiled = false;

  Mesh3D mesh;

  // The sampling window: u (or x, or θ) and v (or y, or the second variable).
  // Function surfaces take their ranges from the 3D window; their counts are
  // PointsX and PointsY.
  SamplingRange u_range;
  SamplingRange v_range;

 protected:
  Graph3D(Graph3DKind kind, VariableCode first, VariableCode second);
  // Puts the sample and, when the graph uses T, the time into the slots.
  void PlaceSample(double a, double b, double t) const;

 private:
  Graph3DKind kind_;
  VariableCode first_variable_;
  VariableCode second_variable_;
};

}  // namespace zentrix::graphing
