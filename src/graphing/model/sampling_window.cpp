#include "graphing/model/sampling_window.h"

#include <cmath>
#include <string>

#include "graphing/model/engine_bridge.h"

namespace zentrix::graphing {
namespace {

std::u16string CountText(int count) {
  const std::string digits = std::to_string(count);
  return std::u16string(digits.begin(), digits.end());
}

// The count of the range's text, limited; `exact` tells whether the text
// already says that count (else the clamped count is written back).
RangeApply EvaluateCount(const SamplingRange& range, CountLimits limits,
                         const engine::VariableStore* variables, int& count, bool& exact) {
  const FieldValue v = EvaluateField(range.count_text, variables);
  if (!v.ok) return {false, v.error};
  count = ClampCount(v.value, limits);
  exact = v.value == count;
  return {};
}

void StoreCount(SamplingRange& range, int count, bool exact) {
  if (!exact) range.count_text = CountText(count);
  range.count = count;
}

}  // namespace

RangeApply ApplySamplingRange(SamplingRange& range, CountLimits limits,
                              const engine::VariableStore* variables) {
  const FieldValue minimum = EvaluateField(range.minimum_text, variables);
  if (!minimum.ok) return {false, minimum.error};
  const FieldValue maximum = EvaluateField(range.maximum_text, variables);
  if (!maximum.ok) return {false, maximum.error};
  int count = 0;
  bool exact = true;
  RangeApply counted = EvaluateCount(range, limits, variables, count, exact);
  if (!counted.ok) return counted;
  range.minimum = minimum.value;
  range.maximum = maximum.value;
  StoreCount(range, count, exact);
  return {};
}

std::u16string WindowFailureMessage(std::u16string_view window, int graph_number,
                                    std::u16string_view error) {
  std::u16string message(window);
  message += u" for graph #";
  message += CountText(graph_number);
  message += u" could not be solved.\n[red]";
  message += error;
  message += u"[/]";
  return message;
}

std::u16string ApplySurfaceWindow(Graph3D& graph, int graph_number,
                                  const engine::VariableStore* variables) {
  if (graph.kind() == Graph3DKind::kFunction) {
    // PointsX and PointsY: their counts only.
    int counts[2];
    bool exact[2];
    for (int i = 0; i < 2; ++i) {
      const SamplingRange& range = i == 0 ? graph.u_range : graph.v_range;
      const RangeApply r =
          EvaluateCount(range, kSurfacePointLimits, variables, counts[i], exact[i]);
      if (!r.ok) return WindowFailureMessage(u"The function window", graph_number, r.error);
    }
    StoreCount(graph.u_range, counts[0], exact[0]);
    StoreCount(graph.v_range, counts[1], exact[1]);
    return {};
  }
  std::u16string_view names[2];
  switch (graph.kind()) {
    case Graph3DKind::kSpherical: names[0] = names[1] = u"The spherical window"; break;
    case Graph3DKind::kCylindrical: names[0] = names[1] = u"The cylidrical window"; break;
    default:
      names[0] = u"The parametric window u";
      names[1] = u"The parametric window v";
      break;
  }
  SamplingRange* ranges[2] = {&graph.u_range, &graph.v_range};
  for (int i = 0; i < 2; ++i) {
    const RangeApply r = ApplySamplingRange(*ranges[i], kParameterCountLimits, variables);
    if (!r.ok) return WindowFailureMessage(names[i], graph_number, r.error);
  }
  return {};
}

}  // namespace zentrix::graphing
