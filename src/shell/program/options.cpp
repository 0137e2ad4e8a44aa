#include "shell/program/options.h"

#include <charconv>

namespace zentrix::shell {
namespace {

bool ParseWhole(const std::string& text, int* out) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *out);
  return error == std::errc() && end == text.data() + text.size();
}

bool ParseScreen(const std::string& text, int* width, int* height) {
  const std::size_t x = text.find('x');
  return x != std::string::npos && ParseWhole(text.substr(0, x), width) &&
         ParseWhole(text.substr(x + 1), height);
}

}  // namespace

bool IsSupportedScreen(int width, int height) {
  return (width == 240 && height == 320) || (width == 480 && height == 640) ||
         (width == 320 && height == 240) || (width == 640 && height == 480) ||
         (width == 240 && height == 240);
}

std::string UsageText() {
  return "Usage: zentrix [--home DIR] [--screen WxH] [--scale N] [--skins DIR]\n"
         "               [--style classic|bright]\n"
         "       zentrix --headless [--home DIR] [--screen WxH] [--style classic|bright] "
         "--script FILE\n"
         "       zentrix --headless [--home DIR] --frames N --shot OUT.png\n"
         "Screens: 240x320 (default), 480x640, 320x240, 640x480, 240x240.\n";
}

OptionsParse ParseOptions(const std::vector<std::string>& args) {
  OptionsParse parse;
  ProgramOptions& o = parse.options;
  auto fail = [&](std::string message) {
    parse.error = std::move(message);
    return parse;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string* out) {
      if (i + 1 >= args.size()) return false;
      *out = args[++i];
      return true;
    };
    std::string v;
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--headless") {
      o.headless = true;
    } else if (a == "--home") {
      if (!value(&o.home) || o.home.empty()) return fail("--home needs a folder");
    } else if (a == "--skins") {
      if (!value(&o.skins) || o.skins.empty()) return fail("--skins needs a folder");
    } else if (a == "--script") {
      if (!value(&o.script) || o.script.empty()) return fail("--script needs a file");
    } else if (a == "--shot") {
      if (!value(&o.shot) || o.shot.empty()) return fail("--shot needs a file");
    } else if (a == "--screen") {
      if (!value(&v) || !ParseScreen(v, &o.screen_width, &o.screen_height) ||
          !IsSupportedScreen(o.screen_width, o.screen_height)) {
        return fail("--screen must be one of 240x320, 480x640, 320x240, 640x480, 240x240");
      }
    } else if (a == "--scale") {
      if (!value(&v) || !ParseWhole(v, &o.scale) || o.scale < 1 || o.scale > 8) {
        return fail("--scale must be a whole number from 1 to 8");
      }
    } else if (a == "--frames") {
      if (!value(&v) || !ParseWhole(v, &o.frames) || o.frames < 0 || o.frames > 1000000) {
        return fail("--frames must be a whole number from 0 to 1000000");
      }
    } else if (a == "--style") {
      if (!value(&v) || (v != "classic" && v != "bright")) {
        return fail("--style must be classic or bright");
      }
      o.style_index = v == "classic" ? 0 : 1;
    } else {
      return fail("unknown option " + a);
    }
  }
  if (!o.headless && (!o.script.empty() || !o.shot.empty())) {
    return fail("--script and --shot need --headless");
  }
  if (!o.script.empty() && !o.shot.empty()) return fail("use either --script or --shot");
  return parse;
}

}  // namespace zentrix::shell
