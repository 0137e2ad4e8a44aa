// Drawing tests: two scenes of every widget, in a Small Classic and a Large
// Bright skin built by the skin tool, compared with reference images.

#include <gtest/gtest.h>

#include "draw/headless_display.h"
#include "ui/core/focus.h"
#include "ui/grid/cell_grid.h"
#include "ui/testing/ui_test_support.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check_box.h"
#include "ui/widgets/color_selector.h"
#include "ui/widgets/drop_down_box.h"
#include "ui/widgets/keyboard.h"
#include "ui/widgets/label.h"
#include "ui/widgets/main_menu.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/screen_bar.h"
#include "ui/widgets/slider.h"
#include "ui/widgets/tab_control.h"
#include "ui/widgets/text_box.h"

namespace zentrix::ui {
namespace {

struct SkinCase {
  SkinSize size;
  SkinStyle style;
  const char* name;
};

class WidgetPixelsTest : public ::testing::TestWithParam<SkinCase> {
 protected:
  void SetUp() override {
    const SkinCase& c = GetParam();
    const int scale = ScaleOf(c.size);
    ASSERT_EQ(display_.Open(240 * scale, 320 * scale), draw::kOk);
    ASSERT_EQ(skin_.Load(std::string(ZENTRIX_BINARY_DIR) + "/skins", c.size, c.style), draw::kOk)
        << "build the zentrix_skins target first";
    UseSkin(&skin_);
    screen().FillRect(nullptr, skin_.Palette().background);
  }
  void TearDown() override { UseSkin(nullptr); }
  draw::Surface& screen() { return display_.BackBuffer(); }
  int S(int v) const { return Scaled(v, GetParam().size); }
  std::string Name(const char* scene) const { return std::string(scene) + "_" + GetParam().name; }

  draw::ScopedDrawContextReset draw_reset_;
  ScopedUiStateReset ui_reset_;
  draw::HeadlessDisplay display_;
  Skin skin_;
};

TEST_P(WidgetPixelsTest, Controls) {
  ScreenBar bar;
  bar.Place(screen().Width());
  bar.SetCurrent(2);
  Label title(S(4), S(24), u"Tap [yellow]Solve[/] now");
  Label underlined(S(130), S(24), u"Settings");
  underlined.SetUnderlined(true);
  Button up(S(4), S(40), S(64), S(22), u"Standard");
  Button pressed(S(72), S(40), S(64), S(22), u"Pressed");
  pressed.SetPressed(true);
  Button disabled(S(140), S(40), S(48), S(18), u"Off", Button::Style::kSmall);
  disabled.SetEnabled(false);
  Button icon(S(196), S(40), S(24), S(22), u"");
  icon.SetIcon(Icon::kPlay, u"play");
  CheckBox on(S(4), S(68), u"Show zeros", true);
  CheckBox off(S(120), S(68), u"Smart solve", false);
  RadioGroup radios;
  radios.SetPosition(S(4), S(86));
  radios.Add(0, 0, u"Radians");
  radios.Add(S(80), 0, u"Degrees");
  radios.Select(1);
  DropDownBox drop(S(4), S(104), S(120), {u"Fraction", u"Decimal"});
  Slider slider(S(4), S(126), S(200), Slider::Orientation::kHorizontal);
  slider.SetRange(11);
  slider.SetPosition(5);
  ColorSelector colour(S(4), S(146), u"Answer colour");
  colour.SetValue(0x00FF00);
  TabControl tabs(0, S(166), screen().Width(), {u"Graphs", u"Window", u"Table"});
  tabs.Select(1);
  TextBox box(S(4), S(190), S(200), u"(1+(2*x))^2");
  box.SetColorParentheses(true);
  box.SetBackground(TextBox::kNoBackground);
  box.SetPrefix(u"y=");
  Focus(&box);
  box.CaretToEnd();
  MainMenu menu;
  menu.Place(screen().Width(), screen().Height());

  for (Widget* w : std::initializer_list<Widget*>{&bar, &title, &underlined, &up, &pressed,
                                                  &disabled, &icon, &on, &off, &radios, &drop,
                                                  &slider, &colour, &tabs, &box, &menu}) {
    w->Draw(screen());
  }
  EXPECT_TRUE(testing::MatchesReference(screen(), Name("controls")));
}

TEST_P(WidgetPixelsTest, GridAndKeyboard) {
  CellGrid grid(S(4), S(24));
  grid.SetSize(S(232), S(120));
  grid.AddColumn(u"L1");
  grid.AddColumn(u"L2");
  grid.AddColumn(u"L3");
  grid.AddColumn(u"L4");
  const char16_t* values[] = {u"1", u"2.5", u"-3", u"40"};
  for (int r = 0; r < 4; ++r) {
    grid.FocusCell(0, r);
    InsertText(values[r]);
    grid.Draw(screen());
  }
  grid.FocusCell(1, 0);
  InsertText(u"7");
  grid.Draw(screen());
  OnScreenKeyboard keyboard;
  keyboard.Place(0, screen().Height() - S(20) - keyboard.Height());
  keyboard.SetShift(true);
  const draw::Rect q = keyboard.KeyRect(1, 0);
  keyboard.StylusDown({q.left + 3, q.top + 3});  // drawn pressed
  keyboard.Draw(screen());
  MainMenu menu;
  menu.Place(screen().Width(), screen().Height());
  menu.Draw(screen());
  EXPECT_TRUE(testing::MatchesReference(screen(), Name("grid_keyboard")));
}

TEST_P(WidgetPixelsTest, PaletteAndMessage) {
  ColorSelector colour(S(4), S(150), u"Pen");
  colour.Draw(screen());
  colour.StylusDown({colour.X() + 2, colour.Y() + 2});
  colour.DrawPalette(screen());
  MessageBox message;
  message.Show(u"This file already exists.\nDo you want to replace it?",
               MessageBox::Buttons::kYesNo);
  message.Draw(screen());
  EXPECT_TRUE(testing::MatchesReference(screen(), Name("palette_message")));
}

INSTANTIATE_TEST_SUITE_P(
    Skins, WidgetPixelsTest,
    ::testing::Values(SkinCase{SkinSize::kSmall, SkinStyle::kClassic, "small_classic"},
                      SkinCase{SkinSize::kLarge, SkinStyle::kBright, "large_bright"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrix::ui
