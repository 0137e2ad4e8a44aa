// Pass (c) of the simplifier: symbol terms with equal names merged.

#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/commands/simplify/canonical_order.h"
#include "engine/commands/simplify/canonical_passes.h"

namespace zentrix::engine {
namespace {

// Below this many terms the pairwise scan is cheaper than hashing.
constexpr std::size_t kPairwiseLimit = 12;

struct TermKeyHash {
  bool by_exponent;
  std::size_t operator()(const SymbolTerm* t) const {
    std::size_t h = std::hash<std::u16string>{}(t->name);
    return by_exponent ? h ^ (HashNumber(t->exponent) * 31) : h;
  }
};

struct TermKeyEqual {
  bool by_exponent;
  bool operator()(const SymbolTerm* a, const SymbolTerm* b) const {
    return a->name == b->name && (!by_exponent || a->exponent == b->exponent);
  }
};

// In a sum, terms with equal names and exponents add their coefficients; in a
// product, terms with equal names multiply (coefficients multiplied, exponents
// added). The earlier term keeps the result.
void MergeInto(SymbolTerm& kept, const SymbolTerm& later, bool sum) {
  if (sum) {
    kept.coefficient = Add(kept.coefficient, later.coefficient);
  } else {
    kept.coefficient = Multiply(kept.coefficient, later.coefficient);
    kept.exponent = Add(kept.exponent, later.exponent);
  }
}

bool MergePairwise(std::vector<SymbolTerm>& terms, bool sum) {
  bool changed = false;
  for (std::size_t i = 0; i < terms.size(); ++i) {
    for (std::size_t j = i + 1; j < terms.size();) {
      if (terms[i].name == terms[j].name && (!sum || terms[i].exponent == terms[j].exponent)) {
        MergeInto(terms[i], terms[j], sum);
        terms.erase(terms.begin() + static_cast<std::ptrdiff_t>(j));
        changed = true;
      } else {
        ++j;
      }
    }
  }
  return changed;
}

bool MergeHashed(std::vector<SymbolTerm>& terms, bool sum) {
  std::unordered_map<const SymbolTerm*, std::size_t, TermKeyHash, TermKeyEqual> first(
      terms.size(), TermKeyHash{sum}, TermKeyEqual{sum});
  std::vector<bool> removed(terms.size(), false);
  bool changed = false;
  for (std::size_t i = 0; i < terms.size(); ++i) {
    auto [it, inserted] = first.emplace(&terms[i], i);
    if (inserted) continue;
    // The key of the kept term does not change while merging in a sum; in a
    // product only the name is the key.
    MergeInto(terms[it->second], terms[i], sum);
    removed[i] = true;
    changed = true;
  }
  if (!changed) return false;
  std::vector<SymbolTerm> kept;
  kept.reserve(terms.size());
  for (std::size_t i = 0; i < terms.size(); ++i) {
    if (!removed[i]) kept.push_back(std::move(terms[i]));
  }
  terms = std::move(kept);
  return true;
}

}  // namespace

bool MergeSymbolTerms(ExprNode& node) {
  if (!node.IsSum() && !node.IsProduct()) return false;
  auto& terms = node.mutable_terms();
  if (terms.size() < 2) return false;
  const bool sum = node.IsSum();
  return terms.size() <= kPairwiseLimit ? MergePairwise(terms, sum) : MergeHashed(terms, sum);
}

}  // namespace zentrix::engine
