// End-to-end tests of zentrix-cli: the built program is run with arguments and
// standard input, and whole lines of its output are checked.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;

struct Outcome {
  std::string out;
  std::string err;
  int status = -1;
  std::vector<std::string> lines;
};

std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string Slurp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

// Runs zentrix-cli with the arguments, feeding `input` on standard input.
Outcome Cli(const std::vector<std::string>& args, const std::string& input = "") {
  const std::string base = std::string(ZENTRIX_BINARY_DIR) + "/e2e_cli_" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::ofstream(base + ".in", std::ios::binary) << input;
  std::string command = Quote(ZENTRIX_CLI_PATH);
  for (const std::string& arg : args) {
    command += ' ';
    command += Quote(arg);
  }
  command +=
      " < " + Quote(base + ".in") + " > " + Quote(base + ".out") + " 2> " + Quote(base + ".err");
  Outcome outcome;
  int raw = std::system(command.c_str());
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  outcome.out = Slurp(base + ".out");
  outcome.err = Slurp(base + ".err");
  std::istringstream lines(outcome.out);
  for (std::string line; std::getline(lines, line);) outcome.lines.push_back(line);
  for (const char* suffix : {".in", ".out", ".err"}) std::remove((base + suffix).c_str());
  return outcome;
}

using Lines = std::vector<std::string>;

TEST(Cli, EntriesShareOneVariableStore) {
  Outcome o = Cli({"x=3", "x^2", "Ans+1", "Clear(x)", "x^2"});
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.lines, (Lines{"3", "9", "10", "x", "x²"}));
}

TEST(Cli, ReadsEntriesFromStandardInputWithoutAPrompt) {
  Outcome o = Cli({}, "y={{5,6},{7,8}}\ny*y\n\n2+3\r\n");
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.lines, (Lines{"[[5, 6], [7, 8]]", "[[67, 78], [91, 106]]", "5"}));
}

TEST(Cli, TextFormatReadsLikeMathematics) {
  Outcome o = Cli({"x^2+3x+1", "√(12)", "3/12+1/2", "{-2,2}", "2-3ⅈ", "floor(x)", "x/2"});
  EXPECT_EQ(o.lines, (Lines{"x² + 3x + 1", "2√3", "3/4", "{-2, 2}", "2 - 3ⅈ", "floor(x)", "x/2"}));
}

TEST(Cli, FailedEntriesPrintTheMessageAndSetTheStatus) {
  Outcome o = Cli({"2+3)", "1+1", "x=x+1", "sin"});
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.lines, (Lines{"Error: Not enough parenthesis found.", "2", "Error: Syntax Error",
                            "Error: sin is the name of a function."}));
}

TEST(Cli, CommandNameAndBracketShowsTheSyntaxHelp) {
  Outcome o = Cli({"NormalPdf(", "Solve("});
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.lines, (Lines{"NormalPdf(x, mu, sigma)", "Solve(expression=value, x)"}));
}

TEST(Cli, CharactersOutsideTheCalculatorsSetAreRefused) {
  Outcome o = Cli({"--smart-solve=off", "2π", "é+1", std::string("1+\xff")});
  EXPECT_EQ(o.status, 1);
  ASSERT_EQ(o.lines.size(), 3u);
  EXPECT_EQ(o.lines[0], "2π");
  EXPECT_EQ(o.lines[1],
            "Error: the character 'é' (U+00E9) is not in the calculator's character set");
  EXPECT_EQ(o.lines[2], "Error: malformed UTF-8 at byte 2");
}

TEST(Cli, BadOptionsExitWithTwo) {
  for (const Lines& args :
       {Lines{"--format", "fancy"}, Lines{"--precision=11"}, Lines{"--bogus"}, Lines{"--angle"}}) {
    Outcome o = Cli(args);
    EXPECT_EQ(o.status, 2) << args[0];
    EXPECT_THAT(o.err, HasSubstr("zentrix-cli: ")) << args[0];
    EXPECT_EQ(o.out, "");
  }
}

TEST(Cli, HelpDescribesEveryOption) {
  Outcome o = Cli({"--help"});
  EXPECT_EQ(o.status, 0);
  for (const char* option :
       {"--format", "text", "input", "pretty", "--number-mode", "--notation", "--precision",
        "--show-zeros", "--angle", "--smart-solve", "Exit status"}) {
    EXPECT_THAT(o.out, HasSubstr(option));
  }
}

TEST(Cli, NumberModesAndSmartSolve) {
  EXPECT_EQ(Cli({"10/8", "1/4+1/4"}).lines, (Lines{"5/4", "1/2"}));
  EXPECT_EQ(Cli({"--number-mode", "mixed", "10/8", "-10/8"}).lines, (Lines{"1 1/4", "-5/4"}));
  EXPECT_EQ(Cli({"--number-mode=decimal", "10/8"}).lines, (Lines{"1.25"}));
  // With Smart Solve a quotient that needed no reduction shows as a decimal.
  EXPECT_EQ(Cli({"3/2"}).lines, (Lines{"1.5"}));
  EXPECT_EQ(Cli({"--smart-solve", "off", "3/2"}).lines, (Lines{"3/2"}));
}

TEST(Cli, PrecisionNotationAndZeros) {
  EXPECT_EQ(Cli({"--precision", "2", "π+0"}).lines, (Lines{"3.14"}));
  EXPECT_EQ(Cli({"--precision", "float", "1/3+0.0"}).lines, (Lines{"0.3333333333"}));
  EXPECT_EQ(Cli({"--notation", "scientific", "123456.0"}).lines, (Lines{"1.23456ᴇ5"}));
  EXPECT_EQ(Cli({"--notation", "engineering", "123456.0"}).lines, (Lines{"123.456ᴇ3"}));
  EXPECT_EQ(Cli({"--show-zeros", "on", "1.25"}).lines, (Lines{"1.25000"}));
  EXPECT_EQ(Cli({"1ᴇ10+0.5"}).lines, (Lines{"1ᴇ10"}));
}

TEST(Cli, AngleUnit) {
  EXPECT_EQ(Cli({"--angle", "degrees", "sin(30)"}).lines, (Lines{"1/2"}));
  EXPECT_EQ(Cli({"sin(π/6)"}).lines, (Lines{"1/2"}));
}

TEST(Cli, PrettyFormatDrawsInTwoDimensions) {
  Outcome o = Cli({"--format", "pretty", "x/2+1", "√(x+1)"});
  EXPECT_EQ(o.out, " x\n─── + 1\n 2\n\n _____\n√x + 1\n");
}

Lines Answers(const Lines& settings, const Lines& entries) {
  Lines args = settings;
  args.insert(args.end(), entries.begin(), entries.end());
  Outcome o = Cli(args);
  EXPECT_EQ(o.lines.size(), entries.size()) << o.out;
  return o.lines;
}

// Answers written in the input format, entered again, give equal answers.
TEST(Cli, InputFormatReadsBackToEqualAnswers) {
  const Lines entries = {"x^2+3x+1",    "√(12)",   "3/12+1/2",     "10^-3",         "2-3ⅈ",
                         "(x+1)^2",     "x/(x+1)", "sin(x)^2+1/x", "{{1,2},{3,4}}", "1/3+0.0",
                         "-x^(1/3)+2y", "ℯ^(x)",   "1.5ᴇ-30+0",    "√(x)/3",        "floor(x)-2",
                         "{1/2,-3/4}",  "ⅈ/2",     "x^-2*y",       "π/7+0.1"};
  // Exactly equal trees print the same output in every format.
  Lines written = Answers({"--smart-solve", "off", "--format", "input"}, entries);
  for (const char* format : {"input", "text", "pretty"}) {
    Lines again = {"--smart-solve", "off", "--format", format};
    Lines original = again;
    again.insert(again.end(), written.begin(), written.end());
    original.insert(original.end(), entries.begin(), entries.end());
    EXPECT_EQ(Cli(again).out, Cli(original).out) << format;
  }
  // With Smart Solve an exact answer entered again may show as a decimal; its
  // value is the same, so both print alike in Decimal mode.
  Lines smart = Answers({"--format", "input"}, entries);
  const Lines decimal = {"--number-mode", "decimal", "--format", "input"};
  EXPECT_EQ(Answers(decimal, smart), Answers(decimal, entries));

  EXPECT_EQ(Answers({"--format", "input", "--smart-solve", "off"}, {"x^2+3x+1", "2√(3)", "{-2,2}"}),
            (Lines{"x^2+3x+1", "2√(3)", "{-2,2}"}));
}

TEST(Cli, DistributionsAnswerDecimals) {
  Outcome o = Cli({"NormalCdf(-1,1,0,1)", "BinomialPdf(10,0.5,3)", "InverseNormal(0.975)",
                   "GeoCdf(0.5,3)", "ChiSquarePdf(-1,3)", "NormalCdf(-∞,0,0,π)"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.lines, (Lines{"0.68269", "0.11719", "1.95996", "0.875", "0", "0.5"}));
  EXPECT_EQ(Cli({"--precision", "float", "NormalPdf(0,0,1)"}).lines, (Lines{"0.3989422804"}));
}

TEST(Cli, DistributionArgumentMessages) {
  Outcome o = Cli({"NormalCdf(0,1)", "PoissonPdf(x,1)", "FPdf(1,2,3,4,5)"});
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.lines, (Lines{"Error: NormalCdf(lower, upper, mu, sigma)", "Error: PoissonPdf(mu, x)",
                            "Error: Too many parameters"}));
}

TEST(Cli, VarStatsPrintsItsLinesWithTheNumberSettings) {
  Outcome o = Cli({"VarStats({1,2,3,4})", "1+1"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.lines, (Lines{"n=4", "MeanX=2.5", "Σx=10", "Σx^2=30", "Sx=1.29099", "σx=1.11803",
                            "minX=1", "Q1x=1.5", "MedianX=2.5", "Q3x=3.5", "maxX=4", "2"}));
  Lines two = Cli({"--precision", "2", "VarStats({1,2,3,4,5},{5,4,3,2,1})"}).lines;
  ASSERT_EQ(two.size(), 22u);
  EXPECT_EQ(two[7], "Q1x=1.5");
  EXPECT_EQ(two[9], "Q3x=4.5");
  EXPECT_EQ(two[14], "Sy=1.58");
  EXPECT_EQ(two[21], "xy=35");
  Outcome bad = Cli({"VarStats({1,2},{1})", "VarStats(1)"});
  EXPECT_EQ(bad.lines,
            (Lines{"Error: Lists must be the same length", "Error: Parameter 1 is not a list."}));
}

TEST(Cli, APowerAfterACallRaisesTheWholeCall) {
  Outcome o = Cli({"sin(-x)^2", "sin(x^2)^3", "√(-4)^2", "exp(-1)^2", "Det({{1,2},{3,-4}})^2",
                   "Integrate(x^2,x,0,-1)^2", "{1,-2}^2", "-sin(x)^2"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.lines,
            (Lines{"sin(x)²", "sin(x²)^3", "-4", "0.13534", "100", "1/9", "{1, 4}", "-sin(x)²"}));
}

}  // namespace
