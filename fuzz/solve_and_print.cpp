// Any entry text: solved with a shared variable store, then printed in every
// form the terminal calculator writes. Nothing may crash, hang or leak.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/layout_pretty.h"
#include "engine/commands/entry_pipeline.h"
#include "engine/commands/install_engine.h"
#include "engine/core/answer_text.h"
#include "engine/core/charset.h"
#include "engine/core/linear_text.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zentrix::engine::InstallEngine();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  static zentrix::engine::VariableStore variables;
  if (variables.Count() > 64) variables.Clear();
  zentrix::chars::Utf8Decoding text =
      zentrix::chars::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!text.ok()) return 0;
  zentrix::engine::EntrySettings settings;
  settings.number_mode = static_cast<zentrix::engine::NumberMode>(size % 3);
  zentrix::engine::EntryAnswer answer =
      zentrix::engine::SolveEntry(text.text, variables, settings, size % 2 == 0);
  zentrix::engine::RenderText(answer.layout);
  zentrix::cli::RenderPretty(answer.layout);
  if (answer.shown) {
    zentrix::engine::LinearText(*answer.shown, {true, false});
    zentrix::engine::LinearText(*answer.shown);
  }
  return 0;
}
