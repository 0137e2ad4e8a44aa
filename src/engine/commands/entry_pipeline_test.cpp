#include "engine/commands/entry_pipeline.h"

#include <gtest/gtest.h>

#include "engine/commands/base/commands_state.h"
#include "engine/core/answer_text.h"
#include "engine/core/charset.h"
#include "engine/core/engine_state.h"
#include "engine/core/linear_text.h"

namespace zentrix::engine {
namespace {

class EntryPipelineTest : public ::testing::Test {
 protected:
  EntryAnswer Solve(const char* text, bool toggle = false, SolveMode mode = SolveMode::kNormal) {
    return SolveEntry(chars::U16(text), variables_, settings_, toggle, mode);
  }
  // The answer as entry text, or the message.
  std::string Shown(const EntryAnswer& answer) {
    if (answer.shown) return chars::ToUtf8(LinearText(*answer.shown, {true, false}));
    return chars::ToUtf8(answer.layout.text);
  }
  std::string Ans() {
    const ExprNode* ans = variables_.Find(kAnsName);
    return ans ? chars::ToUtf8(LinearText(*ans, {true, false})) : "(none)";
  }

  ScopedEngineState engine_;
  ScopedCommandsState commands_;
  VariableStore variables_;
  EntrySettings settings_;
};

TEST_F(EntryPipelineTest, SolvingAgainAlternatesExactAndDecimal) {
  EntryAnswer first = Solve("3/12+1/2");
  EXPECT_EQ(Shown(first), "3/4");
  EXPECT_TRUE(first.decimal_toggle);
  EntryAnswer second = Solve("3/12+1/2", first.decimal_toggle);
  EXPECT_EQ(Shown(second), "0.75");
  EXPECT_FALSE(second.decimal_toggle);
  EXPECT_EQ(Shown(Solve("3/12+1/2", second.decimal_toggle)), "3/4");
}

TEST_F(EntryPipelineTest, ExactImaginaryPartsAndSignsInAnswers) {
  EXPECT_EQ(RenderText(Solve("Solve(x^2+x+1=0,x)").layout), "{-1/2 - (√3/2)ⅈ, -1/2 + (√3/2)ⅈ}");
  EXPECT_EQ(RenderText(Solve("1/2-ⅈ/2").layout), "1/2 - ⅈ/2");
  EXPECT_EQ(RenderText(Solve("(1+2ⅈ)/(3/4)").layout), "4/3 + 8ⅈ/3");
  EXPECT_EQ(RenderText(Solve("1/7+1/11+1/13+1/17+1/19+1/23+1/29+1/31+1/37+1/41+1/43").layout),
            "0.60704");
}

TEST_F(EntryPipelineTest, NumberModes) {
  settings_.number_mode = NumberMode::kDecimal;
  EXPECT_EQ(Shown(Solve("10/8")), "1.25");
  settings_.number_mode = NumberMode::kMixed;
  EntryAnswer mixed = Solve("10/8");
  ASSERT_EQ(mixed.layout.kind, BoxKind::kRow);
  EXPECT_EQ(mixed.layout.children[0].text, u"1");
  EXPECT_EQ(mixed.layout.children[1].kind, BoxKind::kFraction);
}

TEST_F(EntryPipelineTest, SmartSolveShowsUnrewrittenAnswersAsDecimalsButAnsStaysExact) {
  EXPECT_EQ(Shown(Solve("3/2")), "1.5");
  EXPECT_EQ(Ans(), "3/2");
  EXPECT_EQ(Shown(Solve("x/2")), "x/2");  // variables stay exact
  settings_.smart_solve = false;
  EXPECT_EQ(Shown(Solve("3/2")), "3/2");
}

TEST_F(EntryPipelineTest, SyntaxHelpForACommandNameAndABracket) {
  Solve("7");
  EntryAnswer help = Solve("NormalPdf(");
  EXPECT_EQ(help.kind, EntryAnswer::Kind::kHelp);
  EXPECT_EQ(Shown(help), "NormalPdf(x, mu, sigma)");
  EXPECT_EQ(Ans(), "7");
  EntryAnswer bare = Solve("NormalPdf");
  EXPECT_TRUE(bare.failed());
  EXPECT_EQ(Shown(bare), "Error: NormalPdf is the name of a function.");
  EXPECT_EQ(Solve("").kind, EntryAnswer::Kind::kNone);
}

TEST_F(EntryPipelineTest, VariablesAnsAndClear) {
  EXPECT_EQ(Shown(Solve("x=3")), "3");
  EXPECT_EQ(Shown(Solve("x^2")), "9");
  EXPECT_EQ(Shown(Solve("Ans+1")), "10");
  EXPECT_EQ(Shown(Solve("x=x+1")), "4");
  EXPECT_EQ(Shown(Solve("Clear(x)")), "x");
  EXPECT_EQ(Shown(Solve("x^2")), "x^2");
  EntryAnswer refused = Solve("x=x+1");
  EXPECT_TRUE(refused.failed());
  EXPECT_EQ(Shown(refused), "Error: Syntax Error");
  // A failure leaves Ans as it was.
  EXPECT_EQ(Ans(), "x^2");
  Solve("y=2");
  Solve("z=5");
  Solve("y=7");
  EXPECT_EQ(variables_.Name(0), u"Ans");
  EXPECT_EQ(variables_.Name(1), u"y");
  EXPECT_EQ(variables_.Name(2), u"z");
}

TEST_F(EntryPipelineTest, OverflowIsReportedButAnsKeepsTheResult) {
  EntryAnswer overflow = Solve("1ᴇ308*1ᴇ308x");
  EXPECT_TRUE(overflow.failed());
  EXPECT_EQ(Shown(overflow), "Error: Overflow");
  EXPECT_NE(Ans(), "(none)");
}

TEST_F(EntryPipelineTest, OverflowSurvivesSmartSolveAndDecimalMode) {
  // Approximating an overflowed number must not turn it into Indeterminate.
  EXPECT_EQ(Shown(Solve("10^400")), "Error: Overflow");
  EXPECT_EQ(Shown(Solve("10^400", true)), "Error: Overflow");
  settings_.number_mode = NumberMode::kDecimal;
  EXPECT_EQ(Shown(Solve("2^2000")), "Error: Overflow");
}

TEST_F(EntryPipelineTest, SmartSolveExpandsASymbolicProduct) {
  EXPECT_EQ(Shown(Solve("(x+1)*(x+2)*y")), Shown(Solve("Expand((x+1)*(x+2)*y)")));
}

TEST_F(EntryPipelineTest, DegreesMinutesSeconds) {
  EntryAnswer dms = Solve("30.5", false, SolveMode::kDegreesMinutesSeconds);
  EXPECT_EQ(dms.kind, EntryAnswer::Kind::kResult);
  EXPECT_EQ(Shown(dms), "30° 30'");
  EXPECT_EQ(Solve("0", false, SolveMode::kDegreesMinutesSeconds).kind, EntryAnswer::Kind::kNone);
  EXPECT_EQ(Solve("x", false, SolveMode::kDegreesMinutesSeconds).kind, EntryAnswer::Kind::kNone);
}

}  // namespace
}  // namespace zentrix::engine
