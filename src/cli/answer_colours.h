#pragma once
// Colour for answers on terminals: errors in red, other answers in the answer
// colour. Plain text elsewhere, so files and pipes get the same bytes as always.

#include <string_view>

#include "cli/cli_options.h"

namespace zentrix::cli {

struct AnswerColours {
  std::string_view answer;  // escape sequences; all empty when colour is off
  std::string_view error;
  std::string_view reset;

  bool on() const { return !reset.empty(); }
};

// Colour is on when asked for always, or on the automatic choice when standard
// output is a terminal, NO_COLOR is unset or empty and TERM is not "dumb".
AnswerColours ChooseColours(ColourChoice choice, bool output_is_terminal, const char* no_color,
                            const char* term);

}  // namespace zentrix::cli
