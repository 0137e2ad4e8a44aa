#pragma once
// Shared pieces of the window editors: a field's text and value, the texts
// that buttons write, and applying a list of fields in order.

#include <span>
#include <string>
#include <string_view>

#include "engine/core/variable_store.h"

namespace zentrix::graphing {

struct WindowField {
  std::u16string_view label;  // "Xmin" ...: the name in "Error solving Xmin"
  std::u16string text;
  double value = 0.0;
};

struct ApplyResult {
  bool ok = true;
  std::u16string message;  // "Error solving Xmin" ... on failure
};

// Evaluates every field in order; on the first failure nothing is applied and
// the message names that field. Otherwise each field takes its value.
ApplyResult ApplyFields(std::span<WindowField* const> fields,
                        const engine::VariableStore* variables);

// Multiplies every field's value by the factor and writes it back as text;
// when any field does not evaluate nothing changes.
bool ScaleFields(std::span<WindowField* const> fields, double factor,
                 const engine::VariableStore* variables);

// A value as a field's text: as many digits as needed, no trailing zeros.
std::u16string FieldText(double value);
// A value rounded to at most two decimals, trailing zeros removed.
std::u16string TwoDecimalText(double value);

// The text π (the program's π character) with a prefix, as "Trig" writes it.
std::u16string PiText(std::u16string_view prefix);

}  // namespace zentrix::graphing
