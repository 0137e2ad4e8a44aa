#include "engine/commands/calculus/derivative.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/testing/calculus_test_support.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using calculus_testing::Close;
using calculus_testing::RealAt;
using calculus_testing::Tree;
using testkit::Dump;
using testkit::Eval;

class DerivativeTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

// The entry's result equals the canonical form of the expected expression.
#define EXPECT_SAME(entry, expected) EXPECT_EQ(Dump(Tree(entry)), Dump(Tree(expected))) << (entry)

TEST_F(DerivativeTest, BasicRules) {
  EXPECT_SAME("D(x^3,x)", "3x^2");
  EXPECT_SAME("D(sin(2x),x)", "2cos(2x)");
  EXPECT_SAME("D(ln(x),x)", "1/x");
  EXPECT_SAME("D(x/(x+1),x)", "1/(x+1)^2");
  EXPECT_SAME("D(2^x,x)", "2^x*ln(2)");
  EXPECT_SAME("D(x^x,x)", "x^x*(ln(x)+1)");
  EXPECT_SAME("D(log10(x),x)", "1/(x*ln(10))");
  EXPECT_SAME("D(sqrt(x^2+1),x)", "x*(x^2+1)^(-1/2)");
  EXPECT_SAME("D(x^π,x)", "π*x^(π-1)");
}

TEST_F(DerivativeTest, OtherNamesAreConstants) {
  EXPECT_SAME("D(y*x^2,x)", "2x*y");
  EXPECT_SAME("D(y,x)", "0");
  EXPECT_SAME("D(π*x+ℯ,x)", "π");
  EXPECT_SAME("D(abs(y)*x,x)", "abs(y)");
}

TEST_F(DerivativeTest, FunctionsWithoutRuleStayUnevaluated) {
  for (const char* f : {"D(abs(x),x)", "D(floor(x)+x,x)", "D(x*sign(x),x)", "D(re(x),x)"}) {
    ExprNode r = Tree(f);
    EXPECT_TRUE(r.IsFunction(command_id::kD)) << f << " gave " << Dump(r);
  }
  // An integral in the same variable is undone; in another variable it is not.
  EXPECT_SAME("D(Integrate(abs(x),x),x)", "abs(x)");
}

TEST_F(DerivativeTest, QuotientRuleDividesOutCommonPower) {
  // (x·e^x − 3e^x)/x^4 rather than (x³e^x − 3x²e^x)/x^6.
  ExprNode r = Tree("D(ℯ^x/x^3,x)");
  ASSERT_TRUE(r.IsProduct()) << Dump(r);
  ASSERT_EQ(r.TermCount(), 1u) << Dump(r);
  EXPECT_EQ(r.Term(0).exponent, Number(-4.0)) << Dump(r);
  // Products of sines and cosines in the numerator are reduced.
  EXPECT_EQ(Eval("D(sin(x)/x,x)"), Dump(Tree("(x*cos(x)-sin(x))/x^2")));
}

TEST_F(DerivativeTest, ListsElementWise) { EXPECT_SAME("D({x,x^2,3},x)", "{1,2x,0}"); }

TEST_F(DerivativeTest, RepeatedDerivatives) {
  EXPECT_SAME("D(sin(x),x,4)", "sin(x)");
  EXPECT_SAME("D(x^5,x,5)", "120");
  EXPECT_SAME("D(x^5,x,0)", "x^5");
  EXPECT_SAME("D(ℯ^(2x),x,3)", "8ℯ^(2x)");
  // The first failing step stays as typed; a later one nests the calls.
  EXPECT_EQ(Eval("D(abs(x),x,3)"), Dump(Tree("D(abs(x),x,3)")));
  ExprNode nested = Tree("D(Integrate(abs(x),x),x,3)");
  ASSERT_TRUE(nested.IsFunction(command_id::kD)) << Dump(nested);
  ASSERT_EQ(nested.OperandCount(), 2u);
  EXPECT_EQ(Dump(nested.Operand(0)), Dump(Tree("D(abs(x),x)")));
}

// sin(x)·sin(2x)·…·sin(n·x).
std::string SineProduct(int n) {
  std::string text = "sin(x)";
  for (int k = 2; k <= n; ++k) text.append("*sin(").append(std::to_string(k)).append("x)");
  return text;
}

TEST_F(DerivativeTest, DerivativesBeyondTheSizeBoundAreReported) {
  const std::string too_large = "Error: The expression is too large.";
  // 149 factors: the product rule would write 149² of them.
  EXPECT_EQ(Eval("D(" + SineProduct(149) + ",x)"), too_large);
  EXPECT_EQ(Eval("D(" + SineProduct(149) + ",x,3)"), too_large);
  EXPECT_EQ(Eval("Series(" + SineProduct(149) + ",x,0,2)"), too_large);
  // 99 factors over x + 1: the quotient rule's numerator is beyond its bound.
  EXPECT_EQ(Eval("D(" + SineProduct(99) + "/(x+1),x)"), too_large);
  EXPECT_EQ(Eval("Series(" + SineProduct(99) + "/(x+1),x,0,1)"), too_large);
  // Callers to whom a derivative is one way among others take it as none.
  EXPECT_FALSE(Differentiate(Tree(SineProduct(149)), u"x").has_value());
  EXPECT_THROW(DifferentiateOrThrow(Tree(SineProduct(149)), u"x"), ResultTooLarge);
}

TEST_F(DerivativeTest, HugeOrdersEndQuickly) {
  // Cycles are recognised: only one period is computed.
  EXPECT_SAME("D(sin(x),x,1000000000001)", "cos(x)");
  EXPECT_SAME("D(sinh(x),x,1000000000)", "sinh(x)");
  EXPECT_SAME("D(ℯ^(-x),x,1000000001)", "-ℯ^(-x)");
  EXPECT_SAME("D(x^5,x,1000000000000000)", "0");
  EXPECT_EQ(Eval("D(ℯ^(2x),x,1000000000)"), "Error: OverFlow");
  // Whichever bound comes first on this machine: the size or the entry's clock.
  {
    const std::string answer = Eval("D(x^x,x,1000000000)");
    EXPECT_TRUE(answer == "Error: The expression is too large." ||
                answer == "Error: The calculation takes too long.")
        << answer;
  }
  // Unevaluated steps beyond a bound are written as one call, not nested.
  ExprNode compact = Tree("D(Integrate(abs(x),x),x,1000000)");
  ASSERT_TRUE(compact.IsFunction(command_id::kD)) << Dump(compact);
  EXPECT_EQ(compact.OperandCount(), 3u);
  EXPECT_EQ(Dump(compact.Operand(2)), "999999");
}

// Repeated derivatives come out with their like terms collected: far smaller
// than the same steps taken one by one without gathering, and equal to them
// at every point.
TEST_F(DerivativeTest, RepeatedDerivativesAreGatheredAndEqualToStepByStep) {
  const char* cases[] = {"sin(x)^2*cos(x)*ℯ^(x^2)", "x^2*sin(x)",          "x^3*ℯ^x*cos(2x)",
                         "ln(x^2+1)*atan(x)",       "sinh(x)*x^4/(x^2+1)", "tan(x)*sec(x)"};
  std::mt19937 points(11);
  std::uniform_real_distribution<double> point(-1.1, 1.1);
  for (const char* text : cases) {
    ExprNode f = Tree(text);
    for (double n : {2.0, 3.0, 5.0}) {
      NthDerivativeResult gathered = NthDerivative(f, u"x", n);
      ASSERT_TRUE(gathered.value && !gathered.failure.failed()) << text << " n=" << n;
      ExprNode stepwise = f;
      for (double k = 0; k < n; ++k) stepwise = *Differentiate(stepwise, u"x");
      EXPECT_LE(calculus::TreeSize(*gathered.value), calculus::TreeSize(stepwise)) << text;
      for (int k = 0; k < 4; ++k) {
        const double t = point(points);
        std::optional<double> a = RealAt(*gathered.value, t), b = RealAt(stepwise, t);
        if (!a || !b) continue;
        EXPECT_TRUE(Close(*a, *b, 1e-9))
            << text << " n=" << n << " at " << t << ": " << *a << " against " << *b;
      }
    }
  }
  // The fifth derivative of the first case: a few like terms, not thousands
  // of characters of nested sums.
  ExprNode fifth = Tree("D(sin(x)^2*cos(x)*ℯ^(x^2),x,5)");
  ASSERT_TRUE(fifth.IsSum()) << Dump(fifth);
  EXPECT_EQ(fifth.OperandCount(), 11u) << Dump(fifth);
  // A lone multiple of a sum is not opened up.
  EXPECT_SAME("D((x+1)^2,x)", "2(x+1)");
}

// Random compositions of elementary functions: D(f) agrees with a central
// difference of f.
class RandomExpression {
 public:
  explicit RandomExpression(unsigned seed) : rng_(seed) {}

  std::string Make(int depth) {
    if (depth == 0) return Leaf();
    switch (Pick(9)) {
      case 0: return "(" + Make(depth - 1) + "+" + Make(depth - 1) + ")";
      case 1: return "(" + Make(depth - 1) + "-" + Make(depth - 1) + ")";
      case 2:
      case 3: return "(" + Make(depth - 1) + "*" + Make(depth - 1) + ")";
      case 4: return "(" + Make(depth - 1) + ")/(" + Make(depth - 1) + "^2+1)";
      case 5: return "(" + Make(depth - 1) + ")^" + std::to_string(2 + Pick(3));
      case 6: return "sqrt((" + Make(depth - 1) + ")^2+2)";
      case 7: return "ln((" + Make(depth - 1) + ")^2+1)";
      default: return Unary() + "(" + Make(depth - 1) + ")";
    }
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::string Leaf() {
    static const char* leaves[] = {"x", "2x", "x^2", "3", "x/2", "(x+1)", "1/2*x^3"};
    return leaves[Pick(7)];
  }
  std::string Unary() {
    static const char* names[] = {"sin",  "cos",   "atan", "sinh", "cosh",
                                  "tanh", "asinh", "ℯ^",   "tan",  "sech"};
    return names[Pick(10)];
  }
  std::mt19937 rng_;
};

TEST_F(DerivativeTest, AgreesWithCentralDifferences) {
  RandomExpression random(20240607);
  std::mt19937 points(7);
  std::uniform_real_distribution<double> point(-1.2, 1.2);
  int compared = 0;
  for (int i = 0; i < 150; ++i) {
    const std::string text = random.Make(1 + i % 3);
    ExprNode f = Tree(text);
    std::optional<ExprNode> df = Differentiate(f, u"x");
    ASSERT_TRUE(df.has_value()) << text;
    for (int k = 0; k < 3; ++k) {
      const double t = point(points);
      const double h = 1e-5;
      std::optional<double> exact = RealAt(*df, t);
      std::optional<double> up = RealAt(f, t + h);
      std::optional<double> down = RealAt(f, t - h);
      if (!exact || !up || !down || std::fabs(*up) > 1e6) continue;
      const double difference = (*up - *down) / (2 * h);
      EXPECT_TRUE(Close(*exact, difference, 2e-4))
          << text << " at " << t << ": D gives " << *exact << ", difference " << difference;
      ++compared;
    }
  }
  EXPECT_GT(compared, 300);
}

TEST_F(DerivativeTest, TableAgreesWithCentralDifferences) {
  // Every entry of the table, at a point inside each function's real domain.
  struct Case {
    const char* f;
    double t;
  };
  const Case cases[] = {
      {"sin(x)", 0.7},   {"cos(x)", 0.7},   {"tan(x)", 0.7},   {"csc(x)", 0.7},   {"sec(x)", 0.7},
      {"cot(x)", 0.7},   {"asin(x)", 0.4},  {"acos(x)", 0.4},  {"atan(x)", 0.4},  {"acsc(x)", 1.7},
      {"asec(x)", 1.7},  {"acot(x)", 0.4},  {"sinh(x)", 0.7},  {"cosh(x)", 0.7},  {"tanh(x)", 0.7},
      {"csch(x)", 0.7},  {"sech(x)", 0.7},  {"coth(x)", 0.7},  {"asinh(x)", 0.7}, {"acosh(x)", 1.7},
      {"atanh(x)", 0.4}, {"acsch(x)", 0.7}, {"asech(x)", 0.4}, {"acoth(x)", 1.7}, {"ℯ^x", 0.7},
      {"ln(x)", 0.7},    {"log10(x)", 0.7}, {"acsch(x)", -0.7}};
  for (const Case& c : cases) {
    ExprNode f = Tree(c.f);
    std::optional<ExprNode> df = Differentiate(f, u"x");
    ASSERT_TRUE(df.has_value()) << c.f;
    const double h = 1e-6;
    std::optional<double> exact = RealAt(*df, c.t);
    std::optional<double> up = RealAt(f, c.t + h);
    std::optional<double> down = RealAt(f, c.t - h);
    ASSERT_TRUE(exact && up && down) << c.f << " gave " << Dump(*df);
    EXPECT_TRUE(Close(*exact, (*up - *down) / (2 * h), 1e-6)) << c.f << ": " << Dump(*df);
  }
}

}  // namespace
}  // namespace zentrix::engine
