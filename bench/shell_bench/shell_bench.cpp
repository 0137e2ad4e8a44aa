// The calculator program headless at 480 × 640 (Large skin): the time from
// start to the first frame shown, the steady frame time of each of the eight
// screens when nothing changes, and of the calculator screen holding 50
// solved entries.

#include <benchmark/benchmark.h>

#include <time.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "draw/draw_context.h"
#include "engine/commands/install_engine.h"
#include "platform/atomic_file.h"
#include "platform/headless_platform.h"
#include "platform/home_folder.h"
#include "program_bench_support.h"
#include "shell/program/calculator_program.h"
#include "shell/screens/calculator_screen.h"
#include "ui/core/focus.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"
#include "ui/widgets/text_box.h"

// The program installs the engine once, before any benchmark runs.
const bool kEngineInstalled = (zentrix::engine::InstallEngine(), true);

namespace zentrix::shell {
namespace {

using namespace benchsupport;

std::string BenchHomePath() { return benchsupport::BenchHomePath("shell_bench_home"); }
std::string BenchHome(bool first_run = false) {
  return FreshBenchHome("shell_bench_home", first_run);
}

using Clock = std::chrono::steady_clock;

// Notes the moment the first frame reaches the "screen".
class TimedPlatform : public platform::HeadlessPlatform {
 public:
  Clock::time_point first_present{};
  double first_present_cpu = 0;
  void Present(const std::uint16_t* pixels, int w, int h, int row) override {
    if (FramesPresented() == 0) {
      first_present = Clock::now();
      first_present_cpu = ThreadSeconds();
    }
    HeadlessPlatform::Present(pixels, w, h, row);
  }
};

// From an empty home folder (the first run, with its tutorial) to the first
// frame handed to the screen: preparing the folder, loading the skin, making
// the screens, the first layout and drawing.
// The time reported is this thread's processor time; the wall time is the
// counter wall_ms.
void BM_StartToFirstFrame(benchmark::State& state) {
  const std::string home = BenchHomePath();
  double wall = 0;
  for (auto _ : state) {
    std::filesystem::remove_all(home);
    draw::ScopedDrawContextReset draw;
    ui::ScopedUiStateReset ui;
    ui::ScopedSettingsReset settings;
    TimedPlatform platform;
    OneFrame source;
    platform.SetSource(&source);
    const Clock::time_point start = Clock::now();
    const double start_cpu = ThreadSeconds();
    std::string error;
    platform::PrepareHomeFolder(home, &error);
    platform::RemoveStaleTemporaryFiles(home);
    CalculatorProgram program(ConfigFor(&platform, home), Options());
    program.Run();
    state.SetIterationTime(platform.first_present_cpu - start_cpu);
    wall += std::chrono::duration<double>(platform.first_present - start).count();
  }
  state.counters["wall_ms"] = 1e3 * wall / static_cast<double>(state.iterations());
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

// Runs the benchmark's loop inside the program's own frame hook, on the
// given screen, once the program has started.
class SteadyFrames : public CalculatorProgram {
 public:
  SteadyFrames(const ApplicationConfig& config, benchmark::State* state, int screen,
               int entries = 0)
      : CalculatorProgram(config, Options()), state_(state), screen_(screen), entries_(entries) {}

 protected:
  draw::DrawResult Frame(draw::Surface& back_buffer, std::uint32_t flags) override {
    if (state_) {
      SwitchTo(screen_);
      if (entries_ > 0) FillCalculator();
      CalculatorProgram::Frame(back_buffer, flags);  // the first frame lays out and measures
      for (auto _ : *state_) CalculatorProgram::Frame(back_buffer, flags);
      state_ = nullptr;
    }
    return draw::kOk;
  }

 private:
  // Solves entries of every answer kind until the notebook holds `entries_`
  // answers; the view then sits at the bottom, as after typing them.
  void FillCalculator() {
    auto* screen = static_cast<CalculatorScreen*>(ScreenAt(kCalculatorScreen));
    const char16_t* texts[] = {u"3/12+1/2", u"Expand((x+1)^6)", u"{{1,2},{3,4}}", u"\u0087(8)",
                               u"Solve(x^2-5x+6=0,x)"};
    for (int i = 0; i < entries_; ++i) {
      ui::Focused()->SetText(texts[i % 5]);
      screen->Panel().Solve();
    }
    state_->SetLabel(std::to_string(screen->Panel().GetNotebook().EntryCount()) + " entries");
  }

  benchmark::State* state_;
  int screen_;
  int entries_;
};

void BM_SteadyFrame(benchmark::State& state) {
  const std::string home = BenchHome();
  RunHeadless([&](platform::Platform* platform) {
    return std::make_unique<SteadyFrames>(ConfigFor(platform, home), &state,
                                          static_cast<int>(state.range(0)));
  });
  const char* names[kScreenCount] = {"calculator", "settings",    "2D grapher", "3D grapher",
                                     "notes",      "screenshots", "buttons",    "about"};
  state.SetLabel(names[state.range(0)]);
}
BENCHMARK(BM_SteadyFrame)->DenseRange(0, kScreenCount - 1)->Unit(benchmark::kMicrosecond);

// The whole program's frame (screen bar, calculator screen, pad, menu bar) at
// 480 × 640 with 50 solved entries in the notebook.
void BM_CalculatorFrameFiftyEntries(benchmark::State& state) {
  const std::string home = BenchHome();
  RunHeadless([&](platform::Platform* platform) {
    return std::make_unique<SteadyFrames>(ConfigFor(platform, home), &state, kCalculatorScreen, 50);
  });
}
BENCHMARK(BM_CalculatorFrameFiftyEntries)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentrix::shell
