#pragma once
// The fixed-point mesh of one 3D graph: a grid of (columns + 1) × (rows + 1)
// vertices (or columns + 1 for a space curve), their valid flags, colours and
// normals, and the triangle and line index lists over the valid cells.
//
// Vertex (i, j) has index j · (columns + 1) + i. Index lists are 16-bit, so a
// grid of more than 65,536 vertices is split into chunks of whole vertex rows:
// each chunk starts at a row's first vertex, holds as many rows as 16-bit
// indices can reach, and shares its last row with the next chunk, so that the
// cells between chunks are drawn once and nothing is lost. The chunks index the
// mesh's own arrays from their first vertex on; no vertex data is copied.

#include <cstdint>
#include <vector>

#include "graphing/render3d/raster/fixed_point.h"

namespace zentrix::graphing::render3d {

// Largest vertex count that 16-bit indices can address.
constexpr int kMaxChunkVertices = 65536;
// Largest mesh accepted (point counts are clamped to 1000 × 1000 upstream).
constexpr int kMaxMeshVertices = 1 << 21;

struct MeshChunk {
  int first_vertex = 0;
  int vertex_count = 0;
  std::vector<std::uint16_t> triangles;  // three indices each, relative to first_vertex
  std::vector<std::uint16_t> lines;      // two indices each
};

struct MeshCounts {
  int vertices = 0;
  int valid = 0;
  int triangles = 0;
  int lines = 0;
};

class SurfaceMesh {
 public:
  // Sizes the buffers for a grid (rows ≥ 1) or a space curve (rows = 0) with
  // `columns` ≥ 1 steps. Buffers are reallocated only when the shape changes.
  // False (and an empty mesh) when the shape is impossible or memory runs out.
  bool Allocate(int columns, int rows);
  void Release();

  bool Empty() const { return vertex_count_ == 0; }
  bool IsCurve() const { return rows_ == 0 && vertex_count_ > 0; }
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  int VertexCount() const { return vertex_count_; }
  int IndexOf(int i, int j) const { return j * (columns_ + 1) + i; }

  std::int32_t* Vertex(int index) { return vertices_.data() + 3 * static_cast<std::size_t>(index); }
  const std::int32_t* Vertices() const { return vertices_.data(); }
  std::vector<std::uint8_t>& Valid() { return valid_; }
  const std::vector<std::uint8_t>& Valid() const { return valid_; }
  std::uint8_t* Colors() { return colors_.data(); }
  const std::uint8_t* Colors() const { return colors_.data(); }
  const std::int32_t* Normals() const { return normals_.data(); }
  const std::vector<MeshChunk>& Chunks() const { return chunks_; }
  const MeshCounts& Counts() const { return counts_; }

  // Clears every vertex to (0, 0, 0) and invalid.
  void ClearVertices();
  // Rebuilds the index lists from the valid flags: two triangles per cell whose
  // four corners are valid, a line per edge whose two ends are valid, or the
  // curve's segments between valid neighbours.
  void BuildIndices();
  // Vertex normals of length 1024 (face normals of each drawn cell's first
  // triangle added to its corners); degenerate faces add nothing.
  void ComputeNormals();

 private:
  void BuildGridChunk(MeshChunk& chunk, int first_row, int last_row, bool last);
  void BuildCurve(MeshChunk& chunk);

  int columns_ = 0;
  int rows_ = 0;
  int vertex_count_ = 0;
  std::vector<std::int32_t> vertices_;
  std::vector<std::uint8_t> valid_;
  std::vector<std::uint8_t> colors_;
  std::vector<std::int32_t> normals_;
  std::vector<MeshChunk> chunks_;
  MeshCounts counts_;
};

}  // namespace zentrix::graphing::render3d
