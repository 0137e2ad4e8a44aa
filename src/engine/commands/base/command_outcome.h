#pragma once
// What running one command yields: a value, a failure (an error code or a
// message), a refusal that the command's own failure text describes, or a final
// text that is shown alone (VarStats).

#include <string>
#include <string_view>
#include <utility>

#include "engine/core/engine_error.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine {

struct CommandOutcome {
  enum class Kind { kValue, kFailure, kRefused, kFinalText };

  Kind kind = Kind::kValue;
  ExprNode value;
  EngineFailure failure;
  std::u16string text;  // kFinalText

  static CommandOutcome Value(ExprNode v) {
    CommandOutcome o;
    o.value = std::move(v);
    return o;
  }
  static CommandOutcome Fail(EngineError code) {
    CommandOutcome o;
    o.kind = Kind::kFailure;
    o.failure.code = code;
    return o;
  }
  // A failure shown as "Error: " followed by the message.
  static CommandOutcome Fail(std::u16string_view message) {
    CommandOutcome o = Fail(EngineError::kBadSyntax);
    o.failure.message = std::u16string(message);
    return o;
  }
  // The algorithm found the arguments unworkable; the command rule supplies the
  // message ("General", "Unable to solve the expression.", ...).
  static CommandOutcome Refused() {
    CommandOutcome o;
    o.kind = Kind::kRefused;
    return o;
  }
  static CommandOutcome FinalText(std::u16string t) {
    CommandOutcome o;
    o.kind = Kind::kFinalText;
    o.text = std::move(t);
    return o;
  }

  bool ok() const { return kind == Kind::kValue || kind == Kind::kFinalText; }
};

}  // namespace zentrix::engine
