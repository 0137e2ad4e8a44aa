#include "graphing/model/time_settings.h"

#include <cmath>

namespace zentrix::graphing {

TimeSettings::TimeSettings() {
  fields_[kTmin].label = u"Tmin";
  fields_[kTmax].label = u"Tmax";
  fields_[kTstep].label = u"Tstep";
  fields_[kControlsStep].label = u"Time Controls Step";
  SetDefaults();
}

void TimeSettings::SetDefaults() {
  fields_[kTmin].text = u"0";
  fields_[kTmin].value = 0.0;
  fields_[kTmax].text = u"100";
  fields_[kTmax].value = 100.0;
  fields_[kTstep].text = u"0.5";
  fields_[kTstep].value = 0.5;
  fields_[kControlsStep].text = u"0.05";
  fields_[kControlsStep].value = 0.05;
}

ApplyResult TimeSettings::Apply(const engine::VariableStore* variables) {
  std::array<WindowField*, kFieldCount> order{&fields_[kTstep], &fields_[kTmin],
                                              &fields_[kControlsStep], &fields_[kTmax]};
  const std::size_t count = unbounded ? 3 : 4;
  return ApplyFields(std::span<WindowField* const>(order.data(), count), variables);
}

void TimeState::Adopt(const TimeSettings& settings) {
  tmin = settings.tmin();
  tmax = settings.tmax();
  step = settings.tstep();
  controls_step = settings.controls_step();
  unbounded = settings.unbounded;
  loop = settings.loop;
  play_mode = settings.play_mode;
}

void TimeState::Advance() {
  t += direction * multiplier * step;
  if (unbounded) return;
  if (!loop) {
    if (t > tmax) playing = false;
    return;
  }
  if (play_mode == PlayMode::kStartToEnd) {
    if (t > tmax) t = tmin;
    return;
  }
  // Back and forth: turn one step before either end; T itself is not clamped.
  if (direction > 0) {
    if (t > tmax - step) direction = -1;
  } else if (t < tmin + step) {
    direction = 1;
  }
}

void TimeState::ChangeStep(double change) {
  double result = step + change;
  if (std::fabs(result) < kZeroStep) result = 0.0;
  if (unbounded || std::fabs(result) < tmax - tmin) step = result;
}

}  // namespace zentrix::graphing
