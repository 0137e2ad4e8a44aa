#include "graphing/model/engine_bridge.h"

#include <cmath>
#include <optional>

#include "engine/commands/entry_pipeline.h"
#include "engine/commands/evaluator.h"
#include "engine/commands/variable_scope.h"
#include "engine/core/linear_text.h"

namespace zentrix::graphing {
namespace {

// The notebook's variables seen by a graph evaluation: looked up, never changed
// (an assignment such as y=x^2 answers its right side and stores nothing).
class ReadOnlyScope : public engine::VariableScope {
 public:
  explicit ReadOnlyScope(const engine::VariableStore* store) : store_(store) {}
  std::optional<engine::ExprNode> LookUp(std::u16string_view name) const override {
    if (!store_) return std::nullopt;
    return store_->LookUp(name);
  }
  void Store(std::u16string_view, const engine::ExprNode&) override {}
  bool Remove(std::u16string_view) override { return false; }

 private:
  const engine::VariableStore* store_;
};

bool RealValue(const engine::ExprNode& node, double& value) {
  if (!node.IsRealNumber()) return false;
  value = node.coefficient().RealValue();
  return std::isfinite(value);
}

constexpr char16_t kNotANumber[] = u"The value is not a real number.";

std::u16string EntryText(const engine::ExprNode& node) {
  engine::LinearTextOptions options;
  options.exact_numbers = true;
  options.power_marks = false;
  return engine::LinearText(node, options);
}

}  // namespace

FieldValue EvaluateField(std::u16string_view text, const engine::VariableStore* variables) {
  FieldValue field;
  ReadOnlyScope scope(variables);
  engine::EvaluationResult exact = engine::Evaluator(&scope).Evaluate(text);
  if (!exact.ok) {
    field.error = exact.failure.DisplayText();
    return field;
  }
  if (RealValue(exact.value, field.value)) return field.ok = true, field;

  // Not a plain number yet (π, roots, functions of numbers): the decimal answer.
  engine::VariableStore scratch = variables ? *variables : engine::VariableStore();
  engine::EntrySettings settings;
  settings.number_mode = engine::NumberMode::kDecimal;
  const engine::EntryAnswer answer = engine::SolveEntry(text, scratch, settings);
  if (answer.kind == engine::EntryAnswer::Kind::kResult && answer.shown &&
      RealValue(*answer.shown, field.value)) {
    field.ok = true;
    return field;
  }
  field.error = kNotANumber;
  return field;
}

SymbolicForm EvaluateSymbolically(std::u16string_view text,
                                  const engine::VariableStore* variables) {
  SymbolicForm form;
  ReadOnlyScope scope(variables);
  engine::EvaluationResult result = engine::Evaluator(&scope).Evaluate(text);
  if (!result.ok) {
    form.error = result.failure.DisplayText();
    return form;
  }
  form.ok = true;
  const engine::ExprNode& value = result.value;
  if (value.kind() == engine::NodeKind::kList) {
    form.is_list = true;
    for (const engine::ExprNode& item : value.operands()) form.texts.push_back(EntryText(item));
  } else {
    form.texts.push_back(EntryText(value));
  }
  return form;
}

}  // namespace zentrix::graphing
