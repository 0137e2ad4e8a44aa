#include "platform/sdl_platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/key_codes.h"
#include "platform/sdl_keys.h"

namespace zentrix::platform {
namespace {

TEST(SdlPlatformTest, WithoutAWindowSystemThereIsNoScreen) {
  std::string saved[3];
  const char* names[3] = {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"};
  for (int i = 0; i < 3; ++i) {
    if (const char* v = std::getenv(names[i])) saved[i] = v;
    unsetenv(names[i]);
  }
  {
    SdlPlatform sdl;
    ASSERT_TRUE(sdl.CreateMainWindow({"Zentrix 2.0", 240, 320, 0, false}));
    EXPECT_EQ(sdl.Config().scale, 2);
    std::string reason;
    EXPECT_FALSE(sdl.OpenScreen(&reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(sdl.ScreenOpen());
    Event event;
    EXPECT_FALSE(sdl.PollEvent(&event));
  }
  for (int i = 0; i < 3; ++i) {
    if (!saved[i].empty()) setenv(names[i], saved[i].c_str(), 1);
  }
}

TEST(SdlKeysTest, DesktopKeysBecomeDeviceKeys) {
  EXPECT_EQ(VirtualKeyOf(SDLK_a), vk::kA);
  EXPECT_EQ(VirtualKeyOf(SDLK_z), vk::kA + 25);
  EXPECT_EQ(VirtualKeyOf(SDLK_7), vk::k0 + 7);
  EXPECT_EQ(VirtualKeyOf(SDLK_KP_ENTER), vk::kReturn);
  EXPECT_EQ(VirtualKeyOf(SDLK_LEFTBRACKET), vk::kLeftBracket);
  EXPECT_EQ(VirtualKeyOf(SDLK_F4), vk::kF4);
  EXPECT_EQ(VirtualKeyOf(SDLK_F5), 0);
  const KeyModifiers m = ModifiersOf(KMOD_RSHIFT | KMOD_CAPS);
  EXPECT_TRUE(m.shift && m.caps_lock && !m.control);
  EXPECT_EQ(SdlPlatform::DefaultScale(480), 1);
  // Printable keys type through SDL's text events, Control chords do not.
  EXPECT_TRUE(TypesText(SDLK_9, KMOD_LSHIFT));
  EXPECT_TRUE(TypesText(SDLK_SPACE, 0));
  EXPECT_FALSE(TypesText(SDLK_v, KMOD_RCTRL));
  EXPECT_FALSE(TypesText(SDLK_BACKSPACE, 0));
  EXPECT_FALSE(TypesText(SDLK_RETURN, 0));
}

}  // namespace
}  // namespace zentrix::platform
