#include "engine/commands/simplify/canonicalize.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "engine/commands/simplify/canonical_order.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using testkit::Dump;
using testkit::Eval;

class CanonicalizeTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

// Two entries simplify to the same tree.
void ExpectSame(const char* a, const char* b) { EXPECT_EQ(Eval(a), Eval(b)) << a << " vs " << b; }

TEST_F(CanonicalizeTest, LikeTermsMergeIntoOneSymbolTerm) {
  EXPECT_EQ(Eval("x+x+x"), "sum(0; 3*x)");
  EXPECT_EQ(Eval("y*y"), "sum(0; 1*y^2)");
  EXPECT_EQ(Eval("x*x^-1"), "1");
  EXPECT_EQ(Eval("2x+3x-5x"), "0");
  ExpectSame("2*x", "x+x");
  ExpectSame("x+2x", "3x");
  EXPECT_EQ(Eval("x^2+x^2+x"), "sum(0; 2*x^2; 1*x)");
}

TEST_F(CanonicalizeTest, LikeOperandsCollect) {
  EXPECT_EQ(Eval("x*y+x*y"), "prod(2; 1*x; 1*y)");
  EXPECT_EQ(Eval("sin(x)+sin(x)"), "prod(2; sin(1; sum(0; 1*x)))");
  EXPECT_EQ(Eval("sin(x)-sin(x)"), "0");
  EXPECT_EQ(Eval("2(x+1)+3(x+1)"), "prod(5; sum(1; 1*x))");
  EXPECT_EQ(Eval("(x+1)(x+1)"), "pow(2; sum(1; 1*x))");
  EXPECT_EQ(Eval("(x+1)^2/(x+1)"), "sum(1; 1*x)");
  ExpectSame("√(2)+√(2)", "2√(2)");
  // A product's own terms join a power of their product, whatever the order
  // they were typed in, also when that power is the only operand.
  ExpectSame("π*y*(π*y)^(-2/3)", "(π*y)^(1/3)");
  ExpectSame("y*π*(π*y)^(-2/3)", "(π*y)^(1/3)");
  ExpectSame("y*((6/5)π/(π*y)^(2/3))", "(6/5)(π*y)^(1/3)");
}

// Few operands are grouped by comparing them, many by hashing: both collect
// every like pair, in sums and in products, whichever comes first.
TEST_F(CanonicalizeTest, LikeOperandsCollectAmongFewAndMany) {
  auto join = [](std::string& list, const std::string& item, char op) {
    if (!list.empty()) list += op;
    list += item;
  };
  for (int count : {3, 24, 25, 40}) {
    std::string twice, doubled, squared, product;
    for (int round = 0; round < 2; ++round) {
      for (int k = 1; k <= count; ++k) {
        const std::string call = "sin(" + std::to_string(k) + "x)";
        join(twice, call, '+');
        join(product, call, '*');
        if (round == 0) {
          join(doubled, "2" + call, '+');
          join(squared, call + "^2", '*');
        }
      }
    }
    ExpectSame(twice.c_str(), doubled.c_str());
    ExpectSame(product.c_str(), squared.c_str());
  }
}

TEST_F(CanonicalizeTest, ZeroAndInfinity) {
  EXPECT_EQ(Eval("0*∞"), "Indeterminate");
  EXPECT_EQ(Eval("0x"), "0");
  EXPECT_EQ(Eval("x+∞"), "inf");
  EXPECT_EQ(Eval("∞*x"), "inf");
  EXPECT_EQ(Eval("∞-∞"), "Indeterminate");
  EXPECT_EQ(Eval("1/0"), "ComplexInfinity");
  EXPECT_EQ(Eval("x^0"), "1");
  EXPECT_EQ(Eval("(x+y)^1"), "sum(0; 1*x; 1*y)");
}

TEST_F(CanonicalizeTest, ExactSquareRoots) {
  EXPECT_EQ(Eval("√(12)"), "prod(2; pow(1/2; 3))");
  EXPECT_EQ(Eval("√(-4)"), "0+2i");
  EXPECT_EQ(Eval("√(-1)"), "0+1i");
  EXPECT_EQ(Eval("√(2)"), "pow(1/2; 2)");
  EXPECT_EQ(Eval("√(-12)"), "prod(0+2i; pow(1/2; 3))");
  EXPECT_EQ(Eval("√(-3)"), "prod(0+1i; pow(1/2; 3))");
  EXPECT_EQ(Eval("√(0)"), "0");
  EXPECT_EQ(Eval("√(9801)"), "99");
  // Only square factors below 100² are taken out.
  EXPECT_EQ(Eval("√(10201)"), "pow(1/2; 10201)");
  // Square factors are taken out until none is left, so the surd is final:
  // 3^24 = 81²·3^16 and 3^16 = 81²·81, then 81 = 9².
  EXPECT_EQ(Eval("√(9^12)"), "531441");
  EXPECT_EQ(Eval("√(3*2^20)"), "prod(1024; pow(1/2; 3))");
  EXPECT_EQ(Eval("sinh(√(9^12))"), Eval("sinh(531441)"));
  EXPECT_EQ(Eval("√(2)*√(3)"), "pow(1/2; 6)");
  EXPECT_EQ(Eval("√(2)*√(6)"), "prod(2; pow(1/2; 3))");
  EXPECT_EQ(Eval("√(2)*√(2)"), "2");
}

TEST_F(CanonicalizeTest, PowersOfNumbersAndTerms) {
  EXPECT_EQ(Eval("8^(1/3)"), "2");
  EXPECT_EQ(Eval("8^(2/3)"), "4");
  EXPECT_EQ(Eval("(-8)^(1/3)"), "pow(1/3; -8)");
  EXPECT_EQ(Eval("(x^2)^3"), "sum(0; 1*x^6)");
  EXPECT_EQ(Eval("(2x y)^2"), "prod(4; 1*x^2; 1*y^2)");
  EXPECT_EQ(Eval("(2x)^2"), "sum(0; 4*x^2)");
  EXPECT_EQ(Eval("1/(2x y)"), "prod(1/2; 1*x^-1; 1*y^-1)");
  EXPECT_EQ(Eval("(-1)^(1/2)"), "0+1i");
}

// Equal radicals of integers have one form, so they collect and cancel
// wherever they meet: whole powers go into the coefficient, a coefficient
// divisible by the radicand raises a reciprocal radical, and a reciprocal
// radical meeting its raised form in a sum collects with it.
TEST_F(CanonicalizeTest, EqualRadicalsShareOneForm) {
  ExpectSame("2^(3/2)", "2√(2)");
  ExpectSame("8^(3/2)", "16√(2)");
  ExpectSame("3^(7/3)", "9*3^(1/3)");
  ExpectSame("2^(-3/2)", "1/(2√(2))");
  ExpectSame("8^(-1/2)", "1/√(8)");
  ExpectSame("2/√(2)", "√(2)");
  ExpectSame("6/√(3)", "2√(3)");
  ExpectSame("(2^(3/2))^(1/3)", "√(2)");
  ExpectSame("√(2√(2))", "2^(3/4)");
  ExpectSame("2^(1/2)*2^(1/2)*2^(1/2)", "2√(2)");
  EXPECT_EQ(Eval("2^(3/2)-2√(2)"), "0");
  EXPECT_EQ(Eval("1/√(2)-√(2)/2"), "0");
  EXPECT_EQ(Eval("x/√(2)-x*√(2)/2"), "0");
  // Alone, a reciprocal radical keeps its form; 4^(3/2) stays a whole number.
  EXPECT_EQ(Eval("1/√(2)"), "pow(-1/2; 2)");
  EXPECT_EQ(Eval("4^(3/2)"), "8");
  // A whole power beyond the exact range stays in the exponent.
  EXPECT_EQ(Eval("3^(71/2)"), "pow(71/2; 3)");
}

TEST_F(CanonicalizeTest, NegatedSumsDistribute) {
  EXPECT_EQ(Eval("-(x+1)"), "sum(-1; -1*x)");
  EXPECT_EQ(Eval("x-(x+1)"), "-1");
  EXPECT_EQ(Eval("x-(x+sin(x))"), "prod(-1; sin(1; sum(0; 1*x)))");
  EXPECT_EQ(Eval("2(x+1)"), "prod(2; sum(1; 1*x))");
}

TEST_F(CanonicalizeTest, ReciprocalAndQuotientIdentities) {
  EXPECT_EQ(Eval("sin(x)*csc(x)"), "1");
  EXPECT_EQ(Eval("cosh(x)*sech(x)"), "1");
  EXPECT_EQ(Eval("sin(x)^2*sec(x)^3"), "prod(1; pow(2; tan(1; sum(0; 1*x))); sec(1; sum(0; 1*x)))");
  EXPECT_EQ(Eval("sin(x)^-2"), "pow(2; csc(1; sum(0; 1*x)))");
  EXPECT_EQ(Eval("1/sin(x)"), "csc(1; sum(0; 1*x))");
  ExpectSame("sin(x)*sec(x)", "tan(x)");
  ExpectSame("cos(x)*csc(x)", "cot(x)");
  ExpectSame("tan(x)*cos(x)", "sin(x)");
  ExpectSame("tanh(x)*cosh(x)", "sinh(x)");
  // Different arguments are left alone.
  EXPECT_EQ(Eval("sin(x)*csc(y)"), "prod(1; csc(1; sum(0; 1*y)); sin(1; sum(0; 1*x)))");
}

TEST_F(CanonicalizeTest, NegativeAndInfiniteArguments) {
  EXPECT_EQ(Eval("sin(-x)"), "prod(-1; sin(1; sum(0; 1*x)))");
  EXPECT_EQ(Eval("cos(-x)"), "cos(1; sum(0; 1*x))");
  ExpectSame("cos(-2x y)", "cos(2x y)");
  EXPECT_EQ(Eval("sin(∞)"), "interval(0; -1; 1)");
  EXPECT_EQ(Eval("tan(∞)"), "interval(0; -inf; inf)");
  EXPECT_EQ(Eval("atan(∞)"), "sum(0; 1/2*π)");
  EXPECT_EQ(Eval("ln(∞)"), "inf");
  EXPECT_EQ(Eval("abs(∞)"), "inf");
  EXPECT_EQ(Eval("sinh(∞)"), "Indeterminate");
}

TEST_F(CanonicalizeTest, SpecialValues) {
  EXPECT_EQ(Eval("ℯ^0"), "1");
  EXPECT_EQ(Eval("exp(1)"), "sum(0; 1*ℯ)");
  EXPECT_EQ(Eval("ln(1)"), "0");
  EXPECT_EQ(Eval("ln(0)"), "-inf");
  EXPECT_EQ(Eval("ln(-2)"), "sum(0; 0+1i*π; ln(1; 2))");
  EXPECT_EQ(Eval("ln(-1)"), "sum(0; 0+1i*π)");
  EXPECT_EQ(Eval("sin(2)"), "sin(1; 2)");
  EXPECT_EQ(Eval("sin(0.5)"), "0.47942553860420301");
  EXPECT_EQ(Eval("abs(-1/2)"), "1/2");
  EXPECT_EQ(Eval("floor(5/2)"), "2");
  EXPECT_EQ(Eval("fPart(7/2)"), "1/2");
  EXPECT_EQ(Eval("im(3+2ⅈ)"), "2");
}

TEST_F(CanonicalizeTest, SortOrder) {
  // x² before x, π before x, x before y.
  EXPECT_EQ(Eval("y+x+x^2+π"), "sum(0; 1*π; 1*x^2; 1*x; 1*y)");
  ExpectSame("y*x", "x*y");
  // In a sum: products, then powers, then functions.
  EXPECT_EQ(Eval("sin(x)+(x+1)^2+x*y"),
            "sum(0; prod(1; 1*x; 1*y); pow(2; sum(1; 1*x)); sin(1; sum(0; 1*x)))");
  // Functions by printed name.
  EXPECT_EQ(Eval("sin(x)+cos(x)"), "sum(0; cos(1; sum(0; 1*x)); sin(1; sum(0; 1*x)))");
  // In a product: powers before sums, sums by their constant.
  EXPECT_EQ(Eval("(x+2)(x+1)√(x+3)"), "prod(1; pow(1/2; sum(3; 1*x)); sum(1; 1*x); sum(2; 1*x))");
}

// Building a sum part by part (the fast paths of the tree arithmetic), all at
// once (the evaluator's pending chains) and from a shuffled flat node (the
// general passes) must give one tree.
TEST_F(CanonicalizeTest, IncrementalBatchAndShuffledBuildsAgree) {
  std::vector<const char*> parts = {"x",       "2x^2",    "x*y",     "-x",    "sin(x)",
                                    "3sin(x)", "(x+1)^2", "-x*y",    "π",     "y^3",
                                    "4",       "x y^2",   "cos(-x)", "-2x^2", "√(2)"};
  std::string entry;
  ExprNode incremental = ExprNode::Zero();
  ExprNode flat(NodeKind::kSum, Number());
  std::vector<ExprNode> nodes;
  Evaluator evaluator;
  for (const char* p : parts) {
    entry += std::string(entry.empty() ? "" : "+") + "(" + p + ")";
    EvaluationResult r = evaluator.Evaluate(chars::U16(p));
    ASSERT_TRUE(r.ok) << p;
    nodes.push_back(r.value);
    incremental = AddTrees(std::move(incremental), r.value);
  }
  EvaluationResult batch = evaluator.Evaluate(chars::U16(entry));
  ASSERT_TRUE(batch.ok);
  EXPECT_EQ(Dump(batch.value), Dump(incremental));
  std::mt19937 random(7);
  for (int round = 0; round < 5; ++round) {
    std::shuffle(nodes.begin(), nodes.end(), random);
    ExprNode shuffled(NodeKind::kSum, Number());
    for (const ExprNode& n : nodes) Absorb(shuffled, n);
    CanonicalizeBuilt(shuffled);
    EXPECT_EQ(Dump(shuffled), Dump(incremental)) << "round " << round;
  }
}

TEST_F(CanonicalizeTest, ProductsBuiltInAnyOrderAgree) {
  std::vector<const char*> parts = {"x", "y^2", "sin(x)", "(x+1)", "2", "x^-1", "sec(x)", "z"};
  Evaluator evaluator;
  std::vector<ExprNode> nodes;
  for (const char* p : parts) nodes.push_back(evaluator.Evaluate(chars::U16(p)).value);
  std::string first;
  std::mt19937 random(11);
  for (int round = 0; round < 6; ++round) {
    std::shuffle(nodes.begin(), nodes.end(), random);
    ExprNode product = ExprNode::MakeNumber(Number(1.0));
    for (const ExprNode& n : nodes) product = MultiplyTrees(std::move(product), n);
    if (round == 0) first = Dump(product);
    EXPECT_EQ(Dump(product), first);
  }
  EXPECT_EQ(first, Eval("x*y^2*sin(x)*(x+1)*2*x^-1*sec(x)*z"));
}

TEST_F(CanonicalizeTest, SmallSumJoiningALargeOneCanCancelIt) {
  Evaluator evaluator;
  ExprNode big = evaluator.Evaluate(u"a+b+c+d+e+sin(x)").value;
  ExprNode small = evaluator.Evaluate(u"-a-b-c-d").value;
  ExprNode rest = AddTrees(big, small);
  EXPECT_EQ(Dump(rest), Eval("e+sin(x)"));
  ExprNode all = AddTrees(std::move(rest), evaluator.Evaluate(u"-e-sin(x)+2").value);
  EXPECT_EQ(Dump(all), "2");
}

TEST_F(CanonicalizeTest, DeepCanonicalizeOfAHandBuiltTree) {
  // 1·(x + x) with a non-canonical operand.
  ExprNode inner(NodeKind::kSum, Number());
  inner.AddTerm(SymbolTerm{u"x"});
  inner.AddTerm(SymbolTerm{u"x"});
  ExprNode outer = ExprNode::MakeProduct(Number(1.0));
  outer.AddOperand(std::move(inner));
  Canonicalize(outer);
  EXPECT_EQ(Dump(outer), "sum(0; 2*x)");
}

}  // namespace
}  // namespace zentrix::engine
