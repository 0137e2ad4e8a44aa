#pragma once
// The tokenizer and parser: one left-to-right pass over an entry's text that
// turns it into a postfix program with a shunting-yard operator stack,
// inserting the multiplications the user leaves implicit. It builds no trees;
// the evaluator runs the program on a stack of nodes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/engine_error.h"

namespace zentrix::engine {

// Operator codes of the postfix program (function calls use 256 + id).
namespace op {
inline constexpr char16_t kOpenBracket = '(';  // on the operator stack only
inline constexpr char16_t kUnaryMinus = 64;
inline constexpr char16_t kTimesTenPower = 128;  // a·10^b
inline constexpr char16_t kPower = '^';
inline constexpr char16_t kFactorial = '!';
inline constexpr char16_t kMultiply = '*';
inline constexpr char16_t kDivide = '/';
inline constexpr char16_t kAdd = '+';
inline constexpr char16_t kSubtract = '-';
inline constexpr char16_t kEquals = '=';
inline constexpr char16_t kImaginaryUnit = '#';  // operand 0 + 1i
inline constexpr char16_t kEndOfList = '$';      // count = number of elements
inline constexpr char16_t kFunctionBase = 256;
}  // namespace op

// One item of the postfix program.
struct PostfixRecord {
  enum Type : int { kOperator = 1, kNumberText = 2, kName = 3, kFunction = 5 };

  int type = kOperator;
  char16_t code = 0;    // operator character, 256 + function id, or '$'
  int count = 1;        // arguments of a function, elements of a list, 1 for operators
  std::u16string text;  // literal text of a number or a name

  friend bool operator==(const PostfixRecord&, const PostfixRecord&) = default;
};

struct ParseResult {
  std::vector<PostfixRecord> program;  // empty on failure
  EngineFailure failure;

  bool ok() const { return !failure.failed(); }
};

// Entries longer than this many characters are refused (code 4).
inline constexpr std::size_t kMaxEntryLength = std::size_t{1} << 22;

class Parser {
 public:
  // The postfix program of one entry, or the error code (and, for a function
  // name used as a variable, the message). An empty text is code 16.
  ParseResult Parse(std::u16string_view text) const;
};

// One item as the evaluator runs it.
struct EvalItem {
  enum class Type { kOperator, kNumber, kName, kInfinity, kFunction };

  Type type = Type::kOperator;
  int code = 0;         // operator code ('#' imaginary unit, '$' end of list), or 256 + id
  int count = 1;        // function arguments or list elements
  double value = 0.0;   // kNumber
  std::u16string name;  // kName (also π and e)

  int function_id() const { return code - 256; }
  friend bool operator==(const EvalItem&, const EvalItem&) = default;
};

struct EvalProgram {
  std::vector<EvalItem> items;  // empty on failure
  EngineFailure failure;

  bool ok() const { return !failure.failed(); }
};

// Converts a postfix program into evaluator items: π and e become names, the
// infinity character the infinity item, other number texts doubles (a text that
// is no number fails with code 4).
EvalProgram ToEvalItems(const std::vector<PostfixRecord>& program);

// Parse and convert in one step.
EvalProgram ParseEntry(std::u16string_view text);

}  // namespace zentrix::engine
