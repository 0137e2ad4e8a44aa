// The screens as the program draws them, in Small and Large skins of each
// style, compared with reference pictures. The calculator is drawn in every
// skin, after a few entries were solved.

#include <gtest/gtest.h>

#include "shell/program/screen_index.h"
#include "shell/testing/screen_reference_support.h"

namespace zentrix::shell {
namespace {

using testsupport::ScreenCase;
using Case = ScreenCase;

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
  EXPECT_EQ(testsupport::DrawScreenAndCompare(GetParam(), "src/shell/testdata"), "");
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
