#pragma once
// The names under which function applications are printed: the registry's
// printed names ("Fpdf", "Fcdf", the exponential written as e followed by '^')
// and the command names otherwise.

#include <string>

namespace zentrix::engine {

// The printed name of a function id; empty for ids without a name (the angle
// marks and the unused ids).
std::u16string FunctionName(int id);

}  // namespace zentrix::engine
