// Polynomials of degree 4 and more: rational factors solved exactly, the rest
// numerically; and the numeric roots against the polynomial on random input.

#include <gtest/gtest.h>

#include <complex>
#include <random>
#include <string>
#include <vector>

#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/solve/numeric_roots.h"
#include "engine/commands/solve/solve.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/charset.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using solve::Complex;
using testkit::Eval;

class HighDegreeTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

std::vector<Complex> RootValues(std::string_view entry) {
  std::optional<ExprNode> answer = EvaluateExpression(chars::U16(entry));
  EXPECT_TRUE(answer) << entry;
  std::vector<Complex> out;
  if (!answer) return out;
  std::vector<const ExprNode*> roots;
  if (answer->IsList()) {
    for (const ExprNode& r : answer->operands()) roots.push_back(&r);
  } else {
    roots.push_back(&*answer);
  }
  for (const ExprNode* r : roots) {
    const ExprNode v = Approximate(*r);
    EXPECT_TRUE(v.IsNumber()) << entry;
    out.emplace_back(v.coefficient().RealValue(), v.coefficient().ImagValue());
  }
  return out;
}

TEST_F(HighDegreeTest, RationalFactorsGiveExactRoots) {
  EXPECT_EQ(Eval("Solve(x^4=16, x)"), Eval("{-2,2,-2ⅈ,2ⅈ}"));
  EXPECT_EQ(Eval("Solve(x^4-5x^2+4=0, x)"), Eval("{-2,-1,1,2}"));
  EXPECT_EQ(Eval("Solve(x^5-5x^3+4x=0, x)"), Eval("{-2,-1,0,1,2}"));
  // A repeated factor gives its root once.
  EXPECT_EQ(Eval("Solve((x-1)^2*(x+3)^2=0, x)"), Eval("{-3,1}"));
}

TEST_F(HighDegreeTest, BiquadraticsBySubstitution) {
  EXPECT_EQ(Eval("Solve(x^4-2=0, x)"), Eval("{-2^(1/4),2^(1/4),-ⅈ*2^(1/4),ⅈ*2^(1/4)}"));
  std::vector<Complex> roots = RootValues("Solve(x^4-6x^2+7=0, x)");
  ASSERT_EQ(roots.size(), 4u);
  for (Complex z : roots) {
    EXPECT_NEAR(std::abs(z * z * z * z - 6.0 * z * z + 7.0), 0.0, 1e-9) << z;
  }
}

TEST_F(HighDegreeTest, IrreducibleFactorsAreSolvedNumerically) {
  std::optional<ExprNode> answer = EvaluateExpression(u"Solve(x^5-x-1=0, x)");
  ASSERT_TRUE(answer && answer->IsList());
  ASSERT_EQ(answer->OperandCount(), 5u);
  // The real root first, then the complex ones, each a decimal.
  EXPECT_NEAR(answer->Operand(0).coefficient().RealValue(), 1.1673039782614187, 1e-12);
  EXPECT_TRUE(answer->Operand(0).coefficient().IsReal());
  for (std::size_t i = 1; i < 5; ++i) {
    EXPECT_TRUE(answer->Operand(i).coefficient().IsComplex()) << i;
    EXPECT_TRUE(answer->Operand(i).coefficient().IsDecimal()) << i;
  }
  // Exact and numeric roots side by side: the rational root stays exact.
  std::optional<ExprNode> mixed = EvaluateExpression(u"Solve((x-3)*(x^5-x-1)=0, x)");
  ASSERT_TRUE(mixed && mixed->IsList());
  EXPECT_EQ(mixed->OperandCount(), 6u);
  EXPECT_EQ(mixed->Operand(1), ExprNode::MakeNumber(Number(3.0)));
}

TEST_F(HighDegreeTest, ConstantAndDecimalCoefficients) {
  for (Complex z : RootValues("Solve(x^4+π*x-1=0, x)")) {
    EXPECT_LE(std::abs(z * z * z * z + 3.141592653589793 * z - 1.0),
              1e-9 * (1 + std::norm(z) * std::norm(z)));
  }
  EXPECT_EQ(RootValues("Solve(0.5x^6-x+0.25=0, x)").size(), 6u);
  // Symbolic coefficients have no numeric roots.
  EXPECT_EQ(Eval("Solve(x^5+y*x+1=0, x)"), "Error: Unable to solve the expression.");
}

// Random integer polynomials of degree 4 to 9, some with planted rational
// roots: every root satisfies the polynomial to 1e-9 relative, no more roots
// than the degree, and the planted roots are among them exactly.
TEST_F(HighDegreeTest, RandomPolynomialRootsSatisfyThePolynomial) {
  for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> coefficient(-12, 12);
    std::uniform_int_distribution<int> degree_of(4, 9);
    for (int trial = 0; trial < 12; ++trial) {
      const int degree = degree_of(random);
      std::vector<long long> k(static_cast<std::size_t>(degree) + 1);  // highest first
      for (long long& c : k) c = coefficient(random);
      if (k[0] == 0) k[0] = 1;
      std::string p;
      for (int i = 0; i <= degree; ++i) {
        if (i > 0 && k[i] >= 0) p += '+';
        p += std::to_string(k[i]);
        p += "*x^";
        p += std::to_string(degree - i);
      }
      const int planted = coefficient(random) / 3;
      const bool plant = trial % 2 == 0;
      const std::string factor = "(x-(" + std::to_string(planted) + "))*";
      const std::string entry = "Solve(" + (plant ? factor : std::string()) + "(" + p + ")=0, x)";
      std::vector<Complex> roots = RootValues(entry);
      ASSERT_FALSE(roots.empty()) << entry;
      EXPECT_LE(static_cast<int>(roots.size()), degree + 1) << entry;
      std::vector<Complex> a(k.begin(), k.end());
      bool found_planted = false;
      for (Complex z : roots) {
        const bool is_planted = std::abs(z - static_cast<double>(planted)) < 1e-12;
        found_planted = found_planted || is_planted;
        if (plant && is_planted) continue;
        EXPECT_LE(solve::RelativeResidual(a, z), 1e-9) << entry << " at " << z;
      }
      if (plant) {
        EXPECT_TRUE(found_planted) << entry;
      }
    }
  }
}

TEST(NumericRootsTest, FindsEveryRootOfKnownPolynomials) {
  // (x − 1)(x − 2)(x − 3)(x − 4)(x − 5), and x^8 − 1 with its eight unit roots.
  std::optional<std::vector<Complex>> w = solve::PolynomialRoots({1, -15, 85, -225, 274, -120});
  ASSERT_TRUE(w);
  std::vector<double> real;
  for (Complex z : *w) {
    EXPECT_EQ(z.imag(), 0.0);
    real.push_back(z.real());
  }
  std::sort(real.begin(), real.end());
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(real[i], i + 1, 1e-12);
  std::optional<std::vector<Complex>> unit = solve::PolynomialRoots({1, 0, 0, 0, 0, 0, 0, 0, -1});
  ASSERT_TRUE(unit);
  for (Complex z : *unit) EXPECT_NEAR(std::abs(z), 1.0, 1e-12);
  // Zero roots are exact and counted.
  std::optional<std::vector<Complex>> zeros = solve::PolynomialRoots({1, 0, -4, 0, 0});
  ASSERT_TRUE(zeros);
  EXPECT_EQ(std::count(zeros->begin(), zeros->end(), Complex(0, 0)), 2);
}

TEST(NumericRootsTest, RefusesWhatItCannotSolve) {
  EXPECT_FALSE(solve::PolynomialRoots({}));
  EXPECT_FALSE(solve::PolynomialRoots({3}));
  EXPECT_FALSE(solve::PolynomialRoots({0, 0}));
  EXPECT_FALSE(solve::PolynomialRoots({1, std::numeric_limits<double>::infinity()}));
  EXPECT_FALSE(solve::PolynomialRoots(std::vector<Complex>(solve::kMaxNumericDegree + 2, 1.0)));
}

}  // namespace
}  // namespace zentrix::engine
