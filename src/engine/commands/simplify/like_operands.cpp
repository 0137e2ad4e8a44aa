// Pass (a) of the simplifier: like operands of a sum or product collected.

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/commands/simplify/canonical_order.h"
#include "engine/commands/simplify/canonical_passes.h"
#include "engine/commands/simplify/canonicalize.h"
#include "engine/commands/simplify/tree_arithmetic.h"

namespace zentrix::engine {
namespace {

// c·P with P the only operand and no terms.
bool IsScaledOperand(const ExprNode& op) {
  return op.IsProduct() && op.OperandCount() == 1 && op.TermCount() == 0;
}

// A product with several factors: its base is the product without coefficient.
bool IsMultiFactorProduct(const ExprNode& op) { return op.IsProduct() && !IsScaledOperand(op); }

const ExprNode& SumBaseNode(const ExprNode& op) { return IsScaledOperand(op) ? op.Operand(0) : op; }

// Up to this many operands, each is compared with the groups found so far
// rather than hashed: trees that differ mostly differ at the top, so a
// comparison costs little, while a hash walks the whole subtree, and products
// are collected again each time a derivative rebuilds them.
constexpr std::size_t kMostOperandsCompared = 24;

// Groups the operand indices by the key of `hash` and `same`, in order of first
// appearance, keeping only groups of two or more. `same` implies equal hashes,
// so both ways of finding an operand's group find the same one.
template <typename Hash, typename Same>
std::vector<std::vector<std::size_t>> LikeGroups(const std::vector<ExprNode>& operands, Hash hash,
                                                 Same same) {
  std::vector<std::vector<std::size_t>> groups;
  if (operands.size() <= kMostOperandsCompared) {
    // The first operand of each operand's group; nothing is allocated unless
    // two operands are alike.
    std::array<std::uint8_t, kMostOperandsCompared> first{};
    bool alike = false;
    for (std::size_t i = 0; i < operands.size(); ++i) {
      first[i] = static_cast<std::uint8_t>(i);
      for (std::size_t j = 0; j < i; ++j) {
        if (first[j] == j && same(operands[j], operands[i])) {
          first[i] = static_cast<std::uint8_t>(j);
          alike = true;
          break;
        }
      }
    }
    if (!alike) return groups;
    std::vector<std::size_t> group_of(operands.size(), SIZE_MAX);
    for (std::size_t i = 0; i < operands.size(); ++i) {
      if (first[i] == i) {
        group_of[i] = groups.size();
        groups.push_back({i});
      } else {
        groups[group_of[first[i]]].push_back(i);
      }
    }
    std::erase_if(groups, [](const std::vector<std::size_t>& g) { return g.size() < 2; });
    return groups;
  }
  std::unordered_multimap<std::size_t, std::size_t> seen;  // hash -> group index
  for (std::size_t i = 0; i < operands.size(); ++i) {
    std::size_t h = hash(operands[i]);
    bool placed = false;
    auto [first, last] = seen.equal_range(h);
    for (auto it = first; it != last; ++it) {
      std::vector<std::size_t>& group = groups[it->second];
      if (same(operands[group[0]], operands[i])) {
        group.push_back(i);
        placed = true;
        break;
      }
    }
    if (!placed) {
      seen.emplace(h, groups.size());
      groups.push_back({i});
    }
  }
  std::erase_if(groups, [](const std::vector<std::size_t>& g) { return g.size() < 2; });
  return groups;
}

// Rebuilds the operand list: replaced operands take their new value, removed
// ones go.
void ReplaceOperands(ExprNode& node, std::vector<std::pair<std::size_t, ExprNode>> replaced,
                     const std::vector<bool>& removed) {
  auto& operands = node.mutable_operands();
  for (auto& [index, value] : replaced) operands[index] = std::move(value);
  std::vector<ExprNode> kept;
  kept.reserve(operands.size());
  for (std::size_t i = 0; i < operands.size(); ++i) {
    if (!removed[i]) kept.push_back(std::move(operands[i]));
  }
  operands = std::move(kept);
}

// n^e for an integer n > 1 and -1 < e < 0: a reciprocal radical, which
// (1/n)·n^(e+1) equals.
bool IsReciprocalRadical(const ExprNode& op) {
  if (!op.IsOperandPower() || !op.Operand(0).IsNumber()) return false;
  const Number& n = op.Operand(0).coefficient();
  const Number& e = op.coefficient();
  return n.IsInteger() && n.GreaterThan(1) && e.IsFraction() && e.LessThan(0) && e.GreaterThan(-1);
}

bool HasReciprocalRadical(const ExprNode& op) {
  if (IsReciprocalRadical(op)) return true;
  if (!op.IsProduct()) return false;
  return std::any_of(op.operands().begin(), op.operands().end(), IsReciprocalRadical);
}

// The operand with its reciprocal radicals written as (1/n)·n^(e+1).
ExprNode WithRadicalsRaised(const ExprNode& op) {
  if (IsReciprocalRadical(op)) {
    const Number& n = op.Operand(0).coefficient();
    return MultiplyNumber(PowerNumber(op.Operand(0), Add(op.coefficient(), Number(1.0))),
                          Divide(Number(1.0), n));
  }
  ExprNode out = op;
  Number scale(1.0);
  for (ExprNode& factor : out.mutable_operands()) {
    if (!IsReciprocalRadical(factor)) continue;
    scale = Divide(scale, factor.Operand(0).coefficient());
    factor = PowerNumber(factor.Operand(0), Add(factor.coefficient(), Number(1.0)));
  }
  out = MultiplyNumber(std::move(out), scale);
  CanonicalizeBuilt(out);
  return out;
}

// 1/√2 and √2/2 are like terms: an operand with a reciprocal radical takes the
// form with a positive exponent when that form collects with an operand that
// has it already. Otherwise it keeps its form (1/√2 + 1/√2 is 2/√2, then √2).
bool RaiseRadicalsToCollect(ExprNode& node) {
  const std::vector<ExprNode>& operands = node.operands();
  if (std::none_of(operands.begin(), operands.end(), HasReciprocalRadical)) return false;
  std::vector<ExprNode> raised;
  raised.reserve(operands.size());
  for (const ExprNode& op : operands) {
    raised.push_back(HasReciprocalRadical(op) ? WithRadicalsRaised(op) : op);
  }
  bool changed = false;
  for (const auto& group : LikeGroups(raised, HashSumBase, SameSumBase)) {
    // Operands that all hold reciprocal radicals collect as they are.
    if (std::all_of(group.begin(), group.end(),
                    [&](std::size_t i) { return HasReciprocalRadical(node.Operand(i)); })) {
      continue;
    }
    for (std::size_t i : group) {
      if (!HasReciprocalRadical(node.Operand(i))) continue;
      node.Operand(i) = std::move(raised[i]);
      changed = true;
    }
  }
  return changed;
}

bool CollectInSum(ExprNode& node) {
  if (RaiseRadicalsToCollect(node)) return true;
  auto groups = LikeGroups(node.operands(), HashSumBase, SameSumBase);
  if (groups.empty()) return false;
  std::vector<bool> removed(node.OperandCount(), false);
  std::vector<std::pair<std::size_t, ExprNode>> replaced;
  for (const auto& group : groups) {
    Number factor;
    for (std::size_t i : group) factor = Add(factor, SumFactor(node.Operand(i)));
    for (std::size_t k = 1; k < group.size(); ++k) removed[group[k]] = true;
    if (factor.IsZero()) {
      removed[group[0]] = true;
    } else {
      replaced.emplace_back(group[0], WithSumFactor(node.Operand(group[0]), factor));
    }
  }
  ReplaceOperands(node, std::move(replaced), removed);
  return true;
}

bool IsNumberBasePower(const ExprNode& op) {
  return op.IsOperandPower() && op.Operand(0).IsNumber();
}

// √a·√b = √(a·b): powers of numbers with one exponent combine their bases.
bool CombineNumberBases(ExprNode& node) {
  auto groups = LikeGroups(
      node.operands(),
      [](const ExprNode& op) {
        return IsNumberBasePower(op) ? HashNumber(op.coefficient()) : HashTree(op);
      },
      [](const ExprNode& a, const ExprNode& b) {
        return IsNumberBasePower(a) && IsNumberBasePower(b) && a.coefficient() == b.coefficient();
      });
  if (groups.empty()) return false;
  std::vector<bool> removed(node.OperandCount(), false);
  std::vector<std::pair<std::size_t, ExprNode>> replaced;
  for (const auto& group : groups) {
    Number base(1.0);
    for (std::size_t i : group) base = Multiply(base, node.Operand(i).Operand(0).coefficient());
    for (std::size_t k = 1; k < group.size(); ++k) removed[group[k]] = true;
    replaced.emplace_back(
        group[0], PowerNumber(ExprNode::MakeNumber(base), node.Operand(group[0]).coefficient()));
  }
  ReplaceOperands(node, std::move(replaced), removed);
  return true;
}

// x·y·(x·y)^a = (x·y)^(a+1): an operand power whose base is the product of the
// node's own terms absorbs them.
bool AbsorbOwnTerms(ExprNode& node) {
  if (node.TermCount() == 0) return false;
  // The node's terms are sorted only after the passes; the base's already are.
  std::vector<SymbolTerm> own;
  for (ExprNode& op : node.mutable_operands()) {
    if (!op.IsOperandPower()) continue;
    const ExprNode& base = op.Operand(0);
    if (!base.IsProduct() || base.OperandCount() != 0 || !base.coefficient().IsOne() ||
        base.TermCount() != node.TermCount()) {
      continue;
    }
    if (own.empty()) {
      own = node.terms();
      std::stable_sort(own.begin(), own.end(), TermBefore);
    }
    if (base.terms() != own) continue;
    ExprNode base_copy = base;
    op = PowerNumber(std::move(base_copy), Add(op.coefficient(), Number(1.0)));
    node.mutable_terms().clear();
    return true;
  }
  return false;
}

bool CollectInProduct(ExprNode& node) {
  if (AbsorbOwnTerms(node)) return true;
  // Numbers are factors of the coefficient, not bases (normalising folds them).
  auto groups = LikeGroups(
      node.operands(), [](const ExprNode& op) { return HashTree(ProductBase(op)); },
      [](const ExprNode& a, const ExprNode& b) {
        return !a.IsEmpty() && !b.IsEmpty() && ProductBase(a) == ProductBase(b);
      });
  if (groups.empty()) return CombineNumberBases(node);
  std::vector<bool> removed(node.OperandCount(), false);
  std::vector<std::pair<std::size_t, ExprNode>> replaced;
  for (const auto& group : groups) {
    Number exponent;
    for (std::size_t i : group) exponent = Add(exponent, ProductExponent(node.Operand(i)));
    for (std::size_t k = 1; k < group.size(); ++k) removed[group[k]] = true;
    ExprNode base = ProductBase(node.Operand(group[0]));
    replaced.emplace_back(group[0], PowerNumber(std::move(base), exponent));
  }
  ReplaceOperands(node, std::move(replaced), removed);
  return true;
}

}  // namespace

bool SameSumBase(const ExprNode& a, const ExprNode& b) {
  bool ma = IsMultiFactorProduct(a), mb = IsMultiFactorProduct(b);
  if (ma != mb) return false;
  if (ma) return PartiallyEqual(a, b, false, true);
  return SumBaseNode(a) == SumBaseNode(b);
}

std::size_t HashSumBase(const ExprNode& op) {
  if (IsMultiFactorProduct(op)) return HashTree(op, true);
  return HashTree(SumBaseNode(op));
}

Number SumFactor(const ExprNode& op) { return op.IsProduct() ? op.coefficient() : Number(1.0); }

ExprNode WithSumFactor(const ExprNode& like, const Number& factor) {
  ExprNode base = SumBaseNode(like);
  if (IsMultiFactorProduct(base)) base.set_coefficient(Number(1.0));
  return MultiplyNumber(std::move(base), factor);
}

const ExprNode& ProductBase(const ExprNode& op) { return op.IsOperandPower() ? op.Operand(0) : op; }

Number ProductExponent(const ExprNode& op) {
  return op.IsOperandPower() ? op.coefficient() : Number(1.0);
}

bool CollectLikeOperands(ExprNode& node) {
  // x·y·(x·y)^a has one operand and still collects.
  if (node.IsProduct() && node.OperandCount() == 1) return AbsorbOwnTerms(node);
  if (node.OperandCount() < 2) return false;
  if (node.IsSum()) return CollectInSum(node);
  if (node.IsProduct()) return CollectInProduct(node);
  return false;
}

}  // namespace zentrix::engine
