#include "engine/commands/calculus/integrate_trig_powers.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/commands/base/limits.h"
#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/calculus/integrate_table.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;
using calculus::Num;

// Exponents above this are left to fail: the sums would be too long.
constexpr int kMaxExponent = limits::kIntegrateTrigExponent;

// Index of the six functions in the exponent table.
enum Slot { kSinSlot, kCosSlot, kTanSlot, kSecSlot, kCotSlot, kCscSlot, kSlots };

constexpr int kSlotFunction[kSlots] = {id::kSin, id::kCos, id::kTan, id::kSec, id::kCot, id::kCsc};

int SlotOf(int f) {
  const int* slot = std::find(std::begin(kSlotFunction), std::end(kSlotFunction), f);
  return slot == std::end(kSlotFunction) ? -1 : static_cast<int>(slot - kSlotFunction);
}

struct TrigPowers {
  std::array<int, kSlots> exponent{};
  const ExprNode* argument = nullptr;
};

// The function node of a factor f(u) or f(u)^k, with its exponent k.
const ExprNode* FunctionOf(const ExprNode& factor, int* k) {
  *k = 1;
  if (factor.IsOperandPower()) {
    const Number& e = factor.coefficient();
    if (!e.IsInteger() || !e.GreaterThan(0) || e.GreaterThan(kMaxExponent)) return nullptr;
    *k = static_cast<int>(e.RealValue());
    const ExprNode& base = factor.Operand(0);
    return base.IsUnaryFunction() && base.coefficient().IsOne() ? &base : nullptr;
  }
  return factor.IsUnaryFunction() && factor.coefficient().IsOne() ? &factor : nullptr;
}

std::optional<TrigPowers> Classify(const std::vector<ExprNode>& factors) {
  TrigPowers p;
  for (const ExprNode& factor : factors) {
    int k = 0;
    const ExprNode* f = FunctionOf(factor, &k);
    if (f == nullptr) return std::nullopt;
    const int slot = SlotOf(f->FunctionId());
    if (slot < 0) return std::nullopt;
    if (p.argument == nullptr) {
      p.argument = &f->Operand(0);
    } else if (!(*p.argument == f->Operand(0))) {
      return std::nullopt;
    }
    p.exponent[slot] += k;
    if (p.exponent[slot] > kMaxExponent) return std::nullopt;
  }
  if (p.argument == nullptr) return std::nullopt;
  return p;
}

double Binomial(int n, int k) {
  double c = 1;
  for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
  return c;
}

ExprNode Fn(int f, const ExprNode& u) { return ApplyFunction(f, u); }
ExprNode PowerOf(int f, const ExprNode& u, int k) {
  return PowerNumber(Fn(f, u), Number(static_cast<double>(k)));
}

// Σ_j C(k, j)·s^j·w^(offset + 2j)/(offset + 2j) with w = f(u), times the sign:
// the integral of (1 + s·w²)^k·w^(offset-1) dw (s = ±1), or with `alternate`
// of (w² - 1)^k·w^(offset-1).
ExprNode PolynomialInW(int f, const ExprNode& u, int k, int offset, double s, bool alternate,
                       double sign) {
  ExprNode sum = ExprNode::Zero();
  for (int j = 0; j <= k; ++j) {
    double c = Binomial(k, j);
    if (alternate) {
      if ((k - j) % 2 == 1) c = -c;
    } else if (s < 0 && j % 2 == 1) {
      c = -c;
    }
    const int power = offset + 2 * j;
    ExprNode term = MultiplyNumber(PowerOf(f, u, power), Number::Ratio(sign * c, power));
    sum = AddTrees(std::move(sum), std::move(term));
  }
  return sum;
}

// ∫ tan^m du (or cot^m with `cot`): tan^(m-1)/(m-1) - ∫ tan^(m-2).
ExprNode TanPower(const ExprNode& u, int m, bool cot) {
  ExprNode result = ExprNode::Zero();
  double sign = 1;
  for (; m >= 2; m -= 2) {
    ExprNode term = MultiplyNumber(PowerOf(cot ? id::kCot : id::kTan, u, m - 1),
                                   Number::Ratio(cot ? -sign : sign, m - 1));
    result = AddTrees(std::move(result), std::move(term));
    sign = -sign;
  }
  ExprNode last = m == 1 ? *TableAntiderivative(cot ? id::kCot : id::kTan, u) : u;
  return AddTrees(std::move(result), MultiplyNumber(std::move(last), Number(sign)));
}

// ∫ sec^n du (or csc^n): sec^(n-2)·tan/(n-1) + (n-2)/(n-1)·∫ sec^(n-2).
ExprNode SecPower(const ExprNode& u, int n, bool csc) {
  if (n == 0) return u;
  if (n == 1) return *TableAntiderivative(csc ? id::kCsc : id::kSec, u);
  const int f = csc ? id::kCsc : id::kSec;
  const int g = csc ? id::kCot : id::kTan;
  ExprNode head = MultiplyTrees(PowerOf(f, u, n - 2), Fn(g, u));
  head = MultiplyNumber(std::move(head), Number::Ratio(csc ? -1 : 1, n - 1));
  ExprNode tail = MultiplyNumber(SecPower(u, n - 2, csc), Number::Ratio(n - 2, n - 1));
  return AddTrees(std::move(head), std::move(tail));
}

// ∫ tan^m·sec^n du (or cot^m·csc^n).
std::optional<ExprNode> TanSec(const ExprNode& u, int m, int n, bool cot) {
  const int t = cot ? id::kCot : id::kTan;
  const int s = cot ? id::kCsc : id::kSec;
  const double sign = cot ? -1 : 1;
  if (n == 0) return TanPower(u, m, cot);
  if (n % 2 == 0 && n >= 2) return PolynomialInW(t, u, (n - 2) / 2, m + 1, 1, false, sign);
  if (m % 2 == 1) return PolynomialInW(s, u, (m - 1) / 2, n, 1, true, sign);
  // m even, n odd: tan² = sec² - 1 turns the product into powers of sec.
  const int k = m / 2;
  ExprNode sum = ExprNode::Zero();
  for (int j = 0; j <= k; ++j) {
    double c = Binomial(k, j) * ((k - j) % 2 == 1 ? -1 : 1);
    sum = AddTrees(std::move(sum), MultiplyNumber(SecPower(u, n + 2 * j, cot), Number(c)));
  }
  return sum;
}

}  // namespace

const ExprNode* TrigPowerArgument(const std::vector<ExprNode>& factors) {
  std::optional<TrigPowers> p = Classify(factors);
  return p ? p->argument : nullptr;
}

std::optional<ExprNode> TrigPowerAntiderivative(const std::vector<ExprNode>& factors) {
  std::optional<TrigPowers> p = Classify(factors);
  if (!p) return std::nullopt;
  const auto& e = p->exponent;
  const ExprNode& u = *p->argument;
  const bool sin_cos = e[kSinSlot] + e[kCosSlot] > 0;
  const bool tan_sec = e[kTanSlot] + e[kSecSlot] > 0;
  const bool cot_csc = e[kCotSlot] + e[kCscSlot] > 0;
  if (sin_cos + tan_sec + cot_csc != 1) return std::nullopt;
  if (tan_sec) return TanSec(u, e[kTanSlot], e[kSecSlot], false);
  if (cot_csc) return TanSec(u, e[kCotSlot], e[kCscSlot], true);
  const int m = e[kSinSlot], n = e[kCosSlot];
  // Odd sine power: w = cos u, sin^m = (1 - w²)^k·sin.
  if (m % 2 == 1) return PolynomialInW(id::kCos, u, (m - 1) / 2, n + 1, -1, false, -1);
  // Odd cosine power: w = sin u.
  if (n % 2 == 1) return PolynomialInW(id::kSin, u, (n - 1) / 2, m + 1, -1, false, 1);
  return std::nullopt;
}

}  // namespace zentrix::engine
