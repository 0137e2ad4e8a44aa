// Index lists, chunks, normals and colours of meshes filled by hand.

#include "graphing/render3d/mesh/mesh_indices.h"

#include <gtest/gtest.h>

#include <vector>

#include "graphing/render3d/mesh/color_scheme.h"

namespace zentrix::graphing::render3d {
namespace {

// A flat grid at height 0 with every vertex valid; first and depth follow (i, j).
Mesh3D FlatGrid(int columns, int rows, bool normals = false) {
  Mesh3D mesh;
  mesh.Allocate(columns, rows, normals);
  for (int j = 0; j <= rows; ++j) {
    for (int i = 0; i <= columns; ++i) {
      const std::size_t v = static_cast<std::size_t>(j) * (columns + 1) + i;
      mesh.vertices[3 * v] = i * 1024;
      mesh.vertices[3 * v + 2] = -j * 1024;  // rows run away from the viewer
      mesh.valid[v] = 1;
    }
  }
  return mesh;
}

TEST(MeshIndicesTest, TwentyByTwentyGridCounts) {
  Mesh3D mesh = FlatGrid(20, 20);
  BuildMeshIndices(mesh);
  const MeshCounts counts = CountMesh(mesh);
  EXPECT_EQ(counts.vertices, 441);
  EXPECT_EQ(counts.valid, 441);
  EXPECT_EQ(counts.triangles, 800);
  EXPECT_EQ(counts.lines, 840);
}

TEST(MeshIndicesTest, InvalidVerticesLeaveHoles) {
  Mesh3D mesh = FlatGrid(20, 20);
  mesh.valid[10 * 21 + 10] = 0;  // interior: its four cells and four edges go
  mesh.valid[0] = 0;             // corner: one cell and two edges go
  BuildMeshIndices(mesh);
  const MeshCounts counts = CountMesh(mesh);
  EXPECT_EQ(counts.valid, 439);
  EXPECT_EQ(counts.triangles, 800 - 8 - 2);
  EXPECT_EQ(counts.lines, 840 - 4 - 2);
  for (int k = 0; k < 3 * mesh.triangle_count; ++k) {
    EXPECT_EQ(mesh.valid[mesh.triangles[k]], 1);
  }
}

TEST(MeshIndicesTest, CurveSegmentsJoinValidNeighbours) {
  Mesh3D mesh;
  mesh.Allocate(10, 0, false);
  std::fill(mesh.valid.begin(), mesh.valid.end(), 1);
  mesh.valid[4] = 0;
  BuildMeshIndices(mesh);
  EXPECT_EQ(mesh.line_count, 8);
  EXPECT_EQ(mesh.triangle_count, 0);
}

TEST(MeshIndicesTest, LargeMeshesSplitIntoChunksThat16BitIndicesReach) {
  Mesh3D mesh = FlatGrid(1000, 1000);
  mesh.valid[500 * 1001 + 7] = 0;
  BuildMeshIndices(mesh);
  const MeshChunkList list = ChunksOf(mesh);
  ASSERT_GT(list.count, 1);
  // Every cell's triangles appear exactly once over all chunks, and every index
  // stays inside its chunk.
  std::vector<int> drawn(1000 * 1000, 0);
  std::vector<int> edges(2 * 1001 * 1001, 0);
  int triangles = 0, lines = 0;
  for (int c = 0; c < list.count; ++c) {
    const MeshChunk& chunk = list.chunks[c];
    ASSERT_LE(chunk.vertex_count, kMaxChunkVertices);
    for (int k = 0; k < chunk.triangle_indices; k += 6) {
      for (int m = 0; m < 6; ++m) ASSERT_LT(chunk.triangles[k + m], chunk.vertex_count);
      const int p = chunk.first_vertex + chunk.triangles[k];
      ++drawn[(p / 1001) * 1000 + p % 1001];
    }
    for (int k = 0; k < chunk.line_indices; k += 2) {
      const int a = chunk.first_vertex + chunk.lines[k];
      const int b = chunk.first_vertex + chunk.lines[k + 1];
      ASSERT_LT(chunk.lines[k + 1], chunk.vertex_count);
      ++edges[2 * a + (b == a + 1 ? 0 : 1)];
    }
    triangles += chunk.triangle_indices / 3;
    lines += chunk.line_indices / 2;
  }
  EXPECT_EQ(triangles, mesh.triangle_count);
  EXPECT_EQ(lines, mesh.line_count);
  EXPECT_EQ(triangles, 2 * (1000 * 1000 - 4));
  EXPECT_EQ(lines, 2 * 1000 * 1001 - 4);
  EXPECT_EQ(*std::max_element(drawn.begin(), drawn.end()), 1);
  EXPECT_EQ(*std::max_element(edges.begin(), edges.end()), 1);
}

TEST(MeshIndicesTest, ShapesBeyondTheLimitsAreRefused) {
  EXPECT_TRUE(MeshShapeFits(1000, 1000));
  EXPECT_TRUE(MeshShapeFits(1000, 0));
  EXPECT_FALSE(MeshShapeFits(0, 10));
  EXPECT_FALSE(MeshShapeFits(2000, 1000));
  EXPECT_FALSE(MeshShapeFits(40000, 1));
}

TEST(MeshNormalsTest, FlatSurfaceFacesUpAndDegenerateFacesAddNothing) {
  Mesh3D mesh = FlatGrid(4, 4, true);
  // Column 4 collapses onto column 3: the cells between them are degenerate.
  for (int j = 0; j <= 4; ++j) mesh.vertices[3 * (j * 5 + 4)] = 3 * 1024;
  BuildMeshIndices(mesh);
  ComputeMeshNormals(mesh);
  for (int j = 0; j <= 4; ++j) {
    for (int i = 0; i <= 3; ++i) {
      const std::size_t v = static_cast<std::size_t>(j) * 5 + i;
      EXPECT_EQ(mesh.normals[3 * v + 1], 1024) << i << "," << j;
    }
    const std::size_t edge = static_cast<std::size_t>(j) * 5 + 4;
    EXPECT_EQ(mesh.normals[3 * edge + 1], 0);  // only degenerate cells touch it
  }
}

TEST(ColorSchemeTest, GradientsRunFromTheirCornerColours) {
  Mesh3D mesh = FlatGrid(10, 4);
  const std::array<draw::Color, 4> colors{0x0000FF, 0xFF0000, 0x00FF00, 0xFFFFFF};
  auto rgb = [&](int i, int j) {
    const std::uint8_t* c = mesh.colours.data() + 4 * (j * 11 + i);
    return draw::MakeColor(c[0], c[1], c[2]);
  };
  ApplyColorScheme(mesh, ColourScheme::kTwoColours, colors);
  EXPECT_EQ(rgb(0, 0), 0x0000F8u);
  EXPECT_EQ(rgb(0, 4), 0x0000F8u);
  EXPECT_EQ(rgb(10, 2), 0xF80000u);
  EXPECT_EQ(mesh.colours[3], 255);
  ApplyColorScheme(mesh, ColourScheme::kFourColours, colors);
  EXPECT_EQ(rgb(0, 0), 0x0000F8u);
  EXPECT_EQ(rgb(10, 0), 0xF80000u);
  EXPECT_EQ(rgb(0, 4), 0x00F800u);
  EXPECT_EQ(rgb(10, 4), 0xF8F8F8u);
  EXPECT_EQ(rgb(5, 2), draw::MakeColor(124, 124, 124));  // the four colours' mean
}

}  // namespace
}  // namespace zentrix::graphing::render3d
