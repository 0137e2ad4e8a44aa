#include "engine/commands/base/elementary_functions.h"

#include <array>

#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

// The function columns name command ids, and None for no function; the other
// fact columns name their enumerators without the k.
namespace function {
constexpr int None = kNoFunction;
#define ZENTRIX_COMMAND(id, identifier, ...) constexpr int identifier = id;
#include "engine/core/command_registry.inc"
}  // namespace function

constexpr ElementaryFacts kFacts[] = {
#define ZENTRIX_ELEMENTARY(identifier, family, inverse, reciprocal, numerator, denominator, \
                           undo_by, pole, value, plus, minus, ...)                          \
  {command_id::k##identifier, FunctionFamily::k##family, function::inverse,                 \
   function::reciprocal,      function::numerator,       function::denominator,             \
   FunctionUndo::k##undo_by,  FunctionPoles::k##pole,    ValueAtInfinity::k##value,         \
   ValueAtInfinity::k##plus,  ValueAtInfinity::k##minus},
#include "engine/commands/base/elementary_functions.inc"
};

constexpr std::array<const ElementaryFacts*, kCommandIdLimit> FactsById() {
  std::array<const ElementaryFacts*, kCommandIdLimit> by_id{};
  for (const ElementaryFacts& facts : kFacts) by_id[facts.id] = &facts;
  return by_id;
}
constexpr auto kFactsById = FactsById();

}  // namespace

const ElementaryFacts* FindElementaryFacts(int id) {
  if (id < 0 || id >= kCommandIdLimit) return nullptr;
  return kFactsById[id];
}

}  // namespace zentrix::engine
