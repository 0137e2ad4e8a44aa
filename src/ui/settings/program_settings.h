#pragma once
// The program's options, read directly by the notebook, the graphers and the
// screens: loaded from the registry at start-up, edited live by the settings
// screen, saved at exit. Colours are 0x00BBGGRR.

#include <cstdint>

namespace zentrix::ui {

struct ProgramSettings {
  int start_screen = 0;   // the screen shown when the program last ended
  bool first_run = true;  // entering the calculator starts its first tutorial
  int precision = 5;      // decimals 0..10, or -1 for Float
  int notation = 0;       // 0 Normal, 1 Scientific, 2 Engineering
  bool show_zeros = false;
  bool always_graph_in_radians = true;
  int number_mode = 0;  // 0 Fraction, 1 Decimal, 2 Mixed
  int angle_mode = 0;   // 0 Radians, 1 Degrees
  bool use_smart_solve = true;
  int style_index = 1;  // 0 Classic, 1 Bright
  bool use_small_font = false;
  bool use_large_font = false;
  bool use_color_parenthesis = true;
  std::uint32_t answer_color = 0x0000FF;
  std::uint32_t cell_color1 = 0xE6E6FF;
  std::uint32_t cell_color2 = 0xFFFFFF;
  // Takes effect at the next start; written to the registry when toggled.
  bool fullscreen = false;
};

inline constexpr int kStyleClassic = 0;
inline constexpr int kStyleBright = 1;
inline constexpr int kFloatPrecision = -1;

// The one set of options of the process.
ProgramSettings& Settings();

// Restores the options as they were when the scope began; tests use it.
class ScopedSettingsReset {
 public:
  ScopedSettingsReset() : saved_(Settings()) { Settings() = ProgramSettings(); }
  ~ScopedSettingsReset() { Settings() = saved_; }
  ScopedSettingsReset(const ScopedSettingsReset&) = delete;
  ScopedSettingsReset& operator=(const ScopedSettingsReset&) = delete;

 private:
  ProgramSettings saved_;
};

}  // namespace zentrix::ui
