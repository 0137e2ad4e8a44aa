#include "graphing/screens/form/settings_form.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "graphing/screens/testing/panel_test_support.h"

namespace zentrix::graphing::screens {
namespace {

class SettingsFormTest : public testing::PanelTest {
 protected:
  static void Tap(SettingsForm& form, const ui::Widget& w) {
    const ui::Point centre{w.X() + w.Width() / 2, w.Y() + w.Height() / 2};
    form.StylusDown(centre);
    form.StylusUp(centre);
  }
};

TEST_F(SettingsFormTest, ControlsWriteTheirValuesAndRefreshReadsThemBack) {
  std::u16string text = u"sin(x)";
  bool on = false;
  Colour colour = 0x0000FF;
  int choice = 1;
  int changes = 0;
  SettingsForm form;
  ui::TextBox& box = form.AddField(u"y=", &text);
  ui::CheckBox& check = form.AddCheck(u"Plot", &on);
  form.AddColour(u"Color", &colour);
  ui::DropDownBox& drop = form.AddChoice(
      u"Style", {u"A", u"B", u"C"}, [&] { return choice; }, [&](int i) { choice = i; });
  form.SetOnChange([&] { ++changes; });
  form.Layout(draw::Rect{0, 40, 240, 300});
  EXPECT_EQ(box.Text(), u"sin(x)");
  EXPECT_EQ(drop.Selected(), 1);

  Type(box, "x^2");
  EXPECT_EQ(text, u"sin(x)");  // typed texts reach the model on Sync
  EXPECT_TRUE(form.Sync());
  EXPECT_EQ(text, u"x^2");
  EXPECT_FALSE(form.Sync());

  Tap(form, check);
  EXPECT_TRUE(on);
  Tap(form, drop);  // opens the list; the list takes the next tap wherever it lands
  EXPECT_TRUE(form.PopupOpen());
  const draw::Rect third = drop.ItemRect(2);
  form.StylusDown({third.left + 2, third.top + 2});
  form.StylusUp({third.left + 2, third.top + 2});
  EXPECT_EQ(choice, 2);
  EXPECT_FALSE(form.PopupOpen());
  EXPECT_EQ(changes, 3);

  text = u"cos(x)";
  on = false;
  choice = 0;
  form.Refresh();
  EXPECT_EQ(box.Text(), u"cos(x)");
  EXPECT_FALSE(check.Checked());
  EXPECT_EQ(drop.Selected(), 0);
}

TEST_F(SettingsFormTest, RowsThatDoNotFitScrollIntoView) {
  bool flags[30] = {};
  SettingsForm form;
  for (bool& flag : flags) form.AddCheck(u"Flag", &flag);
  form.Layout(draw::Rect{0, 40, 240, 200});
  ui::WidgetList shown;
  form.DescribeWidgets(shown);
  const auto checks = [](const ui::WidgetList& list) {
    return std::count_if(list.begin(), list.end(),
                         [](const ui::WidgetInfo& w) { return w.kind == "check box"; });
  };
  const auto first_shown = checks(shown);
  EXPECT_GT(first_shown, 3);
  EXPECT_LT(first_shown, 30);
  EXPECT_TRUE(std::any_of(shown.begin(), shown.end(),
                          [](const ui::WidgetInfo& w) { return w.kind == "scroll bar"; }));
  for (const ui::WidgetInfo& w : shown) EXPECT_LE(w.rect.bottom, 200);

  EXPECT_TRUE(form.Wheel({100, 100}, -100));  // as far as it goes: the last row shows
  form.Layout(draw::Rect{0, 40, 240, 200});
  EXPECT_TRUE(form.Bottom() <= 200);
  ui::WidgetList last;
  form.DescribeWidgets(last);
  EXPECT_EQ(checks(last), first_shown);
}

}  // namespace
}  // namespace zentrix::graphing::screens
