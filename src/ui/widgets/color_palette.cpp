#include "ui/widgets/color_palette.h"

#include <array>

namespace zentrix::ui {
namespace {

using Ramp = std::array<int, kPaletteColumns>;

Ramp MakeRamp(double scale, double base) {
  Ramp ramp{};
  for (int i = 0; i < kPaletteColumns; ++i) {
    ramp[static_cast<std::size_t>(i)] = static_cast<int>(i * 0.1 * scale + base);
  }
  return ramp;
}

// The hues in row order; `towards_white` mixes the other channels with v,
// otherwise the hue's own channels are scaled by 255 − v.
enum class Hue { kRed, kMagenta, kBlue, kCyan, kGreen, kYellow, kOrange };
constexpr std::array<Hue, 7> kHues{Hue::kRed,   Hue::kMagenta, Hue::kBlue,  Hue::kCyan,
                                   Hue::kGreen, Hue::kYellow,  Hue::kOrange};

draw::Color TowardsWhite(Hue hue, int v) {
  switch (hue) {
    case Hue::kRed: return draw::MakeColor(255, v, v);
    case Hue::kMagenta: return draw::MakeColor(255, v, 255);
    case Hue::kBlue: return draw::MakeColor(v, v, 255);
    case Hue::kCyan: return draw::MakeColor(v, 255, 255);
    case Hue::kGreen: return draw::MakeColor(v, 255, v);
    case Hue::kYellow: return draw::MakeColor(255, 255, v);
    case Hue::kOrange: return draw::MakeColor(255, v / 2 + 127, v);
  }
  return 0;
}

draw::Color TowardsBlack(Hue hue, int v) {
  const int s = 255 - v;
  switch (hue) {
    case Hue::kRed: return draw::MakeColor(s, 0, 0);
    case Hue::kMagenta: return draw::MakeColor(s, 0, s);
    case Hue::kBlue: return draw::MakeColor(0, 0, s);
    case Hue::kCyan: return draw::MakeColor(0, s, s);
    case Hue::kGreen: return draw::MakeColor(0, s, 0);
    case Hue::kYellow: return draw::MakeColor(s, s, 0);
    case Hue::kOrange: return draw::MakeColor(s, s / 2, 0);
  }
  return 0;
}

}  // namespace

int PaletteRows(PaletteKind kind) { return kind == PaletteKind::kNormal ? 15 : 8; }

std::vector<draw::Color> BuildPalette(PaletteKind kind) {
  std::vector<draw::Color> colors;
  colors.reserve(static_cast<std::size_t>(PaletteRows(kind) * kPaletteColumns));
  if (kind == PaletteKind::kNormal) {
    const Ramp v = MakeRamp(255, 0);
    for (const Hue hue : kHues) {
      for (const int step : v) colors.push_back(TowardsWhite(hue, step));
      for (const int step : v) colors.push_back(TowardsBlack(hue, step));
    }
    for (const int step : v) colors.push_back(draw::MakeColor(255 - step, 255 - step, 255 - step));
  } else {
    const Ramp v = MakeRamp(55, 200);
    for (const Hue hue : kHues) {
      for (const int step : v) colors.push_back(TowardsWhite(hue, step));
    }
    for (const int step : v) colors.push_back(draw::MakeColor(step, step, step));
  }
  return colors;
}

}  // namespace zentrix::ui
