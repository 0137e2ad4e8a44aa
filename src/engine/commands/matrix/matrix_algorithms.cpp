#include "engine/commands/matrix/matrix_algorithms.h"

#include <utility>

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

// A value; a failure with its own message; or, with neither, the command's
// usual failure text.
Result Outcome(std::optional<ExprNode> value, std::u16string_view message) {
  if (value) return CommandOutcome::Value(std::move(*value));
  if (!message.empty()) return CommandOutcome::Fail(message);
  return CommandOutcome::Refused();
}
Result Outcome(matrix::MatrixValue v) { return Outcome(std::move(v.value), v.message); }

matrix::Variables VariablesOf(const Args& a, std::size_t index) {
  return a.size() > index ? matrix::VariableNames(a[index]) : matrix::DefaultVariables();
}

}  // namespace

Result DetAlgorithm(Args& a) {
  matrix::Determinant d = matrix::DeterminantOf(a[0]);
  return Outcome(std::move(d.value), d.message);
}

Result TransposeAlgorithm(Args& a) { return CommandOutcome::Value(matrix::Transpose(a[0])); }

Result IdentityAlgorithm(Args& a) {
  if (!a[0].coefficient().GreaterOrEqual(1)) return CommandOutcome::Refused();
  return CommandOutcome::Value(
      matrix::IdentityMatrix(static_cast<std::size_t>(a[0].coefficient().RealValue())));
}

Result RowReduceAlgorithm(Args& a) {
  matrix::Reduction r = matrix::RowReduce(a[0]);
  return Outcome(std::move(r.value), r.message);
}

Result InverseAlgorithm(Args& a) {
  matrix::Reduction r = matrix::Inverse(a[0]);
  return Outcome(std::move(r.value), r.message);
}

Result MatrixPowerAlgorithm(Args& a) {
  return Outcome(matrix::MatrixPower(a[0], a[1].coefficient()));
}

Result DotAlgorithm(Args& a) {
  if (a[0].IsMatrix()) return Outcome(matrix::ExpandedMatrixProduct(a[0], a[1]));
  return Outcome(matrix::ScalarProduct(a[0], a[1]));
}

Result CrossAlgorithm(Args& a) { return Outcome(matrix::CrossProduct(a[0], a[1])); }

Result VectorNormAlgorithm(Args& a) {
  const Number p = a.size() == 2 ? a[1].coefficient() : Number(2.0);
  return Outcome(matrix::VectorNorm(a[0], p));
}

Result VectorAngleAlgorithm(Args& a) { return Outcome(matrix::VectorAngle(a[0], a[1])); }

Result TripleProductAlgorithm(Args& a) {
  return Outcome(matrix::ScalarTripleProduct(a[0], a[1], a[2]));
}

Result QrAlgorithm(Args& a) { return Outcome(matrix::QrDecomposition(a[0])); }

Result EigenvaluesAlgorithm(Args& a) { return Outcome(matrix::Eigenvalues(a[0])); }
Result EigenvectorsAlgorithm(Args& a) { return Outcome(matrix::Eigenvectors(a[0])); }
Result EigensystemAlgorithm(Args& a) { return Outcome(matrix::Eigensystem(a[0])); }

Result JacobianAlgorithm(Args& a) {
  return Outcome(matrix::Jacobian(a[0], VariablesOf(a, 1), a.size() == 3 ? &a[2] : nullptr));
}

Result HessianAlgorithm(Args& a) {
  return Outcome(matrix::Hessian(a[0], VariablesOf(a, 1), a.size() == 3 ? &a[2] : nullptr));
}

Result GradientAlgorithm(Args& a) { return Outcome(matrix::Gradient(a[0], VariablesOf(a, 1))); }

Result DivergenceAlgorithm(Args& a) {
  matrix::Variables x = VariablesOf(a, 1);
  // Without a variable list a field of one or two components takes x (and y).
  if (a.size() == 1 && a[0].IsList() && a[0].OperandCount() < x.size()) {
    x.resize(a[0].OperandCount());
  }
  return Outcome(matrix::Divergence(a[0], x));
}

Result LaplacianAlgorithm(Args& a) { return Outcome(matrix::Laplacian(a[0], VariablesOf(a, 1))); }

Result CurlAlgorithm(Args& a) { return Outcome(matrix::Curl(a[0], VariablesOf(a, 1))); }

Result DufAlgorithm(Args& a) {
  return Outcome(matrix::DirectionalDerivative(a[0], VariablesOf(a, 1), a[2], a[3]));
}

}  // namespace zentrix::engine
