#include "engine/core/command_names.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace zentrix::engine {
namespace {

constexpr CommandRow kRows[] = {
#define ZENTRIX_COMMAND(id, identifier, name, printed, count, help, ...) \
  {id, name, printed, count, help},
#include "engine/core/command_registry.inc"
};

// The rows indexed by id (nullptr where an id has no row).
constexpr std::array<const CommandRow*, kCommandIdLimit> RowsById() {
  std::array<const CommandRow*, kCommandIdLimit> by_id{};
  for (const CommandRow& row : kRows) by_id[row.id] = &row;
  return by_id;
}
constexpr auto kRowsById = RowsById();

constexpr std::size_t NamedRowCount() {
  return std::count_if(std::begin(kRows), std::end(kRows),
                       [](const CommandRow& row) { return !row.name.empty(); });
}

// The named rows sorted by text, for lookup by binary search.
constexpr std::array<CommandRow, NamedRowCount()> RowsByText() {
  std::array<CommandRow, NamedRowCount()> sorted{};
  std::copy_if(std::begin(kRows), std::end(kRows), sorted.begin(),
               [](const CommandRow& row) { return !row.name.empty(); });
  std::sort(sorted.begin(), sorted.end(),
            [](const CommandRow& a, const CommandRow& b) { return a.name < b.name; });
  return sorted;
}
constexpr auto kRowsByText = RowsByText();

}  // namespace

std::span<const CommandRow> CommandRows() { return kRows; }

const CommandRow* FindCommandRow(int id) {
  if (id < 0 || id >= kCommandIdLimit) return nullptr;
  return kRowsById[id];
}

std::span<const CommandRow> CommandRowsByName() { return kRowsByText; }

std::u16string_view CommandName(int id) {
  const CommandRow* row = FindCommandRow(id);
  return row == nullptr ? std::u16string_view() : row->name;
}

std::u16string_view PrintedFunctionName(int id) {
  const CommandRow* row = FindCommandRow(id);
  if (row == nullptr) return {};
  return row->printed.empty() ? row->name : row->printed;
}

int FindCommandId(std::u16string_view name) {
  auto it =
      std::lower_bound(kRowsByText.begin(), kRowsByText.end(), name,
                       [](const CommandRow& row, std::u16string_view n) { return row.name < n; });
  if (it == kRowsByText.end() || it->name != name) return -1;
  return it->id;
}

}  // namespace zentrix::engine
