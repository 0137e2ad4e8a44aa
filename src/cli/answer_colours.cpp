#include "cli/answer_colours.h"

#include <cstring>

namespace zentrix::cli {

AnswerColours ChooseColours(ColourChoice choice, bool output_is_terminal, const char* no_color,
                            const char* term) {
  bool on = choice == ColourChoice::kAlways;
  if (choice == ColourChoice::kAuto) {
    const bool refused = no_color != nullptr && no_color[0] != '\0';
    const bool dumb = term == nullptr || std::strcmp(term, "dumb") == 0;
    on = output_is_terminal && !refused && !dumb;
  }
  if (!on) return {};
  // Bright blue reads on dark and light backgrounds alike.
  return {"\x1b[94m", "\x1b[31m", "\x1b[0m"};
}

}  // namespace zentrix::cli
