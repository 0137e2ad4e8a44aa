#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "cli/layout_pretty.h"
#include "engine/core/answer_layout.h"
#include "engine/core/answer_text.h"
#include "engine/core/charset.h"
#include "engine/core/testing/answer_layout_builders.h"

namespace zentrix::cli {
namespace {

using engine::AnswerLayout;

using engine::testkit::Frac;
using engine::testkit::Row;
using engine::testkit::T;

TEST(RenderPretty, StacksFractionsRaisesExponentsAndFramesMatrices) {
  EXPECT_EQ(RenderPretty(Frac(T("3"), T("2"))), " 3\n───\n 2");
  EXPECT_EQ(RenderPretty(Row({{0, T("x")}, {'^', Frac(T("1"), T("3"))}})), "  1\n ───\n  3\nx");
  EXPECT_EQ(RenderPretty(Row({{'+', T("x")}, {'+', Frac(T("1"), T("2"))}})),
            "     1\nx + ───\n     2");
  EXPECT_EQ(RenderPretty(AnswerLayout::Root(Row({{'+', T("x")}, {'+', T("1")}}))),
            " _____\n√x + 1");
  AnswerLayout matrix;
  matrix.kind = engine::BoxKind::kMatrix;
  matrix.Append(0, Row({{',', T("1")}, {',', T("-2")}}));
  matrix.Append(0, Row({{',', T("30")}, {',', T("4")}}));
  EXPECT_EQ(RenderPretty(matrix), "⎡ 1   -2 ⎤\n⎣ 30  4  ⎦");
  EXPECT_EQ(RenderPretty(AnswerLayout::Call(u"sin", Frac(T("x"), T("2")))),
            "   ⎛ x ⎞\nsin⎜───⎟\n   ⎝ 2 ⎠");
}

// Each level of a nested fraction copies the drawing of the levels inside:
// 800 levels took over a minute and half a gigabyte before the bounds.
TEST(RenderPretty, DrawingsTooLargeToShowAreWrittenOnOneLine) {
  AnswerLayout nested = T("x");
  for (int i = 0; i < 300; ++i) nested = Frac(T("1"), Row({{'+', T("x")}, {'+', nested}}));
  EXPECT_EQ(RenderPretty(nested), engine::RenderText(nested));
  // Less deep, but a hundred of them side by side: the cell bound.
  AnswerLayout one = T("x");
  for (int i = 0; i < 50; ++i) one = Frac(T("1"), Row({{'+', T("x")}, {'+', one}}));
  AnswerLayout wide = Row({{'+', one}});
  for (int i = 0; i < 99; ++i) wide.Append(u'+', one);
  EXPECT_EQ(RenderPretty(wide), engine::RenderText(wide));
  AnswerLayout shallow = T("x");
  for (int i = 0; i < 20; ++i) shallow = Frac(T("1"), Row({{'+', T("x")}, {'+', shallow}}));
  const std::string drawn = RenderPretty(shallow);
  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), '\n'), 40);
}

// The sign of a term taken over by the row is drawn once, and a call's
// brackets stand for its argument's, however deep the nesting.
TEST(RenderPretty, TakenOverSignsAndCallBracketsAreDrawnOnce) {
  const AnswerLayout negative = Row({{'-', T("2")}, {'*', T("y")}});
  EXPECT_EQ(RenderPretty(Row({{'+', T("x")}, {'+', negative}})), "x - 2y");
  EXPECT_EQ(RenderPretty(Row({{'-', T("x")}, {'+', negative}, {'-', T("1")}})), "-x - 2y - 1");
  AnswerLayout nested = Row({{'+', T("x")}, {'+', T("1")}}, true);
  std::string expected = "x + 1";
  for (int i = 0; i < 3; ++i) {
    nested = AnswerLayout::Call(u"sin", std::move(nested));
    expected = "sin(" + expected + ")";
  }
  EXPECT_EQ(RenderPretty(nested), expected);
  EXPECT_EQ(engine::RenderText(nested), expected);
}

TEST(RenderPretty, MalformedBoxesShowNothingAndMessagesKeepTheirLines) {
  AnswerLayout broken;
  broken.kind = engine::BoxKind::kFraction;
  EXPECT_EQ(RenderPretty(broken), "");
  EXPECT_EQ(engine::RenderText(broken), "");
  EXPECT_EQ(RenderPretty(T("n=3\nmean=2")), "n=3\nmean=2");
}

}  // namespace
}  // namespace zentrix::cli
