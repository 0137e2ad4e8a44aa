#include "engine/commands/calculus/definite_integral.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/calculus/integrate.h"
#include "engine/commands/calculus/limit.h"
#include "engine/commands/calculus/singular_points.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;
using calculus::Num;

// A symbolic value is accepted when a numeric quadrature that succeeds agrees
// with it to this relative tolerance.
constexpr double kAgreement = 1e-6;
constexpr double kCheckAccuracy = 1e-8;

bool IsZeroNumber(const ExprNode& n) { return n.IsNumber() && n.coefficient().IsZero(); }

bool IsUnary(const ExprNode& f, int function) {
  return f.IsUnaryFunction() && f.IsFunction(function) && f.coefficient().IsOne();
}

// c·x^n·exp(−x) with a number c and a non-negative integer n: c·n!.
std::optional<Number> GammaPattern(const ExprNode& f, std::u16string_view x) {
  auto is_exp_minus_x = [x](const ExprNode& g) {
    if (!IsUnary(g, id::kExp)) return false;
    const ExprNode& arg = g.Operand(0);
    return arg.IsSingleTerm() && arg.IsSum() && arg.Term(0).name == x &&
           arg.Term(0).coefficient.EqualsValue(-1) && arg.Term(0).exponent.IsOne();
  };
  if (f.IsUnaryFunction() && f.coefficient().IsFinite()) {
    ExprNode g = f;
    g.set_coefficient(Number(1.0));
    if (is_exp_minus_x(g)) return f.coefficient();
    return std::nullopt;
  }
  if (!f.IsProduct() || f.OperandCount() != 1 || f.TermCount() > 1) return std::nullopt;
  if (!is_exp_minus_x(f.Operand(0))) return std::nullopt;
  Number n(0.0);
  if (f.TermCount() == 1) {
    const SymbolTerm& t = f.Term(0);
    if (t.name != x || !t.exponent.IsInteger() || t.exponent.LessThan(0)) return std::nullopt;
    n = t.exponent;
  }
  std::optional<Number> factorial = Factorial(n);
  if (!factorial) return std::nullopt;
  return Multiply(
      Multiply(f.coefficient(), f.TermCount() == 1 ? f.Term(0).coefficient : Number(1.0)),
      *factorial);
}

std::optional<double> RealValue(const ExprNode& v) { return calculus::RealApproximation(v); }

int InfinitySign(const ExprNode& v) {
  if (!v.IsPlain()) return 0;
  if (v.coefficient().IsPlusInfinity()) return 1;
  if (v.coefficient().IsMinusInfinity()) return -1;
  return 0;
}

// F at p: its value, or where that is undefined (and always at a singular
// point) its limit from the side of the range.
std::optional<ExprNode> EndValue(const ExprNode& F, std::u16string_view x, const ExprNode& p,
                                 int side, bool singular, bool& limit_taken) {
  if (!singular) {
    ExprNode v = calculus::AtPoint(F, x, p);
    if (InfinitySign(v) != 0 || (!calculus::HasUndefinedPart(v) && !HasOverflow(v))) return v;
  }
  limit_taken = true;
  LimitResult r = ComputeLimit(F, x, p, side);
  if (!r.found() || r.value.IsList()) return std::nullopt;
  return std::move(r.value);
}

// The sum of the pieces F(right⁻) − F(left⁺): finite values added, divergent
// pieces of one sign giving that infinity, of both signs nothing.
class PieceSum {
 public:
  bool Add(const ExprNode& left, const ExprNode& right) {
    const int l = InfinitySign(left);
    const int r = InfinitySign(right);
    if ((l == 0 && !left.coefficient().IsFinite() && left.IsPlain()) ||
        (r == 0 && !right.coefficient().IsFinite() && right.IsPlain())) {
      return false;
    }
    if (l == 0 && r == 0) {
      if (calculus::HasUndefinedPart(left) || calculus::HasUndefinedPart(right)) return false;
      finite_.push_back(SubtractTrees(right, left));
      return true;
    }
    if (l != 0 && r != 0 && l == r) return false;  // ∞ − ∞
    const int sign = r != 0 ? r : -l;
    if (divergence_ != 0 && divergence_ != sign) {
      mixed_ = true;
      return true;
    }
    divergence_ = sign;
    return true;
  }

  std::optional<ExprNode> Total() {
    if (mixed_) return std::nullopt;
    if (divergence_ != 0) {
      return Num(divergence_ > 0 ? Number::PlusInfinity() : Number::MinusInfinity());
    }
    return Expand(SumOfTrees(std::move(finite_)));
  }

 private:
  std::vector<ExprNode> finite_;
  int divergence_ = 0;
  bool mixed_ = false;
};

// ∫ f from a to b over a real range a < b split at the singular points inside.
std::optional<ExprNode> OverRealRange(const ExprNode& f, const ExprNode& F, std::u16string_view x,
                                      const ExprNode& a, const ExprNode& b, double lo, double hi) {
  calculus::SingularPoints singular = calculus::FindSingularPoints(f, x, lo, hi);
  if (singular.suspect) return std::nullopt;
  std::vector<ExprNode> breaks{a};
  for (calculus::SingularPoint& p : singular.inside) breaks.push_back(std::move(p.place));
  breaks.push_back(b);
  PieceSum sum;
  bool limit_taken = false;
  for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
    std::optional<ExprNode> left = EndValue(F, x, breaks[i], 1, i > 0, limit_taken);
    if (!left) return std::nullopt;
    std::optional<ExprNode> right =
        EndValue(F, x, breaks[i + 1], -1, i + 2 < breaks.size(), limit_taken);
    if (!right) return std::nullopt;
    if (!sum.Add(*left, *right)) return std::nullopt;
  }
  std::optional<ExprNode> total = sum.Total();
  if (!total) return std::nullopt;
  // A second opinion: antiderivatives with a jump inside the range (or a
  // singularity placed wrongly) would give a finite value that quadrature
  // contradicts. The rules integrate in radians, so in degrees the two would
  // differ by design and the check is left out.
  if (Engine().angle_unit == 1) return total;
  std::optional<double> numeric = calculus::NumericIntegral(f, x, Num(lo), Num(hi), kCheckAccuracy);
  // A finite value that rests on limits at singular points must be confirmed:
  // an antiderivative with a finite-looking value at a pole (atanh(1)) would
  // otherwise pass.
  if (!numeric && limit_taken && InfinitySign(*total) == 0) return std::nullopt;
  if (numeric) {
    if (InfinitySign(*total) != 0) return std::nullopt;
    std::optional<double> symbolic = RealValue(*total);
    if (symbolic &&
        std::fabs(*symbolic - *numeric) > kAgreement * std::fmax(1.0, std::fabs(*numeric))) {
      return std::nullopt;
    }
  }
  return total;
}

}  // namespace

std::optional<ExprNode> DefiniteIntegral(const ExprNode& f, std::u16string_view x,
                                         const ExprNode& a, const ExprNode& b) {
  if (f.IsNumber()) {
    if (f.coefficient().IsZero()) return ExprNode::Zero();
    return MultiplyTrees(f, SubtractTrees(b, a));
  }
  if (b.IsPlusInfinity() && IsZeroNumber(a)) {
    if (std::optional<Number> value = GammaPattern(f, x)) return Num(*value);
  }
  if (calculus::IsInfiniteValue(a) || calculus::IsInfiniteValue(b)) return std::nullopt;
  std::optional<ExprNode> F = Antiderivative(f, x);
  if (!F) return std::nullopt;
  const std::optional<double> lo = RealValue(a);
  const std::optional<double> hi = RealValue(b);
  if (lo && hi && *lo != *hi) {
    if (*lo < *hi) return OverRealRange(f, *F, x, a, b, *lo, *hi);
    std::optional<ExprNode> reversed = OverRealRange(f, *F, x, b, a, *hi, *lo);
    if (!reversed) return std::nullopt;
    return NegateTree(std::move(*reversed));
  }
  return Expand(SubtractTrees(calculus::AtPoint(*F, x, b), calculus::AtPoint(*F, x, a)));
}

}  // namespace zentrix::engine
