// The calculator program headless at 480 × 640 (Large skin): the time from
// start to the first frame shown, and the steady frame time of the calculator
// and settings screens when nothing changes.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "draw/draw_context.h"
#include "platform/headless_platform.h"
#include "platform/home_folder.h"
#include "shell/program/calculator_program.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"

namespace zentrix::shell {
namespace {

using Clock = std::chrono::steady_clock;

std::string BenchHome() {
  const auto home = std::filesystem::path(ZENTRIX_BINARY_DIR) / "shell_bench_home";
  std::filesystem::remove_all(home);
  std::string error;
  platform::PrepareHomeFolder(home.string(), &error);
  return home.string();
}

// Notes the moment the first frame reaches the "screen".
class TimedPlatform : public platform::HeadlessPlatform {
 public:
  Clock::time_point first_present{};
  void Present(const std::uint16_t* pixels, int w, int h, int row) override {
    if (FramesPresented() == 0) first_present = Clock::now();
    HeadlessPlatform::Present(pixels, w, h, row);
  }
};

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

ApplicationConfig ConfigFor(platform::Platform* platform, const std::string& home) {
  ApplicationConfig config;
  config.platform = platform;
  config.home_folder = home;
  config.screen_width = 480;
  config.screen_height = 640;
  config.windowed = true;
  return config;
}

ProgramOptions Options() {
  ProgramOptions options;
  options.screen_width = 480;
  options.screen_height = 640;
  options.skins = std::string(ZENTRIX_BINARY_DIR) + "/skins";
  return options;
}

void BM_StartToFirstFrame(benchmark::State& state) {
  const std::string home = BenchHome();
  for (auto _ : state) {
    draw::ScopedDrawContextReset draw;
    ui::ScopedUiStateReset ui;
    ui::ScopedSettingsReset settings;
    TimedPlatform platform;
    OneFrame source;
    platform.SetSource(&source);
    const Clock::time_point start = Clock::now();
    CalculatorProgram program(ConfigFor(&platform, home), Options());
    program.Run();
    state.SetIterationTime(std::chrono::duration<double>(platform.first_present - start).count());
  }
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

// Runs the benchmark's loop inside the program's own frame hook, on the
// given screen, once the program has started.
class SteadyFrames : public CalculatorProgram {
 public:
  SteadyFrames(const ApplicationConfig& config, benchmark::State* state, int screen)
      : CalculatorProgram(config, Options()), state_(state), screen_(screen) {}

 protected:
  draw::DrawResult Frame(draw::Surface& back_buffer, std::uint32_t flags) override {
    if (state_) {
      SwitchTo(screen_);
      CalculatorProgram::Frame(back_buffer, flags);  // the first frame lays out and measures
      for (auto _ : *state_) CalculatorProgram::Frame(back_buffer, flags);
      state_ = nullptr;
    }
    return draw::kOk;
  }

 private:
  benchmark::State* state_;
  int screen_;
};

void BM_SteadyFrame(benchmark::State& state) {
  const std::string home = BenchHome();
  draw::ScopedDrawContextReset draw;
  ui::ScopedUiStateReset ui;
  ui::ScopedSettingsReset settings;
  platform::HeadlessPlatform platform;
  OneFrame source;
  platform.SetSource(&source);
  SteadyFrames program(ConfigFor(&platform, home), &state, static_cast<int>(state.range(0)));
  program.Run();
  state.SetLabel(state.range(0) == kCalculatorScreen ? "calculator" : "settings");
}
BENCHMARK(BM_SteadyFrame)
    ->Arg(kCalculatorScreen)
    ->Arg(kSettingsScreen)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentrix::shell
