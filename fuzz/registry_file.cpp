// Fuzzes the registry file reader, the settings loaded from it, and the
// round trip: what is written back reads back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/registry_file.h"
#include "shell/settings/settings_store.h"

using namespace zentrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::RegistryFile file;
  file.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string written = file.Serialize();
  platform::RegistryFile again;
  again.Parse(written);
  if (again.Serialize() != written) std::abort();
  (void)file.GetDword(shell::kProgramKey, "Precision");
  (void)file.GetString(shell::kProgramKey, "CalculatorFile");
  return 0;
}
