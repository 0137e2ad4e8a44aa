#pragma once
// A request to end made from outside the program: SIGTERM (a session ending,
// `kill`), SIGINT (Ctrl+C in the terminal that started it) and SIGHUP (that
// terminal closing). The handler only records the request; the main loop sees
// it between frames and leaves through the normal exit path, so the settings,
// the current notebook and the notes are saved as on any other exit.

namespace zentrix::platform {

// Installs the handlers once; later calls do nothing.
void InstallTerminationHandler();
bool TerminationRequested();

}  // namespace zentrix::platform
