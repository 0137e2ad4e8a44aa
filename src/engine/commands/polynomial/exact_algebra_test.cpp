// Exact polynomial algorithms: answers whose intermediate coefficients leave
// the binary64 range, results beyond the Number's exact range, and the
// factor and square-free forms that take out powers of the variable.

#include <gtest/gtest.h>

#include <random>

#include "engine/commands/base/exact_range.h"
#include "engine/commands/polynomial/exact_poly.h"
#include "engine/commands/polynomial/poly_gcd.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/testing/poly_test_support.h"
#include "engine/commands/testing/test_support.h"

namespace zentrix::engine::poly {
namespace {

using engine::testkit::Eval;
using namespace testkit;

Poly X() { return Var(0); }

// A random polynomial in x of the given degree with integer coefficients in
// [−bound, bound] and a non-zero leading coefficient.
Poly RandomIntegerPoly(std::mt19937& rng, int degree, double bound) {
  std::uniform_int_distribution<long long> c(-static_cast<long long>(bound),
                                             static_cast<long long>(bound));
  Poly p = Const(0);
  for (int k = 0; k <= degree; ++k) {
    long long v = c(rng);
    if (k == degree && v == 0) v = 1;
    p = p + Var(0, k, static_cast<double>(v));
  }
  return p;
}

Poly Monic(const Poly& p) {
  const std::optional<ExactPoly> exact = ToExact(p);
  return FromExact(exact->Scaled(1 / exact->LeadingNumber()));
}

TEST(ExactGcdTest, SubresultantsBeyondBinary64StayExact) {
  // The remainder sequence's coefficients pass 2^53 on the way.
  EXPECT_EQ(Eval("GCD(3x^8+10x^7-4x^6+47x^5-24x^4+67x^3-25x^2+32x-10,"
                 "6x^8-7x^7+25x^6+46x^4+11x^3+66x^2+17x+40)"),
            Eval("Normalize(3x^4-2x^3+7x^2-x+5)"));
  // The same factor found by the square-free factorisation of a product
  // with a repeated factor.
  EXPECT_EQ(Eval("FactorSquareFree(Expand((3x^4-2x^3+7x^2-x+5)^2*(6x^4-7x^3+x^2+8)), x)"),
            Eval("(3x^4-2x^3+7x^2-x+5)^2*(6x^4-7x^3+x^2+8)"));
}

TEST(ExactGcdTest, PlantedCommonFactorIsRecovered) {
  // gcd(c·u, c·v) = c when v is a product of linear factors x − r with
  // u(r) ≠ 0: then u and v are coprime.
  for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
    std::mt19937 rng(seed);
    for (int round = 0; round < 12; ++round) {
      const int degree = 1 + round % 6;
      const Poly c = RandomIntegerPoly(rng, degree, 1e6);
      const Poly u = RandomIntegerPoly(rng, 1 + round % 4, 1000);
      Poly v = Const(1);
      std::uniform_int_distribution<int> root(-20, 20);
      for (int k = 0; k < 1 + round % 3; ++k) {
        int r = root(rng);
        while (u.Substitute(0, Number(r)).ConstantTerm().IsZero()) ++r;
        v = v * (X() - Const(r));
      }
      const Poly a = c * u;
      const Poly b = c * v;
      const PolyCommandResult g = GcdCommand({Tree(a), Tree(b)});
      ASSERT_TRUE(g.ok()) << seed << " " << round;
      EXPECT_EQ(AsPoly(g.value), Monic(c)) << seed << " " << round;
    }
  }
}

TEST(ExactGcdTest, PlantedFactorInTwoVariables) {
  std::mt19937 rng(7);
  for (int round = 0; round < 10; ++round) {
    const Poly y = Var(1);
    const Poly c = RandomIntegerPoly(rng, 2, 1e4) + y.Scaled(Number(3.0)) * X();
    const Poly a = c * (X().Power(2) + y + Const(round + 1));
    const Poly b = c * (X() * y - Const(2 * round + 3));
    const PolyCommandResult g = GcdCommand({Tree(a), Tree(b)});
    ASSERT_TRUE(g.ok()) << round;
    Poly q;
    const Poly found = AsPoly(g.value);
    EXPECT_TRUE(DivideExactly(c, found, &q) && q.IsConstant()) << round;
  }
}

TEST(ExactRangeTest, ResultsBeyondTheRangeAreRefusedNotRounded) {
  // The remainder of x^40 by x − 3 is 3^40, which binary64 cannot hold.
  EXPECT_EQ(Eval("Remainder(x^40, x-3)"),
            "Error: " + chars::ToUtf8(std::u16string(kExactRangeMessage)));
  EXPECT_EQ(Eval("Remainder(x^30, x-3)"), Eval("205891132094649"));
  // The quotient of x^40 by 3x − 1 has coefficients down to 1/3^40: those
  // beyond the range are decimals, the others exact.
  const PolyCommandResult q = QuotientCommand(Tree(X().Power(40)), Tree(Var(0, 1, 3.0) - Const(1)));
  ASSERT_TRUE(q.ok());
  const Poly quotient = AsPoly(q.value);
  EXPECT_TRUE(quotient.ConstantTerm().IsDecimal());
  EXPECT_EQ(quotient.Coeff(1), Number::Ratio(1, 9));
  EXPECT_EQ(Eval("PolyDivide(x^3, 3x-1)"), Eval("{x^2/3+x/9+1/27, 1/27}"));
  EXPECT_THROW(ToNumber(Rational(Integer("100000000000000000001"))), ExactRangeExceeded);
  EXPECT_EQ(ToNumber(Rational(Integer("1152921504606846976"))), Number(1152921504606846976.0));
  EXPECT_TRUE(ToNumber(Rational(Integer(1), Integer("9007199254740993"))).IsDecimal());
  EXPECT_THROW(ToNumber(Rational(Integer("90071992547409930001"), Integer(3))), ExactRangeExceeded);
  EXPECT_FALSE(ToRational(Number(0.5)).has_value());
  EXPECT_EQ(*ToRational(Number::Ratio(-3, 4)), Rational(-3, 4));
}

// Together takes its common denominators exactly: a product beyond binary64
// that cancels gives the exact small answer, one that stays is refused.
TEST(ExactRangeTest, TogetherIsExact) {
  EXPECT_EQ(Eval("Together(1/(123456789x+1)+x/(123456789x+1))"), Eval("(x+1)/(123456789x+1)"));
  EXPECT_EQ(Eval("Together(1/(3^17x+1)-1/(3^17x-1))"),
            "Error: " + chars::ToUtf8(std::u16string(kExactRangeMessage)));
  EXPECT_EQ(Eval("Together(1/(3^10x+1)-1/(3^10x-1))"), Eval("-2/((59049x-1)(59049x+1))"));
  EXPECT_EQ(Eval("Together(x/(x+2)+1/(x-2)+3)"), Eval("(4x^2-x-10)/((x-2)(x+2))"));
  // Decimal coefficients keep the Number arithmetic.
  EXPECT_EQ(Eval("Together(0.5/x+1/y)"), Eval("(x+0.5y)/(x*y)"));
}

TEST(ExactFactorTest, PowersOfTheVariableAndCommonMonomials) {
  EXPECT_EQ(Eval("Factor(x^2+x)"), Eval("x*(x+1)"));
  EXPECT_EQ(Eval("Factor(x^5-5x^3+4x)"), Eval("x*(x-2)*(x-1)*(x+1)*(x+2)"));
  EXPECT_EQ(Eval("Factor(x^2*y+x*y^2)"), Eval("x*y*(x+y)"));
  EXPECT_EQ(Eval("Factor(4x^3*y^2-6x*y^3)"), Eval("2x*y^2*(2x^2-3y)"));
  EXPECT_EQ(Eval("Factor(x^4)"), Eval("x^4"));
}

TEST(ExactFactorTest, RationalContentComesOutFirst) {
  EXPECT_EQ(Eval("Factor(x^2/2+3x/2+1)"), Eval("(x+1)*(x+2)/2"));
  EXPECT_EQ(Eval("Factor(2x/3+4/9)"), Eval("2/9*(3x+2)"));
  EXPECT_EQ(Eval("Sum(k,k,1,n)"), Eval("n*(n+1)/2"));
}

TEST(ExactFactorTest, SquareFreeTakesAnOptionalVariable) {
  EXPECT_EQ(Eval("FactorSquareFree(x^3-x^2-x+1, x)"), Eval("(x+1)*(x-1)^2"));
  EXPECT_EQ(Eval("FactorSquareFree(x^3-x^2-x+1)"), Eval("(x+1)*(x-1)^2"));
  EXPECT_EQ(Eval("FactorSquareFree(t^4-2t^2+1, t)"), Eval("(t^2-1)^2"));
  EXPECT_EQ(Eval("FactorSquareFree(x^2-1, 2)"), "Error: Syntax Error");
  EXPECT_EQ(Eval("FactorSquareFree(x^2-1, x, x)"), "Error: Syntax Error");
}

}  // namespace
}  // namespace zentrix::engine::poly
