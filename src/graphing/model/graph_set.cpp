#include "graphing/model/graph_set.h"

#include "graphing/model/function_graph.h"
#include "graphing/model/parametric_graph.h"
#include "graphing/model/polar_graph.h"
#include "graphing/model/stat_plots.h"
#include "graphing/model/surfaces.h"

namespace zentrix::graphing {
namespace {

using namespace colour;

constexpr Colour kEquationColours[4] = {kMagenta, kRed, kGreen, kYellow};
constexpr Colour kStatColours[4][2] = {
    {kMagenta, kOrange}, {kRed, kGreen}, {kGreen, kYellow}, {kOrange, kRed}};

struct SurfaceColours {
  Colour first;
  Colour second;
  ColourScheme scheme;
};
constexpr SurfaceColours kSurfaceColours[4] = {
    {kBlue, kRed, ColourScheme::kTwoColours},
    {kRed, kWhite, ColourScheme::kOneColour},
    {kGreen, kWhite, ColourScheme::kOneColour},
    {kYellow, kWhite, ColourScheme::kOneColour},
};

std::unique_ptr<StatPlot> MakeStatPlot(Graph2DKind kind) {
  switch (kind) {
    case Graph2DKind::kScatter: return std::make_unique<ScatterPlot>();
    case Graph2DKind::kHistogram: return std::make_unique<HistogramPlot>();
    case Graph2DKind::kBox: return std::make_unique<BoxPlot>();
    case Graph2DKind::kNormalProbability: return std::make_unique<NormalProbabilityPlot>();
    default: return nullptr;
  }
}

}  // namespace

std::unique_ptr<Graph2D> MakeGraph2D(Graph2DKind kind, std::size_t n) {
  const std::size_t slot = n % 4;
  std::unique_ptr<Graph2D> graph;
  switch (kind) {
    case Graph2DKind::kFunction: graph = std::make_unique<FunctionGraph>(); break;
    case Graph2DKind::kParametric: graph = std::make_unique<ParametricGraph>(); break;
    case Graph2DKind::kPolar: graph = std::make_unique<PolarGraph>(); break;
    case Graph2DKind::kNone: return nullptr;
    default: {
      std::unique_ptr<StatPlot> plot = MakeStatPlot(kind);
      if (!plot) return nullptr;
      plot->colour = kStatColours[slot][0];
      plot->second_colour = kStatColours[slot][1];
      return plot;
    }
  }
  graph->colour = kEquationColours[slot];
  return graph;
}

std::unique_ptr<Graph3D> MakeGraph3D(Graph3DKind kind, std::size_t n) {
  std::unique_ptr<Graph3D> graph;
  switch (kind) {
    case Graph3DKind::kFunction: graph = std::make_unique<FunctionSurface>(); break;
    case Graph3DKind::kParametric: graph = std::make_unique<ParametricSurface>(); break;
    case Graph3DKind::kSpherical: graph = std::make_unique<SphericalSurface>(); break;
    case Graph3DKind::kCylindrical: graph = std::make_unique<CylindricalSurface>(); break;
    case Graph3DKind::kNone: return nullptr;
  }
  const SurfaceColours& c = kSurfaceColours[n % 4];
  graph->scheme_colours[0] = c.first;
  graph->scheme_colours[1] = c.second;
  graph->colour_scheme = c.scheme;
  return graph;
}

CreateResult GraphSet2D::Create(Graph2DKind kind) {
  if (full()) return {false, kTooManyGraphsMessage};
  return {Append(MakeGraph2D(kind, size())), {}};
}

CreateResult GraphSet3D::Create(Graph3DKind kind) {
  if (full()) return {false, kTooManyGraphsMessage};
  return {Append(MakeGraph3D(kind, size())), {}};
}

}  // namespace zentrix::graphing
