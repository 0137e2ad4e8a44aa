#include "engine/commands/calculus/exact_accumulator.h"

#include "engine/commands/polynomial/exact_poly.h"

namespace zentrix::engine::calculus {

void ExactAccumulator::Add(const ExprNode& value) {
  if (!exact_) return;
  std::optional<mpq_class> q;
  if (value.IsNumber()) q = poly::ToRational(value.coefficient());
  if (!q) {
    exact_ = false;
    return;
  }
  if (product_) {
    value_ *= *q;
  } else {
    value_ += *q;
  }
}

std::optional<Number> ExactAccumulator::Result() const {
  if (!exact_) return std::nullopt;
  return poly::ToNumber(value_);
}

}  // namespace zentrix::engine::calculus
