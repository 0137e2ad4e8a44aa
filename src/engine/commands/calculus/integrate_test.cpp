#include "engine/commands/calculus/integrate.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/commands/calculus/derivative.h"
#include "engine/commands/testing/calculus_test_support.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using calculus_testing::Close;
using calculus_testing::RealAt;
using calculus_testing::Tree;
using testkit::Dump;

class IntegrateTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

#define EXPECT_SAME(entry, expected) EXPECT_EQ(Dump(Tree(entry)), Dump(Tree(expected))) << (entry)

TEST_F(IntegrateTest, ClosedForms) {
  EXPECT_SAME("Integrate(x^2,x)", "x^3/3");
  EXPECT_SAME("Integrate(1/x,x)", "ln(x)");
  EXPECT_SAME("Integrate(sin(3x+1),x)", "-cos(3x+1)/3");
  EXPECT_SAME("Integrate(x*ℯ^(x^2),x)", "ℯ^(x^2)/2");
  EXPECT_SAME("Integrate(y,x)", "x*y");
  EXPECT_SAME("Integrate(x^2+3,x)", "x^3/3+3x");
  EXPECT_SAME("Integrate(1/(x^2+4),x)", "atan(x/2)/2");
  EXPECT_SAME("Integrate((1-x^2)^(-1/2),x)", "asin(x)");
  EXPECT_SAME("Integrate(x*(x^2+1)^5,x)", "(x^2+1)^6/12");
  EXPECT_SAME("Integrate(x*sin(x),x)", "sin(x)-x*cos(x)");
  EXPECT_SAME("Integrate(sin(x)^2,x)", "x/2-sin(2x)/4");
}

TEST_F(IntegrateTest, WithoutRuleStaysUnevaluated) {
  for (const char* f : {"Integrate(abs(x),x)", "Integrate(x/(x+1),x)", "Integrate(ℯ^(x^2),x)",
                        "Integrate(sin(x^2),x)", "Integrate(x,x,1,∞)", "Integrate(ℯ^(x^2),x,0,1)",
                        // Poles between the limits where the integral diverges with both
                        // signs: F(b) − F(a) would be wrong.
                        "Integrate(1/(x-1/3),x,0,1)", "Integrate(tan(x),x,0,2)",
                        "Integrate(1/x+1,x,-1,2)", "Integrate(1/(x^2-1),x,0,2)"}) {
    ExprNode r = Tree(f);
    EXPECT_TRUE(r.IsFunction(command_id::kIntegrate)) << f << " gave " << Dump(r);
  }
}

TEST_F(IntegrateTest, Definite) {
  EXPECT_SAME("Integrate(x^2,x,0,3)", "9");
  EXPECT_SAME("Integrate(x^3*ℯ^(-x),x,0,∞)", "6");
  EXPECT_SAME("Integrate(ℯ^(-x),x,0,∞)", "1");
  EXPECT_SAME("Integrate(5*x^2*ℯ^(-x),x,0,∞)", "10");
  EXPECT_SAME("Integrate(5,x,1,3)", "10");
  EXPECT_SAME("Integrate(0,x,0,∞)", "0");
  EXPECT_SAME("Integrate(sin(x),x,0,π)", "2");
  EXPECT_SAME("Integrate(x,x,0,y)", "y^2/2");
  EXPECT_SAME("Integrate(x^2,0,3)", "9");
  EXPECT_SAME("Integrate(1/x^2,x,1,2)", "1/2");
}

// Where the antiderivative is undefined at a limit its one-sided limit counts;
// a pole inside the range splits it, and a divergence of one sign is that
// infinity.
TEST_F(IntegrateTest, DefiniteAtUndefinedEndsAndAcrossPoles) {
  EXPECT_SAME("Integrate(ln(x),x,0,1)", "-1");
  EXPECT_SAME("Integrate(ln(x),x,0,2)", "2ln(2)-2");
  EXPECT_SAME("Integrate(x*ln(x),x,0,1)", "-1/4");
  EXPECT_SAME("Integrate(1/√(x),x,0,1)", "2");
  EXPECT_SAME("Integrate(1/x^2+1,x,-1,1)", "∞");
  EXPECT_SAME("Integrate(sec(x)^2,x,0,2)", "∞");
  EXPECT_SAME("Integrate(csc(x)^2,x,1,4)", "∞");
  EXPECT_SAME("Integrate(1/x,x,0,1)", "∞");
  EXPECT_SAME("Integrate(-1/x^2,x,-1,1)", "-∞");
  EXPECT_SAME("Integrate(1/x^2,x,1,-1)", "-∞");
  EXPECT_SAME("Integrate(1/(x-2)^2,x,0,3)", "∞");
  // Pieces between two poles run from −∞ to ∞.
  EXPECT_SAME("Integrate(sec(x)^2,x,0,5)", "∞");
  EXPECT_SAME("Integrate(-csc(x)^2,x,1,10)", "-∞");
  // Poles outside the range change nothing.
  EXPECT_SAME("Integrate(sec(x)^2,x,0,1)", "tan(1)");
  EXPECT_SAME("Integrate(1/x^2,x,1,2)", "1/2");
}

// The rules integrate in radians; in degrees the value of F(b) − F(a) stays.
TEST_F(IntegrateTest, DefiniteInDegreesKeepsTheRuleValue) {
  Engine().angle_unit = 1;
  EXPECT_SAME("Integrate(sec(x)^2,x,0,60)", "√(3)");
  EXPECT_SAME("Integrate(sec(x)^2,x,0,120)", "∞");
}

// For the integrands of every rule, the derivative of the antiderivative is
// the integrand again (symbolically differentiated where D has rules for the
// result, by central differences otherwise).
struct RuleCase {
  const char* integrand;
  std::vector<double> points;
};

void CheckAntiderivative(const RuleCase& c) {
  ExprNode f = Tree(c.integrand);
  std::optional<ExprNode> F = Antiderivative(f, u"x");
  ASSERT_TRUE(F.has_value()) << c.integrand << " has no antiderivative";
  std::optional<ExprNode> dF = Differentiate(*F, u"x");
  for (double t : c.points) {
    std::optional<double> expected = RealAt(f, t);
    ASSERT_TRUE(expected.has_value()) << c.integrand << " at " << t;
    double actual = 0;
    std::optional<double> symbolic = dF ? RealAt(*dF, t) : std::nullopt;
    if (symbolic) {
      actual = *symbolic;
    } else {
      const double h = 1e-6;
      std::optional<double> up = RealAt(*F, t + h);
      std::optional<double> down = RealAt(*F, t - h);
      ASSERT_TRUE(up && down) << c.integrand << ": " << Dump(*F) << " at " << t;
      actual = (*up - *down) / (2 * h);
    }
    EXPECT_TRUE(Close(actual, *expected, dF ? 1e-9 : 1e-6))
        << c.integrand << " at " << t << ": " << actual << " vs " << *expected
        << "\n antiderivative " << Dump(*F);
  }
}

const std::vector<double> kUnit{0.3, 0.55, 0.8};
const std::vector<double> kAboveOne{1.3, 1.7, 2.4};
const std::vector<double> kAboveTwo{2.3, 3.1};

TEST_F(IntegrateTest, SumsAndPowersOfX) {
  for (const RuleCase& c : {RuleCase{"x^2+3x-1/x", {0.5, 1.5}}, RuleCase{"sqrt(x)+x^(-3)", kUnit},
                            RuleCase{"7", kUnit}, RuleCase{"π*x^(2/3)", kUnit}}) {
    CheckAntiderivative(c);
  }
}

TEST_F(IntegrateTest, TableOverLinearArguments) {
  const RuleCase cases[] = {
      {"sin(3x+1)", kUnit},       {"cos(2x)", kUnit},        {"tan(x/2)", kUnit},
      {"csc(2x)", kUnit},         {"sec(x+1/2)", kUnit},     {"cot(3x)", kUnit},
      {"sinh(2x)", kUnit},        {"cosh(x-1)", kUnit},      {"tanh(3x)", kUnit},
      {"csch(2x)", kUnit},        {"sech(x)", kUnit},        {"coth(x)", kUnit},
      {"asin(x/2)", kUnit},       {"acos(x)", kUnit},        {"atan(2x)", kUnit},
      {"acot(x+1)", kUnit},       {"asec(2x)", kAboveOne},   {"acsc(x)", kAboveOne},
      {"asinh(3x)", kUnit},       {"acosh(x)", kAboveOne},   {"atanh(x)", kUnit},
      {"acoth(x)", kAboveOne},    {"asech(x)", kUnit},       {"acsch(2x)", kUnit},
      {"acsch(x)", {-0.4, -1.3}}, {"asec(x)", {-1.5, -2.5}}, {"ln(2x+1)", kUnit},
      {"log10(x)", kUnit},        {"ℯ^(3x-1)", kUnit},       {"2^x", kUnit},
      {"3^(2x+1)", kUnit}};
  for (const RuleCase& c : cases) CheckAntiderivative(c);
}

TEST_F(IntegrateTest, ProductPatterns) {
  const RuleCase cases[] = {// (ii) a power of u times a multiple of u'.
                            {"x*(x^2+1)^5", kUnit},
                            {"x/(x^2+1)", kUnit},
                            {"ln(x)/x", kUnit},
                            {"x*(x^2+1)^(-1/2)", kUnit},
                            {"(2x+2)*(x^2+2x+3)^4", kUnit},
                            {"cos(x)*sin(x)^(5/2)", kUnit},
                            // (iii) u'·f(u).
                            {"x*ℯ^(x^2)", kUnit},
                            {"x*sin(x^2)", kUnit},
                            {"cos(x)*ℯ^(sin(x))", kUnit},
                            {"x^2*cos(x^3)", kUnit},
                            {"x*2^(x^2)", kUnit},
                            {"ℯ^x*sec(ℯ^x)", kUnit},
                            // (iv) integration by parts.
                            {"x*sin(x)", kUnit},
                            {"x^2*ℯ^(2x)", kUnit},
                            {"x^3*cos(2x+1)", kUnit},
                            {"x*cosh(x)", kUnit},
                            {"x^4*sinh(x/2)", kUnit},
                            {"x^2*ln(x)", kUnit},
                            {"sqrt(x)*ln(3x)", kUnit},
                            {"x*log10(x)", kUnit},
                            // (v) exponential times sine or cosine, two waves.
                            {"ℯ^x*sin(x)", kUnit},
                            {"ℯ^(2x)*cos(3x+1)", kUnit},
                            {"sin(x)*cos(2x)", kUnit},
                            {"cos(x)*cos(3x)", kUnit},
                            {"sin(2x)*sin(5x)", kUnit},
                            {"sin(x)*cos(x)", kUnit},
                            // (vi) powers of trigonometric functions.
                            {"sin(x)^3*cos(x)^2", kUnit},
                            {"sin(x)^2*cos(x)^3", kUnit},
                            {"sin(x)^2*cos(x)^2", kUnit},
                            {"sin(x)^4", kUnit},
                            {"cos(2x)^3", kUnit},
                            {"sin(3x)^5", kUnit},
                            {"tan(x)^3", kUnit},
                            {"tan(x)^4", kUnit},
                            {"sec(x)^3", kUnit},
                            {"sec(x)^4", kUnit},
                            {"tan(x)^2*sec(x)^4", kUnit},
                            {"tan(x)^3*sec(x)^3", kUnit},
                            {"tan(x)^2*sec(x)", kUnit},
                            {"cot(x)^3", kUnit},
                            {"csc(x)^3", kUnit},
                            {"cot(x)^2*csc(x)^4", kUnit},
                            {"cot(x)^3*csc(x)", kUnit},
                            {"cot(x)^2*csc(x)^3", kUnit},
                            {"sin(x)^2/cos(x)^3", kUnit}};
  for (const RuleCase& c : cases) CheckAntiderivative(c);
}

TEST_F(IntegrateTest, PowersOfSums) {
  const RuleCase cases[] = {{"(2x+1)^5", kUnit},
                            {"(3x-1)^(-1)", kUnit},
                            {"(x+2)^(-1/2)", kUnit},
                            {"(2x+1)^π", kUnit},
                            {"1/(x^2+4)", kUnit},
                            {"1/(4-x^2)", kUnit},
                            {"1/(x^2-4)", kUnit},
                            {"1/(-x^2-4)", kUnit},
                            {"1/(3x^2+2)", kUnit},
                            {"(x^2+4)^(-1/2)", kUnit},
                            {"(x^2-4)^(-1/2)", kAboveTwo},
                            {"(4-x^2)^(-1/2)", kUnit},
                            {"(2x^2-3)^(-1/2)", kAboveTwo},
                            {"ℯ^(x)^3", kUnit},
                            // Tried again after expansion.
                            {"(x+1)^2*x", kUnit},
                            {"(x^2+1)^2", kUnit},
                            {"(sin(x)+x)*x", kUnit}};
  for (const RuleCase& c : cases) CheckAntiderivative(c);
  // The root of a negative quadratic is imaginary everywhere: no rule.
  EXPECT_TRUE(Tree("Integrate((-x^2-1)^(-1/2),x)").IsFunction(command_id::kIntegrate));
}

TEST_F(IntegrateTest, ListsElementWise) { EXPECT_SAME("Integrate({x,1},x)", "{x^2/2,x}"); }

}  // namespace
}  // namespace zentrix::engine
