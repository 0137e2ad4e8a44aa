#pragma once
// One axis of a graph's sampling window: minimum, maximum and a count of
// steps or points, each kept as the text the user typed and as its value.

#include <string>

namespace zentrix::graphing {

struct CountLimits {
  int low;
  int high;
};

// Steps of a 2D Parametric or Polar window, and points of 3D Parametric,
// Spherical and Cylindrical windows.
inline constexpr CountLimits kParameterCountLimits{2, 1000};
// PointsX and PointsY of a 3D Function surface.
inline constexpr CountLimits kSurfacePointLimits{1, 100};

struct SamplingRange {
  std::u16string minimum_text;
  std::u16string maximum_text;
  std::u16string count_text;
  double minimum = 0.0;
  double maximum = 0.0;
  int count = 1;

  // (maximum − minimum) / count.
  double step() const { return (maximum - minimum) / count; }
};

// A range with its texts written from the values (defaults of new graphs).
SamplingRange MakeSamplingRange(double minimum, double maximum, int count,
                                std::u16string minimum_text, std::u16string maximum_text);

// The count limited to the limits; NaN counts as the low limit.
int ClampCount(double value, CountLimits limits);

}  // namespace zentrix::graphing
