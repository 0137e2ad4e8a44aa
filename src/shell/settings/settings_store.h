#pragma once
// Loading and saving the program's options in the registry, in one fixed
// order, and the engine's working copies of them.

#include <cstdint>
#include <string_view>

#include "shell/settings/registry.h"
#include "ui/settings/program_settings.h"

namespace zentrix::shell {

// Calls the visitor once per stored option, in load and save order:
//   visitor.Dword(name, int& value, min, max)
//   visitor.Bool(name, bool& value)
//   visitor.Colour(name, std::uint32_t& value)
template <class Visitor>
void VisitSettings(ui::ProgramSettings& s, Visitor&& visitor) {
  visitor.Dword("Start", s.start_screen, 0, 7);
  visitor.Bool("New", s.first_run);
  visitor.Dword("Precision", s.precision, ui::kFloatPrecision, 10);
  visitor.Dword("Notation", s.notation, 0, 2);
  visitor.Bool("ShowZeros", s.show_zeros);
  visitor.Bool("AlwaysGraphInRadians", s.always_graph_in_radians);
  visitor.Dword("NumberMode", s.number_mode, 0, 2);
  visitor.Dword("AngleMode", s.angle_mode, 0, 1);
  visitor.Bool("UseSmartSolve", s.use_smart_solve);
  visitor.Dword("StyleIndex", s.style_index, 0, 1);
  visitor.Bool("UseSmallFont", s.use_small_font);
  visitor.Bool("UseLargeFont", s.use_large_font);
  visitor.Bool("UseColorParenthesis", s.use_color_parenthesis);
  visitor.Colour("AnswerColor", s.answer_color);
  visitor.Colour("CellColor1", s.cell_color1);
  visitor.Colour("CellColor2", s.cell_color2);
}

inline constexpr std::string_view kFullscreenValue = "Fullscreen";

// Reads every option (a value that is missing, of the wrong type or out of
// range keeps its current value), then applies the colour fall-backs and sets
// the engine's angle unit. Also reads "Fullscreen". False when the registry
// cannot be read (everything stays as it was).
bool LoadSettings(const Registry& registry, ui::ProgramSettings& settings);
// Writes every option in the same order, the current screen as "Start".
bool SaveSettings(const Registry& registry, ui::ProgramSettings& settings, int current_screen);

// Copies the options the engine reads directly (angle unit, decimals).
void ApplyEngineSettings(const ui::ProgramSettings& settings);

}  // namespace zentrix::shell
