#include <gtest/gtest.h>

#include "engine/commands/polynomial/poly_factor.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/testing/poly_test_support.h"

namespace zentrix::engine::poly {
namespace {

using namespace testkit;

Poly X() { return Var(0); }
Poly Linear(double a, double b) { return X().Scaled(Number(a)) + Const(b); }

// The factors of a factored tree as polynomials with their multiplicities.
std::vector<std::pair<Poly, int>> FactorsOf(const ExprNode& product, Number* coefficient) {
  std::vector<std::pair<Poly, int>> out;
  *coefficient = product.coefficient();
  for (const ExprNode& op : product.operands()) {
    const bool power = op.IsOperandPower();
    AtomTable atoms = Xyz();
    auto p = ToPolynomial(power ? op.Operand(0) : op, atoms);
    EXPECT_TRUE(p.has_value());
    out.emplace_back(*p, power ? static_cast<int>(op.coefficient().RealValue()) : 1);
  }
  return out;
}

TEST(KroneckerTest, DivisorListsFollowTheirOrder) {
  EXPECT_EQ(KroneckerDivisors(0), (std::vector<std::int64_t>{0}));
  EXPECT_EQ(KroneckerDivisors(-1), (std::vector<std::int64_t>{-1, 1}));
  EXPECT_EQ(KroneckerDivisors(2), (std::vector<std::int64_t>{-1, 1, 2}));
  EXPECT_EQ(KroneckerDivisors(-12),
            (std::vector<std::int64_t>{-1, 1, -2, 2, -3, 3, -4, 4, -6, 6, 12}));
  EXPECT_EQ(KroneckerDivisors(49), (std::vector<std::int64_t>{-1, 1, -7, 7, 49}));
}

TEST(FactorTest, DifferenceOfSquaresAndQuadratics) {
  Number c;
  auto f = FactorsOf(Factor(Tree(X().Power(2) - Const(1))), &c);
  EXPECT_EQ(c, Number(1.0));
  EXPECT_EQ(f, (std::vector<std::pair<Poly, int>>{{Linear(1, -1), 1}, {Linear(1, 1), 1}}));

  f = FactorsOf(Factor(Tree(X().Power(2).Scaled(Number(6.0)) + Linear(5, 1))), &c);
  EXPECT_EQ(f, (std::vector<std::pair<Poly, int>>{{Linear(2, 1), 1}, {Linear(3, 1), 1}}));

  // 4x^2 − 9 by the closed form; −x^2 + 1 keeps its sign in front.
  f = FactorsOf(Factor(Tree(X().Power(2).Scaled(Number(4.0)) - Const(9))), &c);
  EXPECT_EQ(f, (std::vector<std::pair<Poly, int>>{{Linear(2, -3), 1}, {Linear(2, 3), 1}}));
  f = FactorsOf(Factor(Tree(Const(1) - X().Power(2))), &c);
  EXPECT_EQ(c, Number(-1.0));
  EXPECT_EQ(f.size(), 2u);
}

TEST(FactorTest, IrreducibleAndOutOfRangeAreUnchanged) {
  const ExprNode sum_of_squares = Tree(X().Power(2) + Const(1));
  EXPECT_EQ(Factor(sum_of_squares), sum_of_squares);
  const ExprNode degree21 = Tree(X().Power(21) - Const(1));
  EXPECT_EQ(Factor(degree21), degree21);
}

TEST(FactorTest, LowestPowerOfTheVariableComesOutFirst) {
  // 2x^2 + 2x = 2·x·(x + 1): the content, the power of x, then Kronecker.
  const ExprNode r = Factor(Tree(X().Power(2).Scaled(Number(2.0)) + X().Scaled(Number(2.0))));
  ASSERT_TRUE(r.IsProduct());
  EXPECT_EQ(r.coefficient(), Number(2.0));
  ASSERT_EQ(r.TermCount(), 1u);
  EXPECT_EQ(r.Term(0).exponent, Number(1.0));
  ASSERT_EQ(r.OperandCount(), 1u);
  EXPECT_EQ(r.Operand(0), Tree(X() + Const(1)));
  // x^3·(x^2 + 1): the power of x is taken out of an irreducible rest too.
  const ExprNode s = Factor(Tree(X().Power(5) + X().Power(3)));
  ASSERT_TRUE(s.IsProduct());
  EXPECT_EQ(s.Term(0).exponent, Number(3.0));
  EXPECT_EQ(s.Operand(0), Tree(X().Power(2) + Const(1)));
}

TEST(FactorTest, SixLinearFactorsInCanonicalOrder) {
  Poly p = Const(1);
  for (int k = 1; k <= 6; ++k) p = p * Linear(1, -k);
  Number c;
  auto f = FactorsOf(Factor(Tree(p)), &c);
  ASSERT_EQ(f.size(), 6u);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(f[k].first, Linear(1, k - 6)) << k;
}

TEST(FactorTest, RepeatedFactorsBecomePowersAndContentMultiplies) {
  const Poly p = Linear(1, 1).Power(3) * Linear(2, -1) * Const(6);
  Number c;
  auto f = FactorsOf(Factor(Tree(p)), &c);
  EXPECT_EQ(c, Number(6.0));
  EXPECT_EQ(f, (std::vector<std::pair<Poly, int>>{{Linear(1, 1), 3}, {Linear(2, -1), 1}}));
}

TEST(FactorTest, SeveralVariablesGiveContentMonomialAndPrimitivePart) {
  // 6xy + 4y = 2·y·(3x + 2).
  const Poly p = X().Scaled(Number(6.0)) * Var(1) + Var(1).Scaled(Number(4.0));
  const ExprNode r = Factor(Tree(p));
  ASSERT_TRUE(r.IsProduct());
  EXPECT_EQ(r.coefficient(), Number(2.0));
  ASSERT_EQ(r.TermCount(), 1u);
  ASSERT_EQ(r.OperandCount(), 1u);
  EXPECT_EQ(r.Operand(0), Tree(X().Scaled(Number(3.0)) + Const(2)));
  EXPECT_EQ(ContentCommand(Tree(p)).value, ExprNode::MakeNumber(Number(2.0)));
  // Without a common monomial only the content comes out.
  const Poly q = X().Scaled(Number(6.0)) * Var(1) + Const(4);
  const ExprNode s = Factor(Tree(q));
  EXPECT_EQ(s.coefficient(), Number(2.0));
  EXPECT_EQ(s.Operand(0), Tree(q.Scaled(Number(0.5))));
}

TEST(FactorTest, RandomProductsFactorToEqualValues) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> a(1, 4), b(-6, 6);
  for (int round = 0; round < 30; ++round) {
    Poly p = Const(1);
    for (int k = 0; k < 3; ++k) {
      int constant = b(rng);
      if (constant == 0) constant = 1;
      p = p * (k == 2 ? X().Power(2) + Const(constant) : Linear(a(rng), constant));
    }
    const ExprNode factored = Factor(Tree(p));
    for (double x : {0.3, -1.7, 2.9}) {
      EXPECT_TRUE(Near(Evaluate(factored, {{u"x", x}}), Evaluate(Tree(p), {{u"x", x}}))) << round;
    }
    // Both linear factors are found.
    Number c;
    int degree_one = 0;
    for (auto& [f, k] : FactorsOf(factored, &c)) {
      if (f.Degree(0) == 1) degree_one += k;
    }
    EXPECT_GE(degree_one, 2) << round;
  }
}

TEST(SquareFreeTest, MusserSplitsByMultiplicity) {
  const PolyCommandResult r =
      FactorSquareFreeCommand(Tree(X().Power(3) - X().Power(2) - X() + Const(1)), u"x");
  ASSERT_TRUE(r.ok());
  Number c;
  auto f = FactorsOf(r.value, &c);
  EXPECT_EQ(c, Number(1.0));
  EXPECT_EQ(f, (std::vector<std::pair<Poly, int>>{{Linear(1, -1), 2}, {Linear(1, 1), 1}}));

  // 2(x+1)^2(x−2)^3: factors primitive, the constant in front.
  const Poly p = Linear(1, 1).Power(2) * Linear(1, -2).Power(3) * Const(2);
  Factorization s = SquareFreeFactor(p);
  EXPECT_EQ(s.coefficient, Number(2.0));
  ASSERT_EQ(s.factors.size(), 2u);
  EXPECT_EQ(s.factors[0], (std::pair<Poly, int>{Linear(1, 1), 2}));
  EXPECT_EQ(s.factors[1], (std::pair<Poly, int>{Linear(1, -2), 3}));

  // Numbers and non-polynomials come back unchanged.
  const ExprNode five = ExprNode::MakeNumber(Number(5.0));
  EXPECT_EQ(FactorSquareFreeCommand(five, u"x").value, five);
}

}  // namespace
}  // namespace zentrix::engine::poly
