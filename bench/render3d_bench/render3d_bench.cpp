// 3D rendering speed on one core: frames of a 100 × 100 lit, smoothly shaded
// Function surface with its lines in a 480×640 viewport, the 20 × 20 default,
// the parts of a frame (clear, faces, lines, axes) to show where the time
// goes, and mesh recomputation of a time-animated 100 × 100 surface.

#include <benchmark/benchmark.h>

#include <vector>

#include "draw/headless_display.h"
#include "draw/surface.h"
#include "engine/commands/install_engine.h"
#include "graphing/model/eval_context.h"
#include "graphing/model/surfaces.h"
#include "graphing/render3d/mesh/mesh_indices.h"
#include "graphing/render3d/raster/rasterizer.h"
#include "graphing/render3d/raster/trig_table.h"
#include "graphing/render3d/sampling/compute_mesh.h"
#include "graphing/render3d/scene/render_graph.h"
#include "graphing/render3d/scene/scene_painter.h"

// The program installs the engine once, before any benchmark runs.
const bool kEngineInstalled = (zentrix::engine::InstallEngine(), true);

namespace zentrix::graphing::render3d {
namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 640;

struct Fixture {
  draw::HeadlessDisplay display;
  draw::Surface surface;
  Window3D window;
  FunctionSurface graph;
  View3D view;
  ScenePainter painter;

  Fixture(int points, bool lines) {
    display.Open(kWidth, kHeight);
    surface.Create(draw::surface_flags::kClear, kWidth, kHeight);
    graph.SetExpression(u"sin(x)+cos(y)");
    graph.u_range.count = points;
    graph.v_range.count = points;
    graph.show_lines = lines;
    graph.scheme_colours = {0xFF0000, 0x0000FF, 0xFFFFFF, 0xFFFFFF};
    graph.line_colour = 0x404040;  // not the background, so coverage counts it
    view.shade = ShadeModel::kSmooth;
    view.lighting = true;
    // Seen more from above and nearer than the default, the surface covers
    // about three quarters of the viewport (its near corner leaves it).
    view.translation = {0.0f, 0.0f, -18.0f};
    view.rotation[0] = 60.0f;
    ComputeMesh(graph, window, 0.0);
  }

  void Frame() {
    Graph3D* graphs[] = {&graph};
    painter.Paint(surface, draw::Rect{0, 0, kWidth, kHeight}, view, graphs, window);
  }

  // Share of the viewport the frame covered.
  double Coverage() {
    int covered = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) covered += surface.Row(y)[x] != 0;
    }
    return static_cast<double>(covered) / (kWidth * kHeight);
  }
};

void ReportFrame(benchmark::State& state, Fixture& f) {
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["triangles"] = f.painter.Stats().triangles_drawn;
  state.counters["lines"] = f.painter.Stats().lines_drawn;
  state.counters["coverage"] = f.Coverage();
}

void BM_LitSmooth100(benchmark::State& state) {
  ScopedEvalContext context;
  Fixture f(100, true);
  for (auto _ : state) f.Frame();
  ReportFrame(state, f);
}
BENCHMARK(BM_LitSmooth100)->Unit(benchmark::kMillisecond);

void BM_LitSmooth100FacesOnly(benchmark::State& state) {
  ScopedEvalContext context;
  Fixture f(100, false);
  for (auto _ : state) f.Frame();
  ReportFrame(state, f);
}
BENCHMARK(BM_LitSmooth100FacesOnly)->Unit(benchmark::kMillisecond);

void BM_LitFlat100(benchmark::State& state) {
  ScopedEvalContext context;
  Fixture f(100, true);
  f.view.shade = ShadeModel::kFlat;
  for (auto _ : state) f.Frame();
  ReportFrame(state, f);
}
BENCHMARK(BM_LitFlat100)->Unit(benchmark::kMillisecond);

void BM_Default20(benchmark::State& state) {
  ScopedEvalContext context;
  Fixture f(20, true);
  f.view = View3D{};
  f.graph.lighting = false;
  ComputeMesh(f.graph, f.window, 0.0);
  for (auto _ : state) f.Frame();
  ReportFrame(state, f);
}
BENCHMARK(BM_Default20)->Unit(benchmark::kMillisecond);

// The parts of the 100 × 100 frame, each on its own.
void BM_Part(benchmark::State& state) {
  ScopedEvalContext context;
  Fixture f(100, true);
  Rasterizer r;
  const int part = static_cast<int>(state.range(0));
  const MeshChunk chunk = ChunksOf(f.graph.mesh).chunks[0];
  r.SetViewport(0, 0, kWidth, kHeight);
  r.SetShadeModel(ShadeModel::kSmooth);
  r.SetRotation(60, 30, 0);
  r.SetTranslation(0, 0, -18 * kFixedOne);
  for (auto _ : state) {
    r.Begin(f.surface);
    r.Clear(0);
    if (part >= 1) {
      // Transform and lighting of the vertices: a changed rotation each frame.
      r.SetRotation(60, 30 + (state.iterations() & 1), 0);
      r.EnableArray(ClientArray::kVertex, true);
      r.SetVertexArray(f.graph.mesh.vertices.data(), chunk.vertex_count);
      r.EnableArray(ClientArray::kColor, true);
      r.SetColorArray(f.graph.mesh.colours.data());
      r.EnableArray(ClientArray::kNormal, true);
      r.SetNormalArray(f.graph.mesh.normals.data());
      r.Enable(Capability::kLighting, true);
      r.DrawPoints(chunk.triangles, 0);
    }
    if (part == 2) r.DrawTriangles(chunk.triangles, chunk.triangle_indices);
    if (part == 3) {
      r.Enable(Capability::kLighting, false);
      r.EnableArray(ClientArray::kColor, false);
      r.DrawLines(chunk.lines, chunk.line_indices);
    }
    r.End();
  }
}
BENCHMARK(BM_Part)
    ->Arg(0)  // clear colour and depth
    ->Arg(1)  // + transform, projection and lighting of 10,201 vertices
    ->Arg(2)  // + 19,602 smooth lit triangles
    ->Arg(3)  // + 20,200 lines instead of the triangles
    ->Unit(benchmark::kMillisecond);

void BM_RecomputeAnimated100(benchmark::State& state) {
  ScopedEvalContext context;
  Fixture f(100, true);
  f.graph.SetExpression(u"sin(x+T)+cos(y-T)");
  double t = 0.0;
  for (auto _ : state) {
    t += 0.1;
    ComputeMesh(f.graph, f.window, t);
  }
  state.counters["valid"] = CountMesh(f.graph.mesh).valid;
}
BENCHMARK(BM_RecomputeAnimated100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrix::graphing::render3d
