#pragma once
// Error codes of the engine (parser and evaluator) and their fixed display texts.

#include <string>
#include <string_view>

namespace zentrix::engine {

enum class EngineError : int {
  kNone = -1,
  kListLengths = 0,             // "Lists must be the same length"
  kSyntax = 1,                  // "Syntax Error" (operand count mismatch)
  kTooManyOpenBrackets = 2,     // "Too many open parentheses found."
  kTooManyClosingBrackets = 3,  // "Too many closing parentheses found."
  kBadSyntax = 4,               // "Syntax Error" (bad token, bad arguments, leftover stack)
  kUnmatchedClosing = 5,        // "Not enough parenthesis found."
  kFunctionAsVariable = 6,      // "A function cannot be used as a variable."
  kVariableNotFound = 7,        // "The variable was not found."
  kMatrix8 = 8,                 // "Matrix Error"
  kMatrixShape = 9,             // "Matrix Error" (shape mismatch)
  kMatrix10 = 10,               // "Matrix Error"
  kGeneral = 11,                // "Error"
  kMatrix12 = 12,
  kMatrix13 = 13,
  kMatrix14 = 14,
  kMatrix15 = 15,
  kEmptyEntry = 16,         // "No equation to solve"
  kOverflow = 18,           // "OverFlow"
  kTooManyVariables = 19,   // "Too many variables"
  kTooManyParameters = 20,  // "Too many parameters"
};

constexpr int ToInt(EngineError e) { return static_cast<int>(e); }

// The fixed text of a code; any code without a text of its own is "Syntax Error".
std::string_view ErrorText(int code);
inline std::string_view ErrorText(EngineError e) { return ErrorText(ToInt(e)); }

// A failure as the engine reports it: the code plus an optional message that,
// when present, is shown instead of the code's text.
struct EngineFailure {
  EngineError code = EngineError::kNone;
  std::u16string message;

  bool failed() const { return code != EngineError::kNone; }
  // The message when one is set, else the code's text (program characters).
  std::u16string DisplayText() const;
};

}  // namespace zentrix::engine
