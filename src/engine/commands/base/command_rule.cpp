#include "engine/commands/base/command_rule.h"

#include <algorithm>
#include <utility>

#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace rule {

CommandOutcome Help(int command) {
  const CommandRow* row = FindCommandRow(command);
  std::u16string_view help = row == nullptr ? std::u16string_view() : row->help_text;
  return help.empty() ? Code(EngineError::kBadSyntax) : Message(help);
}

bool IsPlainList(const ExprNode& n) { return n.IsList() && !n.IsMatrix(); }

bool IsListOfVariables(const ExprNode& n) {
  return n.IsList() && std::all_of(n.operands().begin(), n.operands().end(),
                                   [](const ExprNode& e) { return e.IsVariable(); });
}

bool IsListOfLength(const ExprNode& n, std::size_t length) {
  return IsPlainList(n) && n.OperandCount() == length;
}

CommandArgs With(const CommandArgs& typed, std::initializer_list<std::size_t> keep,
                 CommandArgs extra) {
  CommandArgs normal;
  for (std::size_t i : keep) normal.push_back(typed[i]);
  for (ExprNode& e : extra) normal.push_back(std::move(e));
  return normal;
}

}  // namespace rule

std::optional<std::u16string> SingleVariable(const std::vector<const ExprNode*>& trees) {
  std::vector<std::u16string> names;
  for (const ExprNode* tree : trees) {
    for (std::u16string& name : Variables(*tree)) {
      if (std::find(names.begin(), names.end(), name) == names.end()) {
        names.push_back(std::move(name));
      }
    }
  }
  if (names.empty()) return std::u16string(u"x");
  if (names.size() == 1) return names[0];
  return std::nullopt;
}

std::optional<std::u16string> SingleVariable(const ExprNode& tree) {
  return SingleVariable(std::vector<const ExprNode*>{&tree});
}

}  // namespace zentrix::engine
