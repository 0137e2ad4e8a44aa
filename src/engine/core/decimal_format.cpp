#include "engine/core/decimal_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/core/charset.h"

namespace zentrix::engine {
namespace {

// Characters of digits and sign shown before rounding cuts the decimals.
constexpr int kFixedWidth = 11;
constexpr int kMaxDecimals = 14;

std::u16string Widen(const std::string& ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

// The value with `decimals` digits after the point, correctly rounded, as
// printf's "%.*f" writes it.
std::string FixedDigits(double value, int decimals) {
  char buffer[400];
  auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return std::string(buffer, end.ptr);
}

// The integer part of a value, truncated toward zero, without a "-0".
std::string IntegerPartText(double value) {
  double whole = std::trunc(value);
  if (whole == 0.0) return "0";
  return FixedDigits(whole, 0);
}

void StripTrailingZeros(std::string& text) {
  std::size_t point = text.find('.');
  if (point == std::string::npos) return;
  std::size_t end = text.find_last_not_of('0');
  if (end == point) end = point - 1;  // nothing left after the point: drop it too
  text.erase(end + 1);
}

std::string FixedText(double value, int precision, bool show_zeros) {
  if (precision < 0 || precision > kMaxDecimals) precision = kMaxDecimals;
  std::string whole = IntegerPartText(value);
  if (precision == 0) return whole;
  int whole_width = static_cast<int>(whole.size());
  if (value < 0 && whole == "0") ++whole_width;  // the sign counts, as in "-0.5"
  int room = kFixedWidth - whole_width;
  if (room <= 0) return whole;
  int decimals = room < precision ? room : precision;
  std::string text = FixedDigits(value, decimals);
  if (!show_zeros || std::trunc(value) == value) StripTrailingZeros(text);
  if (text == "-0") text = "0";
  return text;
}

// The number of digits before the point of a fixed-style text; the text
// reaches 10^k exactly when it has more than k of them.
int IntegerDigits(const std::string& text) {
  std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
  std::size_t point = text.find('.');
  return static_cast<int>((point == std::string::npos ? text.size() : point) - start);
}

// Scales the value into [1, limit) (or (-limit, -1]) by steps of `step`,
// counting the exponent in steps of `exponent_step`.
void Normalise(double value, double limit, double factor, int exponent_step, double& mantissa,
               int& exponent) {
  mantissa = value;
  exponent = 0;
  if (value >= limit) {
    while (mantissa >= limit) mantissa *= 1.0 / factor, exponent += exponent_step;
  } else if (value > 0 && value < 1) {
    while (mantissa < 1) mantissa *= factor, exponent -= exponent_step;
  } else if (value <= -limit) {
    while (mantissa <= -limit) mantissa *= 1.0 / factor, exponent += exponent_step;
  } else if (value < 0 && value > -1) {
    while (mantissa > -1) mantissa *= factor, exponent -= exponent_step;
  }
}

std::u16string ExponentText(double value, const DecimalFormat& format, double factor,
                            int exponent_step) {
  const double limit = factor;
  double mantissa;
  int exponent;
  Normalise(value, limit, factor, exponent_step, mantissa, exponent);
  std::string text = FixedText(mantissa, format.precision, format.show_zeros);
  // Rounding the decimals can carry the mantissa up to the limit (9.999996 to
  // "10"); move that carry into the exponent so the mantissa stays normalised.
  if (IntegerDigits(text) > exponent_step) {
    mantissa /= factor;
    exponent += exponent_step;
    text = FixedText(mantissa, format.precision, format.show_zeros);
  }
  std::u16string out = Widen(text);
  out += chars::kTimesTenPower;
  out += Widen(std::to_string(exponent));
  return out;
}

// Whole numbers that print in fixed style are their digits whatever the
// precision (no decimals survive zero stripping), so they skip the formatted
// printing, which dominates the cost of printing large polynomials.
bool IsPlainWholeNumber(double value, const DecimalFormat& format) {
  double magnitude = std::fabs(value);
  return format.notation == Notation::kNormal && magnitude >= 1 && magnitude <= 1e9 &&
         std::trunc(value) == value;
}

// The digits of a whole number of at most 10^9, written from the end of a
// small buffer and appended at once.
void AppendWholeNumber(double value, std::u16string& out) {
  char16_t buffer[16];
  char16_t* start = buffer + sizeof buffer / sizeof buffer[0];
  std::int64_t n = static_cast<std::int64_t>(value);
  const bool negative = n < 0;
  if (negative) n = -n;
  do {
    *--start = static_cast<char16_t>(u'0' + n % 10);
    n /= 10;
  } while (n > 0);
  if (negative) *--start = u'-';
  out.append(start, static_cast<std::size_t>(buffer + sizeof buffer / sizeof buffer[0] - start));
}

std::u16string WholeNumberText(double value) {
  std::u16string text;
  AppendWholeNumber(value, text);
  return text;
}

}  // namespace

std::u16string FormatDecimal(double value, const DecimalFormat& format) {
  if (!std::isfinite(value)) return u"NaN";
  if (value == 0.0) return u"0";
  if (IsPlainWholeNumber(value, format)) return WholeNumberText(value);
  Notation style = format.notation;
  if (style == Notation::kNormal) {
    double magnitude = std::fabs(value);
    bool below_precision = format.precision > 0 && magnitude < std::pow(10.0, -format.precision);
    if (below_precision || magnitude < 1e-9 || magnitude > 1e9) style = Notation::kScientific;
  }
  switch (style) {
    case Notation::kScientific: return ExponentText(value, format, 10.0, 1);
    case Notation::kEngineering: return ExponentText(value, format, 1000.0, 3);
    case Notation::kNormal: break;
  }
  return Widen(FixedText(value, format.precision, format.show_zeros));
}

void AppendDecimal(double value, const DecimalFormat& format, std::u16string& out) {
  if (std::isfinite(value) && IsPlainWholeNumber(value, format)) {
    AppendWholeNumber(value, out);
  } else {
    out += FormatDecimal(value, format);
  }
}

std::u16string FormatFloat(double value) {
  return FormatDecimal(value, DecimalFormat{kFloatPrecision, Notation::kNormal, false});
}

}  // namespace zentrix::engine
