// Frame cost of the notes screen on a 480×640 surface while the stylus holds
// a stroke of 1,000,000 points: a steady frame (three new points, as a moving
// stylus adds per frame) beside a frame that draws the whole page again (after
// a page turn or an erase).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "notes/screen/notes_screen.h"
#include "ui/core/ui_state.h"
#include "ui/skin/skin.h"

namespace zentrix::notes {
namespace {

constexpr draw::Rect kContent{0, 40, 480, 600};

class HeldStroke {
 public:
  HeldStroke() {
    display_.Open(480, 640);
    if (draw::Failed(skin_.Load(std::string(ZENTRIX_BINARY_DIR) + "/skins", ui::SkinSize::kLarge,
                                ui::SkinStyle::kBright))) {
      std::abort();  // the skins are built with the project
    }
    ui::UseSkin(&skin_);
    screen_.Enter();
    screen_.LayoutAndDraw(Surface(), kContent);
    screen_.StylusDown({100, 100});
    for (int i = 0; i < 1'000'000; ++i) Move(i);
  }
  ~HeldStroke() { ui::UseSkin(nullptr); }
  void Move(int i) { screen_.StylusMove({40 + i % 400, 100 + (i / 400) % 480}); }
  draw::Surface& Surface() { return display_.BackBuffer(); }
  NotesScreen& Screen() { return screen_; }

 private:
  draw::ScopedDrawContextReset reset_;
  ui::ScopedUiStateReset ui_reset_;
  draw::HeadlessDisplay display_;
  ui::Skin skin_;
  NotesScreen screen_{NotesServices{}};
};

void BM_SteadyFrameHoldingAMillionPointStroke(benchmark::State& state) {
  HeldStroke held;
  held.Screen().LayoutAndDraw(held.Surface(), kContent);
  int i = 0;
  for (auto _ : state) {
    for (int k = 0; k < 3; ++k) held.Move(i++);
    held.Screen().LayoutAndDraw(held.Surface(), kContent);
  }
}
BENCHMARK(BM_SteadyFrameHoldingAMillionPointStroke)->Unit(benchmark::kMicrosecond);

void BM_WholePageOfAMillionPoints(benchmark::State& state) {
  HeldStroke held;
  for (auto _ : state) {
    held.Screen().Enter();  // entering draws the page anew, as a page turn does
    held.Screen().LayoutAndDraw(held.Surface(), kContent);
  }
}
BENCHMARK(BM_WholePageOfAMillionPoints)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace zentrix::notes
