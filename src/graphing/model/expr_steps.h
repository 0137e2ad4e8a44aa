#pragma once
// Graph expressions as instructions: the postfix instructions a compile
// produces, and the steps the evaluator runs, into which the instructions are
// lowered once: an operator whose operand is a constant or a variable takes it
// directly, small whole powers become products, and the top of the value
// stack is kept in a register.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "graphing/model/eval_context.h"

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

// What the evaluator does for an instruction or a step.
enum Operation : std::uint8_t {
  kPushConstant,
  kPushVariable,
  kPushImaginary,
  kAdd,
  kSubtract,
  kMultiply,
  kDivide,
  kPower,
  kTimesTenPower,
  kDropRight,
  kNegate,
  kFactorial,
  kCallUnary,
  kCallMany,
  // Binary operators whose right operand is the step's constant.
  kAddConstant,
  kSubtractConstant,
  kMultiplyConstant,
  kDivideConstant,
  kPowerConstant,
  // Binary operators whose right operand is the step's variable.
  kAddVariable,
  kSubtractVariable,
  kMultiplyVariable,
  kDivideVariable,
  // Binary operators whose left operand is the step's constant or variable
  // (its push moved into the operator): constant − top, constant / top ...
  kConstantSubtract,
  kConstantDivide,
  kConstantPower,
  kVariableSubtract,
  kVariableDivide,
  // A variable pushed with a constant added or multiplied at once (x+1, 2x).
  kPushVariableAddConstant,
  kPushVariableMultiplyConstant,
  kRemoved,  // a push whose value an operator took over; dropped when lowering ends
};

struct ExprStep {
  std::uint8_t operation = kPushConstant;
  char16_t symbol = 0;  // variable code
  std::int32_t function_id = 0;
  std::int32_t argument_count = 0;
  double constant = 0.0;
};

// The steps of a well-formed instruction list (one the compiler accepted).
std::vector<ExprStep> LowerInstructions(const std::vector<ExprInstr>& instructions);

// Runs the steps on `stack` (room for every operand) with the context's
// variables and angle mode. Returns -1 with the result, or the error code:
// 4 for a variable held by no slot or the imaginary unit, 18 for a result that
// is not a finite number.
int RunSteps(const ExprStep* steps, std::size_t count, double* stack, const EvalContext& context,
             double& result);

}  // namespace zentrix::graphing
