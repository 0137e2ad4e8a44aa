#pragma once
// The dump's "window" field of each grapher: the applied bounds as numbers,
// {"xmin": ..., "xmax": ..., "ymin": ..., "ymax": ...} (and "zmin", "zmax"
// in 3D).

#include "graphing/model/window2d.h"
#include "graphing/model/window3d.h"
#include "ui/core/json_writer.h"

namespace zentrix::graphing::screens {

void WriteWindowJson(const Window2D& window, ui::JsonWriter& json);
void WriteWindowJson(const Window3D& window, ui::JsonWriter& json);

}  // namespace zentrix::graphing::screens
