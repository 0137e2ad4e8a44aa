#include "engine/commands/polynomial/poly_power.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/commands/simplify/canonical_order.h"
#include "engine/commands/testing/poly_test_support.h"

namespace zentrix::engine::poly {
namespace {

using namespace testkit;

// p^n by repeated multiplication, the reference the multinomial must match.
Poly Repeated(const Poly& p, int n) {
  Poly out = Const(1);
  for (int k = 0; k < n; ++k) out = out * p;
  return out;
}

TEST(PowerOfSeparateTerms, MatchesRepeatedMultiplicationInNormalOrder) {
  const Poly shapes[] = {
      Var(0) + Var(1) + Var(2) + Const(1),
      Var(0, 2, 2.0) - Var(1, 1, 3.0) + Const(5),
      Var(0) - Var(2),        // no constant: the last variable takes the rest
      Var(1, 3) + Const(-1),  // a variable other than the first
      Var(0, 1, -1.0) + Var(2, 4, 7.0),
  };
  for (const Poly& p : shapes) {
    for (int n : {2, 3, 7, 12}) {
      auto fast = PowerOfSeparateTerms(p, n);
      ASSERT_TRUE(fast.has_value()) << n;
      // Equality of the term lists checks the order too.
      EXPECT_EQ(*fast, Repeated(p, n)) << n;
    }
  }
  EXPECT_EQ((Var(0) + Var(1) + Var(2) + Const(1)).Power(20).size(), 1771u);
}

TEST(PowerOfSeparateTerms, LeavesOtherShapesToTheGeneralPower) {
  const Poly others[] = {
      Var(0) + Var(0, 2),                             // one variable in two terms: products meet
      Var(0) * Var(1) + Const(1),                     // a term with two variables
      Var(0, -1) + Const(1),                          // a negative exponent
      Var(0).Scaled(Number::Ratio(1, 2)) + Const(1),  // a fraction
      Var(0).Scaled(Number(1.5)) + Const(1),          // a decimal
  };
  for (const Poly& p : others) {
    EXPECT_FALSE(PowerOfSeparateTerms(p, 4).has_value());
    // The general power still gives the repeated product.
    EXPECT_EQ(p.Power(4), Repeated(p, 4));
  }
  // Coefficients past 2^53 would round differently in another order.
  EXPECT_FALSE(PowerOfSeparateTerms(Var(0) + Const(1), 60).has_value());
  EXPECT_TRUE(PowerOfSeparateTerms(Var(0) + Const(1), 52).has_value());
  EXPECT_FALSE(PowerOfSeparateTerms(Var(0, 1, 1000.0) + Const(1), 6).has_value());
}

// FromPoly orders the products of a sum from the exponent vectors; the order
// must be the simplifier's, for any order of the variables and their names.
TEST(FromPolyOrder, AgreesWithTheSimplifiersSort) {
  const AtomTable tables[] = {AtomTable({u"x", u"y", u"z"}), AtomTable({u"z", u"b", u"a"}),
                              AtomTable({u"y", u"\u212F", u"x"})};
  std::mt19937 rng(11);
  for (const AtomTable& atoms : tables) {
    for (int round = 0; round < 30; ++round) {
      const Poly p = RandomPoly(rng, 3, 3, 12);
      const ExprNode tree = FromPoly(p, atoms);
      ExprNode sorted = tree;
      for (ExprNode& op : sorted.mutable_operands()) SortParts(op);
      SortParts(sorted);
      EXPECT_EQ(tree, sorted) << round;
      AtomTable again = atoms;
      EXPECT_EQ(ToPoly(tree, again), p) << round;
    }
  }
}

}  // namespace
}  // namespace zentrix::engine::poly
