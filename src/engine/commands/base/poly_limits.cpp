#include "engine/commands/base/poly_limits.h"

#include <algorithm>

#include "engine/commands/base/commands_state.h"

namespace zentrix::engine::poly {
namespace {

struct WorkState {
  std::int64_t remaining = kWorkAllowance;
  int depth = 0;
};

WorkState& State() {
  static WorkState state;
  return state;
}

}  // namespace

void ChargeWork(std::int64_t operations) {
  WorkState& state = State();
  state.remaining -= operations;
  if (state.remaining < 0 || !CountWork(static_cast<std::uint64_t>(std::max<std::int64_t>(operations, 0)))) {
    throw PolyTooLarge();
  }
}

void CheckTermCount(std::int64_t terms) {
  if (terms > kMaxTerms) throw PolyTooLarge();
}

void CheckExponent(std::int64_t exponent) {
  if (exponent > kMaxExponent || exponent < -kMaxExponent) throw PolyTooLarge();
}

ScopedWorkAllowance::ScopedWorkAllowance() {
  WorkState& state = State();
  if (state.depth++ == 0) state.remaining = kWorkAllowance;
}

ScopedWorkAllowance::~ScopedWorkAllowance() { --State().depth; }

}  // namespace zentrix::engine::poly
