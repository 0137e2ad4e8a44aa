#include "engine/core/engine_error.h"

namespace zentrix::engine {

std::string_view ErrorText(int code) {
  switch (code) {
    case 0: return "Lists must be the same length";
    case 2: return "Too many open parentheses found.";
    case 3: return "Too many closing parentheses found.";
    case 5: return "Not enough parenthesis found.";
    case 6: return "A function cannot be used as a variable.";
    case 7: return "The variable was not found.";
    case 8:
    case 9:
    case 10:
    case 12:
    case 13:
    case 14:
    case 15: return "Matrix Error";
    case 11: return "Error";
    case 16: return "No equation to solve";
    case 18: return "OverFlow";
    case 19: return "Too many variables";
    case 20: return "Too many parameters";
    default: return "Syntax Error";
  }
}

std::u16string EngineFailure::DisplayText() const {
  if (!message.empty()) return message;
  std::string_view text = ErrorText(code);
  return std::u16string(text.begin(), text.end());
}

}  // namespace zentrix::engine
