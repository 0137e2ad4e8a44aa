#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "graphing/screens/testing/panel_test_support.h"
#include "graphing/screens/window_editor_2d.h"
#include "graphing/screens/window_editor_3d.h"
#include "graphing/screens/window_json.h"

namespace zentrix::graphing::screens {
namespace {

using chars::U16;

class WindowEditorTest : public testing::PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    window_.SetPlotArea(0, 0, 240, 320);
    editor_.SetMessageHandler([this](std::u16string_view m) { shown_.emplace_back(m); });
    editor_.Layout(draw::Rect{0, 40, 240, 300});
  }
  std::u16string Box(Window2D::Field f) { return editor_.FieldBox(f).Text(); }

  Window2D window_;
  WindowEditor2D editor_{window_};
  std::vector<std::u16string> shown_;
};

TEST_F(WindowEditorTest, FieldsCarryTheirLabelsAndTheModelsTexts) {
  const char16_t* prefixes[] = {u"Xmin=", u"Xmax=", u"Ymin=", u"Ymax="};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(editor_.FieldBox(i).Prefix(), prefixes[i]);
    EXPECT_EQ(editor_.FieldBox(i).Text(), window_.text(static_cast<Window2D::Field>(i)));
  }
  ui::WidgetList widgets;
  editor_.DescribeWidgets(widgets);
  for (const char16_t* caption : {u"Standard", u"Zoom +", u"Zoom -", u"Trig"}) {
    const ui::WidgetInfo* button = ui::FindForClick(widgets, caption, "button");
    ASSERT_NE(button, nullptr);
  }
}

TEST_F(WindowEditorTest, TypedFieldsApplyThroughTheEngine) {
  Type(editor_.FieldBox(Window2D::kXmin), "-2*3");
  Type(editor_.FieldBox(Window2D::kYmax), "sqrt(16)+π");
  Press(editor_, ui::keys::kEnter);  // Return applies the fields
  EXPECT_EQ(window_.value(Window2D::kXmin), -6.0);
  EXPECT_DOUBLE_EQ(window_.value(Window2D::kYmax), 4.0 + M_PI);
  EXPECT_EQ(window_.text(Window2D::kXmin), u"-2*3");  // the text is what is kept
  EXPECT_TRUE(editor_.Message().empty());
  EXPECT_TRUE(shown_.empty());
}

TEST_F(WindowEditorTest, AFieldThatDoesNotEvaluateKeepsTheOldWindow) {
  ASSERT_TRUE(editor_.Apply());
  const double before[] = {window_.value(Window2D::kXmin), window_.value(Window2D::kXmax),
                           window_.value(Window2D::kYmin), window_.value(Window2D::kYmax)};
  Type(editor_.FieldBox(Window2D::kXmin), "1");
  Type(editor_.FieldBox(Window2D::kXmax), "2+");
  Type(editor_.FieldBox(Window2D::kYmax), "q");
  EXPECT_FALSE(editor_.Apply());
  // The first failing field in Xmin, Xmax, Ymin, Ymax order is named.
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0], u"Error solving Xmax");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(window_.value(static_cast<Window2D::Field>(i)), before[i]);
  EXPECT_EQ(Box(Window2D::kXmax), u"2+");  // the typing stays for the user to fix

  Type(editor_.FieldBox(Window2D::kXmax), "1/0");
  Type(editor_.FieldBox(Window2D::kYmax), "10");
  EXPECT_FALSE(editor_.Apply());
  EXPECT_EQ(editor_.Message(), u"Error solving Xmax");
  Type(editor_.FieldBox(Window2D::kXmax), "5");
  EXPECT_TRUE(editor_.Apply());
  EXPECT_TRUE(editor_.Message().empty());
  EXPECT_EQ(window_.value(Window2D::kXmin), 1.0);
}

TEST_F(WindowEditorTest, StandardMakesAUnitEquallyLongOnBothAxes) {
  Type(editor_.FieldBox(Window2D::kXmin), "3");
  Tap(editor_, editor_.StandardButton());
  EXPECT_EQ(Box(Window2D::kXmin), u"-7.5");
  EXPECT_EQ(Box(Window2D::kXmax), u"7.5");
  EXPECT_EQ(Box(Window2D::kYmin), u"-10");
  EXPECT_EQ(Box(Window2D::kYmax), u"10");
  ASSERT_TRUE(editor_.Apply());
  EXPECT_EQ(window_.value(Window2D::kXmin), -7.5);
  EXPECT_EQ(window_.value(Window2D::kXmax), 7.5);
}

TEST_F(WindowEditorTest, ZoomScalesTheTypedFieldsOrChangesNothing) {
  Type(editor_.FieldBox(Window2D::kXmin), "-4");
  Tap(editor_, editor_.ZoomInButton());
  EXPECT_EQ(Box(Window2D::kXmin), u"-2");
  EXPECT_EQ(Box(Window2D::kYmax), u"5");
  Tap(editor_, editor_.ZoomOutButton());
  Tap(editor_, editor_.ZoomOutButton());
  EXPECT_EQ(Box(Window2D::kXmin), u"-8");
  EXPECT_EQ(Box(Window2D::kYmax), u"20");

  Type(editor_.FieldBox(Window2D::kYmin), "(");
  Tap(editor_, editor_.ZoomInButton());
  EXPECT_EQ(Box(Window2D::kXmin), u"-8");
  EXPECT_EQ(Box(Window2D::kYmin), u"(");
  EXPECT_EQ(editor_.Message(), u"Error solving Ymin");
}

TEST_F(WindowEditorTest, TrigWritesPiTexts) {
  Tap(editor_, editor_.TrigButton());
  EXPECT_EQ(Box(Window2D::kXmin), PiText(u"-(47/24)"));
  EXPECT_EQ(Box(Window2D::kXmax), PiText(u"(47/24)"));
  EXPECT_EQ(Box(Window2D::kYmin), u"-4");
  ASSERT_TRUE(editor_.Apply());
  EXPECT_DOUBLE_EQ(window_.value(Window2D::kXmax), 47.0 / 24.0 * M_PI);
}

TEST_F(WindowEditorTest, AFieldThatWrapsPushesTheOthersDown) {
  ui::TextBox& xmin = editor_.FieldBox(Window2D::kXmin);
  ui::TextBox& xmax = editor_.FieldBox(Window2D::kXmax);
  Type(xmin, "1+2+3+4+5+6+7+8+9+10+11+12+13+14+15+16+17+18+19+20+21+22+23+24+25+26+27+28+29");
  editor_.Layout(draw::Rect{0, 40, 240, 300});  // the grapher lays out every frame
  EXPECT_GT(xmin.LineCount(), 1);
  EXPECT_GE(xmax.Y(), xmin.Y() + xmin.Height());
  EXPECT_GE(editor_.StandardButton().Y(),
            editor_.FieldBox(Window2D::kYmax).Y() + editor_.FieldBox(Window2D::kYmax).Height());
}

TEST_F(WindowEditorTest, TheDumpWritesTheAppliedBounds) {
  Type(editor_.FieldBox(Window2D::kXmin), "-1/4");
  ASSERT_TRUE(editor_.Apply());
  Type(editor_.FieldBox(Window2D::kXmin), "-99");  // typed, not applied
  ui::JsonWriter json;
  WriteWindowJson(window_, json);
  EXPECT_EQ(json.Result(), R"({"xmin": -0.25, "xmax": 10, "ymin": -10, "ymax": 10})");
}

TEST_F(WindowEditorTest, ThreeDimensionalEditorHasSixFieldsInOrder) {
  Window3D window;
  WindowEditor3D editor(window);
  editor.Layout(draw::Rect{0, 40, 240, 300});
  ASSERT_EQ(editor.FieldCount(), 6);
  EXPECT_EQ(editor.FieldBox(Window3D::kZmax).Prefix(), u"Zmax=");
  Type(editor.FieldBox(Window3D::kZmin), "*");
  Type(editor.FieldBox(Window3D::kZmax), "*");
  EXPECT_FALSE(editor.Apply());
  EXPECT_EQ(editor.Message(), u"Error solving Zmin");
  EXPECT_EQ(window.zmin(), -10.0);

  Tap(editor, editor.TrigButton());
  EXPECT_EQ(editor.FieldBox(Window3D::kZmin).Text(), PiText(u"-2"));
  EXPECT_EQ(editor.FieldBox(Window3D::kXmax).Text(), PiText(u""));
  Tap(editor, editor.ZoomInButton());
  ASSERT_TRUE(editor.Apply());
  EXPECT_DOUBLE_EQ(window.zmax(), M_PI);
  Tap(editor, editor.StandardButton());
  for (int i = 0; i < 6; ++i) EXPECT_EQ(editor.FieldBox(i).Text(), i % 2 ? u"10" : u"-10");
}

}  // namespace
}  // namespace zentrix::graphing::screens
