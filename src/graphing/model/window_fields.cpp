#include "graphing/model/window_fields.h"

#include <cstdio>
#include <string>
#include <vector>

#include "engine/core/charset.h"
#include "engine/core/decimal_format.h"
#include "graphing/model/engine_bridge.h"

namespace zentrix::graphing {

ApplyResult ApplyFields(std::span<WindowField* const> fields,
                        const engine::VariableStore* variables) {
  std::vector<double> values;
  values.reserve(fields.size());
  for (WindowField* field : fields) {
    const FieldValue v = EvaluateField(field->text, variables);
    if (!v.ok) return {false, std::u16string(u"Error solving ") + std::u16string(field->label)};
    values.push_back(v.value);
  }
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i]->value = values[i];
  return {};
}

bool ScaleFields(std::span<WindowField* const> fields, double factor,
                 const engine::VariableStore* variables) {
  std::vector<double> values;
  values.reserve(fields.size());
  for (WindowField* field : fields) {
    const FieldValue v = EvaluateField(field->text, variables);
    if (!v.ok) return false;
    values.push_back(v.value * factor);
  }
  for (std::size_t i = 0; i < fields.size(); ++i) {
    fields[i]->value = values[i];
    fields[i]->text = FieldText(values[i]);
  }
  return true;
}

std::u16string FieldText(double value) {
  return engine::FormatFloat(value);
}

std::u16string TwoDecimalText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return std::u16string(text.begin(), text.end());
}

std::u16string PiText(std::u16string_view prefix) {
  std::u16string text(prefix);
  text.push_back(chars::kPi);
  return text;
}

}  // namespace zentrix::graphing
