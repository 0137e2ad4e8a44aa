// The simplifier must not change values: every exact trigonometric value agrees
// with the library functions, and random expressions give the same number
// whether they are simplified symbolically first or evaluated on decimals.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <string>

#include "engine/commands/numeric/complex_functions.h"
#include "engine/commands/simplify/exact_trig_values.h"
#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

double ValueOf(const ExactTrigValue& v) {
  return static_cast<double>(v.numerator) / v.denominator * std::sqrt(static_cast<double>(v.root));
}

TEST(ExactTrigValues, AgreeWithTheLibraryAtEveryTabulatedMultiple) {
  const int functions[] = {0, 1, 2, 6, 7, 8};
  int checked = 0;
  for (int twelfth = 0; twelfth < 24; ++twelfth) {
    const long long g = std::gcd(twelfth, 12);
    const long long p = twelfth / g, q = 12 / g;
    for (int f : functions) {
      std::optional<ExactTrigValue> exact = ExactTrigAt(f, p, q);
      if (twelfth % 2 != 0 && twelfth % 3 != 0) {
        EXPECT_FALSE(exact) << f << " at " << p << "/" << q;
        continue;
      }
      ASSERT_TRUE(exact) << f << " at " << p << "/" << q;
      std::complex<double> numeric = *EvaluateElementary(f, M_PI * p / q);
      if (exact->pole) {
        EXPECT_GT(std::fabs(numeric.real()), 1e12) << f << " at " << p << "/" << q;
      } else {
        EXPECT_NEAR(ValueOf(*exact), numeric.real(), 1e-12) << f << " at " << p << "/" << q;
      }
      ++checked;
    }
  }
  EXPECT_EQ(checked, 16 * 6);
}

// The inverse functions at the table's values give the angle of their own
// branch, exactly, in the angle unit.
TEST(ExactInverseTrigValues, AnglesOfTheTable) {
  ScopedEngineState state;
  EXPECT_EQ(testkit::Eval("asin(1/2)"), testkit::Eval("π/6"));
  EXPECT_EQ(testkit::Eval("asin(0)"), "0");
  EXPECT_EQ(testkit::Eval("atan(0)"), "0");
  EXPECT_EQ(testkit::Eval("acos(-1/2)"), testkit::Eval("2π/3"));
  EXPECT_EQ(testkit::Eval("asin(-√(3)/2)"), testkit::Eval("-π/3"));
  EXPECT_EQ(testkit::Eval("atan(1/√(3))"), testkit::Eval("π/6"));
  EXPECT_EQ(testkit::Eval("acos(1/√(2))"), testkit::Eval("π/4"));
  EXPECT_EQ(testkit::Eval("atan(-1)"), testkit::Eval("-π/4"));
  EXPECT_EQ(testkit::Eval("acot(0)"), testkit::Eval("π/2"));
  EXPECT_EQ(testkit::Eval("asec(2)"), testkit::Eval("π/3"));
  EXPECT_EQ(testkit::Eval("acsc(-2)"), testkit::Eval("-π/6"));
  EXPECT_EQ(testkit::Eval("acos(-1)"), testkit::Eval("π"));
  // Not a value of the table: unchanged.
  EXPECT_EQ(testkit::Eval("asin(1/3)"), testkit::Eval("asin(1/3)"));
  EXPECT_NE(testkit::Eval("asin(1/3)").find("asin"), std::string::npos);
  Engine().angle_unit = 1;
  EXPECT_EQ(testkit::Eval("asin(1/2)"), "30");
  EXPECT_EQ(testkit::Eval("acos(-√(2)/2)"), "135");
}

// 0 to a fractional power is 0, or never finite when the power is negative.
TEST(ZeroPowers, FractionalPowersOfZero) {
  ScopedEngineState state;
  EXPECT_EQ(testkit::Eval("Eval(x^(1/2),x,0)"), "0");
  EXPECT_EQ(testkit::Eval("Eval(x^(-1/2),x,0)"), testkit::Eval("1/0"));
  EXPECT_EQ(testkit::Eval("Eval(x^(-2/3),x,0)"), testkit::Eval("1/0"));
}

// A radical that substitution makes equal to another one cancels with it.
TEST(EqualRadicals, CancelAfterSubstitution) {
  ScopedEngineState state;
  EXPECT_EQ(testkit::Eval("Eval(x^(3/2)-2√(2),x,2)"), "0");
  EXPECT_EQ(testkit::Eval("Eval(x^(5/2)-x^2*√(x),x,3)"), "0");
  EXPECT_EQ(testkit::Eval("Eval(1/√(x)-√(x)/x,x,5)"), "0");
}

TEST(ComplexFunctions, PrincipalBranchesAndPoles) {
  EXPECT_EQ(*EvaluateElementary(3, 0.5), std::complex<double>(std::asin(0.5), 0.0));
  std::complex<double> outside = *EvaluateElementary(3, 2.0);  // asin(2) is complex
  EXPECT_NEAR(outside.real(), M_PI / 2, 1e-12);
  EXPECT_NE(outside.imag(), 0.0);
  std::complex<double> log = *EvaluateElementary(25, -1.0);
  EXPECT_NEAR(log.imag(), M_PI, 1e-15);
  EXPECT_TRUE(std::isinf(EvaluateElementary(6, 0.0)->real()));   // csc(0)
  EXPECT_TRUE(std::isinf(EvaluateElementary(17, 1.0)->real()));  // atanh(1)
  EXPECT_EQ(*EvaluateElementary(28, std::complex<double>(3, 4)), std::complex<double>(0.6, 0.8));
  EXPECT_FALSE(EvaluateElementary(41, 1.0));
}

// Random sums, products, powers and functions of x and y, written twice: with
// the variables, and with the decimals 0.37 and -1.21 in their place.
struct Written {
  std::string symbolic;
  std::string decimal;
};

class ExpressionMaker {
 public:
  explicit ExpressionMaker(unsigned seed) : random_(seed) {}

  Written Make(int depth) {
    if (depth == 0 || Pick(4) == 0) return Leaf();
    Written a = Make(depth - 1);
    switch (Pick(7)) {
      case 0: return Join("(", a, "+", Make(depth - 1), ")");
      case 1: return Join("(", a, "-", Make(depth - 1), ")");
      case 2: return Join("(", a, "*", Make(depth - 1), ")");
      case 3: return Join("(", a, "/(", Make(depth - 1), "+3))");
      case 4: return Join("(", a, ")^" + std::to_string(Pick(4)), {}, "");
      case 5: {
        const char* functions[] = {"sin", "cos", "tan", "sec", "csc", "sinh", "cosh", "exp"};
        return Join(std::string(functions[Pick(8)]) + "(", a, ")", {}, "");
      }
      default: return Join("√(", a, "+5)", {}, "");
    }
  }

 private:
  static Written Join(const std::string& open, const Written& a, const std::string& middle,
                      const Written& b, const std::string& close) {
    return {open + a.symbolic + middle + b.symbolic + close,
            open + a.decimal + middle + b.decimal + close};
  }
  int Pick(std::size_t n) { return static_cast<int>(random_() % n); }
  Written Leaf() {
    static const Written leaves[] = {{"x", "(0.37)"},
                                     {"y", "(-1.21)"},
                                     {"2", "2"},
                                     {"3/4", "3/4"},
                                     {"-1", "-1"},
                                     {"π", "π"},
                                     {"x^2", "(0.37)^2"},
                                     {"2x", "2(0.37)"},
                                     {"-y", "-(-1.21)"},
                                     {"√(2)", "√(2)"},
                                     {"12", "12"},
                                     {"x^-1", "(0.37)^-1"},
                                     {"abs(y)", "abs(-1.21)"},
                                     {"ln(x+3)", "ln((0.37)+3)"},
                                     {"sin(π/6)", "sin(π/6)"},
                                     {"cos(-x)", "cos(-(0.37))"},
                                     {"x y", "(0.37)(-1.21)"}};
    return leaves[Pick(std::size(leaves))];
  }
  std::mt19937 random_;
};

std::complex<double> NumericValue(const ExprNode& node) {
  ExprNode approx = Approximate(node);
  if (!approx.IsEmpty()) return {NAN, NAN};
  const Number& n = approx.coefficient();
  if (!n.IsFinite()) return {NAN, NAN};
  return {n.RealValue(), n.ImagValue()};
}

TEST(SimplifierValues, SymbolicAndDecimalRoutesAgree) {
  ScopedEngineState state;
  ExpressionMaker maker(2024);
  Evaluator evaluator;
  int compared = 0;
  for (int i = 0; i < 3000; ++i) {
    Written written = maker.Make(4);
    const std::string& entry = written.symbolic;
    EvaluationResult symbolic =
        evaluator.Evaluate(chars::U16("Eval(" + entry + ",{x,y},{0.37,-1.21})"));
    const std::string& decimal_entry = written.decimal;
    EvaluationResult decimal = evaluator.Evaluate(chars::U16(decimal_entry));
    ASSERT_EQ(symbolic.ok, decimal.ok) << entry;
    if (!symbolic.ok) continue;
    std::complex<double> a = NumericValue(symbolic.value), b = NumericValue(decimal.value);
    // Huge intermediate values (cos of 1e24) make the two routes ill-conditioned.
    const bool huge = testkit::Dump(decimal.value).find("e+") != std::string::npos;
    if (huge || std::isnan(a.real()) || std::isnan(b.real()) || std::abs(b) > 1e8) continue;
    EXPECT_NEAR(std::abs(a - b), 0.0, 1e-7 * (1.0 + std::abs(b)))
        << entry << "\n  symbolic " << testkit::Dump(symbolic.value) << "\n  decimal "
        << testkit::Dump(decimal.value);
    ++compared;
  }
  EXPECT_GT(compared, 2000);
}

// A power that simplifies into a symbol term while it is approximated gets
// the decimal exponent that the term would have had if typed that way, so
// approximating twice changes nothing.
TEST(SimplifierValues, ApproximatedRootsOfProductsHaveDecimalExponents) {
  ScopedEngineState state;
  EvaluationResult r = Evaluator().Evaluate(chars::U16("sqrt(x*(2.08+π))/(x+y)"));
  ASSERT_TRUE(r.ok);
  ExprNode once = Approximate(r.value);
  EXPECT_EQ(Approximate(once), once) << testkit::Dump(once);
  EXPECT_EQ(testkit::Dump(once).find("x^1/2"), std::string::npos) << testkit::Dump(once);
}

// Integer powers of integers are exact in the number arithmetic; the
// approximation still answers a decimal.
TEST(SimplifierValues, ApproximatedPowersOfIntegersAreDecimals) {
  ScopedEngineState state;
  EvaluationResult r = Evaluator().Evaluate(chars::U16("(ln(ℯ)-6)^(-3)"));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(testkit::Dump(Approximate(r.value)), "-0.0080000000000000002");
}

}  // namespace
}  // namespace zentrix::engine

namespace zentrix::engine {
namespace {

// ℯ^(ⅈ·r·π) takes the exact value cos(rπ) + ⅈ·sin(rπ) wherever the exact
// table knows both, in either angle unit, and agrees with the decimal value.
TEST(SimplifierValues, ExponentialOfImaginaryMultiplesOfPi) {
  ScopedEngineState state;
  EXPECT_EQ(testkit::Eval("ℯ^(ⅈπ)"), "-1");
  EXPECT_EQ(testkit::Eval("ℯ^(ⅈ*π)"), "-1");
  EXPECT_EQ(testkit::Eval("exp(2ⅈπ)"), "1");
  EXPECT_EQ(testkit::Eval("ℯ^(ⅈπ/2)"), "0+1i");
  EXPECT_EQ(testkit::Eval("ℯ^(-3ⅈπ/2)"), "0+1i");
  EXPECT_EQ(testkit::Eval("2ℯ^(ⅈπ)"), "-2");
  // Other arguments keep their own rules.
  EXPECT_EQ(testkit::Eval("ℯ^∞"), "inf");
  EXPECT_EQ(testkit::Eval("exp(0)"), "1");
  Engine().angle_unit = 1;
  EXPECT_EQ(testkit::Eval("ℯ^(ⅈπ)"), "-1");
  Engine().angle_unit = 0;
  // No exact value: the power stays.
  EXPECT_EQ(testkit::Eval("ℯ^(ⅈπ/5)").rfind("exp(", 0), 0u);
  EXPECT_EQ(testkit::Eval("ℯ^(ⅈπx)").rfind("exp(", 0), 0u);
  for (int twelfth = -24; twelfth <= 24; ++twelfth) {
    const std::string entry = "ℯ^(" + std::to_string(twelfth) + "ⅈπ/12)";
    EvaluationResult r = Evaluator().Evaluate(chars::U16(entry));
    ASSERT_TRUE(r.ok) << entry;
    const std::complex<double> exact = NumericValue(Approximate(r.value));
    EXPECT_NEAR(std::abs(exact - std::polar(1.0, M_PI * twelfth / 12)), 0.0, 1e-12) << entry;
  }
}

}  // namespace
}  // namespace zentrix::engine
