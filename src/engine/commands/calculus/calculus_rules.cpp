#include "engine/commands/calculus/calculus_rules.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/simplify/rule_dispatch.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {

using namespace rule;

namespace {

// A bound of Sum other than an integer: an expression in other variables (and
// +∞ for the upper bound), free of the index.
bool IsSymbolicSumBound(const CommandCall& call, const CommandArgs& a, const ExprNode& bound,
                        bool upper) {
  if (call.id != command_id::kSum || !a[1].IsVariable() || bound.IsList()) return false;
  if (upper && bound.IsPlusInfinity()) return true;
  const std::vector<std::u16string> names = Variables(bound);
  return !names.empty() &&
         std::find(names.begin(), names.end(), a[1].VariableName()) == names.end();
}

}  // namespace

// (f, x, min, max) with min and max integers; Sum also takes bounds in other
// variables and an infinite upper bound.
CommandOutcome SumOrProductRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 4) return Help(call.id);
  if (!a[3].IsInteger() && !IsSymbolicSumBound(call, a, a[3], true)) {
    return Message(u"Parameter 4 is not an integer");
  }
  if (!a[2].IsInteger() && !IsSymbolicSumBound(call, a, a[2], false)) {
    return Message(u"Parameter 3 is not an integer");
  }
  if (!a[1].IsVariable()) return Message(u"Parameter 2 is not a variable");
  return Dispatch(call, std::move(a), kGeneral);
}

// (f), (f, x), (f, n) or (f, x, n).
CommandOutcome DerivativeRule(const CommandCall& call, CommandArgs a) {
  if (a.empty()) return Code(EngineError::kBadSyntax);
  if (a.size() >= 4) return Code(EngineError::kTooManyParameters);
  const ExprNode one = ExprNode::MakeNumber(Number(1.0));
  auto only_variable = [&](const ExprNode& order) {
    std::optional<std::u16string> x = SingleVariable(a[0]);
    if (!x) return Message(u"Too many variables found.");
    CommandArgs normal = With(a, {0}, {});
    normal.push_back(Variable(*x));
    normal.push_back(order);
    return Dispatch(call, a, std::move(normal), kUnevaluated);
  };
  if (a.size() == 1) return only_variable(one);
  if (a.size() == 2) {
    if (a[1].IsInteger()) return only_variable(a[1]);
    if (!a[1].IsVariable()) return Message(u"Parameter 2 is not a variable.");
    CommandArgs normal = With(a, {0, 1}, {});
    normal.push_back(one);
    return Dispatch(call, std::move(a), std::move(normal), kUnevaluated);
  }
  if (!a[1].IsVariable()) return Message(u"Parameter 2 is not a variable.");
  if (!a[2].IsInteger()) return Message(u"Parameter 3 is not an integer.");
  return Dispatch(call, std::move(a), kUnevaluated);
}

// (f), (f, x), (f, a, b) or (f, x, a, b).
CommandOutcome IntegralRule(const CommandCall& call, CommandArgs a) {
  if (a.size() == 1 || a.size() == 3) {
    std::optional<std::u16string> x = SingleVariable(a[0]);
    if (!x) return Message(u"Too many variables found.");
    CommandArgs normal = With(a, {0}, {});
    normal.push_back(Variable(*x));
    if (a.size() == 3) {
      normal.push_back(a[1]);
      normal.push_back(a[2]);
    }
    return Dispatch(call, std::move(a), std::move(normal), kUnevaluated);
  }
  if (a.size() == 2 || a.size() == 4) {
    if (!a[1].IsVariable()) return Message(u"Parameter 2 is not a variable.");
    return Dispatch(call, std::move(a), kUnevaluated);
  }
  return Code(EngineError::kBadSyntax);
}

// (f, a), (f, x, a) or (f, x, a, direction).
CommandOutcome LimitRule(const CommandCall& call, CommandArgs a) {
  constexpr FailureText kNoLimit{u"Could not find the limit"};
  const ExprNode two_sided = ExprNode::MakeNumber(Number(0.0));
  switch (a.size()) {
    case 0: return Code(EngineError::kBadSyntax);
    case 1: return Message(u"Limit(expression, x, a)");
    case 2: {
      std::optional<std::u16string> x = SingleVariable(a[0]);
      if (!x) return Code(EngineError::kTooManyParameters);
      CommandArgs normal{a[0], Variable(*x), a[1], two_sided};
      return Dispatch(call, std::move(a), std::move(normal), kNoLimit);
    }
    case 3: {
      if (!a[1].IsVariable()) return Message(u"Parameter 2 is not a variable.");
      CommandArgs normal = With(a, {0, 1, 2}, {});
      normal.push_back(two_sided);
      return Dispatch(call, std::move(a), std::move(normal), kNoLimit);
    }
    case 4: {
      // In this form the variable is the third parameter counted from the last.
      if (!a[1].IsVariable()) return Message(u"Parameter 3 is not a variable.");
      const ExprNode& d = a[3];
      if (!d.IsInteger() || d.coefficient().LessThan(-1) || d.coefficient().GreaterThan(1)) {
        return Message(u"Direction must be -1, 0, or 1");
      }
      return Dispatch(call, std::move(a), kNoLimit);
    }
    default: return Code(EngineError::kTooManyParameters);
  }
}

// (f, x, x0, n) with n an integer.
CommandOutcome SeriesRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 4) return Message(u"Series(f, x, x0, n)");
  if (!a[3].IsInteger()) return Message(u"Parameter 4 is not an integer");
  if (!a[1].IsVariable()) return Message(u"Parameter 2 is not a variable");
  return Dispatch(call, std::move(a), FailureText{u"Unable to find the series"});
}

namespace {
bool IsPositiveInteger(const ExprNode& n) {
  return n.IsInteger() && n.coefficient().GreaterThan(0);
}
}  // namespace

// (f, n) with one variable, or (f, x, n); n a positive integer.
CommandOutcome FourierSeriesRule(const CommandCall& call, CommandArgs a) {
  constexpr FailureText kFailure = kGeneral;
  if (a.size() == 2) {
    if (!a[1].IsNumber()) return Code(EngineError::kBadSyntax);
    std::optional<std::u16string> x = SingleVariable(a[0]);
    if (!x) return Code(EngineError::kTooManyVariables);
    if (!IsPositiveInteger(a[1])) return Message(u"The last parameter is not a positive integer");
    CommandArgs normal{a[0], Variable(*x), a[1]};
    return Dispatch(call, std::move(a), std::move(normal), kFailure);
  }
  if (a.size() == 3) {
    if (!a[1].IsVariable()) return Code(EngineError::kBadSyntax);
    if (!IsPositiveInteger(a[2])) return Message(u"The last parameter is not a positive integer");
    return Dispatch(call, std::move(a), kFailure);
  }
  return Code(EngineError::kBadSyntax);
}

// (f, a, b) with one variable and bounds that are real constants or infinities.
CommandOutcome NumericIntegralRule(const CommandCall& call, CommandArgs a) {
  if (a.size() != 3) return Message(u"NIntegrate(f, a, b)");
  std::optional<std::u16string> x = SingleVariable(a[0]);
  if (!x) return Message(u"Too many variables found.");
  if (!calculus::BoundValue(a[1]) || !calculus::BoundValue(a[2])) {
    return Message(u"Unable to integrate");
  }
  CommandArgs normal{a[0], Variable(*x), a[1], a[2]};
  return Dispatch(call, std::move(a), std::move(normal), FailureText{u"Unable to integrate"});
}

}  // namespace zentrix::engine
