#pragma once
// A real value written as degrees, minutes and seconds: 30.5 as 30° 30'.

#include <string>

#include "engine/core/decimal_format.h"

namespace zentrix::engine {

// Whole degrees with the degree mark, whole minutes with "'", and the seconds
// under the decimal settings with "''"; parts that are zero are left out. A
// negative value below one degree keeps its minus sign.
std::u16string DegreesMinutesSecondsText(double value, const DecimalFormat& format);

}  // namespace zentrix::engine
