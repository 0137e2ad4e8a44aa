// The limits that end an entry with a message instead of a crash, a hang or
// exhausted memory: the work budget, the recursion depth of every walk, and
// the size of what an entry may build.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/entry_pipeline.h"
#include "engine/commands/evaluator.h"
#include "engine/core/charset.h"
#include "engine/core/engine_state.h"
#include "engine/core/linear_text.h"

namespace zentrix::engine {
namespace {

constexpr char kTooLong[] = "Error: The calculation takes too long.";

class EntryLimitsTest : public ::testing::Test {
 protected:
  // A small budget keeps the runaway entries below quick to give up.
  void SetUp() override { Commands().work_limit = 300'000; }

  std::string Solve(const std::string& text) {
    EntryAnswer answer = SolveEntry(chars::U16(text), variables_, settings_);
    if (answer.shown) return chars::ToUtf8(LinearText(*answer.shown, {true, false}));
    return chars::ToUtf8(answer.layout.text);
  }
  std::string Ans() {
    const ExprNode* ans = variables_.Find(kAnsName);
    return ans ? chars::ToUtf8(LinearText(*ans, {true, false})) : "(none)";
  }
  static std::string Nested(const std::string& open, const std::string& inner,
                            const std::string& close, int levels) {
    std::string text = inner;
    for (int i = 0; i < levels; ++i) text = open + text + close;
    return text;
  }

  ScopedEngineState engine_;
  ScopedCommandsState commands_;
  VariableStore variables_;
  EntrySettings settings_;
};

TEST_F(EntryLimitsTest, RunawayWorkEndsWithTheBudgetMessage) {
  // Each derivative of x^x doubles in size: the series is given up.
  EXPECT_EQ(Solve("Series(x^x,x,1,150)"), kTooLong);
  // Repeated differentiation of a product of many factors.
  EXPECT_EQ(
      Solve("D(" + Nested("sin(", "x", ")", 40) + "*" + Nested("cos(", "x", ")", 40) + ",x,12)"),
      kTooLong);
  // Every entry starts with a fresh budget.
  EXPECT_EQ(Solve("1+1"), "2");
  EXPECT_EQ(Ans(), "2");
}

TEST_F(EntryLimitsTest, AnEntryThatRunsOutLeavesAnsAlone) {
  ASSERT_EQ(Solve("5"), "5");
  EXPECT_EQ(Solve("Series(x^x,x,1,150)"), kTooLong);
  EXPECT_EQ(Ans(), "5");
}

TEST_F(EntryLimitsTest, TheClockEndsEntriesWhoseStepsAreSlow) {
  Commands().work_limit = kEntryWorkSteps;
  Commands().time_limit = std::chrono::milliseconds(0);
  EXPECT_EQ(Solve("Series(x^x,x,1,150)"), kTooLong);
  // Entries that finish between two looks at the clock never meet it.
  EXPECT_EQ(Solve("2+3"), "5");
}

TEST_F(EntryLimitsTest, DeepWalksEndWithTheNestingMessage) {
  const std::string deep = Nested("(", "x", "+1)^2", 1500);
  for (const std::string& entry : {"D(" + deep + ",x)", "Expand(" + deep + ")",
                                   "Factor(" + deep + ")", "Integrate(" + deep + ",x)"}) {
    std::string answer = Solve(entry);
    EXPECT_EQ(answer.substr(0, 7), "Error: ") << entry.substr(0, 40);
  }
  EXPECT_EQ(Solve(Nested("sin(", "x", ")", 2500)), "Error: The expression is too deeply nested.");
}

TEST_F(EntryLimitsTest, FoundByFuzzingFinishQuickly) {
  // A huge degree used to be copied into a dense array of its size (gigabytes).
  EXPECT_EQ(Solve("Factor(x^38888181)"), "x^38888181");
  EXPECT_EQ(Solve("Factor(-x^38888181+x^2-4)"), "-x^38888181+x^2-4");
  // Factoring a deeply nested tree copied every subtree at every level.
  const std::string deep = Nested("(", "x", "+1)^2", 250);
  EXPECT_EQ(Solve("Limit(" + deep + ",x,0)").substr(0, 7), "Error: ");
  // Sum and Product merged each value into the result so far, comparing it
  // with every operand (quadratic work that the budget did not see).
  for (const char* entry : {"Sum(x^k*y,k,0,90000)", "Product(sin(k*x),k,1,90000)"}) {
    const std::string answer = Solve(entry);
    EXPECT_TRUE(answer == kTooLong || answer == "Error: The expression is too large.") << answer;
  }
}

// Work on many parts stays near linear: each of these used well over the
// budget while sums and products were merged one part at a time.
TEST_F(EntryLimitsTest, LongSumsAndProductsMergeTheirValues) {
  // The work budget bounds these entries; the wall clock must not decide them
  // on a loaded or sanitized machine.
  Commands().time_limit = std::chrono::seconds(120);
  Commands().work_limit = 1'500'000;
  // The same order and constant as typing the terms out.
  std::string sum = Solve("Sum(x^k*y+k,k,1,3000)");
  EXPECT_EQ(sum.substr(0, 16), "x*y+x^2*y+x^3*y+");
  EXPECT_EQ(sum.substr(sum.size() - 26), "+x^2999*y+x^3000*y+4501500");
  EXPECT_EQ(Solve("Sum(sin(k*x)-sin(k*x),k,1,5000)"), "0");
  EXPECT_EQ(Solve("Product(x^k/x^k,k,1,5000)"), "1");
  EXPECT_EQ(Solve("Product(k,k,1,20)"), "2432902008176640000");
  ASSERT_EQ(Solve("s=Sum(sin(k*x)*y,k,1,2000)").substr(0, 15), "y*sin(x)+y*sin(");
  EXPECT_EQ(Solve("Eval(s,y,0)"), "0");
  EXPECT_EQ(Solve("D(s,y)-Sum(sin(k*x),k,1,2000)"), "0");
  ASSERT_EQ(Solve("p=Product(sin(k*x),k,1,1000)").substr(0, 15), "sin(x)*sin(2x)*");
  // Each reciprocal pair used to take one cycle of the simplifier, which
  // stopped after 64 and left "(1)*(1)*csc(65x)*...".
  EXPECT_EQ(Solve("p*(1/p)"), "1");
  EXPECT_EQ(Solve("Factor(p)-p"), "0");
  EXPECT_EQ(Solve("Expand(p)-p"), "0");
  Commands().work_limit = 8'000'000;
  EXPECT_EQ(Solve("Together(s)-s"), "0");
}

TEST_F(EntryLimitsTest, HugeResultsAreRefused) {
  EXPECT_EQ(Solve("Expand((x+y+z+w+1)^300)"), "Error: The polynomial is too large.");
  EXPECT_EQ(Solve("Sum(k,k,1,10000000000)"), "Error: The range is too large.");
}

}  // namespace
}  // namespace zentrix::engine
