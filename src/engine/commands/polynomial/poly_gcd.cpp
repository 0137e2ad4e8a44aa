#include "engine/commands/polynomial/poly_gcd.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "engine/commands/base/poly_limits.h"
#include "engine/commands/polynomial/dense_gcd.h"
#include "engine/commands/polynomial/poly_coefficients.h"

namespace zentrix::engine::poly {
namespace {

// The coefficient side of the two polynomial types: Poly computes in Number
// arithmetic (the path of decimal and complex coefficients), ExactPoly in GMP
// rationals (every exact input).
template <typename P>
struct Coefficients;

template <>
struct Coefficients<Poly> {
  static Number Of(int k) { return Number(static_cast<double>(k)); }
  static Number Gcd(const Number& a, const Number& b) { return NumericGcd(a, b); }
  static bool IsOne(const Number& c) { return c.IsOne(); }
  static Number Inverse(const Number& c) { return Divide(Number(1.0), c); }
};

template <>
struct Coefficients<ExactPoly> {
  static Rational Of(int k) { return Rational(k); }
  static Rational Gcd(const Rational& a, const Rational& b) {
    if (a.get_den() != 1 || b.get_den() != 1) return Rational(1);
    Integer g;
    mpz_gcd(g.get_mpz_t(), a.get_num_mpz_t(), b.get_num_mpz_t());
    return g == 0 ? Rational(1) : Rational(g);
  }
  static bool IsOne(const Rational& c) { return c == 1; }
  static Rational Inverse(const Rational& c) { return 1 / c; }
};

// The subresultant theory makes these divisions exact; with approximate
// coefficients they may not be, and the sequence then goes on with the
// quotient that the division found.
template <typename P>
P ExactQuotient(const P& a, const P& b) {
  return DivideWithRemainder(a, b, nullptr);
}

// The first variable from first_var on that occurs in either polynomial.
template <typename P>
int MainVariable(const P& a, const P& b, int first_var) {
  for (int v = first_var; v < a.nvars(); ++v) {
    if (!a.IsFreeOf(v) || !b.IsFreeOf(v)) return v;
  }
  return -1;
}

template <typename P>
P PrimitivePart(const P& p, const P& content) {
  if (content.IsZero()) return p;
  return ExactQuotient(p, content);
}

template <typename P>
P GcdOf(const P& a, const P& b, int first_var);

template <typename P>
P ContentOf(const P& p, int var) {
  using C = Coefficients<P>;
  // The powers of var that occur, highest first (sparse polynomials may have
  // huge degrees).
  std::vector<Exponent> powers;
  for (std::size_t i = 0; i < p.size(); ++i) powers.push_back(p.Exp(i, var));
  std::sort(powers.begin(), powers.end(), std::greater<>());
  powers.erase(std::unique(powers.begin(), powers.end()), powers.end());
  ChargeWork(static_cast<std::int64_t>(powers.size() * p.size()));
  P g(p.nvars());
  for (const Exponent k : powers) {
    const P c = p.CoefficientOf(var, k);
    g = g.IsZero() ? c : GcdOf(g, c, var + 1);
    // A content of 1 cannot shrink further.
    if (g.IsConstant() && C::IsOne(g.LeadingNumber())) break;
  }
  return g;
}

template <typename P>
P PseudoRemainderOf(const P& a, const P& b, int var) {
  const Exponent db = b.Degree(var);
  const P lb = b.LeadingCoefficient(var);
  P r = a;
  int e = a.Degree(var) - db + 1;
  while (!r.IsZero() && r.Degree(var) >= db) {
    const Exponent dr = r.Degree(var);
    const P s = r.LeadingCoefficient(var).Shifted(var, dr - db);
    P next = lb * r - s * b;
    // The leading power of var cancels exactly for exact coefficients; any
    // residue of approximate ones is dropped so that the degree falls.
    if (!next.IsZero() && next.Degree(var) >= dr) {
      next = next - next.LeadingCoefficient(var).Shifted(var, next.Degree(var));
    }
    r = std::move(next);
    --e;
  }
  for (; e > 0; --e) r = r * lb;
  return r;
}

// Polynomials of one variable up to this degree take the dense path.
constexpr Exponent kMaxDenseDegree = 4096;

// The only variable that occurs in p, or -1 (none or several).
int OnlyVariable(const ExactPoly& p) {
  int only = -1;
  for (int v = 0; v < p.nvars(); ++v) {
    if (p.IsFreeOf(v)) continue;
    if (only >= 0) return -1;
    only = v;
  }
  return only;
}

// The integer coefficients of p (in its variable x, no negative exponents)
// times the lcm of their denominators; also the gcd of the coefficients when
// all are integers, else 1, the content the general algorithm takes.
DenseIntegers ScaledDense(const ExactPoly& p, int x, mpz_class* content) {
  mpz_class lcm = 1;
  bool integral = true;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Rational& c = p.Coeff(i);
    if (c.get_den() != 1) integral = false;
    mpz_lcm(lcm.get_mpz_t(), lcm.get_mpz_t(), c.get_den_mpz_t());
  }
  DenseIntegers dense(static_cast<std::size_t>(p.Degree(x)) + 1);
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Rational& c = p.Coeff(i);
    dense[p.Exp(i, x)] = c.get_num() * (lcm / c.get_den());
  }
  *content = integral ? DenseContent(dense) : mpz_class(1);
  return dense;
}

// The gcd of two polynomials in one and the same variable on dense integers;
// the same value as the general algorithm up to the sign.
std::optional<ExactPoly> UnivariateGcd(const ExactPoly& a, const ExactPoly& b, int first_var) {
  const int x = OnlyVariable(a);
  if (x < first_var || OnlyVariable(b) != x) return std::nullopt;
  for (const ExactPoly* p : {&a, &b}) {
    for (std::size_t i = 0; i < p->size(); ++i) {
      if (p->Exp(i, x) < 0) return std::nullopt;
    }
    if (p->Degree(x) > kMaxDenseDegree) return std::nullopt;
  }
  mpz_class content_a, content_b;
  DenseIntegers da = ScaledDense(a, x, &content_a);
  DenseIntegers db = ScaledDense(b, x, &content_b);
  mpz_class content;
  mpz_gcd(content.get_mpz_t(), content_a.get_mpz_t(), content_b.get_mpz_t());
  const DenseIntegers g = DensePrimitiveGcd(std::move(da), std::move(db));
  ExactPoly out(a.nvars());
  std::vector<Exponent> e(a.nvars(), 0);
  for (std::size_t k = g.size(); k-- > 0;) {
    if (g[k] == 0) continue;
    e[x] = static_cast<Exponent>(k);
    out.Append(e.data(), Rational(g[k] * content));
  }
  return out;
}

template <typename P>
std::optional<P> FastGcd(const P&, const P&, int) {
  return std::nullopt;
}

template <>
std::optional<ExactPoly> FastGcd(const ExactPoly& a, const ExactPoly& b, int first_var) {
  return UnivariateGcd(a, b, first_var);
}

template <typename P>
P GcdOf(const P& a, const P& b, int first_var) {
  using C = Coefficients<P>;
  if (a.IsZero()) return b;
  if (b.IsZero()) return a;
  const int n = a.nvars();
  const int x = MainVariable(a, b, first_var);
  if (x < 0) return P::Constant(n, C::Gcd(a.LeadingNumber(), b.LeadingNumber()));
  if (std::optional<P> fast = FastGcd(a, b, first_var)) return *fast;
  const bool a_first = a.Degree(x) >= b.Degree(x);
  P A = a_first ? a : b;
  P B = a_first ? b : a;
  const P content_a = ContentOf(A, x);
  const P content_b = ContentOf(B, x);
  const P content = GcdOf(content_a, content_b, x + 1);
  A = PrimitivePart(A, content_a);
  B = PrimitivePart(B, content_b);

  // Brown's subresultant remainder sequence.
  P psi(n);
  Exponent previous_d = 0;
  for (int i = 1; !B.IsZero(); ++i) {
    ChargeWork(1);
    P R = PseudoRemainderOf(A, B, x);
    if (R.IsZero()) {
      A = B;
      break;
    }
    const Exponent d = A.Degree(x) - B.Degree(x);
    const P lead = A.LeadingCoefficient(x);
    P beta;
    if (i == 1) {
      beta = P::Constant(n, C::Of((d + 1) % 2 == 0 ? 1 : -1));
      psi = P::Constant(n, C::Of(-1));
    } else {
      // ψ = (−ℓ)^d′ · ψ^(1−d′), an exact division for d′ ≥ 1.
      P numerator = lead.Negated().Power(previous_d);
      psi = previous_d >= 1 ? ExactQuotient(numerator, psi.Power(previous_d - 1)) : numerator * psi;
      beta = lead.Negated() * psi.Power(d);
    }
    A = std::move(B);
    B = ExactQuotient(R, beta);
    previous_d = d;
  }
  // The last non-zero remainder's primitive part; numeric scale factors do not
  // matter since callers normalise.
  const P primitive = A.IsFreeOf(x) ? P::Constant(n, C::Of(1)) : PrimitivePart(A, ContentOf(A, x));
  return content * primitive;
}

template <typename P>
P MonicGcdOf(const P& a, const P& b) {
  using C = Coefficients<P>;
  P g = GcdOf(a, b, 0);
  if (g.IsZero()) return g;
  if (g.IsConstant()) return P::Constant(a.nvars(), C::Of(1));
  return g.Scaled(C::Inverse(g.LeadingNumber()));
}

}  // namespace

Number NumericGcd(const Number& a, const Number& b) {
  if (!a.IsReal() || !b.IsReal()) return Number(1.0);
  const double g = NumberGcd(a.RealValue(), b.RealValue());
  return Number(g == 0.0 ? 1.0 : g);
}

Number NumericContent(const Poly& p) {
  if (p.IsZero()) return Number(1.0);
  double g = 0.0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Number& c = p.Coeff(i);
    if (!c.IsInteger()) return Number(1.0);
    g = NumberGcd(g, c.RealValue());
    if (g == 0.0) return Number(1.0);  // beyond the exact range
  }
  return Number(g);
}

Poly ContentIn(const Poly& p, int var) {
  if (auto exact = ToExact(p)) return FromExact(ContentOf(*exact, var));
  return ContentOf(p, var);
}

Poly PseudoRemainder(const Poly& a, const Poly& b, int var) {
  auto ea = ToExact(a);
  auto eb = ToExact(b);
  if (ea && eb) return FromExact(PseudoRemainderOf(*ea, *eb, var));
  return PseudoRemainderOf(a, b, var);
}

Poly PolyGcd(const Poly& a, const Poly& b, int first_var) {
  auto ea = ToExact(a);
  auto eb = ToExact(b);
  if (ea && eb) return FromExact(GcdOf(*ea, *eb, first_var));
  return GcdOf(a, b, first_var);
}

Poly MonicGcd(const Poly& a, const Poly& b) {
  auto ea = ToExact(a);
  auto eb = ToExact(b);
  if (ea && eb) return FromExact(MonicGcdOf(*ea, *eb));
  return MonicGcdOf(a, b);
}

ExactPoly PolyGcd(const ExactPoly& a, const ExactPoly& b, int first_var) {
  return GcdOf(a, b, first_var);
}

ExactPoly MonicGcd(const ExactPoly& a, const ExactPoly& b) { return MonicGcdOf(a, b); }

}  // namespace zentrix::engine::poly
