#include "cli/cli_options.h"

#include <functional>
#include <map>
#include <string_view>

namespace zentrix::cli {
namespace {

using Setter = std::function<bool(CliOptions&, std::string_view)>;

// A setter that accepts exactly one of the listed words.
template <typename T>
Setter Choice(std::map<std::string_view, T> words, T CliOptions::*field) {
  return [words = std::move(words), field](CliOptions& o, std::string_view value) {
    auto it = words.find(value);
    if (it == words.end()) return false;
    o.*field = it->second;
    return true;
  };
}

bool SetPrecision(CliOptions& o, std::string_view value) {
  if (value == "float") {
    o.decimal.precision = engine::kFloatPrecision;
    return true;
  }
  if (value.size() == 1 && value[0] >= '0' && value[0] <= '9') {
    o.decimal.precision = value[0] - '0';
    return true;
  }
  if (value == "10") {
    o.decimal.precision = 10;
    return true;
  }
  return false;
}

bool SetNotation(CliOptions& o, std::string_view value) {
  static const std::map<std::string_view, engine::Notation> kWords = {
      {"normal", engine::Notation::kNormal},
      {"scientific", engine::Notation::kScientific},
      {"engineering", engine::Notation::kEngineering}};
  auto it = kWords.find(value);
  if (it == kWords.end()) return false;
  o.decimal.notation = it->second;
  return true;
}

bool SetShowZeros(CliOptions& o, std::string_view value) {
  if (value != "on" && value != "off") return false;
  o.decimal.show_zeros = value == "on";
  return true;
}

struct OptionRule {
  Setter set;
  std::string_view expected;  // the accepted values, for the error message
};

const std::map<std::string_view, OptionRule>& OptionRules() {
  static const std::map<std::string_view, OptionRule> kRules = {
      {"--format",
       {Choice<OutputFormat>({{"text", OutputFormat::kText},
                              {"input", OutputFormat::kInput},
                              {"pretty", OutputFormat::kPretty}},
                             &CliOptions::format),
        "text, input or pretty"}},
      {"--number-mode",
       {Choice<engine::NumberMode>({{"fraction", engine::NumberMode::kFraction},
                                    {"decimal", engine::NumberMode::kDecimal},
                                    {"mixed", engine::NumberMode::kMixed}},
                                   &CliOptions::number_mode),
        "fraction, decimal or mixed"}},
      {"--notation", {SetNotation, "normal, scientific or engineering"}},
      {"--precision", {SetPrecision, "0 to 10 or float"}},
      {"--show-zeros", {SetShowZeros, "on or off"}},
      {"--angle",
       {Choice<bool>({{"radians", false}, {"degrees", true}}, &CliOptions::degrees),
        "radians or degrees"}},
      {"--smart-solve",
       {Choice<bool>({{"on", true}, {"off", false}}, &CliOptions::smart_solve), "on or off"}},
  };
  return kRules;
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      parsed.options.entries.insert(parsed.options.entries.end(), args.begin() + i + 1, args.end());
      break;
    }
    if (arg.rfind("--", 0) != 0) {
      parsed.options.entries.push_back(arg);
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      parsed.options.help = true;
      continue;
    }
    std::size_t equals = arg.find('=');
    std::string name = arg.substr(0, equals);
    auto option_rule = OptionRules().find(name);
    if (option_rule == OptionRules().end()) {
      parsed.error = "unknown option '" + name + "'";
      return parsed;
    }
    std::string value;
    if (equals != std::string::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      parsed.error =
          "option '" + name + "' needs a value (" + std::string(option_rule->second.expected) + ")";
      return parsed;
    }
    if (!option_rule->second.set(parsed.options, value)) {
      parsed.error = "option '" + name + "' takes " + std::string(option_rule->second.expected) +
                     ", not '" + value + "'";
      return parsed;
    }
  }
  return parsed;
}

std::string HelpText() {
  return R"(Usage: zentrix-cli [options] [ENTRY ...]

Evaluates calculator entries exactly as the calculator notebook does and prints
each answer on its own line. All entries share one variable store, so x=3
followed by x^2 gives 9, and Ans is the previous answer. With no ENTRY, entries
are read from standard input, one per line (with a prompt when standard input
is a terminal; end with Ctrl-D). Empty lines are skipped.

Options:
  --format text|input|pretty
        text (default): one line as a person reads it (x² + 3x + 1, 2√3, 3/2).
        input: one line in the calculator's entry syntax that gives an equal
        answer when entered again (x^2+3x+1, 2√(3), 3/2, {-2,2}).
        pretty: the two-dimensional answer drawn with characters (fractions
        over a bar, roots, matrices as grids).
  --number-mode fraction|decimal|mixed   how numbers are shown (default fraction)
  --notation normal|scientific|engineering   decimal notation (default normal)
  --precision 0..10|float   decimals shown (default 5)
  --show-zeros on|off       keep trailing zeros up to the precision (default off)
  --angle radians|degrees   angle unit of the trigonometric functions (default radians)
  --smart-solve on|off      show answers that needed no exact rewriting as
                            decimals (default on)
  --help                    show this text
  --                        every later argument is an entry

Text is UTF-8. Besides ASCII the calculator's own symbols are understood:
π ℯ ⅈ ∞ √ ∫ ² ⁻¹ ° ᴇ ∠ and the Greek letters; other characters are refused.
An error answer prints the notebook's message ("Error: ...").

Exit status: 0 when every entry gave an answer, 1 when any entry failed,
2 for bad options.
)";
}

}  // namespace zentrix::cli
