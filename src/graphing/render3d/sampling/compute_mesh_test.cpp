// Sampling graphs of every kind into meshes.

#include "graphing/render3d/sampling/compute_mesh.h"

#include <gtest/gtest.h>

#include "graphing/model/eval_context.h"
#include "graphing/model/surfaces.h"
#include "graphing/render3d/mesh/mesh_indices.h"

namespace zentrix::graphing::render3d {
namespace {

class ComputeMeshTest : public ::testing::Test {
 protected:
  ScopedEvalContext context_;
  Window3D window_;
};

TEST_F(ComputeMeshTest, FunctionSurfaceOfTheDefaultGrid) {
  FunctionSurface g;
  ASSERT_TRUE(g.SetExpression(u"sin(x)+cos(y)"));
  ASSERT_TRUE(ComputeMesh(g, window_, 0.0));
  const MeshCounts counts = CountMesh(g.mesh);
  EXPECT_EQ(counts.vertices, 441);
  EXPECT_EQ(counts.valid, 441);
  EXPECT_EQ(counts.triangles, 800);
  EXPECT_EQ(counts.lines, 840);
  // The grid spans the cube: first from -10 to 10, Ymin nearest (depth 10).
  EXPECT_EQ(g.mesh.vertices[0], -10 * 1024);
  EXPECT_EQ(g.mesh.vertices[2], 10 * 1024);
  EXPECT_EQ(g.mesh.vertices[3 * 440], 10 * 1024);
  EXPECT_EQ(g.mesh.vertices[3 * 440 + 2], -10 * 1024);
  // up = z mapped from [-10, 10]: sin(-10) + cos(-10) = -0.2950...
  EXPECT_NEAR(g.mesh.vertices[1] / 1024.0, -0.295, 0.002);
  EXPECT_EQ(g.mesh.normals.size(), 3u * 441);  // lighting is on by default
}

TEST_F(ComputeMeshTest, PoleLeavesAHole) {
  FunctionSurface g;
  ASSERT_TRUE(g.SetExpression(u"1/(x^2+y^2)"));
  ASSERT_TRUE(ComputeMesh(g, window_, 0.0));
  const MeshCounts counts = CountMesh(g.mesh);
  // (0, 0) is the grid's centre vertex: its four cells and edges are missing.
  EXPECT_EQ(counts.valid, 440);
  EXPECT_EQ(counts.triangles, 792);
  EXPECT_EQ(counts.lines, 836);
  EXPECT_EQ(g.mesh.valid[10 * 21 + 10], 0);
}

TEST_F(ComputeMeshTest, ExpressionFailingEverywhereDrawsNothing) {
  FunctionSurface g;
  ASSERT_TRUE(g.SetExpression(u"sqrt(-1-x^2)"));
  ComputeMesh(g, window_, 0.0);
  const MeshCounts counts = CountMesh(g.mesh);
  EXPECT_EQ(counts.valid, 0);
  EXPECT_EQ(counts.triangles, 0);
  EXPECT_EQ(counts.lines, 0);
}

TEST_F(ComputeMeshTest, ParametricOfOneVariableIsASpaceCurve) {
  ParametricSurface g;
  ASSERT_TRUE(g.SetExpressions(u"cos(u)", u"sin(u)", u"u"));
  ASSERT_TRUE(ComputeMesh(g, window_, 0.0));
  EXPECT_TRUE(IsCurve(g.mesh));
  const MeshCounts counts = CountMesh(g.mesh);
  EXPECT_EQ(counts.vertices, 21);
  EXPECT_EQ(counts.lines, 20);
  EXPECT_EQ(counts.triangles, 0);

  ASSERT_TRUE(g.SetExpressions(u"1", u"2", u"3"));  // neither u nor v
  EXPECT_FALSE(ComputeMesh(g, window_, 0.0));
  EXPECT_EQ(CountMesh(g.mesh).vertices, 0);
}

TEST_F(ComputeMeshTest, SphereAndCylinderSampleTheirWindows) {
  SphericalSurface sphere;
  ASSERT_TRUE(sphere.SetExpression(u"5"));
  ASSERT_TRUE(ComputeMesh(sphere, window_, 0.0));
  EXPECT_EQ(CountMesh(sphere.mesh).triangles, 800);
  // θ = 0, φ = 0: (5, 0, 0) maps to first 5.
  EXPECT_EQ(sphere.mesh.vertices[0], 5 * 1024);

  CylindricalSurface cylinder;
  ASSERT_TRUE(cylinder.SetExpression(u"3"));
  ASSERT_TRUE(ComputeMesh(cylinder, window_, 0.0));
  // θ = 0, h = π (last row): (3, 0, π).
  const std::size_t v = 20 * 21;
  EXPECT_EQ(cylinder.mesh.vertices[3 * v], 3 * 1024);
  EXPECT_NEAR(cylinder.mesh.vertices[3 * v + 1] / 1024.0, 3.14159, 0.01);
}

TEST_F(ComputeMeshTest, HostileWindowsAndCountsStayBounded) {
  FunctionSurface g;
  ASSERT_TRUE(g.SetExpression(u"x*y"));
  g.u_range.count = 500;                         // clamped to 100
  g.v_range.count = -3;                          // clamped to 1
  window_.SetValues(0, 0, -1e300, 1e300, 5, 5);  // empty and enormous sides
  ASSERT_TRUE(ComputeMesh(g, window_, 0.0));
  EXPECT_EQ(g.mesh.u_count, 100);
  EXPECT_EQ(g.mesh.v_count, 1);
  EXPECT_EQ(CountMesh(g.mesh).triangles, 200);

  ParametricSurface p;
  ASSERT_TRUE(p.SetExpressions(u"u", u"v", u"10^300*u"));
  p.u_range.count = 1000;
  p.v_range.count = 1000;
  window_.Standard();
  ASSERT_TRUE(ComputeMesh(p, window_, 0.0));
  EXPECT_EQ(CountMesh(p.mesh).vertices, 1001 * 1001);
  EXPECT_GT(ChunksOf(p.mesh).count, 1);
}

TEST(WindowMappingTest, MapsTheWindowOntoTheCube) {
  const AxisMapping m = MakeAxisMapping(-5.0, 15.0);
  EXPECT_EQ(m.scale, 1024);
  EXPECT_EQ(m.offset, -5 * 1024);
  EXPECT_EQ(m.Map(-5.0), -10 * 1024);
  EXPECT_EQ(m.Map(15.0), 10 * 1024);
  EXPECT_EQ(MakeAxisMapping(3.0, 3.0).Map(3.0), 0);
  EXPECT_EQ(MakeAxisMapping(3.0, 1.0).Map(2.0), 0);
}

}  // namespace
}  // namespace zentrix::graphing::render3d
