// The application buttons and the close button in the running program.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "draw/draw_context.h"
#include "platform/headless_platform.h"
#include "platform/home_folder.h"
#include "shell/automation/script_runner.h"
#include "shell/program/calculator_program.h"
#include "shell/testing/program_test_support.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"

namespace zentrix::shell {
namespace {

namespace fs = std::filesystem;

using testsupport::ReadFile;
using testsupport::ScriptThenCheck;

class ProgramButtonsTest : public testsupport::ProgramTest {
 protected:
  void Store(const std::string& values) {
    std::ofstream(home_ / "registry.txt") << "[Software\\Corvane\\Zentrix 2.0]\n" << values;
  }
  // Runs the script and calls `check` before the program ends.
  void Run(CalculatorProgram& program, const char* script, std::function<void()> check) {
    ScriptParse parse = ParseScript(script);
    ASSERT_EQ(parse.error_line, 0) << parse.error;
    ScriptRunner runner(std::move(parse.lines), &program);
    ScriptThenCheck source(&runner, std::move(check));
    platform_.SetSource(&source);
    ASSERT_EQ(program.Run(), 0);
    ASSERT_FALSE(runner.Failed()) << runner.Error();
  }
};

TEST_F(ProgramButtonsTest, CloseButtonInMinimizeModeMinimisesWithoutWritingTheSettings) {
  Store("CloseMinimize=dword:1\n");
  CalculatorProgram program(config_, options_);
  bool active = true, quitting = true;
  std::string registry;
  Run(program, "frames 1\nclick close\nframes 1\n", [&] {
    active = program.IsActive();
    quitting = program.QuitRequested();
    registry = ReadFile(home_ / "registry.txt");
  });
  EXPECT_FALSE(active);
  EXPECT_FALSE(quitting);
  EXPECT_EQ(registry.find("Precision="), std::string::npos) << registry;
}

TEST_F(ProgramButtonsTest, CloseButtonInCloseModeEndsTheProgram) {
  CalculatorProgram program(config_, options_);
  bool reached_the_end = false;
  // The program ends before the script's last frames have run.
  Run(program, "frames 1\nclick close\nframes 5\n", [&] { reached_the_end = true; });
  EXPECT_TRUE(program.QuitRequested());
  EXPECT_FALSE(reached_the_end);
}

TEST_F(ProgramButtonsTest, BoundKeysReachTheirHooksAndTheMinimiseCommand) {
  Store("Button3=dword:113\nButton4=dword:114\n");
  CalculatorProgram program(config_, options_);
  int solved = 0;
  program.ButtonCommandHooks().solve = [&] { ++solved; };
  bool active = true;
  Run(program, "frames 1\nkey B\nscreen 1\nkey B\nframes 1\nkey C\nframes 1\n",
      [&] { active = program.IsActive(); });
  EXPECT_EQ(solved, 1);  // on the calculator only
  EXPECT_FALSE(active);
}

TEST_F(ProgramButtonsTest, TheScreenshotScreenShowsTheLastFailureUntilASuccess) {
  Store("Button0=dword:112\nPhotoIndex=dword:3\n");
  std::ofstream(home_ / "My Documents") << "in the way";
  CalculatorProgram program(config_, options_);
  std::string failed, recovered;
  ScriptRunner second(ParseScript("key A\nframes 2\n").lines, &program);
  ScriptThenCheck then_second(&second, [&] { recovered = program.Dump(); });
  // After the first part the way is cleared, and the second part runs.
  class Both : public platform::EventSource {
   public:
    Both(platform::EventSource* first, platform::EventSource* second)
        : first_(first), second_(second) {}
    bool Feed(platform::HeadlessPlatform& platform) override {
      return first_->Feed(platform) || second_->Feed(platform);
    }

   private:
    platform::EventSource* first_;
    platform::EventSource* second_;
  };
  ScriptRunner first(ParseScript("screen 5\nframes 1\nkey A\nframes 2\n").lines, &program);
  ScriptThenCheck then_first(&first, [&] {
    failed = program.Dump();
    fs::remove(home_ / "My Documents");
  });
  Both both(&then_first, &then_second);
  platform_.SetSource(&both);
  ASSERT_EQ(program.Run(), 0);
  EXPECT_NE(failed.find("Could not"), std::string::npos) << failed;
  EXPECT_NE(failed.find("\"index\": 4"), std::string::npos) << failed;
  EXPECT_EQ(recovered.find("Could not"), std::string::npos) << recovered;
  EXPECT_TRUE(fs::exists(home_ / "My Documents/Corvane/ScreenShots/4.png"));
}

}  // namespace
}  // namespace zentrix::shell
