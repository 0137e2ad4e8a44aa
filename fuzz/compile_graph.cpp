// Compiles arbitrary 16-bit text as a graph expression and evaluates it at a
// few samples. A compiled program must have a value stack as large as its
// operands; an evaluation must succeed with a finite value or fail with a code.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/commands/install_engine.h"
#include "graphing/model/compiled_expr.h"
#include "graphing/model/eval_context.h"

namespace {

using zentrix::graphing::AngleMode;
using zentrix::graphing::CompiledExpr;
using zentrix::graphing::ExprInstr;
using zentrix::graphing::GraphEvaluation;
namespace variable = zentrix::graphing::variable;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckProgram(const CompiledExpr& expr) {
  std::size_t operands = 0;
  for (const ExprInstr& in : expr.instructions()) {
    operands += in.opcode == ExprInstr::kConstant || in.opcode == ExprInstr::kVariable ||
                (in.opcode == ExprInstr::kOperator && in.symbol == ExprInstr::kImaginaryUnit);
  }
  Check(operands == expr.stack_capacity());
  Check(operands >= 1);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zentrix::engine::InstallEngine();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  // The first byte picks the angle mode; the rest is the text.
  GraphEvaluation().angle_mode = static_cast<AngleMode>(data[0] % 3);
  std::u16string text((size - 1) / 2, u'\0');
  std::memcpy(text.data(), data + 1, text.size() * 2);

  CompiledExpr expr;
  if (!expr.Compile(text)) {
    Check(!expr.compiled() && expr.error_code() >= 0 && expr.instructions().empty());
    return 0;
  }
  CheckProgram(expr);
  static const double kSamples[] = {0.0, 1.0, -2.5, 1e300, -1e-300};
  for (double x : kSamples) {
    GraphEvaluation().Set(0, variable::kX, x);
    GraphEvaluation().Set(1, variable::kTime, -x);
    GraphEvaluation().Set(2, variable::kY, x / 3.0);
    double value = 0.0;
    if (expr.Evaluate(value)) {
      Check(std::isfinite(value));
    } else {
      Check(expr.error_code() == 4 || expr.error_code() == 18);
    }
  }
  return 0;
}
