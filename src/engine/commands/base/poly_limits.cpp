#include "engine/commands/base/poly_limits.h"

#include <algorithm>

#include "engine/commands/base/commands_state.h"

namespace zentrix::engine::poly {

void ChargeWork(std::int64_t operations) {
  CommandsState& state = Commands();
  state.poly_work_remaining -= operations;
  if (state.poly_work_remaining < 0) throw PolyTooLarge();
  CountWork(static_cast<std::uint64_t>(std::max<std::int64_t>(operations, 0)));
}

void CheckTermCount(std::int64_t terms) {
  if (terms > kMaxTerms) throw PolyTooLarge();
}

void CheckExponent(std::int64_t exponent) {
  if (exponent > kMaxExponent || exponent < -kMaxExponent) throw PolyTooLarge();
}

ScopedWorkAllowance::ScopedWorkAllowance() {
  CommandsState& state = Commands();
  if (state.poly_allowance_scopes++ == 0) state.poly_work_remaining = kWorkAllowance;
}

ScopedWorkAllowance::~ScopedWorkAllowance() { --Commands().poly_allowance_scopes; }

}  // namespace zentrix::engine::poly
