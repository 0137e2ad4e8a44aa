#pragma once
// The two grapher screens as the program creates them: screens 2 and 3 show
// one graphing screen (made with whichever is shown first), whose questions
// go to the program's message box, whose fields read the calculator's
// variables, and whose Dimensions switch shows the other screen. The
// hardware-button commands "Show/Hide Graph Toolbars" and "Plot/Close Graphs"
// reach it through the program's button hooks.

namespace zentrix::shell {

class CalculatorProgram;

// Sets the factories of screens 2 and 3, the two button hooks and the query
// for a graph shown over the whole screen. The graph settings are read from
// the registry when the graphing screen is made.
void InstallGraphScreens(CalculatorProgram& program);

// The graphing screen closes with the program: the default graph files are
// written back and the graph settings stored (nothing when it was never made).
void CloseGraphScreens(CalculatorProgram& program);

}  // namespace zentrix::shell
