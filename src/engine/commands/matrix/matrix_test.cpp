// Matrix commands through the evaluator: results compared with the canonical
// form of the expected expression, failures with their display texts.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "engine/commands/base/commands_state.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using testkit::Eval;

class MatrixTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

constexpr const char* kSyntaxError = "Error: Syntax Error";
constexpr const char* kGeneral = "Error: General";

TEST_F(MatrixTest, Determinants) {
  EXPECT_EQ(Eval("Det({{1,2},{3,4}})"), "-2");
  EXPECT_EQ(Eval("Det({{7}})"), "7");
  EXPECT_EQ(Eval("Det({{a,b},{c,d}})"), Eval("a*d-b*c"));
  EXPECT_EQ(Eval("Det({{2,0,1},{1,3,2},{1,1,2}})"), "6");
  EXPECT_EQ(Eval("Det({{1/2,1/3},{1/4,1/5}})"), Eval("1/10-1/12"));
  // Symbolic entries are expanded, and cancel.
  EXPECT_EQ(Eval("Det({{x+1,x},{x,x-1}})"), "-1");
  EXPECT_EQ(Eval("Det({{a,b,c},{d,e,f},{g,h,k}})"),
            Eval("Expand(a*e*k-a*f*h-b*d*k+b*f*g+c*d*h-c*e*g)"));
  // A zero pivot needs a row swap in the numeric elimination.
  EXPECT_EQ(Eval("Det({{0,1,2},{1,0,3},{4,-3,8}})"), "-2");
  EXPECT_EQ(Eval("Det({{1,2},{2,4}})"), "0");
}

TEST_F(MatrixTest, DeterminantFailures) {
  EXPECT_EQ(Eval("Det({{1,2,3},{4,5,6}})"), kSyntaxError);
  EXPECT_EQ(Eval("Det({1,2})"), kSyntaxError);
  EXPECT_EQ(Eval("Det(5)"), kSyntaxError);
  EXPECT_EQ(Eval("Det({{1,2},{3}})"), kSyntaxError);
}

TEST_F(MatrixTest, LargeDeterminantsAnswerOrStopWithAMessage) {
  // A numeric 10×10 determinant is exact: the Vandermonde-like matrix of
  // 1..10 with entries (i+j)^0..: here the lower triangle of ones times 2.
  std::string rows;
  for (int i = 0; i < 10; ++i) {
    rows += i == 0 ? "{" : ",{";
    for (int j = 0; j < 10; ++j) rows += std::string(j == 0 ? "" : ",") + (j <= i ? "2" : "0");
    rows += "}";
  }
  EXPECT_EQ(Eval("Det({" + rows + "})"), "1024");
  // A symbolic 12×12 matrix is beyond the cofactor expansion.
  std::string symbolic;
  for (int i = 0; i < 12; ++i) {
    symbolic += i == 0 ? "{" : ",{";
    for (int j = 0; j < 12; ++j) symbolic += std::string(j == 0 ? "" : ",") + (i == j ? "x" : "1");
    symbolic += "}";
  }
  EXPECT_EQ(Eval("Det({" + symbolic + "})"), "Error: The matrix is too large.");
  // A symbolic 8×8 matrix of distinct symbols has 40320 terms: too large a result.
  std::string distinct;
  for (int i = 0; i < 8; ++i) {
    distinct += i == 0 ? "{" : ",{";
    for (int j = 0; j < 8; ++j) {
      distinct +=
          std::string(j == 0 ? "" : ",") + "a" + std::to_string(i) + "b" + std::to_string(j);
    }
    distinct += "}";
  }
  EXPECT_EQ(Eval("Det({" + distinct + "})"), "Error: The expression is too large.");
}

// An n×m matrix whose entries `entry(i, j)` writes.
template <class Entry>
std::string MatrixText(int rows, int columns, Entry entry) {
  std::string text = "{";
  for (int i = 0; i < rows; ++i) {
    text += i == 0 ? "{" : ",{";
    for (int j = 0; j < columns; ++j) text.append(j == 0 ? "" : ",").append(entry(i, j));
    text += "}";
  }
  return text + "}";
}

TEST_F(MatrixTest, WorkAndSizeBoundsEndTheCommandWithTheirMessage) {
  const std::string matrix_too_large = "Error: The matrix is too large.";
  const std::string result_too_large = "Error: The expression is too large.";
  // Numeric 160×160: beyond the elimination's and the product's work.
  const std::string numeric =
      MatrixText(160, 160, [](int i, int j) { return std::to_string((7 * i + 3 * j) % 11); });
  EXPECT_EQ(Eval("RowReduce(" + numeric + ")"), matrix_too_large);
  EXPECT_EQ(Eval("Dot(" + numeric + "," + numeric + ")"), result_too_large);
  // Symbolic 8×8 with a cheap determinant: beyond the cofactor inverse, also
  // when the inverse is wanted inside MatrixPower.
  const std::string bidiagonal = MatrixText(8, 8, [](int i, int j) {
    return std::string(i == j ? "x" : j == i + 1 ? "1" : "0");
  });
  EXPECT_EQ(Eval("Inverse(" + bidiagonal + ")"), matrix_too_large);
  EXPECT_EQ(Eval("MatrixPower(" + bidiagonal + ",-1)"), matrix_too_large);
  const std::string identity =
      MatrixText(60, 60, [](int i, int j) { return std::string(i == j ? "1" : "0"); });
  EXPECT_EQ(Eval("QR(" + identity + ")"), matrix_too_large);
  // Symbolic 45×45: within the elimination's entry operations, its entries grow too large.
  // The work bound decides it; the wall clock must not on a loaded or sanitized machine.
  ScopedCommandsState commands;
  Commands().time_limit = std::chrono::seconds(120);
  const std::string symbolic =
      MatrixText(45, 45, [](int i, int j) { return std::string(i == j ? "x" : "1"); });
  EXPECT_EQ(Eval("RowReduce(" + symbolic + ")"), result_too_large);
}

TEST_F(MatrixTest, SymbolicDiagonalTenByTen) {
  // x on the diagonal, 1 elsewhere: (x−1)^9·(x+9).
  std::string rows;
  for (int i = 0; i < 10; ++i) {
    rows += i == 0 ? "{" : ",{";
    for (int j = 0; j < 10; ++j) rows += std::string(j == 0 ? "" : ",") + (i == j ? "x" : "1");
    rows += "}";
  }
  EXPECT_EQ(Eval("Det({" + rows + "})"), Eval("Expand((x-1)^9*(x+9))"));
}

TEST_F(MatrixTest, TransposeAndIdentity) {
  EXPECT_EQ(Eval("Transpose({{1,2,3},{4,5,6}})"), Eval("{{1,4},{2,5},{3,6}}"));
  EXPECT_EQ(Eval("Transpose({{a}})"), Eval("{{a}}"));
  EXPECT_EQ(Eval("Transpose({1,2})"), kSyntaxError);
  EXPECT_EQ(Eval("Identity(2)"), Eval("{{1,0},{0,1}}"));
  EXPECT_EQ(Eval("Identity(100)"), "Error: Identity(size)");
  EXPECT_EQ(Eval("Identity(2.5)"), "Error: Identity(size)");
  EXPECT_EQ(Eval("Identity(2,3)"), "Error: Identity(size)");
  EXPECT_EQ(Eval("Identity(0)"), kGeneral);
  EXPECT_EQ(Eval("Identity(-3)"), kGeneral);
}

TEST_F(MatrixTest, RowReduce) {
  EXPECT_EQ(Eval("RowReduce({{1,2,3},{4,5,6}})"), Eval("{{1,0,-1},{0,1,2}}"));
  EXPECT_EQ(Eval("RowReduce({{1,2},{0,0}})"), Eval("{{1,2},{0,0}}"));
  EXPECT_EQ(Eval("RowReduce({{0,0},{0,0}})"), Eval("{{0,0},{0,0}}"));
  EXPECT_EQ(Eval("RowReduce({{0,2},{3,0}})"), Eval("{{1,0},{0,1}}"));
  // Tall matrices place at most as many pivots as there are columns.
  EXPECT_EQ(Eval("RowReduce({{1},{2},{3}})"), Eval("{{1},{0},{0}}"));
  // A skipped column: the second pivot moves to column 3.
  EXPECT_EQ(Eval("RowReduce({{1,2,1},{2,4,3}})"), Eval("{{1,2,0},{0,0,1}}"));
  EXPECT_EQ(Eval("RowReduce({{a,1},{1,0}})"), Eval("{{1,0},{0,1}}"));
  EXPECT_EQ(Eval("RowReduce({{2,a},{4,b}})"), Eval("RowReduce({{1,a/2},{0,b-2a}})"));
  EXPECT_EQ(Eval("RowReduce(3)"), kSyntaxError);
}

TEST_F(MatrixTest, Inverse) {
  EXPECT_EQ(Eval("Inverse({{1,2},{3,4}})"), Eval("{{-2,1},{3/2,-1/2}}"));
  EXPECT_EQ(Eval("Inverse({{1,2},{2,4}})"), kGeneral);
  EXPECT_EQ(Eval("Inverse({{1,2,3},{4,5,6}})"), kGeneral);
  EXPECT_EQ(Eval("Inverse({1,2})"), kSyntaxError);
  EXPECT_EQ(Eval("Inverse({{4}})"), Eval("{{1/4}}"));
  EXPECT_EQ(Eval("Inverse({{a,b},{c,d}})"),
            Eval("{{d/(a*d-b*c),-b/(a*d-b*c)},{-c/(a*d-b*c),a/(a*d-b*c)}}"));
  EXPECT_EQ(Eval("Inverse({{x,x},{1,1}})"), kGeneral);
}

TEST_F(MatrixTest, MatrixPower) {
  EXPECT_EQ(Eval("MatrixPower({{1,1},{0,1}},3)"), Eval("{{1,3},{0,1}}"));
  EXPECT_EQ(Eval("MatrixPower({{a,b},{c,d}},1)"), Eval("{{a,b},{c,d}}"));
  EXPECT_EQ(Eval("MatrixPower({{1,2,3}},1)"), Eval("{{1,2,3}}"));
  EXPECT_EQ(Eval("MatrixPower({{1,1},{0,1}},0)"), Eval("Identity(2)"));
  EXPECT_EQ(Eval("MatrixPower({{1,2},{3,4}},-1)"), Eval("Inverse({{1,2},{3,4}})"));
  EXPECT_EQ(Eval("MatrixPower({{1,1},{0,1}},-4)"), Eval("{{1,-4},{0,1}}"));
  EXPECT_EQ(Eval("MatrixPower({{1,2},{2,4}},-2)"), kGeneral);
  EXPECT_EQ(Eval("MatrixPower({{1,2,3}},2)"), kGeneral);
  EXPECT_EQ(Eval("MatrixPower({{1,2,3}},0)"), kGeneral);
  EXPECT_EQ(Eval("MatrixPower({{1,1},{0,1}},1/2)"), "Error: Parameter 2 is not an integer");
  EXPECT_EQ(Eval("MatrixPower({{1,1},{0,1}})"), "Error: MatrixPower(matrix, n)");
  // Squaring keeps huge exponents cheap; the Fibonacci matrix gives F(n).
  EXPECT_EQ(Eval("MatrixPower({{1,1},{1,0}},10)"), Eval("{{89,55},{55,34}}"));
  EXPECT_EQ(Eval("MatrixPower({{1,1},{0,1}},1000000000000)"), Eval("{{1,1000000000000},{0,1}}"));
  EXPECT_EQ(Eval("MatrixPower({{x,1},{0,x}},3)"), Eval("{{x^3,3x^2},{0,x^3}}"));
  // Symbolic powers grow beyond the size bound instead of running for ages.
  EXPECT_EQ(Eval("MatrixPower({{a,b},{c,d}},1000000)"), "Error: The expression is too large.");
}

TEST_F(MatrixTest, DotProducts) {
  EXPECT_EQ(Eval("Dot({1,2,3},{4,5,6})"), "32");
  EXPECT_EQ(Eval("Dot({a,b},{c,d})"), Eval("a*c+b*d"));
  EXPECT_EQ(Eval("Dot({x+1,1},{x-1,1})"), Eval("x^2"));
  EXPECT_EQ(Eval("Dot({1,2},{1,2,3})"), "Error: Matrix Error");
  EXPECT_EQ(Eval("Dot({{1,2},{3,4}},{{0,1},{1,0}})"), Eval("{{2,1},{4,3}}"));
  EXPECT_EQ(Eval("Dot({{1,2}},{{1,2}})"), "Error: Matrix Error");
  EXPECT_EQ(Eval("Dot({{x+1}},{{x-1}})"), Eval("{{x^2-1}}"));
  EXPECT_EQ(Eval("Dot({1,2},{{1,2}})"), kSyntaxError);
  EXPECT_EQ(Eval("Dot({1,2})"), "Error: Dot(list, list) or Dot(matrix, matrix)");
}

TEST_F(MatrixTest, VectorProductsAndNorms) {
  EXPECT_EQ(Eval("Cross({1,0,0},{0,1,0})"), Eval("{0,0,1}"));
  EXPECT_EQ(Eval("Cross({a,b,c},{a,b,c})"), Eval("{0,0,0}"));
  EXPECT_EQ(Eval("Cross({1,2},{3,4})"), kSyntaxError);
  EXPECT_EQ(Eval("VectorNorm({3,4})"), "5");
  EXPECT_EQ(Eval("VectorNorm({1,-2,3},1)"), "6");
  EXPECT_EQ(Eval("VectorNorm({1,1})"), Eval("sqrt(2)"));
  // A fraction under the root stays exact: √(1/4 + 1/9) = √13/6.
  EXPECT_EQ(Eval("VectorNorm({1/2,1/3})"), Eval("sqrt(13)/6"));
  EXPECT_EQ(Eval("VectorNorm({{1,2}})"), kSyntaxError);
  EXPECT_EQ(Eval("VectorNorm({1,2},0)"), kSyntaxError);
  EXPECT_EQ(Eval("VectorNorm({1,2},p)"), kSyntaxError);
  EXPECT_EQ(Eval("VectorAngle({1,0},{1,0})"), Eval("acos(1)"));
  EXPECT_EQ(Eval("VectorAngle({1,1},{2,2})"), Eval("acos(1)"));
  EXPECT_EQ(Eval("VectorAngle({1,0},{0,1})"), Eval("acos(0)"));
  EXPECT_EQ(Eval("VectorAngle({0,0},{0,1})"), kSyntaxError);
  EXPECT_EQ(Eval("VectorAngle({1,0},{0,1,0})"), kSyntaxError);
  EXPECT_EQ(Eval("ScalarTripleProduct({1,0,0},{0,1,0},{0,0,1})"), "1");
  EXPECT_EQ(Eval("ScalarTripleProduct({1,2,3},{4,5,6},{7,8,9})"), "0");
  EXPECT_EQ(Eval("ScalarTripleProduct({1,2,3},{4,5,6})"), kSyntaxError);
}

TEST_F(MatrixTest, QrDecomposition) {
  EXPECT_EQ(Eval("QR({{3,0},{4,5}})"), Eval("{{{3/5,-4/5},{4/5,3/5}},{{5,4},{0,3}}}"));
  EXPECT_EQ(Eval("QR({{1,2},{2,4}})"), kSyntaxError);  // dependent columns
  EXPECT_EQ(Eval("QR({1,2})"), kSyntaxError);
}

TEST_F(MatrixTest, MatrixTimesMatrixInEntries) {
  EXPECT_EQ(Eval("{{x+1,0},{0,1}}*{{x-1,0},{0,1}}"), Eval("{{x^2-1,0},{0,1}}"));
}

}  // namespace
}  // namespace zentrix::engine
