#include "engine/commands/calculus/integrate.h"

#include <string>
#include <utility>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/base/limits.h"
#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/calculus/definite_integral.h"
#include "engine/commands/calculus/derivative.h"
#include "engine/commands/calculus/integrate_table.h"
#include "engine/commands/calculus/integrate_trig_powers.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/simplify/trig_reduce.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;
using calculus::AsLinear;
using calculus::FreeOf;
using calculus::Ln;
using calculus::Num;
using Factors = std::vector<ExprNode>;

// Rule applications allowed for one integrand; the recursive patterns
// (integration by parts, TrigReduce, substitution) stop there.
constexpr int kMaxRuleApplications = limits::kIntegrateRuleApplications;
// Integration by parts is repeated at most this many times.
constexpr int kMaxPartsDegree = limits::kIntegratePartsDegree;

ExprNode Mul(ExprNode a, ExprNode b) { return MultiplyTrees(std::move(a), std::move(b)); }
ExprNode Div(ExprNode a, ExprNode b) { return DivideTrees(std::move(a), std::move(b)); }
ExprNode Fn(int f, const ExprNode& u) { return ApplyFunction(f, u); }

ExprNode ProductOf(const Factors& factors, std::size_t skip = static_cast<std::size_t>(-1)) {
  std::vector<ExprNode> parts;
  parts.reserve(factors.size());
  for (std::size_t i = 0; i < factors.size(); ++i) {
    if (i != skip) parts.push_back(factors[i]);
  }
  return ProductOfTrees(std::move(parts));
}

bool IsUnary(const ExprNode& f, int function) {
  return f.IsUnaryFunction() && f.IsFunction(function) && f.coefficient().IsOne();
}

class Integrator {
 public:
  explicit Integrator(std::u16string_view x) : x_(x) {}

  std::optional<ExprNode> Of(const ExprNode& f) {
    DepthGuard guard;
    if (!guard.ok() || ++steps_ > kMaxRuleApplications) return std::nullopt;
    if (f.IsList()) return List(f);
    if (FreeOf(f, x_)) return Mul(f, X());
    if (f.IsSum()) return Sum(f);
    if (f.IsProduct()) return Product(f);
    if (f.IsPower()) return Power(f);
    if (f.IsAnyFunction()) return Function(f);
    return std::nullopt;
  }

 private:
  ExprNode X() const { return calculus::Var(x_); }

  std::optional<ExprNode> List(const ExprNode& f) {
    ExprNode result(f.kind(), f.coefficient());
    for (const ExprNode& element : f.operands()) {
      std::optional<ExprNode> r = Of(element);
      if (!r) return std::nullopt;
      result.AddOperand(std::move(*r));
    }
    return result;
  }

  // Term by term: c·x^e gives c·x^(e+1)/(e+1), c·x^-1 gives c·ln(x).
  std::optional<ExprNode> Sum(const ExprNode& f) {
    std::vector<ExprNode> parts;
    parts.push_back(Mul(Num(f.coefficient()), X()));
    for (const SymbolTerm& t : f.terms()) {
      ExprNode term;
      if (t.name != x_) {
        term = Mul(ExprNode::MakeTerm(t), X());
      } else if (t.exponent.EqualsValue(-1)) {
        term = MultiplyNumber(Ln(X()), t.coefficient);
      } else {
        const Number e1 = Add(t.exponent, Number(1.0));
        term = MakeTermNode(t.name, Divide(t.coefficient, e1), e1);
      }
      parts.push_back(std::move(term));
    }
    for (const ExprNode& op : f.operands()) {
      std::optional<ExprNode> r = Of(op);
      if (!r) return std::nullopt;
      parts.push_back(std::move(*r));
    }
    return SumOfTrees(std::move(parts));
  }

  std::optional<ExprNode> Product(const ExprNode& f) {
    ExprNode constant = Num(f.coefficient());
    Factors factors;
    for (const SymbolTerm& t : f.terms()) {
      ExprNode term = MakeTermNode(t.name, t.coefficient, t.exponent);
      if (t.name == x_) {
        factors.push_back(std::move(term));
      } else {
        constant = Mul(std::move(constant), std::move(term));
      }
    }
    for (const ExprNode& op : f.operands()) {
      if (FreeOf(op, x_)) {
        constant = Mul(std::move(constant), op);
      } else if (op.IsAnyFunction() && !op.coefficient().IsOne()) {
        constant = MultiplyNumber(std::move(constant), op.coefficient());
        ExprNode g = op;
        g.set_coefficient(Number(1.0));
        factors.push_back(std::move(g));
      } else {
        factors.push_back(op);
      }
    }
    if (factors.empty()) return Mul(std::move(constant), X());
    std::optional<ExprNode> r = factors.size() == 1 ? Of(factors[0]) : ProductPatterns(factors);
    if (!r && factors.size() > 1) r = AfterTrigReduce(ProductOf(factors));
    if (!r) return std::nullopt;
    return Mul(std::move(constant), std::move(*r));
  }

  // When nothing matched: the product of sines and cosines rewritten as a sum.
  std::optional<ExprNode> AfterTrigReduce(const ExprNode& g) {
    if (reducing_) return std::nullopt;
    ExprNode reduced = TrigReduce(g);
    if (reduced == g) return std::nullopt;
    reducing_ = true;
    std::optional<ExprNode> r = Of(reduced);
    reducing_ = false;
    return r;
  }

  std::optional<ExprNode> ProductPatterns(const Factors& factors) {
    if (auto r = ExpTimesWave(factors)) return r;
    if (auto r = TrigPowers(factors)) return r;
    if (auto r = ByParts(factors)) return r;
    if (auto r = PowerSubstitution(factors)) return r;
    if (auto r = FunctionSubstitution(factors)) return r;
    return std::nullopt;
  }

  // exp(a·x + b)·sin(c·x + d) and exp(a·x + b)·cos(c·x + d).
  std::optional<ExprNode> ExpTimesWave(const Factors& r) {
    if (r.size() != 2) return std::nullopt;
    const int e = IsUnary(r[0], id::kExp) ? 0 : (IsUnary(r[1], id::kExp) ? 1 : -1);
    if (e < 0) return std::nullopt;
    const ExprNode& exp_factor = r[e];
    const ExprNode& wave = r[1 - e];
    const bool sine = IsUnary(wave, id::kSin);
    if (!sine && !IsUnary(wave, id::kCos)) return std::nullopt;
    std::optional<calculus::LinearParts> lu = AsLinear(exp_factor.Operand(0), x_);
    std::optional<calculus::LinearParts> lv = AsLinear(wave.Operand(0), x_);
    if (!lu || !lv) return std::nullopt;
    const ExprNode& v = wave.Operand(0);
    ExprNode denominator =
        AddTrees(PowerNumber(lu->a, Number(2.0)), PowerNumber(lv->a, Number(2.0)));
    ExprNode s = Fn(id::kSin, v);
    ExprNode c = Fn(id::kCos, v);
    ExprNode numerator = sine ? SubtractTrees(Mul(lu->a, std::move(s)), Mul(lv->a, std::move(c)))
                              : AddTrees(Mul(lu->a, std::move(c)), Mul(lv->a, std::move(s)));
    return Div(Mul(exp_factor, std::move(numerator)), std::move(denominator));
  }

  // Powers of one or two trigonometric functions of one linear argument.
  std::optional<ExprNode> TrigPowers(const Factors& r) {
    const ExprNode* u = TrigPowerArgument(r);
    if (u == nullptr) return std::nullopt;
    std::optional<calculus::LinearParts> lin = AsLinear(*u, x_);
    if (!lin) return std::nullopt;
    std::optional<ExprNode> F = TrigPowerAntiderivative(r);
    if (!F) return std::nullopt;
    return Div(std::move(*F), std::move(lin->a));
  }

  // x^n·f(a·x + b) by repeated integration by parts (f = sin, cos, exp, sinh,
  // cosh), and x^e·ln(a·x), x^e·log10(a·x).
  std::optional<ExprNode> ByParts(const Factors& r) {
    if (r.size() != 2) return std::nullopt;
    const int p = IsPowerOfX(r[0]) ? 0 : (IsPowerOfX(r[1]) ? 1 : -1);
    if (p < 0) return std::nullopt;
    const Number e = r[p].Term(0).exponent;
    const ExprNode& g = r[1 - p];
    if (!g.IsUnaryFunction() || !g.coefficient().IsOne()) return std::nullopt;
    const int f = g.FunctionId();
    if (f == id::kLn || f == id::kLog10) return PowerTimesLog(e, g);
    if (f != id::kSin && f != id::kCos && f != id::kExp && f != id::kSinh && f != id::kCosh) {
      return std::nullopt;
    }
    if (!e.IsInteger() || !e.GreaterThan(0) || e.GreaterThan(kMaxPartsDegree)) return std::nullopt;
    if (!AsLinear(g.Operand(0), x_)) return std::nullopt;
    const int n = static_cast<int>(e.RealValue());
    // x^n·I1 − n·x^(n−1)·I2 + n(n−1)·x^(n−2)·I3 − ..., I(k+1) = ∫ I(k).
    ExprNode integral = g;
    ExprNode result = ExprNode::Zero();
    double factor = 1;
    for (int k = 0; k <= n; ++k) {
      std::optional<ExprNode> next = Of(integral);
      if (!next) return std::nullopt;
      integral = std::move(*next);
      ExprNode term = Mul(calculus::VarPower(x_, Number(static_cast<double>(n - k))), integral);
      result = AddTrees(std::move(result), MultiplyNumber(std::move(term), Number(factor)));
      factor *= -(n - k);
    }
    return result;
  }

  bool IsPowerOfX(const ExprNode& f) const {
    return f.IsSingleTerm() && f.Term(0).name == x_ && f.Term(0).coefficient.IsOne();
  }

  // ∫ x^e·ln(a·x) = x^(e+1)·ln(a·x)/(e+1) − x^(e+1)/(e+1)², for e ≠ −1.
  std::optional<ExprNode> PowerTimesLog(const Number& e, const ExprNode& g) {
    if (e.EqualsValue(-1) || !e.IsReal()) return std::nullopt;
    std::optional<calculus::LinearParts> lin = AsLinear(g.Operand(0), x_);
    if (!lin || !(lin->b.IsNumber() && lin->b.coefficient().IsZero())) return std::nullopt;
    const Number e1 = Add(e, Number(1.0));
    ExprNode head = MultiplyNumber(Mul(calculus::VarPower(x_, e1), g), Divide(Number(1.0), e1));
    ExprNode tail =
        MultiplyNumber(calculus::VarPower(x_, e1), Divide(Number(-1.0), Multiply(e1, e1)));
    if (g.IsFunction(id::kLog10)) tail = Div(std::move(tail), Ln(Num(10.0)));
    return AddTrees(std::move(head), std::move(tail));
  }

  // u^n times a numeric multiple of u': u^(n+1)/((n+1)·k), or ln(u)/k for n = −1.
  std::optional<ExprNode> PowerSubstitution(const Factors& r) {
    for (std::size_t i = 0; i < r.size(); ++i) {
      // Each candidate builds the product of all the other factors.
      if (!CountWork(r.size())) return std::nullopt;
      const ExprNode& p = r[i];
      if (p.IsSingleTerm()) continue;  // x^e: u' = 1 leaves nothing to match
      const bool power = p.IsOperandPower();
      const ExprNode& u = power ? p.Operand(0) : p;
      const Number n = power ? p.coefficient() : Number(1.0);
      std::optional<Number> k = DerivativeRatio(u, ProductOf(r, i));
      if (!k) continue;
      if (n.EqualsValue(-1)) return MultiplyNumber(Ln(u), Divide(Number(1.0), *k));
      const Number n1 = Add(n, Number(1.0));
      return MultiplyNumber(PowerNumber(u, n1), Divide(Number(1.0), Multiply(n1, *k)));
    }
    return std::nullopt;
  }

  // f(u) (a table function, or b^u) times a numeric multiple of u': F(u)/k.
  std::optional<ExprNode> FunctionSubstitution(const Factors& r) {
    for (std::size_t i = 0; i < r.size(); ++i) {
      if (!CountWork(r.size())) return std::nullopt;
      const ExprNode& g = r[i];
      std::optional<ExprNode> F;
      const ExprNode* u = nullptr;
      if (g.IsUnaryFunction() && g.coefficient().IsOne()) {
        u = &g.Operand(0);
        F = TableAntiderivative(g.FunctionId(), *u);
      } else if (IsExponential(g)) {
        u = &g.Operand(1);
        F = Div(g, Ln(g.Operand(0)));
      }
      if (!F) continue;
      std::optional<Number> k = DerivativeRatio(*u, ProductOf(r, i));
      if (!k) continue;
      return MultiplyNumber(std::move(*F), Divide(Number(1.0), *k));
    }
    return std::nullopt;
  }

  // k with u' = k·rest.
  std::optional<Number> DerivativeRatio(const ExprNode& u, const ExprNode& rest) {
    if (++steps_ > kMaxRuleApplications) return std::nullopt;
    std::optional<ExprNode> du = Differentiate(u, x_);
    if (!du) return std::nullopt;
    return calculus::NumericRatio(*du, rest);
  }

  // b^v with b free of x.
  bool IsExponential(const ExprNode& g) const {
    return g.IsPower() && g.OperandCount() == 2 && g.TermCount() == 0 && g.coefficient().IsOne() &&
           FreeOf(g.Operand(0), x_);
  }

  std::optional<ExprNode> Power(const ExprNode& f) {
    if (IsExponential(f)) {  // b^(a·x + c) = b^(a·x + c)/(a·ln(b))
      std::optional<calculus::LinearParts> lin = AsLinear(f.Operand(1), x_);
      if (!lin) return std::nullopt;
      return Div(f, Mul(std::move(lin->a), Ln(f.Operand(0))));
    }
    if (f.IsPower() && f.OperandCount() == 2 && f.coefficient().IsOne() &&
        FreeOf(f.Operand(1), x_)) {  // u^v with a linear u and v free of x
      std::optional<calculus::LinearParts> lin = AsLinear(f.Operand(0), x_);
      if (!lin) return std::nullopt;
      ExprNode v1 = AddNumber(f.Operand(1), Number(1.0));
      return Div(PowerTrees(f.Operand(0), v1), Mul(std::move(lin->a), v1));
    }
    if (!f.IsOperandPower()) return std::nullopt;
    const ExprNode& u = f.Operand(0);
    const Number& n = f.coefficient();
    if (std::optional<calculus::LinearParts> lin = AsLinear(u, x_)) {
      if (n.EqualsValue(-1)) return Div(Ln(u), std::move(lin->a));
      const Number n1 = Add(n, Number(1.0));
      return Div(PowerNumber(u, n1), MultiplyNumber(std::move(lin->a), n1));
    }
    if (std::optional<ExprNode> q = Quadratic(u, n)) return q;
    if (IsUnary(u, id::kExp)) {  // exp(v)^n = exp(n·v)
      return Of(Fn(id::kExp, MultiplyNumber(u.Operand(0), n)));
    }
    if (auto r = TrigPowers(Factors{f})) return r;
    return AfterTrigReduce(f);
  }

  // (a·x² + c)^-1 and (a·x² + c)^(-1/2) for real numbers a and c of either sign.
  std::optional<ExprNode> Quadratic(const ExprNode& u, const Number& n) {
    const bool inverse = n.EqualsValue(-1);
    const bool inverse_root = n == Number::Ratio(-1, 2);
    if (!inverse && !inverse_root) return std::nullopt;
    if (!u.IsSum() || u.OperandCount() != 0 || u.TermCount() != 1) return std::nullopt;
    const SymbolTerm& t = u.Term(0);
    const Number& c = u.coefficient();
    if (t.name != x_ || !t.exponent.EqualsValue(2) || !t.coefficient.IsReal() || !c.IsReal() ||
        c.IsZero()) {
      return std::nullopt;
    }
    const bool a_positive = t.coefficient.GreaterThan(0);
    const bool c_positive = c.GreaterThan(0);
    const ExprNode ra = SquareRootTree(Num(a_positive ? t.coefficient : Negate(t.coefficient)));
    const ExprNode rc = SquareRootTree(Num(c_positive ? c : Negate(c)));
    const ExprNode scaled = Div(Mul(ra, X()), rc);  // √|a|·x/√|c|
    if (inverse) {
      // a > 0: atan (c > 0) or −atanh (c < 0); a < 0: atanh or −atan.
      const int f = a_positive == c_positive ? id::kAtan : id::kAtanh;
      ExprNode value = Div(Fn(f, scaled), Mul(ra, rc));
      return c_positive ? value : NegateTree(std::move(value));
    }
    if (!a_positive && !c_positive) return std::nullopt;  // the root is imaginary throughout
    const int f = !a_positive ? id::kAsin : (c_positive ? id::kAsinh : id::kAcosh);
    return Div(Fn(f, scaled), ra);
  }

  // F(a·x + b)/a for a table function of a linear argument.
  std::optional<ExprNode> Function(const ExprNode& f) {
    if (!f.IsUnaryFunction()) return std::nullopt;
    const ExprNode& u = f.Operand(0);
    std::optional<calculus::LinearParts> lin = AsLinear(u, x_);
    if (!lin) return std::nullopt;
    std::optional<ExprNode> F = TableAntiderivative(f.FunctionId(), u);
    if (!F) return std::nullopt;
    return MultiplyNumber(Div(std::move(*F), std::move(lin->a)), f.coefficient());
  }

  std::u16string x_;
  int steps_ = 0;
  bool reducing_ = false;
};

bool Acceptable(const std::optional<ExprNode>& r) {
  return r && !HasCommandFault() &&
         calculus::TreeSize(*r, calculus::kMaxResultSize) <= calculus::kMaxResultSize;
}

}  // namespace

std::optional<ExprNode> Antiderivative(const ExprNode& f, std::u16string_view x) {
  std::optional<ExprNode> r = Integrator(x).Of(f);
  if (Acceptable(r)) return r;
  ExprNode expanded = Expand(f);
  if (expanded == f) return std::nullopt;
  r = Integrator(x).Of(expanded);
  if (Acceptable(r)) return r;
  return std::nullopt;
}

std::optional<CommandOutcome> IntegrateAlgorithm(std::vector<ExprNode>& arguments) {
  RaiseRewriteFlag();
  const std::u16string x(arguments[1].VariableName());
  std::optional<ExprNode> r = arguments.size() >= 4
                                  ? DefiniteIntegral(arguments[0], x, arguments[2], arguments[3])
                                  : Antiderivative(arguments[0], x);
  if (!r) return std::nullopt;
  return CommandOutcome::Value(std::move(*r));
}

}  // namespace zentrix::engine
