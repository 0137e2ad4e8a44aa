// The calculator screen at the screen sizes whose layouts differ (portrait,
// landscape and square, Small and Large) in both styles, compared with
// reference pictures: the notebook with solved entries, pad pages, the
// on-screen keyboard, New's question and the save dialog. (The file list is
// left out: its items show the files' dates.)

#include <gtest/gtest.h>

#include "shell/program/screen_index.h"
#include "shell/testing/screen_reference_support.h"

namespace zentrix::shell {
namespace {

using Case = testsupport::ScreenCase;

// A wide answer with its right arrow, an error message, a fraction and a
// matrix, then a syntax help that wraps (the help keeps the focus on its
// entry, so it comes last).
constexpr char kNotebook[] =
    "type Expand((x+1)^9)\nmenu Solve\n"
    "type nCr(200,100)\nmenu Solve\n"
    "type 3/12+1/2\nmenu Solve\n"
    "type {{1,2},{3,4}}\nmenu Solve\n"
    "type Limit(\nmenu Solve\n";

// A variable for the variables page, then the page.
constexpr char kVariablesPage[] = "type a=1\nmenu Solve\nclick key:page 5\n";

class CalculatorSizesTest : public ::testing::TestWithParam<Case> {};

TEST_P(CalculatorSizesTest, MatchesItsPicture) {
  EXPECT_EQ(testsupport::DrawScreenAndCompare(GetParam(), "src/shell/testdata/calculator_sizes"),
            "");
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, CalculatorSizesTest,
    ::testing::Values(
        // The notebook: portrait, landscape (the 9 x 5 pad) and square (the
        // shorter first pages) in Small and Large.
        Case{"notebook_240x320_classic", 240, 320, 0, kCalculatorScreen, kNotebook},
        Case{"notebook_480x640_bright", 480, 640, 1, kCalculatorScreen, kNotebook},
        Case{"notebook_320x240_bright", 320, 240, 1, kCalculatorScreen, kNotebook},
        Case{"notebook_640x480_classic", 640, 480, 0, kCalculatorScreen, kNotebook},
        Case{"notebook_240x240_classic", 240, 240, 0, kCalculatorScreen, kNotebook},
        Case{"notebook_240x240_bright", 240, 240, 1, kCalculatorScreen, kNotebook},
        // Pad pages whose long labels take two keys, and the square pads'
        // second page and a full-height page over the notebook.
        Case{"page2_240x320_classic", 240, 320, 0, kCalculatorScreen, "click key:page 2\n"},
        Case{"page6_240x320_bright", 240, 320, 1, kCalculatorScreen, "click key:page 6\n"},
        Case{"page2_320x240_classic", 320, 240, 0, kCalculatorScreen, "click key:page 2\n"},
        Case{"page5_640x480_bright", 640, 480, 1, kCalculatorScreen, kVariablesPage},
        Case{"page1_240x240_bright", 240, 240, 1, kCalculatorScreen, "click key:2nd\n"},
        Case{"page1_240x240_classic", 240, 240, 0, kCalculatorScreen, "click key:2nd\n"},
        Case{"page4_240x240_classic", 240, 240, 0, kCalculatorScreen, "click key:page 4\n"},
        // The keyboard in the pad's place, New's question, the save dialog.
        Case{"keyboard_320x240_bright", 320, 240, 1, kCalculatorScreen, "click keyboard\n"},
        Case{"keyboard_240x240_classic", 240, 240, 0, kCalculatorScreen, "click keyboard\n"},
        Case{"new_240x240_classic", 240, 240, 0, kCalculatorScreen,
             "type 1+1\nmenu Solve\nmenu File/New\n"},
        Case{"new_480x640_bright", 480, 640, 1, kCalculatorScreen,
             "type 1+1\nmenu Solve\nmenu File/New\n"},
        Case{"save_240x320_classic", 240, 320, 0, kCalculatorScreen,
             "menu File/Save As...\ntype Homework\n"},
        Case{"save_640x480_bright", 640, 480, 1, kCalculatorScreen,
             "menu File/Save As...\ntype a/b\nclick button:Save\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrix::shell
