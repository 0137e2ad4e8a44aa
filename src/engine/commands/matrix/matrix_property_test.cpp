// Algebraic identities of the matrix algorithms on random integer matrices
// (fixed seeds, so failures repeat).

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/commands/matrix/matrix_determinant.h"
#include "engine/commands/matrix/matrix_elimination.h"
#include "engine/commands/matrix/matrix_operations.h"
#include "engine/commands/matrix/matrix_support.h"
#include "engine/commands/matrix/vector_products.h"
#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine::matrix {
namespace {

using testkit::Dump;

class MatrixPropertyTest : public ::testing::Test {
 protected:
  ExprNode RandomMatrix(std::size_t rows, std::size_t columns, int low = -5, int high = 5) {
    std::uniform_int_distribution<int> entry(low, high);
    ExprNode m = ExprNode::MakeMatrix(rows, columns);
    for (ExprNode& row : m.mutable_operands()) {
      for (ExprNode& e : row.mutable_operands()) e = ExprNode::MakeNumber(entry(random_));
    }
    return m;
  }

  // Entries a + b·x with small integers a and b.
  ExprNode RandomPolynomialMatrix(std::size_t n) {
    std::uniform_int_distribution<int> entry(-3, 3);
    ExprNode m = ExprNode::MakeMatrix(n, n);
    for (ExprNode& row : m.mutable_operands()) {
      for (ExprNode& e : row.mutable_operands()) {
        e = AddTrees(ExprNode::MakeNumber(entry(random_)),
                     MultiplyNumber(ExprNode::MakeSymbol(u"x"), Number(entry(random_))));
      }
    }
    return m;
  }

  ExprNode Product(const ExprNode& a, const ExprNode& b) {
    std::optional<ExprNode> p = ExpandedMatrixProduct(a, b);
    EXPECT_TRUE(p.has_value());
    return p ? *p : ExprNode();
  }

  ExprNode Det(const ExprNode& m) {
    std::optional<ExprNode> d = DeterminantOf(m);
    EXPECT_TRUE(d.has_value());
    return d ? *d : ExprNode();
  }

  ScopedEngineState state_;
  std::mt19937 random_{20240611};
};

TEST_F(MatrixPropertyTest, DeterminantIsMultiplicative) {
  for (int trial = 0; trial < 40; ++trial) {
    const std::size_t n = 1 + trial % 5;
    const ExprNode a = RandomMatrix(n, n), b = RandomMatrix(n, n);
    EXPECT_EQ(Dump(Det(Product(a, b))), Dump(MultiplyTrees(Det(a), Det(b)))) << Dump(a);
  }
}

TEST_F(MatrixPropertyTest, SymbolicDeterminantIsMultiplicative) {
  for (int trial = 0; trial < 8; ++trial) {
    const std::size_t n = 2 + trial % 3;
    const ExprNode a = RandomPolynomialMatrix(n), b = RandomPolynomialMatrix(n);
    EXPECT_EQ(Dump(Det(Product(a, b))), Dump(Expand(MultiplyTrees(Det(a), Det(b)))))
        << Dump(a) << "\n"
        << Dump(b);
  }
}

TEST_F(MatrixPropertyTest, EliminationAgreesWithCofactorExpansion) {
  for (int trial = 0; trial < 30; ++trial) {
    const std::size_t n = 1 + trial % 7;
    const ExprNode a = RandomMatrix(n, n, -9, 9);
    const ExprNode expanded = SymbolicDeterminant(ToGrid(a));
    EXPECT_EQ(Dump(Det(a)), Dump(expanded)) << Dump(a);
  }
}

TEST_F(MatrixPropertyTest, InverseTimesMatrixIsTheIdentity) {
  int inverted = 0;
  for (int trial = 0; trial < 40; ++trial) {
    const std::size_t n = 1 + trial % 5;
    const ExprNode a = RandomMatrix(n, n);
    std::optional<ExprNode> inverse = Inverse(a);
    if (IsZeroTree(Det(a))) {
      EXPECT_FALSE(inverse.has_value());
      continue;
    }
    ASSERT_TRUE(inverse.has_value()) << Dump(a);
    EXPECT_EQ(Dump(Product(a, *inverse)), Dump(IdentityMatrix(n))) << Dump(a);
    EXPECT_EQ(Dump(Product(*inverse, a)), Dump(IdentityMatrix(n))) << Dump(a);
    ++inverted;
  }
  EXPECT_GT(inverted, 30);
}

TEST_F(MatrixPropertyTest, SymbolicInverseTimesMatrixIsTheIdentity) {
  for (int trial = 0; trial < 4; ++trial) {
    const ExprNode a = RandomPolynomialMatrix(2);
    std::optional<ExprNode> inverse = Inverse(a);
    if (IsZeroTree(Det(a))) continue;
    ASSERT_TRUE(inverse.has_value()) << Dump(a);
    // The entries are rational functions: bring each onto one denominator.
    ExprNode product = Product(a, *inverse);
    for (ExprNode& row : product.mutable_operands()) {
      for (ExprNode& e : row.mutable_operands()) e = Together(e);
    }
    EXPECT_EQ(Dump(product), Dump(IdentityMatrix(2))) << Dump(a);
  }
}

TEST_F(MatrixPropertyTest, RowReduceOfInvertibleMatrixIsTheIdentity) {
  for (int trial = 0; trial < 40; ++trial) {
    const std::size_t n = 1 + trial % 6;
    const ExprNode a = RandomMatrix(n, n);
    const ExprNode reduced = RowReduce(a);
    if (IsZeroTree(Det(a))) {
      EXPECT_NE(Dump(reduced), Dump(IdentityMatrix(n)));
    } else {
      EXPECT_EQ(Dump(reduced), Dump(IdentityMatrix(n))) << Dump(a);
    }
  }
}

TEST_F(MatrixPropertyTest, RowReducedRowsSpanTheSameSpace) {
  // A wide matrix [A | b]: the reduced right column solves A·x = b.
  for (int trial = 0; trial < 20; ++trial) {
    const std::size_t n = 2 + trial % 3;
    ExprNode a = RandomMatrix(n, n + 1);
    const ExprNode reduced = RowReduce(a);
    ExprNode square = ExprNode::MakeMatrix(n, n);
    ExprNode rhs = ExprNode::MakeMatrix(n, 1), x = ExprNode::MakeMatrix(n, 1);
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < n; ++j) square.Operand(i).Operand(j) = a.Operand(i).Operand(j);
      rhs.Operand(i).Operand(0) = a.Operand(i).Operand(n);
      x.Operand(i).Operand(0) = reduced.Operand(i).Operand(n);
    }
    if (IsZeroTree(Det(square))) continue;
    EXPECT_EQ(Dump(Product(square, x)), Dump(rhs)) << Dump(a);
  }
}

TEST_F(MatrixPropertyTest, QrFactorsIntoOrthonormalTimesTriangular) {
  int factored = 0;
  for (int trial = 0; trial < 12; ++trial) {
    const std::size_t columns = 1 + trial % 3;
    const std::size_t rows = columns + trial % 2;
    const ExprNode a = RandomMatrix(rows, columns, -3, 3);
    std::optional<ExprNode> qr = QrDecomposition(a);
    if (!qr) continue;  // dependent columns
    ++factored;
    const ExprNode& q = qr->Operand(0);
    const ExprNode& r = qr->Operand(1);
    EXPECT_EQ(Dump(Product(q, r)), Dump(a)) << Dump(a) << "\n" << Dump(*qr);
    EXPECT_EQ(Dump(Product(Transpose(q), q)), Dump(IdentityMatrix(columns))) << Dump(a);
    for (std::size_t i = 0; i < columns; ++i) {
      for (std::size_t j = 0; j < i; ++j) EXPECT_TRUE(IsZeroTree(r.Operand(i).Operand(j)));
    }
  }
  EXPECT_GT(factored, 8);
}

}  // namespace
}  // namespace zentrix::engine::matrix
