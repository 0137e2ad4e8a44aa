#include "graphing/model/time_settings.h"

#include <gtest/gtest.h>

#include "engine/core/charset.h"
#include "engine/core/engine_state.h"

namespace zentrix::graphing {
namespace {

TimeState Bounded(double tmin, double tmax, double step, bool loop, PlayMode mode) {
  TimeState s;
  s.tmin = tmin;
  s.tmax = tmax;
  s.step = step;
  s.unbounded = false;
  s.loop = loop;
  s.play_mode = mode;
  s.playing = true;
  s.t = tmin;
  return s;
}

TEST(TimeSettingsTest, DefaultsAndApplyOrder) {
  engine::ScopedEngineState state;
  TimeSettings settings;
  EXPECT_EQ(settings.text(TimeSettings::kTstep), u"0.5");
  EXPECT_EQ(settings.text(TimeSettings::kControlsStep), u"0.05");
  EXPECT_TRUE(settings.unbounded);
  EXPECT_TRUE(settings.loop);
  EXPECT_EQ(settings.play_mode, PlayMode::kStartToEnd);

  // Tmax is not even read while Unbounded is on.
  settings.SetText(TimeSettings::kTmax, chars::U16("("));
  EXPECT_TRUE(settings.Apply().ok);
  settings.unbounded = false;
  EXPECT_EQ(settings.Apply().message, u"Error solving Tmax");
  settings.SetText(TimeSettings::kTmin, chars::U16("1/0"));
  settings.SetText(TimeSettings::kTstep, chars::U16("2π"));
  EXPECT_EQ(settings.Apply().message, u"Error solving Tmin");
  EXPECT_EQ(settings.tstep(), 0.5);  // nothing applied
  settings.SetText(TimeSettings::kTstep, chars::U16("x"));
  EXPECT_EQ(settings.Apply().message, u"Error solving Tstep");
}

TEST(TimeStateTest, StartToEndWrapsAndUnboundedRunsOn) {
  TimeState s = Bounded(0, 1, 0.4, true, PlayMode::kStartToEnd);
  s.Advance();
  s.Advance();
  EXPECT_DOUBLE_EQ(s.t, 0.8);
  s.Advance();  // 1.2 > 1
  EXPECT_EQ(s.t, 0.0);
  s.unbounded = true;
  for (int i = 0; i < 10; ++i) s.Advance();
  EXPECT_NEAR(s.t, 4.0, 1e-12);
  EXPECT_TRUE(s.playing);
}

TEST(TimeStateTest, BackAndForthTurnsOneStepBeforeEitherEnd) {
  TimeState s = Bounded(0, 1, 0.5, true, PlayMode::kBackAndForth);
  std::vector<double> ts;
  std::vector<int> directions;
  for (int i = 0; i < 5; ++i) {
    s.Advance();
    ts.push_back(s.t);
    directions.push_back(s.direction);
  }
  EXPECT_EQ(ts, (std::vector<double>{0.5, 1.0, 0.5, 0.0, 0.5}));
  EXPECT_EQ(directions, (std::vector<int>{1, -1, -1, 1, 1}));
}

TEST(TimeStateTest, WithoutLoopPlayingStopsPastTmax) {
  TimeState s = Bounded(0, 1, 0.6, false, PlayMode::kBackAndForth);
  s.Advance();
  EXPECT_TRUE(s.playing);
  s.Advance();
  EXPECT_FALSE(s.playing);
  s.Rewind();
  EXPECT_EQ(s.t, 0.0);
}

TEST(TimeStateTest, ControlsChangeTheStepWithinTheRange) {
  TimeState s = Bounded(0, 1, 0.1, true, PlayMode::kStartToEnd);
  s.controls_step = 0.05;
  s.Slower();
  EXPECT_DOUBLE_EQ(s.step, 0.05);
  s.Slower();  // 0.05 − 0.05 is below 10⁻⁹: exactly 0, the animation freezes
  EXPECT_EQ(s.step, 0.0);
  const double t = s.t;
  s.Advance();
  EXPECT_EQ(s.t, t);
  EXPECT_TRUE(s.playing);
  s.Slower();
  EXPECT_DOUBLE_EQ(s.step, -0.05);  // plays backward
  // A step as large as the range is refused while bounded, taken unbounded.
  s.step = 0.98;
  s.Faster();
  EXPECT_EQ(s.step, 0.98);
  s.unbounded = true;
  s.Faster();
  EXPECT_DOUBLE_EQ(s.step, 1.03);
}

TEST(TimeStateTest, HugeStepsNeverHang) {
  TimeState s = Bounded(0, 100, 1e300, true, PlayMode::kStartToEnd);
  for (int i = 0; i < 3; ++i) s.Advance();
  EXPECT_EQ(s.t, 0.0);
  s.play_mode = PlayMode::kBackAndForth;
  for (int i = 0; i < 3; ++i) s.Advance();
  EXPECT_TRUE(s.playing);
}

TEST(TimeStateTest, AdoptTakesTheAppliedSettings) {
  TimeSettings settings;
  settings.unbounded = false;
  settings.play_mode = PlayMode::kBackAndForth;
  TimeState s;
  s.Adopt(settings);
  EXPECT_FALSE(s.unbounded);
  EXPECT_EQ(s.play_mode, PlayMode::kBackAndForth);
  EXPECT_EQ(s.step, 0.5);
  EXPECT_EQ(s.tmax, 100.0);
}

}  // namespace
}  // namespace zentrix::graphing
