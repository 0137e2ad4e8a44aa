#include "graphing/model/expr_steps.h"

#include <cmath>

#include "graphing/model/graph_functions.h"

namespace zentrix::graphing {
namespace {

constexpr int kBadSyntax = 4;
constexpr int kOverflow = 18;
constexpr int kMaxArguments = 16;

// The fused form of a binary operator with a constant or variable right operand.
bool Fuse(std::uint8_t binary, std::uint8_t operand, std::uint8_t& fused) {
  static constexpr std::uint8_t kWithConstant[] = {
      kAddConstant, kSubtractConstant, kMultiplyConstant, kDivideConstant, kPowerConstant};
  static constexpr std::uint8_t kWithVariable[] = {kAddVariable, kSubtractVariable,
                                                   kMultiplyVariable, kDivideVariable};
  if (binary < kAdd || binary > kPower) return false;
  const int index = binary - kAdd;
  if (operand == kPushConstant) {
    fused = kWithConstant[index];
    return true;
  }
  if (operand != kPushVariable || binary == kPower) return false;
  fused = kWithVariable[index];
  return true;
}

// The fused form of a binary operator with a constant or variable left operand.
bool FuseLeft(std::uint8_t binary, std::uint8_t operand, std::uint8_t& fused) {
  const bool constant = operand == kPushConstant;
  if (!constant && operand != kPushVariable) return false;
  switch (binary) {
    case kAdd: fused = constant ? kAddConstant : kAddVariable; return true;
    case kMultiply: fused = constant ? kMultiplyConstant : kMultiplyVariable; return true;
    case kSubtract: fused = constant ? kConstantSubtract : kVariableSubtract; return true;
    case kDivide: fused = constant ? kConstantDivide : kVariableDivide; return true;
    case kPower:
      if (!constant) return false;
      fused = kConstantPower;
      return true;
    default: return false;
  }
}

// x^n for the constant n: whole powers up to ±8 by squaring (within a few
// units in the last place of pow), the rest by pow.
inline double PowerOf(double x, double n) {
  if (n == 2.0) return x * x;
  if (!(n >= -8.0 && n <= 8.0) || n != static_cast<int>(n)) return std::pow(x, n);
  int k = static_cast<int>(n);
  const bool inverse = k < 0;
  if (inverse) k = -k;
  double power = 1.0, base = x;
  for (; k > 0; k >>= 1, base *= base) {
    if (k & 1) power *= base;
  }
  return inverse ? 1.0 / power : power;
}

// The value of the variable in the first slot that holds its code.
inline bool ReadVariable(const EvalContext& context, char16_t code, double& value) {
  for (const VariableSlot& slot : context.slots) {
    if (slot.code == code) {
      value = slot.value;
      return true;
    }
  }
  return false;
}

// A variable push followed by adding or multiplying a constant becomes one step.
void JoinVariablePushes(std::vector<ExprStep>& steps) {
  for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
    ExprStep& push = steps[i];
    const ExprStep& next = steps[i + 1];
    if (push.operation != kPushVariable) continue;
    if (next.operation == kAddConstant) {
      push.operation = kPushVariableAddConstant;
    } else if (next.operation == kMultiplyConstant) {
      push.operation = kPushVariableMultiplyConstant;
    } else {
      continue;
    }
    push.constant = next.constant;
    steps[i + 1].operation = kRemoved;
    ++i;
  }
  std::erase_if(steps, [](const ExprStep& s) { return s.operation == kRemoved; });
}

}  // namespace

std::vector<ExprStep> LowerInstructions(const std::vector<ExprInstr>& instructions) {
  std::vector<ExprStep> steps;
  steps.reserve(instructions.size());
  // For each value on the stack while lowering: the index of the step that
  // pushed it when that was a plain push of a constant or variable, else -1.
  std::vector<std::ptrdiff_t> pushed_by;
  for (const ExprInstr& in : instructions) {
    ExprStep step;
    step.operation = in.operation;
    step.symbol = in.symbol;
    step.function_id = in.function_id;
    step.argument_count = in.argument_count;
    step.constant = in.constant;
    const std::ptrdiff_t here = static_cast<std::ptrdiff_t>(steps.size());
    switch (step.operation) {
      case kPushConstant:
      case kPushVariable:
        pushed_by.push_back(here);
        steps.push_back(step);
        continue;
      case kPushImaginary:
        pushed_by.push_back(-1);
        steps.push_back(step);
        continue;
      default: break;
    }
    if (step.operation < kAdd || step.operation > kDropRight) {
      // Unary operators and calls: their arguments become one value.
      const int consumed = step.operation == kCallMany ? step.argument_count : 1;
      pushed_by.resize(pushed_by.size() - consumed);
      pushed_by.push_back(-1);
      steps.push_back(step);
      continue;
    }
    const std::ptrdiff_t right = pushed_by.back();
    pushed_by.pop_back();
    const std::ptrdiff_t left = pushed_by.back();
    pushed_by.back() = -1;
    std::uint8_t fused;
    // The right operand was pushed just before: the operator takes it over.
    if (right == here - 1 && Fuse(step.operation, steps[right].operation, fused)) {
      steps[right].operation = fused;
      continue;
    }
    // The left operand is a plain push: the operator takes it over, so the
    // right operand's steps run on the stack as it was before that push.
    if (left >= 0 && FuseLeft(step.operation, steps[left].operation, fused)) {
      step.operation = fused;
      step.constant = steps[left].constant;
      step.symbol = steps[left].symbol;
      steps[left].operation = kRemoved;
    }
    steps.push_back(step);
  }
  std::erase_if(steps, [](const ExprStep& s) { return s.operation == kRemoved; });
  JoinVariablePushes(steps);
  return steps;
}

int RunSteps(const ExprStep* steps, std::size_t count, double* stack, const EvalContext& context,
             double& result) {
  const AngleMode mode = context.angle_mode;
  // The top of the stack lives in `top`; `below` points past the value under it.
  double top = 0.0;
  double* below = stack;
  double operand;
  for (const ExprStep* step = steps; step != steps + count; ++step) {
    switch (step->operation) {
      case kPushConstant:
        *below++ = top;
        top = step->constant;
        break;
      case kPushVariable:
        if (!ReadVariable(context, step->symbol, operand)) return kBadSyntax;
        *below++ = top;
        top = operand;
        break;
      case kPushVariableAddConstant:
        if (!ReadVariable(context, step->symbol, operand)) return kBadSyntax;
        *below++ = top;
        top = operand + step->constant;
        break;
      case kPushVariableMultiplyConstant:
        if (!ReadVariable(context, step->symbol, operand)) return kBadSyntax;
        *below++ = top;
        top = operand * step->constant;
        break;
      case kPushImaginary: return kBadSyntax;
      case kAdd: top = *--below + top; break;
      case kSubtract: top = *--below - top; break;
      case kMultiply: top = *--below * top; break;
      case kDivide: top = *--below / top; break;
      case kPower: top = std::pow(*--below, top); break;
      case kTimesTenPower: top = *--below * std::pow(10.0, top); break;
      case kDropRight: top = *--below; break;
      case kNegate: top = -top; break;
      case kFactorial: top = std::tgamma(top + 1.0); break;
      case kCallUnary: top = ApplyUnaryFunction(step->function_id, top, mode); break;
      case kCallMany: {
        const int n = step->argument_count;
        double args[kMaxArguments];
        below -= n - 1;
        for (int i = 0; i < n - 1; ++i) args[i] = below[i];
        args[n - 1] = top;
        top = ApplyFunction(step->function_id, args, n, mode);
        break;
      }
      case kAddConstant: top += step->constant; break;
      case kSubtractConstant: top -= step->constant; break;
      case kMultiplyConstant: top *= step->constant; break;
      case kDivideConstant: top /= step->constant; break;
      case kPowerConstant: top = PowerOf(top, step->constant); break;
      case kConstantSubtract: top = step->constant - top; break;
      case kConstantDivide: top = step->constant / top; break;
      case kConstantPower: top = std::pow(step->constant, top); break;
      case kAddVariable:
      case kSubtractVariable:
      case kMultiplyVariable:
      case kDivideVariable:
      case kVariableSubtract:
      case kVariableDivide:
        if (!ReadVariable(context, step->symbol, operand)) return kBadSyntax;
        switch (step->operation) {
          case kAddVariable: top += operand; break;
          case kSubtractVariable: top -= operand; break;
          case kMultiplyVariable: top *= operand; break;
          case kDivideVariable: top /= operand; break;
          case kVariableSubtract: top = operand - top; break;
          default: top = operand / top; break;
        }
        break;
    }
  }
  result = top;
  return std::isfinite(result) ? -1 : kOverflow;
}

}  // namespace zentrix::graphing
