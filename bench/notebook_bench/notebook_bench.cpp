// Cost of answers in two dimensions and of notebook frames: building (measure
// and placement) and drawing a 6 × 6 symbolic matrix, a 40-term polynomial and
// a fraction nested 20 deep; a full frame of notebooks of 50 and 2,000 entries
// at 480×640; a frame with an entry of 100,000 characters and an answer 500
// boxes deep.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "engine/commands/entry_pipeline.h"
#include "engine/commands/install_engine.h"
#include "engine/core/engine_state.h"
#include "notebook/answer/answer.h"
#include "notebook/calculator/calculator_panel.h"
#include "notebook/model/notebook.h"
#include "notebook/view/notebook_view.h"
#include "ui/core/focus.h"
#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"

// The program installs the engine once, before any benchmark runs.
const bool kEngineInstalled = (zentrix::engine::InstallEngine(), true);

namespace zentrix::notebook {
namespace {

class LargeScreen {
 public:
  LargeScreen() {
    display_.Open(480, 640);
    if (draw::Failed(skin_.Load(std::string(ZENTRIX_BINARY_DIR) + "/skins", ui::SkinSize::kLarge,
                                ui::SkinStyle::kBright))) {
      std::abort();  // the skins are built with the project
    }
    ui::UseSkin(&skin_);
  }
  ~LargeScreen() { ui::UseSkin(nullptr); }
  draw::Surface& Surface() { return display_.BackBuffer(); }
  ui::TextRenderer& Font() { return skin_.NormalText(); }
  // A notebook view in the Bright style over the screen's content area.
  void SetUpView(NotebookView& view) {
    view.SetStyle(NotebookStyle::Bright(0xE6E6FF));
    view.SetFont(&Font());
    view.SetRect(draw::Rect::FromSize(0, 40, 480, 600));
  }

 private:
  draw::ScopedDrawContextReset reset_;
  ui::ScopedUiStateReset ui_reset_;
  draw::HeadlessDisplay display_;
  ui::Skin skin_;
};

// The entries the notebook benchmarks solve, in turn.
constexpr const char16_t* kSolvedEntries[] = {u"3/12+1/2", u"Expand((x+1)^6)", u"{{1,2},{3,4}}",
                                              u"\u0087(8)", u"Solve(x^2-5x+6=0,x)"};

engine::AnswerLayout Solved(const std::u16string& text) {
  engine::VariableStore store;
  engine::EntrySettings settings;
  settings.smart_solve = false;
  return engine::SolveEntry(text, store, settings).layout;
}

std::u16string SymbolicMatrix() {
  std::u16string text = u"{";
  for (int r = 0; r < 6; ++r) {
    text += r ? u",{" : u"{";
    for (int c = 0; c < 6; ++c) {
      if (c) text += u",";
      const std::u16string i(1, static_cast<char16_t>(u'1' + r));
      const std::u16string j(1, static_cast<char16_t>(u'1' + c));
      text += u"x^" + i + u"/" + j + u"+" + j + u"y";
    }
    text += u"}";
  }
  return text + u"}";
}

engine::AnswerLayout NestedFraction(int depth) {
  engine::AnswerLayout box = engine::AnswerLayout::Text(u"x");
  for (int i = 0; i < depth; ++i) {
    engine::AnswerLayout row = engine::AnswerLayout::Row();
    row.Append(0, engine::AnswerLayout::Text(u"1"));
    row.Append(u'+', std::move(box));
    box = engine::AnswerLayout::Fraction(engine::AnswerLayout::Text(u"1"), std::move(row));
  }
  return box;
}

engine::AnswerLayout LargeAnswer(int which) {
  engine::ScopedEngineState engine;
  switch (which) {
    case 0: return Solved(SymbolicMatrix());
    case 1: return Solved(u"Expand((x+1)^39)");
    default: return NestedFraction(20);
  }
}

const char* kAnswerNames[] = {"matrix 6x6", "polynomial 40 terms", "fraction 20 deep"};

void BM_AnswerMeasure(benchmark::State& state) {
  LargeScreen screen;
  const engine::AnswerLayout layout = LargeAnswer(static_cast<int>(state.range(0)));
  AnswerPlacement placement;
  for (auto _ : state) {
    placement.Build(layout, screen.Font(), 460, 0);
    benchmark::DoNotOptimize(placement.Size());
  }
  state.SetLabel(std::string(kAnswerNames[state.range(0)]) + ", " +
                 std::to_string(placement.BoxCount()) + " boxes, " +
                 std::to_string(placement.Size().width) + "x" +
                 std::to_string(placement.Size().height) + " px");
}
BENCHMARK(BM_AnswerMeasure)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_AnswerDraw(benchmark::State& state) {
  LargeScreen screen;
  Answer answer(LargeAnswer(static_cast<int>(state.range(0))));
  answer.Measure(screen.Font(), 460, 0);
  for (auto _ : state) {
    answer.Draw(screen.Surface(), screen.Font(), 0, 10, 10, 460);
  }
  state.SetLabel(kAnswerNames[state.range(0)]);
}
BENCHMARK(BM_AnswerDraw)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// A notebook of n solved entries, scrolled to the bottom, one frame per
// iteration (layout of every entry, drawing of the visible ones).
void BM_NotebookFrame(benchmark::State& state) {
  LargeScreen screen;
  engine::ScopedEngineState engine;
  Notebook notebook;
  NotebookView view(notebook);
  screen.SetUpView(view);
  engine::EntrySettings settings;
  notebook.FocusEntry(0);
  for (int i = 0; i < state.range(0); ++i) {
    ui::Focused()->SetText(kSolvedEntries[i % 5]);
    notebook.Solve(engine::SolveMode::kNormal, settings);
  }
  view.LayoutAndDraw(screen.Surface());
  for (auto _ : state) {
    view.LayoutAndDraw(screen.Surface());
  }
  state.SetLabel(std::to_string(notebook.EntryCount()) + " entries");
}
BENCHMARK(BM_NotebookFrame)->Arg(50)->Arg(2000)->Unit(benchmark::kMicrosecond);

// The calculator screen's content at 480×640: 50 solved entries above the
// button pad.
void BM_CalculatorFrame(benchmark::State& state) {
  LargeScreen screen;
  engine::ScopedEngineState engine;
  ui::Skin skin;
  skin.Load(std::string(ZENTRIX_BINARY_DIR) + "/skins", ui::SkinSize::kLarge,
            ui::SkinStyle::kBright);
  CalculatorPanel panel;
  panel.SetSkin(&skin, std::string(ZENTRIX_BINARY_DIR) + "/skins");
  panel.GetNotebook().FocusEntry(0);
  for (int i = 0; i < 50; ++i) {
    ui::Focused()->SetText(kSolvedEntries[i % 5]);
    panel.Solve();
  }
  const draw::Rect content = draw::Rect::FromSize(0, 40, 480, 560);
  panel.LayoutAndDraw(screen.Surface(), content);
  for (auto _ : state) {
    panel.LayoutAndDraw(screen.Surface(), content);
  }
}
BENCHMARK(BM_CalculatorFrame)->Unit(benchmark::kMicrosecond);

// Bad input: an entry of 100,000 characters with its message answer, and an
// answer 500 boxes deep, both on the page.
void BM_NotebookFrameHugeEntries(benchmark::State& state) {
  LargeScreen screen;
  engine::ScopedEngineState engine;
  Notebook notebook;
  NotebookView view(notebook);
  screen.SetUpView(view);
  notebook.Entry(0).Input().SetText(std::u16string(100000, u'7') + u"+");
  notebook.Entry(0).GetAnswer().SetMessage(u"Error: Syntax Error");
  notebook.AddEntry().GetAnswer().Set(NestedFraction(500));
  view.LayoutAndDraw(screen.Surface());
  for (auto _ : state) {
    view.LayoutAndDraw(screen.Surface());
  }
}
BENCHMARK(BM_NotebookFrameHugeEntries)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentrix::notebook
