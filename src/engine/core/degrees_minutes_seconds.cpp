#include "engine/core/degrees_minutes_seconds.h"

#include <cmath>

#include "engine/core/charset.h"

namespace zentrix::engine {

std::u16string DegreesMinutesSecondsText(double value, const DecimalFormat& format) {
  double degrees = std::trunc(value);
  double magnitude = std::fabs(value);
  double fraction_minutes = (magnitude - std::trunc(magnitude)) * 60.0;
  double minutes = std::trunc(fraction_minutes);
  double seconds = (fraction_minutes - minutes) * 60.0;
  std::u16string seconds_text = FormatDecimal(seconds, format);
  // Seconds that round up to 60 (10.1 is 10° 5' 59.99999999998'') carry into
  // the minutes, and 60 minutes into the degrees.
  if (seconds_text == u"60" || (seconds_text.rfind(u"60.", 0) == 0 &&
                                seconds_text.find_first_not_of(u"0", 3) == std::u16string::npos)) {
    seconds = 0;
    if (++minutes == 60) {
      minutes = 0;
      degrees += value < 0 ? -1 : 1;
    }
  }

  std::u16string text;
  // The sign lives in the degrees; without whole degrees it would be lost.
  if (value < 0 && degrees == 0) text += u'-';
  if (degrees != 0) {
    text += FormatFloat(degrees);
    text += chars::kDegreeMark;
    text += u' ';
  }
  if (minutes != 0) {
    text += FormatFloat(minutes);
    text += u"' ";
  }
  if (seconds != 0 && seconds > 1e-9 && seconds <= 60) {
    text += seconds_text;
    text += u"''";
  }
  while (!text.empty() && text.back() == u' ') text.pop_back();
  return text;
}

}  // namespace zentrix::engine
