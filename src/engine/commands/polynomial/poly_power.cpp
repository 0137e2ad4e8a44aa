#include "engine/commands/polynomial/poly_power.h"

#include <cmath>
#include <vector>

#include "engine/commands/base/poly_limits.h"

namespace zentrix::engine::poly {
namespace {

// Every coefficient of the result lies below (Σ|c|)^n; this keeps it exact.
constexpr double kLargestExact = 9007199254740992.0;  // 2^53

struct SeparateTerm {
  int var = -1;  // -1 for the constant
  Exponent degree = 0;
  std::vector<double> powers;  // c^0 .. c^n
};

// The terms in normal order, or empty when p is not of the separate shape.
std::vector<SeparateTerm> SeparateTerms(const Poly& p, int n) {
  std::vector<SeparateTerm> terms;
  double magnitude = 0.0;
  int last_var = -1;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Number& c = p.Coeff(i);
    if (!c.IsIntegerOrDecimal() || std::trunc(c.RealNumerator()) != c.RealNumerator()) return {};
    SeparateTerm term;
    for (int v = 0; v < p.nvars(); ++v) {
      const Exponent e = p.Exp(i, v);
      if (e == 0) continue;
      // A second variable, a negative exponent, or variables out of order.
      if (term.var >= 0 || e < 0 || v <= last_var) return {};
      term.var = v;
      term.degree = e;
    }
    // The constant sorts last; anything after it breaks the shape.
    if (last_var == -2) return {};
    last_var = term.var >= 0 ? term.var : -2;
    magnitude += std::fabs(c.RealNumerator());
    terms.push_back(std::move(term));
  }
  if (!(std::pow(magnitude, n) < kLargestExact)) return {};
  for (std::size_t i = 0; i < p.size(); ++i) {
    std::vector<double>& powers = terms[i].powers;
    powers.resize(static_cast<std::size_t>(n) + 1);
    powers[0] = 1.0;
    for (int k = 1; k <= n; ++k) powers[k] = powers[k - 1] * p.Coeff(i).RealNumerator();
  }
  return terms;
}

class MultinomialWriter {
 public:
  MultinomialWriter(const std::vector<SeparateTerm>& terms, int n, int nvars)
      : terms_(terms), out_(nvars), exps_(nvars, 0), binomial_(n + 1) {
    // Pascal's triangle: every entry divides a coefficient of the result, so
    // it is exact too.
    for (int r = 0; r <= n; ++r) {
      binomial_[r].assign(r + 1, 1.0);
      for (int k = 1; k < r; ++k) binomial_[r][k] = binomial_[r - 1][k - 1] + binomial_[r - 1][k];
    }
  }

  Poly Write(int n) && {
    Emit(0, n, 1.0);
    return std::move(out_);
  }

 private:
  // Term j takes k of the `remaining` factors, from most to fewest, so the
  // exponent vectors fall in descending lexicographic order; the last term
  // takes what is left.
  void Emit(std::size_t j, int remaining, double coefficient) {
    const SeparateTerm& term = terms_[j];
    const bool last = j + 1 == terms_.size();
    for (int k = remaining; k >= (last ? remaining : 0); --k) {
      if (term.var >= 0) exps_[term.var] = k * term.degree;
      const double c = coefficient * binomial_[remaining][k] * term.powers[k];
      if (last) {
        out_.Append(exps_.data(), Number(c));
      } else {
        Emit(j + 1, remaining - k, c);
      }
    }
    if (term.var >= 0) exps_[term.var] = 0;
  }

  const std::vector<SeparateTerm>& terms_;
  Poly out_;
  std::vector<Exponent> exps_;
  std::vector<std::vector<double>> binomial_;
};

}  // namespace

std::optional<Poly> PowerOfSeparateTerms(const Poly& p, int n) {
  if (n < 2 || p.size() < 2) return std::nullopt;
  const std::vector<SeparateTerm> terms = SeparateTerms(p, n);
  if (terms.empty()) return std::nullopt;
  // C(n + m − 1, m − 1) products, each written once.
  const double count =
      Binomial(n + static_cast<int>(terms.size()) - 1, static_cast<int>(terms.size()) - 1);
  if (count > static_cast<double>(kMaxTerms)) throw PolyTooLarge();
  CheckTermCount(static_cast<std::int64_t>(count));
  ChargeWork(WidthScaled(static_cast<std::int64_t>(count), p.nvars()));
  return MultinomialWriter(terms, n, p.nvars()).Write(n);
}

}  // namespace zentrix::engine::poly
