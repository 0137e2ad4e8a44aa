#include "graphing/model/mesh3d.h"

namespace zentrix::graphing {

bool Mesh3D::Allocate(int u_cells, int v_cells, bool with_normals) {
  const std::size_t n =
      static_cast<std::size_t>(u_cells + 1) * static_cast<std::size_t>(v_cells + 1);
  const bool same = u_cells == u_count && v_cells == v_count && valid.size() == n &&
                    normals.size() == (with_normals ? 3 * n : 0);
  if (same) return false;
  u_count = u_cells;
  v_count = v_cells;
  const std::size_t cells = static_cast<std::size_t>(u_cells) * static_cast<std::size_t>(v_cells);
  vertices.assign(3 * n, 0);
  valid.assign(n, 0);
  colours.assign(4 * n, 0);
  normals.assign(with_normals ? 3 * n : 0, 0);
  triangles.assign(6 * cells, 0);
  // Every horizontal and vertical edge, or the segments of a space curve.
  lines.assign(2 * (static_cast<std::size_t>(u_cells) * (v_cells + 1) +
                    static_cast<std::size_t>(v_cells) * (u_cells + 1) + u_cells + v_cells),
               0);
  triangle_count = 0;
  line_count = 0;
  return true;
}

}  // namespace zentrix::graphing
