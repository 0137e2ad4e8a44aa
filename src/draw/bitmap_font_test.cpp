#include "draw/bitmap_font.h"

#include <gtest/gtest.h>

#include "draw/draw_test_fixture.h"
#include "draw/test_font_image.h"

namespace zentrix::draw {
namespace {

using FontTest = DrawTest;

// Cells of 5 columns, ink 3 wide starting one column in: start = cell + 1,
// width = 4 (ink plus the blank cell column), left 1, right 0.
BitmapFont MakeFont(std::u16string_view chars, int spacing = 1) {
  Surface image;
  EXPECT_EQ(testing::MakeTestFontImage(&image, chars, 5, 3, 4), kOk);
  BitmapFont font;
  EXPECT_EQ(font.Create(std::move(image), chars, spacing), kOk);
  return font;
}

TEST_F(FontTest, CutsGlyphsFromMarkerRuns) {
  BitmapFont font = MakeFont(u"A B");
  ASSERT_TRUE(font.IsCreated());
  EXPECT_EQ(font.Height(), 4);
  const Glyph& a = font.GlyphOf(u'A');
  EXPECT_EQ(a.start, 1);
  EXPECT_EQ(a.width, 4);
  EXPECT_EQ(a.left, 1);
  EXPECT_EQ(a.right, 0);
  const Glyph& space = font.GlyphOf(u' ');
  EXPECT_EQ(space.start, 6);
  EXPECT_EQ(space.width, 5);
  EXPECT_EQ(space.left, 0);
  EXPECT_EQ(font.GlyphOf(u'B').start, 13);
  EXPECT_EQ(font.GlyphOf(u'Z').width, 0);
  // A: 4, then space: +0 left, 5, then B: +1 left, 4; spacing 1 after A and space.
  EXPECT_EQ(font.TextWidth(u"A B"), 4 + 1 + 5 + 1 + 1 + 4);
  EXPECT_EQ(font.TextWidth(u"AZB"), 4 + 1 + 1 + 4);  // Z is absent and does not advance
  EXPECT_EQ(font.TextWidth(u""), 0);
}

TEST_F(FontTest, KerningAdjustsPairs) {
  BitmapFont font = MakeFont(u"AB");
  const int plain = font.TextWidth(u"AB");
  font.SetKerning(u'A', u'B', -2);
  EXPECT_EQ(font.TextWidth(u"AB"), plain - 2);
  EXPECT_EQ(font.TextWidth(u"BA"), plain);
  font.SetKerning(u'A', u'B', 0);
  EXPECT_EQ(font.TextWidth(u"AB"), plain);
}

TEST_F(FontTest, RejectsImagesThatDoNotMatchTheList) {
  Surface image;
  ASSERT_EQ(testing::MakeTestFontImage(&image, u"ABC", 5, 3, 4), kOk);
  BitmapFont font;
  // One marker run fewer than characters: the fourth character finds no glyph.
  EXPECT_EQ(font.Create(std::move(image), u"ABCD"), kInvalidImage);
  EXPECT_FALSE(font.IsCreated());
  // Runs but a missing glyph in between (the ink of C is taken for B's cell).
  ASSERT_EQ(testing::MakeTestFontImage(&image, u"A C", 5, 3, 4), kOk);
  EXPECT_EQ(font.Create(std::move(image), u"ABC"), kInvalidImage);
  // More runs than characters.
  ASSERT_EQ(testing::MakeTestFontImage(&image, u"ABC", 5, 3, 4), kOk);
  EXPECT_EQ(font.Create(std::move(image), u"AB"), kInvalidImage);
  ASSERT_EQ(testing::MakeTestFontImage(&image, u"ABC", 5, 3, 4), kOk);
  EXPECT_EQ(font.Create(std::move(image), u"ABC", 0, 0x01), kInvalidArgument);
  Surface none;
  EXPECT_EQ(font.Create(std::move(none), u"A"), kNoPixels);
}

TEST_F(FontTest, FormWithoutMarkerRow) {
  Surface image;
  ASSERT_EQ(image.Create(surface_flags::kClear, 10, 3), kOk);
  const Rect a{1, 0, 3, 3}, b{5, 1, 9, 2};
  image.FillRect(&a, 0xFFFFFF);
  image.FillRect(&b, 0xFFFFFF);
  BitmapFont font;
  ASSERT_EQ(font.Create(std::move(image), u"ab", 0, kFontNoMarkerRow), kOk);
  EXPECT_EQ(font.Height(), 3);
  EXPECT_EQ(font.GlyphOf(u'a').start, 1);
  EXPECT_EQ(font.GlyphOf(u'a').width, 2);
  EXPECT_EQ(font.GlyphOf(u'b').start, 5);
  EXPECT_EQ(font.GlyphOf(u'b').width, 4);
  EXPECT_EQ(font.TextWidth(u"ab"), 6);
}

TEST_F(FontTest, DefaultListHasNinetySixCharacters) {
  EXPECT_EQ(kDefaultFontCharacters.size(), 96u);
  EXPECT_EQ(kDefaultFontCharacters.front(), u' ');
  EXPECT_EQ(kDefaultFontCharacters[94], u'~');
  EXPECT_EQ(kDefaultFontCharacters.back(), u'_');
  BitmapFont font = MakeFont(kDefaultFontCharacters);
  EXPECT_EQ(font.GlyphOf(u'_').start, 95 * 6 + 1);  // the second "_" wins
}

TEST_F(FontTest, DrawTextPlacesAlignsAndTints) {
  BitmapFont font = MakeFont(u"AB", 2);
  Surface dest;
  ASSERT_EQ(dest.Create(surface_flags::kClear, 40, 6), kOk);
  const int width = font.TextWidth(u"AB");  // 4 + 2 + 1 + 4 = 11
  ASSERT_EQ(width, 11);
  ASSERT_EQ(DrawText(dest, 3, 1, u"AB", font), kOk);
  // A's ink sits in its glyph's first three columns, B's after A, spacing and B's left offset.
  auto ink = [&](int x, int y) { return dest.Row(y)[x] == 0xFFFF; };
  EXPECT_TRUE(ink(3, 1) && ink(5, 4));
  EXPECT_FALSE(ink(6, 1));
  EXPECT_FALSE(ink(2, 1));
  EXPECT_TRUE(ink(3 + 4 + 2 + 1, 1));
  EXPECT_FALSE(ink(3, 0));

  dest.FillRect(nullptr, 0);
  ASSERT_EQ(DrawText(dest, 30, 0, u"AB", font, text_flags::kRight), kOk);
  EXPECT_TRUE(ink(30 - width, 0));
  EXPECT_FALSE(ink(30 - width - 1, 0));
  dest.FillRect(nullptr, 0);
  ASSERT_EQ(DrawText(dest, 20, 0, u"AB", font, text_flags::kCenter), kOk);
  EXPECT_TRUE(ink(20 - width / 2, 0));
  EXPECT_FALSE(ink(20 - width / 2 - 1, 0));

  dest.FillRect(nullptr, 0);
  BlitEffect e;
  e.effect_color = 0x00FF00;
  ASSERT_EQ(DrawText(dest, 0, 0, u"A", font, blit_flags::kMultiply, &e), kOk);
  EXPECT_EQ(dest.Row(0)[0], ColorToPixel565(0x00FF00));
  EXPECT_EQ(DrawText(dest, 0, 0, u"A", font, blit_flags::kMultiply, nullptr), kInvalidArgument);
  EXPECT_EQ(DrawText(dest, 0, 0, u"A", font, 0x40), kInvalidArgument);
  BitmapFont empty;
  EXPECT_EQ(DrawText(dest, 0, 0, u"A", empty), kNoPixels);
}

}  // namespace
}  // namespace zentrix::draw
