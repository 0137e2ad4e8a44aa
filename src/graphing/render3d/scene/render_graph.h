#pragma once
// The draw passes of one graph's mesh through the rasteriser: a space curve as
// lines; a surface, per chunk, as points, then lines, then faces, each pass in
// its colour rule.

#include "graphing/model/graph3d.h"
#include "graphing/render3d/raster/rasterizer.h"

namespace zentrix::graphing::render3d {

// Nothing happens for a hidden graph or an empty mesh. Lighting applies when
// the graph's lighting is on and its mesh has normals.
void RenderGraph(Rasterizer& rasterizer, const Graph3D& graph);

}  // namespace zentrix::graphing::render3d
