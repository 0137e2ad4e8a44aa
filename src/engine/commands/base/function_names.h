#pragma once
// The names under which function applications are printed, which is also the
// order the simplifier sorts them by.

#include <string_view>

namespace zentrix::engine {

// "Fpdf"/"Fcdf" for 54/55, "D" and "Integrate" for 67/68, e followed by "^" for
// exp, the command name otherwise (empty for ids without one).
std::u16string_view PrintedFunctionName(int id);

}  // namespace zentrix::engine
