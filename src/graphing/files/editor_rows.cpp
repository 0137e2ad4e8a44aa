#include "graphing/files/editor_rows.h"

#include <initializer_list>

#include "graphing/model/parametric_graph.h"
#include "graphing/model/polar_graph.h"
#include "graphing/model/surfaces.h"

namespace zentrix::graphing::files {
namespace {

EditorRow Row(std::initializer_list<std::u16string*> texts) {
  EditorRow row;
  for (std::u16string* text : texts) row.fields[static_cast<std::size_t>(row.size++)] = text;
  return row;
}

}  // namespace

EditorRow EditorRowOf(Graph2D& graph) {
  switch (graph.kind()) {
    case Graph2DKind::kFunction: return Row({&graph.expression_text});
    case Graph2DKind::kParametric: {
      auto& g = static_cast<ParametricGraph&>(graph);
      return Row({&g.expression_text, &g.y_text, &g.parameter.minimum_text,
                  &g.parameter.maximum_text, &g.parameter.count_text});
    }
    case Graph2DKind::kPolar: {
      auto& g = static_cast<PolarGraph&>(graph);
      return Row({&g.expression_text, &g.parameter.minimum_text, &g.parameter.maximum_text,
                  &g.parameter.count_text});
    }
    default: return {};
  }
}

EditorRow EditorRowOf(Graph3D& graph) {
  SamplingRange& u = graph.u_range;
  SamplingRange& v = graph.v_range;
  switch (graph.kind()) {
    case Graph3DKind::kFunction: return Row({&graph.expression_text, &u.count_text, &v.count_text});
    case Graph3DKind::kParametric: {
      auto& g = static_cast<ParametricSurface&>(graph);
      return Row({&g.expression_text, &g.y_text, &g.z_text, &u.minimum_text, &u.maximum_text,
                  &u.count_text, &v.minimum_text, &v.maximum_text, &v.count_text});
    }
    case Graph3DKind::kSpherical:
    case Graph3DKind::kCylindrical:
      return Row({&graph.expression_text, &u.minimum_text, &u.maximum_text, &u.count_text,
                  &v.minimum_text, &v.maximum_text, &v.count_text});
    case Graph3DKind::kNone: return {};
  }
  return {};
}

}  // namespace zentrix::graphing::files
