// The graph-set readers (2D and 3D) and the registry exchange of the graph
// settings take any bytes without crashing, hanging or allocating without
// bound. The first byte chooses the reader: 0 the 2D file, 1 the 3D file,
// else the registry (the rest is a registry file). What is read is written
// back, and writing what that reads again gives the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/commands/install_engine.h"
#include "engine/core/engine_state.h"
#include "graphing/files/graph_set_files.h"
#include "graphing/files/graph_settings.h"
#include "graphing/files/testing/graph_settings_holder.h"
#include "ui/core/ui_state.h"

using namespace zentrix;
using namespace zentrix::graphing;

namespace {

constexpr std::string_view kKey = "Software\\Test";

std::string Settings(std::string_view registry_text) {
  platform::RegistryFile in;
  in.Parse(registry_text);
  files::testing::GraphSettingsHolder holder;
  files::ExchangeGraphSettings(in, kKey, files::StreamMode::kRead, holder.Refs());
  platform::RegistryFile out;
  files::ExchangeGraphSettings(out, kKey, files::StreamMode::kWrite, holder.Refs());
  return out.Serialize();
}

std::string Read2D(std::string bytes) {
  GraphSet2D graphs;
  files::DataTable table;
  files::GraphStream stream(std::move(bytes));
  files::ExchangeGraphSet2D(stream, graphs, table);
  if (graphs.size() > kMaxGraphs) std::abort();
  return files::GraphSet2DBytes(graphs, table);
}

std::string Read3D(std::string bytes) {
  GraphSet3D graphs;
  files::GraphStream stream(std::move(bytes));
  files::ExchangeGraphSet3D(stream, graphs);
  if (graphs.size() > kMaxGraphs) std::abort();
  return files::GraphSet3DBytes(graphs);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zentrix::engine::InstallEngine();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  engine::ScopedEngineState engine_state;
  ui::ScopedUiStateReset ui_reset;
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string once;
  std::string twice;
  switch (data[0]) {
    case 0:
      once = Read2D(rest);
      twice = Read2D(once);
      break;
    case 1:
      once = Read3D(rest);
      twice = Read3D(once);
      break;
    default:
      once = Settings(rest);
      twice = Settings(once);
      break;
  }
  if (once != twice) std::abort();
  return 0;
}
