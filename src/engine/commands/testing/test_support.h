#pragma once
// Helpers shared by the tests of the command layer: a structural dump of trees
// (so that failures show the exact shape) and evaluation shortcuts.

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "engine/commands/evaluator.h"
#include "engine/commands/variable_scope.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_state.h"
#include "engine/core/expr_node.h"

namespace zentrix::engine::testkit {

inline std::string NumberText(const Number& n) {
  if (n.IsPlusInfinity()) return "inf";
  if (n.IsMinusInfinity()) return "-inf";
  if (n.IsIndeterminate()) return "Indeterminate";
  if (n.IsComplexInfinity()) return "ComplexInfinity";
  auto part = [](double num, double den) {
    char buffer[64];
    if (den == 1.0) {
      std::snprintf(buffer, sizeof buffer, "%.17g", num);
    } else {
      std::snprintf(buffer, sizeof buffer, "%.17g/%.17g", num, den);
    }
    return std::string(buffer);
  };
  std::string text = part(n.RealNumerator(), n.RealDenominator());
  if (n.IsComplex()) {
    if (n.ImagNumerator() >= 0) text += '+';
    text += part(n.ImagNumerator(), n.ImagDenominator());
    text += 'i';
  }
  return text;
}

// sum(c; terms; operands), prod(...), pow(e; ...), list{...}, or the function
// name with its operands; a plain number prints as its value.
inline std::string Dump(const ExprNode& node) {
  if (node.IsEmpty()) return NumberText(node.coefficient());
  std::string text;
  switch (node.kind()) {
    case NodeKind::kSum: text = "sum("; break;
    case NodeKind::kProduct: text = "prod("; break;
    case NodeKind::kPower: text = "pow("; break;
    case NodeKind::kList: text = "list("; break;
    case NodeKind::kInterval: text = "interval("; break;
    default: text = chars::ToUtf8(CommandName(node.FunctionId())) + "("; break;
  }
  text += NumberText(node.coefficient());
  for (const SymbolTerm& t : node.terms()) {
    text += "; ";
    text += NumberText(t.coefficient);
    text += '*';
    text += chars::ToUtf8(t.name);
    if (!t.exponent.IsOne()) {
      text += '^';
      text += NumberText(t.exponent);
    }
  }
  for (const ExprNode& op : node.operands()) {
    text += "; ";
    text += Dump(op);
  }
  return text + ")";
}

class MapScope : public VariableScope {
 public:
  std::optional<ExprNode> LookUp(std::u16string_view name) const override {
    auto it = values_.find(std::u16string(name));
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }
  void Store(std::u16string_view name, const ExprNode& value) override {
    values_[std::u16string(name)] = value;
  }
  bool Remove(std::u16string_view name) override { return values_.erase(std::u16string(name)) > 0; }

 private:
  std::map<std::u16string, ExprNode> values_;
};

// The dump of an entry's result, or its display text on failure.
inline std::string Eval(std::string_view utf8, VariableScope* scope = nullptr) {
  Evaluator evaluator(scope);
  EvaluationResult result = evaluator.Evaluate(chars::U16(utf8));
  if (!result.ok) return chars::ToUtf8(result.DisplayText());
  if (result.final_text) return chars::ToUtf8(result.text);
  return Dump(result.value);
}

}  // namespace zentrix::engine::testkit
