#include "engine/commands/simplify/canonical_order.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string_view>

#include "engine/commands/base/commands_state.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

int CompareDoubles(double a, double b) {
  if (a < b) return -1;
  if (a > b) return 1;
  if (a == b) return 0;
  // NaN sorts after everything and equal to itself.
  bool na = std::isnan(a), nb = std::isnan(b);
  return na == nb ? 0 : (na ? 1 : -1);
}

bool IsSpecialName(const std::u16string& name) {
  return name.size() == 1 && (name[0] == chars::kPi || name[0] == chars::kEulerE);
}

int CompareTerms(const SymbolTerm& a, const SymbolTerm& b) {
  if (a.name == b.name) {
    // Larger exponent first, then a fixed order among equal values.
    int c = CompareDoubles(b.exponent.RealValue(), a.exponent.RealValue());
    if (c != 0) return c;
    return CompareNumbers(a.exponent, b.exponent);
  }
  bool sa = IsSpecialName(a.name), sb = IsSpecialName(b.name);
  if (sa != sb) return sa ? -1 : 1;
  return a.name < b.name ? -1 : 1;
}

// The groups of the operand order.
int KindRank(const ExprNode& n) {
  switch (n.kind()) {
    case NodeKind::kProduct: return 0;
    case NodeKind::kPower: return 1;
    case NodeKind::kSum: return 2;
    default: return n.IsAnyFunction() ? 3 : 4;
  }
}

// By coefficient: real coefficients by value, before all others.
int CompareByCoefficient(const Number& a, const Number& b) {
  bool ra = a.IsReal(), rb = b.IsReal();
  if (ra != rb) return ra ? -1 : 1;
  if (ra) return CompareDoubles(a.RealValue(), b.RealValue());
  return 0;
}

std::size_t Mix(std::size_t seed, std::size_t value) {
  return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

std::size_t HashDouble(double v) {
  if (v == 0.0) v = 0.0;  // -0 and +0 are equal
  return std::hash<double>{}(v);
}

}  // namespace

int CompareNumbers(const Number& a, const Number& b) {
  if (a.kind() != b.kind()) return a.kind() < b.kind() ? -1 : 1;
  if (a.IsFinite()) {
    int c = CompareDoubles(a.RealNumerator(), b.RealNumerator());
    if (c == 0) c = CompareDoubles(a.RealDenominator(), b.RealDenominator());
    if (c == 0) c = CompareDoubles(a.ImagNumerator(), b.ImagNumerator());
    if (c == 0) c = CompareDoubles(a.ImagDenominator(), b.ImagDenominator());
    return c;
  }
  if (a.IsInfinity()) return CompareDoubles(a.RealNumerator(), b.RealNumerator());
  return 0;
}

bool TermBefore(const SymbolTerm& a, const SymbolTerm& b) { return CompareTerms(a, b) < 0; }

int CompareTrees(const ExprNode& a, const ExprNode& b) {
  if (&a == &b) return 0;
  if (a.kind() != b.kind()) return ToInt(a.kind()) < ToInt(b.kind()) ? -1 : 1;
  int c = CompareNumbers(a.coefficient(), b.coefficient());
  if (c != 0) return c;
  if (a.TermCount() != b.TermCount()) return a.TermCount() < b.TermCount() ? -1 : 1;
  for (std::size_t i = 0; i < a.TermCount(); ++i) {
    const SymbolTerm& x = a.Term(i);
    const SymbolTerm& y = b.Term(i);
    if (x.name != y.name) return x.name < y.name ? -1 : 1;
    if ((c = CompareNumbers(x.exponent, y.exponent)) != 0) return c;
    if ((c = CompareNumbers(x.coefficient, y.coefficient)) != 0) return c;
  }
  if (a.OperandCount() != b.OperandCount()) return a.OperandCount() < b.OperandCount() ? -1 : 1;
  DepthGuard guard;
  if (!guard.ok()) return 0;
  for (std::size_t i = 0; i < a.OperandCount(); ++i) {
    if ((c = CompareTrees(a.Operand(i), b.Operand(i))) != 0) return c;
  }
  return 0;
}

bool OperandBefore(const ExprNode& a, const ExprNode& b) {
  int ra = KindRank(a), rb = KindRank(b);
  if (ra != rb) return ra < rb;
  if (ra == 3 && a.kind() != b.kind()) {
    std::u16string_view na = PrintedFunctionName(a.FunctionId());
    std::u16string_view nb = PrintedFunctionName(b.FunctionId());
    if (na != nb) return na < nb;
    return ToInt(a.kind()) < ToInt(b.kind());
  }
  int c = CompareByCoefficient(a.coefficient(), b.coefficient());
  if (c != 0) return c < 0;
  return CompareTrees(a, b) < 0;
}

namespace {

// A stable sort that orders positions and then moves each item once: the
// items (whole subtrees, named terms) are far dearer to move than an index.
template <typename T, typename Less>
void StableSortInPlace(std::vector<T>& items, Less less) {
  if (std::is_sorted(items.begin(), items.end(), less)) return;
  std::vector<std::size_t> order(items.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return less(items[a], items[b]); });
  std::vector<T> sorted;
  sorted.reserve(items.size());
  for (std::size_t i : order) sorted.push_back(std::move(items[i]));
  items = std::move(sorted);
}

// What OperandBefore looks at before it compares whole trees, read once per
// operand: its group and its coefficient as a value.
struct OperandKey {
  int rank;
  bool real;
  double value;
};

OperandKey KeyOf(const ExprNode& n) {
  const Number& c = n.coefficient();
  return {KindRank(n), c.IsReal(), c.IsReal() ? c.RealValue() : 0.0};
}

// OperandBefore with the group and coefficient taken from the keys.
bool KeyedOperandBefore(const ExprNode& a, const OperandKey& ka, const ExprNode& b,
                        const OperandKey& kb) {
  if (ka.rank != kb.rank) return ka.rank < kb.rank;
  if (ka.rank == 3 && a.kind() != b.kind()) return OperandBefore(a, b);
  if (ka.real != kb.real) return ka.real;
  if (ka.real) {
    int c = CompareDoubles(ka.value, kb.value);
    if (c != 0) return c < 0;
  }
  return CompareTrees(a, b) < 0;
}

void SortOperands(std::vector<ExprNode>& operands) {
  if (std::is_sorted(operands.begin(), operands.end(), OperandBefore)) return;
  std::vector<OperandKey> keys;
  keys.reserve(operands.size());
  for (const ExprNode& op : operands) keys.push_back(KeyOf(op));
  std::vector<std::size_t> order(operands.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return KeyedOperandBefore(operands[a], keys[a], operands[b], keys[b]);
  });
  std::vector<ExprNode> sorted;
  sorted.reserve(operands.size());
  for (std::size_t i : order) sorted.push_back(std::move(operands[i]));
  operands = std::move(sorted);
}

}  // namespace

void SortParts(ExprNode& node) {
  if (!node.IsSum() && !node.IsProduct()) return;
  StableSortInPlace(node.mutable_terms(), TermBefore);
  SortOperands(node.mutable_operands());
}

std::size_t HashNumber(const Number& n) {
  std::size_t h = static_cast<std::size_t>(n.kind());
  if (n.IsFinite()) {
    h = Mix(h, HashDouble(n.RealNumerator()));
    h = Mix(h, HashDouble(n.RealDenominator()));
    h = Mix(h, HashDouble(n.ImagNumerator()));
    h = Mix(h, HashDouble(n.ImagDenominator()));
  } else if (n.IsInfinity()) {
    h = Mix(h, HashDouble(n.RealNumerator()));
  }
  return h;
}

std::size_t HashTree(const ExprNode& node, bool ignore_coefficient) {
  std::size_t h = static_cast<std::size_t>(ToInt(node.kind()));
  if (!ignore_coefficient) h = Mix(h, HashNumber(node.coefficient()));
  for (const SymbolTerm& t : node.terms()) {
    h = Mix(h, std::hash<std::u16string>{}(t.name));
    h = Mix(h, HashNumber(t.coefficient));
    h = Mix(h, HashNumber(t.exponent));
  }
  DepthGuard guard;
  if (!guard.ok()) return h;
  for (const ExprNode& op : node.operands()) h = Mix(h, HashTree(op));
  return h;
}

}  // namespace zentrix::engine
