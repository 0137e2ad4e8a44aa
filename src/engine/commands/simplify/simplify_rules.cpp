#include "engine/commands/simplify/simplify_rules.h"

#include <string>
#include <utility>

#include "engine/commands/numeric/numeric_functions.h"
#include "engine/commands/simplify/rule_dispatch.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/charset.h"

namespace zentrix::engine {

using namespace rule;

CommandOutcome EvalRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 3) return Code(EngineError::kBadSyntax);
  if (a[1].IsList()) {
    if (!IsListOfVariables(a[1])) return Message(u"Parameter 2 is not a list of variables.");
    if (!a[2].IsList() || a[2].OperandCount() != a[1].OperandCount()) {
      return Message(u"Parameter 2 and 3 must be the same length.");
    }
  } else if (!a[1].IsVariable()) {
    return Message(u"Parameter 2 is not a variable.");
  }
  return Dispatch(call, std::move(a), kSyntax);
}

CommandOutcome AngleRule(const CommandCall&, CommandArgs a) {
  if (a.size() > 3) return Message(u"angle(degrees, minutes, seconds)");
  if (a.empty()) return Code(EngineError::kBadSyntax);
  return CommandOutcome::Value(AngleValue(std::move(a)));
}

ExprNode AngleValue(std::vector<ExprNode> parts) {
  ExprNode value = std::move(parts[0]);
  if (parts.size() >= 2) {
    value = AddTrees(std::move(value), MultiplyNumber(std::move(parts[1]), Number::Ratio(1, 60)));
  }
  if (parts.size() >= 3) {
    value = AddTrees(std::move(value), MultiplyNumber(std::move(parts[2]), Number::Ratio(1, 3600)));
  }
  if (AngleInDegrees()) return value;
  return MultiplyTrees(std::move(value), PiOver180());
}

ExprNode PiOver180() {
  return MakeTermNode(std::u16string(1, chars::kPi), Number::Ratio(1, 180), Number(1.0));
}

}  // namespace zentrix::engine
