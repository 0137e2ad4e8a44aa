#include "graphing/model/eval_context.h"

namespace zentrix::graphing {

EvalContext& GraphEvaluation() {
  static EvalContext context;
  return context;
}

}  // namespace zentrix::graphing
