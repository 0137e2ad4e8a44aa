#include "engine/commands/polynomial/poly.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "engine/commands/base/poly_limits.h"
#include "engine/commands/polynomial/poly_coefficients.h"
#include "engine/commands/polynomial/poly_power.h"

namespace zentrix::engine::poly {
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

// a + t·x^shift·b by merging the two sorted term lists (shift may be null).
Poly MergeAdd(const Poly& a, const Poly& b, const Number& t, const Exponent* shift) {
  const int n = a.nvars();
  Poly out(n);
  std::vector<Exponent> e(n);
  auto shifted = [&](std::size_t j) {
    const Exponent* be = b.Exps(j);
    for (int v = 0; v < n; ++v) e[v] = be[v] + (shift ? shift[v] : 0);
    return e.data();
  };
  std::size_t i = 0, j = 0;
  ChargeWork(WidthScaled(static_cast<std::int64_t>(a.size() + b.size()), n));
  CheckTermCount(static_cast<std::int64_t>(a.size() + b.size()));
  while (i < a.size() || j < b.size()) {
    if (j == b.size()) {
      out.Append(a.Exps(i), a.Coeff(i));
      ++i;
      continue;
    }
    const Exponent* be = shifted(j);
    int cmp = i == a.size() ? -1 : CompareExponents(a.Exps(i), be, n);
    if (cmp > 0) {
      out.Append(a.Exps(i), a.Coeff(i));
      ++i;
    } else if (cmp < 0) {
      Number c = MulNumbers(t, b.Coeff(j));
      if (!c.IsZero()) out.Append(be, c);
      ++j;
    } else {
      Number c = a.Coeff(i);
      AddTo(c, MulNumbers(t, b.Coeff(j)));
      if (!c.IsZero()) out.Append(be, c);
      ++i;
      ++j;
    }
  }
  return out;
}

}  // namespace

int CompareExponents(const Exponent* a, const Exponent* b, int nvars) {
  for (int v = 0; v < nvars; ++v) {
    if (a[v] != b[v]) return a[v] > b[v] ? 1 : -1;
  }
  return 0;
}

Poly Poly::Constant(int nvars, const Number& c) {
  Poly p(nvars);
  if (!c.IsZero()) {
    std::vector<Exponent> zero(nvars, 0);
    p.Append(zero.data(), c);
  }
  return p;
}

Poly Poly::Monomial(int nvars, const Number& c, int var, Exponent e) {
  Poly p(nvars);
  if (!c.IsZero()) {
    std::vector<Exponent> exps(nvars, 0);
    exps[var] = e;
    p.Append(exps.data(), c);
  }
  return p;
}

bool Poly::IsConstant() const {
  if (coeffs_.empty()) return true;
  if (coeffs_.size() > 1) return false;
  for (int v = 0; v < nvars_; ++v) {
    if (exps_[v] != 0) return false;
  }
  return true;
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

void Poly::Widen(int nvars) {
  if (nvars <= nvars_) return;
  std::vector<Exponent> wider(size() * nvars, 0);
  for (std::size_t i = 0; i < size(); ++i) {
    std::copy(Exps(i), Exps(i) + nvars_, wider.begin() + i * nvars);
  }
  exps_.swap(wider);
  nvars_ = nvars;
}

void Poly::Append(const Exponent* exps, const Number& c) {
  exps_.insert(exps_.end(), exps, exps + nvars_);
  coeffs_.push_back(c);
}

void Poly::Normalize() {
  const std::size_t n = size();
  std::vector<std::uint32_t> order(n);
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    return CompareExponents(Exps(a), Exps(b), nvars_) > 0;
  });
  Poly out(nvars_);
  out.exps_.reserve(exps_.size());
  out.coeffs_.reserve(n);
  for (std::size_t k = 0; k < n;) {
    const std::uint32_t first = order[k];
    Number c = coeffs_[first];
    std::size_t next = k + 1;
    while (next < n && CompareExponents(Exps(order[next]), Exps(first), nvars_) == 0) {
      AddTo(c, coeffs_[order[next]]);
      ++next;
    }
    if (!c.IsZero()) out.Append(Exps(first), c);
    k = next;
  }
  *this = std::move(out);
}

Exponent Poly::Degree(int var) const {
  if (IsZero()) return -1;
  Exponent d = Exp(0, var);
  for (std::size_t i = 1; i < size(); ++i) d = std::max(d, Exp(i, var));
  return d;
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

bool Poly::IsFreeOf(int var) const {
  for (std::size_t i = 0; i < size(); ++i) {
    if (Exp(i, var) != 0) return false;
  }
  return true;
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

Poly Poly::CoefficientOf(int var, Exponent k) const {
  Poly out(nvars_);
  std::vector<Exponent> e(nvars_);
  for (std::size_t i = 0; i < size(); ++i) {
    if (Exp(i, var) != k) continue;
    std::copy(Exps(i), Exps(i) + nvars_, e.begin());
    e[var] = 0;
    out.Append(e.data(), coeffs_[i]);
  }
  // Terms of one power of var keep their relative order, and removing var's
  // exponent keeps it too, so the result is already in normal form.
  return out;
}

Number Poly::LeadingNumber() const { return IsZero() ? Number() : coeffs_[0]; }

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

Poly Poly::Shifted(int var, Exponent k) const {
  Poly out = *this;
  for (std::size_t i = 0; i < size(); ++i) {
    CheckExponent(static_cast<std::int64_t>(out.exps_[i * nvars_ + var]) + k);
    out.exps_[i * nvars_ + var] += k;
  }
  return out;
}

Poly Poly::Derivative(int var) const {
  Poly out(nvars_);
  std::vector<Exponent> e(nvars_);
  for (std::size_t i = 0; i < size(); ++i) {
    const Exponent k = Exp(i, var);
    if (k == 0) continue;
    std::copy(Exps(i), Exps(i) + nvars_, e.begin());
    e[var] = k - 1;
    out.Append(e.data(), MulNumbers(Number(static_cast<double>(k)), coeffs_[i]));
  }
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

bool operator==(const Poly& a, const Poly& b) {
  return a.nvars_ == b.nvars_ && a.exps_ == b.exps_ && a.coeffs_ == b.coeffs_;
}

Poly operator+(const Poly& a, const Poly& b) { return MergeAdd(a, b, Number(1.0), nullptr); }

Poly operator-(const Poly& a, const Poly& b) { return MergeAdd(a, b, Number(-1.0), nullptr); }

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
  const int n = a.nvars();
  Poly q(n);
  Poly rest(n);
  Poly r = a;
  std::vector<Exponent> shift(n);
  const Number& lead_b = b.Coeff(0);
  while (!r.IsZero()) {
    bool divisible = true;
    for (int v = 0; v < n; ++v) {
      shift[v] = r.Exp(0, v) - b.Exp(0, v);
      if (shift[v] < 0) divisible = false;
    }
    std::vector<Exponent> eliminated(r.Exps(0), r.Exps(0) + n);
    if (divisible) {
      const Number t = Divide(r.Coeff(0), lead_b);
      q.Append(shift.data(), t);
      r = MergeAdd(r, b, Negate(t), shift.data());
    } else {
      rest.Append(r.Exps(0), r.Coeff(0));
    }
    // The leading term leaves r: moved to the remainder, or cancelled (an
    // approximate coefficient may leave a residue there, which is dropped so
    // that the leading term always falls).
    if (!r.IsZero() && CompareExponents(r.Exps(0), eliminated.data(), n) == 0) {
      Poly trimmed(n);
      for (std::size_t i = 1; i < r.size(); ++i) trimmed.Append(r.Exps(i), r.Coeff(i));
      r = std::move(trimmed);
    }
  }
  q.Normalize();
  if (remainder) *remainder = std::move(rest);
  return q;
}

bool DivideExactly(const Poly& a, const Poly& b, Poly* quotient) {
  if (b.IsZero()) return false;
  Poly remainder;
  Poly q = DivideWithRemainder(a, b, &remainder);
  if (!remainder.IsZero()) return false;
  *quotient = std::move(q);
  return true;
}

double Binomial(int n, int k) {
  if (k < 0 || k > n) return 0.0;
  k = std::min(k, n - k);
  double c = 1.0;
  for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
  return c;
}

}  // namespace zentrix::engine::poly
