// Factor, FactorSquareFree and Content on trees.

#include <cmath>

#include "engine/commands/base/command_rule.h"
#include "engine/commands/base/exact_range.h"
#include "engine/commands/polynomial/poly_factor.h"
#include "engine/commands/polynomial/poly_gcd.h"
#include "engine/commands/polynomial/poly_support.h"
#include "engine/commands/polynomial/poly_tree_ops.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace poly {
namespace {

struct ContentSplit {
  Number content{1.0};
  ExprNode primitive;
};

// The content of a polynomial with exact rational coefficients: the gcd of
// the numerators over the lcm of the denominators, so that the primitive part
// has coprime integer coefficients (x²/2 + x/2 = 1/2·(x² + x)). 1 when a
// coefficient is not rational or the lcm leaves the exact range.
Number RationalContent(const Poly& p) {
  double numerator = 0.0;
  double denominator = 1.0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Number& c = p.Coeff(i);
    if (!c.IsInteger() && !c.IsFraction()) return Number(1.0);
    numerator = NumberGcd(numerator, std::fabs(c.RealNumerator()));
    denominator *= c.RealDenominator() / NumberGcd(denominator, c.RealDenominator());
    if (numerator == 0.0 || denominator > kExactIntegerLimit) return Number(1.0);
  }
  return Divide(Number(numerator), Number(denominator));
}

// The numeric content of a polynomial tree: the gcd of its constant term and
// of every coefficient of its terms and of its product operands.
Number TreeContent(const ExprNode& f) {
  AtomTable atoms;
  auto p = ToPolynomial(f, atoms);
  if (!p) return Number(1.0);
  // The constant term counts even when it is 0 (gcd(0, c) = c).
  bool has_fraction = false;
  for (std::size_t i = 0; i < p->size(); ++i) has_fraction |= p->Coeff(i).IsFraction();
  return has_fraction ? RationalContent(*p) : NumericContent(*p);
}

ContentSplit SplitContent(const ExprNode& f) {
  if (f.IsNumber()) return {Number(1.0), f};
  if (f.IsSingleTerm() && f.IsSum()) {
    ExprNode primitive = f;
    const Number c = f.Term(0).coefficient;
    primitive.Term(0).coefficient = Number(1.0);
    return {c, primitive};
  }
  if (!IsPolynomialTree(f)) return {Number(1.0), f};
  const Number content = TreeContent(f);
  if (content.IsOne()) return {content, f};
  AtomTable atoms;
  auto p = ToPolynomial(f, atoms);
  return {content, FromPoly(p->Scaled(Divide(Number(1.0), content)), atoms)};
}

ExprNode WithContent(const Number& content, const ExprNode& primitive) {
  return content.IsOne() ? primitive : TreeScale(primitive, content);
}

ExprNode FactorIn(const ExprNode& f, const std::u16string& x, int depth);

// Kronecker's method on a primitive polynomial tree in x alone; nullopt when
// it finds no proper factorisation.
std::optional<ExprNode> KroneckerTree(const ExprNode& primitive, const std::u16string& x,
                                      const Number& content) {
  AtomTable atoms(std::vector<std::u16string>{x});
  auto p = ToPolynomial(primitive, atoms);
  if (!p || atoms.size() != 1) return std::nullopt;
  // The lowest power of x is a factor of its own; Kronecker's method needs a
  // non-zero constant term.
  const Exponent low = p->MinDegree(0);
  if (low > 0) *p = p->Shifted(0, -low);
  Factorization factors;
  if (p->Degree(0) >= 1) {
    factors = KroneckerFactor(*p);
  } else {
    factors.coefficient = p->LeadingNumber();
  }
  if (low > 0) {
    factors.factors.insert(factors.factors.begin(),
                           {Poly::Monomial(1, Number(1.0), 0, 1), static_cast<int>(low)});
  } else if (factors.factors.size() == 1 && factors.factors[0].second == 1) {
    return std::nullopt;
  }
  factors.coefficient = Multiply(factors.coefficient, content);
  return FactorizationTree(factors, atoms);
}

// The common monomial factor of a polynomial in several variables taken out:
// x²y + xy² = xy(x + y). nullopt when there is none.
std::optional<ExprNode> MonomialFactorTree(const ExprNode& primitive, const Number& content) {
  if (!IsPolynomialTree(primitive)) return std::nullopt;
  AtomTable atoms(Variables(primitive));
  auto p = ToPolynomial(primitive, atoms);
  if (!p || p->size() < 2) return std::nullopt;
  Poly monomial = Poly::Constant(p->nvars(), Number(1.0));
  Poly rest = *p;
  for (int v = 0; v < p->nvars(); ++v) {
    const Exponent low = p->MinDegree(v);
    if (low <= 0) continue;
    monomial = monomial * Poly::Monomial(p->nvars(), Number(1.0), v, low);
    rest = rest.Shifted(v, -low);
  }
  if (monomial.IsConstant()) return std::nullopt;
  Factorization factors;
  factors.coefficient = content;
  factors.factors.emplace_back(std::move(monomial), 1);
  factors.factors.emplace_back(std::move(rest), 1);
  return FactorizationTree(factors, atoms);
}

// The node's kind, coefficient and terms, without copying its operands.
ExprNode WithoutOperands(const ExprNode& node) {
  ExprNode rest(node.kind(), node.coefficient());
  for (const SymbolTerm& t : node.terms()) rest.AddTerm(t);
  return rest;
}

ExprNode FactorIn(const ExprNode& f, const std::u16string& x, int depth) {
  if (depth > limits::kTreeDepth) return f;
  ChargeWork(1);
  if (f.IsOperandPower()) {
    return TreePower(FactorIn(f.Operand(0), x, depth + 1), f.coefficient());
  }
  ContentSplit split = SplitContent(f);
  const ExprNode& primitive = split.primitive;
  if (IsPolynomialTree(primitive) && !primitive.IsNumber()) {
    if (auto factored = KroneckerTree(primitive, x, split.content)) return *factored;
    return WithContent(split.content, primitive);
  }
  if (primitive.IsProduct() && primitive.OperandCount() > 0) {
    ExprNode rest = WithoutOperands(primitive);
    std::vector<ExprNode> factors{rest.IsPlain() ? ExprNode::MakeNumber(rest.coefficient()) : rest};
    for (const ExprNode& op : primitive.operands()) factors.push_back(FactorIn(op, x, depth + 1));
    return WithContent(split.content, ProductOfTrees(std::move(factors)));
  }
  if (primitive.IsSum() && primitive.OperandCount() > 0) {
    std::vector<ExprNode> parts{WithoutOperands(primitive)};
    for (const ExprNode& op : primitive.operands()) parts.push_back(FactorIn(op, x, depth + 1));
    return WithContent(split.content, SumOfTrees(std::move(parts)));
  }
  return WithContent(split.content, primitive);
}

}  // namespace

ExprNode FactorTree(const ExprNode& f) {
  RaiseRewriteFlag();
  if (f.IsList()) {
    ExprNode out(f.kind(), f.coefficient());
    for (const ExprNode& e : f.operands()) out.AddOperand(FactorTree(e));
    return out;
  }
  const auto names = Variables(f);
  if (names.size() != 1) {
    ContentSplit split = SplitContent(f);
    if (names.size() > 1) {
      if (auto factored = MonomialFactorTree(split.primitive, split.content)) return *factored;
    }
    return WithContent(split.content, split.primitive);
  }
  return FactorIn(f, names[0], 0);
}

}  // namespace poly

ExprNode Factor(const ExprNode& f) {
  return poly::GuardedOr(f, [&] { return poly::FactorTree(f); });
}

PolyCommandResult FactorCommand(const ExprNode& f) {
  return poly::Guarded([&] { return PolyCommandResult::Value(poly::FactorTree(f)); });
}

PolyCommandResult FactorSquareFreeCommand(const ExprNode& f, std::u16string_view variable) {
  return poly::Guarded([&]() -> PolyCommandResult {
    std::u16string x(variable);
    if (x.empty()) {
      std::optional<std::u16string> only = SingleVariable(f);
      if (!only) return PolyCommandResult::Fail(EngineError::kTooManyVariables);
      x = std::move(*only);
    }
    RaiseRewriteFlag();
    if (f.IsNumber()) return PolyCommandResult::Value(f);
    poly::AtomTable atoms(std::vector<std::u16string>{x});
    auto p = poly::ToPolynomial(f, atoms);
    if (!p || atoms.size() != 1 || p->Degree(0) < 1) return PolyCommandResult::Value(f);
    return PolyCommandResult::Value(poly::FactorizationTree(poly::SquareFreeFactor(*p), atoms));
  });
}

PolyCommandResult ContentCommand(const ExprNode& f) {
  return poly::Guarded([&]() -> PolyCommandResult {
    if (f.IsNumber()) {
      const Number& c = f.coefficient();
      return PolyCommandResult::Value(
          ExprNode::MakeNumber(c.IsInteger() ? Number(std::fabs(c.RealValue())) : Number(1.0)));
    }
    if (f.IsSingleTerm() && f.IsSum())
      return PolyCommandResult::Value(ExprNode::MakeNumber(f.Term(0).coefficient));
    return PolyCommandResult::Value(ExprNode::MakeNumber(poly::TreeContent(f)));
  });
}

}  // namespace zentrix::engine
