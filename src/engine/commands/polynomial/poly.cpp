#include "engine/commands/polynomial/poly.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "engine/commands/base/poly_limits.h"
#include "engine/commands/polynomial/poly_coefficients.h"
#include "engine/commands/polynomial/poly_power.h"
#include "engine/commands/polynomial/sparse_terms_impl.h"

namespace zentrix::engine::poly {

template <>
struct CoefficientArithmetic<Number> {
  static bool IsZero(const Number& c) { return c.IsZero(); }
  static void AddTo(Number& acc, const Number& c) { poly::AddTo(acc, c); }
  static Number Times(const Number& a, const Number& b) { return MulNumbers(a, b); }
  static Number Quotient(const Number& a, const Number& b) { return Divide(a, b); }
  static Number Negated(const Number& c) { return Negate(c); }
  static Number FromExponent(Exponent k) { return Number(static_cast<double>(k)); }
  static void ChargeMerge(const Poly& a, const Poly& b, const Number&) {
    ChargeWork(WidthScaled(static_cast<std::int64_t>(a.size() + b.size()), a.nvars()));
  }
};

template class SparseTerms<Poly, Number>;

namespace {

// Open-addressing table from exponent vectors to term slots, so that adding a
// term to a growing sum costs O(1) on average.
class TermAccumulator {
 public:
  TermAccumulator(int nvars, std::size_t expected) : result_(nvars) {
    std::size_t capacity = 16;
    while (capacity < expected * 2) capacity <<= 1;
    table_.assign(capacity, kEmpty);
  }

  // Adds c·x^(a + b) (b may be null for x^a).
  void Add(const Exponent* a, const Exponent* b, const Number& c) {
    const int n = result_.nvars();
    scratch_.resize(n);
    for (int v = 0; v < n; ++v) scratch_[v] = a[v] + (b ? b[v] : 0);
    std::uint64_t h = Hash(scratch_.data(), n);
    std::size_t mask = table_.size() - 1;
    std::size_t slot = h & mask;
    while (table_[slot] != kEmpty) {
      std::uint32_t index = table_[slot];
      if (std::memcmp(result_.Exps(index), scratch_.data(), n * sizeof(Exponent)) == 0) {
        AddTo(result_.MutableCoeff(index), c);
        return;
      }
      slot = (slot + 1) & mask;
    }
    CheckTermCount(static_cast<std::int64_t>(result_.size()) + 1);
    table_[slot] = static_cast<std::uint32_t>(result_.size());
    result_.Append(scratch_.data(), c);
    if (result_.size() * 2 > table_.size()) Grow();
  }

  Poly Finish() && {
    result_.Normalize();
    return std::move(result_);
  }

 private:
  static constexpr std::uint32_t kEmpty = 0xffffffffu;

  static std::uint64_t Hash(const Exponent* e, int n) {
    std::uint64_t h = 0x9e3779b97f4a7c15ull;
    for (int v = 0; v < n; ++v) {
      h ^= static_cast<std::uint32_t>(e[v]);
      h *= 0xff51afd7ed558ccdull;
      h ^= h >> 29;
    }
    return h;
  }

  void Grow() {
    std::vector<std::uint32_t> bigger(table_.size() * 2, kEmpty);
    const std::size_t mask = bigger.size() - 1;
    for (std::uint32_t i = 0; i < result_.size(); ++i) {
      std::size_t slot = Hash(result_.Exps(i), result_.nvars()) & mask;
      while (bigger[slot] != kEmpty) slot = (slot + 1) & mask;
      bigger[slot] = i;
    }
    table_.swap(bigger);
  }

  Poly result_;
  std::vector<std::uint32_t> table_;
  std::vector<Exponent> scratch_;
};

}  // namespace

int CompareExponents(const Exponent* a, const Exponent* b, int nvars) {
  for (int v = 0; v < nvars; ++v) {
    if (a[v] != b[v]) return a[v] > b[v] ? 1 : -1;
  }
  return 0;
}

Number Poly::ConstantTerm() const {
  // In normal order the term without variables, when present, sorts after
  // every term with a positive leading exponent; scan from the end.
  for (std::size_t i = size(); i-- > 0;) {
    const Exponent* e = Exps(i);
    if (std::all_of(e, e + nvars_, [](Exponent x) { return x == 0; })) return coeffs_[i];
  }
  return Number();
}

Exponent Poly::MinDegree(int var) const {
  if (IsZero()) return 0;
  Exponent d = Exp(0, var);
  for (std::size_t i = 1; i < size(); ++i) d = std::min(d, Exp(i, var));
  return d;
}

Exponent Poly::TotalDegree() const {
  Exponent best = -1;
  for (std::size_t i = 0; i < size(); ++i) {
    const Exponent* e = Exps(i);
    best = std::max(best, std::accumulate(e, e + nvars_, Exponent{0}));
  }
  return best;
}

bool Poly::HasNonNegativeExponents() const {
  return std::all_of(exps_.begin(), exps_.end(), [](Exponent e) { return e >= 0; });
}

std::vector<int> Poly::UsedVariables() const {
  std::vector<int> used;
  for (int v = 0; v < nvars_; ++v) {
    if (!IsFreeOf(v)) used.push_back(v);
  }
  return used;
}

Poly Poly::Negated() const { return Scaled(Number(-1.0)); }

Poly Poly::Scaled(const Number& c) const {
  if (c.IsZero()) return Poly(nvars_);
  Poly out(nvars_);
  out.exps_ = exps_;
  out.coeffs_.reserve(size());
  ChargeWork(static_cast<std::int64_t>(size()));
  for (const Number& k : coeffs_) out.coeffs_.push_back(MulNumbers(c, k));
  // Products of non-zero values can underflow to zero.
  out.Normalize();
  return out;
}

Poly Poly::Substitute(int var, const Number& value) const {
  Poly out(nvars_);
  std::vector<Exponent> e(nvars_);
  ChargeWork(static_cast<std::int64_t>(size()));
  for (std::size_t i = 0; i < size(); ++i) {
    std::copy(Exps(i), Exps(i) + nvars_, e.begin());
    const Exponent k = e[var];
    e[var] = 0;
    if (k < 0 && value.IsZero()) {
      out.Append(e.data(), Number::ComplexInfinity());
      continue;
    }
    Number power = k >= 0 ? IntPower(value, k) : Divide(Number(1.0), IntPower(value, -k));
    out.Append(e.data(), MulNumbers(coeffs_[i], power));
  }
  out.Normalize();
  return out;
}

Poly Poly::Power(int n) const {
  if (n == 0) return Constant(nvars_, Number(1.0));
  if (n == 1 || IsZero()) return *this;
  if (size() == 1) {
    Poly out(nvars_);
    std::vector<Exponent> e(nvars_);
    for (int v = 0; v < nvars_; ++v) {
      const std::int64_t k = static_cast<std::int64_t>(Exp(0, v)) * n;
      CheckExponent(k);
      e[v] = static_cast<Exponent>(k);
    }
    out.Append(e.data(), IntPower(coeffs_[0], n));
    out.Normalize();
    return out;
  }
  for (int v = 0; v < nvars_; ++v) {
    CheckExponent(static_cast<std::int64_t>(Degree(v)) * n);
    CheckExponent(static_cast<std::int64_t>(MinDegree(v)) * n);
  }
  // Refuse at once when every bound on the number of result terms is too big:
  // the monomials of degree n in size() symbols, and the exponent ranges.
  double by_terms = Binomial(n + static_cast<int>(size()) - 1, static_cast<int>(size()) - 1);
  double by_ranges = 1.0;
  for (int v = 0; v < nvars_; ++v) {
    by_ranges *= static_cast<double>(n) * (Degree(v) - MinDegree(v)) + 1.0;
  }
  if (std::min(by_terms, by_ranges) > static_cast<double>(kMaxTerms)) throw PolyTooLarge();
  if (auto separate = PowerOfSeparateTerms(*this, n)) return std::move(*separate);

  // (a + b)^n = Σ C(n, i)·a^(n−i)·b^i with a the leading term; the powers of b
  // are formed one after another and added in at once.
  Poly lead(nvars_);
  lead.Append(Exps(0), coeffs_[0]);
  Poly rest(nvars_);
  rest.exps_.assign(exps_.begin() + nvars_, exps_.end());
  rest.coeffs_.assign(coeffs_.begin() + 1, coeffs_.end());
  TermAccumulator sum(nvars_, static_cast<std::size_t>(std::min(by_terms, by_ranges)));
  Poly rest_power = Constant(nvars_, Number(1.0));
  double binomial = 1.0;  // C(n, i), exact while it fits in 2^53
  for (int i = 0; i <= n; ++i) {
    if (i > 0) {
      rest_power = rest_power * rest;
      binomial = binomial * (n - i + 1) / i;
    }
    const Poly lead_power = lead.Power(n - i);
    if (lead_power.IsZero()) continue;  // the coefficient underflowed
    const Number scale = MulNumbers(Number(binomial), lead_power.coeffs_[0]);
    ChargeWork(static_cast<std::int64_t>(rest_power.size()));
    for (std::size_t j = 0; j < rest_power.size(); ++j) {
      sum.Add(lead_power.Exps(0), rest_power.Exps(j), MulNumbers(scale, rest_power.coeffs_[j]));
    }
  }
  return std::move(sum).Finish();
}

std::vector<Poly> Poly::DenseIn(int var) const {
  const Exponent degree = std::max<Exponent>(Degree(var), 0);
  ChargeWork(degree);
  std::vector<Poly> dense(static_cast<std::size_t>(degree) + 1, Poly(nvars_));
  std::vector<Exponent> e(nvars_);
  for (std::size_t i = 0; i < size(); ++i) {
    std::copy(Exps(i), Exps(i) + nvars_, e.begin());
    const Exponent k = e[var];
    e[var] = 0;
    dense[k].Append(e.data(), coeffs_[i]);
  }
  return dense;
}

Poly Poly::FromDense(const std::vector<Poly>& coefficients, int var, int nvars) {
  Poly out(nvars);
  for (std::size_t k = coefficients.size(); k-- > 0;) {
    const Poly& c = coefficients[k];
    for (std::size_t i = 0; i < c.size(); ++i) {
      std::vector<Exponent> e(c.Exps(i), c.Exps(i) + nvars);
      e[var] += static_cast<Exponent>(k);
      out.Append(e.data(), c.coeffs_[i]);
    }
  }
  out.Normalize();
  return out;
}

Poly operator+(const Poly& a, const Poly& b) { return MergeTerms(a, b, Number(1.0), nullptr); }

Poly operator-(const Poly& a, const Poly& b) { return MergeTerms(a, b, Number(-1.0), nullptr); }

Poly operator*(const Poly& a, const Poly& b) {
  if (a.IsZero() || b.IsZero()) return Poly(a.nvars_);
  const std::int64_t work = static_cast<std::int64_t>(a.size()) * b.size();
  ChargeWork(WidthScaled(work + static_cast<std::int64_t>(a.size() + b.size()), a.nvars_));
  for (int v = 0; v < a.nvars_; ++v) {
    CheckExponent(static_cast<std::int64_t>(a.Degree(v)) + b.Degree(v));
    CheckExponent(static_cast<std::int64_t>(a.MinDegree(v)) + b.MinDegree(v));
  }
  if (a.size() == 1 || b.size() == 1) {
    // One side is a monomial: the terms stay distinct and in order.
    const Poly& m = a.size() == 1 ? a : b;
    const Poly& p = a.size() == 1 ? b : a;
    Poly out(a.nvars_);
    std::vector<Exponent> e(a.nvars_);
    for (std::size_t i = 0; i < p.size(); ++i) {
      for (int v = 0; v < a.nvars_; ++v) e[v] = p.Exp(i, v) + m.Exp(0, v);
      Number c = MulNumbers(m.coeffs_[0], p.coeffs_[i]);
      if (!c.IsZero()) out.Append(e.data(), c);
    }
    return out;
  }
  TermAccumulator sum(a.nvars_, static_cast<std::size_t>(std::min<std::int64_t>(work, kMaxTerms)));
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < b.size(); ++j) {
      sum.Add(a.Exps(i), b.Exps(j), MulNumbers(a.coeffs_[i], b.coeffs_[j]));
    }
  }
  return std::move(sum).Finish();
}

Poly DivideWithRemainder(const Poly& a, const Poly& b, Poly* remainder) {
  return DivideTerms(a, b, remainder);
}

bool DivideExactly(const Poly& a, const Poly& b, Poly* quotient) {
  return DivideTermsExactly(a, b, quotient);
}

double Binomial(int n, int k) {
  if (k < 0 || k > n) return 0.0;
  k = std::min(k, n - k);
  double c = 1.0;
  for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
  return c;
}

}  // namespace zentrix::engine::poly
