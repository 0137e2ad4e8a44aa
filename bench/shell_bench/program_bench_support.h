#pragma once
// What the whole-program benchmarks share: a fresh home folder per benchmark,
// the program's configuration at 480 × 640, an event source that asks for one
// frame, and this thread's processor time.

#include <time.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "draw/draw_context.h"
#include "platform/headless_platform.h"
#include "platform/home_folder.h"
#include "shell/program/calculator_program.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"

namespace zentrix::shell::benchsupport {

// This thread's processor time in seconds: on a shared machine the wall time
// of a step also holds the time other programs had the core.
inline double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

inline std::string BenchHomePath(const std::string& name) {
  return (std::filesystem::path(ZENTRIX_BINARY_DIR) / name).string();
}

// A fresh home folder; past the first run unless `first_run`, so that the
// first-run tutorial does not cover the screen.
inline std::string FreshBenchHome(const std::string& name, bool first_run = false) {
  const std::string home = BenchHomePath(name);
  std::filesystem::remove_all(home);
  std::string error;
  platform::PrepareHomeFolder(home, &error);
  if (!first_run) {
    std::ofstream(home + "/registry.txt") << "[Software\\Corvane\\Zentrix 2.0]\nNew=dword:0\n";
  }
  return home;
}

// Asks for one frame, then ends the input.
class OneFrame : public platform::EventSource {
 public:
  bool Feed(platform::HeadlessPlatform& p) override {
    if (done_) return false;
    done_ = true;
    p.OweFrames(1);
    return true;
  }

 private:
  bool done_ = false;
};

inline ApplicationConfig ConfigFor(platform::Platform* platform, const std::string& home) {
  ApplicationConfig config;
  config.platform = platform;
  config.home_folder = home;
  config.screen_width = 480;
  config.screen_height = 640;
  config.windowed = true;
  return config;
}

inline ProgramOptions Options() {
  ProgramOptions options;
  options.screen_width = 480;
  options.screen_height = 640;
  options.skins = std::string(ZENTRIX_BINARY_DIR) + "/skins";
  return options;
}

// Runs the program `make(platform)` builds, headless, with the process-wide
// state fresh and one frame asked for; the program runs its benchmark loop in
// its frame hook.
template <typename Make>
void RunHeadless(Make make) {
  draw::ScopedDrawContextReset draw;
  ui::ScopedUiStateReset ui;
  ui::ScopedSettingsReset settings;
  platform::HeadlessPlatform platform;
  OneFrame source;
  platform.SetSource(&source);
  std::unique_ptr<CalculatorProgram> program = make(&platform);
  program->Run();
}

}  // namespace zentrix::shell::benchsupport
