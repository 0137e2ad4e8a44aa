#pragma once
// Binary64 values to display text under the number settings: fixed, scientific or
// engineering style, a number of decimals (or Float), and trailing zeros kept or
// stripped. Used for every decimal the program shows.

#include <string>

namespace zentrix::engine {

enum class Notation { kNormal = 0, kScientific = 1, kEngineering = 2 };

// Precision value that means "as many decimals as fit" (Float).
constexpr int kFloatPrecision = -1;

struct DecimalFormat {
  int precision = 5;  // decimals; kFloatPrecision for Float
  Notation notation = Notation::kNormal;
  bool show_zeros = false;
};

// The value as text. Non-finite values print "NaN"; scientific and engineering
// exponents follow the times-ten-to-the-power mark.
std::u16string FormatDecimal(double value, const DecimalFormat& format);
// FormatDecimal's text appended to `out`; whole numbers are written straight
// into it, so printing the terms of a large polynomial builds no temporaries.
void AppendDecimal(double value, const DecimalFormat& format, std::u16string& out);

// Float precision in Normal notation without trailing zeros: the form used for
// the parts of fractions and for values printed without settings.
std::u16string FormatFloat(double value);

}  // namespace zentrix::engine
