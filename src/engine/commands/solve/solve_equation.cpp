// The main procedure of Solve: both sides expanded, a polynomial left side
// classified by degree and exponent set (linear, quadratic, cubic, higher
// degrees through their factors), anything else handed to isolation, which
// may rewrite the equation and start again, on more than one branch. What
// isolation cannot do is tried as a polynomial in x with constant
// coefficients, and an equation with x on both sides under one radical is
// cleared of the radical. Roots from steps that can add false roots are
// checked against the original equation.

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

// The roots of a polynomial given by its coefficients (highest first, every
// coefficient free of x).
std::optional<ExprNode> SolveByCoefficients(const std::vector<ExprNode>& k, std::u16string_view x) {
  switch (k.size()) {
    case 2: return DivideTrees(NegateTree(k[1]), k[0]);
    case 3: return QuadraticRoots(k[0], k[1], k[2]);
    case 4: {
      if (auto roots = CubicRoots(k[0], k[1], k[2], k[3])) return roots;
      break;
    }
    default: break;
  }
  std::vector<ExprNode> padded = k;
  // A cubic with constant but not numeric coefficients goes the numeric way.
  if (padded.size() == 4) padded.insert(padded.begin(), ExprNode::Zero());
  std::optional<std::vector<ExprNode>> roots = HighDegreeRoots(padded, x);
  if (!roots) return std::nullopt;
  return RootList(std::move(*roots));
}

std::optional<ExprNode> SolvePolynomial(const ExprNode& p, std::u16string_view x) {
  const Number degree = Degree(p, x);
  const std::vector<Number> exponents = ExponentSet(p, x);
  if (degree.IsOne() && exponents.size() == 1 && exponents[0].IsOne()) {
    return SolveLinear(p, x);
  }
  if (auto k = ExtractCoefficients(p, x, 2)) return QuadraticRoots((*k)[0], (*k)[1], (*k)[2]);
  if (auto k = ExtractCoefficients(p, x, 3)) return CubicRoots((*k)[0], (*k)[1], (*k)[2], (*k)[3]);
  if (degree.RealValue() >= 4) {
    if (auto k = CoefficientsInX(p, x, false)) {
      if (auto roots = HighDegreeRoots(*k, x)) return RootList(std::move(*roots));
    }
  }
  return std::nullopt;
}

// The answers of the branches of one equation: each a root or a list of
// roots, marked when it has to be checked.
struct Branch {
  ExprNode answer;
  bool needs_check;
};

class BranchSolver {
 public:
  explicit BranchSolver(std::u16string_view x) : x_(x) {}

  bool Solve(Equation equation, bool needs_check) {
    while (++rounds_ <= kMaxRestarts) {
      equation.lhs = Expand(equation.lhs);
      equation.rhs = Expand(equation.rhs);
      if (equation.lhs.IsVariableNamed(x_) && !Contains(equation.rhs, x_)) {
        return Found(std::move(equation.rhs), needs_check);
      }
      if (poly::IsPolynomialTree(equation.lhs)) {
        std::optional<ExprNode> roots =
            SolvePolynomial(Expand(SubtractTrees(equation.lhs, equation.rhs)), x_);
        if (!roots) return OtherForms(equation, needs_check);
        return Found(std::move(roots), needs_check);
      }
      if (Contains(equation.rhs, x_)) return OtherForms(equation, needs_check);
      Isolated step = Isolate(equation, x_);
      switch (step.kind) {
        case Isolated::Kind::kRoot:
          return Found(std::move(step.root), needs_check || step.needs_check);
        case Isolated::Kind::kFailed: return OtherForms(equation, needs_check);
        case Isolated::Kind::kRestart:
          needs_check = needs_check || step.needs_check;
          for (std::size_t i = 1; i < step.restarts.size(); ++i) {
            if (!Solve(std::move(step.restarts[i]), needs_check)) return false;
          }
          equation = std::move(step.restarts[0]);
          break;
      }
    }
    return false;
  }

  std::vector<Branch>& branches() { return branches_; }

 private:
  bool Found(std::optional<ExprNode> answer, bool needs_check) {
    if (!answer) return false;
    // An infinite or undefined value (ln 0, a zero leading coefficient) is no
    // root: the branch has none, and the others still count.
    if (!IsFinite(*answer)) return true;
    branches_.push_back(Branch{std::move(*answer), needs_check});
    return true;
  }

  // A polynomial in x with constant coefficients (√2·x² − x = 1), or one
  // radical cleared by raising both sides to its index.
  bool OtherForms(const Equation& equation, bool needs_check) {
    const ExprNode p = Expand(SubtractTrees(equation.lhs, equation.rhs));
    if (auto k = CoefficientsInX(p, x_, true))
      return Found(SolveByCoefficients(*k, x_), needs_check);
    if (std::optional<Equation> cleared = ClearRadical(p, x_))
      return Solve(std::move(*cleared), true);
    return false;
  }

  std::u16string_view x_;
  int rounds_ = 0;
  std::vector<Branch> branches_;
};

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
  solve::BranchSolver solver(x);
  if (!solver.Solve(solve::Equation{lhs, rhs}, false)) return std::nullopt;
  std::vector<solve::Branch>& branches = solver.branches();
  if (branches.size() == 1 && !branches[0].needs_check) return std::move(branches[0].answer);
  std::vector<ExprNode> roots;
  for (solve::Branch& branch : branches) {
    for (ExprNode& root : solve::RootsOf(std::move(branch.answer))) {
      if (branch.needs_check && solve::CheckRoot(lhs, rhs, x, root) == solve::RootCheck::kFails) {
        continue;
      }
      roots.push_back(std::move(root));
    }
  }
  if (roots.empty()) return std::nullopt;
  return solve::RootList(std::move(roots));
}

}  // namespace zentrix::engine
