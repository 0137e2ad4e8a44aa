#include "graphing/render3d/scene/render_graph.h"

#include "graphing/render3d/mesh/color_scheme.h"
#include "graphing/render3d/mesh/mesh_indices.h"

namespace zentrix::graphing::render3d {
namespace {

void BindChunk(Rasterizer& r, const Mesh3D& mesh, const MeshChunk& chunk, bool normals) {
  const std::size_t first = static_cast<std::size_t>(chunk.first_vertex);
  r.EnableArray(ClientArray::kVertex, true);
  r.SetVertexArray(mesh.vertices.data() + 3 * first, chunk.vertex_count);
  r.SetColorArray(mesh.colours.data() + 4 * first);
  r.EnableArray(ClientArray::kNormal, normals);
  r.SetNormalArray(normals ? mesh.normals.data() + 3 * first : nullptr);
}

void RenderChunk(Rasterizer& r, const Graph3D& g, const MeshChunk& chunk, bool lit) {
  const bool one_color = g.colour_scheme == ColourScheme::kOneColour;
  const draw::Color first_color = MaskColor(g.scheme_colours[0]);

  if (g.show_points) {
    // Beside lines or faces, points take their own colour.
    const bool own = g.show_faces || g.show_lines;
    r.EnableArray(ClientArray::kColor, !own && !one_color);
    r.SetColor(own ? g.point_colour : first_color);
    r.SetPointSize(g.point_size);
    r.DrawPoints(chunk.triangles, chunk.triangle_indices);
  }
  if (g.show_lines) {
    // Over faces, lines are unlit in the line colour so that they stand out.
    if (g.show_faces) {
      r.EnableArray(ClientArray::kColor, false);
      r.Enable(Capability::kLighting, false);
      r.SetColor(g.line_colour);
    } else {
      r.EnableArray(ClientArray::kColor, !one_color);
      r.SetColor(first_color);
    }
    r.SetLineWidth(g.line_width);
    r.DrawLines(chunk.lines, chunk.line_indices);
    r.Enable(Capability::kLighting, lit);
  }
  if (g.show_faces) {
    r.EnableArray(ClientArray::kColor, !one_color);
    r.SetColor(first_color);
    r.Enable(Capability::kPolygonOffset, true);
    r.Enable(Capability::kFill, true);
    r.DrawTriangles(chunk.triangles, chunk.triangle_indices);
    r.Enable(Capability::kPolygonOffset, false);
  }
}

}  // namespace

void RenderGraph(Rasterizer& r, const Graph3D& graph) {
  const Mesh3D& mesh = graph.mesh;
  if (!graph.visible || mesh.u_count < 1 || mesh.valid.size() != mesh.vertex_count()) return;
  const MeshChunkList list = ChunksOf(mesh);
  const bool one_color = graph.colour_scheme == ColourScheme::kOneColour;
  if (IsCurve(mesh)) {
    BindChunk(r, mesh, list.chunks[0], false);
    r.Enable(Capability::kLighting, false);
    r.EnableArray(ClientArray::kColor, !one_color);
    r.SetColor(MaskColor(graph.scheme_colours[0]));
    r.SetLineWidth(graph.line_width);
    r.DrawLines(list.chunks[0].lines, list.chunks[0].line_indices);
    return;
  }
  const bool lit = graph.lighting && mesh.normals.size() == 3 * mesh.vertex_count();
  for (int k = 0; k < list.count; ++k) {
    BindChunk(r, mesh, list.chunks[k], lit);
    r.Enable(Capability::kLighting, lit);
    RenderChunk(r, graph, list.chunks[k], lit);
  }
  r.Enable(Capability::kLighting, false);
}

}  // namespace zentrix::graphing::render3d
