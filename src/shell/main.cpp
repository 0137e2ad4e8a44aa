// zentrix: the calculator in an SDL window, or headless under a script.

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/commands/install_engine.h"
#include "platform/atomic_file.h"
#include "platform/headless_platform.h"
#include "platform/home_folder.h"
#include "platform/sdl_platform.h"
#include "platform/single_instance.h"
#include "platform/termination_request.h"
#include "shell/automation/script_line.h"
#include "shell/automation/script_runner.h"
#include "shell/program/calculator_program.h"
#include "shell/program/options.h"
#include "shell/settings/registry.h"
#include "shell/settings/settings_store.h"

namespace {

using namespace zentrix;

std::optional<std::string> ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

shell::ApplicationConfig ConfigFor(const shell::ProgramOptions& options, const std::string& home,
                                   platform::Platform* platform) {
  shell::ApplicationConfig config;
  config.platform = platform;
  config.home_folder = home;
  config.screen_width = options.screen_width;
  config.screen_height = options.screen_height;
  config.scale = options.scale;
  // The entry point reads Fullscreen itself: the window's kind is settled
  // before the settings are loaded.
  const shell::Registry registry(platform::RegistryPathIn(home));
  const bool fullscreen = registry.ReadDword(shell::kFullscreenValue).value_or(0) == 1;
  config.windowed = shell::WindowedFor(fullscreen, options.screen_width, options.screen_height);
  return config;
}

int RunHeadless(const shell::ProgramOptions& options, const std::string& home) {
  std::vector<shell::ScriptLine> lines;
  std::string script_name = "--shot";
  if (!options.script.empty()) {
    script_name = options.script;
    auto text = ReadText(options.script);
    if (!text) {
      std::fprintf(stderr, "zentrix: cannot read the script %s\n", options.script.c_str());
      return 1;
    }
    shell::ScriptParse parse = shell::ParseScript(*text);
    if (parse.error_line != 0) {
      std::fprintf(stderr, "%s: line %d: %s\n", options.script.c_str(), parse.error_line,
                   parse.error.c_str());
      return 1;
    }
    lines = std::move(parse.lines);
  } else if (!options.shot.empty()) {
    shell::ScriptLine frames;
    frames.verb = shell::ScriptVerb::kFrames;
    frames.x = options.frames > 0 ? options.frames : 1;
    shell::ScriptLine shot;
    shot.verb = shell::ScriptVerb::kShot;
    shot.file = options.shot;
    lines = {frames, shot};
  }

  platform::HeadlessPlatform headless;
  shell::CalculatorProgram program(ConfigFor(options, home, &headless), options);
  shell::ScriptRunner runner(std::move(lines), &program);
  headless.SetSource(&runner);
  const int result = program.Run();
  if (runner.Failed()) {
    std::fprintf(stderr, "%s: %s\n", script_name.c_str(), runner.Error().c_str());
    return 1;
  }
  return result == 0 ? 0 : 1;
}

int RunWindow(const shell::ProgramOptions& options, const std::string& home) {
  platform::SingleInstance instance;
  platform::SdlPlatform sdl(&instance);
  shell::ApplicationConfig config = ConfigFor(options, home, &sdl);
  config.instance = &instance;
  shell::CalculatorProgram program(config, options);
  return program.Run() == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  zentrix::engine::InstallEngine();
  const shell::OptionsParse parse =
      shell::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parse.error.empty()) {
    std::fprintf(stderr, "zentrix: %s\n%s", parse.error.c_str(), shell::UsageText().c_str());
    return 2;
  }
  if (parse.options.help) {
    std::fputs(shell::UsageText().c_str(), stdout);
    return 0;
  }
  // Before SDL starts: SDL leaves handlers it finds in place, and a SIGTERM
  // must reach the same exit path in both modes.
  platform::InstallTerminationHandler();
  const std::string home = platform::ResolveHomeFolder(parse.options.home);
  std::string error;
  if (!platform::PrepareHomeFolder(home, &error)) {
    std::fprintf(stderr, "zentrix: %s\n", error.c_str());
    return 1;
  }
  // A save cut short by a kill or a crash leaves its hidden temporary file.
  platform::RemoveStaleTemporaryFiles(home);
  return parse.options.headless ? RunHeadless(parse.options, home) : RunWindow(parse.options, home);
}
