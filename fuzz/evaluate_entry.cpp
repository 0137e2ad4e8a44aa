// Any entry text ends in a result or an error message: no crash, no undefined
// behaviour, no unbounded recursion, loop or memory. The first two bytes choose
// the settings (number mode, Smart Solve, notation, precision, angle unit, the
// degrees-minutes-seconds Solve); the rest is UTF-8 entry text, one entry per
// line, solved in turn with one variable store as the notebook does. Every answer
// is laid out and also written as the linear text that reads back.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/commands/entry_pipeline.h"
#include "engine/commands/install_engine.h"
#include "engine/core/charset.h"
#include "engine/core/engine_state.h"
#include "engine/core/linear_text.h"
#include "engine/core/variable_store.h"

namespace {

using zentrix::engine::EntryAnswer;
using zentrix::engine::EntrySettings;

// Bits 0-1 number mode, 2 Smart Solve, 3-4 notation, 5 Show Zeros, 6 angle
// unit, 7 degrees-minutes-seconds Solve of the first byte; precision (0-11 or
// Float) and the second Solve of each entry from the second byte.
EntrySettings SettingsFrom(std::uint8_t first, std::uint8_t second) {
  EntrySettings settings;
  settings.number_mode = static_cast<zentrix::engine::NumberMode>((first & 3) % 3);
  settings.smart_solve = (first & 4) != 0;
  settings.decimal.notation = static_cast<zentrix::engine::Notation>(((first >> 3) & 3) % 3);
  settings.decimal.show_zeros = (first & 32) != 0;
  int precision = (second & 15);
  settings.decimal.precision = precision > 11 ? zentrix::engine::kFloatPrecision : precision;
  return settings;
}

void Consume(const EntryAnswer& answer) {
  if (answer.kind != EntryAnswer::Kind::kResult || !answer.shown) return;
  (void)zentrix::engine::LinearText(*answer.shown, {.exact_numbers = true, .power_marks = false});
  (void)zentrix::engine::LinearText(*answer.shown);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zentrix::engine::InstallEngine();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2 || size > 4096) return 0;
  const std::uint8_t first = data[0], second = data[1];
  std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

  zentrix::engine::ScopedEngineState state;
  zentrix::engine::Engine().angle_unit = (first & 64) ? 1 : 0;
  const EntrySettings settings = SettingsFrom(first, second);
  const bool solve_twice = (second & 16) != 0;
  const auto mode = (first & 128) ? zentrix::engine::SolveMode::kDegreesMinutesSeconds
                                  : zentrix::engine::SolveMode::kNormal;
  zentrix::engine::VariableStore store;

  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    auto decoded = zentrix::chars::FromUtf8(text.substr(start, end - start));
    EntryAnswer answer = zentrix::engine::SolveEntry(decoded.text, store, settings, false, mode);
    Consume(answer);
    // Solving again toggles between the exact and the decimal answer.
    if (answer.kind == EntryAnswer::Kind::kResult && solve_twice) {
      Consume(
          zentrix::engine::SolveEntry(decoded.text, store, settings, answer.decimal_toggle, mode));
    }
    start = end + 1;
  }
  return 0;
}
