// Feeds arbitrary 16-bit text to the parser and checks the program it returns:
// every postfix record must be well formed, and the operand slots must balance
// (each operator and call consumes what the stack holds).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/core/parser.h"

namespace {

using zentrix::engine::EvalProgram;
using zentrix::engine::Parser;
using zentrix::engine::ParseResult;
using zentrix::engine::PostfixRecord;
using zentrix::engine::ToEvalItems;
namespace op = zentrix::engine::op;

void Check(bool condition) {
  if (!condition) std::abort();
}

// Simulates the evaluator's stack depth over the program: it never drops
// below what an item consumes. The angle marks' joining rule may leave two
// values side by side, so the final depth is not checked.
void CheckStackDiscipline(const ParseResult& result) {
  long depth = 0;
  for (const PostfixRecord& r : result.program) {
    switch (r.type) {
      case PostfixRecord::kNumberText:
      case PostfixRecord::kName:
        Check(!r.text.empty());
        ++depth;
        break;
      case PostfixRecord::kOperator:
        if (r.code == op::kImaginaryUnit) {
          ++depth;
        } else if (r.code == op::kEndOfList) {
          Check(r.count >= 1 && depth >= r.count);
          depth -= r.count - 1;
        } else if (r.code == op::kUnaryMinus || r.code == op::kFactorial) {
          Check(depth >= 1);
        } else {
          Check(depth >= 2);
          --depth;
        }
        break;
      case PostfixRecord::kFunction:
        Check(r.code >= op::kFunctionBase && r.count >= 1);
        Check(depth >= 1);
        break;
      default: Check(false);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);
  ParseResult result = Parser().Parse(text);
  if (!result.ok()) {
    Check(result.program.empty());
    return 0;
  }
  Check(!result.program.empty());
  CheckStackDiscipline(result);
  EvalProgram items = ToEvalItems(result.program);
  Check(items.ok() == !items.items.empty());
  return 0;
}
