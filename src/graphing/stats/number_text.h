#pragma once
// Decimal texts of the grapher: fixed notation with a number of decimals, then trailing zeros
// removed, and the decimal point too when nothing follows it (2 prints as "2", 0.25 as "0.25").

#include <string>

namespace zentrix::graphing {

// The value in fixed notation with the given decimals (0 to 17), trimmed. A value that rounds
// to zero prints "0" (never "-0"); non-finite values print "NaN", "∞" or "-∞" in the program's
// characters.
std::u16string FormatTrimmed(double value, int decimals);
// The same text appended to `out`; reuses out's capacity, so drawing code can keep one string
// and allocate nothing per frame.
void AppendTrimmed(double value, int decimals, std::u16string& out);

// The same value at full precision (17 significant digits) in the calculator's entry syntax:
// plain decimals, or a mantissa and the times-ten-to-the-power mark. Compiled back, it gives
// the same double.
std::u16string FormatExact(double value);

}  // namespace zentrix::graphing
