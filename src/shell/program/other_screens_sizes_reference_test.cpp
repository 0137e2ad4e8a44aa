// The settings, notes, screenshot, button-configuration and about screens at
// the sizes where their layouts differ: portrait, landscape and square, Small
// and Large skins, in both styles, each in a state that shows what the layout
// must hold (a palette open, strokes on a page, the save dialog, captures
// taken, a rebinding).

#include <gtest/gtest.h>

#include "shell/program/screen_index.h"
#include "shell/testing/screen_reference_support.h"

namespace zentrix::shell {
namespace {

using Case = testsupport::ScreenCase;

constexpr int kClassic = 0;
constexpr int kBright = 1;

// Two strokes on page 1, then a turn to page 2 and back: "Page: 1/2".
constexpr char kNotesStrokes[] =
    "down 40 100\nmove 60 120\nmove 90 110\nmove 120 160\nup 120 160\n"
    "down 30 150\nmove 200 150\nup 200 150\n"
    "click next page\nclick previous page\n";
constexpr char kNotesSaveAs[] = "menu File/Save As...\ntype trip\n";
// The A button bound to screenshots, two captures taken; the name box stays
// empty, so its grey hint shows.
constexpr char kScreenshotsTaken[] =
    "screen 6\nframes 1\nkey A\nscreen 5\nkey A\nframes 2\nkey A\nframes 2\n";
// A bound to Solve, then B to Plot/Close: the list shows both.
constexpr char kButtonsRebound[] = "frames 1\nkey down\nkey down\nkey down\nkey A\nkey up\nkey B\n";
constexpr char kSettingsPalette[] = "click Decimal\nclick colour selector:Answer\n";

class OtherScreensSizesTest : public ::testing::TestWithParam<Case> {};

TEST_P(OtherScreensSizesTest, MatchesItsPicture) {
  EXPECT_EQ(testsupport::DrawScreenAndCompare(GetParam(), "src/shell/testdata/other_sizes"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, OtherScreensSizesTest,
    ::testing::Values(
        Case{"settings_240x240_classic", 240, 240, kClassic, kSettingsScreen},
        Case{"settings_320x240_bright", 320, 240, kBright, kSettingsScreen},
        Case{"settings_640x480_classic_palette", 640, 480, kClassic, kSettingsScreen,
             kSettingsPalette},
        Case{"notes_240x320_classic", 240, 320, kClassic, kNotesScreen, kNotesStrokes},
        Case{"notes_240x240_bright", 240, 240, kBright, kNotesScreen, kNotesStrokes},
        Case{"notes_save_as_240x320_classic", 240, 320, kClassic, kNotesScreen, kNotesSaveAs},
        Case{"screenshots_240x320_bright", 240, 320, kBright, kScreenshotsScreen,
             kScreenshotsTaken},
        Case{"screenshots_240x240_classic", 240, 240, kClassic, kScreenshotsScreen,
             kScreenshotsTaken},
        Case{"screenshots_640x480_classic", 640, 480, kClassic, kScreenshotsScreen,
             kScreenshotsTaken},
        Case{"buttons_240x240_classic", 240, 240, kClassic, kButtonsScreen, kButtonsRebound},
        Case{"buttons_320x240_bright", 320, 240, kBright, kButtonsScreen, kButtonsRebound},
        Case{"about_240x240_bright", 240, 240, kBright, kAboutScreen},
        Case{"about_640x480_classic", 640, 480, kClassic, kAboutScreen}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrix::shell
