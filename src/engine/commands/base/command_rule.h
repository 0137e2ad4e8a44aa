#pragma once
// The argument rule of a command: it checks the arguments as typed (count,
// kinds, variables), reports a wrong call with the command's help text, a
// message or an error code, and hands the arguments in the command's normal
// form to its algorithm (simplify/rule_dispatch.h). The shared checks live
// here; each concept folder keeps the rules of its own commands.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/commands/base/command_algorithm.h"
#include "engine/commands/base/command_outcome.h"
#include "engine/core/engine_error.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine {

// The command being run: its id and its algorithm (nullptr when it has none).
struct CommandCall {
  int id = -1;
  CommandAlgorithm algorithm = nullptr;
};

using CommandArgs = std::vector<ExprNode>;
using CommandRule = CommandOutcome (*)(const CommandCall& call, CommandArgs arguments);

// How a refused algorithm is reported: a message, an error code, or (neither)
// the call left unevaluated.
struct FailureText {
  std::u16string_view message;
  EngineError code = EngineError::kNone;
};

inline constexpr FailureText kUnevaluated{};
inline constexpr FailureText kGeneral{u"General"};
inline constexpr FailureText kSyntax{{}, EngineError::kBadSyntax};

namespace rule {

inline CommandOutcome Code(EngineError code) { return CommandOutcome::Fail(code); }
inline CommandOutcome Message(std::u16string_view text) { return CommandOutcome::Fail(text); }
// The command's help text as the message, or code 4 for a command without one.
CommandOutcome Help(int command);

inline ExprNode Variable(const std::u16string& name) { return ExprNode::MakeSymbol(name); }
bool IsPlainList(const ExprNode& n);
bool IsListOfVariables(const ExprNode& n);
bool IsListOfLength(const ExprNode& n, std::size_t length);
inline bool CountIn(const CommandArgs& a, std::size_t low, std::size_t high) {
  return a.size() >= low && a.size() <= high;
}

// The typed arguments at the positions `keep`, followed by `extra`.
CommandArgs With(const CommandArgs& typed, std::initializer_list<std::size_t> keep,
                 CommandArgs extra = {});

}  // namespace rule

// The single-variable rule: no variable gives x, exactly one gives it, more
// than one gives nothing.
std::optional<std::u16string> SingleVariable(const ExprNode& tree);
// The same rule over the variables of several trees together.
std::optional<std::u16string> SingleVariable(const std::vector<const ExprNode*>& trees);

}  // namespace zentrix::engine
