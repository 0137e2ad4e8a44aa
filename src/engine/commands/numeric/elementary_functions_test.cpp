// The facts of the elementary-function table agree with each other and with
// the numeric column: a wrong word in one block would otherwise only show as
// a wrong simplification, limit or solution much later.

#include "engine/commands/base/elementary_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "engine/commands/numeric/complex_functions.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

std::vector<const ElementaryFacts*> AllFacts() {
  std::vector<const ElementaryFacts*> all;
  for (int id = 0; id < kCommandIdLimit; ++id) {
    if (const ElementaryFacts* facts = FindElementaryFacts(id)) all.push_back(facts);
  }
  return all;
}

Complex Value(int id, Complex z) { return EvaluateElementary(id, z).value(); }

// Points inside every function's real domain where no function has a pole.
constexpr double kPoints[] = {0.3, 0.7, 0.85};

TEST(ElementaryFunctionsTest, EveryFunctionHasANamedRowAndANumericValue) {
  const std::vector<const ElementaryFacts*> all = AllFacts();
  EXPECT_EQ(all.size(), 36u);
  for (const ElementaryFacts* facts : all) {
    EXPECT_FALSE(CommandName(facts->id).empty()) << facts->id;
    EXPECT_TRUE(EvaluateElementary(facts->id, Complex(0.5, 0.25)).has_value()) << facts->id;
  }
  EXPECT_FALSE(IsElementaryFunctionId(command_id::kD));
  EXPECT_FALSE(EvaluateElementary(command_id::kD, Complex(1.0)).has_value());
  EXPECT_FALSE(IsElementaryFunctionId(-1));
  EXPECT_FALSE(IsElementaryFunctionId(kCommandIdLimit));
}

TEST(ElementaryFunctionsTest, InversesPairUpAndUndoEachOther) {
  for (const ElementaryFacts* facts : AllFacts()) {
    const FunctionFamily family = facts->family;
    const bool forward =
        family == FunctionFamily::kCircular || family == FunctionFamily::kHyperbolic;
    const bool inverse =
        family == FunctionFamily::kInverseCircular || family == FunctionFamily::kInverseHyperbolic;
    if (!forward && !inverse) {
      EXPECT_EQ(facts->inverse, kNoFunction) << facts->id;
      continue;
    }
    const ElementaryFacts* other = FindElementaryFacts(facts->inverse);
    ASSERT_NE(other, nullptr) << facts->id;
    EXPECT_EQ(other->inverse, facts->id);
    EXPECT_EQ(facts->undo, forward ? FunctionUndo::kByInverse : FunctionUndo::kByForward);
    if (!forward) continue;
    // g(f(x)) = x for x between 0 and π/2, inside every inverse's principal range.
    for (double x : kPoints) {
      const Complex back = Value(other->id, Value(facts->id, Complex(x)));
      EXPECT_NEAR(std::abs(back - x), 0.0, 1e-12) << facts->id << " at " << x;
    }
  }
}

TEST(ElementaryFunctionsTest, ReciprocalsAndQuotientsAgreeWithTheValues) {
  for (const ElementaryFacts* facts : AllFacts()) {
    for (double x : kPoints) {
      const Complex f = Value(facts->id, Complex(x));
      if (facts->reciprocal != kNoFunction) {
        EXPECT_EQ(FindElementaryFacts(facts->reciprocal)->reciprocal, facts->id);
        EXPECT_NEAR(std::abs(f * Value(facts->reciprocal, Complex(x)) - 1.0), 0.0, 1e-12)
            << facts->id;
      }
      if (facts->quotient_denominator != kNoFunction) {
        const Complex numerator = facts->quotient_numerator == kNoFunction
                                      ? Complex(1.0)
                                      : Value(facts->quotient_numerator, Complex(x));
        const Complex q = numerator / Value(facts->quotient_denominator, Complex(x));
        EXPECT_NEAR(std::abs(f - q), 0.0, 1e-12) << facts->id << " at " << x;
      } else {
        EXPECT_EQ(facts->quotient_numerator, kNoFunction) << facts->id;
      }
    }
  }
}

// The limit words against the values far out; the unknown ones are skipped.
TEST(ElementaryFunctionsTest, LimitsAtInfinityMatchTheValuesFarOut) {
  const double pi = std::acos(-1.0);
  for (const ElementaryFacts* facts : AllFacts()) {
    for (int sign : {1, -1}) {
      const ValueAtInfinity limit =
          sign > 0 ? facts->limit_at_plus_infinity : facts->limit_at_minus_infinity;
      const double far = sign * 1e12 + 0.25;
      const double v = Value(facts->id, Complex(far)).real();
      switch (limit) {
        case ValueAtInfinity::kPlusInfinity: EXPECT_GT(v, 10.0) << facts->id; break;
        case ValueAtInfinity::kMinusInfinity: EXPECT_LT(v, -10.0) << facts->id; break;
        case ValueAtInfinity::kZero: EXPECT_NEAR(v, 0.0, 1e-5) << facts->id; break;
        case ValueAtInfinity::kOne: EXPECT_NEAR(v, 1.0, 1e-5) << facts->id; break;
        case ValueAtInfinity::kMinusOne: EXPECT_NEAR(v, -1.0, 1e-5) << facts->id; break;
        case ValueAtInfinity::kHalfPi: EXPECT_NEAR(v, pi / 2, 1e-5) << facts->id; break;
        case ValueAtInfinity::kMinusHalfPi: EXPECT_NEAR(v, -pi / 2, 1e-5) << facts->id; break;
        case ValueAtInfinity::kUnitInterval: EXPECT_LE(std::fabs(v), 1.0) << facts->id; break;
        default: break;
      }
    }
  }
}

// A pole word names where the value blows up.
TEST(ElementaryFunctionsTest, PolesLieWhereTheyAreNamed) {
  const double pi = std::acos(-1.0);
  for (const ElementaryFacts* facts : AllFacts()) {
    double near = 0;
    switch (facts->poles) {
      case FunctionPoles::kCosineZeros: near = pi / 2 + 1e-9; break;
      case FunctionPoles::kSineZeros: near = pi + 1e-9; break;
      case FunctionPoles::kArgumentZero: near = 1e-300; break;
      case FunctionPoles::kNone: continue;
    }
    EXPECT_GT(std::abs(Value(facts->id, Complex(near))), 100.0) << facts->id;
  }
}

}  // namespace
}  // namespace zentrix::engine
