#pragma once
// The fast numeric form of one graph expression: the parser's postfix program
// turned into instructions over doubles, run on a value stack that is sized
// when the expression compiles, so evaluating a sample allocates nothing.
// Variables are read from the process-wide EvalContext.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "graphing/model/variable_codes.h"

namespace zentrix::graphing {

// One instruction, in postfix order.
struct ExprInstr {
  enum Opcode : std::uint8_t { kOperator = 1, kConstant = 2, kVariable = 4, kFunction = 5 };
  // The operators beside the four arithmetic ones.
  static constexpr char16_t kUnaryMinus = u'@';
  static constexpr char16_t kFactorial = u'!';
  static constexpr char16_t kImaginaryUnit = u'#';  // has no real value: always fails
  static constexpr char16_t kTimesTenPower = 128;   // a·10^b

  std::uint8_t opcode = kOperator;
  std::uint8_t operation = 0;  // the evaluator's dispatch code, chosen when compiling
  char16_t symbol = 0;         // operator character, or variable code
  std::int32_t function_id = 0;
  std::int32_t argument_count = 0;
  double constant = 0.0;
};
static_assert(sizeof(ExprInstr) == 24);

class CompiledExpr {
 public:
  static constexpr int kNoError = -1;

  // Compiles the text (program characters). An empty text, a parse failure,
  // a name longer than one letter, a list, or a function without a numeric
  // form fails; the error code (and, where one helps, a message) is kept.
  bool Compile(std::u16string_view text);
  void Clear();

  // Runs the instructions with the variables of the EvalContext. Fails with
  // code 4 for a variable held by no slot or the imaginary unit, and with code
  // 18 when the result is not a finite number. Never allocates.
  bool Evaluate(double& result);

  bool compiled() const { return compiled_; }
  // The parser's code after a failed compile, or the code of the last failed
  // evaluation; kNoError otherwise.
  int error_code() const { return error_code_; }
  // A message that replaces the code's text, or empty.
  const std::u16string& message() const { return message_; }
  // The message, or the engine's text of the error code.
  std::u16string ErrorText() const;
  // The compile failed only because the text calls a symbolic command (D,
  // Integrate ...): evaluating the text symbolically first may make it compile.
  bool needs_symbolic_pass() const { return needs_symbolic_pass_; }

  bool UsesVariable(VariableCode code) const;
  bool uses_time() const { return UsesVariable(variable::kTime); }

  const std::vector<ExprInstr>& instructions() const { return instructions_; }
  std::size_t stack_capacity() const { return stack_.size(); }

 private:
  bool Fail(int code, std::u16string message = {});

  std::vector<ExprInstr> instructions_;
  std::vector<double> stack_;
  int error_code_ = kNoError;
  std::u16string message_;
  bool compiled_ = false;
  bool needs_symbolic_pass_ = false;
};

}  // namespace zentrix::graphing
