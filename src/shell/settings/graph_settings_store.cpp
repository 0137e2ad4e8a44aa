#include "shell/settings/graph_settings_store.h"

namespace zentrix::shell {

using graphing::files::ExchangeGraphSettings;
using graphing::files::StreamMode;

bool LoadGraphSettings(const Registry& registry,
                       const graphing::files::GraphSettingsRefs& settings) {
  auto file = registry.Open();
  if (!file) return false;
  ExchangeGraphSettings(*file, kProgramKey, StreamMode::kRead, settings);
  return true;
}

bool SaveGraphSettings(const Registry& registry,
                       const graphing::files::GraphSettingsRefs& settings) {
  auto file = registry.Open();
  if (!file) return false;
  ExchangeGraphSettings(*file, kProgramKey, StreamMode::kWrite, settings);
  return registry.Store(*file);
}

}  // namespace zentrix::shell
