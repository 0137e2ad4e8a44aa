// The screens as the program draws them, in Small and Large skins of each
// style, compared with reference pictures. The calculator is drawn in every
// skin, after a few entries were solved.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "draw/draw_context.h"
#include "platform/headless_platform.h"
#include "platform/home_folder.h"
#include "shell/automation/script_runner.h"
#include "shell/program/calculator_program.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"
#include "ui/testing/reference_image.h"

namespace zentrix::shell {
namespace {

class ThenCompare : public platform::EventSource {
 public:
  ThenCompare(ScriptRunner* runner, std::function<void()> compare)
      : runner_(runner), compare_(std::move(compare)) {}
  bool Feed(platform::HeadlessPlatform& platform) override {
    if (runner_->Feed(platform)) return true;
    if (compare_) std::exchange(compare_, nullptr)();
    return false;
  }

 private:
  ScriptRunner* runner_;
  std::function<void()> compare_;
};

struct Case {
  const char* name;
  int width;
  int height;
  int style;
  int screen;
  const char* script = "";  // run after the screen is shown
};

// Entries whose answers show a fraction, powers, a root over a sum and a
// matrix; the view then scrolls to the new entry at the bottom.
constexpr char kCalculatorSession[] =
    "type 3/12+1/2\nmenu Solve\n"
    "type Expand((x+1)^3)\nmenu Solve\n"
    "type sqrt(8)/(x-1)\nmenu Solve\n"
    "type {{1,2},{3,4}}\nmenu Solve\n";

// The tutorial overlay over the calculator: a step that points at a pad key
// after one entry was solved under the tutorial.
constexpr char kTutorialSession[] =
    "click tutorials\nclick Calculator 1: Basics\nclick button:next\n"
    "click key:3\nclick key:/\nclick key:1\nclick key:2\nmenu Solve\n";

class ScreenReferenceTest : public ::testing::TestWithParam<Case> {};

TEST_P(ScreenReferenceTest, MatchesItsPicture) {
  const Case c = GetParam();
  draw::ScopedDrawContextReset draw;
  ui::ScopedUiStateReset ui;
  ui::ScopedSettingsReset settings;
  ui::Settings().first_run = false;  // no first-run tutorial over the screen
  const auto home = std::filesystem::path(ZENTRIX_BINARY_DIR) / "screen_reference_test" /
                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::filesystem::remove_all(home);
  std::string error;
  ASSERT_TRUE(platform::PrepareHomeFolder(home.string(), &error)) << error;

  platform::HeadlessPlatform platform;
  ApplicationConfig config;
  config.platform = &platform;
  config.home_folder = home.string();
  config.screen_width = c.width;
  config.screen_height = c.height;
  config.windowed = true;
  ProgramOptions options;
  options.skins = std::string(ZENTRIX_BINARY_DIR) + "/skins";
  options.style_index = c.style;
  CalculatorProgram program(config, options);
  ScriptParse script =
      ParseScript("screen " + std::to_string(c.screen) + "\n" + c.script + "frames 1\n");
  ASSERT_EQ(script.error_line, 0) << script.error;
  ScriptRunner runner(std::move(script.lines), &program);
  std::string problem = "not compared";
  ThenCompare source(&runner, [&] {
    problem = ui::testing::CompareWithReference(
        program.Display().BackBuffer(), std::string(ZENTRIX_SOURCE_DIR) + "/src/shell/testdata",
        c.name, ZENTRIX_BINARY_DIR);
  });
  platform.SetSource(&source);
  ASSERT_EQ(program.Run(), 0);
  EXPECT_TRUE(problem.empty()) << problem;
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenReferenceTest,
    ::testing::Values(
        Case{"settings_small_bright", 240, 320, 1, kSettingsScreen},
        Case{"settings_large_classic", 480, 640, 0, kSettingsScreen},
        Case{"about_small_classic", 240, 320, 0, kAboutScreen},
        Case{"about_large_bright", 480, 640, 1, kAboutScreen},
        Case{"calculator_small_bright", 240, 320, 1, kCalculatorScreen, kCalculatorSession},
        Case{"calculator_small_classic", 240, 320, 0, kCalculatorScreen, kCalculatorSession},
        Case{"calculator_large_bright", 480, 640, 1, kCalculatorScreen, kCalculatorSession},
        Case{"calculator_large_classic", 480, 640, 0, kCalculatorScreen, kCalculatorSession},
        Case{"screenshots_small_classic", 240, 320, 0, kScreenshotsScreen},
        Case{"screenshots_large_bright", 480, 640, 1, kScreenshotsScreen},
        Case{"buttons_small_bright", 240, 320, 1, kButtonsScreen},
        Case{"buttons_large_classic", 480, 640, 0, kButtonsScreen},
        Case{"tutorial_small_classic", 240, 320, 0, kCalculatorScreen, kTutorialSession},
        Case{"tutorial_large_bright", 480, 640, 1, kCalculatorScreen, kTutorialSession}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrix::shell
