// Both graphers and the tutorial overlay at the screen sizes where their
// layouts differ: portrait, landscape (the plot's toolbar at the right) and
// square (the time editor's two columns), Small and Large, in both styles.

#include <gtest/gtest.h>

#include "shell/program/screen_index.h"
#include "shell/testing/screen_reference_support.h"

namespace zentrix::shell {
namespace {

using Case = testsupport::ScreenCase;

// Two functions typed into the 2D graph list.
#define TWO_FUNCTIONS                     \
  "click add\nclick Function\nframes 1\n" \
  "click text box:\ntype sin(x)\n"        \
  "click add\nclick Function\nframes 1\n" \
  "click text box:\ntype x^2/4-1\nframes 1\n"

constexpr char kGraphList[] = TWO_FUNCTIONS;
constexpr char kWindowTab[] = TWO_FUNCTIONS "click Window\nframes 1\n";
constexpr char kTimeTab[] = TWO_FUNCTIONS "click Time\nframes 1\n";
constexpr char kTableTab[] = TWO_FUNCTIONS "click Table\n";
// The first frame of the tab: colour selectors must already leave room for
// their labels.
constexpr char kDisplayTab[] = TWO_FUNCTIONS "click Display\n";
// Traced near the first maximum left of the y axis, maxima marked.
constexpr char kTraceSmallLandscape[] =
    TWO_FUNCTIONS "menu Plot\nframes 1\nclick tracing\nclick maxima\ntap 100 120\n";
constexpr char kTraceLargePortrait[] =
    TWO_FUNCTIONS "menu Plot\nframes 1\nclick tracing\nclick maxima\ntap 190 300\n";

#undef TWO_FUNCTIONS

constexpr char kSurfacePlot[] =
    "click add\nclick Function\nframes 1\nclick text box:\ntype sin(x)*cos(y)\n"
    "menu Plot\nframes 1\n";
constexpr char kSurfaceDisplay[] = "click add\nclick Function\nframes 1\nclick Display\nframes 1\n";

// The overlay over each screen, pointing at a control.
constexpr char kTutorialOverGrapher[] = "click tutorials\nclick button:next\nframes 1\n";
constexpr char kTutorialOverCalculator[] =
    "click tutorials\nclick Calculator 1: Basics\nclick button:next\nframes 1\n";

class GrapherSizesReferenceTest : public ::testing::TestWithParam<Case> {};

TEST_P(GrapherSizesReferenceTest, MatchesItsPicture) {
  EXPECT_EQ(testsupport::DrawScreenAndCompare(GetParam(), "src/shell/testdata/grapher_sizes"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Graphers, GrapherSizesReferenceTest,
    ::testing::Values(
        Case{"graph2d_list_240x320_classic", 240, 320, 0, kGrapher2DScreen, kGraphList},
        Case{"graph2d_window_320x240_bright", 320, 240, 1, kGrapher2DScreen, kWindowTab},
        Case{"graph2d_time_240x240_bright", 240, 240, 1, kGrapher2DScreen, kTimeTab},
        Case{"graph2d_time_640x480_classic", 640, 480, 0, kGrapher2DScreen, kTimeTab},
        Case{"graph2d_table_320x240_classic", 320, 240, 0, kGrapher2DScreen, kTableTab},
        Case{"graph2d_table_480x640_bright", 480, 640, 1, kGrapher2DScreen, kTableTab},
        Case{"graph2d_display_240x320_classic", 240, 320, 0, kGrapher2DScreen, kDisplayTab},
        Case{"graph2d_display_240x240_bright", 240, 240, 1, kGrapher2DScreen, kDisplayTab},
        Case{"graph2d_trace_320x240_classic", 320, 240, 0, kGrapher2DScreen, kTraceSmallLandscape},
        Case{"graph2d_trace_480x640_bright", 480, 640, 1, kGrapher2DScreen, kTraceLargePortrait},
        Case{"graph3d_plot_240x320_bright", 240, 320, 1, kGrapher3DScreen, kSurfacePlot},
        Case{"graph3d_plot_640x480_classic", 640, 480, 0, kGrapher3DScreen, kSurfacePlot},
        Case{"graph3d_display_320x240_classic", 320, 240, 0, kGrapher3DScreen, kSurfaceDisplay},
        Case{"tutorial_graph2d_240x320_classic", 240, 320, 0, kGrapher2DScreen,
             kTutorialOverGrapher},
        Case{"tutorial_graph3d_640x480_bright", 640, 480, 1, kGrapher3DScreen,
             kTutorialOverGrapher},
        Case{"tutorial_calculator_240x240_classic", 240, 240, 0, kCalculatorScreen,
             kTutorialOverCalculator},
        Case{"tutorial_calculator_320x240_bright", 320, 240, 1, kCalculatorScreen,
             kTutorialOverCalculator}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrix::shell
