#include "graphing/render3d/mesh/surface_mesh.h"

#include <algorithm>
#include <new>

namespace zentrix::graphing::render3d {
namespace {

// Vertex rows per chunk: as many as 16-bit indices reach, at least two.
int RowsPerChunk(int row_length) {
  return kMaxChunkVertices / row_length;
}

}  // namespace

bool SurfaceMesh::Allocate(int columns, int rows) {
  if (columns < 1 || rows < 0 || columns >= kMaxChunkVertices / 2 ||
      (std::int64_t{columns} + 1) * (std::int64_t{rows} + 1) > kMaxMeshVertices) {
    Release();
    return false;
  }
  if (columns == columns_ && rows == rows_ && vertex_count_ > 0) return true;
  const std::size_t row_length = static_cast<std::size_t>(columns) + 1;
  const std::size_t count = row_length * (static_cast<std::size_t>(rows) + 1);
  try {
    vertices_.assign(3 * count, 0);
    valid_.assign(count, 0);
    colors_.assign(4 * count, 255);
    normals_.assign(3 * count, 0);
    chunks_.clear();
    if (rows == 0) {
      MeshChunk curve;
      curve.vertex_count = static_cast<int>(count);
      curve.lines.reserve(2 * static_cast<std::size_t>(columns));
      chunks_.push_back(std::move(curve));
    } else {
      const int per_chunk = RowsPerChunk(static_cast<int>(row_length));
      for (int first = 0; first < rows; first += per_chunk - 1) {
        const int last = std::min(rows, first + per_chunk - 1);
        const std::size_t cells = static_cast<std::size_t>(last - first) * columns;
        MeshChunk chunk;
        chunk.first_vertex = first * static_cast<int>(row_length);
        chunk.vertex_count = (last - first + 1) * static_cast<int>(row_length);
        chunk.triangles.reserve(6 * cells);
        chunk.lines.reserve(4 * cells + 2 * static_cast<std::size_t>(columns) +
                            2 * static_cast<std::size_t>(last - first));
        chunks_.push_back(std::move(chunk));
      }
    }
  } catch (const std::bad_alloc&) {
    Release();
    return false;
  }
  columns_ = columns;
  rows_ = rows;
  vertex_count_ = static_cast<int>(count);
  counts_ = {vertex_count_, 0, 0, 0};
  return true;
}

void SurfaceMesh::Release() {
  *this = SurfaceMesh();
}

void SurfaceMesh::ClearVertices() {
  std::fill(vertices_.begin(), vertices_.end(), 0);
  std::fill(valid_.begin(), valid_.end(), 0);
}

void SurfaceMesh::BuildIndices() {
  counts_ = {vertex_count_, 0, 0, 0};
  counts_.valid = static_cast<int>(std::count(valid_.begin(), valid_.end(), 1));
  if (Empty()) return;
  if (IsCurve()) {
    BuildCurve(chunks_.front());
  } else {
    const int row_length = columns_ + 1;
    for (std::size_t k = 0; k < chunks_.size(); ++k) {
      MeshChunk& chunk = chunks_[k];
      const int first_row = chunk.first_vertex / row_length;
      const int last_row = first_row + chunk.vertex_count / row_length - 1;
      BuildGridChunk(chunk, first_row, last_row, k + 1 == chunks_.size());
    }
  }
  for (const MeshChunk& chunk : chunks_) {
    counts_.triangles += static_cast<int>(chunk.triangles.size() / 3);
    counts_.lines += static_cast<int>(chunk.lines.size() / 2);
  }
}

void SurfaceMesh::BuildGridChunk(MeshChunk& chunk, int first_row, int last_row, bool last) {
  chunk.triangles.clear();
  chunk.lines.clear();
  const int row_length = columns_ + 1;
  auto local = [&](int index) { return static_cast<std::uint16_t>(index - chunk.first_vertex); };
  // The chunk's last row belongs to the next chunk unless this is the last one.
  const int last_line_row = last ? last_row : last_row - 1;
  for (int j = first_row; j <= last_line_row; ++j) {
    for (int i = 0; i < columns_; ++i) {
      const int p = IndexOf(i, j);
      if (valid_[p] && valid_[p + 1]) {
        chunk.lines.push_back(local(p));
        chunk.lines.push_back(local(p + 1));
      }
    }
  }
  for (int j = first_row; j < last_row; ++j) {
    for (int i = 0; i <= columns_; ++i) {
      const int p = IndexOf(i, j);
      const int q = p + row_length;
      if (valid_[p] && valid_[q]) {
        chunk.lines.push_back(local(p));
        chunk.lines.push_back(local(q));
      }
      if (i == columns_ || !(valid_[p] && valid_[p + 1] && valid_[q] && valid_[q + 1])) continue;
      // Both triangles wind counter-clockwise in (i, j), as the normals assume.
      for (int v : {p, p + 1, q, q + 1, q, p + 1}) chunk.triangles.push_back(local(v));
    }
  }
}

void SurfaceMesh::BuildCurve(MeshChunk& chunk) {
  chunk.lines.clear();
  for (int i = 0; i < columns_; ++i) {
    if (valid_[i] && valid_[i + 1]) {
      chunk.lines.push_back(static_cast<std::uint16_t>(i));
      chunk.lines.push_back(static_cast<std::uint16_t>(i + 1));
    }
  }
}

void SurfaceMesh::ComputeNormals() {
  std::fill(normals_.begin(), normals_.end(), 0);
  if (Empty() || IsCurve()) return;
  const int row_length = columns_ + 1;
  auto edge = [&](int from, int to, int axis) {
    const std::int64_t d = std::int64_t{vertices_[3 * to + axis]} - vertices_[3 * from + axis];
    return std::clamp<std::int64_t>(d, -(std::int64_t{1} << 30), std::int64_t{1} << 30);
  };
  for (int j = 0; j < rows_; ++j) {
    for (int i = 0; i < columns_; ++i) {
      const int p = IndexOf(i, j);
      const int q = p + row_length;
      if (!(valid_[p] && valid_[p + 1] && valid_[q] && valid_[q + 1])) continue;
      const std::int64_t ax = edge(p, p + 1, 0), ay = edge(p, p + 1, 1), az = edge(p, p + 1, 2);
      const std::int64_t bx = edge(p, q, 0), by = edge(p, q, 1), bz = edge(p, q, 2);
      const FixedVec3 n = NormalizeFixed(((ay * bz) >> kFixedShift) - ((az * by) >> kFixedShift),
                                         ((az * bx) >> kFixedShift) - ((ax * bz) >> kFixedShift),
                                         ((ax * by) >> kFixedShift) - ((ay * bx) >> kFixedShift));
      for (int v : {p, p + 1, q, q + 1}) {
        normals_[3 * v] += n.x;
        normals_[3 * v + 1] += n.y;
        normals_[3 * v + 2] += n.z;
      }
    }
  }
  for (int v = 0; v < vertex_count_; ++v) {
    const FixedVec3 n = NormalizeFixed(normals_[3 * v], normals_[3 * v + 1], normals_[3 * v + 2]);
    normals_[3 * v] = n.x;
    normals_[3 * v + 1] = n.y;
    normals_[3 * v + 2] = n.z;
  }
}

}  // namespace zentrix::graphing::render3d
