#include "graphing/files/graph_settings.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/core/charset.h"

namespace zentrix::graphing::files {
namespace {

constexpr std::uint32_t kLargestColour = 0xFFFFFF;

struct Keys {
  std::string program;
  std::string graphing2d;
  std::string graphing3d;
};

struct Reader {
  const platform::RegistryFile& registry;

  void Int(std::string_view key, std::string_view name, int& value, int min, int max) {
    if (auto v = registry.GetDword(key, name)) {
      const auto stored = static_cast<std::int32_t>(*v);
      if (stored >= min && stored <= max) value = stored;
    }
  }
  void Bool(std::string_view key, std::string_view name, bool& value) {
    if (auto v = registry.GetDword(key, name)) value = *v == 1;
  }
  void Colour(std::string_view key, std::string_view name, graphing::Colour& value) {
    if (auto v = registry.GetDword(key, name); v && *v <= kLargestColour) value = *v;
  }
  // Missing, malformed or overlong texts read as empty.
  void Text(std::string_view key, std::string_view name, std::u16string& value) {
    value.clear();
    const std::optional<std::string> stored = registry.GetString(key, name);
    if (!stored || stored->size() > 4 * kLongestSettingText) return;
    chars::Utf8Decoding decoded = chars::FromUtf8(*stored);
    if (decoded.ok() && decoded.text.size() <= kLongestSettingText) value = std::move(decoded.text);
  }
  // Angles in degrees; taken modulo a turn.
  void Angle(std::string_view key, std::string_view name, float& value) {
    const std::optional<std::string> stored = registry.GetString(key, name);
    if (!stored) return;
    double parsed = 0.0;
    const char* last = stored->data() + stored->size();
    const auto [end, error] = std::from_chars(stored->data(), last, parsed);
    if (error == std::errc() && end == last && std::isfinite(parsed)) {
      value = static_cast<float>(std::fmod(parsed, 360.0));
    }
  }
};

struct Writer {
  platform::RegistryFile& registry;

  void Int(std::string_view key, std::string_view name, int& value, int, int) {
    registry.SetDword(key, name, static_cast<std::uint32_t>(value));
  }
  void Bool(std::string_view key, std::string_view name, bool& value) {
    registry.SetDword(key, name, value ? 1 : 0);
  }
  void Colour(std::string_view key, std::string_view name, graphing::Colour& value) {
    registry.SetDword(key, name, value);
  }
  void Text(std::string_view key, std::string_view name, std::u16string& value) {
    registry.SetString(key, name, chars::ToUtf8(value));
  }
  void Angle(std::string_view key, std::string_view name, float& value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                      std::chars_format::fixed, 6);
    registry.SetString(key, name,
                       std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
  }
};

constexpr std::string_view kWindow2DNames[Window2D::kFieldCount] = {"Xmin", "Xmax", "Ymin", "Ymax"};
constexpr std::string_view kWindow3DNames[Window3D::kFieldCount] = {"Xmin", "Xmax", "Ymin",
                                                                    "Ymax", "Zmin", "Zmax"};
constexpr std::string_view kTimeNames[TimeSettings::kFieldCount] = {"Tmin", "Tmax", "Tstep",
                                                                    "TimeControlsStep"};

// Every value, in one order for both directions.
template <class Visitor>
void VisitGraphSettings(const GraphSettingsRefs& s, const Keys& k, Visitor& v) {
  const std::string_view g2 = k.graphing2d;
  const std::string_view g3 = k.graphing3d;
  const std::string_view top = k.program;
  PlotDisplay& d = s.display2d;
  render3d::View3D& view = s.view3d;

  v.Int(g2, "Dimensions", s.dimensions, 0, 1);
  for (int f = 0; f < Window2D::kFieldCount; ++f) {
    v.Text(g2, kWindow2DNames[f], s.window2d.field(static_cast<Window2D::Field>(f)).text);
  }
  for (int f = 0; f < Window3D::kFieldCount; ++f) {
    v.Text(g3, kWindow3DNames[f], s.window3d.field(static_cast<Window3D::Field>(f)).text);
  }
  v.Bool(top, "TimeIsUnbounded", s.time.unbounded);
  for (int f = 0; f < TimeSettings::kFieldCount; ++f) {
    v.Text(top, kTimeNames[f], s.time.field(static_cast<TimeSettings::Field>(f)).text);
  }
  v.Bool(top, "TimeLoop", s.time.loop);
  int play_mode = static_cast<int>(s.time.play_mode);
  v.Int(top, "TimeMode", play_mode, 0, 1);
  s.time.play_mode = static_cast<PlayMode>(play_mode);

  v.Colour(g2, "Background Color", d.background_colour);
  v.Colour(g2, "Axis Color", d.axis_colour);
  v.Colour(g2, "Gird Color", d.grid_colour);
  v.Colour(g2, "Side-Tick Color", d.side_tick_colour);
  v.Colour(g2, "Number Color", d.number_colour);
  v.Bool(g2, "Show Axis", d.axis);
  v.Bool(g2, "Show Grid", d.grid);
  v.Bool(g2, "Show Side-Ticks", d.side_ticks);
  v.Bool(g2, "Show Numbers", d.numbers);
  v.Int(g2, "Number Interval", d.number_interval, 1, 1000);
  v.Colour(g2, "Intersections Color", d.intersections_colour);
  v.Colour(g2, "Minimums Color", d.minima_colour);
  v.Colour(g2, "Maximums Color", d.maxima_colour);
  v.Colour(g2, "Zeros Color", d.zeros_colour);
  v.Colour(g2, "Tracer Color", d.tracer_colour);
  v.Angle(g2, "RotateX", view.rotation[0]);
  v.Angle(g2, "RotateY", view.rotation[1]);
  v.Angle(g2, "RotateZ", view.rotation[2]);
  v.Bool(g2, "PlotAll", s.single_plot_2d);

  v.Colour(g3, "Background Color", s.background3d);
  int shade = view.shade == render3d::ShadeModel::kSmooth ? 1 : 0;
  v.Int(g3, "Shade Mode", shade, 0, 1);
  view.shade = shade == 1 ? render3d::ShadeModel::kSmooth : render3d::ShadeModel::kFlat;
  v.Bool(g3, "Lighting", view.lighting);
  v.Bool(g3, "PlotAll3D", s.single_plot_3d);
  v.Int(g3, "AxisMode", view.axes.mode, 0, 1);
  v.Bool(g3, "ShowAxisX", view.axes.show[0]);
  v.Bool(g3, "ShowAxisY", view.axes.show[1]);
  v.Bool(g3, "ShowAxisZ", view.axes.show[2]);
  v.Colour(g3, "ColorAxisX", view.axes.colours[0]);
  v.Colour(g3, "ColorAxisY", view.axes.colours[1]);
  v.Colour(g3, "ColorAxisZ", view.axes.colours[2]);
}

// After reading: empty or failing texts give the defaults; the values follow the texts.
void ApplyReadTexts(const GraphSettingsRefs& s) {
  if (s.window2d.text(Window2D::kXmin).empty() || !s.window2d.Apply().ok) s.window2d.Standard();
  if (s.window3d.text(Window3D::kXmin).empty() || !s.window3d.Apply().ok) s.window3d.Standard();
  if (s.time.text(TimeSettings::kTmin).empty() || !s.time.Apply().ok) s.time.SetDefaults();
}

}  // namespace

void ExchangeGraphSettings(platform::RegistryFile& registry, std::string_view program_key,
                           StreamMode mode, const GraphSettingsRefs& settings) {
  const std::string key(program_key);
  const Keys keys{key, key + "\\" + std::string(kGraphing2DKey),
                  key + "\\" + std::string(kGraphing3DKey)};
  if (mode == StreamMode::kWrite) {
    Writer writer{registry};
    VisitGraphSettings(settings, keys, writer);
    return;
  }
  Reader reader{registry};
  VisitGraphSettings(settings, keys, reader);
  ApplyReadTexts(settings);
}

}  // namespace zentrix::graphing::files
