#pragma once
// The time variable T of both graphers: the settings as the time editor keeps
// them (texts and values, Unbounded, Loop, Play Mode) and the live animation
// state of one grapher with its per-frame advance and its controls.

#include <array>
#include <string>

#include "graphing/model/window_fields.h"

namespace zentrix::graphing {

enum class PlayMode : int { kStartToEnd = 0, kBackAndForth = 1 };

class TimeSettings {
 public:
  enum Field : int { kTmin, kTmax, kTstep, kControlsStep, kFieldCount };

  TimeSettings();  // "0", "100", "0.5", "0.05"

  // Evaluates Tstep, Tmin, Time Controls Step and (only when Unbounded is off)
  // Tmax, in that order; the first failure shows "Error solving <field>" and
  // nothing is applied.
  ApplyResult Apply(const engine::VariableStore* variables = nullptr);
  // The texts of the first run.
  void SetDefaults();

  WindowField& field(Field f) { return fields_[f]; }
  const WindowField& field(Field f) const { return fields_[f]; }
  const std::u16string& text(Field f) const { return fields_[f].text; }
  void SetText(Field f, std::u16string text) { fields_[f].text = std::move(text); }

  double tmin() const { return fields_[kTmin].value; }
  double tmax() const { return fields_[kTmax].value; }
  double tstep() const { return fields_[kTstep].value; }
  double controls_step() const { return fields_[kControlsStep].value; }

  bool unbounded = true;  // Tmax unused (its field greyed)
  bool loop = true;
  PlayMode play_mode = PlayMode::kStartToEnd;

 private:
  std::array<WindowField, kFieldCount> fields_;
};

// Steps whose size falls below this become exactly 0.
inline constexpr double kZeroStep = 1e-9;

class TimeState {
 public:
  // Copies the bounds, Unbounded, Loop and Play Mode; the step becomes Tstep.
  void Adopt(const TimeSettings& settings);

  // One frame: T moves by direction · multiplier · step, then wraps, turns or
  // stops by the play mode.
  void Advance();
  // The step less or more Time Controls Step (a negative step plays backward).
  void Slower() { ChangeStep(-controls_step); }
  void Faster() { ChangeStep(controls_step); }
  void Rewind() { t = tmin; }

  double t = 0.0;
  double step = 0.5;
  double multiplier = 1.0;
  int direction = 1;
  bool playing = false;

  double tmin = 0.0;
  double tmax = 100.0;
  double controls_step = 0.05;
  bool unbounded = true;
  bool loop = true;
  PlayMode play_mode = PlayMode::kStartToEnd;

 private:
  void ChangeStep(double change);
};

}  // namespace zentrix::graphing
