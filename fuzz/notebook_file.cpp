// Fuzzes the notebook file reader: any bytes open without a crash, within
// the memory the file's size allows, and what was read writes back to a file
// that reads as the same notebook (writing normalises once: a text ends at
// its first zero character, a row's operator record is written in full).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/commands/install_engine.h"
#include "notebook/file/notebook_file.h"
#include "ui/core/ui_state.h"

using namespace zentrix;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zentrix::engine::InstallEngine();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ui::ScopedUiStateReset reset;
  notebook::Notebook first;
  notebook::ReadNotebook(std::string_view(reinterpret_cast<const char*>(data), size), first);
  if (first.EntryCount() > size) std::abort();  // no more entries than the file had bytes

  const std::string written = notebook::WriteNotebook(first);
  notebook::Notebook second;
  // A written notebook always reads whole, unless it has no entries.
  const bool read = notebook::ReadNotebook(written, second);
  if (read != (first.EntryCount() > 0)) std::abort();
  if (notebook::WriteNotebook(second) != written && first.EntryCount() > 0) std::abort();
  return 0;
}
