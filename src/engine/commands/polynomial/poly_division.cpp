// Quotient, Remainder and PolyDivide: a dense long division for univariate
// polynomials of degree below 21, and a recursive division over the variable
// list for everything else.

#include <algorithm>
#include <array>

#include "engine/commands/base/exact_range.h"
#include "engine/commands/polynomial/exact_poly.h"
#include "engine/commands/polynomial/poly_coefficients.h"
#include "engine/commands/polynomial/poly_convert.h"
#include "engine/commands/polynomial/poly_support.h"
#include "engine/commands/polynomial/poly_tree_ops.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace poly {
namespace {

constexpr int kDenseSize = 21;

struct PolyQR {
  Poly q;
  Poly r;
};

// Schoolbook long division of univariate polynomials in variable 0.
PolyQR DenseDivide(const Poly& a, const Poly& b) {
  std::array<Number, kDenseSize> r{};
  std::array<Number, kDenseSize> d{};
  std::array<Number, kDenseSize> q{};
  for (std::size_t i = 0; i < a.size(); ++i) r[a.Exp(i, 0)] = a.Coeff(i);
  for (std::size_t i = 0; i < b.size(); ++i) d[b.Exp(i, 0)] = b.Coeff(i);
  const int da = a.Degree(0), db = b.Degree(0);
  for (int k = da - db; k >= 0; --k) {
    q[k] = Divide(r[k + db], d[db]);
    for (int j = 0; j <= db; ++j) r[k + j] = Subtract(r[k + j], MulNumbers(q[k], d[j]));
    r[k + db] = Number();  // cancelled; any residue of approximate values goes
  }
  PolyQR out{Poly(a.nvars()), Poly(a.nvars())};
  std::vector<Exponent> e(a.nvars(), 0);
  for (int k = da - db; k >= 0; --k) {
    e[0] = k;
    if (!q[k].IsZero()) out.q.Append(e.data(), q[k]);
  }
  for (int k = db - 1; k >= 0; --k) {
    e[0] = k;
    if (!r[k].IsZero()) out.r.Append(e.data(), r[k]);
  }
  return out;
}

Number Reciprocal(const Number& c) { return engine::Divide(Number(1.0), c); }
Rational Reciprocal(const Rational& c) { return 1 / c; }

template <typename P>
struct QuotientAndRemainder {
  P q;
  P r;
};

// Division by the main variable with the leading coefficients divided by this
// same algorithm on the remaining variables. Stops when a leading coefficient
// does not divide.
template <typename P>
QuotientAndRemainder<P> RecursiveDivide(const P& a, const P& b, int var) {
  const int n = a.nvars();
  QuotientAndRemainder<P> out{P(n), a};
  if (b.IsConstant()) {
    out.q = a.Scaled(Reciprocal(b.LeadingNumber()));
    out.r = P(n);
    return out;
  }
  if (var >= n) return out;
  const Exponent db = b.Degree(var);
  const P lb = b.LeadingCoefficient(var);
  while (!out.r.IsZero() && out.r.Degree(var) >= db) {
    const Exponent dr = out.r.Degree(var);
    QuotientAndRemainder<P> inner = RecursiveDivide(out.r.LeadingCoefficient(var), lb, var + 1);
    if (!inner.r.IsZero()) break;
    const P t = inner.q.Shifted(var, dr - db);
    // Every term of t has the power dr − db of var, below all of q's so far,
    // and var is the most significant variable left: appending keeps the
    // normal form (and the quotient linear in its size).
    ChargeWork(static_cast<std::int64_t>(t.size()));
    CheckTermCount(static_cast<std::int64_t>(out.q.size() + t.size()));
    for (std::size_t i = 0; i < t.size(); ++i) out.q.Append(t.Exps(i), t.Coeff(i));
    P next = out.r - t * b;
    if (!next.IsZero() && next.Degree(var) >= dr) {
      next = next - next.LeadingCoefficient(var).Shifted(var, next.Degree(var));
    }
    out.r = std::move(next);
  }
  return out;
}

// Exact operands are divided in exact arithmetic, whatever their degree.
PolyQR DivideExactOrNumeric(const Poly& a, const Poly& b, bool dense) {
  auto ea = ToExact(a);
  auto eb = ToExact(b);
  if (ea && eb) {
    QuotientAndRemainder<ExactPoly> qr = RecursiveDivide(*ea, *eb, 0);
    return PolyQR{FromExact(qr.q), FromExact(qr.r)};
  }
  if (dense) return DenseDivide(a, b);
  QuotientAndRemainder<Poly> qr = RecursiveDivide(a, b, 0);
  return PolyQR{std::move(qr.q), std::move(qr.r)};
}

// The variable list of both operands with the division variable first.
std::vector<std::u16string> DivisionVariables(const ExprNode& a, const ExprNode& b,
                                              std::u16string_view x) {
  std::vector<std::u16string> names = JointVariables(a, b);
  names.erase(std::remove(names.begin(), names.end(), x), names.end());
  names.insert(names.begin(), std::u16string(x));
  return names;
}

std::optional<PolyDivision> Divide(const ExprNode& a, const ExprNode& b, std::u16string_view x) {
  RaiseRewriteFlag();
  const std::vector<std::u16string> names = DivisionVariables(a, b, x);
  const bool univariate = names.size() == 1;
  AtomTable atoms(names);
  auto pa = ToPolynomial(a, atoms);
  auto pb = ToPolynomial(b, atoms);
  if (!pa || !pb) {
    if (!univariate) return std::nullopt;
    // The univariate path takes its numbers as they are.
    if (b.IsNumber()) return PolyDivision{TreeDivide(a, b), ExprNode::Zero()};
    if (a.IsNumber()) return PolyDivision{ExprNode::Zero(), a};
    return std::nullopt;
  }
  pa->Widen(atoms.size());
  pb->Widen(atoms.size());
  // π and e are further indeterminates; they make the division general.
  const bool dense =
      univariate && atoms.size() == 1 && pa->Degree(0) < kDenseSize && pb->Degree(0) < kDenseSize;
  if (pb->IsZero()) return PolyDivision{TreeDivide(a, b), ExprNode::Zero()};
  const PolyQR qr =
      DivideExactOrNumeric(*pa, *pb, dense && !pb->IsConstant() && pa->Degree(0) >= pb->Degree(0));
  return PolyDivision{FromPoly(qr.q, atoms), FromPoly(qr.r, atoms)};
}

PolyCommandResult RunDivision(const ExprNode& a, const ExprNode& b, std::u16string_view variable,
                              int which) {
  return Guarded([&]() -> PolyCommandResult {
    std::u16string x(variable);
    if (x.empty()) {
      const auto names = JointVariables(a, b);
      if (names.size() > 1) return PolyCommandResult::Fail(EngineError::kTooManyVariables);
      x = names.empty() ? u"x" : names[0];
    }
    auto division = Divide(a, b, x);
    if (!division) division = PolyDivision{ExprNode::Zero(), ExprNode::Zero()};
    if (which == 0) return PolyCommandResult::Value(std::move(division->quotient));
    if (which == 1) return PolyCommandResult::Value(std::move(division->remainder));
    ExprNode list = ExprNode::MakeList();
    list.AddOperand(std::move(division->quotient));
    list.AddOperand(std::move(division->remainder));
    return PolyCommandResult::Value(std::move(list));
  });
}

}  // namespace
}  // namespace poly

std::optional<PolyDivision> DividePolynomials(const ExprNode& a, const ExprNode& b,
                                              std::u16string_view variable) {
  poly::ScopedWorkAllowance allowance;
  try {
    return poly::Divide(a, b, variable);
  } catch (const poly::PolyTooLarge&) {
    return std::nullopt;
  } catch (const ExactRangeExceeded&) {
    return std::nullopt;
  }
}

PolyCommandResult QuotientCommand(const ExprNode& a, const ExprNode& b,
                                  std::u16string_view variable) {
  return poly::RunDivision(a, b, variable, 0);
}

PolyCommandResult RemainderCommand(const ExprNode& a, const ExprNode& b,
                                   std::u16string_view variable) {
  return poly::RunDivision(a, b, variable, 1);
}

PolyCommandResult PolyDivideCommand(const ExprNode& a, const ExprNode& b,
                                    std::u16string_view variable) {
  return poly::RunDivision(a, b, variable, 2);
}

}  // namespace zentrix::engine
