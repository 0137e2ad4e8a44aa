#include <gtest/gtest.h>

#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/testing/poly_test_support.h"

namespace zentrix::engine::poly {
namespace {

using namespace testkit;

ExprNode XPlus(double c) { return Tree(Var(0) + Const(c)); }

TEST(PolyTest, ArithmeticKeepsNormalForm) {
  const Poly p = (Var(0) + Var(1)) * (Var(0) - Var(1));
  EXPECT_EQ(p, Var(0, 2) - Var(1, 2));
  EXPECT_EQ((Var(0) + Var(1)).Power(3), (Var(0) + Var(1)) * (Var(0) + Var(1)) * (Var(0) + Var(1)));
  EXPECT_TRUE((Var(0) - Var(0)).IsZero());
  Poly q;
  ASSERT_TRUE(DivideExactly(Var(0, 2) - Var(1, 2), Var(0) + Var(1), &q));
  EXPECT_EQ(q, Var(0) - Var(1));
  EXPECT_FALSE(DivideExactly(Var(0, 2) + Const(1), Var(0) + Const(1), &q));
}

TEST(PolyTest, BinomialIsExactWhereFactorialsWouldRound) {
  EXPECT_EQ(Binomial(20, 10), 184756.0);
  EXPECT_EQ(Binomial(30, 15), 155117520.0);
  EXPECT_EQ(Binomial(50, 25), 126410606437752.0);
  EXPECT_EQ(Binomial(5, 7), 0.0);
}

TEST(ExpandTest, CubeOfBinomialIsCanonicalSum) {
  const ExprNode e = Expand(PowerNode(XPlus(1), 3));
  ASSERT_TRUE(e.IsSum());
  EXPECT_EQ(e.coefficient(), Number(1.0));
  ASSERT_EQ(e.TermCount(), 3u);
  EXPECT_EQ(e.OperandCount(), 0u);
  EXPECT_EQ(e.Term(0), (SymbolTerm{u"x", Number(1.0), Number(3.0)}));
  EXPECT_EQ(e.Term(1), (SymbolTerm{u"x", Number(3.0), Number(2.0)}));
  EXPECT_EQ(e.Term(2), (SymbolTerm{u"x", Number(3.0), Number(1.0)}));
}

TEST(ExpandTest, ProductsMultiplyOutCompletely) {
  // (x+y)^2·(x−y)
  const ExprNode f = ProductNode({PowerNode(Tree(Var(0) + Var(1)), 2), Tree(Var(0) - Var(1))});
  const ExprNode e = Expand(f);
  AtomTable atoms = Xyz();
  auto p = ToPolynomial(e, atoms);
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(*p, (Var(0) + Var(1)).Power(2) * (Var(0) - Var(1)));
  for (const ExprNode& op : e.operands()) {
    EXPECT_TRUE(op.IsProduct());
    EXPECT_EQ(op.OperandCount(), 0u);
  }
}

TEST(ExpandTest, FourVariablePowerHasAllMonomials) {
  const ExprNode f = PowerNode(Tree(Var(0) + Var(1) + Var(2) + Const(1)), 20);
  const ExprNode e = Expand(f);
  AtomTable atoms = Xyz();
  auto p = ToPolynomial(e, atoms);
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->size(), 1771u);
  // The multinomial coefficient of x^5·y^5·z^5 is 20!/(5!)^4.
  const Poly c = p->CoefficientOf(0, 5).CoefficientOf(1, 5).CoefficientOf(2, 5);
  EXPECT_EQ(c.ConstantTerm(), Number(11732745024.0));
  // Products with equal coefficients keep a fixed order; smaller coefficients first.
  for (std::size_t i = 1; i < e.OperandCount(); ++i) {
    EXPECT_LE(e.Operand(i - 1).coefficient().RealValue(), e.Operand(i).coefficient().RealValue());
  }
}

TEST(ExpandTest, CoefficientsBeyondExactRangeStayClose) {
  const ExprNode e = Expand(PowerNode(XPlus(1), 60));
  AtomTable atoms = Xyz();
  auto p = ToPolynomial(e, atoms);
  ASSERT_TRUE(p.has_value());
  const double middle = p->CoefficientOf(0, 30).ConstantTerm().RealValue();
  EXPECT_NEAR(middle / 1.1826458156486142e17, 1.0, 1e-15);
}

TEST(ExpandTest, HugeWorkEndsWithError) {
  const ExprNode f = PowerNode(Tree(Var(0) + Var(1) + Var(2) + Const(1)), 400);
  const PolyCommandResult r = ExpandCommand(f);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.failure.message, kPolyTooLargeMessage);
  // The plain function gives its argument back.
  EXPECT_EQ(Expand(f), f);
  // A huge exponent of a single variable is refused too, not allocated.
  EXPECT_FALSE(ExpandCommand(PowerNode(XPlus(1), 1e9)).ok());
}

TEST(ExpandTest, NegativePowerOfSumKeepsExpandedReciprocal) {
  // (x+1)^-2 → (x^2+2x+1)^-1; the kernel part is built by the simplifier.
  const ExprNode e = Expand(PowerNode(XPlus(1), -2));
  ASSERT_TRUE(e.IsOperandPower());
  EXPECT_EQ(e.coefficient(), Number(-1.0));
  EXPECT_EQ(e.Operand(0), Tree(Var(0, 2) + Var(0).Scaled(Number(2.0)) + Const(1)));
}

TEST(ExpandTest, ListsExpandElementWise) {
  ExprNode list = ExprNode::MakeList();
  list.AddOperand(PowerNode(XPlus(1), 2));
  list.AddOperand(ExprNode::MakeNumber(Number(3.0)));
  const ExprNode e = Expand(list);
  ASSERT_TRUE(e.IsList());
  EXPECT_EQ(e.Operand(0), Tree(Var(0, 2) + Var(0).Scaled(Number(2.0)) + Const(1)));
  EXPECT_EQ(e.Operand(1), ExprNode::MakeNumber(Number(3.0)));
}

TEST(ExpandTest, RandomProductsAgreeNumerically) {
  std::mt19937 rng(7);
  for (int round = 0; round < 40; ++round) {
    const Poly a = RandomPoly(rng, 3, 3, 4);
    const Poly b = RandomPoly(rng, 3, 3, 4);
    const ExprNode f = ProductNode({Tree(a), PowerNode(Tree(b), 2)});
    const ExprNode e = Expand(f);
    std::map<std::u16string, double> at{{u"x", 0.7}, {u"y", -1.3}, {u"z", 2.1}};
    EXPECT_TRUE(Near(Evaluate(e, at), Evaluate(f, at))) << round;
  }
}

TEST(FactorialTest, IntegersHalfIntegersAndOthers) {
  EXPECT_EQ(Factorial(Number(0.0)), Number(1.0));
  EXPECT_EQ(Factorial(Number(5.0)), Number(120.0));
  EXPECT_NEAR(Factorial(Number(-0.5))->RealValue(), 1.772453850905516, 1e-15);
  EXPECT_NEAR(Factorial(Number::Ratio(3, 2))->RealValue(), 1.329340388179137, 1e-14);
  EXPECT_TRUE(Factorial(Number(1e15))->IsPlusInfinity());
  EXPECT_FALSE(Factorial(Number(-2.0)).has_value());
  EXPECT_FALSE(Factorial(Number(0.3)).has_value());
}

}  // namespace
}  // namespace zentrix::engine::poly
