#pragma once
// The names under which function applications are printed. They are the command
// names, with the printer's own spellings for a few ids ("Fpdf", "Fcdf", and the
// exponential written as e followed by '^').

#include <string>

namespace zentrix::engine {

// The printed name of a function id; empty for ids without a name (the angle
// marks and the unused ids).
std::u16string FunctionName(int id);

}  // namespace zentrix::engine
