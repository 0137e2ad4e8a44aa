#include "engine/commands/command_table.h"

#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

std::u16string_view HelpTextOf(int command) {
  const CommandRow* row = FindCommandRow(command);
  return row == nullptr ? std::u16string_view() : row->help_text;
}

int DefaultCountOf(int command) {
  const CommandRow* row = FindCommandRow(command);
  return row == nullptr ? 0 : row->default_argument_count;
}

}  // namespace

CommandInfo CommandTable::Row(int command) {
  const CommandRow* row = FindCommandRow(command);
  if (row == nullptr) {
    if (command < 0 || command >= kCommandIdLimit) return {};
    return CommandInfo{command, {}, 0, {}};
  }
  return CommandInfo{command, row->name, row->default_argument_count, row->help_text};
}

std::u16string_view CommandTable::HelpText(int command) { return HelpTextOf(command); }

std::u16string_view CommandTable::HelpTextForName(std::u16string_view name) {
  if (name == u"Fpdf") return HelpTextOf(command_id::kFPdf);
  if (name == u"Fcdf") return HelpTextOf(command_id::kFCdf);
  int command = FindCommandId(name);
  return command < 0 ? std::u16string_view() : HelpTextOf(command);
}

int CommandTable::DefaultArgumentCount(int command) { return DefaultCountOf(command); }

}  // namespace zentrix::engine
