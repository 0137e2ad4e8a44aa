#include "engine/commands/polynomial/poly_factor.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/commands/base/limits.h"
#include "engine/commands/base/poly_limits.h"
#include "engine/commands/polynomial/poly_coefficients.h"
#include "engine/commands/polynomial/poly_gcd.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine::poly {
namespace {

constexpr int kMinDegree = 2;
constexpr int kMaxDegree = limits::kFactorDegree;
constexpr std::int64_t kMaxCombinationEntries = limits::kFactorCombinationEntries;
constexpr std::int64_t kReduction = 16;
// Sample values must fit the 32-bit combination table.
constexpr double kMaxSampleValue = 2147483647.0;

using Dense = std::vector<Number>;  // index = exponent

Dense ToDense(const Poly& p) {
  ChargeWork(std::max<Exponent>(p.Degree(0), 0) + 1);
  Dense d(static_cast<std::size_t>(std::max<Exponent>(p.Degree(0), 0)) + 1);
  for (std::size_t i = 0; i < p.size(); ++i) d[p.Exp(i, 0)] = p.Coeff(i);
  return d;
}

Poly FromDense(const Dense& d, int nvars) {
  Poly p(nvars);
  std::vector<Exponent> e(nvars, 0);
  for (std::size_t k = d.size(); k-- > 0;) {
    if (d[k].IsZero()) continue;
    e[0] = static_cast<Exponent>(k);
    p.Append(e.data(), d[k]);
  }
  return p;
}

void Trim(Dense& d) {
  while (d.size() > 1 && d.back().IsZero()) d.pop_back();
}

int DegreeOf(const Dense& d) {
  for (std::size_t k = d.size(); k-- > 0;) {
    if (!d[k].IsZero()) return static_cast<int>(k);
  }
  return -1;
}

Number EvaluateAt(const Dense& p, const Number& x) {
  Number value;
  for (std::size_t k = p.size(); k-- > 0;) value = Add(MulNumbers(value, x), p[k]);
  return value;
}

// The polynomial of degree at most m through (i, y_i), i = 0..m, from its
// Newton divided differences (the nodes are consecutive integers).
Dense Interpolate(const std::vector<std::int64_t>& y) {
  const int m = static_cast<int>(y.size()) - 1;
  std::vector<Number> dd(y.size());
  for (int i = 0; i <= m; ++i) dd[i] = Number(static_cast<double>(y[i]));
  for (int j = 1; j <= m; ++j) {
    for (int i = m; i >= j; --i) {
      dd[i] = Divide(Subtract(dd[i], dd[i - 1]), Number(static_cast<double>(j)));
    }
  }
  Dense p{dd[m]};
  for (int k = m - 1; k >= 0; --k) {
    // p = p·(x − k) + dd[k]
    Dense next(p.size() + 1);
    for (std::size_t i = 0; i < p.size(); ++i) {
      next[i + 1] = Add(next[i + 1], p[i]);
      next[i] = Subtract(next[i], MulNumbers(p[i], Number(static_cast<double>(k))));
    }
    next[0] = Add(next[0], dd[k]);
    p = std::move(next);
  }
  Trim(p);
  return p;
}

// p / g when the division leaves no remainder.
bool DivideDense(const Dense& p, const Dense& g, Dense* quotient) {
  const int dp = DegreeOf(p), dg = DegreeOf(g);
  if (dg < 0 || dp < dg) return false;
  Dense r = p;
  Dense q(dp - dg + 1);
  for (int k = dp - dg; k >= 0; --k) {
    q[k] = Divide(r[k + dg], g[dg]);
    if (q[k].IsZero()) continue;
    for (int j = 0; j <= dg; ++j) r[k + j] = Subtract(r[k + j], MulNumbers(q[k], g[j]));
  }
  for (int k = 0; k < dg; ++k) {
    if (!r[k].IsZero()) return false;
  }
  *quotient = std::move(q);
  return true;
}

// The rational content of a dense polynomial: gcd of the numerators over the
// lcm of the denominators, positive; 1 when it cannot be formed exactly.
Number RationalContent(const Dense& p) {
  double num = 0.0, den = 1.0;
  for (const Number& c : p) {
    if (c.IsZero()) continue;
    if (!c.IsReal() || c.IsDecimal()) return Number(1.0);
    num = NumberGcd(num, c.RealNumerator());
    const double d = c.RealDenominator();
    const double g = NumberGcd(den, d);
    if (num == 0.0 || g == 0.0) return Number(1.0);
    den = den / g * d;
    if (den > 9007199254740992.0) return Number(1.0);
  }
  return num == 0.0 ? Number(1.0) : Number::Ratio(num, den);
}

bool ExactRationalSqrt(const Number& v, Number* root) {
  if (!v.IsReal() || v.IsDecimal() || !v.GreaterThan(0)) return false;
  const double n = v.RealNumerator(), d = v.RealDenominator();
  const double sn = std::round(std::sqrt(n)), sd = std::round(std::sqrt(d));
  if (sn * sn != n || sd * sd != d) return false;
  *root = Number::Ratio(sn, sd);
  return true;
}

class Kronecker {
 public:
  // Factors p (positive leading coefficient) into `out`.
  void Run(const Dense& p, std::vector<Dense>& out) {
    ChargeWork(1);
    Dense g, h;
    if (Split(p, &g, &h)) {
      Run(g, out);
      Run(h, out);
    } else {
      out.push_back(p);
    }
  }

 private:
  bool Split(const Dense& p, Dense* g, Dense* h) {
    const int d = DegreeOf(p);
    if (d < kMinDegree || d > kMaxDegree || p[0].IsZero()) return false;
    if (d == 2 && p[1].IsZero()) return SplitBinomial(p, g, h);
    const int m = d / 2;
    std::vector<std::vector<std::int64_t>> lists;
    std::int64_t combinations = 1;
    for (int i = 0; i <= m; ++i) {
      const Number v = EvaluateAt(p, Number(static_cast<double>(i)));
      if (!v.IsInteger() || std::fabs(v.RealValue()) > kMaxSampleValue) return false;
      lists.push_back(KroneckerDivisors(static_cast<std::int64_t>(v.RealValue())));
      combinations =
          std::min<std::int64_t>(combinations * lists.back().size(), kMaxCombinationEntries + 1);
    }
    const std::int64_t points = m + 1;
    if (points * combinations > kMaxCombinationEntries) combinations /= kReduction;
    if (points * combinations > kMaxCombinationEntries) return false;
    ChargeWork(combinations * points * (d + 1));

    // Mixed-radix walk over the combinations, point 0 changing slowest.
    std::vector<std::size_t> digit(points, 0);
    std::vector<std::int64_t> values(points);
    for (std::int64_t c = 0; c < combinations; ++c) {
      for (int i = 0; i < points; ++i) values[i] = lists[i][digit[i]];
      if (TryCandidate(p, values, g, h)) return true;
      for (int i = m; i >= 0; --i) {
        if (++digit[i] < lists[i].size()) break;
        digit[i] = 0;
      }
    }
    return false;
  }

  bool TryCandidate(const Dense& p, const std::vector<std::int64_t>& values, Dense* g, Dense* h) {
    Dense candidate = Interpolate(values);
    if (DegreeOf(candidate) < 1) return false;
    Dense quotient;
    if (!DivideDense(p, candidate, &quotient)) return false;
    // Move the content so that the candidate is primitive and leads positive.
    Number content = RationalContent(candidate);
    if (candidate[DegreeOf(candidate)].LessThan(0)) content = Negate(content);
    for (Number& c : candidate) c = Divide(c, content);
    for (Number& c : quotient) c = MulNumbers(c, content);
    Trim(quotient);
    *g = std::move(candidate);
    *h = std::move(quotient);
    return true;
  }

  // a·x^2 + c, a > 0: (s·x − t)(s·x + t) when a = s^2 and −c = t^2 exactly.
  bool SplitBinomial(const Dense& p, Dense* g, Dense* h) {
    Number s, t;
    if (!ExactRationalSqrt(p[2], &s) || !ExactRationalSqrt(Negate(p[0]), &t)) return false;
    *g = Dense{Negate(t), s};
    *h = Dense{t, s};
    return true;
  }
};

}  // namespace

std::vector<std::int64_t> KroneckerDivisors(std::int64_t v) {
  if (v == 0) return {0};
  const std::int64_t a = v < 0 ? -v : v;
  if (a == 1) return {-1, 1};
  std::vector<std::int64_t> small, large;
  for (std::int64_t k = 2; k * k <= a; ++k) {
    if (a % k != 0) continue;
    small.push_back(k);
    if (k * k != a) large.push_back(a / k);
  }
  std::vector<std::int64_t> out{-1, 1};
  for (std::int64_t k : small) {
    out.push_back(-k);
    out.push_back(k);
  }
  for (auto it = large.rbegin(); it != large.rend(); ++it) {
    out.push_back(-*it);
    out.push_back(*it);
  }
  out.push_back(a);
  return out;
}

Factorization KroneckerFactor(const Poly& p) {
  RaiseRewriteFlag();
  Factorization result;
  if (p.Degree(0) > kMaxDegree) {
    // Beyond the degrees Kronecker's method tries: p is its own factor, with a
    // positive leading coefficient. No dense copy, whose size is the degree.
    Number leading(1.0);
    for (std::size_t i = 0; i < p.size(); ++i) {
      if (p.Exp(i, 0) == p.Degree(0)) leading = p.Coeff(i);
    }
    const bool negative = leading.LessThan(0);
    result.coefficient = Number(negative ? -1.0 : 1.0);
    result.factors.emplace_back(negative ? p.Scaled(Number(-1.0)) : p, 1);
    return result;
  }
  Dense dense = ToDense(p);
  if (dense.back().LessThan(0)) {
    result.coefficient = Number(-1.0);
    for (Number& c : dense) c = Negate(c);
  }
  std::vector<Dense> parts;
  Kronecker().Run(dense, parts);
  for (Dense& part : parts) {
    if (DegreeOf(part) < 1) {
      result.coefficient = MulNumbers(result.coefficient, part[0]);
      continue;
    }
    Poly f = FromDense(part, p.nvars());
    auto same = std::find_if(result.factors.begin(), result.factors.end(),
                             [&](const auto& e) { return e.first == f; });
    if (same != result.factors.end()) {
      ++same->second;
    } else {
      result.factors.emplace_back(std::move(f), 1);
    }
  }
  return result;
}

Factorization SquareFreeFactor(const Poly& p) {
  RaiseRewriteFlag();
  Factorization result;
  const Poly derivative = p.Derivative(0);
  Poly g = MonicGcd(p, derivative);
  Poly w;
  DivideExactly(p, g, &w);
  std::vector<std::pair<Poly, int>> parts;
  int i = 1;
  const int bound = p.Degree(0) + 1;
  while (g.Degree(0) > 0 && i <= bound) {
    const Poly y = MonicGcd(g, w);
    Poly z;
    DivideExactly(w, y, &z);
    if (z.Degree(0) > 0) parts.emplace_back(std::move(z), i);
    Poly next_g;
    DivideExactly(g, y, &next_g);
    g = std::move(next_g);
    w = y;
    ++i;
  }
  if (w.Degree(0) > 0) parts.emplace_back(std::move(w), i);
  // Each factor primitive with a positive leading coefficient; the constants
  // left over make up the coefficient.
  Number scale = p.LeadingNumber();
  for (auto& [factor, k] : parts) {
    Number content = RationalContent(ToDense(factor));
    if (factor.LeadingNumber().LessThan(0)) content = Negate(content);
    factor = factor.Scaled(Divide(Number(1.0), content));
    scale = Divide(scale, IntPower(factor.LeadingNumber(), k));
  }
  result.coefficient = scale;
  result.factors = std::move(parts);
  return result;
}

}  // namespace zentrix::engine::poly

namespace zentrix::engine::poly {
namespace {

// Canonical order of the factors of a product: powers before sums, powers by
// their exponents, sums by their constants.
bool FactorBefore(const ExprNode& a, const ExprNode& b) {
  if (a.IsPower() != b.IsPower()) return a.IsPower();
  const Number& ca = a.coefficient();
  const Number& cb = b.coefficient();
  return ca.IsReal() && cb.IsReal() && ca.RealValue() < cb.RealValue();
}

}  // namespace

ExprNode FactorizationTree(const Factorization& f, const AtomTable& atoms) {
  ExprNode product = ExprNode::MakeProduct(f.coefficient);
  std::vector<ExprNode> operands;
  for (const auto& [factor, k] : f.factors) {
    ExprNode tree = FromPoly(factor, atoms);
    if (tree.IsSingleTerm() || tree.IsProduct()) {
      // A monomial factor joins the product's own coefficient and terms.
      ExprNode power = tree;
      for (SymbolTerm& t : power.mutable_terms()) {
        t.exponent = MulNumbers(t.exponent, Number(static_cast<double>(k)));
        product.set_coefficient(MulNumbers(product.coefficient(), IntPower(t.coefficient, k)));
        t.coefficient = Number(1.0);
      }
      if (power.IsProduct()) {
        product.set_coefficient(
            MulNumbers(product.coefficient(), IntPower(power.coefficient(), k)));
      }
      for (SymbolTerm& t : power.mutable_terms()) product.AddTerm(std::move(t));
      continue;
    }
    if (k == 1) {
      operands.push_back(std::move(tree));
    } else {
      ExprNode power = ExprNode::MakePower(Number(static_cast<double>(k)));
      power.AddOperand(std::move(tree));
      operands.push_back(std::move(power));
    }
  }
  std::stable_sort(operands.begin(), operands.end(), FactorBefore);
  product.mutable_operands() = std::move(operands);
  if (product.IsPlain()) return ExprNode::MakeNumber(product.coefficient());
  if (product.TermCount() == 0 && product.OperandCount() == 1 && product.coefficient().IsOne()) {
    ExprNode only = std::move(product.Operand(0));
    return only;
  }
  CanonicalizeNode(product);
  return product;
}

}  // namespace zentrix::engine::poly
