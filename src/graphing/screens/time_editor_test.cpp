#include "graphing/screens/time_editor.h"

#include <gtest/gtest.h>

#include <cmath>

#include "graphing/screens/testing/panel_test_support.h"

namespace zentrix::graphing::screens {
namespace {

class TimeEditorTest : public testing::PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    editor_.SetAppliedHandler([this](const TimeSettings& s) { live_.Adopt(s); });
    editor_.Layout(draw::Rect{0, 40, 240, 300});
  }
  ui::TextBox& Box(TimeSettings::Field f) { return editor_.FieldBox(f); }

  TimeSettings settings_;
  TimeEditor editor_{settings_};
  TimeState live_;
};

TEST_F(TimeEditorTest, ShowsTheSettingsWithTheirLabels) {
  EXPECT_EQ(Box(TimeSettings::kTmin).Prefix(), u"Tmin=");
  EXPECT_EQ(Box(TimeSettings::kControlsStep).Prefix(), u"Time Controls Step=");
  EXPECT_EQ(Box(TimeSettings::kTstep).Text(), u"0.5");
  ui::WidgetList widgets;
  editor_.DescribeWidgets(widgets);
  for (const char16_t* text :
       {u"Options", u"Unbounded", u"Loop", u"Start To End", u"Back And Forth", u"Play Mode"}) {
    EXPECT_NE(ui::FindForClick(widgets, text), nullptr) << chars::ToUtf8(text);
  }
}

TEST_F(TimeEditorTest, UnboundedGreysTmaxAndLoopOffersThePlayModes) {
  EXPECT_TRUE(editor_.UnboundedBox().Checked());
  EXPECT_EQ(Box(TimeSettings::kTmax).TextColor(), 0x7D7D7Du);
  Tap(editor_, editor_.UnboundedBox());
  EXPECT_EQ(Box(TimeSettings::kTmax).TextColor(), 0xFFFFFFu);
  EXPECT_TRUE(editor_.PlayModeChoice().Enabled());
  Tap(editor_, editor_.LoopBox());
  EXPECT_FALSE(editor_.PlayModeChoice().Enabled());
  // A tap on a choice while Loop is off changes nothing.
  const draw::Rect back = editor_.PlayModeChoice().ItemRect(1);
  editor_.StylusDown({back.left + 3, back.top + 3});
  editor_.StylusUp({back.left + 3, back.top + 3});
  EXPECT_EQ(editor_.PlayModeChoice().Selected(), 0);
}

TEST_F(TimeEditorTest, ApplyCopiesEverythingIntoTheLiveState) {
  Tap(editor_, editor_.UnboundedBox());
  const draw::Rect back = editor_.PlayModeChoice().ItemRect(1);
  editor_.StylusDown({back.left + 3, back.top + 3});
  editor_.StylusUp({back.left + 3, back.top + 3});
  Type(Box(TimeSettings::kTmax), "2π");
  Type(Box(TimeSettings::kTstep), "1/4");
  Press(editor_, ui::keys::kEnter);
  EXPECT_TRUE(editor_.Message().empty());
  EXPECT_FALSE(settings_.unbounded);
  EXPECT_EQ(settings_.play_mode, PlayMode::kBackAndForth);
  EXPECT_DOUBLE_EQ(live_.tmax, 2 * M_PI);
  EXPECT_EQ(live_.step, 0.25);
  EXPECT_FALSE(live_.unbounded);
  EXPECT_EQ(live_.play_mode, PlayMode::kBackAndForth);
}

TEST_F(TimeEditorTest, FailuresFollowTheApplyOrderAndApplyNothing) {
  Type(Box(TimeSettings::kTmin), "(");
  Type(Box(TimeSettings::kTstep), "x");
  Type(Box(TimeSettings::kTmax), "+");
  Tap(editor_, editor_.UnboundedBox());  // now bounded: Tmax counts
  Tap(editor_, editor_.LoopBox());
  EXPECT_FALSE(editor_.Apply());
  EXPECT_EQ(editor_.Message(), u"Error solving Tstep");
  Type(Box(TimeSettings::kTstep), "1");
  EXPECT_FALSE(editor_.Apply());
  EXPECT_EQ(editor_.Message(), u"Error solving Tmin");
  Type(Box(TimeSettings::kTmin), "0");
  Type(Box(TimeSettings::kControlsStep), "");
  EXPECT_FALSE(editor_.Apply());
  EXPECT_EQ(editor_.Message(), u"Error solving Time Controls Step");
  Type(Box(TimeSettings::kControlsStep), "0.1");
  EXPECT_FALSE(editor_.Apply());
  EXPECT_EQ(editor_.Message(), u"Error solving Tmax");
  // Nothing of the failed steps took effect, check boxes included.
  EXPECT_EQ(settings_.tstep(), 0.5);
  EXPECT_TRUE(settings_.unbounded);
  EXPECT_TRUE(settings_.loop);
  EXPECT_EQ(live_.tmax, 100.0);

  // With Unbounded on, a bad Tmax is never evaluated.
  Tap(editor_, editor_.UnboundedBox());
  EXPECT_TRUE(editor_.Apply());
  EXPECT_FALSE(settings_.loop);
  EXPECT_EQ(settings_.tstep(), 1.0);
}

TEST_F(TimeEditorTest, RefreshShowsSettingsChangedElsewhere) {
  settings_.SetText(TimeSettings::kTmin, u"-5");
  settings_.loop = false;
  settings_.play_mode = PlayMode::kBackAndForth;
  editor_.Refresh();
  EXPECT_EQ(Box(TimeSettings::kTmin).Text(), u"-5");
  EXPECT_FALSE(editor_.LoopBox().Checked());
  EXPECT_EQ(editor_.PlayModeChoice().Selected(), 1);
  EXPECT_FALSE(editor_.PlayModeChoice().Enabled());
}

}  // namespace
}  // namespace zentrix::graphing::screens
