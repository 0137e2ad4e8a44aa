#pragma once
// The start-up record the entry point fills and the Application copies.

#include <cstdint>
#include <string>

namespace zentrix::platform {
class Platform;
class SingleInstance;
}  // namespace zentrix::platform

namespace zentrix::shell {

struct ApplicationConfig {
  // The system the program runs on (the module instance of the device); not owned.
  platform::Platform* platform = nullptr;
  std::string title = "Zentrix 2.0";  // also the window title
  int frames_per_second = 30;
  std::uint32_t display_flags = 0x8020;
  int display_orientation = 1;
  int display_width = 480;  // requested; the display opens at the screen's own size
  int display_height = 640;
  int icon = 108;
  bool double_clicks = false;
  bool run_while_inactive = false;
  bool windowed = false;

  // The desktop's stand-in for the device: its screen size and the window zoom.
  int screen_width = 240;
  int screen_height = 320;
  int scale = 0;  // 0: the platform chooses
  // One running copy per home folder; null runs unguarded (headless runs).
  platform::SingleInstance* instance = nullptr;
  std::string home_folder;
};

// Windowed only when full screen is off and the screen is portrait.
inline bool WindowedFor(bool fullscreen_setting, int screen_width, int screen_height) {
  return !fullscreen_setting && screen_height > screen_width;
}

}  // namespace zentrix::shell
