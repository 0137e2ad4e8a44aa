#include "engine/commands/polynomial/polynomial_algorithms.h"

#include "engine/commands/polynomial/polynomial_commands.h"

namespace zentrix::engine {
namespace {

using Args = std::vector<ExprNode>;

std::optional<CommandOutcome> Outcome(PolyCommandResult r) {
  if (r.ok()) return CommandOutcome::Value(std::move(r.value));
  if (!r.failure.message.empty()) return CommandOutcome::Fail(r.failure.message);
  return CommandOutcome::Fail(r.failure.code);
}

std::u16string_view VariableOf(const Args& a, std::size_t i) {
  return a.size() > i && a[i].IsVariable() ? a[i].VariableName() : std::u16string_view();
}

}  // namespace

std::optional<CommandOutcome> ExpandAlgorithm(Args& a) { return Outcome(ExpandCommand(a[0])); }
std::optional<CommandOutcome> FactorAlgorithm(Args& a) { return Outcome(FactorCommand(a[0])); }
std::optional<CommandOutcome> NormalizeAlgorithm(Args& a) {
  return Outcome(NormalizeCommand(a[0]));
}
std::optional<CommandOutcome> NumeratorAlgorithm(Args& a) {
  return Outcome(NumeratorCommand(a[0]));
}
std::optional<CommandOutcome> DenominatorAlgorithm(Args& a) {
  return Outcome(DenominatorCommand(a[0]));
}
std::optional<CommandOutcome> TogetherAlgorithm(Args& a) { return Outcome(TogetherCommand(a[0])); }
std::optional<CommandOutcome> ContentAlgorithm(Args& a) { return Outcome(ContentCommand(a[0])); }
std::optional<CommandOutcome> GcdAlgorithm(Args& a) { return Outcome(GcdCommand(a)); }
std::optional<CommandOutcome> LcmAlgorithm(Args& a) { return Outcome(LcmCommand(a[0], a[1])); }
std::optional<CommandOutcome> QuotientAlgorithm(Args& a) {
  return Outcome(QuotientCommand(a[0], a[1], VariableOf(a, 2)));
}
std::optional<CommandOutcome> RemainderAlgorithm(Args& a) {
  return Outcome(RemainderCommand(a[0], a[1], VariableOf(a, 2)));
}
std::optional<CommandOutcome> PolyDivideAlgorithm(Args& a) {
  return Outcome(PolyDivideCommand(a[0], a[1], VariableOf(a, 2)));
}
std::optional<CommandOutcome> OperandAlgorithm(Args& a) {
  return Outcome(OperandCommand(a[0], a[1].coefficient()));
}
std::optional<CommandOutcome> CoefficientAlgorithm(Args& a) {
  return Outcome(CoefficientCommand(a[0], VariableOf(a, 1), a[2].coefficient()));
}
std::optional<CommandOutcome> DegreeAlgorithm(Args& a) {
  return Outcome(DegreeCommand(a[0], VariableOf(a, 1)));
}
std::optional<CommandOutcome> LagrangeAlgorithm(Args& a) {
  return Outcome(LagrangeCommand(a[0], a[1]));
}
std::optional<CommandOutcome> SquareFreeAlgorithm(Args& a) {
  return Outcome(FactorSquareFreeCommand(a[0], VariableOf(a, 1)));
}

}  // namespace zentrix::engine
