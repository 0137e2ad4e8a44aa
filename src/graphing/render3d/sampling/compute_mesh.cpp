#include "graphing/render3d/sampling/compute_mesh.h"

#include <algorithm>
#include <array>
#include <new>

#include "graphing/model/surfaces.h"
#include "graphing/render3d/mesh/color_scheme.h"
#include "graphing/render3d/mesh/mesh_indices.h"
#include "graphing/render3d/raster/fixed_point.h"

namespace zentrix::graphing::render3d {
namespace {

// The value of sample k of n over [min, max] (computed afresh per sample so
// that no rounding accumulates).
double SampleAt(const SamplingRange& range, double min, double max, int k) {
  return min + (max - min) * k / range.count;
}

void StoreVertex(Mesh3D& mesh, std::size_t index, bool ok, std::int32_t first, std::int32_t up,
                 std::int32_t depth) {
  std::int32_t* v = mesh.vertices.data() + 3 * index;
  mesh.valid[index] = ok ? 1 : 0;
  v[0] = ok ? first : 0;
  v[1] = ok ? up : 0;
  v[2] = ok ? depth : 0;
}

void StorePoint(Mesh3D& mesh, std::size_t index, bool ok, const Point3& p,
                const WindowMapping& map) {
  StoreVertex(mesh, index, ok, map.x.Map(p.x), map.z.Map(p.z),
              Saturate32(-std::int64_t{map.y.Map(p.y)}));
}

void SampleFunction(Graph3D& graph, const Window3D& window, double t) {
  Mesh3D& mesh = graph.mesh;
  const WindowMapping map = WindowMapping::Of(window);
  const int columns = mesh.u_count, rows = mesh.v_count;
  for (int j = 0; j <= rows; ++j) {
    const double y = SampleAt(graph.v_range, window.ymin(), window.ymax(), j);
    // Single precision, as the grid's coordinates are only a layout.
    const float depth = -(-10.0f + static_cast<float>(j) * 20.0f / static_cast<float>(rows));
    for (int i = 0; i <= columns; ++i) {
      const double x = SampleAt(graph.u_range, window.xmin(), window.xmax(), i);
      const float first = -10.0f + static_cast<float>(i) * 20.0f / static_cast<float>(columns);
      Point3 p;
      const bool ok = graph.EvaluatePoint(x, y, t, p);
      StoreVertex(mesh, static_cast<std::size_t>(j) * (columns + 1) + i, ok, ToFixed(first),
                  map.z.Map(p.z), ToFixed(depth));
    }
  }
}

void SampleGrid(Graph3D& graph, const Window3D& window, double t) {
  Mesh3D& mesh = graph.mesh;
  const WindowMapping map = WindowMapping::Of(window);
  const SamplingRange& u = graph.u_range;
  const SamplingRange& v = graph.v_range;
  for (int j = 0; j <= mesh.v_count; ++j) {
    const double b = SampleAt(v, v.minimum, v.maximum, j);
    for (int i = 0; i <= mesh.u_count; ++i) {
      Point3 p;
      const bool ok = graph.EvaluatePoint(SampleAt(u, u.minimum, u.maximum, i), b, t, p);
      StorePoint(mesh, static_cast<std::size_t>(j) * (mesh.u_count + 1) + i, ok, p, map);
    }
  }
}

void SampleCurve(ParametricSurface& graph, const Window3D& window, double t) {
  Mesh3D& mesh = graph.mesh;
  const WindowMapping map = WindowMapping::Of(window);
  const bool over_u = graph.curve_variable() == graph.first_variable();
  const SamplingRange& range = over_u ? graph.u_range : graph.v_range;
  for (int k = 0; k <= mesh.u_count; ++k) {
    const double s = SampleAt(range, range.minimum, range.maximum, k);
    Point3 p;
    const bool ok = over_u ? graph.EvaluatePoint(s, graph.v_range.minimum, t, p)
                           : graph.EvaluatePoint(graph.u_range.minimum, s, t, p);
    StorePoint(mesh, static_cast<std::size_t>(k), ok, p, map);
  }
}

int ClampedCount(const SamplingRange& range, CountLimits limits) {
  return std::clamp(range.count, limits.low, limits.high);
}

}  // namespace

bool ComputeMesh(Graph3D& graph, const Window3D& window, double t) {
  Mesh3D& mesh = graph.mesh;
  static std::uint64_t versions = 0;
  mesh.version = ++versions;
  auto* parametric =
      graph.kind() == Graph3DKind::kParametric ? static_cast<ParametricSurface*>(&graph) : nullptr;
  const bool function = graph.kind() == Graph3DKind::kFunction;
  const CountLimits limits = function ? kSurfacePointLimits : kParameterCountLimits;
  graph.u_range.count = ClampedCount(graph.u_range, limits);
  graph.v_range.count = ClampedCount(graph.v_range, limits);

  bool drawable = graph.compiled && graph.kind() != Graph3DKind::kNone;
  bool curve = false;
  if (parametric != nullptr) {
    // Expressions of neither u nor v draw nothing.
    drawable = drawable && parametric->curve_mode() != ParametricSurface::CurveMode::kNone;
    curve = parametric->curve_mode() == ParametricSurface::CurveMode::kCurve;
  }
  int columns = graph.u_range.count, rows = graph.v_range.count;
  if (curve) {
    columns = parametric->curve_variable() == graph.first_variable() ? graph.u_range.count
                                                                     : graph.v_range.count;
    rows = 0;
  }
  if (!drawable || !MeshShapeFits(columns, rows)) {
    mesh = Mesh3D{};
    return false;
  }
  try {
    mesh.Allocate(columns, rows, graph.lighting && !curve);
  } catch (const std::bad_alloc&) {
    mesh = Mesh3D{};
    return false;
  }

  if (function) {
    SampleFunction(graph, window, t);
  } else if (curve) {
    SampleCurve(*parametric, window, t);
  } else {
    SampleGrid(graph, window, t);
  }
  BuildMeshIndices(mesh);
  if (graph.lighting && !curve) ComputeMeshNormals(mesh);
  ApplyColorScheme(mesh, graph.colour_scheme, graph.scheme_colours);
  return true;
}

}  // namespace zentrix::graphing::render3d
