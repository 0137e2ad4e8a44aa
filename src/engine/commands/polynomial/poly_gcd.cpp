#include "engine/commands/polynomial/poly_gcd.h"

#include <algorithm>

#include "engine/commands/base/poly_limits.h"
#include "engine/commands/polynomial/poly_coefficients.h"

namespace zentrix::engine::poly {
namespace {

// The subresultant theory makes these divisions exact; with approximate
// coefficients they may not be, and the sequence then goes on with the
// quotient that the division found.
Poly ExactQuotient(const Poly& a, const Poly& b) { return DivideWithRemainder(a, b, nullptr); }

// The variables from first_var on that occur in either polynomial.
int MainVariable(const Poly& a, const Poly& b, int first_var) {
  for (int v = first_var; v < a.nvars(); ++v) {
    if (!a.IsFreeOf(v) || !b.IsFreeOf(v)) return v;
  }
  return -1;
}

Poly PrimitivePart(const Poly& p, const Poly& content) {
  if (content.IsZero()) return p;
  return ExactQuotient(p, content);
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
  const std::vector<Poly> coefficients = p.DenseIn(var);
  Poly g(p.nvars());
  for (auto it = coefficients.rbegin(); it != coefficients.rend(); ++it) {
    if (it->IsZero()) continue;
    g = g.IsZero() ? *it : PolyGcd(g, *it, var + 1);
    // A content of 1 cannot shrink further.
    if (g.IsConstant() && g.LeadingNumber().IsOne()) break;
  }
  return g;
}

Poly PseudoRemainder(const Poly& a, const Poly& b, int var) {
  const Exponent db = b.Degree(var);
  const Poly lb = b.LeadingCoefficient(var);
  Poly r = a;
  int e = a.Degree(var) - db + 1;
  while (!r.IsZero() && r.Degree(var) >= db) {
    const Exponent dr = r.Degree(var);
    const Poly s = r.LeadingCoefficient(var).Shifted(var, dr - db);
    Poly next = lb * r - s * b;
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

Poly PolyGcd(const Poly& a, const Poly& b, int first_var) {
  if (a.IsZero()) return b;
  if (b.IsZero()) return a;
  const int x = MainVariable(a, b, first_var);
  if (x < 0) {
    return Poly::Constant(a.nvars(), NumericGcd(a.LeadingNumber(), b.LeadingNumber()));
  }
  const bool a_first = a.Degree(x) >= b.Degree(x);
  Poly A = a_first ? a : b;
  Poly B = a_first ? b : a;
  const Poly content_a = ContentIn(A, x);
  const Poly content_b = ContentIn(B, x);
  const Poly content = PolyGcd(content_a, content_b, x + 1);
  A = PrimitivePart(A, content_a);
  B = PrimitivePart(B, content_b);

  // Brown's subresultant remainder sequence.
  Poly psi(a.nvars());
  Exponent previous_d = 0;
  for (int i = 1; !B.IsZero(); ++i) {
    ChargeWork(1);
    Poly R = PseudoRemainder(A, B, x);
    if (R.IsZero()) {
      A = B;
      break;
    }
    const Exponent d = A.Degree(x) - B.Degree(x);
    const Poly lead = A.LeadingCoefficient(x);
    Poly beta;
    if (i == 1) {
      beta = Poly::Constant(a.nvars(), Number((d + 1) % 2 == 0 ? 1.0 : -1.0));
      psi = Poly::Constant(a.nvars(), Number(-1.0));
    } else {
      // ψ = (−ℓ)^d′ · ψ^(1−d′), an exact division for d′ ≥ 1.
      Poly numerator = lead.Negated().Power(previous_d);
      psi = previous_d >= 1 ? ExactQuotient(numerator, psi.Power(previous_d - 1)) : numerator * psi;
      beta = lead.Negated() * psi.Power(d);
    }
    A = std::move(B);
    B = ExactQuotient(R, beta);
    previous_d = d;
  }
  // The last non-zero remainder's primitive part; numeric scale factors do not
  // matter since callers normalise.
  const Poly primitive =
      A.IsFreeOf(x) ? Poly::Constant(a.nvars(), Number(1.0)) : PrimitivePart(A, ContentIn(A, x));
  return content * primitive;
}

Poly MonicGcd(const Poly& a, const Poly& b) {
  Poly g = PolyGcd(a, b, 0);
  if (g.IsZero()) return g;
  if (g.IsConstant()) return Poly::Constant(a.nvars(), Number(1.0));
  return g.Scaled(Divide(Number(1.0), g.LeadingNumber()));
}

}  // namespace zentrix::engine::poly
