#include "shell/settings/settings_store.h"

#include "engine/core/engine_state.h"

namespace zentrix::shell {
namespace {

constexpr std::uint32_t kDefaultAnswerColour = 0x0000FF;
constexpr std::uint32_t kDefaultCellColour = 0xE6E6FF;
constexpr std::uint32_t kLargestColour = 0xFFFFFF;

struct Loader {
  const platform::RegistryFile& file;

  void Dword(std::string_view name, int& value, int min, int max) {
    if (auto v = file.GetDword(kProgramKey, name)) {
      const auto signed_value = static_cast<std::int32_t>(*v);
      if (signed_value >= min && signed_value <= max) value = signed_value;
    }
  }
  // A boolean is true only when exactly 1 is stored.
  void Bool(std::string_view name, bool& value) {
    if (auto v = file.GetDword(kProgramKey, name)) value = *v == 1;
  }
  void Colour(std::string_view name, std::uint32_t& value) {
    if (auto v = file.GetDword(kProgramKey, name); v && *v <= kLargestColour) value = *v;
  }
};

struct Saver {
  platform::RegistryFile& file;

  void Dword(std::string_view name, int& value, int, int) {
    file.SetDword(kProgramKey, name, static_cast<std::uint32_t>(value));
  }
  void Bool(std::string_view name, bool& value) { file.SetDword(kProgramKey, name, value ? 1 : 0); }
  void Colour(std::string_view name, std::uint32_t& value) {
    file.SetDword(kProgramKey, name, value);
  }
};

}  // namespace

bool LoadSettings(const Registry& registry, ui::ProgramSettings& settings) {
  auto file = registry.Open();
  if (!file) return false;
  VisitSettings(settings, Loader{*file});
  if (settings.answer_color == 0) settings.answer_color = kDefaultAnswerColour;
  if (settings.cell_color1 == 0) settings.cell_color1 = kDefaultCellColour;
  if (auto v = file->GetDword(kProgramKey, kFullscreenValue)) settings.fullscreen = *v == 1;
  engine::Engine().angle_unit = settings.angle_mode;
  return true;
}

bool SaveSettings(const Registry& registry, ui::ProgramSettings& settings, int current_screen) {
  auto file = registry.Open();
  if (!file) return false;
  settings.start_screen = current_screen;
  VisitSettings(settings, Saver{*file});
  return registry.Store(*file);
}

void ApplyEngineSettings(const ui::ProgramSettings& settings) {
  engine::EngineState& engine = engine::Engine();
  engine.angle_unit = settings.angle_mode;
  engine.number_format.precision = settings.precision;
  engine.number_format.notation = static_cast<engine::Notation>(settings.notation);
  engine.number_format.show_zeros = settings.show_zeros;
}

}  // namespace zentrix::shell
