#pragma once
// The definitions of SparseTerms and the term-list algorithms Poly and
// ExactPoly share (merging addition, division on the normal order). Included
// only by poly.cpp and exact_poly.cpp, which specialise CoefficientArithmetic
// and instantiate these for their coefficient type.

#include <algorithm>
#include <numeric>
#include <type_traits>
#include <utility>

#include "engine/commands/base/poly_limits.h"
#include "engine/commands/polynomial/sparse_terms.h"

namespace zentrix::engine::poly {

template <typename Derived, typename Coefficient>
Derived SparseTerms<Derived, Coefficient>::Constant(int nvars, const Coefficient& c) {
  Derived p(nvars);
  if (!CoefficientArithmetic<Coefficient>::IsZero(c)) {
    std::vector<Exponent> zero(nvars, 0);
    p.Append(zero.data(), c);
  }
  return p;
}

template <typename Derived, typename Coefficient>
Derived SparseTerms<Derived, Coefficient>::Monomial(int nvars, const Coefficient& c, int var,
                                                    Exponent e) {
  Derived p(nvars);
  if (!CoefficientArithmetic<Coefficient>::IsZero(c)) {
    std::vector<Exponent> exps(nvars, 0);
    exps[var] = e;
    p.Append(exps.data(), c);
  }
  return p;
}

template <typename Derived, typename Coefficient>
bool SparseTerms<Derived, Coefficient>::IsConstant() const {
  if (coeffs_.empty()) return true;
  if (coeffs_.size() > 1) return false;
  return std::all_of(exps_.begin(), exps_.end(), [](Exponent e) { return e == 0; });
}

template <typename Derived, typename Coefficient>
void SparseTerms<Derived, Coefficient>::Widen(int nvars) {
  if (nvars <= nvars_) return;
  std::vector<Exponent> wider(size() * nvars, 0);
  for (std::size_t i = 0; i < size(); ++i) {
    std::copy(Exps(i), Exps(i) + nvars_, wider.begin() + i * nvars);
  }
  exps_.swap(wider);
  nvars_ = nvars;
}

template <typename Derived, typename Coefficient>
void SparseTerms<Derived, Coefficient>::Append(const Exponent* exps, const Coefficient& c) {
  exps_.insert(exps_.end(), exps, exps + nvars_);
  coeffs_.push_back(c);
}

template <typename Derived, typename Coefficient>
void SparseTerms<Derived, Coefficient>::Append(const Exponent* exps, Coefficient&& c) {
  exps_.insert(exps_.end(), exps, exps + nvars_);
  coeffs_.push_back(std::move(c));
}

template <typename Derived, typename Coefficient>
void SparseTerms<Derived, Coefficient>::Normalize() {
  using Arithmetic = CoefficientArithmetic<Coefficient>;
  const std::size_t n = size();
  std::vector<std::uint32_t> order(n);
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    return CompareExponents(Exps(a), Exps(b), nvars_) > 0;
  });
  SparseTerms out(nvars_);
  out.exps_.reserve(exps_.size());
  out.coeffs_.reserve(n);
  for (std::size_t k = 0; k < n;) {
    const std::uint32_t first = order[k];
    Coefficient c = coeffs_[first];
    std::size_t next = k + 1;
    while (next < n && CompareExponents(Exps(order[next]), Exps(first), nvars_) == 0) {
      Arithmetic::AddTo(c, coeffs_[order[next]]);
      ++next;
    }
    if (!Arithmetic::IsZero(c)) out.Append(Exps(first), std::move(c));
    k = next;
  }
  *this = std::move(out);
}

template <typename Derived, typename Coefficient>
Exponent SparseTerms<Derived, Coefficient>::Degree(int var) const {
  if (IsZero()) return -1;
  Exponent d = Exp(0, var);
  for (std::size_t i = 1; i < size(); ++i) d = std::max(d, Exp(i, var));
  return d;
}

template <typename Derived, typename Coefficient>
bool SparseTerms<Derived, Coefficient>::IsFreeOf(int var) const {
  for (std::size_t i = 0; i < size(); ++i) {
    if (Exp(i, var) != 0) return false;
  }
  return true;
}

template <typename Derived, typename Coefficient>
Derived SparseTerms<Derived, Coefficient>::CoefficientOf(int var, Exponent k) const {
  Derived out(nvars_);
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

template <typename Derived, typename Coefficient>
Coefficient SparseTerms<Derived, Coefficient>::LeadingNumber() const {
  return IsZero() ? Coefficient() : coeffs_[0];
}

template <typename Derived, typename Coefficient>
Derived SparseTerms<Derived, Coefficient>::Shifted(int var, Exponent k) const {
  Derived out = static_cast<const Derived&>(*this);
  for (std::size_t i = 0; i < size(); ++i) {
    CheckExponent(static_cast<std::int64_t>(out.exps_[i * nvars_ + var]) + k);
    out.exps_[i * nvars_ + var] += k;
  }
  return out;
}

template <typename Derived, typename Coefficient>
Derived SparseTerms<Derived, Coefficient>::Derivative(int var) const {
  using Arithmetic = CoefficientArithmetic<Coefficient>;
  Derived out(nvars_);
  std::vector<Exponent> e(nvars_);
  for (std::size_t i = 0; i < size(); ++i) {
    const Exponent k = Exp(i, var);
    if (k == 0) continue;
    std::copy(Exps(i), Exps(i) + nvars_, e.begin());
    e[var] = k - 1;
    out.Append(e.data(), Arithmetic::Times(Arithmetic::FromExponent(k), coeffs_[i]));
  }
  out.Normalize();
  return out;
}

// a + t·x^shift·b by merging the two sorted term lists (shift may be null).
template <typename P, typename Coefficient>
P MergeTerms(const P& a, const P& b, const Coefficient& t, const Exponent* shift) {
  using Arithmetic = CoefficientArithmetic<Coefficient>;
  const int n = a.nvars();
  P out(n);
  std::vector<Exponent> e(n);
  auto shifted = [&](std::size_t j) {
    const Exponent* be = b.Exps(j);
    for (int v = 0; v < n; ++v) e[v] = be[v] + (shift ? shift[v] : 0);
    return e.data();
  };
  Arithmetic::ChargeMerge(a, b, t);
  CheckTermCount(static_cast<std::int64_t>(a.size() + b.size()));
  std::size_t i = 0, j = 0;
  while (i < a.size() || j < b.size()) {
    if (j == b.size()) {
      out.Append(a.Exps(i), a.Coeff(i));
      ++i;
      continue;
    }
    const Exponent* be = shifted(j);
    const int cmp = i == a.size() ? -1 : CompareExponents(a.Exps(i), be, n);
    if (cmp > 0) {
      out.Append(a.Exps(i), a.Coeff(i));
      ++i;
    } else if (cmp < 0) {
      // A product of non-zero approximate values can underflow to zero.
      Coefficient c = Arithmetic::Times(t, b.Coeff(j));
      if (!Arithmetic::IsZero(c)) out.Append(be, std::move(c));
      ++j;
    } else {
      Coefficient c = a.Coeff(i);
      Arithmetic::AddTo(c, Arithmetic::Times(t, b.Coeff(j)));
      if (!Arithmetic::IsZero(c)) out.Append(be, std::move(c));
      ++i;
      ++j;
    }
  }
  return out;
}

// Multivariate division on the normal order: a = q·b + r where no term of r
// is divisible by the leading term of b (b non-zero). Returns q.
template <typename P>
P DivideTerms(const P& a, const P& b, P* remainder) {
  const int n = a.nvars();
  P q(n);
  P rest(n);
  P r = a;
  std::vector<Exponent> shift(n);
  const auto& lead_b = b.Coeff(0);
  using Arithmetic = CoefficientArithmetic<std::decay_t<decltype(lead_b)>>;
  while (!r.IsZero()) {
    bool divisible = true;
    for (int v = 0; v < n; ++v) {
      shift[v] = r.Exp(0, v) - b.Exp(0, v);
      if (shift[v] < 0) divisible = false;
    }
    std::vector<Exponent> eliminated(r.Exps(0), r.Exps(0) + n);
    if (divisible) {
      const auto t = Arithmetic::Quotient(r.Coeff(0), lead_b);
      q.Append(shift.data(), t);
      r = MergeTerms(r, b, Arithmetic::Negated(t), shift.data());
    } else {
      rest.Append(r.Exps(0), r.Coeff(0));
    }
    // The leading term leaves r: moved to the remainder, or cancelled (an
    // approximate coefficient may leave a residue there, which is dropped so
    // that the leading term always falls).
    if (!r.IsZero() && CompareExponents(r.Exps(0), eliminated.data(), n) == 0) {
      P trimmed(n);
      for (std::size_t i = 1; i < r.size(); ++i) trimmed.Append(r.Exps(i), r.Coeff(i));
      r = std::move(trimmed);
    }
  }
  q.Normalize();
  if (remainder) *remainder = std::move(rest);
  return q;
}

// Exact division: true with the quotient when b divides a (b non-zero).
template <typename P>
bool DivideTermsExactly(const P& a, const P& b, P* quotient) {
  if (b.IsZero()) return false;
  P remainder;
  P q = DivideTerms(a, b, &remainder);
  if (!remainder.IsZero()) return false;
  *quotient = std::move(q);
  return true;
}

}  // namespace zentrix::engine::poly
