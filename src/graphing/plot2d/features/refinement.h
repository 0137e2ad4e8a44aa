#pragma once
// Numeric refinement of a tapped feature: from the x of the feature's pixel column, walk in
// steps of h = 1e-5 to the nearby minimum, maximum, zero or intersection, giving up after
// 10,000 steps.

#include <optional>

#include "graphing/model/graph2d.h"

namespace zentrix::graphing {

enum class FeatureKind : int { kMinimum = 0, kMaximum = 1, kZero = 2, kIntersection = 3 };

inline constexpr double kRefineStep = 1e-5;
inline constexpr int kRefineStepLimit = 10000;

struct RefinedPoint {
  double x = 0;
  double y = 0;
};

// Refines the feature of `graph` near x0 (`other` is the second graph of an intersection)
// with the graphs' EvaluateAt at time t. nullopt when the step limit is reached or a value
// does not evaluate on the way.
std::optional<RefinedPoint> RefineFeature(FeatureKind kind, Graph2D& graph, Graph2D* other,
                                          double x0, double t);

}  // namespace zentrix::graphing
