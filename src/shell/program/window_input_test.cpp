// The window as a person at a desktop uses it (run under Xvfb by CI), with
// events sent through SDL's own queue: typing into the focused entry as SDL
// delivers it (a key-down followed by the character as text), the wheel
// scrolling the notebook, the desktop clipboard, losing and regaining the
// focus while a key is held, and a window at three times the screen's size
// resized to one that is not a whole multiple of it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "draw/color.h"
#include "platform/home_folder.h"
#include "platform/sdl_platform.h"
#include "shell/program/calculator_program.h"
#include "ui/core/focus.h"
#include "ui/core/widget_info.h"
#include "ui/settings/program_settings.h"
#include "ui/widgets/text_box.h"

namespace zentrix::shell {
namespace {

constexpr char16_t kPi = 237;
constexpr char16_t kSquared = 133;

class InputProbe : public CalculatorProgram {
 public:
  using CalculatorProgram::CalculatorProgram;

  int frames = 0;
  int stylus_downs = 0;
  // Frame number -> what the frame does (pushes events, records state).
  std::map<int, std::function<void()>> steps;

  SDL_Window* Window() { return static_cast<platform::SdlPlatform&>(Platform()).Window(); }

  void Push(SDL_Event e) {
    e.key.windowID = SDL_GetWindowID(Window());
    SDL_PushEvent(&e);
  }
  // A key as SDL reports it: down, the character it types (if any) as text
  // of its own, up.
  void Key(SDL_Keycode sym, Uint16 mod = 0, const char* text = nullptr, bool repeat = false) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.repeat = repeat;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    Push(e);
    if (text) Text(text);
    e.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    e.key.repeat = 0;
    Push(e);
  }
  void Text(const char* utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
    e.text.windowID = SDL_GetWindowID(Window());
    SDL_PushEvent(&e);
  }
  void Mouse(Uint32 type, int x, int y) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEMOTION) {
      e.motion.x = x;
      e.motion.y = y;
      e.motion.windowID = SDL_GetWindowID(Window());
    } else {
      e.button.button = SDL_BUTTON_LEFT;
      e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
      e.button.x = x;
      e.button.y = y;
      e.button.windowID = SDL_GetWindowID(Window());
    }
    SDL_PushEvent(&e);
  }
  void Focus(Uint8 event) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = event;
    e.window.windowID = SDL_GetWindowID(Window());
    SDL_PushEvent(&e);
  }
  std::optional<ui::WidgetInfo> Find(const char* kind, std::u16string_view text) {
    ui::WidgetList widgets;
    DescribeWidgets(widgets);
    const ui::WidgetInfo* found = ui::FindForClick(widgets, text, kind);
    return found ? std::optional<ui::WidgetInfo>(*found) : std::nullopt;
  }
  std::u16string FocusText() { return ui::Focused() ? ui::Focused()->Text() : u"(none)"; }

 protected:
  draw::DrawResult Frame(draw::Surface& back_buffer, std::uint32_t flags) override {
    const draw::DrawResult r = CalculatorProgram::Frame(back_buffer, flags);
    auto step = steps.find(++frames);
    if (step != steps.end()) step->second();
    if (frames == 400) {  // the program should have ended long before
      SDL_Event quit{};
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
    }
    return r;
  }
  void StylusDown(int x, int y) override {
    ++stylus_downs;
    CalculatorProgram::StylusDown(x, y);
  }
};

Uint32 PushFocusGained(Uint32, void* window_id) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
  e.window.windowID = static_cast<Uint32>(reinterpret_cast<std::uintptr_t>(window_id));
  SDL_PushEvent(&e);
  return 0;
}

TEST(SdlWindowInputTest, TypingWheelClipboardFocusAndResizeInARealWindow) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    GTEST_SKIP() << "no window system (CI runs this under xvfb-run)";
  }
  ui::ScopedSettingsReset settings;
  ui::Settings().first_run = false;
  const auto home = std::filesystem::path(ZENTRIX_BINARY_DIR) / "sdl_window_test" / "input";
  std::filesystem::remove_all(home);
  std::string error;
  ASSERT_TRUE(platform::PrepareHomeFolder(home.string(), &error)) << error;
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_TIMER), 0) << SDL_GetError();

  platform::SdlPlatform sdl;
  sdl.KeepPresentedFrames(true);
  ApplicationConfig config;
  config.platform = &sdl;
  config.home_folder = home.string();
  config.windowed = true;
  config.scale = 3;  // as `--scale 3`
  ProgramOptions options;
  options.skins = std::string(ZENTRIX_BINARY_DIR) + "/skins";
  InputProbe p(config, options);

  int window_w = 0, window_h = 0;
  std::string dump_after_typing;
  bool first_entry_shown_at_bottom = true;
  bool first_entry_shown_after_wheel = false;
  std::u16string pasted, after_focus_back;
  std::string copied;
  Uint32 ticks_focus_lost = 0, ticks_focus_back = 0;
  int downs_before_border_tap = 0, downs_after_border_tap = 0;
  int presented_w = 0, presented_h = 0;
  std::uint32_t border_pixel = 1;
  int compared = 0, mismatches = 0;

  p.steps[2] = [&] {
    SDL_GetWindowSize(p.Window(), &window_w, &window_h);
    // "2(3+4)*π": keys that type through their text event (a shifted key
    // included, whose key-down alone would type another character), a keypad
    // key the device lacks and a character no key of the device has.
    p.Key(SDLK_2, 0, "2");
    p.Key(SDLK_9, KMOD_LSHIFT, "(");
    p.Key(SDLK_3, 0, "3");
    p.Key(SDLK_EQUALS, KMOD_LSHIFT, "+");
    p.Key(SDLK_4, 0, "4");
    p.Key(SDLK_4, 0, "4", true);  // held: repeats are ignored, text included
    p.Key(SDLK_0, KMOD_LSHIFT, ")");
    p.Key(SDLK_KP_MULTIPLY, 0, "*");
    p.Text("\xCF\x80");  // π
    p.Key(SDLK_LEFT);
    p.Key(SDLK_BACKSPACE);  // the "*" before π
    p.Key(SDLK_RETURN);     // answers, as Solve does
  };
  p.steps[4] = [&] {
    dump_after_typing = p.Dump();
    for (int i = 1; i <= 12; ++i) {
      p.Text(std::to_string(i).c_str());
      p.Key(SDLK_RETURN);
    }
  };
  p.steps[7] = [&] {
    first_entry_shown_at_bottom = p.Find("text box", std::u16string(u"2(3+4)") + kPi).has_value();
    // The wheel turned towards the top over the notebook's middle.
    const draw::Rect content = p.ContentRect();
    p.Mouse(SDL_MOUSEMOTION, (content.left + content.Width() / 2) * 3,
            (content.top + content.Height() / 2) * 3);
    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = 20;
    wheel.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    p.Push(wheel);
  };
  p.steps[9] = [&] {
    first_entry_shown_after_wheel = p.Find("text box", std::u16string(u"2(3+4)") + kPi).has_value();
    // Pasted from the desktop: "€" has no character of the program's.
    SDL_SetClipboardText("x\xC2\xB2+1\xE2\x82\xAC");
    p.Key(SDLK_v, KMOD_LCTRL);
    p.Text("0");
    p.Key(SDLK_c, KMOD_LCTRL);
  };
  p.steps[11] = [&] {
    pasted = p.FocusText();
    if (char* text = SDL_GetClipboardText()) copied = text, SDL_free(text);
    // Backspace held while the focus goes to another window, back 300 ms later.
    SDL_Event down{};
    down.type = SDL_KEYDOWN;
    down.key.state = SDL_PRESSED;
    down.key.keysym.sym = SDLK_BACKSPACE;
    p.Push(down);
    p.Focus(SDL_WINDOWEVENT_FOCUS_LOST);
    ticks_focus_lost = SDL_GetTicks();
    SDL_AddTimer(300, PushFocusGained,
                 reinterpret_cast<void*>(static_cast<std::uintptr_t>(SDL_GetWindowID(p.Window()))));
  };
  p.steps[12] = [&] {
    ticks_focus_back = SDL_GetTicks();
    p.Key(SDLK_BACKSPACE);  // not taken for the held key: it was let go
  };
  p.steps[14] = [&] {
    after_focus_back = p.FocusText();
    // Not a whole multiple: the picture is drawn at the largest whole zoom
    // that fits (2), in the middle, with a border around it.
    SDL_SetWindowSize(p.Window(), 600, 700);
  };
  p.steps[20] = [&] {
    downs_before_border_tap = p.stylus_downs;
    p.Mouse(SDL_MOUSEBUTTONDOWN, 20, 10);
    p.Mouse(SDL_MOUSEBUTTONUP, 20, 10);
    const std::optional<ui::WidgetInfo> icon = p.Find("screen bar", u"settings");
    if (!icon) return;
    const int x = 60 + (icon->rect.left + icon->rect.Width() / 2) * 2;
    const int y = 30 + (icon->rect.top + icon->rect.Height() / 2) * 2;
    p.Mouse(SDL_MOUSEBUTTONDOWN, x, y);
    p.Mouse(SDL_MOUSEBUTTONUP, x, y);
  };
  p.steps[22] = [&] { downs_after_border_tap = p.stylus_downs; };
  p.steps[24] = [&] {
    presented_w = sdl.PresentedWidth();
    presented_h = sdl.PresentedHeight();
    if (presented_w == 600 && presented_h == 700) {
      border_pixel = sdl.PresentedFrame()[5 * 600 + 5] & 0xFFFFFF;
      // The last frame shown (the settings screen stands still) against the
      // back buffer: device pixel (x, y) is the 2 × 2 block at (60 + 2x, 30 + 2y).
      const draw::Surface& shown = p.Display().BackBuffer();
      for (int y = 1; y < 320; y += 7) {
        for (int x = 1; x < 240; x += 7) {
          const draw::Color c = draw::PixelToColor565(shown.Row(y)[x]);
          const std::uint32_t argb =
              sdl.PresentedFrame()[static_cast<std::size_t>(30 + 2 * y + 1) * 600 + 60 + 2 * x + 1];
          const int r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
          ++compared;
          if (std::abs(r - static_cast<int>(draw::RedOf(c))) > 8 ||
              std::abs(g - static_cast<int>(draw::GreenOf(c))) > 8 ||
              std::abs(b - static_cast<int>(draw::BlueOf(c))) > 8) {
            ++mismatches;
          }
        }
      }
    }
    p.ExitCommand();
  };
  ASSERT_EQ(p.Run(), 0) << p.ErrorText();
  ASSERT_GE(p.frames, 24) << "the program ended early";
  EXPECT_LT(p.frames, 40) << "File/Exit ended the program";

  EXPECT_EQ(window_w, 720);  // 240 × 320 at `--scale 3`
  EXPECT_EQ(window_h, 960);
  // Smart Solve shows π's multiple as a decimal; Ans keeps it exact.
  const std::string calculator =
      dump_after_typing.substr(dump_after_typing.find("\"calculator\":"));
  EXPECT_NE(calculator.find("{\"text\": \"2(3+4)\xCF\x80\", \"answer\": \"43.9823\""),
            std::string::npos)
      << calculator;
  EXPECT_NE(calculator.find("\"Ans\": \"14\xCF\x80\""), std::string::npos) << calculator;

  EXPECT_FALSE(first_entry_shown_at_bottom) << "twelve more entries push the first one up";
  EXPECT_TRUE(first_entry_shown_after_wheel) << "the wheel scrolled the notebook to the top";

  EXPECT_EQ(pasted, std::u16string(u"x") + kSquared + u"+10");
  EXPECT_EQ(copied, "x\xC2\xB2+10");

  EXPECT_GE(ticks_focus_back - ticks_focus_lost, 250u) << "nothing was drawn in the background";
  // The held Backspace took "0"; after the focus came back, the next press "1".
  EXPECT_EQ(after_focus_back, std::u16string(u"x") + kSquared + u"+");

  EXPECT_EQ(downs_after_border_tap - downs_before_border_tap, 1) << "the border takes no taps";
  EXPECT_EQ(p.CurrentIndex(), kSettingsScreen) << "the tap inside the picture hit its icon";
  EXPECT_EQ(presented_w, 600);
  EXPECT_EQ(presented_h, 700);
  EXPECT_EQ(border_pixel, 0u) << "black around the picture";
  EXPECT_GT(compared, 1000);
  EXPECT_EQ(mismatches, 0) << "the picture sits in the middle at twice the size";
}

}  // namespace
}  // namespace zentrix::shell
