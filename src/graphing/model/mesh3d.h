#pragma once
// The buffers a 3D graph's last sampling pass fills for the renderer: a grid of
// (u count + 1) × (v count + 1) vertices in fixed point (10 fractional bits),
// their valid flags, colours and normals, and 16-bit triangle and line index
// lists. The renderer fills them; the graph owns them.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zentrix::graphing {

struct Mesh3D {
  int u_count = 0;                       // cells across (PointsX, or the u count)
  int v_count = 0;                       // cells down
  std::vector<std::int32_t> vertices;    // 3 per vertex: first, up, depth
  std::vector<std::uint8_t> valid;       // 1 per vertex
  std::vector<std::uint8_t> colours;     // 4 per vertex: red, green, blue, alpha
  std::vector<std::int32_t> normals;     // 3 per vertex, only with lighting
  std::vector<std::uint16_t> triangles;  // 3 per triangle
  std::vector<std::uint16_t> lines;      // 2 per line
  int triangle_count = 0;
  int line_count = 0;
  // Changes whenever the mesh is computed again (unique across meshes), so a
  // painter can tell that a still scene is the one it drew last.
  std::uint64_t version = 0;

  std::size_t vertex_count() const {
    return static_cast<std::size_t>(u_count + 1) * static_cast<std::size_t>(v_count + 1);
  }

  // Sizes every buffer for the counts; the buffers are reallocated only when
  // the counts (or the need for normals) change. Index lists get their
  // largest possible size. Answers whether the buffers were resized.
  bool Allocate(int u_cells, int v_cells, bool with_normals);
};

}  // namespace zentrix::graphing
