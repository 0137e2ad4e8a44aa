#include "engine/commands/matrix/matrix_rules.h"

#include <utility>

#include "engine/commands/simplify/rule_dispatch.h"

namespace zentrix::engine {

using namespace rule;

namespace {

CommandOutcome OneMatrix(const CommandCall& call, CommandArgs a, FailureText failure,
                         bool numeric) {
  if (a.size() != 1 || !(numeric ? a[0].IsNumericMatrix() : a[0].IsMatrix())) {
    return Code(EngineError::kBadSyntax);
  }
  return Dispatch(call, std::move(a), failure);
}

}  // namespace

CommandOutcome MatrixRule(const CommandCall& call, CommandArgs a) {
  return OneMatrix(call, std::move(a), kSyntax, false);
}

CommandOutcome NumericMatrixRule(const CommandCall& call, CommandArgs a) {
  return OneMatrix(call, std::move(a), kSyntax, true);
}

CommandOutcome InverseRule(const CommandCall& call, CommandArgs a) {
  return OneMatrix(call, std::move(a), kGeneral, false);
}

CommandOutcome IdentityRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 1 || !a[0].IsInteger() || !a[0].coefficient().LessThan(100)) {
    return Message(u"Identity(size)");
  }
  return Dispatch(call, std::move(a), kGeneral);
}

CommandOutcome DotRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 2) return Help(call.id);
  const ExprNode &p = a[0], &q = a[1];
  if (p.IsMatrix() && q.IsMatrix()) {
    if (p.Operand(0).OperandCount() != q.OperandCount()) return Code(EngineError::kMatrixShape);
  } else if (IsPlainList(p) && IsPlainList(q)) {
    if (p.OperandCount() != q.OperandCount()) return Code(EngineError::kMatrixShape);
  } else {
    return Code(EngineError::kBadSyntax);
  }
  return Dispatch(call, std::move(a), kSyntax);
}

CommandOutcome MatrixPowerRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 2) return Message(u"MatrixPower(matrix, n)");
  if (!a[0].IsMatrix()) return Code(EngineError::kBadSyntax);
  if (!a[1].IsInteger()) return Message(u"Parameter 2 is not an integer");
  return Dispatch(call, std::move(a), kGeneral);
}

CommandOutcome JacobianRule(const CommandCall& call, CommandArgs a) {
  if (!CountIn(a, 1, 3) || a[0].IsMatrix()) return Code(EngineError::kBadSyntax);
  if (a.size() >= 2 && !IsListOfVariables(a[1])) {
    return Message(u"Parameter 2 is not a list of variables.");
  }
  return Dispatch(call, std::move(a), kSyntax);
}

CommandOutcome FieldRule(const CommandCall& call, CommandArgs a) {
  if (!CountIn(a, 1, 2)) return Help(call.id);
  if (a.size() == 2 && !IsListOfVariables(a[1])) return Code(EngineError::kBadSyntax);
  return Dispatch(call, std::move(a), kSyntax);
}

CommandOutcome CurlRule(const CommandCall& call, CommandArgs a) {
  if (!CountIn(a, 1, 2)) return Help(call.id);
  if (a.size() == 2 && !IsListOfVariables(a[1])) return Code(EngineError::kBadSyntax);
  if (!IsListOfLength(a[0], 3) || (a.size() == 2 && a[1].OperandCount() != 3)) {
    return Code(EngineError::kBadSyntax);
  }
  return Dispatch(call, std::move(a), kSyntax);
}

CommandOutcome CrossRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 2) return Help(call.id);
  if (!IsListOfLength(a[0], 3) || !IsListOfLength(a[1], 3)) return Code(EngineError::kBadSyntax);
  return Dispatch(call, std::move(a), kSyntax);
}

CommandOutcome VectorNormRule(const CommandCall& call, CommandArgs a) {
  if (!CountIn(a, 1, 2)) return Help(call.id);
  if (!IsPlainList(a[0]) || (a.size() == 2 && !a[1].IsNumber())) {
    return Code(EngineError::kBadSyntax);
  }
  return Dispatch(call, std::move(a), kSyntax);
}

CommandOutcome TripleProductRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 3 || !IsListOfLength(a[0], 3) || !IsListOfLength(a[1], 3) ||
      !IsListOfLength(a[2], 3)) {
    return Code(EngineError::kBadSyntax);
  }
  return Dispatch(call, std::move(a), kSyntax);
}

CommandOutcome VectorAngleRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 2 || !IsPlainList(a[0]) || !IsPlainList(a[1])) {
    return Code(EngineError::kBadSyntax);
  }
  return Dispatch(call, std::move(a), kSyntax);
}

CommandOutcome DufRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 4) return Help(call.id);
  if (!IsListOfVariables(a[1]) || !IsListOfLength(a[2], a[1].OperandCount()) ||
      !IsListOfLength(a[3], a[1].OperandCount())) {
    return Code(EngineError::kBadSyntax);
  }
  return Dispatch(call, std::move(a), kSyntax);
}

}  // namespace zentrix::engine
