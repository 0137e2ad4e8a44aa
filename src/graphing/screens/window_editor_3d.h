#pragma once
// The 3D grapher's window editor: Xmin, Xmax, Ymin, Ymax, Zmin, Zmax. Standard
// sets every bound to -10 and 10.

#include "graphing/model/window3d.h"
#include "graphing/screens/window_editor.h"

namespace zentrix::graphing::screens {

using WindowEditor3D = ModelWindowEditor<Window3D>;

}  // namespace zentrix::graphing::screens
