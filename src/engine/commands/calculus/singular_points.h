#pragma once
// The points of a real range where an integrand is undefined: zeros of the
// bases of negative powers, poles of tan, sec, csc, cot, coth and csch, and
// zeros of the arguments of ln and log10. Zeros are found exactly where the
// argument is a polynomial of degree up to 2 or (for the trigonometric poles)
// linear in x; anywhere else a sign change or zero among sampled values only
// marks the range as suspect.

#include <string_view>
#include <vector>

#include "engine/core/expr_node.h"

namespace zentrix::engine::calculus {

struct SingularPoint {
  ExprNode place;  // exact, free of x
  double value;
};

struct SingularPoints {
  // Strictly inside the range, ascending and distinct.
  std::vector<SingularPoint> inside;
  // A singularity may lie inside the range at a place not known exactly.
  bool suspect = false;
};

SingularPoints FindSingularPoints(const ExprNode& f, std::u16string_view x, double a, double b);

}  // namespace zentrix::engine::calculus
