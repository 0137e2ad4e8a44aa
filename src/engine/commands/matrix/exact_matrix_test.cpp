// Matrices of exact numbers: determinants, inverses and row reductions whose
// products pass 2^53 stay exact, and an answer beyond the exact range is
// reported instead of rounded.

#include <gtest/gtest.h>

#include <random>

#include "engine/commands/matrix/exact_matrix.h"
#include "engine/commands/testing/test_support.h"

namespace zentrix::engine::matrix {
namespace {

using testkit::Eval;

const std::string kRangeError = "Error: The exact result is too large for exact numbers.";

TEST(ExactMatrixTest, DeterminantsWhoseProductsPassBinary64) {
  // The cofactor products are about 10^17; the determinant fits.
  EXPECT_EQ(Eval("Det({{123456,234567,345678},{456789,567890,678901},{789012,890123,901235}})"),
            "3326634075128037");
  // 10000001600000057 is beyond 2^53: binary64 would answer ...056 or ...058.
  EXPECT_EQ(Eval("Det({{100000007,2},{3,100000009}})"), kRangeError);
  EXPECT_EQ(Eval("Det({{1/3,1/5},{1/7,1/11}})"), Eval("2/1155"));
  EXPECT_EQ(Eval("Det({{0.5,1},{2,3}})"), Eval("-0.5"));
}

TEST(ExactMatrixTest, InversesAndReductionsStayExact) {
  EXPECT_EQ(Eval("Inverse({{1,2},{3,4}})"), Eval("{{-2,1},{3/2,-1/2}}"));
  EXPECT_EQ(Eval("Inverse({{1,2},{2,4}})"), "Error: General");
  EXPECT_EQ(Eval("RowReduce({{1,2,3},{4,5,6}})"), Eval("{{1,0,-1},{0,1,2}}"));
  EXPECT_EQ(Eval("RowReduce({{1,2},{0,0}})"), Eval("{{1,2},{0,0}}"));
  // The determinant 10000001600000057 is beyond the range: the entries are
  // decimals, the nearest binary64 values of the exact fractions.
  EXPECT_EQ(Eval("Inverse({{100000007,2},{3,100000009}})"),
            "list(0; list(0; 9.9999993000000546e-09; -1.9999996800000398e-16); "
            "list(0; -2.9999995200000596e-16; 9.9999991000000876e-09))");
}

TEST(ExactMatrixTest, BareissAgreesWithCofactorExpansion) {
  std::mt19937 rng(17);
  std::uniform_int_distribution<int> entry(-1000000, 1000000);
  for (int round = 0; round < 30; ++round) {
    RationalGrid g(3, std::vector<mpq_class>(3));
    for (auto& row : g) {
      for (auto& v : row) {
        v = mpq_class(entry(rng), 1 + round % 4);
        v.canonicalize();
      }
    }
    auto minor = [&](int a, int b) -> mpq_class { return g[1][a] * g[2][b] - g[1][b] * g[2][a]; };
    const mpq_class expected =
        g[0][0] * minor(1, 2) - g[0][1] * minor(0, 2) + g[0][2] * minor(0, 1);
    EXPECT_EQ(ExactDeterminant(g), expected) << round;
  }
}

}  // namespace
}  // namespace zentrix::engine::matrix
