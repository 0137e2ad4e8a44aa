#include "ui/widgets/keyboard.h"

#include <gtest/gtest.h>

#include "ui/core/focus.h"
#include "ui/testing/ui_test_support.h"
#include "ui/widgets/color_palette.h"
#include "ui/widgets/text_box.h"

namespace zentrix::ui {
namespace {

using testing::UiTest;

class KeyboardTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    Focus(&box_);
  }
  // A tap in the middle of a key.
  void Tap(int row, int column) {
    const draw::Rect r = keyboard_.KeyRect(row, column);
    const Point p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ASSERT_TRUE(keyboard_.StylusDown(p));
    ASSERT_TRUE(keyboard_.StylusUp(p));
  }
  TextBox box_{0, 0, 200};
  OnScreenKeyboard keyboard_;
};

TEST_F(KeyboardTest, ShiftIsReleasedAfterOneCharacterAndCapsLockStays) {
  Tap(5, 0);  // Shift
  Tap(1, 0);  // q
  Tap(1, 0);
  EXPECT_EQ(box_.Text(), u"Qq");
  Tap(4, 0);  // Caps Lock
  Tap(1, 0);
  Tap(1, 0);
  Tap(5, 0);
  Tap(1, 0);  // Shift with Caps Lock: the normal layer
  EXPECT_EQ(box_.Text(), u"QqQQq");
  EXPECT_TRUE(keyboard_.CapsLock());
  EXPECT_FALSE(keyboard_.Shift());
}

TEST_F(KeyboardTest, LayersHoldTheTableCharacters) {
  struct Case {
    int row, column;
    bool shift;
    char16_t c;
  } cases[] = {{0, 0, false, u'1'}, {0, 9, true, u')'},   {1, 10, false, u'-'}, {1, 10, true, u'_'},
               {2, 9, true, u':'},  {3, 10, false, u'{'}, {3, 10, true, u'}'},  {4, 1, false, 222},
               {4, 10, false, 231}, {4, 1, true, 239},    {5, 1, false, 232},   {5, 3, false, 234},
               {5, 7, false, 235},  {5, 10, false, 238},  {5, 1, true, 249},    {5, 10, true, 255},
               {5, 5, false, 0},    {0, 10, false, 0}};
  for (const Case& c : cases) {
    keyboard_.SetShift(c.shift);
    EXPECT_EQ(keyboard_.KeyCharacter(c.row, c.column), c.c) << c.row << "," << c.column;
  }
}

TEST_F(KeyboardTest, BackspaceAndClearAll) {
  box_.SetText(u"abc");
  box_.CaretToEnd();
  Tap(0, 10);
  EXPECT_EQ(box_.Text(), u"ab");
  Tap(5, 5);  // the middle of the space bar
  EXPECT_EQ(box_.Text(), u"ab ");
  Tap(5, 0);
  Tap(0, 10);  // Shift: clears everything
  EXPECT_EQ(box_.Text(), u"");
  Tap(0, 10);  // on an empty box: nothing
  EXPECT_EQ(box_.Text(), u"");
}

TEST_F(KeyboardTest, ReleaseOnAnotherKeyDoesNothing) {
  const draw::Rect a = keyboard_.KeyRect(1, 0);
  const draw::Rect b = keyboard_.KeyRect(1, 1);
  keyboard_.StylusDown({a.left + 5, a.top + 5});
  keyboard_.StylusUp({b.left + 5, b.top + 5});
  EXPECT_EQ(box_.Text(), u"");
}

TEST(ColorPaletteTest, RowsFollowTheRamp) {
  const auto normal = BuildPalette(PaletteKind::kNormal);
  ASSERT_EQ(normal.size(), 15u * kPaletteColumns);
  EXPECT_EQ(normal[0], 0x0000FFu);   // pure red
  EXPECT_EQ(normal[3], 0x4C4CFFu);   // trunc(0.3 × 255) = 76
  EXPECT_EQ(normal[10], 0xFFFFFFu);  // white
  EXPECT_EQ(normal[11], 0x0000FFu);  // red towards black
  EXPECT_EQ(normal[21], 0x000000u);
  EXPECT_EQ(normal[12 * 11], 0x007FFFu);       // orange: G = 0/2 + 127
  EXPECT_EQ(normal[13 * 11 + 2], 0x0066CCu);   // R = 204, G = 102
  EXPECT_EQ(normal[14 * 11], 0xFFFFFFu);       // grey row from white
  EXPECT_EQ(normal[14 * 11 + 10], 0x000000u);  // to black
  const auto light = BuildPalette(PaletteKind::kLight);
  ASSERT_EQ(light.size(), 8u * kPaletteColumns);
  EXPECT_EQ(light[0], 0xC8C8FFu);  // v0 = 200
  EXPECT_EQ(light[7 * 11], 0xC8C8C8u);
  EXPECT_EQ(light[7 * 11 + 10], 0xFFFFFFu);
}

}  // namespace
}  // namespace zentrix::ui
