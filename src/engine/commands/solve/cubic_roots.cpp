// The cubic procedure: a zero constant term factors out the root 0 and leaves a
// quadratic; otherwise the depressed-cubic formulas run in binary64 on the
// normalised coefficients b' = b/a, c' = c/a, d' = d/a, giving three real
// roots by the trigonometric form, or one real root whose deflated quadratic
// gives the other two.

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/solve/solve.h"
#include "engine/commands/solve/solve_steps.h"

namespace zentrix::engine {
namespace solve {
namespace {

constexpr double kNinth = 0.1111111111111111;
constexpr double kOver54 = 0.018518518518518517;
constexpr double kThird = 0.3333333333333333;
constexpr double kPi = 3.141592653589793;

struct Normalised {
  double b, c, d;  // b', c', d'
};

ExprNode NumberNode(double v) { return ExprNode::MakeNumber(Number(v)); }

ExprNode ListOf(std::vector<ExprNode> elements) {
  ExprNode list = ExprNode::MakeList();
  for (ExprNode& e : elements) list.AddOperand(std::move(e));
  return list;
}

// The root 0 in front of the quadratic's roots (once: a quadratic that has
// the root 0 itself does not repeat it).
ExprNode WithZeroRoot(const ExprNode& a, const ExprNode& b, const ExprNode& c) {
  ExprNode quadratic = QuadraticRoots(a, b, c);
  std::vector<ExprNode> roots{ExprNode::Zero()};
  if (quadratic.IsList()) {
    for (const ExprNode& r : quadratic.operands()) roots.push_back(r);
  } else {
    roots.push_back(std::move(quadratic));
  }
  auto rest = std::remove_if(roots.begin() + 1, roots.end(), IsZeroNumber);
  roots.erase(rest, roots.end());
  if (roots.size() == 1) return std::move(roots[0]);
  return ListOf(std::move(roots));
}

ExprNode ThreeRealRoots(const Normalised& k, double q, double r) {
  const double shift = k.b * kThird;
  if (q == 0.0) {
    // Q³ − R² ≥ 0 with Q = 0 leaves R = 0: the triple root −b'/3.
    return NumberNode(-shift);
  }
  // Rounding can carry the quotient just outside [−1, 1] near a double root.
  const double ratio = std::clamp(r / std::sqrt(q * q * q), -1.0, 1.0);
  const double theta = std::acos(ratio);
  const double scale = -2.0 * std::sqrt(q);
  std::array<double, 3> roots{scale * std::cos(theta * kThird) - shift,
                              scale * std::cos((theta + 2.0 * kPi) * kThird) - shift,
                              scale * std::cos((theta + 4.0 * kPi) * kThird) - shift};
  std::sort(roots.begin(), roots.end());
  return ListOf({NumberNode(roots[0]), NumberNode(roots[1]), NumberNode(roots[2])});
}

// x³ + b'x² + c'x + d' as a tree in the variable x.
ExprNode MonicCubic(const Normalised& k, const ExprNode& x) {
  ExprNode cubic = PowerNumber(x, Number(3.0));
  cubic = AddTrees(std::move(cubic), MultiplyNumber(PowerNumber(x, Number(2.0)), Number(k.b)));
  cubic = AddTrees(std::move(cubic), MultiplyNumber(x, Number(k.c)));
  return AddNumber(std::move(cubic), Number(k.d));
}

std::optional<ExprNode> OneRealRoot(const Normalised& k, double q, double r) {
  double a = std::pow(std::fabs(r) + std::sqrt(r * r - q * q * q), kThird);
  if (r > 0) a = -a;
  const double root = a + q / a - k.b * kThird;
  std::vector<ExprNode> roots{NumberNode(root)};
  const ExprNode x = Variable(u"x");
  std::optional<PolyDivision> deflated =
      DividePolynomials(MonicCubic(k, x), AddNumber(x, Number(-root)), u"x");
  if (deflated && Degree(deflated->quotient, u"x").EqualsValue(2)) {
    RootPair pair = QuadraticFormula(Coefficient(deflated->quotient, u"x", Number(2.0)),
                                     Coefficient(deflated->quotient, u"x", Number(1.0)),
                                     Coefficient(deflated->quotient, u"x", Number(0.0)));
    roots.push_back(std::move(pair.minus));
    roots.push_back(std::move(pair.plus));
  }
  return ListOf(std::move(roots));
}

}  // namespace
}  // namespace solve

std::optional<ExprNode> CubicRoots(const ExprNode& a, const ExprNode& b, const ExprNode& c,
                                   const ExprNode& d) {
  using namespace solve;
  if (IsZeroNumber(d)) return WithZeroRoot(a, b, c);
  for (const ExprNode* k : {&a, &b, &c, &d}) {
    if (!k->IsRealNumber()) return std::nullopt;
  }
  // Without a cubic term this is no cubic; the formulas would divide by zero.
  if (a.coefficient().RealValue() == 0.0) return std::nullopt;
  const double inverse = 1.0 / a.coefficient().RealValue();
  const Normalised k{b.coefficient().RealValue() * inverse, c.coefficient().RealValue() * inverse,
                     d.coefficient().RealValue() * inverse};
  const double q = (k.b * k.b - 3.0 * k.c) * kNinth;
  const double r = (2.0 * k.b * k.b * k.b - 9.0 * k.b * k.c + 27.0 * k.d) * kOver54;
  if (!std::isfinite(q) || !std::isfinite(r)) return std::nullopt;
  std::optional<ExprNode> roots =
      q * q * q - r * r >= 0 ? ThreeRealRoots(k, q, r) : OneRealRoot(k, q, r);
  // Coefficients near the ends of the binary64 range overflow on the way.
  if (roots && !solve::IsFinite(*roots)) return std::nullopt;
  return roots;
}

}  // namespace zentrix::engine
