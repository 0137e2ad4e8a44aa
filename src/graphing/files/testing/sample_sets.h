#pragma once
// Test support: graph sets holding every kind, with a value other than the
// default in every stored field, and a data table with two typed columns.

#include <memory>

#include "graphing/files/data_table.h"
#include "graphing/model/graph_set.h"
#include "graphing/model/parametric_graph.h"
#include "graphing/model/polar_graph.h"
#include "graphing/model/stat_plots.h"
#include "graphing/model/surfaces.h"

namespace zentrix::graphing::files::testing {

inline void FillDataTable(DataTable& table) {
  table.title = u"Data";
  table.grid.SetSize(200, 120);
  table.grid.AddColumn(u"L1");
  table.grid.AddColumn(u"L2");
  const char16_t* xs[] = {u"1", u"2", u"3"};
  const char16_t* ys[] = {u"2", u"4", u"6.5"};
  for (int r = 0; r < 3; ++r) {
    table.grid.AppendCell(0);
    table.grid.Cell(0, r)->SetText(xs[r]);
    table.grid.AppendCell(1);
    table.grid.Cell(1, r)->SetText(ys[r]);
  }
}

// Function, Parametric, Polar, Scatter, Histogram, Box, Normal Probability.
inline void FillEvery2DKind(GraphSet2D& set) {
  set.Create(Graph2DKind::kFunction);
  set[0].expression_text = u"sin(x)";
  set[0].style = GraphStyle::kTopShade;

  set.Create(Graph2DKind::kParametric);
  auto& parametric = static_cast<ParametricGraph&>(set[1]);
  parametric.expression_text = u"cos(u)";
  parametric.y_text = u"sin(2u)";
  parametric.parameter.minimum_text = u"-1";
  parametric.parameter.count_text = u"100";
  parametric.enabled = false;

  set.Create(Graph2DKind::kPolar);
  auto& polar = static_cast<PolarGraph&>(set[2]);
  polar.expression_text = std::u16string(u"2cos(3") + char16_t{229} + u")";
  polar.parameter.maximum_text = u"4\u00ED";  // 4π in the program's characters
  polar.style = GraphStyle::kDotted;

  set.Create(Graph2DKind::kScatter);
  auto& scatter = static_cast<ScatterPlot&>(set[3]);
  scatter.data_text = u"L1";
  scatter.frequency_text = u"L2";
  scatter.connect = true;
  scatter.regression_model = 3;
  scatter.show_regression = true;
  scatter.regression_curve.colour = 0x123456;
  scatter.regression_curve.style = GraphStyle::kDotted;

  set.Create(Graph2DKind::kHistogram);
  auto& histogram = static_cast<HistogramPlot&>(set[4]);
  histogram.data_text = u"L1";
  histogram.frequency_text = u"L2";
  histogram.use_frequency = true;
  histogram.style = GraphStyle::kBottomShade;

  set.Create(Graph2DKind::kBox);
  auto& box = static_cast<BoxPlot&>(set[5]);
  box.data_text = u"L2";
  box.modified = true;
  box.second_colour = 0xFFFFFFFF;  // stored as -1

  set.Create(Graph2DKind::kNormalProbability);
  auto& normal = static_cast<NormalProbabilityPlot&>(set[6]);
  normal.data_text = u"L1";
  normal.connect = true;
  normal.data_axis = 1;
}

// Function, Parametric, Spherical, Cylindrical.
inline void FillEvery3DKind(GraphSet3D& set) {
  set.Create(Graph3DKind::kFunction);
  set[0].expression_text = u"sin(x)+cos(y)";
  set[0].u_range.count_text = u"30";
  set[0].v_range.count_text = u"25";
  set[0].show_points = true;
  set[0].point_size = 3.5f;

  set.Create(Graph3DKind::kParametric);
  auto& parametric = static_cast<ParametricSurface&>(set[1]);
  parametric.expression_text = u"cos(u)sin(v)";
  parametric.y_text = u"sin(u)sin(v)";
  parametric.z_text = u"cos(v)";
  parametric.v_range.maximum_text = u"\u00ED/2";
  parametric.colour_scheme = ColourScheme::kFourColours;
  parametric.scheme_colours = {0x010203, 0x040506, 0x070809, 0x0A0B0C};

  set.Create(Graph3DKind::kSpherical);
  set[2].expression_text = u"2";
  set[2].visible = false;
  set[2].line_width = 2.25f;
  set[2].line_colour = 0x00FF00;

  set.Create(Graph3DKind::kCylindrical);
  set[3].expression_text = u"1+0.5cos(\u00F5)";
  set[3].show_faces = false;
  set[3].point_colour = 0x0000FF;
  set[3].u_range.count_text = u"12";
}

}  // namespace zentrix::graphing::files::testing
