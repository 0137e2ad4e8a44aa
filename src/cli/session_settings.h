#pragma once
// The settings of a session that can be given as options (--number-mode
// decimal) and changed at the prompt (:number-mode decimal): one table, so both
// accept the same words.

#include <string>
#include <string_view>
#include <vector>

#include "engine/core/decimal_format.h"
#include "engine/core/number_settings.h"

namespace zentrix::cli {

enum class OutputFormat { kText, kInput, kPretty };

struct SessionSettings {
  OutputFormat format = OutputFormat::kText;
  engine::NumberMode number_mode = engine::NumberMode::kFraction;
  engine::DecimalFormat decimal;  // precision 5, Normal notation, zeros stripped
  bool degrees = false;
  bool smart_solve = true;
};

struct SettingRule {
  std::string_view name;                // without dashes or colon: "number-mode"
  std::string_view expected;            // the accepted values, for messages
  std::vector<std::string_view> words;  // every accepted value, for completion
  bool (*set)(SessionSettings&, std::string_view value);
  std::string (*get)(const SessionSettings&);
};

// Every setting, in the order :settings lists them.
const std::vector<SettingRule>& SettingRules();
const SettingRule* FindSettingRule(std::string_view name);

// One line per setting, written as the prompt accepts it (":angle degrees").
std::string DescribeSettings(const SessionSettings& settings);

}  // namespace zentrix::cli
