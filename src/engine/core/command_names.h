#pragma once
// Ids, names, printed names, default argument counts and help texts of the
// built-in functions and commands, read from the registry rows
// (command_registry.inc): what the parser (to tell function names from
// variables), the printer (to write function calls) and the function
// catalogue need. Argument rules and algorithms live with the evaluator.

#include <span>
#include <string_view>

namespace zentrix::engine {

// Ids run from 0 to kCommandIdLimit - 1; 35-38, 45 and 104 are unused, and the
// degree, minute and second marks have ids but no names.
inline constexpr int kCommandIdLimit = 121;

namespace command_id {
#define ZENTRIX_COMMAND(id, identifier, ...) inline constexpr int k##identifier = id;
#include "engine/core/command_registry.inc"
}  // namespace command_id

// The name of a command id, or an empty view for ids without a name.
std::u16string_view CommandName(int id);
// The name under which an application of the id is printed and sorted: the
// printed name where the row has one, else the name.
std::u16string_view PrintedFunctionName(int id);
// The id of a name (exact, case-sensitive, whole text), or -1 for any other
// name, which is then a variable.
int FindCommandId(std::u16string_view name);
inline bool IsCommandName(std::u16string_view name) { return FindCommandId(name) >= 0; }

// One registry row as the core reads it.
struct CommandRow {
  int id = -1;
  std::u16string_view name;        // empty for ids without a name
  std::u16string_view printed;     // the name in answers when it differs, else empty
  int default_argument_count = 0;  // arguments of the usual form; 0 for no name
  std::u16string_view help_text;   // empty when the command has none
};

// Every row, in id order.
std::span<const CommandRow> CommandRows();
// The row of an id, or nullptr for an id without one.
const CommandRow* FindCommandRow(int id);
// The names sorted as FindCommandId searches them.
std::span<const CommandRow> CommandRowsByName();

}  // namespace zentrix::engine
