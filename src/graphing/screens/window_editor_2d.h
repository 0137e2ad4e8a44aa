#pragma once
// The 2D grapher's window editor: Xmin, Xmax, Ymin, Ymax. Standard follows
// the plot area the grapher set on the window (a unit as long on both axes).

#include "graphing/model/window2d.h"
#include "graphing/screens/window_editor.h"

namespace zentrix::graphing::screens {

using WindowEditor2D = ModelWindowEditor<Window2D>;

}  // namespace zentrix::graphing::screens
