#pragma once
// Test support: owned values of every graph setting the registry exchange
// reads and writes, at their defaults.

#include "graphing/files/graph_settings.h"

namespace zentrix::graphing::files::testing {

struct GraphSettingsHolder {
  int dimensions = 0;
  Window2D window2d;
  Window3D window3d;
  TimeSettings time;
  PlotDisplay display2d;
  bool single2d = false;
  render3d::View3D view3d;
  Colour background3d = 0;
  bool single3d = false;

  GraphSettingsRefs Refs() {
    return {dimensions, window2d, window3d,     time,    display2d,
            single2d,   view3d,   background3d, single3d};
  }
};

}  // namespace zentrix::graphing::files::testing
