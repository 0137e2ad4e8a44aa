// The entry-text form of results reads back (fixed seeds; a failure names the
// seed, the case, the entry and the printed text): the linear text of an
// evaluated result, parsed and evaluated again, gives the same tree. This is
// the form the terminal calculator writes with --format input.

#include <gtest/gtest.h>

#include <cstdint>

#include "engine/commands/entry_pipeline.h"
#include "engine/commands/testing/random_expression_test_support.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"
#include "engine/core/linear_text.h"
#include "engine/core/variable_store.h"

namespace zentrix::engine {
namespace {

using testkit::Dump;
using testkit::EntryUtf8;
using testkit::ExpressionGenerator;
using testkit::GeneratorOptions;
using testkit::GenNode;

class PrinterRoundTripPropertyTest : public ::testing::Test {
 protected:
  void Run(std::uint64_t fixed_seed, const LinearTextOptions& text_options, int cases) {
    const std::uint64_t seed = testkit::PropertySeed(fixed_seed);
    cases = testkit::ScaledCases(cases);
    GeneratorOptions options;
    options.symbolic_exponents = true;
    options.rounding_functions = true;
    ExpressionGenerator generator(seed, options);
    int checked = 0;
    for (int i = 0; i < cases; ++i) {
      GenNode g = generator.Next();
      std::optional<ExprNode> value = testkit::EvaluateFinite(testkit::EntryText(g));
      // Intervals (sin(∞), say) have no entry syntax; they print as a list.
      if (!value || testkit::ContainsInterval(*value)) continue;
      std::u16string text = LinearText(*value, text_options);
      std::optional<ExprNode> again = testkit::EvaluateText(text);
      ++checked;
      ASSERT_TRUE(again && *again == *value)
          << "seed " << seed << " case " << i << ": " << EntryUtf8(g)
          << "\n result: " << Dump(*value) << "\n text:   " << chars::ToUtf8(text)
          << "\n reads:  " << (again ? Dump(*again) : std::string("(fails)"));
    }
    EXPECT_GT(checked, cases * 4 / 5);
  }

  ScopedEngineState state_;
};

TEST_F(PrinterRoundTripPropertyTest, InputFormReadsBackToTheSameTree) {
  Run(0x5eed0201, {.exact_numbers = true, .power_marks = false}, 4000);
}

TEST_F(PrinterRoundTripPropertyTest, InputFormWithPowerMarksReadsBack) {
  Run(0x5eed0202, {.exact_numbers = true, .power_marks = true}, 2000);
}

// What the terminal calculator prints is the shown answer of a solved entry;
// that text solved again shows the same answer, in Fraction mode and (after
// the numeric approximation) in Decimal mode. Smart Solve is off: it expands
// or approximates an answer when the entry needed no exact rewrite, which the
// printed text of an answer often does not, so a second Solve may show the
// expanded or decimal form by design.
void CheckShownAnswers(std::uint64_t fixed_seed, NumberMode mode, int cases) {
  const std::uint64_t seed = testkit::PropertySeed(fixed_seed);
  cases = testkit::ScaledCases(cases);
  ExpressionGenerator generator(seed, GeneratorOptions{});
  EntrySettings settings;
  settings.smart_solve = false;
  settings.number_mode = mode;
  int checked = 0;
  for (int i = 0; i < cases; ++i) {
    GenNode g = generator.Next();
    VariableStore store;
    EntryAnswer first = SolveEntry(testkit::EntryText(g), store, settings);
    if (first.kind != EntryAnswer::Kind::kResult || !first.shown ||
        testkit::ContainsInterval(*first.shown)) {
      continue;
    }
    std::u16string text = LinearText(*first.shown, {.exact_numbers = true, .power_marks = false});
    EntryAnswer second = SolveEntry(text, store, settings);
    ++checked;
    ASSERT_TRUE(second.kind == EntryAnswer::Kind::kResult && second.shown &&
                *second.shown == *first.shown)
        << "seed " << seed << " case " << i << ": " << EntryUtf8(g)
        << "\n shown: " << Dump(*first.shown) << "\n text:  " << chars::ToUtf8(text)
        << "\n again: " << (second.shown ? Dump(*second.shown) : std::string("(none)"));
  }
  EXPECT_GT(checked, cases * 4 / 5);
}

TEST_F(PrinterRoundTripPropertyTest, ShownAnswersReadBack) {
  CheckShownAnswers(0x5eed0203, NumberMode::kFraction, 1500);
  CheckShownAnswers(0x5eed0204, NumberMode::kDecimal, 1500);
}

// Results whose first input text read back as another tree: powers of the
// symbol ℯ (ℯ^k reads as exp(k)), 1/√n of a number (√n is reduced first), a
// product -1·(sum)·f (the leading minus went into the sum), an imaginary
// exponent (y^-0.4ⅈ read as (y^-0.4)·ⅈ) and exact imaginary fractions (3ⅈ/2
// multiplied 3ⅈ by 1/2 in decimals).
TEST_F(PrinterRoundTripPropertyTest, FormerlyUnreadableResultsReadBack) {
  for (const char* entry :
       {"ℯ*ℯ", "((ℯ*y)*(z-x))^(-4)/z", "(ℯ*ℯ)^(1/3)", "2*(ℯ*ℯ*ℯ*x)^(0.75)", "(-7)^(-1/2)*(ℯ+1)",
        "(y-5/4-y-tanh(π))*(-sec(y/z))", "(y*2.96)^((-8/3)^(-1/2))", "sqrt(tanh(x))/(-9)^(1/2)",
        "1/2+3/(2*sqrt(-1))", "((-ℯ)^3)^((-1/2/3.94)^(2/3))"}) {
    std::optional<ExprNode> value = testkit::EvaluateText(chars::U16(entry));
    ASSERT_TRUE(value) << entry;
    std::u16string text = LinearText(*value, {.exact_numbers = true, .power_marks = false});
    std::optional<ExprNode> again = testkit::EvaluateText(text);
    EXPECT_TRUE(again && *again == *value)
        << entry << "\n result: " << Dump(*value) << "\n text:   " << chars::ToUtf8(text)
        << "\n reads:  " << (again ? Dump(*again) : std::string("(fails)"));
  }
}

}  // namespace
}  // namespace zentrix::engine
