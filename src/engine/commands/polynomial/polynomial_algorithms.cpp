#include "engine/commands/polynomial/polynomial_algorithms.h"

#include "engine/commands/polynomial/polynomial_commands.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;
using Args = std::vector<ExprNode>;

std::optional<CommandOutcome> Outcome(PolyCommandResult r) {
  if (r.ok()) return CommandOutcome::Value(std::move(r.value));
  if (!r.failure.message.empty()) return CommandOutcome::Fail(r.failure.message);
  return CommandOutcome::Fail(r.failure.code);
}

std::u16string_view VariableOf(const Args& a, std::size_t i) {
  return a.size() > i && a[i].IsVariable() ? a[i].VariableName() : std::u16string_view();
}

std::optional<CommandOutcome> RunExpand(Args& a) { return Outcome(ExpandCommand(a[0])); }
std::optional<CommandOutcome> RunFactor(Args& a) { return Outcome(FactorCommand(a[0])); }
std::optional<CommandOutcome> RunNormalize(Args& a) { return Outcome(NormalizeCommand(a[0])); }
std::optional<CommandOutcome> RunNumerator(Args& a) { return Outcome(NumeratorCommand(a[0])); }
std::optional<CommandOutcome> RunDenominator(Args& a) {
  return Outcome(DenominatorCommand(a[0]));
}
std::optional<CommandOutcome> RunTogether(Args& a) { return Outcome(TogetherCommand(a[0])); }
std::optional<CommandOutcome> RunContent(Args& a) { return Outcome(ContentCommand(a[0])); }
std::optional<CommandOutcome> RunGcd(Args& a) { return Outcome(GcdCommand(a)); }
std::optional<CommandOutcome> RunLcm(Args& a) { return Outcome(LcmCommand(a[0], a[1])); }
std::optional<CommandOutcome> RunQuotient(Args& a) {
  return Outcome(QuotientCommand(a[0], a[1], VariableOf(a, 2)));
}
std::optional<CommandOutcome> RunRemainder(Args& a) {
  return Outcome(RemainderCommand(a[0], a[1], VariableOf(a, 2)));
}
std::optional<CommandOutcome> RunPolyDivide(Args& a) {
  return Outcome(PolyDivideCommand(a[0], a[1], VariableOf(a, 2)));
}
std::optional<CommandOutcome> RunOperand(Args& a) {
  return Outcome(OperandCommand(a[0], a[1].coefficient()));
}
std::optional<CommandOutcome> RunCoefficient(Args& a) {
  return Outcome(CoefficientCommand(a[0], VariableOf(a, 1), a[2].coefficient()));
}
std::optional<CommandOutcome> RunDegree(Args& a) {
  return Outcome(DegreeCommand(a[0], VariableOf(a, 1)));
}
std::optional<CommandOutcome> RunLagrange(Args& a) { return Outcome(LagrangeCommand(a[0], a[1])); }
std::optional<CommandOutcome> RunSquareFree(Args& a) {
  return Outcome(FactorSquareFreeCommand(a[0], VariableOf(a, 1)));
}

}  // namespace

CommandAlgorithm FindPolynomialAlgorithm(int command) {
  switch (command) {
    case id::kExpand: return &RunExpand;
    case id::kFactor: return &RunFactor;
    case id::kNormalize: return &RunNormalize;
    case id::kNumerator: return &RunNumerator;
    case id::kDenominator: return &RunDenominator;
    case id::kTogether: return &RunTogether;
    case id::kContent: return &RunContent;
    case id::kGcd: return &RunGcd;
    case id::kLcm: return &RunLcm;
    case id::kQuotient: return &RunQuotient;
    case id::kRemainder: return &RunRemainder;
    case id::kPolyDivide: return &RunPolyDivide;
    case id::kOperand: return &RunOperand;
    case id::kCoefficient: return &RunCoefficient;
    case id::kDegree: return &RunDegree;
    case id::kLagrange: return &RunLagrange;
    case id::kFactorSquareFree: return &RunSquareFree;
    default: return nullptr;
  }
}

}  // namespace zentrix::engine
