#pragma once
// Lines read from standard input (or -f FILE) that are not entries:
//   help, help NAME      the command listing, or one command's syntax help;
//                        only while the session has no variable named help,
//                        so an assigned help keeps its value
//   :help, :help NAME    the same, always
//   :settings            the settings, one per line
//   :SETTING VALUE       changes a setting with the words of its option

#include <string_view>

#include "cli/cli_session.h"

namespace zentrix::cli {

// Carries out a prompt command and returns true, or returns false for an entry.
bool RunPromptCommand(std::string_view line, CliSession& session);

}  // namespace zentrix::cli
