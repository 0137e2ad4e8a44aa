// The notes screen as drawn in a Small Classic and a Large Bright skin built
// by the skin tool: a page of strokes in several colours, on page 2 of 3,
// compared with reference images.

#include <gtest/gtest.h>

#include "draw/headless_display.h"
#include "notes/screen/notes_screen.h"
#include "ui/settings/program_settings.h"
#include "ui/testing/ui_test_support.h"

namespace zentrix::notes {
namespace {

struct SkinCase {
  ui::SkinSize size;
  ui::SkinStyle style;
  int style_index;
  const char* name;
};

class NotesPixelsTest : public ::testing::TestWithParam<SkinCase> {
 protected:
  draw::ScopedDrawContextReset draw_reset_;
  ui::ScopedUiStateReset ui_reset_;
  ui::ScopedSettingsReset settings_reset_;
  draw::HeadlessDisplay display_;
  ui::Skin skin_;
};

TEST_P(NotesPixelsTest, APageOfStrokes) {
  const SkinCase& c = GetParam();
  const int scale = ui::ScaleOf(c.size);
  auto S = [&](int v) { return v * scale; };
  ASSERT_EQ(display_.Open(S(240), S(320)), draw::kOk);
  ASSERT_EQ(skin_.Load(std::string(ZENTRIX_BINARY_DIR) + "/skins", c.size, c.style), draw::kOk)
      << "build the zentrix_skins target first";
  ui::UseSkin(&skin_);
  ui::Settings().style_index = c.style_index;
  draw::Surface& screen = display_.BackBuffer();
  const draw::Rect content{0, S(20), S(240), S(300)};

  NotesScreen notes(NotesServices{});
  notes.Enter();
  notes.LayoutAndDraw(screen, content);
  auto stroke = [&](std::initializer_list<ui::Point> points) {
    auto p = points.begin();
    notes.StylusDown({S(p->x), S(p->y)});
    for (++p; p != points.end(); ++p) notes.StylusMove({S(p->x), S(p->y)});
    notes.StylusUp({0, 0});
  };
  stroke({{20, 60}, {20, 60}});
  notes.KeyDown({ui::keys::kRight});
  // A triangle in the pen's colour, a red wave, and a blue line run off the
  // bottom edge (clamped to the page).
  stroke({{40, 80}, {120, 80}, {80, 150}, {40, 80}});
  notes.KeyDown({ui::keys::kRight});
  notes.KeyDown({ui::keys::kLeft});
  // The pen's palette, opened and a swatch chosen as a person taps them.
  auto tap = [&](std::u16string_view name) {
    notes.LayoutAndDraw(screen, content);
    ui::WidgetList widgets;
    notes.DescribeWidgets(widgets);
    const ui::WidgetInfo* found = ui::FindForClick(widgets, name);
    ASSERT_TRUE(found);
    const ui::Point centre{(found->rect.left + found->rect.right) / 2,
                           (found->rect.top + found->rect.bottom) / 2};
    notes.StylusDown(centre);
    notes.StylusUp(centre);
  };
  tap(u"Pen");
  tap(u"#FF0000");
  stroke({{20, 200}, {50, 180}, {80, 220}, {110, 180}, {140, 220}, {170, 180}, {200, 200}});
  tap(u"Pen");
  tap(u"#0000FF");
  stroke({{200, 100}, {230, 400}});

  screen.FillRect(nullptr, skin_.Palette().background);
  notes.LayoutAndDraw(screen, content);
  EXPECT_EQ(notes.Book().PageIndex(), 1);
  EXPECT_EQ(notes.Book().PageCount(), 3);
  EXPECT_TRUE(ui::testing::CompareWithReference(
                  screen, std::string(ZENTRIX_SOURCE_DIR) + "/src/notes/screen/testdata",
                  std::string("notes_page_") + c.name, ZENTRIX_BINARY_DIR)
                  .empty());
}

INSTANTIATE_TEST_SUITE_P(Skins, NotesPixelsTest,
                         ::testing::Values(SkinCase{ui::SkinSize::kSmall, ui::SkinStyle::kClassic,
                                                    ui::kStyleClassic, "small_classic"},
                                           SkinCase{ui::SkinSize::kLarge, ui::SkinStyle::kBright,
                                                    ui::kStyleBright, "large_bright"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrix::notes
