#pragma once
// The engine's commands as the terminal shows them: names for completion and
// syntax-help texts by group for help. Every look-up of command names and help
// texts goes through this file pair.

#include <string>
#include <string_view>
#include <vector>

namespace zentrix::cli {

struct CatalogCommand {
  std::string name;        // UTF-8, as typed
  std::string_view group;  // "Calculus", "Matrices", ...
  std::string help;        // UTF-8 syntax help, one form per line; empty when there is none
  int argument_count = 0;  // arguments of the usual form
};

// Every named command, group by group, in the order help lists the groups.
const std::vector<CatalogCommand>& CommandCatalog();

// The command of exactly this name, or null.
const CatalogCommand* FindCatalogCommand(std::string_view name);

}  // namespace zentrix::cli
