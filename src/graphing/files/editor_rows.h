#pragma once
// The texts of a graph's editor row, in the order the graph files keep them:
//   Function      the expression ("y=")
//   Parametric    x(u), y(u), u minimum, u maximum, number of steps
//   Polar         r(θ), θ minimum, θ maximum, number of steps
//   3D Function   the expression ("z="), PointsX ("Xpoints="), PointsY ("Ypoints=")
//   3D Parametric x, y, z, u minimum, maximum, points, v minimum, maximum, points
//   Spherical, Cylindrical
//                 the expression, the first variable's minimum, maximum, points,
//                 then the second variable's
// Statistical plots have no editor row (their record holds their lists).

#include <array>
#include <cstddef>
#include <string>

#include "graphing/model/graph2d.h"
#include "graphing/model/graph3d.h"

namespace zentrix::graphing::files {

struct EditorRow {
  std::array<std::u16string*, 9> fields{};
  int size = 0;

  std::u16string& operator[](int i) const { return *fields[static_cast<std::size_t>(i)]; }
};

EditorRow EditorRowOf(Graph2D& graph);
EditorRow EditorRowOf(Graph3D& graph);

}  // namespace zentrix::graphing::files
