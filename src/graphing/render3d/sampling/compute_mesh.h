#pragma once
// Sampling a 3D graph into its mesh: every vertex of the grid (or of the space
// curve) is evaluated in double precision, mapped into the model cube in fixed
// point and marked valid or invalid; then the index lists, the normals (with
// lighting) and the colours follow.
//
// Model vertices are (first, up, depth): first = mapped x, up = mapped z and
// depth = −(mapped y), so the y axis runs away from the viewer on every kind.
// A Function surface spreads its PointsX × PointsY grid evenly over the
// cube's first and depth coordinates, Ymin nearest; only z is mapped.

#include "graphing/model/graph3d.h"
#include "graphing/model/window3d.h"
#include "graphing/render3d/sampling/window_mapping.h"

namespace zentrix::graphing::render3d {

// Recomputes the mesh of the graph at time t. A graph that is not compiled, a
// Parametric graph that uses neither u nor v, or a shape too large to mesh
// leaves an empty mesh (nothing drawn); false then.
bool ComputeMesh(Graph3D& graph, const Window3D& window, double t);

}  // namespace zentrix::graphing::render3d
