// Per-frame cost of drawing widgets: a settings-like screen (3 radio groups, a
// slider, 6 check boxes, a colour selector) on a 480×640 surface, a cell grid
// of 4 columns × 100 rows, and a text box of 100,000 characters.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "ui/core/focus.h"
#include "ui/core/ui_state.h"
#include "ui/grid/cell_grid.h"
#include "ui/skin/skin.h"
#include "ui/widgets/check_box.h"
#include "ui/widgets/color_selector.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/slider.h"
#include "ui/widgets/text_box.h"

namespace zentrix::ui {
namespace {

class LargeScreen {
 public:
  LargeScreen() {
    display_.Open(480, 640);
    if (draw::Failed(skin_.Load(std::string(ZENTRIX_BINARY_DIR) + "/skins", SkinSize::kLarge,
                                SkinStyle::kBright))) {
      std::abort();  // the skins are built with the project
    }
    UseSkin(&skin_);
  }
  ~LargeScreen() { UseSkin(nullptr); }
  draw::Surface& Surface() { return display_.BackBuffer(); }

 private:
  draw::ScopedDrawContextReset reset_;
  ScopedUiStateReset ui_reset_;
  draw::HeadlessDisplay display_;
  Skin skin_;
};

void BM_SettingsLikeScreen(benchmark::State& state) {
  LargeScreen screen;
  std::vector<std::unique_ptr<Widget>> widgets;
  const char16_t* choices[3][3] = {{u"Fraction", u"Decimal", u"Mixed"},
                                   {u"Normal", u"Scientific", u"Engineering"},
                                   {u"Radians", u"Degrees", u"Grads"}};
  for (int g = 0; g < 3; ++g) {
    auto group = std::make_unique<RadioGroup>();
    group->SetPosition(8, 60 + g * 40);
    for (int i = 0; i < 3; ++i) group->Add(i * 150, 0, choices[g][i]);
    group->Select(g % 3);
    widgets.push_back(std::move(group));
  }
  auto slider = std::make_unique<Slider>(8, 200, 400, Slider::Orientation::kHorizontal);
  slider->SetRange(11);
  slider->SetPosition(5);
  widgets.push_back(std::move(slider));
  const char16_t* checks[6] = {u"Show zeros", u"Smart solve", u"Large font",
                               u"Small font", u"Windowed",    u"Sound"};
  for (int i = 0; i < 6; ++i) {
    widgets.push_back(
        std::make_unique<CheckBox>(8 + (i % 2) * 220, 250 + (i / 2) * 40, checks[i], i % 2 == 0));
  }
  widgets.push_back(std::make_unique<ColorSelector>(8, 400, u"Answer colour"));
  draw::Surface& surface = screen.Surface();
  for (auto _ : state) {
    surface.FillRect(nullptr, 0xFFFFFF);
    for (auto& w : widgets) w->Draw(surface);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SettingsLikeScreen)->Unit(benchmark::kMicrosecond);

void BM_CellGrid4x100(benchmark::State& state) {
  LargeScreen screen;
  CellGrid grid(8, 60);
  grid.SetSize(464, 500);
  for (int c = 0; c < 4; ++c) grid.AddColumn();
  for (int c = 0; c < 4; ++c) {
    for (int r = 0; r < 100; ++r) {
      grid.FocusCell(c, r);
      InsertText(std::u16string(u"1.") + static_cast<char16_t>(u'0' + r % 10));
      grid.Draw(screen.Surface());
    }
  }
  Focus(nullptr);
  draw::Surface& surface = screen.Surface();
  for (auto _ : state) {
    surface.FillRect(nullptr, 0xFFFFFF);
    grid.Draw(surface);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CellGrid4x100)->Unit(benchmark::kMicrosecond);

void BM_LongTextBox(benchmark::State& state) {
  LargeScreen screen;
  std::u16string text;
  while (text.size() < 100000) text += u"sin(x)+cos(2*x)^2-";
  TextBox box(8, 60, 440, text);
  Focus(&box);
  box.Layout();
  draw::Surface& surface = screen.Surface();
  for (auto _ : state) {
    surface.FillRect(nullptr, 0xFFFFFF);
    box.Draw(surface);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_LongTextBox)->Unit(benchmark::kMicrosecond);

// One typed character: the wrap of the whole text is recomputed once.
void BM_LongTextBoxEdit(benchmark::State& state) {
  LargeScreen screen;
  std::u16string text;
  while (text.size() < 100000) text += u"sin(x)+cos(2*x)^2-";
  TextBox box(8, 60, 440, text);
  Focus(&box);
  draw::Surface& surface = screen.Surface();
  for (auto _ : state) {
    box.InsertCharacter(u'1');
    box.Backspace();
    box.Draw(surface);
  }
}
BENCHMARK(BM_LongTextBoxEdit)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentrix::ui
