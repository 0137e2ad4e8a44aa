// Properties of the canonical form on random expressions (fixed seeds; a
// failure names the seed, the case and the entry text): simplifying a
// simplified tree changes nothing, the result does not depend on the order in
// which the parts of a sum or product were typed, and the sort's relations are
// strict weak orderings.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/commands/simplify/canonical_order.h"
#include "engine/commands/simplify/canonicalize.h"
#include "engine/commands/testing/random_expression_test_support.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using testkit::Dump;
using testkit::EntryUtf8;
using testkit::EvaluateFinite;
using testkit::ExpressionGenerator;
using testkit::GeneratorOptions;
using testkit::GenNode;

class CanonicalPropertyTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

TEST_F(CanonicalPropertyTest, CanonicalizingAResultAgainChangesNothing) {
  const std::uint64_t kSeed = testkit::PropertySeed(0x5eed0001);
  GeneratorOptions options;
  options.rounding_functions = true;
  options.symbolic_exponents = true;
  ExpressionGenerator generator(kSeed, options);
  int checked = 0;
  const int cases = testkit::ScaledCases(4000);
  for (int i = 0; i < cases; ++i) {
    GenNode g = generator.Next();
    std::optional<ExprNode> value = EvaluateFinite(testkit::EntryText(g));
    if (!value) continue;
    ++checked;
    ExprNode again = *value;
    Canonicalize(again);
    ASSERT_EQ(again, *value) << "seed " << kSeed << " case " << i << ": " << EntryUtf8(g)
                             << "\n first:  " << Dump(*value) << "\n second: " << Dump(again);
  }
  EXPECT_GT(checked, cases * 4 / 5);
}

// Floating-point arithmetic is not associative, so typed decimals are left
// out, and the decimals that exact input can still produce (roots of
// fractions, say) are compared with a rounding allowance: a product chain is
// flattened and its numbers multiplied in the order typed, so s·5·(1/6) and
// s·(5/6) may differ in the last bit, which is not a fault of the simplifier.
GeneratorOptions ExactOptions() {
  GeneratorOptions options;
  options.decimals = false;
  options.max_depth = 3;
  return options;
}

struct Rearrangement {
  const char* name;
  GenNode (*left)(const GenNode&, const GenNode&, const GenNode&);
  GenNode (*right)(const GenNode&, const GenNode&, const GenNode&);
};

GenNode Op(GenNode::Kind k, const GenNode& a, const GenNode& b) {
  return testkit::Combine(k, a, b);
}

constexpr GenNode::Kind kAdd = GenNode::Kind::kAdd;
constexpr GenNode::Kind kMul = GenNode::Kind::kMultiply;

const Rearrangement kRearrangements[] = {
    {"a+b = b+a", [](const GenNode& a, const GenNode& b, const GenNode&) { return Op(kAdd, a, b); },
     [](const GenNode& a, const GenNode& b, const GenNode&) { return Op(kAdd, b, a); }},
    {"a*b = b*a", [](const GenNode& a, const GenNode& b, const GenNode&) { return Op(kMul, a, b); },
     [](const GenNode& a, const GenNode& b, const GenNode&) { return Op(kMul, b, a); }},
    {"(a+b)+c = a+(b+c)",
     [](const GenNode& a, const GenNode& b, const GenNode& c) {
       return Op(kAdd, Op(kAdd, a, b), c);
     },
     [](const GenNode& a, const GenNode& b, const GenNode& c) {
       return Op(kAdd, a, Op(kAdd, b, c));
     }},
    {"(a*b)*c = a*(b*c)",
     [](const GenNode& a, const GenNode& b, const GenNode& c) {
       return Op(kMul, Op(kMul, a, b), c);
     },
     [](const GenNode& a, const GenNode& b, const GenNode& c) {
       return Op(kMul, a, Op(kMul, b, c));
     }},
    {"(a+b)+c = (c+a)+b",
     [](const GenNode& a, const GenNode& b, const GenNode& c) {
       return Op(kAdd, Op(kAdd, a, b), c);
     },
     [](const GenNode& a, const GenNode& b, const GenNode& c) {
       return Op(kAdd, Op(kAdd, c, a), b);
     }},
    {"(a*b)*c = (c*a)*b",
     [](const GenNode& a, const GenNode& b, const GenNode& c) {
       return Op(kMul, Op(kMul, a, b), c);
     },
     [](const GenNode& a, const GenNode& b, const GenNode& c) {
       return Op(kMul, Op(kMul, c, a), b);
     }},
};

TEST_F(CanonicalPropertyTest, ResultDoesNotDependOnOperandOrder) {
  const std::uint64_t kSeed = testkit::PropertySeed(0x5eed0002);
  ExpressionGenerator generator(kSeed, ExactOptions());
  int checked = 0;
  const int cases = testkit::ScaledCases(1500);
  for (int i = 0; i < cases; ++i) {
    GenNode a = generator.Next(), b = generator.Next(), c = generator.Next();
    for (const Rearrangement& r : kRearrangements) {
      GenNode left = r.left(a, b, c), right = r.right(a, b, c);
      std::optional<ExprNode> l = EvaluateFinite(testkit::EntryText(left));
      std::optional<ExprNode> rv = EvaluateFinite(testkit::EntryText(right));
      if (!l || !rv) continue;
      ++checked;
      ASSERT_TRUE(testkit::NearlyEqualTrees(*l, *rv))
          << r.name << ", seed " << kSeed << " case " << i << "\n " << EntryUtf8(left) << "\n -> "
          << Dump(*l) << "\n " << EntryUtf8(right) << "\n -> " << Dump(*rv);
    }
  }
  EXPECT_GT(checked, cases * 5);
}

// Every operand and symbol term of the evaluated trees, gathered recursively.
void Gather(const ExprNode& node, std::vector<ExprNode>& operands, std::vector<SymbolTerm>& terms) {
  for (const SymbolTerm& t : node.terms()) terms.push_back(t);
  for (const ExprNode& op : node.operands()) {
    operands.push_back(op);
    Gather(op, operands, terms);
  }
}

// Irreflexive, asymmetric, transitive, and incomparability transitive, on
// random triples of the pool.
template <typename T, typename Less, typename Describe>
void ExpectStrictWeakOrder(const std::vector<T>& pool, Less less, Describe describe,
                           std::mt19937_64& random, int triples) {
  ASSERT_GT(pool.size(), 10u);
  std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
  auto equivalent = [&](const T& a, const T& b) { return !less(a, b) && !less(b, a); };
  for (int i = 0; i < triples; ++i) {
    const T& a = pool[pick(random)];
    const T& b = pool[pick(random)];
    const T& c = pool[pick(random)];
    ASSERT_FALSE(less(a, a)) << "irreflexive: " << describe(a);
    ASSERT_FALSE(less(a, b) && less(b, a)) << "asymmetric: " << describe(a) << " / " << describe(b);
    if (less(a, b) && less(b, c)) {
      ASSERT_TRUE(less(a, c)) << "transitive: " << describe(a) << " < " << describe(b) << " < "
                              << describe(c);
    }
    if (equivalent(a, b) && equivalent(b, c)) {
      ASSERT_TRUE(equivalent(a, c))
          << "incomparability: " << describe(a) << " ~ " << describe(b) << " ~ " << describe(c);
    }
  }
}

TEST_F(CanonicalPropertyTest, OperandAndTermOrdersAreStrictWeakOrders) {
  const std::uint64_t kSeed = testkit::PropertySeed(0x5eed0003);
  GeneratorOptions options;
  options.rounding_functions = true;
  options.symbolic_exponents = true;
  ExpressionGenerator generator(kSeed, options);
  std::vector<ExprNode> operands;
  std::vector<SymbolTerm> terms;
  for (int i = 0; i < 400; ++i) {
    if (std::optional<ExprNode> v = EvaluateFinite(testkit::EntryText(generator.Next()))) {
      Gather(*v, operands, terms);
    }
  }
  // Similar operands meet more often than random ones: add operands that
  // differ only in the coefficient, and terms that differ only in the exponent.
  const std::size_t n = operands.size();
  for (std::size_t i = 0; i < n; i += 3) {
    ExprNode copy = operands[i];
    copy.set_coefficient(Number(std::uniform_int_distribution<int>(-3, 3)(generator.random())));
    operands.push_back(std::move(copy));
  }
  const std::size_t m = terms.size();
  for (std::size_t i = 0; i < m; i += 3) {
    SymbolTerm copy = terms[i];
    copy.exponent = Number(std::uniform_int_distribution<int>(-3, 3)(generator.random()));
    terms.push_back(std::move(copy));
  }
  ExpectStrictWeakOrder(
      operands, [](const ExprNode& a, const ExprNode& b) { return OperandBefore(a, b); },
      [](const ExprNode& a) { return Dump(a); }, generator.random(), 20000);
  ExpectStrictWeakOrder(
      terms, [](const SymbolTerm& a, const SymbolTerm& b) { return TermBefore(a, b); },
      [](const SymbolTerm& t) {
        return chars::ToUtf8(t.name) + "^" + testkit::NumberText(t.exponent);
      },
      generator.random(), 20000);
}

}  // namespace
}  // namespace zentrix::engine
