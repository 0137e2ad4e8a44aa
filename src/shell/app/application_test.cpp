#include "shell/app/application.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "draw/draw_context.h"
#include "platform/headless_platform.h"
#include "platform/key_codes.h"
#include "platform/single_instance.h"

namespace zentrix::shell {
namespace {

using platform::Event;
using platform::EventType;

// A headless platform that remembers the end-of-run message and can refuse
// to show a screen.
class FakePlatform : public platform::HeadlessPlatform {
 public:
  bool screen_fails = false;
  std::string message_title;
  std::string message_text;

  bool OpenScreen(std::string* reason) override {
    if (screen_fails) {
      *reason = "no display";
      return false;
    }
    return HeadlessPlatform::OpenScreen(reason);
  }
  void ShowMessageBox(const std::string& title, const std::string& text) override {
    message_title = title;
    message_text = text;
  }
};

// Feeds a fixed list of steps: each is either an event or a number of frames.
class Steps : public platform::EventSource {
 public:
  struct Step {
    std::optional<Event> event;
    int frames = 0;
  };
  std::vector<Step> steps;
  std::size_t next = 0;
  bool Feed(platform::HeadlessPlatform& p) override {
    if (next >= steps.size()) return false;
    const Step& s = steps[next++];
    if (s.event) p.Queue(*s.event);
    if (s.frames) p.OweFrames(s.frames);
    return true;
  }
  void Add(EventType type, int key = 0, bool repeat = false) {
    Event e;
    e.type = type;
    e.key = key;
    e.repeat = repeat;
    steps.push_back({e, 0});
  }
  void AddAt(EventType type, int x, int y) {
    Event e;
    e.type = type;
    e.x = x;
    e.y = y;
    steps.push_back({e, 0});
  }
  void Frames(int n) { steps.push_back({std::nullopt, n}); }
};

class Probe : public Application {
 public:
  using Application::Application;
  std::vector<std::uint32_t> frame_flags;
  std::vector<int> keys;
  std::vector<int> keys_up;
  std::vector<std::pair<int, int>> stylus_ups;
  int wheels = 0;
  int initialised = 0;
  int destroyed = 0;
  int suspended = 0;
  int resumed = 0;
  draw::DrawResult initialise_result = draw::kOk;

 protected:
  draw::DrawResult Initialise() override {
    ++initialised;
    return initialise_result;
  }
  draw::DrawResult Frame(draw::Surface&, std::uint32_t flags) override {
    frame_flags.push_back(flags);
    return draw::kOk;
  }
  void KeyDown(const Event& key, const draw::KeyList&) override { keys.push_back(key.key); }
  void KeyUp(const Event& key, const draw::KeyList&) override { keys_up.push_back(key.key); }
  void StylusUp(int x, int y) override { stylus_ups.emplace_back(x, y); }
  void Wheel(int, int, int) override { ++wheels; }
  void OnSuspend() override { ++suspended; }
  void OnResume() override { ++resumed; }
  void Destroy() override { ++destroyed; }
};

class ApplicationTest : public ::testing::Test {
 protected:
  ApplicationConfig Config(bool windowed = true) {
    ApplicationConfig config;
    config.platform = &platform_;
    config.windowed = windowed;
    return config;
  }
  draw::ScopedDrawContextReset reset_;
  FakePlatform platform_;
  Steps steps_;
};

TEST(ErrorTextTest, StatusesWithTextsOfTheirOwn) {
  EXPECT_EQ(ErrorTextFor("Could not open display.", draw::kNot16BitDisplay),
            "This application requires a 16-bit Pocket PC or Smartphone.");
  EXPECT_EQ(ErrorTextFor("Could not open display.", draw::kDisplayLibraryMissing),
            "Missing or incorrect file: \"gx.dll\". Please copy this file to the \\windows folder "
            "on this device.");
  EXPECT_EQ(ErrorTextFor("Could not open display.", draw::kInvalidArgument),
            "Could not open display.\nError code=0x80070057.");
  EXPECT_EQ(ErrorTextFor("Out of memory.", 0), "Out of memory.");
  EXPECT_EQ(ErrorTextFor(nullptr, 5), "Invalid error code description.");
}

TEST_F(ApplicationTest, MissingDisplayEndsWithItsMessageAndDrawsNothing) {
  platform_.screen_fails = true;
  Probe app(Config());
  testing::internal::CaptureStderr();
  EXPECT_EQ(app.Run(), draw::kDisplayLibraryMissing);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("no display"), std::string::npos);
  EXPECT_EQ(platform_.message_title, "Error");
  EXPECT_NE(platform_.message_text.find("gx.dll"), std::string::npos);
  EXPECT_EQ(app.initialised, 0);
  EXPECT_TRUE(app.frame_flags.empty());
  EXPECT_EQ(app.destroyed, 1);  // the derived program decides what to save
}

TEST_F(ApplicationTest, InvalidConfigurationIsReported) {
  ApplicationConfig config = Config();
  config.title.clear();
  Probe app(config);
  EXPECT_EQ(app.Run(), kFailure);
  EXPECT_EQ(platform_.message_text, "Invalid configuration.");
}

TEST_F(ApplicationTest, RunsFramesWhileActiveAndEndsOnQuit) {
  platform_.SetSource(&steps_);
  steps_.Frames(3);
  Probe app(Config());
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(app.initialised, 1);
  EXPECT_EQ(app.frame_flags.size(), 3u);
  EXPECT_EQ(platform_.FramesPresented(), 3u);
  EXPECT_TRUE(platform_.message_title.empty());
  // Paced at 30 frames a second on the virtual clock.
  EXPECT_GE(platform_.Ticks(), 99u);
}

TEST_F(ApplicationTest, NegativeInitialiseEndsBeforeTheFirstFrame) {
  platform_.SetSource(&steps_);
  steps_.Frames(3);
  Probe app(Config());
  app.initialise_result = draw::kInvalidArgument;
  EXPECT_EQ(app.Run(), 0);
  EXPECT_TRUE(app.frame_flags.empty());
}

TEST_F(ApplicationTest, KeysIgnoreAutoRepeatAndCode132) {
  platform_.SetSource(&steps_);
  steps_.Add(EventType::kKeyDown, platform::vk::kLeft);
  steps_.Add(EventType::kKeyDown, platform::vk::kLeft);         // still held
  steps_.Add(EventType::kKeyDown, platform::vk::kRight, true);  // the system's repeat
  steps_.Add(EventType::kKeyDown, 132);
  steps_.Add(EventType::kKeyUp, platform::vk::kLeft);
  steps_.Add(EventType::kKeyDown, platform::vk::kLeft);
  Probe app(Config());
  app.Run();
  EXPECT_EQ(app.keys, (std::vector<int>{platform::vk::kLeft, platform::vk::kLeft}));
}

TEST_F(ApplicationTest, FullScreenSuspendsInTheBackgroundAndMarksTheFirstFrameBack) {
  platform_.SetSource(&steps_);
  steps_.Frames(1);
  steps_.Add(EventType::kDeactivate);
  steps_.Frames(3);  // idle waits: nothing drawn
  steps_.Add(EventType::kActivate);
  steps_.Frames(2);
  Probe app(Config(false));
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(app.suspended, 1);
  EXPECT_EQ(app.resumed, 2);  // the start counts as becoming active
  ASSERT_EQ(app.frame_flags.size(), 3u);
  EXPECT_EQ(app.frame_flags[0] & frame_flags::kAfterIdle, 0u);
  EXPECT_NE(app.frame_flags[2] & frame_flags::kAfterIdle, 0u);
}

TEST_F(ApplicationTest, LosingTheForegroundLetsGoOfHeldKeysAndTheStylus) {
  // The key and the button are released in another window; without the
  // release the key would count as held and its next press be lost.
  platform_.SetSource(&steps_);
  steps_.Add(EventType::kKeyDown, platform::vk::kBackspace);
  steps_.AddAt(EventType::kStylusDown, 5, 6);
  steps_.AddAt(EventType::kStylusMove, 7, 8);
  steps_.Add(EventType::kDeactivate);
  steps_.Add(EventType::kActivate);
  steps_.Add(EventType::kKeyDown, platform::vk::kBackspace);
  Probe app(Config());
  app.Run();
  EXPECT_EQ(app.keys, (std::vector<int>{platform::vk::kBackspace, platform::vk::kBackspace}));
  EXPECT_EQ(app.keys_up, std::vector<int>{platform::vk::kBackspace});
  EXPECT_EQ(app.stylus_ups, (std::vector<std::pair<int, int>>{{7, 8}}));
}

TEST_F(ApplicationTest, AWheelOverAWindowInTheBackgroundRedrawsItOnce) {
  platform_.SetSource(&steps_);
  steps_.Frames(1);
  steps_.Add(EventType::kDeactivate);
  steps_.Frames(2);
  steps_.Add(EventType::kWheel, 1);
  steps_.Frames(3);
  Probe app(Config());
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(app.wheels, 1);
  EXPECT_EQ(app.frame_flags.size(), 2u);
}

TEST_F(ApplicationTest, ASecondCopyEndsAtOnceWithZero) {
  const auto home = std::filesystem::path(ZENTRIX_BINARY_DIR) / "application_test_home" /
                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::filesystem::create_directories(home);
  platform::SingleInstance first;
  ASSERT_EQ(first.ClaimFor(home.string()), platform::SingleInstance::Claim::kFirst);
  platform::SingleInstance second;
  ApplicationConfig config = Config();
  config.instance = &second;
  config.home_folder = home.string();
  Probe app(config);
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(app.initialised, 0);
  EXPECT_EQ(platform_.FramesPresented(), 0u);
  EXPECT_TRUE(first.TakeRaiseRequest());
}

}  // namespace
}  // namespace zentrix::shell
