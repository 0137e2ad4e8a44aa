#pragma once
// What the graph model asks of the symbolic engine, in one place: the value of
// a window field, and the symbolic form of a graph's text. Both run when a
// setting is applied or a graph set is prepared, never per sample.

#include <string>
#include <string_view>
#include <vector>

#include "engine/core/variable_store.h"

namespace zentrix::graphing {

struct FieldValue {
  bool ok = false;
  double value = 0.0;
  std::u16string error;  // the engine's message when the text does not evaluate
};

// Parses, simplifies and evaluates the text numerically with the notebook's
// variables (which it never changes; may be null). Fails unless the result is
// a finite real number.
FieldValue EvaluateField(std::u16string_view text, const engine::VariableStore* variables);

struct SymbolicForm {
  bool ok = false;
  bool is_list = false;
  // The result printed back as entry text: one text, or one per list item.
  std::vector<std::u16string> texts;
  std::u16string error;
};

// The text through the symbolic engine (parse, substitute the notebook's
// definitions, simplify), printed back as entry text.
SymbolicForm EvaluateSymbolically(std::u16string_view text, const engine::VariableStore* variables);

}  // namespace zentrix::graphing
