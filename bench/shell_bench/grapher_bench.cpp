// The grapher screens in the whole program, headless at 480 × 640 (Large
// skin): the steady frame of the 2D graph list, of a shown 2D plot that does
// not change (sin(x) and x² with the analysis circles) and of one that plays
// (sin(x+T), sampled again every frame), and of the 3D plot of sin(x)+cos(y)
// standing and playing (sin(x+T)+cos(y), meshed again every frame).

#include <benchmark/benchmark.h>

#include <filesystem>

#include "draw/draw_context.h"
#include "graphing/screens/graphing_screen.h"
#include "platform/headless_platform.h"
#include "platform/home_folder.h"
#include "program_bench_support.h"
#include "shell/program/calculator_program.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"

namespace zentrix::shell {
namespace {

using namespace benchsupport;

using graphing::screens::GrapherScreen;

enum Scene : int { kList2D, kStill2D, kPlaying2D, kStill3D, kPlaying3D };

std::string GrapherHome() {
  const auto home = std::filesystem::path(ZENTRIX_BINARY_DIR) / "grapher_bench_home";
  std::filesystem::remove_all(home);
  std::string error;
  platform::PrepareHomeFolder(home.string(), &error);
  return home.string();
}

class GrapherFrames : public CalculatorProgram {
 public:
  GrapherFrames(const ApplicationConfig& config, const ProgramOptions& options,
                benchmark::State* state, Scene scene)
      : CalculatorProgram(config, options), state_(state), scene_(scene) {}

 protected:
  draw::DrawResult Frame(draw::Surface& back_buffer, std::uint32_t flags) override {
    if (!state_) return draw::kOk;
    SetUp();
    CalculatorProgram::Frame(back_buffer, flags);  // the first frame lays out and samples
    for (auto _ : *state_) CalculatorProgram::Frame(back_buffer, flags);
    state_ = nullptr;
    return draw::kOk;
  }

 private:
  void SetUp() {
    const bool three = scene_ == kStill3D || scene_ == kPlaying3D;
    SwitchTo(three ? kGrapher3DScreen : kGrapher2DScreen);
    auto& host = static_cast<GrapherScreen*>(CurrentScreen())->Host();
    if (three) {
      graphing::GraphSet3D& graphs = host.Three().Graphs();
      graphs.Create(graphing::Graph3DKind::kFunction);
      graphs[0].expression_text = scene_ == kPlaying3D ? u"sin(x+T)+cos(y)" : u"sin(x)+cos(y)";
      host.Three().ShowPlot();
      return;
    }
    graphing::GraphSet2D& graphs = host.Two().Graphs();
    const char16_t* texts[] = {scene_ == kPlaying2D ? u"sin(x+T)" : u"sin(x)", u"x^2/4", u"cos(x)"};
    for (const char16_t* text : texts) {
      graphs.Create(graphing::Graph2DKind::kFunction);
      graphs[graphs.size() - 1].expression_text = text;
    }
    host.Two().List().Refresh();
    if (scene_ == kList2D) return;
    auto& display = host.Two().View().display;
    display.zeros = display.maxima = display.minima = display.intersections = true;
    host.Two().ShowPlot();
  }

  benchmark::State* state_;
  Scene scene_;
};

void BM_GrapherFrame(benchmark::State& state) {
  const std::string home = GrapherHome();
  const auto scene = static_cast<Scene>(state.range(0));
  RunHeadless([&](platform::Platform* platform) {
    return std::make_unique<GrapherFrames>(ConfigFor(platform, home), Options(), &state, scene);
  });
  const char* labels[] = {"2D graph list", "2D plot, still", "2D plot, playing", "3D plot, still",
                          "3D plot, playing"};
  state.SetLabel(labels[scene]);
}
BENCHMARK(BM_GrapherFrame)
    ->Arg(kList2D)
    ->Arg(kStill2D)
    ->Arg(kPlaying2D)
    ->Arg(kStill3D)
    ->Arg(kPlaying3D)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentrix::shell
