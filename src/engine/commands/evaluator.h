#pragma once
// The evaluator: runs the postfix program of an entry on a stack of nodes,
// dispatches operators and commands, and reports the first failure.

#include <optional>
#include <string>
#include <string_view>

#include "engine/commands/variable_scope.h"
#include "engine/core/engine_error.h"
#include "engine/core/expr_node.h"
#include "engine/core/parser.h"

namespace zentrix::engine {

struct EvaluationResult {
  bool ok = false;
  ExprNode value;           // the result on success
  EngineFailure failure;    // the failure otherwise
  bool final_text = false;  // a command wrote the answer text itself (VarStats)
  std::u16string text;      // the final text, or the failure's display text

  // "Error: " and the message or the code's text, or the final text alone.
  std::u16string DisplayText() const;
};

// Messages of the evaluator's own limits.
inline constexpr std::u16string_view kTooDeepMessage = u"The expression is too deeply nested.";
inline constexpr std::u16string_view kTooLargeMessage = u"The expression is too large.";
inline constexpr std::u16string_view kTooLongMessage = u"The calculation takes too long.";

class Evaluator {
 public:
  // `scope` may be null: names are then symbols and assignments fail.
  explicit Evaluator(VariableScope* scope = nullptr);

  EvaluationResult Evaluate(std::u16string_view entry);
  EvaluationResult Run(const EvalProgram& program);

 private:
  VariableScope* scope_;
};

// Parses and evaluates without a variable store; the tree, or nothing on failure.
std::optional<ExprNode> EvaluateExpression(std::u16string_view text);

}  // namespace zentrix::engine
