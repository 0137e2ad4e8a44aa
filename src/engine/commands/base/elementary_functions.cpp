#include "engine/commands/base/elementary_functions.h"

#include <array>

#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

// The words of the table's fact columns.
namespace word {
constexpr int None = kNoFunction;
#define ZENTRIX_COMMAND(id, identifier, ...) constexpr int identifier = id;
#include "engine/core/command_registry.inc"
constexpr FunctionFamily Circular = FunctionFamily::kCircular;
constexpr FunctionFamily InverseCircular = FunctionFamily::kInverseCircular;
constexpr FunctionFamily Hyperbolic = FunctionFamily::kHyperbolic;
constexpr FunctionFamily InverseHyperbolic = FunctionFamily::kInverseHyperbolic;
constexpr FunctionFamily Logarithm = FunctionFamily::kLogarithm;
constexpr FunctionFamily Exponential = FunctionFamily::kExponential;
constexpr FunctionFamily Root = FunctionFamily::kRoot;
constexpr FunctionFamily Step = FunctionFamily::kStep;
constexpr FunctionFamily Modulus = FunctionFamily::kModulus;
constexpr FunctionFamily Part = FunctionFamily::kPart;
}  // namespace word

// Maps the undo, pole and infinity words, whose "None" differs in type from
// the function columns' None.
namespace undo {
constexpr FunctionUndo None = FunctionUndo::kNone;
constexpr FunctionUndo ByInverse = FunctionUndo::kByInverse;
constexpr FunctionUndo ByForward = FunctionUndo::kByForward;
constexpr FunctionUndo ByLogarithm = FunctionUndo::kByLogarithm;
constexpr FunctionUndo ByExponential = FunctionUndo::kByExponential;
constexpr FunctionUndo ByPowerOfTen = FunctionUndo::kByPowerOfTen;
constexpr FunctionUndo BySquaring = FunctionUndo::kBySquaring;
constexpr FunctionUndo ByBothSigns = FunctionUndo::kByBothSigns;
}  // namespace undo

namespace poles {
constexpr FunctionPoles None = FunctionPoles::kNone;
constexpr FunctionPoles CosineZeros = FunctionPoles::kCosineZeros;
constexpr FunctionPoles SineZeros = FunctionPoles::kSineZeros;
constexpr FunctionPoles ArgumentZero = FunctionPoles::kArgumentZero;
}  // namespace poles

namespace at {
constexpr ValueAtInfinity Unknown = ValueAtInfinity::kUnknown;
constexpr ValueAtInfinity Undefined = ValueAtInfinity::kUnknown;
constexpr ValueAtInfinity PlusInfinity = ValueAtInfinity::kPlusInfinity;
constexpr ValueAtInfinity MinusInfinity = ValueAtInfinity::kMinusInfinity;
constexpr ValueAtInfinity Zero = ValueAtInfinity::kZero;
constexpr ValueAtInfinity One = ValueAtInfinity::kOne;
constexpr ValueAtInfinity MinusOne = ValueAtInfinity::kMinusOne;
constexpr ValueAtInfinity HalfPi = ValueAtInfinity::kHalfPi;
constexpr ValueAtInfinity MinusHalfPi = ValueAtInfinity::kMinusHalfPi;
constexpr ValueAtInfinity UnitInterval = ValueAtInfinity::kUnitInterval;
constexpr ValueAtInfinity RealLine = ValueAtInfinity::kRealLine;
}  // namespace at

constexpr ElementaryFacts kFacts[] = {
#define ZENTRIX_ELEMENTARY(identifier, family, inverse, reciprocal, numerator, denominator, \
                           undo_by, pole, value, plus, minus, ...)                          \
  {command_id::k##identifier,                                                               \
   word::family,                                                                            \
   word::inverse,                                                                           \
   word::reciprocal,                                                                        \
   word::numerator,                                                                         \
   word::denominator,                                                                       \
   undo::undo_by,                                                                           \
   poles::pole,                                                                             \
   at::value,                                                                               \
   at::plus,                                                                                \
   at::minus},
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
