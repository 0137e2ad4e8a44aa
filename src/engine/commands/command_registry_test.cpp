#include "engine/commands/command_registry.h"
#include "engine/commands/base/elementary_functions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "engine/commands/numeric/complex_functions.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

// The parameters of a help text's first form: "Name(a, b)" has two.
int FirstFormParameters(std::u16string_view help) {
  std::size_t open = help.find(u'(');
  std::size_t close = help.find(u')');
  if (open == std::u16string_view::npos || close == std::u16string_view::npos) return -1;
  std::u16string_view inside = help.substr(open + 1, close - open - 1);
  if (inside.empty()) return 0;
  return 1 + static_cast<int>(std::count(inside.begin(), inside.end(), u','));
}

TEST(CommandRegistryTest, EveryIdHasExactlyOneRowAndOneEntry) {
  const std::set<int> unused = {35, 36, 37, 38, 45, 104};
  std::set<int> seen;
  int previous = -1;
  for (const CommandRow& row : CommandRows()) {
    EXPECT_GT(row.id, previous) << "rows out of id order at " << row.id;
    previous = row.id;
    EXPECT_TRUE(seen.insert(row.id).second) << "two rows for id " << row.id;
    EXPECT_EQ(FindCommandRow(row.id), &row);
  }
  for (int id = 0; id < kCommandIdLimit; ++id) {
    EXPECT_EQ(seen.count(id), unused.count(id) ? 0u : 1u) << "id " << id;
  }
  ASSERT_EQ(CommandEntries().size(), CommandRows().size());
  for (std::size_t i = 0; i < CommandRows().size(); ++i) {
    EXPECT_EQ(CommandEntries()[i].id, CommandRows()[i].id);
  }
}

TEST(CommandRegistryTest, NameTableIsSortedForTheParsersLookUp) {
  std::span<const CommandRow> by_name = CommandRowsByName();
  for (std::size_t i = 1; i < by_name.size(); ++i) {
    EXPECT_LT(by_name[i - 1].name, by_name[i].name) << "at position " << i;
  }
  for (const CommandRow& row : CommandRows()) {
    if (row.name.empty()) continue;
    EXPECT_EQ(FindCommandId(row.name), row.id);
  }
  EXPECT_EQ(FindCommandId(u"Sine"), -1);
  EXPECT_EQ(FindCommandId(u"solve"), -1);
}

TEST(CommandRegistryTest, HelpTextsAgreeWithDefaultCounts) {
  for (const CommandRow& row : CommandRows()) {
    if (row.help_text.empty() || row.default_argument_count == 0) continue;
    // StudentTPdf takes (x, df), but its help text is the table's fixed one.
    if (row.id == command_id::kStudentTPdf) continue;
    EXPECT_EQ(FirstFormParameters(row.help_text), row.default_argument_count) << "id " << row.id;
  }
  const CommandRow* student = FindCommandRow(command_id::kStudentTPdf);
  EXPECT_EQ(student->help_text, u"StudentTPdf(p)");
  EXPECT_EQ(student->default_argument_count, 2);
}

TEST(CommandRegistryTest, EveryAlgorithmIsReachedThroughARule) {
  for (const CommandEntry& entry : CommandEntries()) {
    if (entry.algorithm != nullptr) {
      EXPECT_NE(entry.rule, nullptr) << "id " << entry.id;
    }
    const CommandRow* row = FindCommandRow(entry.id);
    // Every named command but the evaluator's own functions has a rule.
    if (entry.rule == nullptr) {
      EXPECT_TRUE(row->name.empty() || entry.id <= command_id::kSqrt ||
                  entry.id == command_id::kRe || entry.id == command_id::kIm ||
                  entry.id == command_id::kExp || entry.id == command_id::kClear ||
                  entry.id == command_id::kDSolve)
          << "id " << entry.id;
    }
  }
}

TEST(CommandRegistryTest, TheEvaluatorsOwnStepsAreTheElementaryFunctionsMarksAndClear) {
  for (const CommandEntry& entry : CommandEntries()) {
    const bool own_step = entry.step != EvaluatorStep::kRule;
    EXPECT_EQ(own_step, entry.rule == nullptr) << "id " << entry.id;
    const bool elementary = entry.step == EvaluatorStep::kElementary ||
                            entry.step == EvaluatorStep::kArctangent ||
                            entry.step == EvaluatorStep::kSquareRoot;
    EXPECT_EQ(elementary, IsElementaryFunctionId(entry.id)) << "id " << entry.id;
  }
  EXPECT_EQ(StepOf(command_id::kAtan), EvaluatorStep::kArctangent);
  EXPECT_EQ(StepOf(command_id::kSqrt), EvaluatorStep::kSquareRoot);
  EXPECT_EQ(StepOf(command_id::kClear), EvaluatorStep::kClearName);
  EXPECT_EQ(StepOf(command_id::kDSolve), EvaluatorStep::kSkipped);
  for (int mark : {command_id::kDegreeMark, command_id::kMinuteMark, command_id::kSecondMark}) {
    EXPECT_EQ(StepOf(mark), EvaluatorStep::kAngleMark);
  }
}

// A distribution's function takes as many arguments as its row's default
// count, and only the distribution rows have one.
TEST(CommandRegistryTest, DistributionArityIsTheDefaultCount) {
  int distributions = 0;
  for (const CommandEntry& entry : CommandEntries()) {
    if (entry.distribution.evaluate == nullptr) continue;
    ++distributions;
    EXPECT_EQ(entry.distribution.arity, FindCommandRow(entry.id)->default_argument_count)
        << "id " << entry.id;
    EXPECT_GE(entry.id, command_id::kNormalPdf);
    EXPECT_LE(entry.id, command_id::kGeoCdf);
  }
  EXPECT_EQ(distributions, 15);
  const double args[] = {0.5, 3};
  EXPECT_EQ(EvaluateDistribution(command_id::kGeoCdf, args).value, 0.875);
  EXPECT_EQ(EvaluateDistribution(command_id::kSum, args).error_code, kWrongArgumentsCode);
}

// atan(a, b) is the arctangent of a over b; atan2(a, b) the angle of the
// point (a, b), that is the arctangent of b over a.
TEST(CommandRegistryTest, TwoArgumentArctangentsTakeTheirOwnArgumentOrders) {
  ScopedEngineState state;
  EXPECT_EQ(testkit::Eval("atan(1,0)"), "1.5707963267948966");
  EXPECT_EQ(testkit::Eval("atan2(1,0)"), "0");
  EXPECT_EQ(testkit::Eval("atan2(0,1)"), "1.5707963267948966");
  Engine().angle_unit = 1;
  EXPECT_EQ(testkit::Eval("atan2(1,1)"), "45");
  EXPECT_EQ(testkit::Eval("atan(-1,0)"), "-90");
  EXPECT_EQ(testkit::Eval("atan2(-1,0)"), "180");
}

}  // namespace
}  // namespace zentrix::engine
