#include "graphing/model/compiled_expr.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/core/charset.h"
#include "engine/core/command_names.h"
#include "engine/core/engine_error.h"
#include "engine/core/parser.h"
#include "graphing/model/eval_context.h"
#include "graphing/model/expr_steps.h"
#include "graphing/model/graph_functions.h"

namespace zentrix::graphing {
namespace {

using engine::EngineError;
using engine::PostfixRecord;

constexpr int kBadSyntax = engine::ToInt(EngineError::kBadSyntax);
constexpr int kTooManyParameters = engine::ToInt(EngineError::kTooManyParameters);
constexpr int kMaxDistributionArguments = 4;

// A number token's value: π, e, infinity, or a decimal text.
bool NumberValue(const std::u16string& text, double& value) {
  if (text.size() == 1) {
    switch (text[0]) {
      case chars::kPi: value = kPi; return true;
      case chars::kEulerE: value = kE; return true;
      case chars::kInfinity: value = HUGE_VAL; return true;
      default: break;
    }
  }
  std::string ascii;
  ascii.reserve(text.size());
  for (char16_t c : text) {
    // A leading minus comes from the inverse mark (^-1).
    const bool sign = c == u'-' && ascii.empty();
    if (!chars::IsDigit(c) && c != u'.' && !sign) return false;
    ascii.push_back(static_cast<char>(c));
  }
  if (ascii.empty() || ascii == "." || ascii == "-" || ascii == "-.") return false;
  char* end = nullptr;
  value = std::strtod(ascii.c_str(), &end);
  return end == ascii.c_str() + ascii.size();
}

Operation BinaryOperation(char16_t c) {
  switch (c) {
    case u'+': return kAdd;
    case u'-': return kSubtract;
    case u'*': return kMultiply;
    case u'/': return kDivide;
    case u'^': return kPower;
    case ExprInstr::kTimesTenPower: return kTimesTenPower;
    default: return kDropRight;
  }
}

}  // namespace

void CompiledExpr::Clear() {
  instructions_.clear();
  steps_.clear();
  stack_.clear();
  error_code_ = kNoError;
  message_.clear();
  compiled_ = false;
  needs_symbolic_pass_ = false;
}

bool CompiledExpr::Fail(int code, std::u16string message) {
  instructions_.clear();
  steps_.clear();
  stack_.clear();
  error_code_ = code;
  message_ = std::move(message);
  compiled_ = false;
  return false;
}

bool CompiledExpr::Compile(std::u16string_view text) {
  Clear();
  if (text.empty()) return Fail(engine::ToInt(EngineError::kEmptyEntry));
  engine::ParseResult parsed = engine::Parser().Parse(text);
  if (!parsed.ok()) return Fail(engine::ToInt(parsed.failure.code), parsed.failure.message);

  // Each record becomes one instruction; the stack depth is followed so that
  // a program that would under- or overrun its stack never compiles.
  instructions_.reserve(parsed.program.size());
  int depth = 0;
  std::size_t operands = 0;
  for (const PostfixRecord& r : parsed.program) {
    ExprInstr in;
    int pops = 0;
    switch (r.type) {
      case PostfixRecord::kNumberText:
        if (!NumberValue(r.text, in.constant)) return Fail(kBadSyntax);
        in.opcode = ExprInstr::kConstant;
        in.operation = kPushConstant;
        break;
      case PostfixRecord::kName:
        if (r.text.size() != 1) {
          return Fail(kBadSyntax,
                      r.text + u" is not a variable: graph variables are single letters.");
        }
        in.opcode = ExprInstr::kVariable;
        in.operation = kPushVariable;
        in.symbol = r.text[0];
        break;
      case PostfixRecord::kFunction: {
        const int id = r.code - 256;
        const int arity = GraphFunctionArity(id);
        if (arity < 0) {
          needs_symbolic_pass_ = true;
          std::u16string name(engine::CommandName(id));
          if (name.empty()) return Fail(kBadSyntax);
          return Fail(kBadSyntax, name + u" cannot be evaluated in a graph.");
        }
        if (r.count != arity) {
          const bool too_many = DistributionArity(id) > 0 && r.count > kMaxDistributionArguments;
          return Fail(too_many ? kTooManyParameters : kBadSyntax);
        }
        in.opcode = ExprInstr::kFunction;
        in.operation = arity == 1 ? kCallUnary : kCallMany;
        in.function_id = id;
        in.argument_count = arity;
        pops = arity;
        break;
      }
      default:  // operators
        in.opcode = ExprInstr::kOperator;
        in.symbol = r.code;
        if (r.code == engine::op::kEndOfList) return Fail(kBadSyntax);
        if (r.code == ExprInstr::kImaginaryUnit) {
          in.operation = kPushImaginary;
        } else if (r.code == ExprInstr::kUnaryMinus) {
          in.operation = kNegate;
          pops = 1;
        } else if (r.code == ExprInstr::kFactorial) {
          in.operation = kFactorial;
          pops = 1;
        } else {
          in.operation = BinaryOperation(r.code);
          pops = 2;
        }
        break;
    }
    if (pops == 0) {
      ++operands;
      ++depth;
    } else {
      if (depth < pops) return Fail(kBadSyntax);
      depth -= pops - 1;
    }
    instructions_.push_back(in);
  }
  if (depth != 1) return Fail(kBadSyntax);
  stack_.assign(operands, 0.0);
  steps_ = LowerInstructions(instructions_);
  compiled_ = true;
  return true;
}

bool CompiledExpr::Evaluate(double& result) {
  if (!compiled_) return false;
  const int code = RunSteps(steps_.data(), steps_.size(), stack_.data(), GraphEvaluation(), result);
  if (code == kNoError) return true;
  error_code_ = code;
  return false;
}

std::u16string CompiledExpr::ErrorText() const {
  if (!message_.empty()) return message_;
  engine::EngineFailure failure;
  failure.code = static_cast<EngineError>(error_code_);
  return failure.DisplayText();
}

bool CompiledExpr::UsesVariable(VariableCode code) const {
  for (const ExprInstr& in : instructions_) {
    if (in.opcode == ExprInstr::kVariable && in.symbol == code) return true;
  }
  return false;
}

}  // namespace zentrix::graphing
