#pragma once
// The graphers' settings in the program's registry: read when the graphers
// start, written when the graphing screen closes. The values and their keys
// are the graph files' settings exchange; this opens and stores the file.

#include "graphing/files/graph_settings.h"
#include "shell/settings/registry.h"

namespace zentrix::shell {

// False when the registry cannot be read (everything stays as it was).
bool LoadGraphSettings(const Registry& registry,
                       const graphing::files::GraphSettingsRefs& settings);
// False when the registry cannot be read or written.
bool SaveGraphSettings(const Registry& registry,
                       const graphing::files::GraphSettingsRefs& settings);

}  // namespace zentrix::shell
