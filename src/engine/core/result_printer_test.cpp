#include "engine/core/result_printer.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"
#include "engine/core/function_name.h"
#include "engine/core/testing/expr_node_builders.h"

namespace zentrix::engine {
namespace {

// A compact picture of a box tree: fractions {a/b}, roots √{x}, calls name(x),
// rows with their operators, brackets as (), matrices [r;r].
std::string Describe(const AnswerLayout& box) {
  std::string out;
  switch (box.kind) {
    case BoxKind::kText: out = chars::ToUtf8(box.text); break;
    case BoxKind::kFraction:
      out = "{" + Describe(box.children[0]) + "/" + Describe(box.children[1]) + "}";
      break;
    case BoxKind::kRoot: out = "√{" + Describe(box.children[0]) + "}"; break;
    case BoxKind::kCall:
      out = chars::ToUtf8(box.text) + "<" + Describe(box.children[0]) + ">";
      break;
    case BoxKind::kRow:
      for (std::size_t i = 0; i < box.children.size(); ++i) {
        if (box.operators[i] != 0) out += static_cast<char>(box.operators[i]);
        out += Describe(box.children[i]);
      }
      break;
    case BoxKind::kMatrix:
      out = "[";
      for (std::size_t i = 0; i < box.children.size(); ++i) {
        out += (i ? ";" : "") + Describe(box.children[i]);
      }
      out += "]";
      break;
  }
  return box.bracketed ? "(" + out + ")" : out;
}

using testkit::Num;
using testkit::PowerOf;
using testkit::Sym;
using testkit::Term;

class ResultPrinterTest : public ::testing::Test {
 protected:
  std::string Show(const ExprNode& node, PrintSettings s = {}) {
    return Describe(ResultPrinter(s).Print(node));
  }
  std::string ShowNumber(const Number& n, PrintSettings s = {}) {
    return Describe(ResultPrinter(s).PrintNumber(n));
  }
  ScopedEngineState engine_;
};

TEST_F(ResultPrinterTest, FractionsAndMixedNumbers) {
  PrintSettings mixed;
  mixed.mixed_numbers = true;
  EXPECT_EQ(ShowNumber(Number::Ratio(5, 4)), "{5/4}");
  EXPECT_EQ(ShowNumber(Number::Ratio(5, 4), mixed), "+1*{1/4}");
  EXPECT_EQ(ShowNumber(Number::Ratio(-5, 4), mixed), "-{5/4}");
  EXPECT_EQ(ShowNumber(Number::Ratio(3, 4), mixed), "{3/4}");
  EXPECT_EQ(ShowNumber(Number::Ratio(-1, 3)), "-{1/3}");
  // Fraction parts ignore the precision setting.
  PrintSettings none;
  none.decimal.precision = 0;
  EXPECT_EQ(ShowNumber(Number::Ratio(7, 3), none), "{7/3}");
  EXPECT_EQ(ShowNumber(Number(2.5), none), "2");
}

TEST_F(ResultPrinterTest, SpecialValues) {
  EXPECT_EQ(ShowNumber(Number::PlusInfinity()), "∞");
  EXPECT_EQ(ShowNumber(Number::MinusInfinity()), "-∞");
  EXPECT_EQ(ShowNumber(Number::ComplexInfinity()), "ComplexInfinity");
  EXPECT_EQ(ShowNumber(Number::Indeterminate()), "Indeterminate");
}

TEST_F(ResultPrinterTest, ComplexValues) {
  EXPECT_EQ(ShowNumber(Number::Complex(0, 3)), "3ⅈ");
  EXPECT_EQ(ShowNumber(Number::Complex(0, 1)), "ⅈ");
  EXPECT_EQ(ShowNumber(Number::Complex(0, -1)), "-ⅈ");
  EXPECT_EQ(ShowNumber(Number::Complex(2, -3)), "+2-3ⅈ");
  EXPECT_EQ(ShowNumber(Number::Complex(-2, 1)), "-2+ⅈ");
  EXPECT_EQ(ShowNumber(Number::Complex(1.5, 0.25)), "+1.5+0.25ⅈ");
  EXPECT_EQ(ShowNumber(Number::FromParts(Number(0.0), Number::Ratio(1, 2))), "{ⅈ/2}");
  EXPECT_EQ(ShowNumber(Number::FromParts(Number(0.0), Number::Ratio(-3, 2))), "-{3ⅈ/2}");
  EXPECT_EQ(ShowNumber(Number::FromParts(Number(1.0), Number::Ratio(3, 2))), "+1+{3ⅈ/2}");
}

TEST_F(ResultPrinterTest, FractionsBeyondTheFormatterPrintAsOneDecimal) {
  EXPECT_EQ(ShowNumber(Number::Ratio(264723826650.0, 436092044390.0)), "0.60704");
  EXPECT_EQ(ShowNumber(Number::Ratio(-12345678901.0, 2.0)), "-6.17284ᴇ9");
  EXPECT_EQ(ShowNumber(Number::Ratio(999999999.0, 2.0)), "{999999999/2}");
  ExprNode scaled = ExprNode::MakeProduct(Number::Ratio(7.0, 12345678901.0));
  scaled.AddOperand(ExprNode::MakeFunction(command_id::kSin, Sym("x")));
  EXPECT_EQ(Show(scaled), "5.67ᴇ-10*sin<x>");
}

TEST_F(ResultPrinterTest, ImaginaryFactorsInSums) {
  // -1/2 - (√3/2)ⅈ: the minus moves to the row and the unit follows the
  // fraction; a whole imaginary factor keeps its place in front.
  ExprNode root3 = PowerOf(Num(3.0), Number::Ratio(1, 2));
  ExprNode half_i = ExprNode::MakeProduct(Number::FromParts(Number(0.0), Number::Ratio(-1, 2)));
  half_i.AddOperand(root3);
  ExprNode sum = Num(Number::Ratio(-1, 2));
  sum.AddOperand(half_i);
  EXPECT_EQ(Show(sum), "-{1/2}-{√{3}/2}*ⅈ");
  half_i.set_coefficient(Number::FromParts(Number(0.0), Number::Ratio(1, 2)));
  EXPECT_EQ(Show(half_i), "{√{3}/2}*ⅈ");
  ExprNode two_i = ExprNode::MakeProduct(Number::Complex(0, -2));
  two_i.AddOperand(root3);
  ExprNode other = Num(1.0);
  other.AddOperand(two_i);
  EXPECT_EQ(Show(other), "+1-2ⅈ*√{3}");
}

TEST_F(ResultPrinterTest, FunctionNamesById) {
  EXPECT_EQ(Show(ExprNode::MakeFunction(command_id::kFloor, Sym("x"))), "floor<x>");
  EXPECT_EQ(Show(ExprNode::MakeFunction(command_id::kExp, Sym("x"))), "ℯ^<x>");
  EXPECT_EQ(chars::ToUtf8(FunctionName(command_id::kFPdf)), "Fpdf");
  EXPECT_EQ(chars::ToUtf8(FunctionName(command_id::kFCdf)), "Fcdf");
  EXPECT_EQ(chars::ToUtf8(FunctionName(command_id::kSign)), "sign");
  EXPECT_EQ(FunctionName(command_id::kDegreeMark), u"");
  // A command left unevaluated keeps its name and all its arguments.
  ExprNode limit(FunctionKind(command_id::kLimit), Number(1.0));
  limit.AddOperand(Sym("f"));
  limit.AddOperand(Sym("x"));
  limit.AddOperand(Num(0.0));
  EXPECT_EQ(Show(limit), "Limit<f,x,0>");
  ExprNode scaled = ExprNode::MakeFunction(command_id::kSin, Sym("x"));
  scaled.set_coefficient(Number(-3.0));
  EXPECT_EQ(Show(scaled), "-3*sin<x>");
}

TEST_F(ResultPrinterTest, SumsTakeSignsFromCoefficients) {
  // x² + 3x + 1 and 2x - 1/2, in stored order.
  ExprNode quadratic = Num(1.0);
  quadratic.AddTerm(Term("x", 1, 2));
  quadratic.AddTerm(Term("x", 3, 1));
  EXPECT_EQ(Show(quadratic), "+x²+3x+1");
  ExprNode linear = Num(Number::Ratio(-1, 2));
  linear.AddTerm(Term("x", -1, 1));
  linear.AddTerm(Term("y", Number::Ratio(1, 2), 1));
  EXPECT_EQ(Show(linear), "-x+{y/2}-{1/2}");
  // A product operand with a negative coefficient is printed negated.
  ExprNode product = ExprNode::MakeProduct(Number(-2.0));
  product.AddOperand(ExprNode::MakeFunction(command_id::kSin, Sym("x")));
  ExprNode sum = Num(0.0);
  sum.AddTerm(Term("x", 1, 1));
  sum.AddOperand(product);
  EXPECT_EQ(Show(sum), "+x-2*sin<x>");
  // A complex constant joins the row with its own signs.
  ExprNode complex = Num(Number::Complex(-2, 3));
  complex.AddTerm(Term("x", 1, 1));
  EXPECT_EQ(Show(complex), "+x-2+3ⅈ");
  ExprNode single = Num(0.0);
  single.AddTerm(Term("x", -1, 3));
  EXPECT_EQ(Show(single), "-x^3");
}

TEST_F(ResultPrinterTest, TermRules) {
  auto term = [&](Number c, Number e) {
    ExprNode n = Num(0.0);
    n.AddTerm(Term("x", c, e));
    return Show(n);
  };
  EXPECT_EQ(term(1, Number::Ratio(1, 2)), "√{x}");
  EXPECT_EQ(term(3, Number::Ratio(1, 2)), "3*√{x}");
  EXPECT_EQ(term(1, Number::Ratio(-1, 2)), "{1/√{x}}");
  EXPECT_EQ(term(Number::Ratio(3, 2), Number::Ratio(-1, 2)), "{3/2*√{x}}");
  EXPECT_EQ(term(3, -2), "{3/x²}");
  EXPECT_EQ(term(Number::Ratio(1, 2), -1), "{1/2x}");
  EXPECT_EQ(term(Number::Ratio(3, 2), 2), "{3x²/2}");
  EXPECT_EQ(term(Number::Ratio(-1, 3), Number::Ratio(1, 2)), "-{√{x}/3}");
  EXPECT_EQ(term(1, Number::Ratio(2, 3)), "x^{2/3}");
  EXPECT_EQ(term(2, Number::Ratio(-1, 3)), "{2/x^{1/3}}");
  EXPECT_EQ(term(1, 2.5), "x^2.5");
  EXPECT_EQ(term(Number::Complex(1, 1), 1), "(+1+ⅈ)*x");
}

TEST_F(ResultPrinterTest, ProductsWithNegativeExponentsPrintAsFractions) {
  // x·y⁻¹
  ExprNode ratio = ExprNode::MakeProduct(1);
  ratio.AddTerm(Term("x", 1, 1));
  ratio.AddTerm(Term("y", 1, -1));
  EXPECT_EQ(Show(ratio), "{x/y}");
  // -3x/(2·(x+1)²)
  ExprNode sum = Num(1.0);
  sum.AddTerm(Term("x", 1, 1));
  ExprNode product = ExprNode::MakeProduct(Number::Ratio(-3, 2));
  product.AddTerm(Term("x", 1, 1));
  product.AddOperand(PowerOf(sum, -2));
  EXPECT_EQ(Show(product), "-{3*x/2*(+x+1)^2}");
  // √2/2: a fraction coefficient with a power of a number.
  ExprNode half_root = ExprNode::MakeProduct(Number::Ratio(1, 2));
  half_root.AddOperand(PowerOf(Num(2.0), Number::Ratio(1, 2)));
  EXPECT_EQ(Show(half_root), "{√{2}/2}");
  // 1/sin(x) with nothing left over the bar.
  ExprNode inverse = ExprNode::MakeProduct(1);
  inverse.AddTerm(Term("y", 1, -1));
  inverse.AddOperand(PowerOf(ExprNode::MakeFunction(command_id::kSin, Sym("x")), -1));
  EXPECT_EQ(Show(inverse), "{1/y*sin<x>}");
}

TEST_F(ResultPrinterTest, ProductsAsRows) {
  ExprNode root = ExprNode::MakeProduct(2);
  root.AddOperand(PowerOf(Num(3.0), Number::Ratio(1, 2)));
  EXPECT_EQ(Show(root), "2*√{3}");
  ExprNode sum = Num(1.0);
  sum.AddTerm(Term("x", 1, 1));
  ExprNode negated = ExprNode::MakeProduct(-1);
  negated.AddTerm(Term("y", 1, 1));
  negated.AddOperand(sum);
  negated.AddOperand(ExprNode::MakeFunction(command_id::kCos, Sym("x")));
  EXPECT_EQ(Show(negated), "-y*(+x+1)*cos<x>");
}

TEST_F(ResultPrinterTest, Powers) {
  ExprNode sum = Num(1.0);
  sum.AddTerm(Term("x", 1, 1));
  EXPECT_EQ(Show(PowerOf(sum, 3)), "(+x+1)^3");
  EXPECT_EQ(Show(PowerOf(sum, -1)), "{1/+x+1}");
  EXPECT_EQ(Show(PowerOf(sum, Number::Ratio(-1, 2))), "{1/√{+x+1}}");
  EXPECT_EQ(Show(PowerOf(sum, -3)), "{1/(+x+1)^3}");
  EXPECT_EQ(Show(PowerOf(Num(2.0), Number::Ratio(1, 3))), "2^{1/3}");
  EXPECT_EQ(Show(PowerOf(Num(-2.0), Number::Ratio(1, 3))), "(-2)^{1/3}");
  ExprNode symbolic = ExprNode::MakePower(1);
  symbolic.AddOperand(Num(2.0));
  symbolic.AddOperand(sum);
  EXPECT_EQ(Show(symbolic), "2^(+x+1)");
}

TEST_F(ResultPrinterTest, ListsIntervalsAndMatrices) {
  ExprNode list = ExprNode::MakeList();
  list.AddOperand(Num(-2.0));
  list.AddOperand(Num(Number::Ratio(1, 2)));
  EXPECT_EQ(Show(list), "(,-2,{1/2})");
  EXPECT_EQ(Show(ExprNode::MakeList()), "()");
  EXPECT_EQ(Show(ExprNode::MakeInterval(-1, 1)), "Interval<-1,1>");
  ExprNode matrix = ExprNode::MakeMatrix(2, 2);
  matrix.Operand(1).Operand(0) = Num(3.0);
  EXPECT_EQ(Show(matrix), "[,0,0;,3,0]");
}

TEST_F(ResultPrinterTest, DecimalsFollowTheSettings) {
  PrintSettings scientific;
  scientific.decimal.notation = Notation::kScientific;
  EXPECT_EQ(ShowNumber(Number(1234.5), scientific), "1.2345ᴇ3");
  ExprNode term = Num(0.0);
  term.AddTerm(Term("x", 0.5, 1));
  EXPECT_EQ(Show(term), "0.5x");
}

TEST_F(ResultPrinterTest, PrintingLeavesTheRewriteFlagAlone) {
  ExprNode sum = Num(Number::Ratio(-1, 2));
  sum.AddTerm(Term("x", Number::Ratio(-3, 4), Number::Ratio(-1, 2)));
  ClearRewriteFlag();
  Show(sum);
  EXPECT_FALSE(RewriteFlag());
}

}  // namespace
}  // namespace zentrix::engine
