#include "cli/prompt_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_catalog.h"
#include "cli/command_help.h"

namespace zentrix::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// Runs lines as the prompt does and returns what was written.
class PromptTest : public ::testing::Test {
 protected:
  std::string Enter(std::string_view line) {
    out_.str("");
    if (!RunPromptCommand(line, session_)) session_.Run(line);
    return out_.str();
  }

  std::ostringstream out_;
  CliSession session_{SessionSettings(), out_};
};

TEST_F(PromptTest, SettingsChangeTheFollowingAnswers) {
  EXPECT_EQ(Enter("10/8"), "5/4\n");
  EXPECT_EQ(Enter(":number-mode decimal"), "");
  EXPECT_EQ(Enter("10/8"), "1.25\n");
  EXPECT_EQ(Enter("  :angle   degrees "), "");
  EXPECT_EQ(Enter(":precision 2"), "");
  EXPECT_EQ(Enter("sin(30)+π"), "3.64\n");
  EXPECT_EQ(Enter(":format pretty"), "");
  EXPECT_EQ(Enter(":number-mode fraction"), "");
  EXPECT_EQ(Enter("x/2"), "\n x\n───\n 2\n");
  EXPECT_EQ(Enter(":settings"),
            ":format pretty\n:number-mode fraction\n:notation normal\n:precision 2\n"
            ":show-zeros off\n:angle degrees\n:smart-solve on\n");
  EXPECT_FALSE(session_.any_failed());
}

TEST_F(PromptTest, BadSettingLinesAreErrorsAndChangeNothing) {
  EXPECT_EQ(Enter(":precision 11"), "Error: :precision takes 0 to 10 or float, not '11'\n");
  EXPECT_EQ(Enter(":precision"), "Error: :precision needs a value (0 to 10 or float)\n");
  EXPECT_EQ(Enter(":colour red"), "Error: there is no setting :colour; :settings lists them\n");
  EXPECT_EQ(Enter(":"), "Error: there is no setting :; :settings lists them\n");
  EXPECT_EQ(session_.settings().decimal.precision, 5);
  EXPECT_TRUE(session_.any_failed());
}

TEST_F(PromptTest, HelpGivesWayToAVariableNamedHelp) {
  EXPECT_EQ(Enter("help Solve"), "Solve(expression=value, x)\n");
  EXPECT_EQ(Enter("help D"), "D(expression, x)\nD(expression, x, n)\n");
  EXPECT_EQ(Enter("help Factor"), "Factor(…) takes 1 argument in its usual form.\n");
  EXPECT_EQ(Enter("help Nothing"), "Error: there is no command named Nothing; help lists them\n");
  EXPECT_THAT(Enter("help"), HasSubstr("Calculus:\n"));
  // Anything but one name after help is an entry.
  EXPECT_EQ(Enter("help*2"), "2help\n");
  EXPECT_EQ(Enter("help=3"), "3\n");
  EXPECT_EQ(Enter("help"), "3\n");
  EXPECT_EQ(Enter("help+1"), "4\n");
  EXPECT_EQ(Enter(":help Solve"), "Solve(expression=value, x)\n");
  EXPECT_THAT(Enter(":help"), StartsWith("Numbers:\n"));
}

TEST(CommandHelp, TheListingHasEveryCommandUnderItsGroup) {
  const std::string listing = CommandListing(60);
  for (const CatalogCommand& command : CommandCatalog()) {
    const std::string shown = command.help.empty() ? command.name : command.help;
    EXPECT_THAT(listing, HasSubstr(shown.substr(0, shown.find('\n')))) << command.name;
  }
  EXPECT_THAT(listing, HasSubstr("Calculus:\n  Sum(expression, x, min, max)\n"));
  EXPECT_THAT(listing, HasSubstr("  ∫(expression, x) or ∫(expression, x, a, b)\n"));
  std::istringstream lines(listing);
  for (std::string line; std::getline(lines, line);) {
    if (line.find('(') == std::string::npos) {
      EXPECT_LE(line.size(), 60u) << line;
    }
  }
}

}  // namespace
}  // namespace zentrix::cli
