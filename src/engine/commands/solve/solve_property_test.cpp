// Properties of the quadratic formula and the cubic procedure on random
// integer coefficients: every root satisfies the equation numerically and the
// number of distinct roots is the one the discriminant predicts.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/solve/solve.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using Complex = std::complex<double>;
using Coefficients = std::vector<long long>;  // highest degree first

ExprNode NumberNode(long long v) { return ExprNode::MakeNumber(Number(static_cast<double>(v))); }

std::vector<Complex> NumericRoots(const ExprNode& answer) {
  std::vector<const ExprNode*> roots;
  if (answer.IsList()) {
    for (const ExprNode& r : answer.operands()) roots.push_back(&r);
  } else {
    roots.push_back(&answer);
  }
  std::vector<Complex> out;
  for (const ExprNode* r : roots) {
    ExprNode value = Approximate(*r);
    EXPECT_TRUE(value.IsNumber()) << "a root did not evaluate to a number";
    out.emplace_back(value.coefficient().RealValue(), value.coefficient().ImagValue());
  }
  return out;
}

// |p(z)| small against the size of its terms.
void ExpectRoot(const Coefficients& p, Complex z) {
  Complex value = 0;
  double scale = 0;
  for (long long k : p) {
    value = value * z + static_cast<double>(k);
    scale = scale * std::abs(z) + std::abs(static_cast<double>(k));
  }
  EXPECT_LE(std::abs(value), 1e-9 * scale) << "z = " << z;
}

int DistinctCount(const std::vector<Complex>& roots, double tolerance) {
  std::vector<Complex> seen;
  for (Complex z : roots) {
    bool known = false;
    for (Complex s : seen) known = known || std::abs(z - s) <= tolerance * (1 + std::abs(s));
    if (!known) seen.push_back(z);
  }
  return static_cast<int>(seen.size());
}

int ExpectedCubicDistinct(long long a, long long b, long long c, long long d) {
  const long long disc = 18 * a * b * c * d - 4 * b * b * b * d + b * b * c * c -
                         4 * a * c * c * c - 27 * a * a * d * d;
  if (disc != 0) return 3;
  return b * b == 3 * a * c ? 1 : 2;
}

class SolvePropertyTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
  std::mt19937 random_{20240611};
  long long Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
  long long NonZero(int bound) {
    long long v = 0;
    while (v == 0) v = Uniform(-bound, bound);
    return v;
  }
};

TEST_F(SolvePropertyTest, QuadraticRootsSatisfyTheEquation) {
  for (int trial = 0; trial < 300; ++trial) {
    const long long a = NonZero(20), b = Uniform(-20, 20), c = Uniform(-20, 20);
    ExprNode answer = QuadraticRoots(NumberNode(a), NumberNode(b), NumberNode(c));
    std::vector<Complex> roots = NumericRoots(answer);
    SCOPED_TRACE(::testing::Message() << a << "x^2 + " << b << "x + " << c);
    for (Complex z : roots) ExpectRoot({a, b, c}, z);
    // Exact arithmetic: a double root comes out once, two roots as a list of two.
    EXPECT_EQ(static_cast<int>(roots.size()), b * b == 4 * a * c ? 1 : 2);
    EXPECT_EQ(DistinctCount(roots, 1e-12), static_cast<int>(roots.size()));
  }
}

void CheckCubic(long long a, long long b, long long c, long long d) {
  SCOPED_TRACE(::testing::Message() << a << "x^3 + " << b << "x^2 + " << c << "x + " << d);
  std::optional<ExprNode> answer =
      CubicRoots(NumberNode(a), NumberNode(b), NumberNode(c), NumberNode(d));
  ASSERT_TRUE(answer);
  std::vector<Complex> roots = NumericRoots(*answer);
  for (Complex z : roots) ExpectRoot({a, b, c, d}, z);
  EXPECT_EQ(DistinctCount(roots, 1e-6), ExpectedCubicDistinct(a, b, c, d));
}

TEST_F(SolvePropertyTest, RandomCubicsSatisfyTheEquation) {
  for (int trial = 0; trial < 300; ++trial) {
    CheckCubic(NonZero(9), Uniform(-20, 20), Uniform(-20, 20), Uniform(-20, 20));
  }
}

// Cubics built from integer roots often have double and triple roots. The
// leading coefficients are powers of two, so that b/a, c/a and d/a are exact.
TEST_F(SolvePropertyTest, CubicsWithRepeatedRoots) {
  for (int trial = 0; trial < 300; ++trial) {
    const long long a = (Uniform(0, 1) ? 1 : -1) * (1LL << Uniform(0, 2));
    const long long r1 = Uniform(-4, 4), r2 = Uniform(-4, 4), r3 = Uniform(-4, 4);
    CheckCubic(a, -a * (r1 + r2 + r3), a * (r1 * r2 + r1 * r3 + r2 * r3), -a * r1 * r2 * r3);
  }
}

}  // namespace
}  // namespace zentrix::engine
