// Behaviour of the individual widgets: what a tap, a drag or a release does.

#include <gtest/gtest.h>

#include "draw/headless_display.h"
#include "ui/core/stylus_router.h"
#include "ui/testing/ui_test_support.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check_box.h"
#include "ui/widgets/color_selector.h"
#include "ui/widgets/drop_down_box.h"
#include "ui/widgets/label.h"
#include "ui/widgets/main_menu.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/screen_bar.h"
#include "ui/widgets/slider.h"
#include "ui/widgets/tab_control.h"
#include "ui/widgets/text_box.h"

namespace zentrix::ui {
namespace {

using testing::UiTest;

Point Centre(const draw::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

bool Tap(Widget& w, Point p) {
  const bool down = w.StylusDown(p);
  w.StylusUp(p);
  return down;
}

class WidgetsTest : public UiTest {};

TEST_F(WidgetsTest, ButtonFramesAndDisabledTap) {
  int clicks = 0;
  Button normal(0, 0, 64, 22, u"OK");
  normal.SetAction([&] { ++clicks; });
  EXPECT_EQ(normal.Frame(), 0);
  normal.StylusDown({5, 5});
  EXPECT_EQ(normal.Frame(), 1);
  normal.StylusUp({5, 5});
  EXPECT_EQ(clicks, 1);

  normal.SetEnabled(false);
  EXPECT_EQ(normal.Frame(), 1);  // two frames: the pressed one
  EXPECT_FALSE(Tap(normal, {5, 5}));
  EXPECT_EQ(clicks, 1);
  Button small(0, 0, 48, 18, u"Off", Button::Style::kSmall);
  small.SetEnabled(false);
  EXPECT_EQ(small.Frame(), 2);
}

TEST_F(WidgetsTest, LabelLeavesTapsToTheControlBelow) {
  // A caption drawn over a button: the screen offers the tap to both in turn.
  Label caption(0, 0, u"Tap here");
  caption.Draw(display_.BackBuffer());  // sized by its text
  ASSERT_GT(caption.Width(), 4);
  int clicks = 0;
  Button below(0, 0, 64, 22, u"");
  below.SetAction([&] { ++clicks; });
  const Point p{3, 2};
  EXPECT_FALSE(Tap(caption, p));
  EXPECT_TRUE(Tap(below, p));
  EXPECT_EQ(clicks, 1);
}

TEST_F(WidgetsTest, CheckBoxTogglesOnPressAndShowsCheckedOnlyWhenEnabled) {
  CheckBox box(0, 0, u"Plot");
  bool reported = false;
  box.SetOnChange([&](bool on) { reported = on; });
  EXPECT_TRUE(Tap(box, {5, 5}));
  EXPECT_TRUE(box.Checked());
  EXPECT_TRUE(reported);
  EXPECT_EQ(box.Frame(), 1);
  box.SetEnabled(false);
  EXPECT_EQ(box.Frame(), 0);
  EXPECT_FALSE(Tap(box, {5, 5}));
  EXPECT_TRUE(box.Checked());
}

TEST_F(WidgetsTest, RadioGroupKeepsOneSelection) {
  RadioGroup group;
  group.SetPosition(10, 10);
  group.Add(0, 0, u"Radians");
  group.Add(0, 20, u"Degrees");
  EXPECT_EQ(group.Selected(), RadioGroup::kNone);
  Tap(group, Centre(group.ItemRect(1)));
  EXPECT_EQ(group.Selected(), 1);
  Tap(group, Centre(group.ItemRect(0)));
  EXPECT_EQ(group.Selected(), 0);
  EXPECT_EQ(group.Previous(), 1);
  group.Select(7);  // out of range: none
  EXPECT_EQ(group.Selected(), RadioGroup::kNone);
  WidgetList parts;
  group.Describe(parts);
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0].kind, "radio button");
  EXPECT_EQ(parts[1].checked, false);
}

TEST_F(WidgetsTest, SliderClampsAndPlacesItsThumb) {
  Slider slider(0, 0, 200, Slider::Orientation::kHorizontal);
  slider.SetRange(0);
  EXPECT_EQ(slider.Count(), 1);
  slider.SetPosition(5);
  EXPECT_EQ(slider.Position(), 0);
  EXPECT_EQ(slider.ThumbOffset(), 0);
  slider.SetRange(11);
  slider.SetPosition(-3);
  EXPECT_EQ(slider.Position(), 0);
  slider.SetPosition(99);
  EXPECT_EQ(slider.Position(), 10);
  const int thumb = slider.ThumbSize();
  EXPECT_GE(thumb, kScrollBarMinThumb);
  slider.SetPosition(4);
  EXPECT_EQ(slider.ThumbOffset(), 4 * (200 - thumb) / 10);

  // Dragging the thumb to the far end.
  const draw::Rect t = slider.ThumbRect();
  slider.StylusDown(Centre(t));
  slider.StylusMove({500, Centre(t).y});
  slider.StylusUp({500, Centre(t).y});
  EXPECT_EQ(slider.Position(), 10);
  // A tap on the track before the thumb moves a page back.
  slider.SetPageSize(3);
  Tap(slider, {2, 8});
  EXPECT_EQ(slider.Position(), 7);
}

TEST_F(WidgetsTest, DropDownOpensChoosesAndClosesOnOutsideTap) {
  DropDownBox box(10, 10, 100, {u"Point", u"Line"});
  int changes = 0;
  box.SetOnChange([&](int) { ++changes; });
  EXPECT_EQ(box.Text(), u"Point");
  Tap(box, {20, 15});
  ASSERT_TRUE(box.IsOpen());
  EXPECT_TRUE(Ui().modal_open);
  Tap(box, Centre(box.ItemRect(1)));
  EXPECT_FALSE(box.IsOpen());
  EXPECT_FALSE(Ui().modal_open);
  EXPECT_EQ(box.Selected(), 1);
  EXPECT_EQ(box.Text(), u"Line");
  Tap(box, {20, 15});
  EXPECT_TRUE(Tap(box, {200, 300}));  // outside: closes, the tap is used up
  EXPECT_FALSE(box.IsOpen());
  EXPECT_EQ(box.Selected(), 1);
  EXPECT_EQ(changes, 1);

  DropDownBox empty(10, 10, 100);
  EXPECT_FALSE(Tap(empty, {20, 15}));
  EXPECT_FALSE(empty.IsOpen());
}

TEST_F(WidgetsTest, ColourSelectorPicksASwatchOrKeepsItsColour) {
  ColorSelector selector(10, 10, u"Pen");
  selector.SetValue(0x123456);
  Tap(selector, {15, 15});
  ASSERT_TRUE(selector.IsOpen());
  Tap(selector, {0, 0});  // outside every swatch
  EXPECT_FALSE(selector.IsOpen());
  EXPECT_EQ(selector.Value(), 0x123456u);
  Tap(selector, {15, 15});
  Tap(selector, Centre(selector.SwatchRect(11 * 14 + 5)));  // grey row
  EXPECT_EQ(selector.Value(), 0x808080u);
  EXPECT_EQ(ColorName(0x0080FF), u"#FF8000");
}

TEST_F(WidgetsTest, PaletteStaysInsideItsAreaWhereEverySwatchCanBeTapped) {
  // A 240-pixel-tall screen leaves 200 pixels between the bars: fifteen rows
  // at their full pitch would run under the menu bar.
  const draw::Rect area{0, 20, 240, 220};
  for (const PaletteKind kind : {PaletteKind::kNormal, PaletteKind::kLight}) {
    ColorSelector selector(10, 30, u"Answer", kind);
    selector.SetPaletteArea(area);
    selector.Draw(display_.BackBuffer());
    Tap(selector, {15, 35});
    ASSERT_TRUE(selector.IsOpen());
    for (int i = 0; i < selector.SwatchCount(); ++i) {
      const draw::Rect r = selector.SwatchRect(i);
      EXPECT_TRUE(area.Contains(r.left, r.top) && area.Contains(r.right - 1, r.bottom - 1)) << i;
      EXPECT_GE(r.Height(), 4) << i;
      if (i >= 11) {
        EXPECT_LT(selector.SwatchRect(i - 11).bottom, r.top) << i;  // no overlap
      }
    }
    const int last = selector.SwatchCount() - 1;
    Tap(selector, Centre(selector.SwatchRect(last)));
    EXPECT_EQ(selector.Value(), selector.SwatchColor(last));
  }
}

TEST_F(WidgetsTest, TabControlChoosesTheTappedTab) {
  TabControl tabs(0, 0, 240, {u"Graphs", u"Window", u"Table"});
  Tap(tabs, Centre(tabs.TabRect(2)));
  EXPECT_EQ(tabs.Selected(), 2);
  EXPECT_FALSE(Tap(tabs, {239, 10}));  // beyond the last tab
  EXPECT_EQ(tabs.Selected(), 2);
}

TEST_F(WidgetsTest, ScreenBarSelectsScreensAndCloses) {
  ScreenBar bar;
  int selected = -1;
  int closes = 0;
  bar.SetOnSelect([&](int s) { selected = s; });
  bar.SetOnClose([&] { ++closes; });
  Tap(bar, Centre(bar.IconRect(3)));
  EXPECT_EQ(selected, 3);
  EXPECT_EQ(bar.Current(), 3);
  Tap(bar, Centre(bar.CloseRect()));
  EXPECT_EQ(closes, 1);
  // Down on one icon, up on another: nothing.
  bar.StylusDown(Centre(bar.IconRect(1)));
  bar.StylusUp(Centre(bar.IconRect(2)));
  EXPECT_EQ(selected, 3);
}

class MenuScreen : public Screen {
 public:
  std::string_view Name() const override { return "calculator"; }
  void LayoutAndDraw(draw::Surface&, const draw::Rect&) override {}
  ScreenMenu Menu() const override { return StandardMenu(MenuKind::kCalculator); }
};

TEST_F(WidgetsTest, MainMenuRunsItemsOfTheCurrentScreen) {
  MainMenu menu;
  MenuScreen screen;
  menu.SetScreen(&screen);
  std::vector<MenuCommand> run;
  menu.SetOnCommand([&](MenuCommand c) { run.push_back(c); });
  Tap(menu, Centre(menu.ElementRect(MainMenu::kEdit)));
  ASSERT_EQ(menu.OpenMenu(), MainMenu::kEdit);
  Tap(menu, Centre(menu.ItemRect(4)));  // Insert Entry
  EXPECT_EQ(menu.OpenMenu(), -1);
  Tap(menu, Centre(menu.ElementRect(MainMenu::kFile)));
  Tap(menu, {200, 10});  // outside the list: closes, runs nothing
  EXPECT_EQ(menu.OpenMenu(), -1);
  Tap(menu, Centre(menu.ElementRect(MainMenu::kAction)));
  Tap(menu, Centre(menu.ElementRect(MainMenu::kKeyboard)));
  EXPECT_TRUE(menu.Choose(u"File/Save As..."));
  EXPECT_TRUE(menu.Choose(u"Solve"));
  EXPECT_FALSE(menu.Choose(u"Plot"));
  EXPECT_FALSE(menu.Choose(u"Edit/Insert Page"));
  EXPECT_EQ(run, (std::vector<MenuCommand>{MenuCommand::kInsertEntry, MenuCommand::kAction,
                                           MenuCommand::kToggleKeyboard, MenuCommand::kSaveAs,
                                           MenuCommand::kAction}));
}

TEST_F(WidgetsTest, StandardMenusFollowTheScreens) {
  EXPECT_EQ(StandardMenu(MenuKind::kGrapher2D).edit.size(), 8u);
  EXPECT_EQ(StandardMenu(MenuKind::kGrapher3D).edit.size(), 4u);
  EXPECT_EQ(StandardMenu(MenuKind::kNotes).edit.back().text, u"Delete Page");
  EXPECT_EQ(StandardMenu(MenuKind::kNotes).action, u"Clear");
  const ScreenMenu shots = StandardMenu(MenuKind::kScreenshots);
  ASSERT_EQ(shots.file.size(), 2u);
  EXPECT_EQ(shots.file[1].text, u"Exit");
  EXPECT_EQ(shots.action, u"");
}

}  // namespace
}  // namespace zentrix::ui

namespace zentrix::ui {
namespace {

TEST(MissingSkinTest, WidgetsDrawWithoutImagesOrFonts) {
  draw::ScopedDrawContextReset draw_reset;
  ScopedUiStateReset ui_reset;
  draw::HeadlessDisplay display;
  ASSERT_EQ(display.Open(240, 320), draw::kOk);
  Skin skin;
  EXPECT_TRUE(draw::Failed(skin.Load("/nonexistent", SkinSize::kSmall, SkinStyle::kClassic)));
  EXPECT_EQ(skin.Image(SkinImageId::kButton), nullptr);
  UseSkin(&skin);
  Button button(0, 0, 64, 22, u"OK");
  CheckBox box(0, 30, u"Plot", true);
  TextBox text(0, 60, 100, u"1+2");
  MainMenu menu;
  ScreenBar bar;
  draw::Surface& screen = display.BackBuffer();
  for (Widget* w : std::initializer_list<Widget*>{&button, &box, &text, &menu, &bar}) {
    w->Draw(screen);
  }
  EXPECT_TRUE(Tap(button, {5, 5}));
  UseSkin(nullptr);
}

}  // namespace
}  // namespace zentrix::ui
