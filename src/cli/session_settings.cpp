#include "cli/session_settings.h"

#include <algorithm>

namespace zentrix::cli {
namespace {

using engine::Notation;
using engine::NumberMode;

// A setting chosen from a few words, each meaning one value of a field.
template <typename T>
struct WordChoice {
  std::string_view word;
  T value;
};

template <typename T, std::size_t N>
bool SetWord(const WordChoice<T> (&choices)[N], T& field, std::string_view value) {
  for (const WordChoice<T>& choice : choices) {
    if (choice.word == value) {
      field = choice.value;
      return true;
    }
  }
  return false;
}

template <typename T, std::size_t N>
std::string WordOf(const WordChoice<T> (&choices)[N], T field) {
  for (const WordChoice<T>& choice : choices) {
    if (choice.value == field) return std::string(choice.word);
  }
  return {};
}

constexpr WordChoice<OutputFormat> kFormats[] = {{"text", OutputFormat::kText},
                                                 {"input", OutputFormat::kInput},
                                                 {"pretty", OutputFormat::kPretty}};
constexpr WordChoice<NumberMode> kNumberModes[] = {{"fraction", NumberMode::kFraction},
                                                   {"decimal", NumberMode::kDecimal},
                                                   {"mixed", NumberMode::kMixed}};
constexpr WordChoice<Notation> kNotations[] = {{"normal", Notation::kNormal},
                                               {"scientific", Notation::kScientific},
                                               {"engineering", Notation::kEngineering}};
constexpr WordChoice<bool> kAngles[] = {{"radians", false}, {"degrees", true}};
constexpr WordChoice<bool> kSwitch[] = {{"on", true}, {"off", false}};

bool SetPrecision(SessionSettings& s, std::string_view value) {
  if (value == "float") {
    s.decimal.precision = engine::kFloatPrecision;
    return true;
  }
  if (value.size() == 1 && value[0] >= '0' && value[0] <= '9') {
    s.decimal.precision = value[0] - '0';
    return true;
  }
  if (value == "10") {
    s.decimal.precision = 10;
    return true;
  }
  return false;
}

std::string PrecisionWord(const SessionSettings& s) {
  return s.decimal.precision == engine::kFloatPrecision ? "float"
                                                        : std::to_string(s.decimal.precision);
}

}  // namespace

const std::vector<SettingRule>& SettingRules() {
  static const std::vector<SettingRule> kRules = {
      {"format",
       "text, input or pretty",
       {"text", "input", "pretty"},
       [](SessionSettings& s, std::string_view v) { return SetWord(kFormats, s.format, v); },
       [](const SessionSettings& s) { return WordOf(kFormats, s.format); }},
      {"number-mode",
       "fraction, decimal or mixed",
       {"fraction", "decimal", "mixed"},
       [](SessionSettings& s, std::string_view v) {
         return SetWord(kNumberModes, s.number_mode, v);
       },
       [](const SessionSettings& s) { return WordOf(kNumberModes, s.number_mode); }},
      {"notation",
       "normal, scientific or engineering",
       {"normal", "scientific", "engineering"},
       [](SessionSettings& s, std::string_view v) {
         return SetWord(kNotations, s.decimal.notation, v);
       },
       [](const SessionSettings& s) { return WordOf(kNotations, s.decimal.notation); }},
      {"precision",
       "0 to 10 or float",
       {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "float"},
       SetPrecision,
       PrecisionWord},
      {"show-zeros",
       "on or off",
       {"on", "off"},
       [](SessionSettings& s, std::string_view v) {
         return SetWord(kSwitch, s.decimal.show_zeros, v);
       },
       [](const SessionSettings& s) { return WordOf(kSwitch, s.decimal.show_zeros); }},
      {"angle",
       "radians or degrees",
       {"radians", "degrees"},
       [](SessionSettings& s, std::string_view v) { return SetWord(kAngles, s.degrees, v); },
       [](const SessionSettings& s) { return WordOf(kAngles, s.degrees); }},
      {"smart-solve",
       "on or off",
       {"on", "off"},
       [](SessionSettings& s, std::string_view v) { return SetWord(kSwitch, s.smart_solve, v); },
       [](const SessionSettings& s) { return WordOf(kSwitch, s.smart_solve); }},
  };
  return kRules;
}

const SettingRule* FindSettingRule(std::string_view name) {
  const std::vector<SettingRule>& rules = SettingRules();
  auto it = std::find_if(rules.begin(), rules.end(),
                         [name](const SettingRule& rule) { return rule.name == name; });
  return it == rules.end() ? nullptr : &*it;
}

std::string DescribeSettings(const SessionSettings& settings) {
  std::string text;
  for (const SettingRule& rule : SettingRules()) {
    text += ':' + std::string(rule.name) + ' ' + rule.get(settings) + '\n';
  }
  return text;
}

}  // namespace zentrix::cli
