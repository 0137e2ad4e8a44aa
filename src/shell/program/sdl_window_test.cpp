// The program in a real SDL window (run under Xvfb by CI): the window's title
// and size; mouse clicks and a key sent through SDL's event queue that switch
// the screen, toggle the style and end the program from File/Exit, which saves
// the settings; and the frame that reaches the window compared with the back
// buffer.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "draw/color.h"
#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "draw/image_io.h"
#include "platform/home_folder.h"
#include "platform/key_codes.h"
#include "platform/sdl_platform.h"
#include "shell/program/calculator_program.h"
#include "ui/core/ui_state.h"
#include "ui/core/widget_info.h"
#include "ui/settings/program_settings.h"

namespace zentrix::shell {
namespace {

class WindowProbe : public CalculatorProgram {
 public:
  using CalculatorProgram::CalculatorProgram;

  std::vector<platform::Event> keys;
  std::vector<draw::Pixel> last_frame;
  int frames = 0;
  int scale = 2;
  std::vector<std::string> missed;  // widgets the probe could not find to click
  std::string title;
  int window_width = 0;
  int window_height = 0;

 protected:
  // Clicks the widget through SDL's queue, at its centre in window pixels
  // (SDL maps them back to device pixels).
  void Click(const char* kind, std::u16string_view text) {
    ui::WidgetList widgets;
    DescribeWidgets(widgets);
    const ui::WidgetInfo* found = ui::FindForClick(widgets, text, kind);
    if (!found) {
      missed.push_back(kind);
      return;
    }
    SDL_Window* window = static_cast<platform::SdlPlatform&>(Platform()).Window();
    for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
      SDL_Event e{};
      e.type = type;
      e.button.button = SDL_BUTTON_LEFT;
      e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
      e.button.x = (found->rect.left + found->rect.Width() / 2) * scale;
      e.button.y = (found->rect.top + found->rect.Height() / 2) * scale;
      e.button.windowID = SDL_GetWindowID(window);
      SDL_PushEvent(&e);
    }
  }

  draw::DrawResult Frame(draw::Surface& back_buffer, std::uint32_t flags) override {
    const draw::DrawResult r = CalculatorProgram::Frame(back_buffer, flags);
    last_frame.assign(back_buffer.Row(0),
                      back_buffer.Row(0) + back_buffer.RowPixels() * back_buffer.Height());
    switch (++frames) {
      case 2: {
        SDL_Window* window = static_cast<platform::SdlPlatform&>(Platform()).Window();
        title = SDL_GetWindowTitle(window);
        SDL_GetWindowSize(window, &window_width, &window_height);
        Click("screen bar", u"settings");
        SDL_Event key{};
        key.type = SDL_KEYDOWN;
        key.key.state = SDL_PRESSED;
        key.key.keysym.sym = SDLK_q;
        key.key.keysym.mod = KMOD_LSHIFT;
        SDL_PushEvent(&key);
        key.type = SDL_KEYUP;
        key.key.state = SDL_RELEASED;
        SDL_PushEvent(&key);
        break;
      }
      case 4: Click("screen bar", u"style"); break;
      case 6: Click("menu", u"File"); break;
      case 8: Click("menu item", u"Exit"); break;
      case 40: {  // the program should have ended long before
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        break;
      }
    }
    return r;
  }
  void KeyDown(const platform::Event& key, const draw::KeyList& list) override {
    keys.push_back(key);
    CalculatorProgram::KeyDown(key, list);
  }
};

TEST(SdlWindowTest, ShowsTheFrameAndTakesClicksAndKeysThroughSdl) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    GTEST_SKIP() << "no window system (CI runs this under xvfb-run)";
  }
  ui::ScopedSettingsReset settings;
  ui::Settings().first_run = false;  // no first-run tutorial over the screen
  const auto home = std::filesystem::path(ZENTRIX_BINARY_DIR) / "sdl_window_test" /
                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::filesystem::remove_all(home);
  std::string error;
  ASSERT_TRUE(platform::PrepareHomeFolder(home.string(), &error)) << error;

  platform::SdlPlatform sdl;
  sdl.KeepPresentedFrames(true);
  ApplicationConfig config;
  config.platform = &sdl;
  config.home_folder = home.string();
  config.windowed = true;
  ProgramOptions options;
  options.skins = std::string(ZENTRIX_BINARY_DIR) + "/skins";
  WindowProbe program(config, options);
  ASSERT_EQ(program.Run(), 0) << program.ErrorText();
  EXPECT_TRUE(program.missed.empty()) << program.missed.front();
  EXPECT_LT(program.frames, 20) << "File/Exit ended the program";
  EXPECT_EQ(program.title, "Zentrix 2.0");
  EXPECT_EQ(program.window_width, 480);  // 240 × 320 at the default zoom of 2
  EXPECT_EQ(program.window_height, 640);

  EXPECT_EQ(program.CurrentIndex(), kSettingsScreen) << "the click reached the screen bar";
  // The style toggle and File/Exit worked in the window, and the exit saved.
  std::ifstream registry(home / "registry.txt");
  const std::string saved((std::istreambuf_iterator<char>(registry)), {});
  EXPECT_NE(saved.find("StyleIndex=dword:0"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Start=dword:1"), std::string::npos) << saved;
  ASSERT_EQ(program.keys.size(), 1u);
  EXPECT_EQ(program.keys[0].key, platform::vk::kA + ('q' - 'a'));
  EXPECT_TRUE(program.keys[0].modifiers.shift);

  // The last frame as the window showed it: every device pixel is a 2×2 block
  // of the back buffer's colour.
  ASSERT_EQ(sdl.PresentedWidth(), 480);
  ASSERT_EQ(sdl.PresentedHeight(), 640);
  ASSERT_FALSE(program.last_frame.empty());
  int mismatches = 0;
  int distinct = 0;
  draw::Pixel previous = 0;
  for (int y = 0; y < 320; y += 3) {
    for (int x = 0; x < 240; x += 3) {
      const draw::Pixel p = program.last_frame[static_cast<std::size_t>(y) * 240 + x];
      if (p != previous) ++distinct;
      previous = p;
      const draw::Color c = draw::PixelToColor565(p);
      for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
          const std::uint32_t shown =
              sdl.PresentedFrame()[static_cast<std::size_t>(y * 2 + dy) * 480 + x * 2 + dx];
          const int r = (shown >> 16) & 0xFF, g = (shown >> 8) & 0xFF, b = shown & 0xFF;
          if (std::abs(r - static_cast<int>(draw::RedOf(c))) > 8 ||
              std::abs(g - static_cast<int>(draw::GreenOf(c))) > 8 ||
              std::abs(b - static_cast<int>(draw::BlueOf(c))) > 8) {
            ++mismatches;
          }
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0);

  // What the window showed, kept for people to look at.
  {
    draw::ScopedDrawContextReset reset;
    draw::HeadlessDisplay display;
    ASSERT_EQ(display.Open(480, 640), draw::kOk);
    draw::Surface shown;
    shown.Create(draw::surface_flags::kClear, 480, 640);
    for (int y = 0; y < 640; ++y) {
      for (int x = 0; x < 480; ++x) {
        const std::uint32_t argb = sdl.PresentedFrame()[static_cast<std::size_t>(y) * 480 + x];
        shown.Row(y)[x] = draw::ColorToPixel565(
            draw::MakeColor((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF));
      }
    }
    draw::SaveImage(shown, (home / "window.png").string(), draw::image_format::kPng);
  }
  EXPECT_GT(distinct, 20) << "the frame shows the settings screen, not an empty picture";
}

}  // namespace
}  // namespace zentrix::shell
