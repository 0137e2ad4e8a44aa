#include "engine/commands/matrix/matrix_algorithms.h"

#include <utility>

#include "engine/commands/matrix/eigen.h"
#include "engine/commands/matrix/matrix_determinant.h"
#include "engine/commands/matrix/matrix_elimination.h"
#include "engine/commands/matrix/matrix_products.h"
#include "engine/commands/matrix/matrix_support.h"
#include "engine/commands/matrix/vector_calculus.h"
#include "engine/commands/matrix/vector_products.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;
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

Result Det(Args& a) {
  matrix::Determinant d = matrix::DeterminantOf(a[0]);
  return Outcome(std::move(d.value), d.message);
}

Result Transpose(Args& a) { return CommandOutcome::Value(matrix::Transpose(a[0])); }

Result Identity(Args& a) {
  if (!a[0].coefficient().GreaterOrEqual(1)) return CommandOutcome::Refused();
  return CommandOutcome::Value(
      matrix::IdentityMatrix(static_cast<std::size_t>(a[0].coefficient().RealValue())));
}

Result RowReduce(Args& a) {
  matrix::Reduction r = matrix::RowReduce(a[0]);
  return Outcome(std::move(r.value), r.message);
}

Result Inverse(Args& a) {
  matrix::Reduction r = matrix::Inverse(a[0]);
  return Outcome(std::move(r.value), r.message);
}

Result MatrixPower(Args& a) { return Outcome(matrix::MatrixPower(a[0], a[1].coefficient())); }

Result Dot(Args& a) {
  if (a[0].IsMatrix()) return Outcome(matrix::ExpandedMatrixProduct(a[0], a[1]));
  return Outcome(matrix::ScalarProduct(a[0], a[1]));
}

Result Cross(Args& a) { return Outcome(matrix::CrossProduct(a[0], a[1])); }

Result VectorNorm(Args& a) {
  const Number p = a.size() == 2 ? a[1].coefficient() : Number(2.0);
  return Outcome(matrix::VectorNorm(a[0], p));
}

Result VectorAngle(Args& a) { return Outcome(matrix::VectorAngle(a[0], a[1])); }

Result TripleProduct(Args& a) { return Outcome(matrix::ScalarTripleProduct(a[0], a[1], a[2])); }

Result Qr(Args& a) { return Outcome(matrix::QrDecomposition(a[0])); }

Result Eigenvalues(Args& a) { return Outcome(matrix::Eigenvalues(a[0])); }
Result Eigenvectors(Args& a) { return Outcome(matrix::Eigenvectors(a[0])); }
Result Eigensystem(Args& a) { return Outcome(matrix::Eigensystem(a[0])); }

matrix::Variables VariablesOf(const Args& a, std::size_t index) {
  return a.size() > index ? matrix::VariableNames(a[index]) : matrix::DefaultVariables();
}

Result Jacobian(Args& a) {
  return Outcome(matrix::Jacobian(a[0], VariablesOf(a, 1), a.size() == 3 ? &a[2] : nullptr));
}

Result Hessian(Args& a) {
  return Outcome(matrix::Hessian(a[0], VariablesOf(a, 1), a.size() == 3 ? &a[2] : nullptr));
}

Result Gradient(Args& a) { return Outcome(matrix::Gradient(a[0], VariablesOf(a, 1))); }

Result Divergence(Args& a) {
  matrix::Variables x = VariablesOf(a, 1);
  // Without a variable list a field of one or two components takes x (and y).
  if (a.size() == 1 && a[0].IsList() && a[0].OperandCount() < x.size()) {
    x.resize(a[0].OperandCount());
  }
  return Outcome(matrix::Divergence(a[0], x));
}

Result Laplacian(Args& a) { return Outcome(matrix::Laplacian(a[0], VariablesOf(a, 1))); }

Result Curl(Args& a) { return Outcome(matrix::Curl(a[0], VariablesOf(a, 1))); }

Result Duf(Args& a) {
  return Outcome(matrix::DirectionalDerivative(a[0], VariablesOf(a, 1), a[2], a[3]));
}

}  // namespace

CommandAlgorithm FindMatrixAlgorithm(int command) {
  switch (command) {
    case id::kDet: return &Det;
    case id::kTranspose: return &Transpose;
    case id::kIdentity: return &Identity;
    case id::kRowReduce: return &RowReduce;
    case id::kInverse: return &Inverse;
    case id::kMatrixPower: return &MatrixPower;
    case id::kDot: return &Dot;
    case id::kCross: return &Cross;
    case id::kVectorNorm: return &VectorNorm;
    case id::kVectorAngle: return &VectorAngle;
    case id::kScalarTripleProduct: return &TripleProduct;
    case id::kQr: return &Qr;
    case id::kEigenvalues: return &Eigenvalues;
    case id::kEigenvectors: return &Eigenvectors;
    case id::kEigensystem: return &Eigensystem;
    case id::kJacobian: return &Jacobian;
    case id::kHessian: return &Hessian;
    case id::kGradient: return &Gradient;
    case id::kDivergence: return &Divergence;
    case id::kLaplacian: return &Laplacian;
    case id::kCurl: return &Curl;
    case id::kDuf: return &Duf;
    default: return nullptr;
  }
}

}  // namespace zentrix::engine
