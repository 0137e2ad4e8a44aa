#include "engine/commands/calculus/singular_points.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "engine/commands/base/elementary_functions.h"
#include "engine/commands/base/limits.h"
#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine::calculus {
namespace {

namespace id = command_id;

// Values sampled to look for a zero whose place cannot be found exactly.
constexpr int kSamples = 256;
// Poles of a periodic function counted at most; more leave the range suspect.
constexpr double kMaxPeriodicPoles = limits::kPeriodicPoles;

enum class ZeroOf { kArgument, kCosine, kSine };

struct Candidate {
  ExprNode u;
  ZeroOf kind;
};

// Where an elementary function has poles, as zeros of what.
std::optional<ZeroOf> PolesOf(int f) {
  const ElementaryFacts* facts = FindElementaryFacts(f);
  if (facts == nullptr) return std::nullopt;
  switch (facts->poles) {
    case FunctionPoles::kCosineZeros: return ZeroOf::kCosine;
    case FunctionPoles::kSineZeros: return ZeroOf::kSine;
    case FunctionPoles::kArgumentZero: return ZeroOf::kArgument;
    default: return std::nullopt;
  }
}

void Collect(const ExprNode& f, std::u16string_view x, std::vector<Candidate>& out) {
  std::vector<const ExprNode*> pending{&f};
  while (!pending.empty()) {
    const ExprNode* n = pending.back();
    pending.pop_back();
    for (const SymbolTerm& t : n->terms()) {
      if (t.name == x && t.exponent.IsReal() && t.exponent.LessThan(0)) {
        out.push_back({Var(x), ZeroOf::kArgument});
      }
    }
    if (n->IsOperandPower() && n->coefficient().IsReal() && n->coefficient().LessThan(0)) {
      out.push_back({n->Operand(0), ZeroOf::kArgument});
    }
    if (n->IsUnaryFunction()) {
      if (std::optional<ZeroOf> kind = PolesOf(n->FunctionId())) {
        out.push_back({n->Operand(0), *kind});
      }
    }
    for (const ExprNode& op : n->operands()) pending.push_back(&op);
  }
}

std::optional<double> ValueOf(const ExprNode& place) { return RealApproximation(place); }

class Finder {
 public:
  Finder(std::u16string_view x, double a, double b) : x_(x), a_(a), b_(b) {}

  void Add(const Candidate& c) {
    if (FreeOf(c.u, x_)) return;
    if (c.kind == ZeroOf::kArgument) {
      if (!PolynomialZeros(c.u)) Scan(c.u);
      return;
    }
    if (!PeriodicZeros(c.u, c.kind == ZeroOf::kCosine)) {
      Scan(ApplyFunction(c.kind == ZeroOf::kCosine ? id::kCos : id::kSin, c.u));
    }
  }

  SingularPoints Result() {
    std::sort(found_.inside.begin(), found_.inside.end(),
              [](const SingularPoint& p, const SingularPoint& q) { return p.value < q.value; });
    std::vector<SingularPoint> distinct;
    for (SingularPoint& p : found_.inside) {
      if (!distinct.empty() && Near(distinct.back().value, p.value)) continue;
      distinct.push_back(std::move(p));
    }
    found_.inside = std::move(distinct);
    return std::move(found_);
  }

 private:
  bool Near(double p, double q) const {
    return std::fabs(p - q) <= 1e-12 * std::fmax(1.0, std::fmax(std::fabs(p), std::fabs(q)));
  }

  void Offer(ExprNode place) {
    std::optional<double> v = ValueOf(place);
    if (!v) {
      found_.suspect = true;
      return;
    }
    if (Near(*v, a_) || Near(*v, b_) || *v < a_ || *v > b_) return;
    found_.inside.push_back(SingularPoint{std::move(place), *v});
  }

  // The real zeros of a polynomial of degree 1 or 2 with real coefficients.
  bool PolynomialZeros(const ExprNode& u) {
    const ExprNode e = Expand(u);
    const Number degree = Degree(e, x_);
    if (!degree.IsInteger() || degree.LessThan(1) || degree.GreaterThan(2)) return false;
    std::vector<ExprNode> parts;
    Number c[3] = {Number(0.0), Number(0.0), Number(0.0)};
    const int n = static_cast<int>(degree.RealValue());
    for (int k = 0; k <= n; ++k) {
      ExprNode ck = Coefficient(e, x_, Number(static_cast<double>(k)));
      if (!ck.IsRealNumber()) return false;
      c[k] = ck.coefficient();
      parts.push_back(MultiplyTrees(ck, VarPower(x_, Number(static_cast<double>(k)))));
    }
    if (Expand(SumOfTrees(std::move(parts))) != e) return false;
    if (n == 1) {
      Offer(Num(Divide(Negate(c[0]), c[1])));
      return true;
    }
    const Number disc = Subtract(Multiply(c[1], c[1]), Multiply(Number(4.0), Multiply(c[2], c[0])));
    if (disc.LessThan(0)) return true;
    const ExprNode root = SquareRootTree(Num(disc));
    for (int sign : {-1, 1}) {
      ExprNode top = AddTrees(Num(Negate(c[1])), MultiplyNumber(root, Number(sign)));
      Offer(DivideTrees(std::move(top), Num(Multiply(Number(2.0), c[2]))));
    }
    return true;
  }

  // Zeros of cos(u) or sin(u) for u = p·x + q with real numbers p and q.
  bool PeriodicZeros(const ExprNode& u, bool cosine) {
    std::optional<LinearParts> lin = AsLinear(u, x_);
    if (!lin) return false;
    std::optional<double> p = ValueOf(lin->a);
    std::optional<double> q = ValueOf(lin->b);
    if (!p || !q) return false;
    const bool degrees = Engine().angle_unit == 1;
    const double period = degrees ? 180.0 : M_PI;
    const double offset = cosine ? period / 2 : 0.0;
    double u_lo = *p * a_ + *q;
    double u_hi = *p * b_ + *q;
    if (u_lo > u_hi) std::swap(u_lo, u_hi);
    const double k_lo = std::ceil((u_lo - offset) / period - 1e-9);
    const double k_hi = std::floor((u_hi - offset) / period + 1e-9);
    if (k_hi - k_lo + 1 > kMaxPeriodicPoles) {
      found_.suspect = true;
      return true;
    }
    for (double k = k_lo; k <= k_hi; ++k) {
      // u = (k + 1/2)·π for the cosine, k·π for the sine.
      const Number multiple = cosine ? engine::Add(Number(k), Number::Ratio(1, 2)) : Number(k);
      ExprNode zero = degrees ? Num(Multiply(multiple, Number(180.0)))
                              : MakeTermNode(std::u16string(1, chars::kPi), multiple, Number(1.0));
      Offer(DivideTrees(SubtractTrees(std::move(zero), lin->b), lin->a));
    }
    return true;
  }

  // A zero or a change of sign among sampled values of g.
  void Scan(const ExprNode& g) {
    int previous = 0;
    for (int i = 0; i <= kSamples; ++i) {
      const double t = a_ + (b_ - a_) * i / kSamples;
      std::optional<Number> v = NumericValueAt(g, x_, t);
      if (!v || !v->IsReal()) continue;  // outside the real domain: no conclusion
      const double value = v->RealValue();
      const int sign = value > 0 ? 1 : (value < 0 ? -1 : 0);
      if ((sign == 0 && i > 0 && i < kSamples) ||
          (previous != 0 && sign != 0 && sign != previous)) {
        found_.suspect = true;
        return;
      }
      if (sign != 0) previous = sign;
    }
  }

  std::u16string_view x_;
  double a_;
  double b_;
  SingularPoints found_;
};

}  // namespace

SingularPoints FindSingularPoints(const ExprNode& f, std::u16string_view x, double a, double b) {
  std::vector<Candidate> candidates;
  Collect(f, x, candidates);
  Finder finder(x, a, b);
  for (const Candidate& c : candidates) finder.Add(c);
  return finder.Result();
}

}  // namespace zentrix::engine::calculus
