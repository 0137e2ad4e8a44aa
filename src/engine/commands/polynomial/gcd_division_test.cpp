#include <gtest/gtest.h>

#include "engine/commands/polynomial/poly_gcd.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/testing/poly_test_support.h"

namespace zentrix::engine::poly {
namespace {

using namespace testkit;

ExprNode N(double v) { return ExprNode::MakeNumber(Number(v)); }
Poly X() { return Var(0); }
Poly Y() { return Var(1); }

TEST(GcdTest, SpecialCasesAndNumbers) {
  EXPECT_EQ(GcdCommand({Tree(X().Power(2) - Const(1)), Tree((X() + Const(1)).Power(2))}).value,
            Tree(X() + Const(1)));
  EXPECT_EQ(GcdCommand({N(12), N(18)}).value, N(6));
  EXPECT_EQ(GcdCommand({N(12), N(18), N(8)}).value, N(2));
  // gcd(0, p) is p made monic.
  EXPECT_EQ(GcdCommand({N(0), Tree(X().Scaled(Number(2.0)) + Const(4))}).value,
            Tree(X() + Const(2)));
  // Coprime polynomials, and polynomials against numbers.
  EXPECT_EQ(GcdCommand({Tree(X() + Const(1)), Tree(X() + Const(2))}).value, N(1));
  EXPECT_EQ(GcdCommand({Tree(X().Scaled(Number(4.0)) + Const(6)), N(10)}).value, N(2));
  EXPECT_FALSE(GcdCommand({N(3)}).ok());
}

TEST(GcdTest, UnexpandedAndMultivariateArguments) {
  // (x+y)(x−y) and (x+y)^2 given as products and powers.
  const ExprNode a = ProductNode({Tree(X() + Y()), Tree(X() - Y())});
  const ExprNode b = PowerNode(Tree(X() + Y()), 2);
  EXPECT_EQ(AsPoly(GcdCommand({a, b}).value), X() + Y());
  // A common factor in y only.
  const Poly p = (Y() + Const(2)) * (X() + Const(1));
  const Poly q = (Y() + Const(2)) * (X() - Const(1));
  EXPECT_EQ(AsPoly(GcdCommand({Tree(p), Tree(q)}).value), Y() + Const(2));
}

TEST(GcdTest, RandomGcdsDivideBothAndContainTheCommonFactor) {
  std::mt19937 rng(3);
  for (int round = 0; round < 40; ++round) {
    const int nvars = 1 + round % 2;
    const Poly common = RandomPoly(rng, nvars, 2, 3);
    const Poly a = common * RandomPoly(rng, nvars, 2, 3);
    const Poly b = common * RandomPoly(rng, nvars, 2, 3);
    if (a.IsZero() || b.IsZero()) continue;
    const Poly g = AsPoly(GcdCommand({Tree(a), Tree(b)}).value);
    Poly q;
    EXPECT_TRUE(DivideExactly(a, g, &q)) << round;
    EXPECT_TRUE(DivideExactly(b, g, &q)) << round;
    if (!common.IsConstant()) {
      EXPECT_TRUE(DivideExactly(g, PolyGcd(common, common), &q)) << round;
    }
  }
}

TEST(NormalizeTest, DividesByTheLeadingCoefficientChain) {
  EXPECT_EQ(Normalize(Tree(X().Scaled(Number(3.0)) + Const(6))), Tree(X() + Const(2)));
  // 2xy + 4y: leading in x is 2y, then 2 in y.
  EXPECT_EQ(AsPoly(Normalize(Tree(X() * Y().Scaled(Number(2.0)) + Y().Scaled(Number(4.0))))),
            X() * Y() + Y().Scaled(Number(2.0)));
  EXPECT_EQ(Normalize(N(5)), N(5));
  EXPECT_EQ(LcmCommand(N(4), N(6)).value, N(12));
  EXPECT_EQ(LcmCommand(N(0), N(5)).value, N(0));
}

TEST(DivisionTest, FastPathCases) {
  auto r = PolyDivideCommand(Tree(X().Power(3) + Const(1)), Tree(X() + Const(1)));
  ASSERT_TRUE(r.ok());
  ASSERT_TRUE(r.value.IsList());
  EXPECT_EQ(r.value.Operand(0), Tree(X().Power(2) - X() + Const(1)));
  EXPECT_EQ(r.value.Operand(1), N(0));
  r = PolyDivideCommand(Tree(X()), Tree(X().Power(2) + Const(1)));
  EXPECT_EQ(r.value.Operand(0), N(0));
  EXPECT_EQ(r.value.Operand(1), Tree(X()));
  EXPECT_EQ(QuotientCommand(Tree(X().Scaled(Number(4.0))), N(2)).value,
            Tree(X().Scaled(Number(2.0))));
  EXPECT_EQ(RemainderCommand(N(7), Tree(X() + Const(1))).value, N(7));
  // Fractions appear when the divisor is not monic.
  EXPECT_EQ(RemainderCommand(Tree(X().Power(2)), Tree(X().Scaled(Number(2.0)) + Const(1))).value,
            ExprNode::MakeNumber(Number::Ratio(1, 4)));
}

TEST(DivisionTest, VariableRulesAndNonPolynomials) {
  const ExprNode a = Tree(X() * Y() + Const(1));
  EXPECT_EQ(QuotientCommand(a, Tree(Y())).failure.code, EngineError::kTooManyVariables);
  // Explicit x among several variables: (xy + 1) ÷ y in x divides the leading
  // coefficient y by y.
  auto r = PolyDivideCommand(a, Tree(Y()), u"x");
  EXPECT_EQ(r.value.Operand(0), Tree(X()));
  EXPECT_EQ(r.value.Operand(1), N(1));
  // Degree beyond the dense arrays takes the general path.
  r = PolyDivideCommand(Tree(X().Power(30) - Const(1)), Tree(X() - Const(1)));
  EXPECT_EQ(AsPoly(r.value.Operand(0)).size(), 30u);
  EXPECT_EQ(r.value.Operand(1), N(0));
  // A quotient with too many terms is refused, not built.
  EXPECT_FALSE(QuotientCommand(Tree(X().Power(5000000)), Tree(X() - Const(1))).ok());
}

TEST(DivisionTest, RandomDivisionsSatisfyTheIdentity) {
  std::mt19937 rng(5);
  for (int round = 0; round < 60; ++round) {
    const int nvars = 1 + round % 2;
    const Poly a = RandomPoly(rng, nvars, 4, 5);
    const Poly b = RandomPoly(rng, nvars, 2, 3);
    if (b.IsZero() || b.IsConstant()) continue;
    auto r = PolyDivideCommand(Tree(a), Tree(b), u"x");
    ASSERT_TRUE(r.ok());
    const Poly q = AsPoly(r.value.Operand(0));
    const Poly rem = AsPoly(r.value.Operand(1));
    EXPECT_EQ(q * b + rem, a) << round;
    if (nvars == 1) {
      EXPECT_LT(rem.Degree(0), b.Degree(0)) << round;
    }
  }
}

TEST(PartsTest, DegreeCoefficientLagrange) {
  const ExprNode f = Tree(X().Power(3) * Y() + X());
  EXPECT_EQ(DegreeCommand(f, u"x").value, N(3));
  EXPECT_EQ(DegreeCommand(f, u"y").value, N(1));
  EXPECT_EQ(DegreeCommand(ExprNode::MakeFunction(0, Tree(X())), u"x").value, N(0));
  EXPECT_EQ(CoefficientCommand(Tree(X().Power(2).Scaled(Number(5.0)) + Const(3)), u"x", Number(2.0))
                .value,
            N(5));
  EXPECT_EQ(CoefficientCommand(Tree(X().Power(2) + Const(3)), u"x", Number(0.0)).value, N(3));
  EXPECT_EQ(CoefficientCommand(Tree(X() + Const(3)), u"x", Number(4.0)).value, N(0));
  ExprNode points = ExprNode::MakeList();
  for (double y : {1.0, 3.0, 7.0}) points.AddOperand(N(y));
  EXPECT_EQ(LagrangeCommand(points, Tree(X())).value, Tree(X().Power(2) + X() + Const(1)));
  points.AddOperand(Tree(X()));
  EXPECT_FALSE(LagrangeCommand(points, Tree(X())).ok());
}

TEST(PartsTest, OperandCountsInWrittenOrder) {
  const ExprNode f = Tree(X().Power(2).Scaled(Number(3.0)) + X() + Const(5));
  EXPECT_EQ(OperandCommand(f, Number(1.0)).value, Tree(X().Power(2).Scaled(Number(3.0))));
  EXPECT_EQ(OperandCommand(f, Number(3.0)).value, N(5));
  EXPECT_FALSE(OperandCommand(f, Number(4.0)).ok());
  EXPECT_FALSE(OperandCommand(f, Number(0.0)).ok());
}

TEST(PartsTest, NumeratorAndDenominatorOfNumbersAndTerms) {
  EXPECT_EQ(NumeratorCommand(ExprNode::MakeNumber(Number::Ratio(3, 4))).value, N(3));
  EXPECT_EQ(DenominatorCommand(ExprNode::MakeNumber(Number::Ratio(3, 4))).value, N(4));
  const ExprNode inverse = ExprNode::MakeTerm(SymbolTerm{u"x", Number(2.0), Number(-2.0)});
  EXPECT_EQ(NumeratorCommand(inverse).value, N(2));
  EXPECT_EQ(DenominatorCommand(inverse).value, Tree(X().Power(2)));
}

}  // namespace
}  // namespace zentrix::engine::poly
