// Polynomials of degree 4 and more: the rational factors are found first and
// each is solved on its own, exactly where a formula exists (degree up to 3,
// biquadratics by the substitution y = x²), numerically otherwise.

#include <complex>
#include <utility>

#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/solve/numeric_roots.h"
#include "engine/commands/solve/solve.h"
#include "engine/commands/solve/solve_steps.h"

namespace zentrix::engine::solve {
namespace {

using Coefficients = std::vector<ExprNode>;  // highest power first

bool IsZeroTree(const ExprNode& t) { return IsZeroNumber(t); }

ExprNode PolynomialTree(const Coefficients& k, std::u16string_view x) {
  ExprNode p = ExprNode::Zero();
  for (const ExprNode& c : k) p = AddTrees(MultiplyTrees(std::move(p), Variable(x)), c);
  return p;
}

std::optional<std::vector<Complex>> NumericCoefficients(const Coefficients& k) {
  std::vector<Complex> out;
  for (const ExprNode& c : k) {
    const ExprNode value = Approximate(c);
    if (!value.IsNumber() || value.coefficient().HasNonFiniteField()) return std::nullopt;
    out.emplace_back(value.coefficient().RealValue(), value.coefficient().ImagValue());
  }
  return out;
}

ExprNode DecimalRoot(Complex z) {
  if (z.imag() == 0.0) return ExprNode::MakeNumber(Number(z.real()));
  return ExprNode::MakeNumber(Number::Complex(z.real(), z.imag()));
}

std::optional<std::vector<ExprNode>> NumericRoots(const Coefficients& k) {
  std::optional<std::vector<Complex>> a = NumericCoefficients(k);
  if (!a) return std::nullopt;
  std::optional<std::vector<Complex>> z = PolynomialRoots(*a);
  if (!z) return std::nullopt;
  std::vector<ExprNode> roots;
  for (Complex r : *z) roots.push_back(DecimalRoot(r));
  return roots;
}

// An exact root is kept only when it evaluates to a number that satisfies the
// factor: a radical taken on the wrong branch would not.
bool ExactRootsHold(const Coefficients& k, const std::vector<ExprNode>& roots) {
  std::optional<std::vector<Complex>> a = NumericCoefficients(k);
  if (!a) return true;  // symbolic coefficients: nothing to weigh them against
  for (const ExprNode& r : roots) {
    const ExprNode value = Approximate(r);
    if (!value.IsNumber() || value.coefficient().HasNonFiniteField()) return false;
    const Complex z(value.coefficient().RealValue(), value.coefficient().ImagValue());
    if (RelativeResidual(*a, z) > 1e-9) return false;
  }
  return true;
}

bool HasDecimal(const ExprNode& t) {
  if (t.coefficient().IsDecimal()) return true;
  for (const SymbolTerm& term : t.terms()) {
    if (term.coefficient.IsDecimal() || term.exponent.IsDecimal()) return true;
  }
  for (const ExprNode& op : t.operands()) {
    if (HasDecimal(op)) return true;
  }
  return false;
}

// √y, written ⅈ·√(−y) when y is a negative real constant.
ExprNode SquareRootOf(const ExprNode& y) {
  const ExprNode value = Approximate(y);
  if (!y.IsNumber() && value.IsRealNumber() && value.coefficient().RealValue() < 0) {
    return MultiplyNumber(SquareRootTree(NegateTree(y)), Number::Complex(0.0, 1.0));
  }
  return SquareRootTree(y);
}

// a·x⁴ + b·x² + c: y = x² by the quadratic formula, then x = ±√y. Refused
// when a root comes out with decimals in it (a square root of ⅈ).
std::optional<std::vector<ExprNode>> BiquadraticRoots(const Coefficients& k) {
  if (k.size() != 5 || !IsZeroTree(k[1]) || !IsZeroTree(k[3])) return std::nullopt;
  RootPair y = QuadraticFormula(k[0], k[2], k[4]);
  std::vector<ExprNode> roots;
  for (ExprNode* square : {&y.minus, &y.plus}) {
    ExprNode root = SquareRootOf(*square);
    if (Variables(root).empty()) root = Expand(root);
    if (HasDecimal(root)) return std::nullopt;
    roots.push_back(NegateTree(root));
    roots.push_back(std::move(root));
  }
  if (!ExactRootsHold(k, roots)) return std::nullopt;
  return roots;
}

std::optional<std::vector<ExprNode>> FactorRoots(const Coefficients& k) {
  const std::size_t degree = k.size() - 1;
  if (degree == 1) {
    return std::vector<ExprNode>{DivideTrees(NegateTree(k[1]), k[0])};
  }
  std::optional<ExprNode> exact;
  if (degree == 2) exact = QuadraticRoots(k[0], k[1], k[2]);
  if (degree == 3) exact = CubicRoots(k[0], k[1], k[2], k[3]);
  if (exact) return RootsOf(std::move(*exact));
  if (std::optional<std::vector<ExprNode>> roots = BiquadraticRoots(k)) return roots;
  return NumericRoots(k);
}

// The factors of a polynomial in x with rational coefficients, each as its
// coefficient list; nothing when Factor finds no proper split.
std::optional<std::vector<Coefficients>> RationalFactors(const ExprNode& p, std::u16string_view x,
                                                         std::size_t degree) {
  const ExprNode factored = Factor(p);
  std::vector<ExprNode> parts;
  if (factored.IsIntegerPower()) {
    parts.push_back(factored.Operand(0));
  } else if (factored.IsProduct() && factored.TermCount() == 0) {
    for (const ExprNode& op : factored.operands()) {
      parts.push_back(op.IsIntegerPower() ? op.Operand(0) : op);
    }
  } else {
    return std::nullopt;
  }
  std::vector<Coefficients> factors;
  std::size_t total = 0;
  for (const ExprNode& part : parts) {
    std::optional<Coefficients> k = CoefficientsInX(part, x, true);
    if (!k) return std::nullopt;
    total += k->size() - 1;
    factors.push_back(std::move(*k));
  }
  // Every factor is a distinct polynomial of lower degree than p.
  if (factors.size() < 2 && (factors.empty() || factors[0].size() - 1 >= degree)) {
    return std::nullopt;
  }
  if (total > degree) return std::nullopt;
  return factors;
}

bool AllRational(const Coefficients& k) {
  for (const ExprNode& c : k) {
    if (!c.IsRealNumber() || c.coefficient().IsDecimal()) return false;
  }
  return true;
}

}  // namespace

std::optional<std::vector<ExprNode>> HighDegreeRoots(const Coefficients& k, std::u16string_view x) {
  const std::size_t degree = k.size() - 1;
  if (degree < 4) return std::nullopt;
  // x^m times the rest: the root 0, and the rest on its own.
  std::size_t zeros = 0;
  while (zeros < degree && IsZeroTree(k[k.size() - 1 - zeros])) ++zeros;
  std::vector<ExprNode> roots;
  Coefficients rest(k.begin(), k.end() - static_cast<std::ptrdiff_t>(zeros));
  if (zeros > 0) roots.push_back(ExprNode::Zero());
  std::vector<Coefficients> factors{rest};
  if (AllRational(rest) && rest.size() > 2) {
    if (auto split = RationalFactors(Expand(PolynomialTree(rest, x)), x, rest.size() - 1)) {
      factors = std::move(*split);
    }
  }
  for (const Coefficients& factor : factors) {
    if (factor.size() < 2) continue;
    std::optional<std::vector<ExprNode>> found = FactorRoots(factor);
    if (!found) return std::nullopt;
    for (ExprNode& r : *found) roots.push_back(std::move(r));
  }
  return roots;
}

std::optional<std::vector<ExprNode>> CoefficientsInX(const ExprNode& p, std::u16string_view x,
                                                     bool constants_only) {
  const Number degree = Degree(p, x);
  if (!degree.IsInteger() || degree.RealValue() < 1 ||
      degree.RealValue() > static_cast<double>(kMaxNumericDegree)) {
    return std::nullopt;
  }
  std::optional<Coefficients> k = ExtractCoefficients(p, x, static_cast<int>(degree.RealValue()));
  if (!k) return std::nullopt;
  if (constants_only) {
    for (const ExprNode& c : *k) {
      if (!Variables(c).empty()) return std::nullopt;
    }
  }
  return k;
}

}  // namespace zentrix::engine::solve
