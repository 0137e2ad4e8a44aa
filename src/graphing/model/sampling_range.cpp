#include "graphing/model/sampling_range.h"

#include <cmath>
#include <string>

namespace zentrix::graphing {

SamplingRange MakeSamplingRange(double minimum, double maximum, int count,
                                std::u16string minimum_text, std::u16string maximum_text) {
  SamplingRange range;
  range.minimum = minimum;
  range.maximum = maximum;
  range.count = count;
  range.minimum_text = std::move(minimum_text);
  range.maximum_text = std::move(maximum_text);
  const std::string digits = std::to_string(count);
  range.count_text.assign(digits.begin(), digits.end());
  return range;
}

int ClampCount(double value, CountLimits limits) {
  if (!(value >= limits.low)) return limits.low;
  if (value >= limits.high) return limits.high;
  return static_cast<int>(std::trunc(value));
}

}  // namespace zentrix::graphing
