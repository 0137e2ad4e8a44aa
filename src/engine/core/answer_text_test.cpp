#include "engine/core/answer_text.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/core/answer_layout.h"
#include "engine/core/charset.h"
#include "engine/core/testing/answer_layout_builders.h"

namespace zentrix::engine {
namespace {

using engine::testkit::Frac;
using engine::testkit::Row;
using engine::testkit::T;

TEST(RenderText, SumsProductsAndSigns) {
  EXPECT_EQ(RenderText(Row({{'+', T("x²")}, {'+', T("3x")}, {'+', T("1")}})), "x² + 3x + 1");
  EXPECT_EQ(RenderText(Row({{0, T("2")}, {'*', AnswerLayout::Root(T("3"))}})), "2√3");
  EXPECT_EQ(RenderText(Row({{'-', T("y")}, {'*', Row({{'+', T("x")}, {'+', T("1")}}, true)}})),
            "-y·(x + 1)");
  // A '+' before a row that starts with '-' reads as a minus.
  EXPECT_EQ(RenderText(Row({{'+', T("x")}, {'+', Row({{'-', Frac(T("1"), T("2"))}})}})), "x - 1/2");
  EXPECT_EQ(RenderText(Row({{'+', T("2")}, {'-', T("3ⅈ")}})), "2 - 3ⅈ");
  EXPECT_EQ(RenderText(Row({{'+', T("1")}, {'*', Frac(T("1"), T("4"))}})), "1 1/4");
  EXPECT_EQ(RenderText(Row({{0, Frac(T("1"), T("2"))}, {'*', T("x")}})), "(1/2)x");
}

TEST(RenderText, FractionsBracketWhatWouldMisread) {
  EXPECT_EQ(RenderText(Frac(T("3"), T("2"))), "3/2");
  EXPECT_EQ(RenderText(Frac(Row({{'+', T("x")}, {'+', T("1")}}), T("2x"))), "(x + 1)/(2x)");
  EXPECT_EQ(RenderText(Frac(T("1"), T("x²"))), "1/x²");
  EXPECT_EQ(RenderText(Frac(AnswerLayout::Root(T("2")), T("2"))), "√2/2");
  EXPECT_EQ(RenderText(AnswerLayout::Root(Row({{'+', T("x")}, {'+', T("1")}}))), "√(x + 1)");
}

TEST(RenderText, PowersCallsListsAndMatrices) {
  EXPECT_EQ(RenderText(Row({{0, Row({{'+', T("x")}, {'+', T("1")}}, true)}, {'^', T("3")}})),
            "(x + 1)^3");
  EXPECT_EQ(RenderText(Row({{0, T("x")}, {'^', T("2")}})), "x²");
  EXPECT_EQ(RenderText(Row({{0, T("x")}, {'^', Frac(T("1"), T("3"))}})), "x^(1/3)");
  // A factor after a written-out exponent is set apart so it does not read as part of it.
  EXPECT_EQ(RenderText(Row({{0, T("x^3")}, {'*', T("yz")}})), "x^3·yz");
  EXPECT_EQ(RenderText(Row({{0, T("4x^3")}, {'*', T("y")}})), "4x^3·y");
  EXPECT_EQ(RenderText(Row({{0, T("3")}, {'*', T("y")}})), "3y");
  EXPECT_EQ(RenderText(AnswerLayout::Call(u"floor", T("x"))), "floor(x)");
  EXPECT_EQ(RenderText(Row({{',', T("-2")}, {',', T("2")}}, true)), "{-2, 2}");
  EXPECT_EQ(RenderText(Row({}, true)), "{}");
  AnswerLayout matrix;
  matrix.kind = BoxKind::kMatrix;
  matrix.Append(0, Row({{',', T("1")}, {',', T("2")}}));
  matrix.Append(0, Row({{',', T("3")}, {',', T("4")}}));
  EXPECT_EQ(RenderText(matrix), "[[1, 2], [3, 4]]");
  EXPECT_EQ(RenderText(T("Error: Syntax Error")), "Error: Syntax Error");
}

}  // namespace
}  // namespace zentrix::engine
