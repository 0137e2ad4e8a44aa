#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_options.h"

namespace zentrix::cli {
namespace {

TEST(CliOptions, ValuesInBothSpellingsAndEntriesAnywhere) {
  ParsedOptions p =
      ParseOptions({"--format=pretty", "-3+x", "--precision", "float", "--number-mode", "mixed",
                    "--notation=engineering", "--show-zeros", "on", "--angle", "degrees",
                    "--smart-solve=off", "--", "--help"});
  ASSERT_TRUE(p.ok()) << p.error;
  EXPECT_EQ(p.options.format, OutputFormat::kPretty);
  EXPECT_EQ(p.options.decimal.precision, engine::kFloatPrecision);
  EXPECT_EQ(p.options.number_mode, engine::NumberMode::kMixed);
  EXPECT_EQ(p.options.decimal.notation, engine::Notation::kEngineering);
  EXPECT_TRUE(p.options.decimal.show_zeros);
  EXPECT_TRUE(p.options.degrees);
  EXPECT_FALSE(p.options.smart_solve);
  EXPECT_FALSE(p.options.help);
  EXPECT_EQ(p.options.entries, (std::vector<std::string>{"-3+x", "--help"}));
  EXPECT_EQ(ParseOptions({"--precision", "10"}).options.decimal.precision, 10);
}

TEST(CliOptions, RefusalsNameTheProblem) {
  EXPECT_EQ(ParseOptions({"--precision", "-1"}).error,
            "option '--precision' takes 0 to 10 or float, not '-1'");
  EXPECT_EQ(ParseOptions({"--notation"}).error,
            "option '--notation' needs a value (normal, scientific or engineering)");
  EXPECT_EQ(ParseOptions({"--colour=red"}).error, "unknown option '--colour'");
}

int RunWith(const std::vector<std::string>& args, const std::string& input, std::string& out,
            bool interactive = false) {
  std::istringstream in(input);
  std::ostringstream o, e;
  int status = RunCli(args, {in, o, e, interactive});
  out = o.str();
  return status;
}

TEST(CliApp, InteractivePromptAndFinalLineWithoutLineFeed) {
  std::string out;
  EXPECT_EQ(RunWith({}, "1+1\n2*3", out, true), 0);
  EXPECT_EQ(out, "> 2\n> 6\n> \n");
}

TEST(CliApp, OverlongLinesAreRefusedAndReadingGoesOn) {
  std::string out;
  std::string input(std::size_t{1} << 23, '1');
  input += "\n2+2\n";
  EXPECT_EQ(RunWith({}, input, out), 1);
  EXPECT_EQ(out, "Error: the entry is longer than 4194304 bytes\n4\n");
}

}  // namespace
}  // namespace zentrix::cli
