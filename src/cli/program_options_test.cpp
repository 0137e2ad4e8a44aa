// The program's own options (entries from a file, the home folder, colour)
// and what they choose.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/answer_colours.h"
#include "cli/cli_app.h"
#include "cli/cli_options.h"
#include "cli/home_folder.h"

namespace zentrix::cli {
namespace {

TEST(ProgramOptions, FileHomeAndColour) {
  ParsedOptions p = ParseOptions({"-f", "in.txt", "--home=/h", "--color", "never"});
  ASSERT_TRUE(p.ok()) << p.error;
  EXPECT_EQ(p.options.file, "in.txt");
  EXPECT_EQ(p.options.home, "/h");
  EXPECT_EQ(p.options.colour, ColourChoice::kNever);
  EXPECT_EQ(ParseOptions({"--file=x"}).options.file, "x");
  EXPECT_EQ(ParseOptions({"-f"}).error, "option '-f' needs a value (a file name)");
  EXPECT_EQ(ParseOptions({"--color=blue"}).error,
            "option '--color' takes auto, always or never, not 'blue'");
  EXPECT_EQ(ParseOptions({"-f", "x", "1+1"}).error, "give entries or -f FILE, not both");
  // "-f" after "--" is an entry like any other.
  EXPECT_EQ(ParseOptions({"--", "-f"}).options.entries, std::vector<std::string>{"-f"});
}

TEST(AnswerColours, OnlyForTerminalsThatWantThem) {
  EXPECT_TRUE(ChooseColours(ColourChoice::kAuto, true, nullptr, "xterm").on());
  EXPECT_TRUE(ChooseColours(ColourChoice::kAuto, true, "", "xterm").on());
  EXPECT_FALSE(ChooseColours(ColourChoice::kAuto, true, "1", "xterm").on());
  EXPECT_FALSE(ChooseColours(ColourChoice::kAuto, true, nullptr, "dumb").on());
  EXPECT_FALSE(ChooseColours(ColourChoice::kAuto, true, nullptr, nullptr).on());
  EXPECT_FALSE(ChooseColours(ColourChoice::kAuto, false, nullptr, "xterm").on());
  EXPECT_FALSE(ChooseColours(ColourChoice::kNever, true, nullptr, "xterm").on());
  EXPECT_TRUE(ChooseColours(ColourChoice::kAlways, false, "1", "dumb").on());
}

TEST(HomeFolder, OptionThenEnvironmentInOrder) {
  std::map<std::string, std::string> env;
  EnvironmentLookup lookup = [&env](const char* name) -> const char* {
    auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  };
  EXPECT_EQ(ResolveHomeFolder(std::nullopt, lookup), "");
  env["HOME"] = "/u";
  EXPECT_EQ(ResolveHomeFolder(std::nullopt, lookup), "/u/.local/share/zentrix");
  env["XDG_DATA_HOME"] = "";  // empty counts as unset
  EXPECT_EQ(ResolveHomeFolder(std::nullopt, lookup), "/u/.local/share/zentrix");
  env["XDG_DATA_HOME"] = "/data";
  EXPECT_EQ(ResolveHomeFolder(std::nullopt, lookup), "/data/zentrix");
  env["ZENTRIX_HOME"] = "/z";
  EXPECT_EQ(ResolveHomeFolder(std::nullopt, lookup), "/z");
  EXPECT_EQ(ResolveHomeFolder(std::string("/opt"), lookup), "/opt");
}

int RunProgram(const std::vector<std::string>& args, const std::string& input, std::string& out,
               std::string& err) {
  std::istringstream in(input);
  std::ostringstream o, e;
  int status = RunCli(args, {in, o, e});
  out = o.str();
  err = e.str();
  return status;
}

TEST(ProgramOptions, EntriesFromAFileReadLikeStandardInput) {
  const std::string path = std::string(ZENTRIX_BINARY_DIR) + "/cli_entries_test.txt";
  std::ofstream(path) << "x=4\n:number-mode decimal\nx/8\n2+)\n";
  std::string out, err;
  EXPECT_EQ(RunProgram({"-f", path}, "ignored\n", out, err), 1);
  EXPECT_EQ(out, "4\n0.5\nError: Not enough parenthesis found.\n");
  std::remove(path.c_str());
  EXPECT_EQ(RunProgram({"-f", path}, "", out, err), 2);
  EXPECT_EQ(err, "zentrix-cli: cannot read " + path + ": No such file or directory\n");
}

TEST(ProgramOptions, ColourWrapsEachAnswerLine) {
  std::string out, err;
  EXPECT_EQ(RunProgram({"--color=always", "--format=pretty", "1+1", "x/2", "2+)"}, "", out, err),
            1);
  EXPECT_EQ(out,
            "\x1b[94m2\x1b[0m\n\n"
            "\x1b[94m x\x1b[0m\n\x1b[94m───\x1b[0m\n\x1b[94m 2\x1b[0m\n\n"
            "\x1b[31mError: Not enough parenthesis found.\x1b[0m\n");
}

}  // namespace
}  // namespace zentrix::cli
