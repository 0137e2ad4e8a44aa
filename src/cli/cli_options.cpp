#include "cli/cli_options.h"

#include <functional>
#include <optional>
#include <string_view>

namespace zentrix::cli {
namespace {

// An option of the program itself rather than of the session's settings.
struct ProgramOption {
  std::string_view name;
  std::string_view expected;
  bool (*set)(CliOptions&, const std::string& value);
};

bool SetColour(CliOptions& o, const std::string& value) {
  if (value == "auto")
    o.colour = ColourChoice::kAuto;
  else if (value == "always")
    o.colour = ColourChoice::kAlways;
  else if (value == "never")
    o.colour = ColourChoice::kNever;
  else
    return false;
  return true;
}

constexpr ProgramOption kProgramOptions[] = {
    {"--color", "auto, always or never", SetColour},
    {"--home", "a folder",
     [](CliOptions& o, const std::string& value) {
       if (value.empty()) return false;
       o.home = value;
       return true;
     }},
    {"--file", "a file name",
     [](CliOptions& o, const std::string& value) {
       if (value.empty()) return false;
       o.file = value;
       return true;
     }},
};

// What an option accepts and how it is applied; setting options come from the
// session's settings table, the others from the program's own.
struct OptionSlot {
  std::string_view expected;
  std::function<bool(CliOptions&, const std::string&)> set;
};

std::optional<OptionSlot> FindOption(const std::string& name) {
  if (name.rfind("--", 0) == 0) {
    if (const SettingRule* rule = FindSettingRule(std::string_view(name).substr(2))) {
      return OptionSlot{rule->expected, [rule](CliOptions& o, const std::string& value) {
                          return rule->set(o, value);
                        }};
    }
  }
  for (const ProgramOption& option : kProgramOptions) {
    if (option.name == name) return OptionSlot{option.expected, option.set};
  }
  return std::nullopt;
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
    if (arg == "--help" || arg == "-h") {
      parsed.options.help = true;
      continue;
    }
    const bool short_file = arg == "-f";
    if (!short_file && arg.rfind("--", 0) != 0) {
      parsed.options.entries.push_back(arg);
      continue;
    }
    std::size_t equals = short_file ? std::string::npos : arg.find('=');
    std::string name = short_file ? "--file" : arg.substr(0, equals);
    std::optional<OptionSlot> option = FindOption(name);
    if (!option) {
      parsed.error = "unknown option '" + name + "'";
      return parsed;
    }
    std::string value;
    if (equals != std::string::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      parsed.error = "option '" + (short_file ? arg : name) + "' needs a value (" +
                     std::string(option->expected) + ")";
      return parsed;
    }
    if (!option->set(parsed.options, value)) {
      parsed.error =
          "option '" + name + "' takes " + std::string(option->expected) + ", not '" + value + "'";
      return parsed;
    }
  }
  if (parsed.options.file && !parsed.options.entries.empty()) {
    parsed.error = "give entries or -f FILE, not both";
  }
  return parsed;
}

std::string HelpText() {
  return R"(Usage: zentrix-cli [options] [ENTRY ...]
       zentrix-cli [options] -f FILE

Evaluates calculator entries exactly as the calculator notebook does and prints
each answer on its own line. All entries share one variable store, so x=3
followed by x^2 gives 9, and Ans is the previous answer. With no ENTRY, entries
are read from standard input, one per line (with -f, from FILE). Empty lines
are skipped.

On a terminal the prompt edits lines (arrows, Home/End, Ctrl-A/E/K/U/W, Ctrl-R
searches the history), completes command, function and variable names with Tab,
and keeps its history in cli_history in the home folder. Ctrl-C cancels the
line or stops a long calculation; Ctrl-D leaves.

Lines read from standard input or FILE may also be:
  help, help NAME     the commands by group, or one command's syntax help
                      (:help and :help NAME always, even with a variable help)
  :SETTING VALUE      changes a setting for the rest of the session, with the
                      words of the options below (:number-mode decimal)
  :settings           prints the settings

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
  -f FILE, --file FILE      read entries from FILE instead of standard input
  --home DIR                the home folder (else $ZENTRIX_HOME, else
                            $XDG_DATA_HOME/zentrix, else ~/.local/share/zentrix)
  --color auto|always|never  answers in colour, errors in red (default auto:
                            on a terminal unless NO_COLOR is set)
  --help                    show this text
  --                        every later argument is an entry

Text is UTF-8. Besides ASCII the calculator's own symbols are understood:
π ℯ ⅈ ∞ √ ∫ ² ⁻¹ ° ᴇ ∠ and the Greek letters; other characters are refused.
An error answer prints the notebook's message ("Error: ...").

Exit status: 0 when every entry gave an answer, 1 when any entry failed,
2 for bad options or an unreadable FILE.
)";
}

}  // namespace zentrix::cli
