// The calculator's notebook between runs: the exit saves it to its file, the
// next start opens that file again, and the answers come back as they were.

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "shell/program/calculator_program.h"
#include "shell/testing/program_test_support.h"

namespace zentrix::shell {
namespace {

using testsupport::ReadFile;
using testsupport::ScriptThenCheck;

class CalculatorFilesTest : public testsupport::ProgramTest {
 protected:
  // Runs the script and returns the dump taken after it.
  std::string Run(const std::string& script) {
    ScriptParse parse = ParseScript(script);
    EXPECT_EQ(parse.error_line, 0) << parse.error;
    // Each run on a platform of its own, as a new process would have.
    platform::HeadlessPlatform platform;
    config_.platform = &platform;
    CalculatorProgram program(config_, options_);
    ScriptRunner runner(parse.lines, &program);
    std::string dump;
    ScriptThenCheck source(&runner, [&] { dump = program.Dump(); });
    platform.SetSource(&source);
    EXPECT_EQ(program.Run(), 0);
    EXPECT_FALSE(runner.Failed()) << runner.Error();
    return dump;
  }
  // The calculator's file and entries (texts and answers) from a dump. The
  // decimal toggles are left out: a file keeps answers, not which form the
  // next Solve gives.
  static std::string Entries(const std::string& dump) {
    const std::size_t start = dump.find("\"calculator\": {");
    const std::size_t end = dump.find("\"variables\"", start);
    if (start == std::string::npos || end == std::string::npos) return "no calculator section";
    return std::regex_replace(dump.substr(start, end - start),
                              std::regex(", \"decimal\": (true|false)"), "");
  }
};

TEST_F(CalculatorFilesTest, AnswersComeBackAsTheyWereAtTheNextStart) {
  const std::string long_text = std::string(2000, '1') + "+1";
  const std::string before =
      Run("type 3/12+1/2\nmenu Solve\n"
          "type \xE2\x88\x9A(8)\nmenu Solve\n"  // a root
          "type {{1,2},{3,-4}}\nmenu Solve\n"   // a matrix
          "type x^2-5x+6\nmenu Solve\n"         // a sum that starts with no sign
          "type -x-2/3\nmenu Solve\n"           // one that starts with a minus
          "type {1/2,-3,x}\nmenu Solve\n"       // a list
          "type 1/0\nmenu Solve\n"
          "type 2+Limit(1,x)/0\nmenu Solve\n"  // an error message
          "type " +
          long_text +
          "\nmenu Solve\n"
          "type NormalPdf(\nmenu Solve\n"  // syntax help
          "menu File/Save As...\ntype round\nclick Save\n"
          "frames 1\n");
  EXPECT_NE(before.find("\"file\": \"round\""), std::string::npos) << before;

  // The next start opens "round" again (no script line touches the file).
  const std::string after = Run("frames 1\n");
  EXPECT_EQ(Entries(after), Entries(before)) << after.substr(0, 300);
  EXPECT_NE(ReadFile(home_ / "registry.txt").find("CalculatorFile=sz:round\n"), std::string::npos);
}

TEST_F(CalculatorFilesTest, TheExitSavesWhatChangedSinceTheLastSave) {
  Run("type 2+2\nmenu Solve\nmenu File/Save As...\ntype work\nclick Save\ntype 3*3\nmenu Solve\n");
  const std::string after = Run("frames 1\n");
  EXPECT_NE(after.find("{\"text\": \"3*3\", \"answer\": \"9\""), std::string::npos) << after;
  EXPECT_NE(after.find("\"focus\": {\"text\": \"2+2\""), std::string::npos)
      << "an opened notebook focuses its first entry";
}

}  // namespace
}  // namespace zentrix::shell
