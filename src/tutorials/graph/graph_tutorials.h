#pragma once
// The graph tutorials: one for the 2D grapher (a function graphed, traced and
// its maximum found) and one for the 3D grapher (a surface graphed and turned
// with the stylus). Each grapher starts its own from the menu bar's tutorials
// element.

#include "tutorials/graph/graph_tutorial_step.h"

namespace zentrix::tutorials {

const GraphTutorial& Graph2DTutorial();
const GraphTutorial& Graph3DTutorial();

}  // namespace zentrix::tutorials
