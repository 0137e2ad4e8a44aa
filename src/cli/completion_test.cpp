#include "cli/completion.h"

#include <gtest/gtest.h>

namespace zentrix::cli {
namespace {

using Words = std::vector<std::string>;

// The word starts after the last character that ends a name.
Words Complete(std::string_view line, const Words& variables = {}) {
  std::size_t start = line.find_last_of(" +-*/^(),=");
  return CompleteWord(line, start == std::string_view::npos ? 0 : start + 1, variables);
}

TEST(Completion, NamesGetTheirBracketAndAWholeNameWinsOverLongerOnes) {
  EXPECT_EQ(Complete("Fac"), Words{"Factor("});  // not stopping at the shared "Factor"
  EXPECT_EQ(Complete("2+NormalP"), Words{"NormalPdf("});
  EXPECT_EQ(Complete("Eigen"), (Words{"Eigensystem(", "Eigenvalues(", "Eigenvectors("}));
  EXPECT_EQ(Complete("FactorS"), Words{"FactorSquareFree("});
  // Another case only when nothing matches as typed.
  EXPECT_EQ(Complete("fac"), Words{"Factor("});
  EXPECT_EQ(Complete("Zzz"), Words{});
  EXPECT_EQ(Complete("1+"), Words{});  // no word: no list of everything
}

TEST(Completion, VariablesOfTheSessionJoinTheCommands) {
  const Words variables = {"radius", "rate", "θ1"};
  EXPECT_EQ(Complete("2*ra", variables), (Words{"rad(", "radius", "rate"}));
  EXPECT_EQ(Complete("rad", variables), (Words{"rad(", "radius"}));
  EXPECT_EQ(Complete("θ", variables), Words{"θ1"});
}

TEST(Completion, HelpTakesBareCommandNames) {
  EXPECT_EQ(Complete("help Sol"), Words{"Solve"});
  EXPECT_EQ(Complete(":help NormalC"), Words{"NormalCdf"});
}

TEST(Completion, SettingLinesCompleteNamesAndWords) {
  EXPECT_EQ(Complete(":num"), Words{":number-mode"});
  // The editor's word starts after '-', so only the rest of the name is offered.
  EXPECT_EQ(Complete(":number-m"), Words{"mode"});
  EXPECT_EQ(Complete(":s"), (Words{":settings", ":show-zeros", ":smart-solve"}));
  EXPECT_EQ(Complete(":number-mode d"), Words{"decimal"});
  EXPECT_EQ(Complete(":precision f"), Words{"float"});
  EXPECT_EQ(Complete(":bogus x"), Words{});
}

}  // namespace
}  // namespace zentrix::cli
