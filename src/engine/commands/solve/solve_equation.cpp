// The main procedure of Solve: both sides expanded, a polynomial left side
// classified by degree and exponent set (linear, quadratic, cubic), anything
// else handed to isolation, which may rewrite the equation and start again.

#include <algorithm>
#include <utility>

#include "engine/commands/polynomial/poly_convert.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/solve/solve.h"
#include "engine/commands/solve/solve_steps.h"

namespace zentrix::engine {
namespace solve {
namespace {

void CollectExponents(const ExprNode& p, std::u16string_view x, int depth,
                      std::vector<Number>& out) {
  if (p.IsAnyFunction() || depth > kMaxTreeDepth) return;
  for (const SymbolTerm& t : p.terms()) {
    if (t.name != x || t.exponent.IsZero()) continue;
    if (std::find(out.begin(), out.end(), t.exponent) == out.end()) out.push_back(t.exponent);
  }
  for (const ExprNode& op : p.operands()) CollectExponents(op, x, depth + 1, out);
}

std::optional<ExprNode> SolvePolynomial(const ExprNode& p, std::u16string_view x) {
  const Number degree = Degree(p, x);
  const std::vector<Number> exponents = ExponentSet(p, x);
  if (degree.IsOne() && exponents.size() == 1 && exponents[0].IsOne()) {
    return SolveLinear(p, x);
  }
  if (auto k = ExtractCoefficients(p, x, 2)) return QuadraticRoots((*k)[0], (*k)[1], (*k)[2]);
  if (auto k = ExtractCoefficients(p, x, 3)) return CubicRoots((*k)[0], (*k)[1], (*k)[2], (*k)[3]);
  return std::nullopt;
}

}  // namespace

bool Contains(const ExprNode& tree, std::u16string_view x) {
  const std::vector<std::u16string> names = Variables(tree);
  return std::find(names.begin(), names.end(), x) != names.end();
}

bool IsZeroNumber(const ExprNode& tree) { return tree.IsNumber() && tree.coefficient().IsZero(); }

ExprNode Variable(std::u16string_view x) { return ExprNode::MakeSymbol(x); }

bool IsFinite(const ExprNode& tree) { return tree.IsAllNumbers() && !HasOverflow(tree); }

std::vector<Number> ExponentSet(const ExprNode& p, std::u16string_view x) {
  std::vector<Number> out;
  CollectExponents(p, x, 0, out);
  return out;
}

std::optional<ExprNode> SolveLinear(const ExprNode& p, std::u16string_view x) {
  // Operands (such as a product x·y) are not monomials: what would remain on
  // the left could not be exactly x.
  if (!p.IsSum() || p.OperandCount() != 0) return std::nullopt;
  ExprNode right = ExprNode::MakeNumber(Negate(p.coefficient()));
  std::optional<Number> k;
  for (const SymbolTerm& t : p.terms()) {
    if (t.name != x) {
      right = SubtractTrees(std::move(right), ExprNode::MakeTerm(t));
    } else if (k || !t.exponent.IsOne()) {
      return std::nullopt;
    } else {
      k = t.coefficient;
    }
  }
  if (!k || k->IsZero()) return std::nullopt;
  return DivideTrees(std::move(right), ExprNode::MakeNumber(*k));
}

std::optional<std::vector<ExprNode>> ExtractCoefficients(const ExprNode& p, std::u16string_view x,
                                                         int n) {
  if (!Degree(p, x).EqualsValue(n)) return std::nullopt;
  std::vector<ExprNode> coefficients;
  // Rebuilt in Horner's order: ((a·x + b)·x + c)...
  ExprNode rebuilt = ExprNode::Zero();
  for (int power = n; power >= 0; --power) {
    ExprNode k = Coefficient(p, x, Number(static_cast<double>(power)));
    if (Contains(k, x)) return std::nullopt;
    if (power != n) rebuilt = MultiplyTrees(std::move(rebuilt), Variable(x));
    rebuilt = AddTrees(std::move(rebuilt), k);
    coefficients.push_back(std::move(k));
  }
  if (!IsZeroNumber(Expand(SubtractTrees(p, std::move(rebuilt))))) return std::nullopt;
  return coefficients;
}

}  // namespace solve

std::optional<ExprNode> SolveEquation(const ExprNode& lhs, const ExprNode& rhs,
                                      std::u16string_view x) {
  solve::Equation equation{lhs, rhs};
  for (int round = 0; round < solve::kMaxRestarts; ++round) {
    equation.lhs = Expand(equation.lhs);
    equation.rhs = Expand(equation.rhs);
    if (poly::IsPolynomialTree(equation.lhs)) {
      std::optional<ExprNode> roots =
          solve::SolvePolynomial(Expand(SubtractTrees(equation.lhs, equation.rhs)), x);
      if (roots && !solve::IsFinite(*roots)) return std::nullopt;
      return roots;
    }
    if (solve::Contains(equation.rhs, x)) return std::nullopt;
    solve::Isolated step = solve::Isolate(std::move(equation), x);
    switch (step.kind) {
      case solve::Isolated::Kind::kRoot:
        if (!solve::IsFinite(step.root)) return std::nullopt;
        return std::move(step.root);
      case solve::Isolated::Kind::kFailed: return std::nullopt;
      case solve::Isolated::Kind::kRestart: equation = std::move(step.restart); break;
    }
  }
  return std::nullopt;
}

}  // namespace zentrix::engine
