// The whole program headless at 480 × 640 (Large skin) while it works: each
// benchmark iteration is one step of input followed by the frame that shows
// it. Typing into the calculator (one character a frame), 16 graphs of T
// playing in the 2D grapher, a lit 100 × 100 surface turned by the stylus in
// the 3D grapher, a stroke drawn on the notes page; and the time to open a
// notebook of 1,000 solved entries up to the frame that shows it.

#include <benchmark/benchmark.h>

#include <time.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "draw/draw_context.h"
#include "graphing/render3d/mesh/mesh_indices.h"
#include "graphing/screens/graphing_screen.h"
#include "notebook/file/notebook_file.h"
#include "platform/headless_platform.h"
#include "platform/home_folder.h"
#include "program_bench_support.h"
#include "shell/program/calculator_program.h"
#include "shell/screens/calculator_screen.h"
#include "ui/core/focus.h"
#include "ui/core/ui_state.h"
#include "ui/settings/program_settings.h"
#include "ui/widgets/text_box.h"

namespace zentrix::shell {
namespace {

using namespace benchsupport;

using Clock = std::chrono::steady_clock;

using graphing::screens::GrapherScreen;

enum Work : int { kTyping, kSixteenGraphs, kTurningSurface, kDrawingNotes };

std::string WorkingHome() { return FreshBenchHome("working_bench_home"); }

// Runs the benchmark's loop inside the program's frame hook once the program
// has started; the subclasses say what one step of work is.
class BenchProgram : public CalculatorProgram {
 public:
  BenchProgram(const std::string& home, platform::Platform* platform, benchmark::State* state)
      : CalculatorProgram(ConfigFor(platform, home), Options()), state_(state) {}

 protected:
  draw::DrawResult Frame(draw::Surface& back_buffer, std::uint32_t flags) override {
    if (!state_) return draw::kOk;
    back_buffer_ = &back_buffer;
    flags_ = flags;
    SetUp();
    CalculatorProgram::Frame(back_buffer, flags);  // the first frame lays out and measures
    Loop(*state_);
    state_ = nullptr;
    return draw::kOk;
  }

  virtual void SetUp() = 0;
  virtual void Loop(benchmark::State& state) = 0;
  void DrawFrame() { CalculatorProgram::Frame(*back_buffer_, flags_); }

 private:
  benchmark::State* state_;
  draw::Surface* back_buffer_ = nullptr;
  std::uint32_t flags_ = 0;
};

class WorkingFrames : public BenchProgram {
 public:
  WorkingFrames(const std::string& home, platform::Platform* platform, benchmark::State* state,
                Work work)
      : BenchProgram(home, platform, state), work_(work) {}

 protected:
  void SetUp() override {
    switch (work_) {
      case kTyping: SwitchTo(kCalculatorScreen); break;
      case kSixteenGraphs: {
        SwitchTo(kGrapher2DScreen);
        auto& two = static_cast<GrapherScreen*>(CurrentScreen())->Host().Two();
        graphing::GraphSet2D& graphs = two.Graphs();
        for (int k = 1; k <= 16; ++k) {
          graphs.Create(graphing::Graph2DKind::kFunction);
          const std::string text =
              "sin(x+T*" + std::to_string(k) + "/8)*" + std::to_string(k) + "/4";
          graphs[graphs.size() - 1].expression_text.assign(text.begin(), text.end());
        }
        two.List().Refresh();
        two.ShowPlot();  // graphs of T start playing
        break;
      }
      case kTurningSurface: {
        SwitchTo(kGrapher3DScreen);
        auto& three = static_cast<GrapherScreen*>(CurrentScreen())->Host().Three();
        graphing::GraphSet3D& graphs = three.Graphs();
        graphs.Create(graphing::Graph3DKind::kFunction);
        graphs[0].expression_text = u"sin(x)*cos(y)";
        graphs[0].u_range.count_text = u"100";
        graphs[0].v_range.count_text = u"100";
        three.View().lighting = true;
        three.ShowPlot();
        break;
      }
      case kDrawingNotes: SwitchTo(kNotesScreen); break;
    }
  }

  void Loop(benchmark::State& state) override {
    long step = 0;
    for (auto _ : state) {
      Step(step++);
      DrawFrame();
    }
    const char* labels[] = {"calculator, typing", "2D, 16 graphs playing",
                            "3D, 100 x 100 lit surface turning", "notes, drawing"};
    state.SetLabel(labels[work_] + Check());
  }

 private:
  // What shows that the work was done: T moved, the triangles drawn.
  std::string Check() {
    auto* grapher = static_cast<GrapherScreen*>(CurrentScreen());
    if (work_ == kSixteenGraphs) {
      auto& two = grapher->Host().Two();
      return " (" + std::to_string(two.Graphs().size()) +
             " graphs, T = " + std::to_string(two.View().time.t) + ")";
    }
    if (work_ == kTurningSurface) {
      auto& three = grapher->Host().Three();
      const graphing::render3d::MeshCounts counts =
          graphing::render3d::CountMesh(three.Graphs()[0].mesh);
      return " (" + std::to_string(counts.triangles) + " triangles, turned " +
             std::to_string(static_cast<int>(three.View().rotation[1])) + " degrees)";
    }
    return "";
  }

  void Step(long step) {
    switch (work_) {
      case kTyping: {
        // An entry of 60 characters, then a fresh one.
        static constexpr char16_t kText[] = u"12345*678+sin(1)^2-";
        if (step % 60 == 59) {
          ui::Focused()->SetText(u"");
        } else {
          TypeText(std::u16string_view(&kText[step % 19], 1));
        }
        break;
      }
      case kSixteenGraphs: break;  // the animation moves T itself every frame
      case kTurningSurface: {
        // Drags of 100 two-pixel steps across the middle of the plot.
        const int i = static_cast<int>(step % 101);
        if (i == 0) {
          StylusDown(140, 320);
        } else if (i == 100) {
          StylusUp(340, 320);
        } else {
          StylusMove(140 + 2 * i, 320);
        }
        break;
      }
      case kDrawingNotes: {
        // Strokes of 100 points in a zigzag over the page.
        const int i = static_cast<int>(step % 101);
        const int row = static_cast<int>((step / 101) % 40);
        const int x = 40 + 4 * (i % 100);
        const int y = 100 + row * 10 + (i % 2) * 6;
        if (i == 0) {
          StylusDown(x, y);
        } else if (i == 100) {
          StylusUp(x, y);
        } else {
          StylusMove(x, y);
        }
        break;
      }
    }
  }

  Work work_;
};

void BM_WorkingFrame(benchmark::State& state) {
  const std::string home = WorkingHome();
  RunHeadless([&](platform::Platform* platform) {
    return std::make_unique<WorkingFrames>(home, platform, &state,
                                           static_cast<Work>(state.range(0)));
  });
}
BENCHMARK(BM_WorkingFrame)
    ->Arg(kTyping)
    ->Arg(kSixteenGraphs)
    ->Arg(kTurningSurface)
    ->Arg(kDrawingNotes)
    ->Unit(benchmark::kMicrosecond);

// File/Open of a notebook of 1,000 solved entries (saved once beforehand),
// from the command to the end of the frame that shows it. The time reported
// is this thread's processor time; the wall time is the counter wall_ms.
class OpenThousand : public BenchProgram {
 public:
  using BenchProgram::BenchProgram;

 protected:
  void SetUp() override {
    SwitchTo(kCalculatorScreen);
    auto* screen = static_cast<CalculatorScreen*>(CurrentScreen());
    const char16_t* texts[] = {u"3/12+1/2", u"Expand((x+1)^6)", u"{{1,2},{3,4}}", u"\u0087(8)",
                               u"Solve(x^2-5x+6=0,x)"};
    notebook::CalculatorPanel& panel = screen->Panel();
    for (int i = 0; i < 1000; ++i) {
      ui::Focused()->SetText(texts[i % 5]);
      panel.Solve();
    }
    entries_ = panel.GetNotebook().EntryCount();
    const std::filesystem::path file =
        std::filesystem::path(ConfigHome()) / "Files" / "thousand.qv1";
    bytes_ = notebook::SaveNotebookFile(panel.GetNotebook(), file)
                 ? static_cast<long>(std::filesystem::file_size(file))
                 : 0;
  }

  void Loop(benchmark::State& state) override {
    notebook::CalculatorPanel& panel = static_cast<CalculatorScreen*>(CurrentScreen())->Panel();
    double wall = 0;
    for (auto _ : state) {
      panel.NewNotebook();
      DrawFrame();
      const Clock::time_point start = Clock::now();
      const double start_cpu = ThreadSeconds();
      panel.OpenNamed(u"thousand");
      DrawFrame();
      state.SetIterationTime(ThreadSeconds() - start_cpu);
      wall += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.counters["wall_ms"] = 1e3 * wall / static_cast<double>(state.iterations());
    state.SetLabel(std::to_string(panel.GetNotebook().EntryCount()) + " of " +
                   std::to_string(entries_) + " entries, " + std::to_string(bytes_ / 1024) + " KB");
  }

 private:
  std::string ConfigHome() const {
    return (std::filesystem::path(ZENTRIX_BINARY_DIR) / "working_bench_home").string();
  }

  std::size_t entries_ = 0;
  long bytes_ = 0;
};

void BM_OpenThousandEntries(benchmark::State& state) {
  const std::string home = WorkingHome();
  RunHeadless([&](platform::Platform* platform) {
    return std::make_unique<OpenThousand>(home, platform, &state);
  });
}
BENCHMARK(BM_OpenThousandEntries)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrix::shell
