#include "engine/commands/statistics/statistics_commands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/commands/command_registry.h"
#include "engine/commands/command_table.h"
#include "engine/commands/entry_pipeline.h"
#include "engine/commands/statistics/distributions.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using testkit::Eval;

class StatisticsCommandsTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

// The decimal an entry evaluates to, or NaN when it is not a real number.
double Value(const char* entry) {
  std::optional<ExprNode> tree = EvaluateExpression(chars::U16(entry));
  if (!tree || !tree->IsRealNumber()) return std::numeric_limits<double>::quiet_NaN();
  return tree->coefficient().RealValue();
}

// ---- Distributions: each command reaches its function with the arguments in order.

TEST_F(StatisticsCommandsTest, NormalCommands) {
  EXPECT_EQ(Value("NormalPdf(1,0.5,2)"), NormalPdf(1, 0.5, 2));
  EXPECT_EQ(Value("NormalCdf(-1,1,0,1)"), NormalCdf(-1, 1, 0, 1));
  EXPECT_NEAR(Value("NormalCdf(-1,1,0,1)"), 0.682689492137086, 1e-15);
  EXPECT_EQ(Value("InverseNormal(0.975)"), InverseNormal(0.975));
  // Exact fractions are taken at their value.
  EXPECT_EQ(Value("NormalPdf(1/3,0,1)"), NormalPdf(1.0 / 3, 0, 1));
  // A bound at infinity is a real value of its own.
  EXPECT_EQ(Value("NormalCdf(-∞,0,0,1)"), 0.5);
  EXPECT_EQ(Value("NormalCdf(0,∞,0,1)"), 0.5);
}

TEST_F(StatisticsCommandsTest, StudentChiSquareAndFCommands) {
  EXPECT_EQ(Value("StudentTPdf(0.5,3)"), StudentTPdf(0.5, 3));
  EXPECT_EQ(Value("StudentTCdf(-2,1,4)"), StudentTCdf(-2, 1, 4));
  EXPECT_EQ(Value("ChiSquarePdf(2,3)"), ChiSquarePdf(2, 3));
  EXPECT_EQ(Value("ChiSquarePdf(-1,3)"), 0.0);
  EXPECT_EQ(Value("ChiSquareCdf(1,4,3)"), ChiSquareCdf(1, 4, 3));
  EXPECT_EQ(Value("FPdf(1.5,3,7)"), FPdf(1.5, 3, 7));
  EXPECT_EQ(Value("FCdf(0.5,2,3,7)"), FCdf(0.5, 2, 3, 7));
}

TEST_F(StatisticsCommandsTest, DiscreteCommands) {
  EXPECT_EQ(Value("BinomialPdf(10,0.5,3)"), 0.1171875);
  EXPECT_EQ(Value("BinomialCdf(10,0.3,4)"), BinomialCdf(10, 0.3, 4));
  EXPECT_EQ(Value("PoissonPdf(2,3)"), PoissonPdf(2, 3));
  EXPECT_EQ(Value("PoissonCdf(2,2)"), PoissonCdf(2, 2));
  EXPECT_EQ(Value("GeoPdf(0.25,3)"), GeoPdf(0.25, 3));
  EXPECT_EQ(Value("GeoCdf(0.5,3)"), 0.875);
}

TEST_F(StatisticsCommandsTest, ConstantArgumentsAreApproximated) {
  EXPECT_NEAR(Value("NormalPdf(π,0,1)"), NormalPdf(M_PI, 0, 1), 1e-18);
  EXPECT_NEAR(Value("InverseNormal(1/√(2))"), InverseNormal(std::sqrt(0.5)), 1e-15);
  EXPECT_NEAR(Value("PoissonPdf(ℯ,2)"), PoissonPdf(M_E, 2), 1e-16);
}

TEST_F(StatisticsCommandsTest, DomainErrorsAreAnswersNotFailures) {
  // sigma <= 0 is outside the domain: the answer is undefined, not an error.
  std::optional<ExprNode> bad = EvaluateExpression(u"NormalPdf(0,0,-1)");
  ASSERT_TRUE(bad.has_value());
  ASSERT_TRUE(bad->IsNumber());
  EXPECT_TRUE(std::isnan(bad->coefficient().RealValue()));
}

TEST_F(StatisticsCommandsTest, DistributionArgumentMessages) {
  // Wrong counts show the command's syntax line, exactly as the table has it.
  EXPECT_EQ(Eval("NormalCdf(0,1)"), "Error: NormalCdf(lower, upper, mu, sigma)");
  EXPECT_EQ(Eval("InverseNormal(0.1,0.2)"), "Error: InverseNormal(p)");
  EXPECT_EQ(Eval("StudentTPdf(1)"), "Error: StudentTPdf(p)");
  EXPECT_EQ(Eval("FCdf(1,2,3)"), "Error: FCdf(lower, upper, numerator df, denominator df)");
  EXPECT_EQ(Eval("GeoPdf(0.5)"), "Error: GeometericPdf(p, x)");
  EXPECT_EQ(Eval("BinomialCdf(10,0.5,3,1)"), "Error: BinomialCdf(n, p, x)");
  // More than four is "Too many parameters", whatever the command's own count.
  EXPECT_EQ(Eval("InverseNormal(1,2,3,4,5)"), "Error: Too many parameters");
  EXPECT_EQ(Eval("FCdf(x,2,3,4,5)"), "Error: Too many parameters");
  // Variables, complex values and lists are not real numbers.
  EXPECT_EQ(Eval("ChiSquarePdf(x,3)"), "Error: ChiSquarePdf(x, df)");
  EXPECT_EQ(Eval("PoissonPdf(2,1+ⅈ)"), "Error: PoissonPdf(mu, x)");
  EXPECT_EQ(Eval("PoissonCdf({1,2},1)"), "Error: PoissonCdf(mu, x)");
  EXPECT_EQ(Eval("NormalPdf(√(-1),0,1)"), "Error: NormalPdf(x, mu, sigma)");
}

TEST_F(StatisticsCommandsTest, EveryDistributionShowsItsTableSyntaxLine) {
  for (int id = 47; id <= 61; ++id) {
    const DistributionFunction* info = FindDistribution(id);
    ASSERT_NE(info, nullptr) << id;
    // One argument is the wrong count for all but InverseNormal.
    std::string call = chars::ToUtf8(CommandName(id));
    call += "(0.5)";
    const std::string shown = Eval(call.c_str());
    if (info->arity == 1) {
      EXPECT_EQ(shown.rfind("Error", 0), std::string::npos) << shown;
    } else {
      std::string expected = "Error: ";
      expected += chars::ToUtf8(CommandTable::HelpText(id));
      EXPECT_EQ(shown, expected) << call;
    }
  }
}

// ---- VarStats ---------------------------------------------------------------------

// The final text (glyphs written as Σ and σ), or the failure's text.
std::string Stats(const char* entry) { return Eval(entry); }

TEST_F(StatisticsCommandsTest, VarStatsOfOneListEvenCount) {
  EXPECT_EQ(Stats("VarStats({4,1,3,2})"),
            "n=4\nMeanX=2.5\nΣx=10\nΣx^2=30\nSx=1.29099\nσx=1.11803\nminX=1\nQ1x=1.5\n"
            "MedianX=2.5\nQ3x=3.5\nmaxX=4\n");
}

TEST_F(StatisticsCommandsTest, VarStatsLabelsUseTheCalculatorGlyphs) {
  Evaluator evaluator;
  EvaluationResult r = evaluator.Evaluate(u"VarStats({1,2})");
  ASSERT_TRUE(r.final_text);
  EXPECT_NE(r.text.find(std::u16string{252, u'x', u'='}), std::u16string::npos);
  EXPECT_NE(r.text.find(std::u16string{252, u'x', u'^', u'2', u'='}), std::u16string::npos);
  EXPECT_NE(r.text.find(std::u16string{239, u'x', u'='}), std::u16string::npos);
}

// Line `label` of a VarStats text.
std::string LineOf(const std::string& text, const std::string& label) {
  std::string key = label;
  key += '=';
  std::size_t at = 0;
  while (at < text.size() && text.compare(at, key.size(), key) != 0) {
    at = text.find('\n', at);
    if (at == std::string::npos) return "(missing)";
    ++at;
  }
  if (at >= text.size()) return "(missing)";
  return text.substr(at, text.find('\n', at) - at);
}

// The Q1x, MedianX and Q3x lines of a VarStats text, one after another.
std::string QuartileLines(const std::string& text) {
  return LineOf(text, "Q1x") + " " + LineOf(text, "MedianX") + " " + LineOf(text, "Q3x");
}

TEST_F(StatisticsCommandsTest, VarStatsQuartilesOfOddCounts) {
  // The median of an odd count belongs to neither half.
  EXPECT_EQ(QuartileLines(Stats("VarStats({5,3,1,4,2})")), "Q1x=1.5 MedianX=3 Q3x=4.5");
  // Halves of odd size take their middle element.
  EXPECT_EQ(QuartileLines(Stats("VarStats({7,1,6,2,5,3,4})")), "Q1x=2 MedianX=4 Q3x=6");
  // One value: the halves are empty.
  std::string one = Stats("VarStats({7})");
  EXPECT_EQ(LineOf(one, "Sx"), "Sx=NaN");
  EXPECT_EQ(LineOf(one, "σx"), "σx=0");
  EXPECT_EQ(LineOf(one, "Q1x"), "Q1x=NaN");
  EXPECT_EQ(LineOf(one, "MedianX"), "MedianX=7");
}

TEST_F(StatisticsCommandsTest, VarStatsQuartilesOfEvenCounts) {
  // Halves of odd size (n = 6) and of even size (n = 8).
  EXPECT_EQ(QuartileLines(Stats("VarStats({6,5,4,3,2,1})")), "Q1x=2 MedianX=3.5 Q3x=5");
  const std::string eight = Stats("VarStats({1,2,3,4,5,6,7,80})");
  EXPECT_EQ(QuartileLines(eight), "Q1x=2.5 MedianX=4.5 Q3x=6.5");
  EXPECT_EQ(LineOf(eight, "maxX"), "maxX=80");
}

TEST_F(StatisticsCommandsTest, VarStatsOfTwoListsShowsBothBlocksAndTheCrossSum) {
  EXPECT_EQ(Stats("VarStats({1,2,3},{2,4,9})"),
            "n=3\nMeanX=2\nΣx=6\nΣx^2=14\nSx=1\nσx=0.8165\nminX=1\nQ1x=1\nMedianX=2\n"
            "Q3x=3\nmaxX=3\n"
            "MeanY=5\nΣy=15\nΣy^2=101\nSy=3.60555\nσy=2.94392\nminY=2\nQ1y=2\nMedianY=4\n"
            "Q3y=9\nmaxY=9\n"
            "xy=37\n");
}

TEST_F(StatisticsCommandsTest, VarStatsElementsAndMessages) {
  EXPECT_EQ(LineOf(Stats("VarStats({1/2,π,√(4)})"), "Σx"), "Σx=5.64159");
  EXPECT_EQ(Stats("VarStats({1,2},{1,2,3})"), "Error: Lists must be the same length");
  EXPECT_EQ(Stats("VarStats({1,x})"), "Error: Syntax Error");
  EXPECT_EQ(Stats("VarStats({1,2},{ⅈ,2})"), "Error: Syntax Error");
  EXPECT_EQ(Stats("VarStats({{1,2},{3,4}})"), "Error: Syntax Error");
  EXPECT_EQ(Stats("VarStats(3)"), "Error: Parameter 1 is not a list.");
  EXPECT_EQ(Stats("VarStats(x,{1})"), "Error: Parameter 1 is not a list.");
  EXPECT_EQ(Stats("VarStats({1},2)"), "Error: Parameter 2 is not a list.");
  EXPECT_EQ(Stats("VarStats({1},{2},{3})"), "Error: VarStats(list) or VarStats(list1, list2)");
}

TEST_F(StatisticsCommandsTest, VarStatsValuesFollowTheNumberSettings) {
  Engine().number_format = DecimalFormat{2, Notation::kNormal, true};
  std::string text = Stats("VarStats({1,2,3,4})");
  EXPECT_EQ(LineOf(text, "Sx"), "Sx=1.29");
  EXPECT_EQ(LineOf(text, "MeanX"), "MeanX=2.50");
  EXPECT_EQ(LineOf(text, "n"), "n=4");  // integers lose their zeros
  Engine().number_format = DecimalFormat{kFloatPrecision, Notation::kScientific, false};
  EXPECT_EQ(LineOf(Stats("VarStats({1000,3000})"), "MeanX"), "MeanX=2ᴇ3");
}

TEST_F(StatisticsCommandsTest, EntryPipelineHandsItsSettingsToVarStats) {
  VariableStore variables;
  EntrySettings settings;
  settings.decimal.precision = 1;
  EntryAnswer answer = SolveEntry(u"VarStats({1,2,3,4})", variables, settings);
  ASSERT_EQ(answer.kind, EntryAnswer::Kind::kResult);
  EXPECT_EQ(LineOf(chars::ToUtf8(answer.layout.text), "Sx"), "Sx=1.3");
  // The setting lasts only while the entry is solved.
  EXPECT_EQ(Engine().number_format.precision, DecimalFormat().precision);
}

}  // namespace
}  // namespace zentrix::engine
