#include "engine/core/linear_text.h"

#include <gtest/gtest.h>

#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"
#include "engine/core/parser.h"
#include "engine/core/testing/expr_node_builders.h"

namespace zentrix::engine {
namespace {

using testkit::Num;
using testkit::PowerOf;
using testkit::Sym;
using testkit::Term;

std::string Graph(const ExprNode& node) { return chars::ToUtf8(LinearText(node)); }
std::string Entry(const ExprNode& node) {
  return chars::ToUtf8(LinearText(node, LinearTextOptions{true, false}));
}

class LinearTextTest : public ::testing::Test {
  ScopedEngineState engine_;
};

TEST_F(LinearTextTest, SumsOfTermsWithMarksOrCarets) {
  ExprNode quadratic = Num(1.0);
  quadratic.AddTerm(Term("x", 1, 2));
  quadratic.AddTerm(Term("x", -3, 1));
  quadratic.AddTerm(Term("y", 1, -1));
  EXPECT_EQ(Graph(quadratic), "x²-3x+1/y+1");
  EXPECT_EQ(Entry(quadratic), "x^2-3x+1/y+1");
  ExprNode roots = Num(-2.0);
  roots.AddTerm(Term("x", 2, Number::Ratio(1, 2)));
  roots.AddTerm(Term("t", 1, Number::Ratio(-1, 2)));
  roots.AddTerm(Term("u", 3, Number::Ratio(-1, 2)));
  roots.AddTerm(Term("v", 1, Number::Ratio(2, 3)));
  EXPECT_EQ(Entry(roots), "2√(x)+1/√(t)+3/√(u)+v^(2/3)-2");
}

TEST_F(LinearTextTest, ExactNumbersReadBackExactly) {
  EXPECT_EQ(Entry(Num(Number::Ratio(3, 2))), "3/2");
  EXPECT_EQ(Graph(Num(Number::Ratio(3, 2))), "1.5");
  EXPECT_EQ(Entry(Num(0.1)), "0.1");
  EXPECT_EQ(Entry(Num(1.0 / 3.0)), "0.3333333333333333");
  EXPECT_EQ(Entry(Num(12345678901.0)), "12345678901");
  EXPECT_EQ(Entry(Num(1.5e-12)), "0.0000000000015");
  EXPECT_EQ(std::stod(Entry(Num(-2.5e25))), -2.5e25);
  EXPECT_EQ(Entry(Num(Number::Complex(2, -3))), "2-3ⅈ");
  EXPECT_EQ(Entry(Num(Number::Complex(0, -1))), "-ⅈ");
  EXPECT_EQ(Entry(Num(Number::FromParts(Number(0.0), Number::Ratio(3, 2)))), "-3/(2ⅈ)");
  EXPECT_EQ(Entry(Num(Number::FromParts(Number::Ratio(1, 2), Number::Ratio(-1, 3)))), "1/2+1/(3ⅈ)");
  EXPECT_EQ(Entry(Num(Number::MinusInfinity())), "-∞");
  EXPECT_EQ(Entry(Num(Number::Indeterminate())), "0/0");
  ExprNode scaled = ExprNode::MakeProduct(Number::Complex(1, 1));
  scaled.AddTerm(Term("x", 1, 1));
  EXPECT_EQ(Entry(scaled), "(1+ⅈ)*x");
}

// ℯ^k typed reads as exp(k), so powers of the symbol ℯ are written as powers
// of ℯ·ℯ, which merge back into the symbol term.
TEST_F(LinearTextTest, PowersOfTheSymbolEAvoidTheExponentialFunction) {
  auto e_term = [](Number c, Number e) {
    ExprNode n = ExprNode::MakeTerm({std::u16string(1, chars::kEulerE), c, e});
    return chars::ToUtf8(LinearText(n, LinearTextOptions{true, false}));
  };
  EXPECT_EQ(e_term(Number(1), Number(2)), "(ℯ*ℯ)");
  EXPECT_EQ(e_term(Number(3), Number(4)), "3(ℯ*ℯ)^(2)");
  EXPECT_EQ(e_term(Number(1), Number(3)), "(ℯ*ℯ)^(3/2)");
  EXPECT_EQ(e_term(Number(1), Number::Ratio(2, 3)), "(ℯ*ℯ)^(1/3)");
  EXPECT_EQ(e_term(Number(1), Number(-4)), "1/(ℯ*ℯ)^(2)");
  EXPECT_EQ(e_term(Number::Ratio(-1, 2), Number(-2)), "(-1/2)/(ℯ*ℯ)");
  EXPECT_EQ(e_term(Number(1), Number(0.75)), "(ℯ*ℯ)^(0.375)");
  EXPECT_EQ(e_term(Number(1), Number::Ratio(1, 2)), "√(ℯ)");
  EXPECT_EQ(e_term(Number(1), Number(-1)), "1/ℯ");
}

TEST_F(LinearTextTest, ProductsPowersCallsAndLists) {
  ExprNode root = ExprNode::MakeProduct(2);
  root.AddOperand(PowerOf(Num(3.0), Number::Ratio(1, 2)));
  EXPECT_EQ(Entry(root), "2√(3)");
  ExprNode sum = Num(1.0);
  sum.AddTerm(Term("x", 1, 1));
  ExprNode product = ExprNode::MakeProduct(Number::Ratio(-1, 2));
  product.AddTerm(Term("y", 1, 1));
  product.AddOperand(sum);
  product.AddOperand(ExprNode::MakeFunction(command_id::kSin, Sym("x")));
  product.AddOperand(PowerOf(sum, -1));
  EXPECT_EQ(Entry(product), "-1/2*y*(x+1)*sin(x)*(x+1)^-1");
  EXPECT_EQ(Graph(PowerOf(sum, -1)), "(x+1)⁻¹");
  EXPECT_EQ(Graph(ExprNode::MakeFunction(command_id::kExp, Sym("x"))), "ℯ^(x)");
  ExprNode list = ExprNode::MakeList();
  list.AddOperand(Num(-2.0));
  list.AddOperand(Num(2.0));
  EXPECT_EQ(Entry(list), "{-2,2}");
  ExprNode matrix = ExprNode::MakeMatrix(2, 2);
  EXPECT_EQ(Entry(matrix), "{{0,0},{0,0}}");
}

TEST_F(LinearTextTest, DeepTreesKeepEveryChoiceOfSignBracketAndJuxtaposition) {
  // ((x+1)^2+1)^2+1 ... and -2sin(-2sin(x)): each level decides its brackets,
  // '+' and '*' after writing what lies below it.
  ExprNode nested = Num(1.0);
  nested.AddTerm(Term("x", 1, 1));
  std::string expected = "x+1";
  ExprNode calls = Sym("x");
  std::string expected_calls = "x";
  for (int level = 0; level < 300; ++level) {
    ExprNode sum = Num(1.0);
    sum.AddOperand(PowerOf(std::move(nested), 2));
    nested = std::move(sum);
    expected = "(" + expected + ")^2+1";
    ExprNode call(FunctionKind(command_id::kSin), Number(level % 2 ? -2.0 : 3.0));
    call.AddOperand(std::move(calls));
    calls = std::move(call);
    expected_calls = (level % 2 ? "-2sin(" : "3sin(") + expected_calls + ")";
  }
  EXPECT_EQ(Entry(nested), expected);
  EXPECT_EQ(Entry(calls), expected_calls);
}

TEST_F(LinearTextTest, EveryFormParses) {
  for (const char* text :
       {"2√(3)", "(1+ⅈ)*x", "3ⅈ/2", "-ⅈ", "2-3ⅈ", "x^-1", "(x+1)⁻¹", "1/√(t)", "3/√(u)", "v^(2/3)",
        "ℯ^(x)", "{{0,0},{0,0}}", "-1/2*y*(x+1)*sin(x)*(x+1)^-1", "1.5ᴇ-30", "0/0", "-∞",
        "x^2-3x+1/y+1", "x²-3x+1/y+1"}) {
    EvalProgram program = ParseEntry(chars::U16(text));
    EXPECT_TRUE(program.ok()) << text << ": " << chars::ToUtf8(program.failure.DisplayText());
  }
}

}  // namespace
}  // namespace zentrix::engine
