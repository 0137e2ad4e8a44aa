#include "graphing/render3d/mesh/mesh_indices.h"

#include <algorithm>

#include "graphing/render3d/raster/fixed_point.h"

namespace zentrix::graphing::render3d {
namespace {

int RowsPerChunk(const Mesh3D& mesh) { return kMaxChunkVertices / (mesh.u_count + 1); }

bool Valid(const Mesh3D& mesh, int index) {
  return mesh.valid[static_cast<std::size_t>(index)] != 0;
}

struct ChunkSize {
  int triangle_indices = 0;
  int line_indices = 0;
};

// Walks the chunk of vertex rows [first_row, last_row]: counts its indices
// and, when the outputs are given, writes them. The last row's horizontal
// edges belong to the next chunk unless this is the last.
ChunkSize WalkChunk(const Mesh3D& mesh, int first_row, int last_row, bool last,
                    std::uint16_t* triangles, std::uint16_t* lines) {
  const int row_length = mesh.u_count + 1;
  const int base = first_row * row_length;
  ChunkSize size;
  auto line = [&](int a, int b) {
    if (lines != nullptr) {
      lines[size.line_indices] = static_cast<std::uint16_t>(a - base);
      lines[size.line_indices + 1] = static_cast<std::uint16_t>(b - base);
    }
    size.line_indices += 2;
  };
  const int last_line_row = last ? last_row : last_row - 1;
  for (int j = first_row; j <= last_line_row; ++j) {
    for (int i = 0; i < mesh.u_count; ++i) {
      const int p = j * row_length + i;
      if (Valid(mesh, p) && Valid(mesh, p + 1)) line(p, p + 1);
    }
  }
  for (int j = first_row; j < last_row; ++j) {
    for (int i = 0; i <= mesh.u_count; ++i) {
      const int p = j * row_length + i;
      const int q = p + row_length;
      if (Valid(mesh, p) && Valid(mesh, q)) line(p, q);
      if (i == mesh.u_count ||
          !(Valid(mesh, p) && Valid(mesh, p + 1) && Valid(mesh, q) && Valid(mesh, q + 1))) {
        continue;
      }
      if (triangles != nullptr) {
        // Both triangles wind counter-clockwise in (i, j), as the normals assume.
        const int corners[6] = {p, p + 1, q, q + 1, q, p + 1};
        for (int k = 0; k < 6; ++k) {
          triangles[size.triangle_indices + k] = static_cast<std::uint16_t>(corners[k] - base);
        }
      }
      size.triangle_indices += 6;
    }
  }
  return size;
}

template <typename Visit>
void ForEachChunkRows(const Mesh3D& mesh, Visit visit) {
  const int per_chunk = RowsPerChunk(mesh);
  for (int first = 0; first < mesh.v_count; first += per_chunk - 1) {
    const int last = std::min(mesh.v_count, first + per_chunk - 1);
    visit(first, last, last == mesh.v_count);
  }
}

}  // namespace

bool MeshShapeFits(int columns, int rows) {
  if (columns < 1 || rows < 0 || columns + 1 > kMaxChunkVertices / 2) return false;
  const std::int64_t vertices = (std::int64_t{columns} + 1) * (std::int64_t{rows} + 1);
  if (vertices > kMaxMeshVertices) return false;
  const int per_chunk = kMaxChunkVertices / (columns + 1);
  return rows == 0 || (rows + per_chunk - 2) / (per_chunk - 1) <= kMaxChunks;
}

void BuildMeshIndices(Mesh3D& mesh) {
  mesh.triangle_count = 0;
  mesh.line_count = 0;
  const std::size_t n = mesh.vertex_count();
  if (mesh.u_count < 1 || mesh.valid.size() != n) return;
  if (IsCurve(mesh)) {
    for (int i = 0; i < mesh.u_count; ++i) {
      if (Valid(mesh, i) && Valid(mesh, i + 1)) {
        mesh.lines[2 * mesh.line_count] = static_cast<std::uint16_t>(i);
        mesh.lines[2 * mesh.line_count + 1] = static_cast<std::uint16_t>(i + 1);
        ++mesh.line_count;
      }
    }
    return;
  }
  int triangle_indices = 0, line_indices = 0;
  ForEachChunkRows(mesh, [&](int first, int last, bool is_last) {
    const ChunkSize size =
        WalkChunk(mesh, first, last, is_last, mesh.triangles.data() + triangle_indices,
                  mesh.lines.data() + line_indices);
    triangle_indices += size.triangle_indices;
    line_indices += size.line_indices;
  });
  mesh.triangle_count = triangle_indices / 3;
  mesh.line_count = line_indices / 2;
}

MeshChunkList ChunksOf(const Mesh3D& mesh) {
  MeshChunkList list;
  const std::size_t n = mesh.vertex_count();
  if (mesh.u_count < 1 || mesh.valid.size() != n) return list;
  if (IsCurve(mesh) || n <= static_cast<std::size_t>(kMaxChunkVertices)) {
    list.chunks[0] = {0,
                      static_cast<int>(n),
                      mesh.triangles.data(),
                      3 * mesh.triangle_count,
                      mesh.lines.data(),
                      2 * mesh.line_count};
    list.count = 1;
    return list;
  }
  // The chunks' lengths follow from the valid flags, walked again without writing.
  const int row_length = mesh.u_count + 1;
  int triangle_indices = 0, line_indices = 0;
  ForEachChunkRows(mesh, [&](int first, int last, bool is_last) {
    if (list.count == kMaxChunks) return;
    const ChunkSize size = WalkChunk(mesh, first, last, is_last, nullptr, nullptr);
    list.chunks[list.count++] = {first * row_length,
                                 (last - first + 1) * row_length,
                                 mesh.triangles.data() + triangle_indices,
                                 size.triangle_indices,
                                 mesh.lines.data() + line_indices,
                                 size.line_indices};
    triangle_indices += size.triangle_indices;
    line_indices += size.line_indices;
  });
  return list;
}

MeshCounts CountMesh(const Mesh3D& mesh) {
  MeshCounts counts;
  if (mesh.valid.size() != mesh.vertex_count()) return counts;
  counts.vertices = static_cast<int>(mesh.vertex_count());
  counts.valid = static_cast<int>(std::count(mesh.valid.begin(), mesh.valid.end(), 1));
  counts.triangles = mesh.triangle_count;
  counts.lines = mesh.line_count;
  return counts;
}

void ComputeMeshNormals(Mesh3D& mesh) {
  std::fill(mesh.normals.begin(), mesh.normals.end(), 0);
  const std::size_t n = mesh.vertex_count();
  if (IsCurve(mesh) || mesh.normals.size() != 3 * n || mesh.valid.size() != n) return;
  const int row_length = mesh.u_count + 1;
  const std::int32_t* v = mesh.vertices.data();
  auto edge = [&](int from, int to, int axis) {
    const std::int64_t d = std::int64_t{v[3 * to + axis]} - v[3 * from + axis];
    return std::clamp<std::int64_t>(d, -(std::int64_t{1} << 30), std::int64_t{1} << 30);
  };
  std::int32_t* normals = mesh.normals.data();
  for (int j = 0; j < mesh.v_count; ++j) {
    for (int i = 0; i < mesh.u_count; ++i) {
      const int p = j * row_length + i;
      const int q = p + row_length;
      if (!(Valid(mesh, p) && Valid(mesh, p + 1) && Valid(mesh, q) && Valid(mesh, q + 1))) {
        continue;
      }
      const std::int64_t ax = edge(p, p + 1, 0), ay = edge(p, p + 1, 1), az = edge(p, p + 1, 2);
      const std::int64_t bx = edge(p, q, 0), by = edge(p, q, 1), bz = edge(p, q, 2);
      const FixedVec3 face =
          NormalizeFixed(((ay * bz) >> kFixedShift) - ((az * by) >> kFixedShift),
                         ((az * bx) >> kFixedShift) - ((ax * bz) >> kFixedShift),
                         ((ax * by) >> kFixedShift) - ((ay * bx) >> kFixedShift));
      for (int corner : {p, p + 1, q, q + 1}) {
        normals[3 * corner] += face.x;
        normals[3 * corner + 1] += face.y;
        normals[3 * corner + 2] += face.z;
      }
    }
  }
  for (std::size_t k = 0; k < n; ++k) {
    const FixedVec3 unit = NormalizeFixed(normals[3 * k], normals[3 * k + 1], normals[3 * k + 2]);
    normals[3 * k] = unit.x;
    normals[3 * k + 1] = unit.y;
    normals[3 * k + 2] = unit.z;
  }
}

}  // namespace zentrix::graphing::render3d
