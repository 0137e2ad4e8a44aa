#include "draw/frame_timer.h"

#include <gtest/gtest.h>

#include "draw/display.h"
#include "draw/draw_context.h"
#include "draw/input_keys.h"
#include "platform/headless_platform.h"
#include "platform/key_codes.h"

namespace zentrix::draw {
namespace {

TEST(FrameTimerTest, ZeroMeansThirtyWithoutPacingAndNeverSleeps) {
  platform::HeadlessPlatform clock;
  FrameTimer timer(&clock);
  ASSERT_EQ(timer.Start(0), kOk);
  EXPECT_EQ(timer.TargetRate(), 30);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(timer.WaitForNextFrame(), kOk);
  EXPECT_EQ(clock.Ticks(), 0u);
}

TEST(FrameTimerTest, PacesToTheDueTimeAndRestartsALateRun) {
  platform::HeadlessPlatform clock;
  FrameTimer timer(&clock);
  ASSERT_EQ(timer.Start(20), kOk);  // 50 ms a frame
  clock.Sleep(100);
  EXPECT_EQ(timer.WaitForNextFrame(), kFrameLate);
  EXPECT_EQ(clock.Ticks(), 100u);  // no sleep when late
  // The run restarted at 100: the next frame is due at 150.
  clock.Sleep(10);
  EXPECT_EQ(timer.WaitForNextFrame(), kOk);
  EXPECT_EQ(clock.Ticks(), 150u);
  EXPECT_EQ(timer.WaitForNextFrame(), kOk);
  EXPECT_EQ(clock.Ticks(), 200u);
}

TEST(FrameTimerTest, MeasuresTheActualRateEveryRateFrames) {
  platform::HeadlessPlatform clock;
  FrameTimer timer(&clock);
  ASSERT_EQ(timer.Start(10), kOk);
  for (int i = 0; i < 10; ++i) {
    clock.Sleep(200);  // every frame five times too slow
    timer.WaitForNextFrame();
  }
  EXPECT_NEAR(timer.ActualRate(), 5.0, 0.01);
  EXPECT_EQ(timer.Start(-1), kInvalidArgument);
}

class FailingScreen : public platform::HeadlessPlatform {
 public:
  bool OpenScreen(std::string* reason) override {
    *reason = "no window system";
    return false;
  }
};

TEST(DisplayTest, OpenChecksItsArgumentsAndState) {
  ScopedDrawContextReset reset;
  platform::HeadlessPlatform window;
  window.CreateMainWindow({"t", 240, 320, 1, false});
  Display display;
  EXPECT_EQ(display.Open(nullptr, 0, 480, 640, 0), kInvalidArgument);
  EXPECT_EQ(display.Open(&window, 0, 480, 640, 8), kInvalidArgument);
  ASSERT_EQ(display.Open(&window, 0x8020, 480, 640, 16), kOk);
  EXPECT_EQ(display.BackBuffer().Width(), 240);  // the screen's own size
  EXPECT_EQ(display.Open(&window, 0, 480, 640, 0), kDisplayAlreadyOpen);
  EXPECT_EQ(display.Flip(), kOk);
  EXPECT_EQ(window.FramesPresented(), 1u);
  EXPECT_EQ(display.Suspend(), kOk);
  EXPECT_EQ(display.Flip(), kDisplayNotReady);
  EXPECT_EQ(display.Resume(), kOk);
  EXPECT_EQ(display.Close(), kOk);
  EXPECT_FALSE(Context().display_open);
  EXPECT_EQ(display.Flip(), kDisplayNotReady);

  FailingScreen none;
  none.CreateMainWindow({"t", 240, 320, 1, false});
  testing::internal::CaptureStderr();
  EXPECT_EQ(display.Open(&none, 0, 480, 640, 0), kDisplayLibraryMissing);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("no window system"), std::string::npos);
  EXPECT_FALSE(Context().display_open);
}

TEST(InputKeysTest, OpensOnceAndTurnsDirectionsWithTheScreen) {
  platform::HeadlessPlatform platform;
  InputKeys keys;
  EXPECT_EQ(keys.Open(nullptr), kDisplayLibraryMissing);
  ASSERT_EQ(keys.Open(&platform), kOk);
  EXPECT_EQ(keys.Open(&platform), kInputAlreadyOpen);
  keys.Close();
  EXPECT_EQ(keys.Open(&platform), kOk);

  namespace vk = platform::vk;
  const KeyList natural = InputKeys::DefaultKeysFor(1);
  EXPECT_EQ(natural.up, vk::kUp);
  EXPECT_EQ(natural.buttons[0], vk::kF4);  // shown as "D"
  EXPECT_EQ(natural.buttons[1], vk::kF1);  // shown as "A"
  const KeyList half = InputKeys::DefaultKeysFor(4);
  EXPECT_EQ(half.up, vk::kDown);
  EXPECT_EQ(half.left, vk::kRight);
  // A quarter turn each way: opposite directions stay opposite, and the two
  // quarter turns are each other's inverse.
  const KeyList a = InputKeys::DefaultKeysFor(2);
  const KeyList b = InputKeys::DefaultKeysFor(8);
  EXPECT_EQ(a.up, b.down);
  EXPECT_EQ(a.left, b.right);
  EXPECT_NE(a.up, a.down);
}

}  // namespace
}  // namespace zentrix::draw
