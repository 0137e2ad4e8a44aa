#include "engine/commands/matrix/matrix_algorithms.h"

#include <utility>

#include "engine/commands/base/exact_range.h"
#include "engine/commands/base/limit_exceeded.h"
#include "engine/commands/matrix/eigen.h"
#include "engine/commands/matrix/matrix_determinant.h"
#include "engine/commands/matrix/matrix_elimination.h"
#include "engine/commands/matrix/matrix_operations.h"
#include "engine/commands/matrix/matrix_support.h"
#include "engine/commands/matrix/vector_calculus.h"
#include "engine/commands/matrix/vector_products.h"

namespace zentrix::engine {
namespace {

using Args = std::vector<ExprNode>;
using Result = std::optional<CommandOutcome>;

// The answer of a matrix command: its value; without one, the command's usual
// failure text; a bound met on the way ends the command with the bound's message.
template <class Compute>
Result Answer(Compute compute) {
  try {
    std::optional<ExprNode> value = compute();
    if (!value) return CommandOutcome::Refused();
    return CommandOutcome::Value(std::move(*value));
  } catch (const MatrixTooLarge&) {
    return CommandOutcome::Fail(matrix::kMatrixTooLarge);
  } catch (const ResultTooLarge&) {
    return CommandOutcome::Fail(matrix::kResultTooLarge);
  } catch (const ExactRangeExceeded&) {
    return CommandOutcome::Fail(kExactRangeMessage);
  }
}

matrix::Variables VariablesOf(const Args& a, std::size_t index) {
  return a.size() > index ? matrix::VariableNames(a[index]) : matrix::DefaultVariables();
}

}  // namespace

Result DetAlgorithm(Args& a) {
  return Answer([&] { return matrix::DeterminantOf(a[0]); });
}

Result TransposeAlgorithm(Args& a) { return CommandOutcome::Value(matrix::Transpose(a[0])); }

Result IdentityAlgorithm(Args& a) {
  if (!a[0].coefficient().GreaterOrEqual(1)) return CommandOutcome::Refused();
  return CommandOutcome::Value(
      matrix::IdentityMatrix(static_cast<std::size_t>(a[0].coefficient().RealValue())));
}

Result RowReduceAlgorithm(Args& a) {
  return Answer([&] { return matrix::RowReduce(a[0]); });
}

Result InverseAlgorithm(Args& a) {
  return Answer([&] { return matrix::Inverse(a[0]); });
}

Result MatrixPowerAlgorithm(Args& a) {
  return Answer([&] { return matrix::MatrixPower(a[0], a[1].coefficient()); });
}

Result DotAlgorithm(Args& a) {
  if (a[0].IsMatrix()) return Answer([&] { return matrix::ExpandedMatrixProduct(a[0], a[1]); });
  return Answer([&] { return matrix::ScalarProduct(a[0], a[1]); });
}

Result CrossAlgorithm(Args& a) {
  return Answer([&] { return matrix::CrossProduct(a[0], a[1]); });
}

Result VectorNormAlgorithm(Args& a) {
  const Number p = a.size() == 2 ? a[1].coefficient() : Number(2.0);
  return Answer([&] { return matrix::VectorNorm(a[0], p); });
}

Result VectorAngleAlgorithm(Args& a) {
  return Answer([&] { return matrix::VectorAngle(a[0], a[1]); });
}

Result TripleProductAlgorithm(Args& a) {
  return Answer([&] { return matrix::ScalarTripleProduct(a[0], a[1], a[2]); });
}

Result QrAlgorithm(Args& a) {
  return Answer([&] { return matrix::QrDecomposition(a[0]); });
}

Result EigenvaluesAlgorithm(Args& a) {
  return Answer([&] { return matrix::Eigenvalues(a[0]); });
}
Result EigenvectorsAlgorithm(Args& a) {
  return Answer([&] { return matrix::Eigenvectors(a[0]); });
}
Result EigensystemAlgorithm(Args& a) {
  return Answer([&] { return matrix::Eigensystem(a[0]); });
}

Result JacobianAlgorithm(Args& a) {
  const ExprNode* point = a.size() == 3 ? &a[2] : nullptr;
  return Answer([&] { return matrix::Jacobian(a[0], VariablesOf(a, 1), point); });
}

Result HessianAlgorithm(Args& a) {
  const ExprNode* point = a.size() == 3 ? &a[2] : nullptr;
  return Answer([&] { return matrix::Hessian(a[0], VariablesOf(a, 1), point); });
}

Result GradientAlgorithm(Args& a) {
  return Answer([&] { return matrix::Gradient(a[0], VariablesOf(a, 1)); });
}

Result DivergenceAlgorithm(Args& a) {
  matrix::Variables x = VariablesOf(a, 1);
  // Without a variable list a field of one or two components takes x (and y).
  if (a.size() == 1 && a[0].IsList() && a[0].OperandCount() < x.size()) {
    x.resize(a[0].OperandCount());
  }
  return Answer([&] { return matrix::Divergence(a[0], x); });
}

Result LaplacianAlgorithm(Args& a) {
  return Answer([&] { return matrix::Laplacian(a[0], VariablesOf(a, 1)); });
}

Result CurlAlgorithm(Args& a) {
  return Answer([&] { return matrix::Curl(a[0], VariablesOf(a, 1)); });
}

Result DufAlgorithm(Args& a) {
  return Answer([&] { return matrix::DirectionalDerivative(a[0], VariablesOf(a, 1), a[2], a[3]); });
}

}  // namespace zentrix::engine
