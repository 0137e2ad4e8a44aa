#include "cli/command_help.h"

#include "cli/command_catalog.h"

namespace zentrix::cli {
namespace {

// Writes the names after `indent`, as many to a line as fit the width.
void AppendWrapped(std::string& text, const std::vector<std::string_view>& names,
                   std::size_t width) {
  constexpr std::string_view kIndent = "  ";
  std::size_t column = 0;
  for (std::string_view name : names) {
    if (column > 0 && column + 1 + name.size() > width) {
      text += '\n';
      column = 0;
    }
    if (column == 0) {
      text += kIndent;
      column = kIndent.size();
    } else {
      text += ' ';
      ++column;
    }
    text += name;
    column += name.size();
  }
  if (column > 0) text += '\n';
}

void AppendGroup(std::string& text, std::string_view group,
                 const std::vector<const CatalogCommand*>& commands, std::size_t width) {
  text += group;
  text += ":\n";
  std::vector<std::string_view> without_help;
  for (const CatalogCommand* command : commands) {
    if (command->help.empty()) {
      without_help.push_back(command->name);
      continue;
    }
    std::size_t start = 0;
    while (start <= command->help.size()) {
      std::size_t end = command->help.find('\n', start);
      if (end == std::string::npos) end = command->help.size();
      text += "  " + command->help.substr(start, end - start) + '\n';
      start = end + 1;
    }
  }
  AppendWrapped(text, without_help, width);
}

}  // namespace

std::string CommandListing(std::size_t width) {
  std::string text;
  const std::vector<CatalogCommand>& catalog = CommandCatalog();
  std::vector<const CatalogCommand*> group;
  for (std::size_t i = 0; i < catalog.size(); ++i) {
    group.push_back(&catalog[i]);
    if (i + 1 == catalog.size() || catalog[i + 1].group != catalog[i].group) {
      AppendGroup(text, catalog[i].group, group, width);
      group.clear();
    }
  }
  text +=
      "help NAME: one command's syntax help.\n"
      ":settings: the settings; :number-mode decimal changes one.\n";
  return text;
}

std::optional<std::string> CommandHelp(std::string_view name) {
  const CatalogCommand* command = FindCatalogCommand(name);
  if (!command) return std::nullopt;
  if (!command->help.empty()) return command->help + '\n';
  const int count = command->argument_count;
  return command->name + "(…) takes " + std::to_string(count) +
         (count == 1 ? " argument" : " arguments") + " in its usual form.\n";
}

}  // namespace zentrix::cli
