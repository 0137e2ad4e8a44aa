#include "engine/commands/polynomial/poly_factor.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/commands/base/limits.h"
#include "engine/commands/base/poly_limits.h"
#include "engine/commands/polynomial/exact_poly.h"
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

using Dense = std::vector<Rational>;  // index = exponent

Dense ToDense(const ExactPoly& p) {
  const Exponent degree = std::max<Exponent>(p.Degree(0), 0);
  ChargeWork(degree + 1);
  Dense d(static_cast<std::size_t>(degree) + 1);
  for (std::size_t i = 0; i < p.size(); ++i) d[p.Exp(i, 0)] = p.Coeff(i);
  return d;
}

ExactPoly FromDense(const Dense& d, int nvars) {
  ExactPoly p(nvars);
  std::vector<Exponent> e(nvars, 0);
  for (std::size_t k = d.size(); k-- > 0;) {
    if (d[k] == 0) continue;
    e[0] = static_cast<Exponent>(k);
    p.Append(e.data(), d[k]);
  }
  return p;
}

void Trim(Dense& d) {
  while (d.size() > 1 && d.back() == 0) d.pop_back();
}

int DegreeOf(const Dense& d) {
  for (std::size_t k = d.size(); k-- > 0;) {
    if (d[k] != 0) return static_cast<int>(k);
  }
  return -1;
}

Rational EvaluateAt(const Dense& p, const Rational& x) {
  Rational value = 0;
  for (std::size_t k = p.size(); k-- > 0;) value = value * x + p[k];
  return value;
}

// The polynomial of degree at most m through (i, y_i), i = 0..m, from its
// Newton divided differences (the nodes are consecutive integers).
Dense Interpolate(const std::vector<std::int64_t>& y) {
  const int m = static_cast<int>(y.size()) - 1;
  std::vector<Rational> dd(y.size());
  for (int i = 0; i <= m; ++i) dd[i] = Rational(static_cast<long>(y[i]));
  for (int j = 1; j <= m; ++j) {
    for (int i = m; i >= j; --i) dd[i] = (dd[i] - dd[i - 1]) / j;
  }
  Dense p{dd[m]};
  for (int k = m - 1; k >= 0; --k) {
    // p = p·(x − k) + dd[k]
    Dense next(p.size() + 1);
    for (std::size_t i = 0; i < p.size(); ++i) {
      next[i + 1] += p[i];
      next[i] -= p[i] * k;
    }
    next[0] += dd[k];
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
    q[k] = r[k + dg] / g[dg];
    if (q[k] == 0) continue;
    for (int j = 0; j <= dg; ++j) r[k + j] -= q[k] * g[j];
  }
  for (int k = 0; k < dg; ++k) {
    if (r[k] != 0) return false;
  }
  *quotient = std::move(q);
  return true;
}

// The rational content: the gcd of the numerators over the lcm of the
// denominators, positive (1 for the zero polynomial).
Rational RationalContent(const Dense& p) {
  Integer num = 0, den = 1;
  for (const Rational& c : p) {
    if (c == 0) continue;
    mpz_gcd(num.get_mpz_t(), num.get_mpz_t(), c.get_num_mpz_t());
    mpz_lcm(den.get_mpz_t(), den.get_mpz_t(), c.get_den_mpz_t());
  }
  if (num == 0) return Rational(1);
  Rational q(num, den);
  q.canonicalize();
  return q;
}

bool ExactRationalSqrt(const Rational& v, Rational* root) {
  if (v <= 0) return false;
  if (!mpz_perfect_square_p(v.get_num_mpz_t()) || !mpz_perfect_square_p(v.get_den_mpz_t())) {
    return false;
  }
  Integer sn, sd;
  mpz_sqrt(sn.get_mpz_t(), v.get_num_mpz_t());
  mpz_sqrt(sd.get_mpz_t(), v.get_den_mpz_t());
  *root = Rational(sn, sd);
  root->canonicalize();
  return true;
}

// A cheap necessary test of a candidate before its exact interpolation and
// trial division. The candidate g through (i, y_i), i = 0..m, has the value
// g(m+1) = Σ (−1)^(m−i)·C(m+1, i)·y_i (its (m+1)-th difference vanishes). For
// an integer polynomial p, a primitive factor g' of p divides p(m+1) at m + 1,
// and so does any g = g'/c; a candidate c·g' (c > 1) that fails is skipped,
// since g' itself is among the candidates.
struct NextPoint {
  std::vector<std::int64_t> weights;  // (−1)^(m−i)·C(m+1, i)
  Integer value;                      // p(m + 1)

  bool Admits(const std::vector<std::int64_t>& y) const {
    std::int64_t g = 0;  // |y_i| < 2^31 and m ≤ 10: no overflow
    for (std::size_t i = 0; i < y.size(); ++i) g += weights[i] * y[i];
    if (g == 0) return true;
    return mpz_divisible_p(value.get_mpz_t(), Integer(static_cast<long>(g)).get_mpz_t()) != 0;
  }
};

std::optional<NextPoint> NextPointOf(const Dense& p, int m) {
  for (const Rational& c : p) {
    if (c.get_den() != 1) return std::nullopt;
  }
  NextPoint next;
  next.value = EvaluateAt(p, Rational(m + 1)).get_num();
  std::int64_t binomial = 1;  // C(m+1, i)
  for (int i = 0; i <= m; ++i) {
    next.weights.push_back((m - i) % 2 == 0 ? binomial : -binomial);
    binomial = binomial * (m + 1 - i) / (i + 1);
  }
  return next;
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
    if (d < kMinDegree || d > kMaxDegree || p[0] == 0) return false;
    if (d == 2 && p[1] == 0) return SplitBinomial(p, g, h);
    const int m = d / 2;
    std::vector<std::vector<std::int64_t>> lists;
    std::int64_t combinations = 1;
    for (int i = 0; i <= m; ++i) {
      const Rational v = EvaluateAt(p, Rational(i));
      if (v.get_den() != 1 || abs(v) > kMaxSampleValue) return false;
      lists.push_back(KroneckerDivisors(v.get_num().get_si()));
      combinations =
          std::min<std::int64_t>(combinations * lists.back().size(), kMaxCombinationEntries + 1);
    }
    const std::int64_t points = m + 1;
    if (points * combinations > kMaxCombinationEntries) combinations /= kReduction;
    if (points * combinations > kMaxCombinationEntries) return false;
    ChargeWork(combinations * points * (d + 1));

    const std::optional<NextPoint> next = NextPointOf(p, m);

    // Mixed-radix walk over the combinations, point 0 changing slowest.
    std::vector<std::size_t> digit(points, 0);
    std::vector<std::int64_t> values(points);
    for (std::int64_t c = 0; c < combinations; ++c) {
      for (int i = 0; i < points; ++i) values[i] = lists[i][digit[i]];
      if ((!next || next->Admits(values)) && TryCandidate(p, values, g, h)) return true;
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
    Rational content = RationalContent(candidate);
    if (candidate[DegreeOf(candidate)] < 0) content = -content;
    for (Rational& c : candidate) c /= content;
    for (Rational& c : quotient) c *= content;
    Trim(quotient);
    *g = std::move(candidate);
    *h = std::move(quotient);
    return true;
  }

  // a·x^2 + c, a > 0: (s·x − t)(s·x + t) when a = s^2 and −c = t^2 exactly.
  bool SplitBinomial(const Dense& p, Dense* g, Dense* h) {
    Rational s, t;
    if (!ExactRationalSqrt(p[2], &s) || !ExactRationalSqrt(-p[0], &t)) return false;
    *g = Dense{-t, s};
    *h = Dense{t, s};
    return true;
  }
};

// p as its own single factor with a positive leading coefficient.
Factorization Unfactored(const Poly& p) {
  Factorization result;
  Number leading(1.0);
  for (std::size_t i = 0; i < p.size(); ++i) {
    if (p.Exp(i, 0) == p.Degree(0)) leading = p.Coeff(i);
  }
  const bool negative = leading.LessThan(0);
  result.coefficient = Number(negative ? -1.0 : 1.0);
  result.factors.emplace_back(negative ? p.Scaled(Number(-1.0)) : p, 1);
  return result;
}

// Musser's algorithm (exact, or in Number arithmetic for decimal and complex
// coefficients); the factors before their contents are taken out.
template <typename P>
std::vector<std::pair<P, int>> SquareFreeParts(const P& p) {
  const P derivative = p.Derivative(0);
  P g = MonicGcd(p, derivative);
  P w;
  DivideExactly(p, g, &w);
  std::vector<std::pair<P, int>> parts;
  int i = 1;
  const int bound = p.Degree(0) + 1;
  while (g.Degree(0) > 0 && i <= bound) {
    const P y = MonicGcd(g, w);
    P z;
    DivideExactly(w, y, &z);
    if (z.Degree(0) > 0) parts.emplace_back(std::move(z), i);
    P next_g;
    DivideExactly(g, y, &next_g);
    g = std::move(next_g);
    w = y;
    ++i;
  }
  if (w.Degree(0) > 0) parts.emplace_back(std::move(w), i);
  return parts;
}

// Square-free factors of approximate coefficients only have their signs
// made positive.
Factorization NumericSquareFree(const Poly& p) {
  Factorization result;
  Number scale = p.LeadingNumber();
  for (auto& [factor, k] : SquareFreeParts(p)) {
    if (factor.LeadingNumber().LessThan(0)) factor = factor.Negated();
    scale = Divide(scale, IntPower(factor.LeadingNumber(), k));
    result.factors.emplace_back(std::move(factor), k);
  }
  result.coefficient = scale;
  return result;
}

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
  // Beyond the degrees Kronecker's method tries, and for decimal or complex
  // coefficients (whose sample values are not exact integers), p is its own
  // factor. No dense copy for a high degree, whose size is the degree.
  if (p.Degree(0) > kMaxDegree) return Unfactored(p);
  const std::optional<ExactPoly> exact = ToExact(p);
  if (!exact) return Unfactored(p);
  Factorization result;
  Rational coefficient = 1;
  Dense dense = ToDense(*exact);
  if (dense.back() < 0) {
    coefficient = -1;
    for (Rational& c : dense) c = -c;
  }
  std::vector<Dense> parts;
  Kronecker().Run(dense, parts);
  for (Dense& part : parts) {
    if (DegreeOf(part) < 1) {
      coefficient *= part[0];
      continue;
    }
    Poly f = FromExact(FromDense(part, p.nvars()));
    auto same = std::find_if(result.factors.begin(), result.factors.end(),
                             [&](const auto& e) { return e.first == f; });
    if (same != result.factors.end()) {
      ++same->second;
    } else {
      result.factors.emplace_back(std::move(f), 1);
    }
  }
  result.coefficient = ToNumber(coefficient);
  return result;
}

Factorization SquareFreeFactor(const Poly& p) {
  RaiseRewriteFlag();
  const std::optional<ExactPoly> exact = ToExact(p);
  if (!exact) return NumericSquareFree(p);
  std::vector<std::pair<ExactPoly, int>> parts = SquareFreeParts(*exact);
  // Each factor primitive with a positive leading coefficient; the constants
  // left over make up the coefficient.
  Rational scale = exact->LeadingNumber();
  Factorization result;
  for (auto& [factor, k] : parts) {
    Rational content = RationalContent(ToDense(factor));
    if (factor.LeadingNumber() < 0) content = -content;
    factor = factor.Scaled(1 / content);
    Rational lead_power = 1;
    for (int j = 0; j < k; ++j) lead_power *= factor.LeadingNumber();
    scale /= lead_power;
    result.factors.emplace_back(FromExact(factor), k);
  }
  result.coefficient = ToNumber(scale);
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
