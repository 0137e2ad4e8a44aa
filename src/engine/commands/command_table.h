#pragma once
// The command table: every built-in function and command with its id, name,
// default argument count and syntax help text. Ids and names come from the core's
// name table; this adds what the evaluator and the function catalogue need.

#include <string_view>

namespace zentrix::engine {

struct CommandInfo {
  int id = -1;
  std::u16string_view name;        // empty for ids without a name
  int default_argument_count = 0;  // arguments of the command's usual form; 0 for no name
  std::u16string_view help_text;   // empty when the command has none
};

class CommandTable {
 public:
  // The row of an id; an id outside 0..120 gives an empty row (id -1).
  static CommandInfo Row(int id);
  // The syntax help text of an id, or an empty view.
  static std::u16string_view HelpText(int id);
  // The help text looked up by command name, as the function catalogue does; it
  // also accepts the spellings "Fpdf" and "Fcdf".
  static std::u16string_view HelpTextForName(std::u16string_view name);
  static int DefaultArgumentCount(int id);
};

}  // namespace zentrix::engine
