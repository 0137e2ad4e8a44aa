// Numeric agreement on random expressions (fixed seeds; a failure names the
// seed, the case, the entry text and the point): the evaluated tree, and its
// Expand, Factor and Together, take the value that a direct binary64
// evaluation of the typed expression gives, at random points where that value
// is real and well-conditioned.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>

#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/testing/random_expression_test_support.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using testkit::Dump;
using testkit::EntryUtf8;
using testkit::ExpressionGenerator;
using testkit::GeneratorOptions;
using testkit::GenNode;
using testkit::Point;

using Transform = std::function<ExprNode(const ExprNode&)>;

// The tolerance: a correct route to the value differs from the reference by
// rounding errors bounded by a small multiple of the magnitude bound.
constexpr double kTolerance = 1e-8;
constexpr int kPointsPerCase = 3;

std::string Format(double v) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}

class AlgebraPropertyTest : public ::testing::Test {
 protected:
  // Checks `transform(evaluated entry)` against the reference at a few
  // points; answers the number of points compared.
  int CheckCase(std::uint64_t seed, int index, const GenNode& g, const std::u16string& variables,
                const char* what, const Transform& transform, std::mt19937_64& random) {
    // Overflowed results are reported as an overflow, not shown: no value to compare.
    std::optional<ExprNode> value = testkit::EvaluateFinite(testkit::EntryText(g));
    if (!value) return 0;
    ExprNode transformed = transform(*value);
    int compared = 0;
    for (int p = 0; p < kPointsPerCase; ++p) {
      Point point = testkit::RandomPoint(random, variables);
      testkit::ReferenceValue expected = testkit::Reference(g, point);
      if (!expected.defined) continue;
      std::optional<testkit::EngineValue> got = testkit::EngineValueAt(transformed, point);
      const double tolerance = kTolerance * std::max(expected.magnitude, 1e-3);
      EXPECT_TRUE(got && std::fabs(got->real - expected.value) <= tolerance &&
                  std::fabs(got->imaginary) <= tolerance)
          << what << ", seed " << seed << " case " << index << ": " << EntryUtf8(g) << "\n at "
          << testkit::PointText(point) << ": expected " << expected.value << " (magnitude "
          << expected.magnitude << "), got "
          << (got ? Format(got->real) + " + " + Format(got->imaginary) + "i"
                  : std::string("no number"))
          << "\n tree: " << Dump(transformed);
      if (::testing::Test::HasFailure()) return -1;
      ++compared;
    }
    return compared;
  }

  // Runs `cases` generated expressions through one transform.
  void Run(std::uint64_t fixed_seed, const GeneratorOptions& options, const char* what,
           const Transform& transform, int cases, int minimum_points) {
    const std::uint64_t seed = testkit::PropertySeed(fixed_seed);
    cases = testkit::ScaledCases(cases);
    ExpressionGenerator generator(seed, options);
    int compared = 0;
    for (int i = 0; i < cases; ++i) {
      GenNode g = generator.Next();
      int n = CheckCase(seed, i, g, options.variables, what, transform, generator.random());
      if (n < 0) return;
      compared += n;
    }
    EXPECT_GE(compared, minimum_points) << what << ": too few points were comparable";
  }

  ScopedEngineState state_;
};

ExprNode Same(const ExprNode& f) { return f; }

TEST_F(AlgebraPropertyTest, EvaluatedEntriesKeepTheirValue) {
  GeneratorOptions options;
  options.symbolic_exponents = true;
  Run(0x5eed0101, options, "evaluate", Same, 4000, 4000);
}

TEST_F(AlgebraPropertyTest, ExpandKeepsTheValue) {
  GeneratorOptions options;
  options.variables = u"xy";
  Run(
      0x5eed0102, options, "Expand", [](const ExprNode& f) { return Expand(f); }, 3000, 3000);
}

// Factor and Together are meant for rational functions: polynomials in x and
// quotients of them with exact coefficients.
GeneratorOptions RationalOptions() {
  GeneratorOptions options;
  options.variables = u"x";
  options.decimals = false;
  options.constants = false;
  options.functions = false;
  options.fractional_exponents = false;
  options.max_exponent = 3;
  return options;
}

TEST_F(AlgebraPropertyTest, FactorKeepsTheValue) {
  GeneratorOptions options = RationalOptions();
  Run(
      0x5eed0103, options, "Factor", [](const ExprNode& f) { return Factor(f); }, 1500, 1500);
  options.division = false;
  options.negative_exponents = false;
  Run(
      0x5eed0104, options, "Factor of a polynomial",
      [](const ExprNode& f) { return Factor(Expand(f)); }, 1500, 1500);
}

TEST_F(AlgebraPropertyTest, TogetherKeepsTheValue) {
  Run(
      0x5eed0105, RationalOptions(), "Together", [](const ExprNode& f) { return Together(f); },
      1500, 1500);
}

}  // namespace
}  // namespace zentrix::engine
