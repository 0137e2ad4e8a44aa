#include "cli/prompt_commands.h"

#include <string>

#include "cli/command_help.h"
#include "cli/session_settings.h"

namespace zentrix::cli {
namespace {

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Splits "word rest" at the first run of blanks.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view text) {
  const std::size_t blank = text.find_first_of(" \t");
  if (blank == std::string_view::npos) return {text, {}};
  return {text.substr(0, blank), Trim(text.substr(blank))};
}

void ShowHelp(std::string_view name, CliSession& session) {
  if (name.empty()) {
    session.WriteText(CommandListing());
  } else if (std::optional<std::string> help = CommandHelp(name)) {
    session.WriteText(*help);
  } else {
    session.Refuse("there is no command named " + std::string(name) + "; help lists them");
  }
}

void ChangeSetting(std::string_view name, std::string_view value, CliSession& session) {
  const SettingRule* rule = FindSettingRule(name);
  if (!rule) {
    session.Refuse("there is no setting :" + std::string(name) + "; :settings lists them");
    return;
  }
  const std::string quoted = ':' + std::string(name);
  if (value.empty()) {
    session.Refuse(quoted + " needs a value (" + std::string(rule->expected) + ")");
    return;
  }
  SessionSettings settings = session.settings();
  if (!rule->set(settings, value)) {
    session.Refuse(quoted + " takes " + std::string(rule->expected) + ", not '" +
                   std::string(value) + "'");
    return;
  }
  session.ChangeSettings(settings);
}

}  // namespace

bool RunPromptCommand(std::string_view line, CliSession& session) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty()) return false;
  if (trimmed[0] == ':') {
    auto [word, rest] = SplitWord(trimmed.substr(1));
    if (word == "help") {
      ShowHelp(rest, session);
    } else if (word == "settings" && rest.empty()) {
      session.WriteText(DescribeSettings(session.settings()));
    } else {
      ChangeSetting(word, rest, session);
    }
    return true;
  }
  auto [word, rest] = SplitWord(trimmed);
  // "help" followed by anything but one name is an entry (help (x+1) multiplies).
  if (word != "help" || rest.find_first_of(" \t()+-*/^=,{}[]<>!") != std::string_view::npos) {
    return false;
  }
  if (session.HasVariable("help")) return false;
  ShowHelp(rest, session);
  return true;
}

}  // namespace zentrix::cli
