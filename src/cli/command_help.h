#pragma once
// The texts of help and help NAME at the prompt.

#include <optional>
#include <string>
#include <string_view>

namespace zentrix::cli {

// Every command by group: the syntax help of the commands that have one, then
// the names of the others, wrapped to fit `width` columns.
std::string CommandListing(std::size_t width = 78);

// One command's syntax help, or nothing when no command has the name.
std::optional<std::string> CommandHelp(std::string_view name);

}  // namespace zentrix::cli
