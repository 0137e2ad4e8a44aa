#pragma once
// The graphers' settings in the registry, exchanged in one pass in either
// direction: the windows, time settings and display options under the
// program's key and its subkeys "Graphing2D" and "Graphing3D".
//
// Kinds: ints, flags and colours are dwords (a flag reads true only when 1;
// a colour above 0xFFFFFF or an int outside its range is ignored), texts are
// UTF-8 strings, the rotation angles strings with six decimals. A value that
// is missing or unusable keeps what the object holds.
//
// Reading applies the windows and the time settings: an empty stored Xmin (a
// first run) gives the window's Standard texts, an empty Tmin the four time
// defaults "0", "100", "0.5", "0.05"; texts that do not evaluate fall back to
// those defaults as well.

#include <string_view>

#include "graphing/files/graph_stream.h"
#include "graphing/model/time_settings.h"
#include "graphing/model/window2d.h"
#include "graphing/model/window3d.h"
#include "graphing/plot2d/view_settings.h"
#include "graphing/render3d/scene/view3d.h"
#include "platform/registry_file.h"

namespace zentrix::graphing::files {

inline constexpr std::string_view kGraphing2DKey = "Graphing2D";
inline constexpr std::string_view kGraphing3DKey = "Graphing3D";
// Stored texts longer than this are not window texts and read as empty.
inline constexpr std::size_t kLongestSettingText = 256;

// What the settings exchange reads and writes, held by the graphers.
struct GraphSettingsRefs {
  int& dimensions;  // "Dimensions": the grapher shown last, 0 2D, 1 3D
  Window2D& window2d;
  Window3D& window3d;
  TimeSettings& time;
  PlotDisplay& display2d;    // axis, grid, side-ticks, numbers, analysis colours
  bool& single_plot_2d;      // "PlotAll"
  render3d::View3D& view3d;  // rotation, shade mode, lighting, axes
  Colour& background3d;
  bool& single_plot_3d;  // "PlotAll3D"
};

// Reads every value from the registry, or writes every value into it (the
// caller stores the registry file afterwards).
void ExchangeGraphSettings(platform::RegistryFile& registry, std::string_view program_key,
                           StreamMode mode, const GraphSettingsRefs& settings);

}  // namespace zentrix::graphing::files
