#pragma once
// Index lists, chunks and counts of a graph's mesh (Mesh3D, owned by the graph).
//
// A mesh is a grid of (u_count + 1) × (v_count + 1) vertices, or a space curve
// of u_count + 1 vertices when v_count is 0. Vertex (i, j) has index
// j · (u_count + 1) + i. Index lists are 16-bit, so a grid of more than 65,536
// vertices is split into chunks of whole vertex rows: a chunk starts at a row's
// first vertex, holds as many rows as 16-bit indices reach, and shares its last
// row with the next chunk, so the cells between chunks are drawn once and
// nothing is lost. The index lists hold each chunk's indices (relative to the
// chunk's first vertex) one chunk after another; the chunks read the mesh's own
// vertex arrays from their first vertex on, so no vertex data is copied.

#include <array>
#include <cstdint>

#include "graphing/model/mesh3d.h"

namespace zentrix::graphing::render3d {

// Largest vertex count that 16-bit indices address.
constexpr int kMaxChunkVertices = 65536;
constexpr int kMaxChunks = 64;
// Largest mesh accepted (point counts are clamped to 1000 × 1000 upstream).
constexpr int kMaxMeshVertices = 1001 * 1001;

// Whether a grid of `columns` × `rows` cells (rows 0: a curve) can be meshed.
bool MeshShapeFits(int columns, int rows);

inline bool IsCurve(const Mesh3D& mesh) { return mesh.v_count == 0; }

struct MeshChunk {
  int first_vertex = 0;
  int vertex_count = 0;
  const std::uint16_t* triangles = nullptr;
  int triangle_indices = 0;  // three per triangle
  const std::uint16_t* lines = nullptr;
  int line_indices = 0;  // two per line
};

struct MeshChunkList {
  std::array<MeshChunk, kMaxChunks> chunks{};
  int count = 0;
};

// Rebuilds the index lists from the valid flags: two triangles per cell whose
// four corners are valid, a line per edge whose two ends are valid, or the
// curve's segments between valid neighbours. Sets the triangle and line counts.
void BuildMeshIndices(Mesh3D& mesh);

// The chunks of the mesh's current index lists.
MeshChunkList ChunksOf(const Mesh3D& mesh);

struct MeshCounts {
  int vertices = 0;
  int valid = 0;
  int triangles = 0;
  int lines = 0;
};
MeshCounts CountMesh(const Mesh3D& mesh);

// Vertex normals of length 1024: the face normal of each drawn cell's first
// triangle is added to the cell's four corners; degenerate faces add nothing.
void ComputeMeshNormals(Mesh3D& mesh);

}  // namespace zentrix::graphing::render3d
