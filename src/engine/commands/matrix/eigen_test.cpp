// Eigenvalues, eigenvectors and eigensystems through the evaluator, and the
// defining identities on random integer matrices.

#include "engine/commands/matrix/eigen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/commands/matrix/matrix_determinant.h"
#include "engine/commands/matrix/matrix_operations.h"
#include "engine/commands/matrix/matrix_support.h"
#include "engine/commands/simplify/numeric_approximation.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine::matrix {
namespace {

using testkit::Dump;
using testkit::Eval;

class EigenTest : public ::testing::Test {
 protected:
  ExprNode RandomMatrix(std::size_t n) {
    std::uniform_int_distribution<int> entry(-4, 4);
    ExprNode m = ExprNode::MakeMatrix(n, n);
    for (ExprNode& row : m.mutable_operands()) {
      for (ExprNode& e : row.mutable_operands()) e = ExprNode::MakeNumber(entry(random_));
    }
    return m;
  }

  // |value| of a constant tree after approximation.
  static double Magnitude(const ExprNode& e) {
    const ExprNode v = Approximate(e);
    EXPECT_TRUE(v.IsNumber()) << Dump(e);
    return std::hypot(v.coefficient().RealValue(), v.coefficient().ImagValue());
  }

  ScopedEngineState state_;
  std::mt19937 random_{77};
};

constexpr const char* kSyntaxError = "Error: Syntax Error";

TEST_F(EigenTest, Eigenvalues) {
  EXPECT_EQ(Eval("Eigenvalues({{5}})"), Eval("{5}"));
  EXPECT_EQ(Eval("Eigenvalues({{2,0},{0,3}})"), Eval("{2,3}"));
  EXPECT_EQ(Eval("Eigenvalues({{2,1},{1,2}})"), Eval("{1,3}"));
  EXPECT_EQ(Eval("Eigenvalues({{1,1},{0,1}})"), Eval("{1}"));  // a double root, once
  EXPECT_EQ(Eval("Eigenvalues({{0,-1},{1,0}})"), Eval("{-ⅈ,ⅈ}"));
  EXPECT_EQ(Eval("Eigenvalues({{1,1},{1,0}})"), Eval("{1/2-sqrt(5)/2,1/2+sqrt(5)/2}"));
  // A 3×3 matrix goes through the cubic formula: decimals in ascending order.
  const std::string diagonal = Eval("Eigenvalues({{3,0,0},{0,1,0},{0,0,2}})");
  EXPECT_EQ(diagonal.substr(0, 5), "list(") << diagonal;
}

TEST_F(EigenTest, EigenvalueFailures) {
  EXPECT_EQ(Eval("Eigenvalues({{1,2,3,4},{1,2,3,4},{1,2,3,4},{1,2,3,4}})"), kSyntaxError);
  EXPECT_EQ(Eval("Eigenvalues({{a,b},{c,d}})"), kSyntaxError);
  EXPECT_EQ(Eval("Eigenvalues({{1,2,3},{4,5,6}})"), kSyntaxError);
  EXPECT_EQ(Eval("Eigenvectors({{x}})"), kSyntaxError);
  EXPECT_EQ(Eval("Eigensystem({1,2})"), kSyntaxError);
}

TEST_F(EigenTest, ReservedLambdaNeverMeetsTheUsersVariables) {
  // A variable the user might call lambda (or λ) stays untouched elsewhere in
  // the entry.
  EXPECT_EQ(Eval("Eigenvalues({{2,0},{0,3}})+λ"), Eval("{2+λ,3+λ}"));
  EXPECT_EQ(Eval("Eigenvalues({{2,0},{0,3}})+lambda"), Eval("{2+lambda,3+lambda}"));
}

TEST_F(EigenTest, EigenvectorsAndEigensystem) {
  EXPECT_EQ(Eval("Eigenvectors({{2,0},{0,3}})"), Eval("{{1,0},{0,1}}"));
  EXPECT_EQ(Eval("Eigenvectors({{2,1},{1,2}})"), Eval("{{-1,1},{1,1}}"));
  // Defective: one eigenvalue, one eigenvector.
  EXPECT_EQ(Eval("Eigenvectors({{1,1},{0,1}})"), Eval("{{1,0}}"));
  EXPECT_EQ(Eval("Eigensystem({{1,1},{0,1}})"), Eval("{{1},{{1,0}}}"));
  // The identity: one eigenvalue with a two-dimensional null space.
  EXPECT_EQ(Eval("Eigensystem({{1,0},{0,1}})"), Eval("{{1,1},{{1,0},{0,1}}}"));
  EXPECT_EQ(Eval("Eigensystem({{2,0},{0,3}})"), Eval("{{2,3},{{1,0},{0,1}}}"));
}

TEST_F(EigenTest, DecimalEigenvaluesStillFindTheirVectors) {
  // The cubic formula's decimals leave M − λI only nearly singular.
  const std::string vectors = Eval("Eigenvectors({{2,0,0},{0,3,4},{0,4,9}})");
  EXPECT_NE(vectors.find("list("), std::string::npos) << vectors;
  const std::string repeated = Eval("Eigensystem({{2,0,0},{0,2,0},{0,0,3}})");
  EXPECT_EQ(repeated.find("Error"), std::string::npos) << repeated;
}

TEST_F(EigenTest, EveryEigenvalueMakesTheShiftedMatrixSingular) {
  for (int trial = 0; trial < 30; ++trial) {
    const std::size_t n = 1 + trial % 3;
    const ExprNode m = RandomMatrix(n);
    std::optional<ExprNode> values = Eigenvalues(m);
    if (!values) {
      ADD_FAILURE() << Dump(m);
      continue;
    }
    const double scale = 1.0 + Magnitude(ExprNode::MakeNumber(16.0 * n * n * n));
    for (const ExprNode& lambda : values->operands()) {
      Grid shifted = ToGrid(m);
      for (std::size_t i = 0; i < n; ++i) shifted[i][i] = SubtractTrees(shifted[i][i], lambda);
      const ExprNode det = SymbolicDeterminant(shifted);
      EXPECT_LT(Magnitude(det), 1e-7 * scale) << Dump(m) << " λ = " << Dump(lambda);
    }
  }
}

TEST_F(EigenTest, EigenvectorsSatisfyTheirEquation) {
  for (int trial = 0; trial < 24; ++trial) {
    const std::size_t n = 1 + trial % 3;
    const ExprNode m = RandomMatrix(n);
    std::optional<ExprNode> system = Eigensystem(m);
    if (!system) {
      ADD_FAILURE() << Dump(m);
      continue;
    }
    const ExprNode& values = system->Operand(0);
    const ExprNode& vectors = system->Operand(1);
    ASSERT_EQ(values.OperandCount(), vectors.OperandCount());
    for (std::size_t k = 0; k < values.OperandCount(); ++k) {
      const ExprNode& v = vectors.Operand(k);
      for (std::size_t i = 0; i < n; ++i) {
        // (M·v − λ·v)_i
        ExprNode row = ExprNode::Zero();
        for (std::size_t j = 0; j < n; ++j) {
          row = AddTrees(std::move(row), MultiplyTrees(m.Operand(i).Operand(j), v.Operand(j)));
        }
        row = SubtractTrees(std::move(row), MultiplyTrees(values.Operand(k), v.Operand(i)));
        EXPECT_LT(Magnitude(row), 1e-6) << Dump(m) << " λ = " << Dump(values.Operand(k));
      }
    }
  }
}

}  // namespace
}  // namespace zentrix::engine::matrix
