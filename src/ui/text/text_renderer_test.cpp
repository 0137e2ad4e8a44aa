#include "ui/text/text_renderer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/current_surface.h"
#include "draw/headless_display.h"

namespace zentrix::ui {
namespace {

using ::testing::ElementsAre;

constexpr int kCell = 4;       // every glyph: 3 ink columns and one blank column
constexpr int kGlyphRows = 5;  // line height
constexpr std::uint32_t kBrightKey = 0xFAFAFA;

// A font whose every character of the default list is a kCell-wide block, so
// that positions are easy to predict: character i of a line sits at i * kCell.
draw::BitmapFont BlockFont(std::uint32_t ink, std::uint32_t key) {
  const std::u16string_view list = draw::kDefaultFontCharacters;
  draw::Surface image;
  image.SetColorKey(key);
  const int width = static_cast<int>(list.size()) * (kCell + 1);
  EXPECT_EQ(image.Create(0, width, kGlyphRows + 1), draw::kOk);
  image.FillRect(nullptr, key);
  for (std::size_t i = 0; i < list.size(); ++i) {
    const int x = static_cast<int>(i) * (kCell + 1);
    for (int c = 0; c < kCell; ++c) image.SetPixel(x + c, 0, 0xFFFFFF);
    if (list[i] == u' ') continue;
    for (int y = 1; y <= kGlyphRows; ++y) {
      for (int c = 0; c < kCell - 1; ++c) image.SetPixel(x + c, y, ink);
    }
  }
  draw::BitmapFont font;
  EXPECT_EQ(font.Create(std::move(image), list, 0), draw::kOk);
  return font;
}

class TextRendererTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(display_.Open(240, 320), draw::kOk);
    classic_font_ = BlockFont(0xFFFFFF, 0x000000);
    bright_font_ = BlockFont(0x000000, kBrightKey);
    classic_.SetFont(&classic_font_, 0xFFFFFF);
    bright_.SetFont(&bright_font_, 0x000000);
  }

  // The laid-out text and colours, up to the terminating record.
  static std::u16string LaidOut(const TextRenderer& r) {
    std::u16string s;
    for (const GlyphRecord& g : r.Glyphs()) {
      if (g.character == 0) break;
      s += g.character;
    }
    return s;
  }
  static std::vector<std::int32_t> Colors(const TextRenderer& r) {
    std::vector<std::int32_t> colors;
    for (const GlyphRecord& g : r.Glyphs()) {
      if (g.character == 0) break;
      colors.push_back(g.color);
    }
    return colors;
  }
  static const GlyphRecord& Record(const TextRenderer& r, char16_t c, int nth = 0) {
    for (const GlyphRecord& g : r.Glyphs()) {
      if (g.character == 0) break;
      if (g.character == c && nth-- == 0) return g;
    }
    ADD_FAILURE() << "character not laid out";
    static GlyphRecord none;
    return none;
  }

  draw::ScopedDrawContextReset reset_;
  draw::HeadlessDisplay display_;
  draw::BitmapFont classic_font_;
  draw::BitmapFont bright_font_;
  TextRenderer classic_;
  TextRenderer bright_;
  const draw::Rect wide_{0, 0, 1000, 1000};
};

TEST_F(TextRendererTest, MeasuresWithTheFont) {
  EXPECT_EQ(classic_.CharacterWidth(u'a'), kCell);
  EXPECT_EQ(classic_.SpaceWidth(), kCell);
  EXPECT_EQ(classic_.CharacterWidth(u'\x90'), 0);  // not in the font
  EXPECT_EQ(classic_.LineHeight(), kGlyphRows);
  EXPECT_EQ(classic_.TextWidth(u"abc"), 3 * kCell);
  EXPECT_EQ(classic_.TextWidth(u"[red]"), 5 * kCell);  // tags are measured as text
  EXPECT_EQ(classic_.SingleLineWidth(u"ab"), 2 * kCell);
  EXPECT_EQ(classic_.SingleLineWidth(u"a\nb"), 0);
  TextRenderer none;
  EXPECT_EQ(none.TextWidth(u"abc"), 0);
  EXPECT_EQ(none.LayOut(u"abc", wide_, false), 0);
}

TEST_F(TextRendererTest, TagsColourWhatFollowsInTheClassicStyle) {
  const std::u16string text = u"Tap [yellow]Solve[/] to";
  EXPECT_EQ(classic_.LayOut(text, wide_, false), 1);
  EXPECT_EQ(LaidOut(classic_), u"Tap Solve to");
  const std::int32_t n = kNoColor, y = 0x00FFFF;
  EXPECT_THAT(Colors(classic_), ElementsAre(n, n, n, n, y, y, y, y, y, n, n, n));

  // "[/]" returns to the caller's colour, not to native.
  classic_.SetColor(0x0000FF);
  classic_.LayOut(text, wide_, false);
  EXPECT_EQ(Colors(classic_).front(), 0x0000FF);
  EXPECT_EQ(Colors(classic_).back(), 0x0000FF);

  // Every tag's colour.
  classic_.ResetColor();
  classic_.LayOut(u"[green]a[yellow]b[red]c[magenta]d[white]e[gray]f[lightgray]g", wide_, false);
  EXPECT_THAT(Colors(classic_),
              ElementsAre(0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF, 0xFFFFFF, 0x7D7D7D, 0xC8C8C8));
}

TEST_F(TextRendererTest, BrightStyleIgnoresTagsAndDarkensLightGray) {
  bright_.LayOut(u"Tap [yellow]Solve[/] to", wide_, false);
  EXPECT_EQ(LaidOut(bright_), u"Tap Solve to");
  for (std::int32_t c : Colors(bright_)) EXPECT_EQ(c, 0);

  bright_.SetColor(0xC8C8C8);
  bright_.LayOut(u"a[red]b", wide_, false);
  EXPECT_THAT(Colors(bright_), ElementsAre(0x3C3C3C, 0x3C3C3C));
  bright_.SetColor(0x0000FF);  // any other caller colour is plain black
  bright_.LayOut(u"a", wide_, false);
  EXPECT_THAT(Colors(bright_), ElementsAre(0));
}

TEST_F(TextRendererTest, BracketedWordsAreConsumed) {
  // Unknown words and wrong case change nothing and draw nothing.
  classic_.LayOut(u"a[bold]b[Yellow]c[ yellow]d", wide_, false);
  EXPECT_EQ(LaidOut(classic_), u"abcd");
  for (std::int32_t c : Colors(classic_)) EXPECT_EQ(c, kNoColor);
  // An unterminated "[" hides the rest of the text.
  classic_.LayOut(u"ab[yellow cd", wide_, false);
  EXPECT_EQ(LaidOut(classic_), u"ab");
  classic_.LayOut(u"[", wide_, false);
  EXPECT_EQ(LaidOut(classic_), u"");
  // "]" alone is an ordinary character.
  classic_.LayOut(u"a]b", wide_, false);
  EXPECT_EQ(LaidOut(classic_), u"a]b");
}

TEST_F(TextRendererTest, LineBreaksAndPositions) {
  EXPECT_EQ(classic_.LayOut(u"ab\ncd", draw::Rect{10, 20, 200, 200}, false), 2);
  const GlyphRecord& b = Record(classic_, u'b');
  EXPECT_EQ(b.x, 10 + kCell);
  EXPECT_EQ(b.y, 20);
  EXPECT_EQ(b.advance, kCell);
  const GlyphRecord& c = Record(classic_, u'c');
  EXPECT_EQ(c.x, 10);
  EXPECT_EQ(c.y, 20 + kGlyphRows);
  EXPECT_EQ(c.source, 3);
  EXPECT_EQ(classic_.Glyphs()[4].character, 0);
}

TEST_F(TextRendererTest, WrapsAfterEachBreakCharacter) {
  // Ten glyphs fit on a line 40 pixels wide.
  const draw::Rect rect{0, 0, 10 * kCell, 1000};
  for (char16_t brk : TextRenderer::kBreakCharacters) {
    std::u16string text = u"aaaa";
    text += brk;
    text += u"bbbbbbbb";
    EXPECT_EQ(classic_.LayOut(text, rect, false), 2) << static_cast<int>(brk);
    // The break character ends line 1; the word after it starts line 2.
    const GlyphRecord& first_b = Record(classic_, u'b');
    EXPECT_EQ(first_b.x, 0);
    EXPECT_EQ(first_b.y, kGlyphRows);
    EXPECT_EQ(LaidOut(classic_), text);
  }
  // The last break character of the line wins.
  classic_.LayOut(u"a+b+c+dddddddd", rect, false);
  EXPECT_EQ(Record(classic_, u'd').x, 0);
  EXPECT_EQ(Record(classic_, u'c').y, 0);
  // Colours and tags after the break are laid out again on the new line.
  classic_.LayOut(u"aaaa [red]bbbbbbbb", rect, false);
  EXPECT_EQ(Record(classic_, u'b').color, 0x0000FF);
  EXPECT_EQ(Record(classic_, u'b').y, kGlyphRows);
}

TEST_F(TextRendererTest, RunsWithoutBreakCharactersBreakAtTheLastGlyphThatFits) {
  const draw::Rect rect{0, 0, 10 * kCell, 1000};
  EXPECT_EQ(classic_.LayOut(u"abcdefghijklmno", rect, false), 2);
  EXPECT_EQ(Record(classic_, u'j').y, 0);
  EXPECT_EQ(Record(classic_, u'k').x, 0);
  EXPECT_EQ(Record(classic_, u'k').y, kGlyphRows);
  // A rectangle narrower than one glyph still takes one glyph per line.
  EXPECT_EQ(classic_.LayOut(u"abc", draw::Rect{0, 0, 1, 1000}, false), 3);
  EXPECT_EQ(LaidOut(classic_), u"abc");
}

TEST_F(TextRendererTest, ParenthesesAreColouredByDepth) {
  classic_.LayOut(u"((()))", wide_, true);
  EXPECT_THAT(Colors(classic_),
              ElementsAre(0x00FF00, 0xFF00FF, 0x00FFFF, 0x00FFFF, 0xFF00FF, 0x00FF00));
  bright_.LayOut(u"((()))", wide_, true);
  EXPECT_THAT(Colors(bright_),
              ElementsAre(0xFF0000, 0xFF00FF, 0x00FF00, 0x00FF00, 0xFF00FF, 0xFF0000));
  // Depth colours cycle every three levels; other characters keep their colour.
  classic_.LayOut(u"((((x", wide_, true);
  EXPECT_THAT(Colors(classic_), ElementsAre(0x00FF00, 0xFF00FF, 0x00FFFF, 0x00FF00, kNoColor));
  // An unmatched ")" takes the top level's colour.
  classic_.LayOut(u")(", wide_, true);
  EXPECT_THAT(Colors(classic_), ElementsAre(0x00FF00, 0x00FF00));
  // Off: parentheses are ordinary characters.
  classic_.LayOut(u"(a)", wide_, false);
  EXPECT_THAT(Colors(classic_), ElementsAre(kNoColor, kNoColor, kNoColor));
}

TEST_F(TextRendererTest, LayoutStopsAtTheFirstLineBelowTheRectangle) {
  // Two lines fit; the third starts at the bottom and ends the layout.
  const draw::Rect rect{0, 0, 1000, 2 * kGlyphRows};
  EXPECT_EQ(classic_.LayOut(u"a\nb\nc\nd\ne", rect, false), 3);
  EXPECT_EQ(LaidOut(classic_), u"ab");
  // The same through wrapping.
  const draw::Rect narrow{0, 0, 2 * kCell, 2 * kGlyphRows};
  EXPECT_EQ(classic_.LayOut(u"abcdefgh", narrow, false), 3);
  EXPECT_EQ(LaidOut(classic_), u"abcd");
}

TEST_F(TextRendererTest, TruncatesWithAnEllipsis) {
  const std::u16string text = u"abcdefghij";  // 40 pixels
  EXPECT_EQ(classic_.Truncated(text, 40), text);
  // "abcd..." is 7 glyphs = 28 pixels.
  EXPECT_EQ(classic_.Truncated(text, 28), u"abcd...");
  EXPECT_EQ(classic_.Truncated(text, 31), u"abcd...");
  EXPECT_LE(classic_.TextWidth(classic_.Truncated(text, 25)), 25);
  // At 16 pixels or less the text is never shortened.
  EXPECT_EQ(classic_.Truncated(text, 16), text);
  EXPECT_EQ(classic_.Truncated(text, 0), text);
  // Just over the threshold: one character is left.
  EXPECT_EQ(classic_.Truncated(text, 17), u"a...");
}

TEST_F(TextRendererTest, HitTestAndGlyphBox) {
  const draw::Rect rect{10, 10, 10 + 10 * kCell, 1000};
  const std::u16string text = u"ab[red]cd\nef";
  EXPECT_EQ(classic_.HitTest(text, rect, 10, 10), 0);
  EXPECT_EQ(classic_.HitTest(text, rect, 10 + 2 * kCell + 1, 12), 2);  // "c"
  EXPECT_EQ(classic_.HitTest(text, rect, 11, 10 + kGlyphRows), 4);     // "e"
  EXPECT_EQ(classic_.HitTest(text, rect, 9, 10), TextRenderer::kNotFound);
  EXPECT_EQ(classic_.HitTest(text, rect, 10 + 5 * kCell, 10), TextRenderer::kNotFound);
  EXPECT_EQ(classic_.GlyphBox(text, rect, 1),
            draw::Rect::FromSize(10 + kCell, 10, kCell, kGlyphRows));
  // One past the last glyph: the caret box at the end of the text.
  EXPECT_EQ(classic_.GlyphBox(text, rect, 6),
            draw::Rect::FromSize(10 + 2 * kCell, 10 + kGlyphRows, kCell, kGlyphRows));
  EXPECT_TRUE(classic_.GlyphBox(text, rect, 7).Empty());
  EXPECT_TRUE(classic_.GlyphBox(text, rect, -1).Empty());
}

TEST_F(TextRendererTest, TheLayoutBufferIsReused) {
  const std::u16string long_text(500, u'x');
  classic_.LayOut(long_text, wide_, false);
  const std::size_t capacity = classic_.Glyphs().size();
  EXPECT_GE(capacity, 501u);
  classic_.LayOut(u"ab", wide_, false);
  EXPECT_EQ(classic_.Glyphs().size(), capacity);
  EXPECT_EQ(classic_.Glyphs()[2].character, 0);
}

class TextRendererDrawTest : public TextRendererTest {
 protected:
  draw::Color PixelAt(int x, int y) {
    draw::Color c = 0;
    EXPECT_EQ(surface_.GetPixel(x, y, &c), draw::kOk);
    return c;
  }
  void Clear(draw::Color background) {
    ASSERT_EQ(surface_.Create(0, 100, 40), draw::kOk);
    surface_.FillRect(nullptr, background);
  }
  draw::Surface surface_;
};

TEST_F(TextRendererDrawTest, ClassicGlyphsAreTintedByTheirColour) {
  Clear(0x000000);
  classic_.SetTarget(&surface_);
  EXPECT_EQ(classic_.DrawMarkup(u"a[yellow]b", 0, 0), 1);
  EXPECT_EQ(PixelAt(0, 0), draw::PixelToColor565(draw::ColorToPixel565(0xFFFFFF)));
  EXPECT_EQ(PixelAt(kCell, 0), draw::PixelToColor565(draw::ColorToPixel565(0x00FFFF)));
  EXPECT_EQ(PixelAt(kCell - 1, 0), 0u);  // the blank column stays transparent
  // With a colour for the call, then back to none.
  EXPECT_EQ(classic_.DrawMarkup(u"c", 20, 0, 0x0000FF), 1);
  EXPECT_EQ(classic_.Color(), kNoColor);
  EXPECT_EQ(draw::RedOf(PixelAt(20, 0)), 0xF8u);
  EXPECT_EQ(draw::GreenOf(PixelAt(20, 0)), 0u);
  // Draw plain with a colour tints as well.
  EXPECT_EQ(classic_.DrawPlain(u"d", 40, 0, 0x00FF00), draw::kOk);
  EXPECT_EQ(draw::RedOf(PixelAt(40, 0)), 0u);
  EXPECT_GT(draw::GreenOf(PixelAt(40, 0)), 0xF0u);
}

TEST_F(TextRendererDrawTest, BrightGlyphsUseTheScreenTintAndPlainTextStaysBlack) {
  Clear(0xFFFFFF);
  bright_.SetTarget(&surface_);
  bright_.LayOut(u"(a", draw::Rect{0, 0, 100, 40}, true);
  EXPECT_EQ(bright_.DrawLayout(), draw::kOk);
  // "(" at depth 0 is blue (0xFF0000 is blue in 0x00BBGGRR); "a" is black.
  EXPECT_EQ(draw::BlueOf(PixelAt(0, 0)), 0xF8u);
  EXPECT_EQ(draw::RedOf(PixelAt(0, 0)), 0u);
  EXPECT_EQ(PixelAt(kCell, 0), 0u);
  EXPECT_EQ(bright_.DrawPlain(u"b", 20, 0, 0x0000FF), draw::kOk);
  EXPECT_EQ(PixelAt(20, 0), 0u);
}

TEST_F(TextRendererDrawTest, TintedPlainTextTakesItsColourInBothStyles) {
  // A hint must stand apart from typed text: grey, not the font's black or white.
  const draw::Color grey = draw::PixelToColor565(draw::ColorToPixel565(0x6E6E6E));
  Clear(0xFFFFFF);
  bright_.SetTarget(&surface_);
  EXPECT_EQ(bright_.DrawPlainTinted(u"a", 0, 0, 0x6E6E6E), draw::kOk);
  EXPECT_EQ(PixelAt(0, 0), grey);
  Clear(0x000000);
  classic_.SetTarget(&surface_);
  EXPECT_EQ(classic_.DrawPlainTinted(u"a", 0, 0, 0x6E6E6E), draw::kOk);
  EXPECT_EQ(PixelAt(0, 0), grey);
  // Black from a white font is black, not the untinted white.
  EXPECT_EQ(classic_.DrawPlainTinted(u"b", 20, 0, 0x000000), draw::kOk);
  EXPECT_EQ(PixelAt(20, 0), 0u);
}

TEST_F(TextRendererDrawTest, DrawMarkupUsesTheTargetWidthLessTheMargin) {
  Clear(0x000000);
  classic_.SetTarget(&surface_);
  classic_.SetRightMargin(100 - 5 * kCell);  // five glyphs per line
  EXPECT_EQ(classic_.DrawMarkup(u"abcdefg", 0, 0), 2);
  EXPECT_NE(PixelAt(0, kGlyphRows), 0u);  // "f" starts line 2
  // Nothing is drawn below the clip rectangle; the count still includes the line.
  surface_.FillRect(nullptr, 0);
  const draw::Rect clip{0, 0, 100, kGlyphRows};
  surface_.SetClipRect(&clip);
  EXPECT_EQ(classic_.DrawMarkup(u"abcdefg", 0, 0), 2);
  EXPECT_EQ(PixelAt(0, kGlyphRows), 0u);
}

TEST_F(TextRendererDrawTest, NoTargetDrawsNothing) {
  TextRenderer r(&classic_font_, 0xFFFFFF);
  draw::current::Select(nullptr);
  EXPECT_EQ(r.DrawMarkup(u"abc", 0, 0), 0);
  EXPECT_EQ(r.DrawPlain(u"abc", 0, 0), draw::kNoPixels);
}

}  // namespace
}  // namespace zentrix::ui
