#pragma once
// The command line of the calculator program.
//
//   zentrix [--home DIR] [--screen WxH] [--scale N] [--skins DIR]
//           [--style classic|bright] [--headless] [--script FILE]
//           [--frames N --shot OUT.png]

#include <optional>
#include <string>
#include <vector>

namespace zentrix::shell {

struct ProgramOptions {
  bool headless = false;
  std::string home;
  int screen_width = 240;
  int screen_height = 320;
  int scale = 0;  // 0: 2 below 480 pixels across, else 1
  std::string skins;
  std::optional<int> style_index;  // overrides the stored style for this run
  std::string script;
  int frames = 0;  // with --shot: frames to run before the shot
  std::string shot;
  bool help = false;
};

struct OptionsParse {
  ProgramOptions options;
  std::string error;  // empty when the command line was understood
};

OptionsParse ParseOptions(const std::vector<std::string>& args);

// The screens the program supports: 240x320, 480x640, 320x240, 640x480, 240x240.
bool IsSupportedScreen(int width, int height);

std::string UsageText();

}  // namespace zentrix::shell
