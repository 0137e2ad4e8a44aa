#pragma once
// The notes screen as the program creates it: its files in the home folder,
// its questions in the program's message box, and its current file kept in
// the registry value "File4" (read when the screen is created, written when
// the program ends).

#include <memory>

#include "ui/core/screen.h"

namespace zentrix::shell {

class CalculatorProgram;

inline constexpr char kNotesFileValue[] = "File4";

std::unique_ptr<ui::Screen> MakeNotesScreen(CalculatorProgram& program);
// Writes the notes screen's current file name into "File4" (nothing when the
// screen was never created).
void RememberNotesFile(CalculatorProgram& program);

}  // namespace zentrix::shell
