#include "notebook/answer/answer_placement.h"

#include <gtest/gtest.h>

#include <string>

#include "draw/headless_display.h"
#include "notebook/answer/answer.h"
#include "notebook/testing/reference_image.h"
#include "ui/skin/skin.h"

namespace zentrix::notebook {
namespace {

using engine::AnswerLayout;
using engine::BoxKind;

AnswerLayout T(std::u16string text) { return AnswerLayout::Text(std::move(text)); }

AnswerLayout Row(std::initializer_list<std::pair<char16_t, AnswerLayout>> parts,
                 bool bracketed = false) {
  AnswerLayout row = AnswerLayout::Row();
  row.bracketed = bracketed;
  for (const auto& [op, child] : parts) row.Append(op, child);
  return row;
}

AnswerLayout Matrix(std::initializer_list<std::initializer_list<std::u16string>> rows) {
  AnswerLayout m = AnswerLayout::Row();
  m.kind = BoxKind::kMatrix;
  for (const auto& cells : rows) {
    AnswerLayout row = AnswerLayout::Row();
    for (const auto& cell : cells) row.Append(0, T(cell));
    m.Append(0, row);
  }
  return m;
}

// The drawing cases every skin shows, top to bottom.
struct Case {
  const char* name;
  AnswerLayout layout;
};
std::vector<Case> Cases() {
  return {
      {"3/4", AnswerLayout::Fraction(T(u"3"), T(u"4"))},
      {"x squared", Row({{0, T(u"x")}, {u'^', T(u"2")}})},
      {"x^3", Row({{0, T(u"x")}, {u'^', T(u"3")}})},
      {"2x", Row({{0, T(u"2")}, {u'*', T(u"x")}})},
      {"a-b", Row({{0, T(u"a")}, {u'-', T(u"b")}})},
      {"matrix", Matrix({{u"1", u"22"}, {u"333", u"4"}})},
      {"root and call",
       Row({{0, AnswerLayout::Root(T(u"2"))},
            {u'+', AnswerLayout::Call(u"sin", Row({{0, T(u"x")}, {u'+', T(u"1")}}))}})},
      {"message", T(u"Error: [yellow]Unable[/] to solve the expression, it is far too long")},
  };
}

class AnswerDrawingTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    ASSERT_EQ(display_.Open(480, 640), draw::kOk);
    const ui::SkinInfo& info = ui::kSkins[GetParam()];
    ASSERT_EQ(skin_.Load(ZENTRIX_BINARY_DIR "/skins", info.size, info.style), draw::kOk);
    font_ = &skin_.NormalText();
    ASSERT_GT(font_->LineHeight(), 0);
    m_ = AnswerMetrics::For(font_->LineHeight());
  }
  bool Bright() const { return skin_.Style() == ui::SkinStyle::kBright; }
  std::int32_t AnswerColor() const { return Bright() ? 0x000000 : 0x0000FF; }
  draw::Color Background() const { return Bright() ? 0xFFFFFF : 0x000000; }
  int W(std::u16string_view s) const { return font_->TextWidth(s); }

  // The pixel of the surface in 0x00BBGGRR.
  static draw::Color At(const draw::Surface& s, int x, int y) {
    draw::Color c = 0;
    s.GetPixel(x, y, &c);
    return c;
  }

  draw::ScopedDrawContextReset reset_;
  draw::HeadlessDisplay display_;
  ui::Skin skin_;
  ui::TextRenderer* font_ = nullptr;
  AnswerMetrics m_;
};

TEST_P(AnswerDrawingTest, MatchesTheReferenceImage) {
  const int wrap = skin_.Px(110);
  std::vector<Case> cases = Cases();
  int height = 0;
  for (const Case& c : cases) height += MeasureAnswer(c.layout, *font_, wrap).height + m_.gap * 2;
  draw::Surface surface;
  ASSERT_EQ(surface.Create(0, skin_.Px(150), height + (height & 1)), draw::kOk);
  surface.FillRect(nullptr, Background());
  int y = m_.gap;
  for (const Case& c : cases) {
    const AnswerSize size = DrawAnswer(surface, c.layout, *font_, AnswerColor(), 4, y, wrap);
    y += size.height + m_.gap * 2;
  }
  const std::string name = "answers_" + std::string(ui::kSkins[GetParam()].archive.substr(0, 1));
  EXPECT_TRUE(testing::MatchesReference(surface, "src/notebook/answer/testdata", name));
}

TEST_P(AnswerDrawingTest, FractionStacksOverABarAsWideAsItsWiderPart) {
  const AnswerLayout f = AnswerLayout::Fraction(T(u"3"), T(u"444"));
  const AnswerSize size = MeasureAnswer(f, *font_);
  EXPECT_EQ(size.width, W(u"444"));
  EXPECT_EQ(size.height, 2 * m_.text_height + 2 * m_.quarter);

  draw::Surface s;
  ASSERT_EQ(s.Create(0, 200, 100), draw::kOk);
  s.FillRect(nullptr, Background());
  DrawAnswer(s, f, *font_, AnswerColor(), 10, 10);
  const int bar = 10 + m_.quarter + m_.text_height;
  const draw::Color ink = draw::Surface::ToColor(draw::Surface::ToPixel(AnswerColor()));
  EXPECT_EQ(At(s, 10, bar), ink);
  EXPECT_EQ(At(s, 10 + size.width - 1, bar), ink);
  EXPECT_NE(At(s, 10 + size.width, bar), ink);
}

TEST_P(AnswerDrawingTest, RowOperatorsFollowTheirRules) {
  const int u = m_.gap;
  // '^' before "2" is the squared glyph alone; before anything else a glyph between gaps.
  EXPECT_EQ(MeasureAnswer(Row({{0, T(u"x")}, {u'^', T(u"2")}}), *font_).width,
            W(u"x") + W(u"\x85"));
  EXPECT_EQ(MeasureAnswer(Row({{0, T(u"x")}, {u'^', T(u"3")}}), *font_).width,
            W(u"x") + 2 * u + W(u"^") + W(u"3"));
  // '*' is a gap; the first child shows only a '-'.
  EXPECT_EQ(MeasureAnswer(Row({{0, T(u"2")}, {u'*', T(u"x")}}), *font_).width,
            W(u"2") + u + W(u"x"));
  EXPECT_EQ(MeasureAnswer(Row({{u'+', T(u"a")}}), *font_).width, W(u"a"));
  EXPECT_EQ(MeasureAnswer(Row({{u'-', T(u"a")}}), *font_).width, W(u"-") + u + W(u"a"));
  // Brackets take two gaps on each side and one above and below.
  const AnswerSize bracketed = MeasureAnswer(Row({{0, T(u"a")}}, true), *font_);
  EXPECT_EQ(bracketed.width, 4 * u + W(u"a"));
  EXPECT_EQ(bracketed.height, m_.text_height + 2 * u);
  // Missing operators (a file may hold fewer) read as none.
  AnswerLayout short_ops = Row({{0, T(u"a")}, {0, T(u"b")}});
  short_ops.operators.clear();
  EXPECT_EQ(MeasureAnswer(short_ops, *font_).width, W(u"a") + W(u"b"));
}

TEST_P(AnswerDrawingTest, PlusBeforeANegativeRowDrawsExactlyLikeAMinus) {
  const AnswerLayout minus = Row({{0, T(u"a")}, {u'-', T(u"b")}});
  const AnswerLayout plus_negative = Row({{0, T(u"a")}, {u'+', Row({{u'-', T(u"b")}})}});
  ASSERT_EQ(MeasureAnswer(minus, *font_), MeasureAnswer(plus_negative, *font_));
  draw::Surface a, b;
  ASSERT_EQ(a.Create(0, 100, 40), draw::kOk);
  ASSERT_EQ(b.Create(0, 100, 40), draw::kOk);
  DrawAnswer(a, minus, *font_, AnswerColor(), 2, 2);
  DrawAnswer(b, plus_negative, *font_, AnswerColor(), 2, 2);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 100; ++x) ASSERT_EQ(At(a, x, y), At(b, x, y)) << x << "," << y;
  }
}

TEST_P(AnswerDrawingTest, MatrixCellsShareTheWidestAndTallestSize) {
  const AnswerSize size = MeasureAnswer(Matrix({{u"1", u"22"}, {u"333"}}), *font_);
  EXPECT_EQ(size.width, 2 * (W(u"333") + m_.line_height));
  EXPECT_EQ(size.height, 2 * (m_.text_height + m_.line_height));
}

TEST_P(AnswerDrawingTest, RootsAndCallsTakeTheirFixedRoom) {
  const AnswerMetrics& m = m_;
  EXPECT_EQ(
      MeasureAnswer(AnswerLayout::Root(T(u"2")), *font_),
      (AnswerSize{m.root_rise + m.root_hook + 2 * m.gap + W(u"2"), m.root_rise + m.text_height}));
  const AnswerLayout over_fraction = AnswerLayout::Root(AnswerLayout::Fraction(T(u"1"), T(u"2")));
  EXPECT_EQ(MeasureAnswer(over_fraction, *font_).height,
            m.line_height + 2 * m.text_height + 2 * m.quarter);
  EXPECT_EQ(MeasureAnswer(AnswerLayout::Call(u"sin", T(u"x")), *font_),
            (AnswerSize{W(u"sin") + (m.call_indent >> 1) + 2 * m.call_indent + W(u"x"),
                        m.text_height + 2 * m.gap}));
}

TEST_P(AnswerDrawingTest, BoxesWithTheWrongChildCountTakeNoRoom) {
  AnswerLayout one_part = AnswerLayout::Fraction(T(u"1"), T(u"2"));
  one_part.children.pop_back();
  AnswerLayout unknown = T(u"x");
  unknown.kind = static_cast<BoxKind>(2);
  AnswerLayout root_of_two = AnswerLayout::Root(T(u"1"));
  root_of_two.children.push_back(T(u"2"));
  for (const AnswerLayout& bad : {one_part, unknown, root_of_two}) {
    EXPECT_EQ(MeasureAnswer(bad, *font_), (AnswerSize{0, 0}));
    EXPECT_EQ(MeasureAnswer(Row({{0, T(u"a")}, {0, bad}}), *font_).width, W(u"a"));
  }
}

TEST_P(AnswerDrawingTest, MessagesWrapAndGrowByWholeLines) {
  const AnswerLayout message = T(u"Error: [red]one two three four five six seven[/] eight");
  const AnswerSize wide = MeasureAnswer(message, *font_, 0);
  EXPECT_EQ(wide.height, m_.text_height);
  EXPECT_LT(wide.width, W(message.text));  // tags take no room
  const AnswerSize narrow = MeasureAnswer(message, *font_, wide.width / 3);
  EXPECT_LE(narrow.width, wide.width / 3);
  const int lines = (narrow.height - m_.text_height) / m_.line_height + 1;
  EXPECT_GE(lines, 3);
  EXPECT_EQ(narrow.height, (lines - 1) * m_.line_height + m_.text_height);
}

INSTANTIATE_TEST_SUITE_P(SmallAndLarge, AnswerDrawingTest, ::testing::Values(0, 3),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return info.param == 0 ? "SmallClassic" : "LargeBright";
                         });

// Trees deeper than the printer ever makes, and rows far wider than the
// screen: built once, drawn only where visible.
class HugeAnswerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(display_.Open(240, 320), draw::kOk);
    ASSERT_EQ(
        skin_.Load(ZENTRIX_BINARY_DIR "/skins", ui::SkinSize::kSmall, ui::SkinStyle::kClassic),
        draw::kOk);
  }
  draw::ScopedDrawContextReset reset_;
  draw::HeadlessDisplay display_;
  ui::Skin skin_;
};

TEST_F(HugeAnswerTest, DeepNestingBuildsAndDrawsIteratively) {
  AnswerLayout deep = T(u"x");
  for (int i = 0; i < 5000; ++i) {
    deep = i % 2 ? AnswerLayout::Fraction(std::move(deep), T(u"2"))
                 : AnswerLayout::Root(std::move(deep));
  }
  Answer answer(std::move(deep));
  draw::Surface s;
  ASSERT_EQ(s.Create(0, 240, 320), draw::kOk);
  const AnswerSize size = answer.Draw(s, skin_.NormalText(), 0x0000FF, 0, 0, 240);
  EXPECT_GT(size.width, 240);
  EXPECT_GT(size.height, 320);
}

TEST_F(HugeAnswerTest, AWideRowMeasuresOnceAndDrawsItsVisiblePart) {
  AnswerLayout row = AnswerLayout::Row();
  for (int i = 0; i < 20000; ++i) row.Append(i ? u'+' : 0, T(u"x\x85"));
  Answer answer(std::move(row));
  draw::Surface s;
  ASSERT_EQ(s.Create(0, 240, 320), draw::kOk);
  const AnswerSize size = answer.Draw(s, skin_.NormalText(), 0x0000FF, -5000, 10, 240);
  EXPECT_GT(size.width, 100000);
  // Something was drawn in the visible window, though it lies 5,000 pixels in.
  int ink = 0;
  for (int x = 0; x < 240; ++x) {
    draw::Color c = 0;
    s.GetPixel(x, 14, &c);
    ink += c != 0;
  }
  EXPECT_GT(ink, 0);
}

}  // namespace
}  // namespace zentrix::notebook
