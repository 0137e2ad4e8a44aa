#include "engine/commands/calculus/integrate_table.h"

#include <array>
#include <utility>

#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;
using calculus::Ln;
using calculus::Num;

ExprNode Fn(int f, const ExprNode& u) { return ApplyFunction(f, u); }
ExprNode Mul(ExprNode a, ExprNode b) { return MultiplyTrees(std::move(a), std::move(b)); }
ExprNode Add(ExprNode a, ExprNode b) { return AddTrees(std::move(a), std::move(b)); }
ExprNode Sub(ExprNode a, ExprNode b) { return SubtractTrees(std::move(a), std::move(b)); }
ExprNode Half(ExprNode a) { return MultiplyNumber(std::move(a), Number::Ratio(1, 2)); }
ExprNode Sq(const ExprNode& u) { return PowerNumber(u, Number(2.0)); }
ExprNode Root(ExprNode a) { return SquareRootTree(std::move(a)); }

// u·f(u), the first part of the antiderivative of every inverse function.
ExprNode UTimes(int f, const ExprNode& u) { return Mul(u, Fn(f, u)); }

// ln(u·(1 + sqrt((u² + s)/u²))) with s = -1 (asec, acsc) or +1 (acsch): the
// logarithm that keeps its real part right on both sides of 0.
ExprNode ReciprocalRootLog(const ExprNode& u, double s) {
  ExprNode ratio = DivideTrees(AddNumber(Sq(u), Number(s)), Sq(u));
  return Ln(Mul(u, AddNumber(Root(std::move(ratio)), Number(1.0))));
}

// ln(g(u/2)) - ln(h(u/2)), the antiderivative of csc and csch.
ExprNode HalfAngleLogs(int g, int h, const ExprNode& u) {
  ExprNode half = Half(u);
  return Sub(Ln(Fn(g, half)), Ln(Fn(h, half)));
}

}  // namespace

namespace {

using TableRule = std::optional<ExprNode> (*)(const ExprNode& u);

// The antiderivative column of the elementary functions, by id.
constexpr std::array<TableRule, kCommandIdLimit> AntiderivativesById() {
  std::array<TableRule, kCommandIdLimit> by_id{};
#define ZENTRIX_ELEMENTARY(identifier, family, inverse, reciprocal, numerator, denominator, \
                           undo_by, pole, value, plus, minus, numeric, exact, derivative,   \
                           antiderivative)                                                  \
  by_id[command_id::k##identifier] = [](const ExprNode& u) -> std::optional<ExprNode> {     \
    static_cast<void>(u);                                                                   \
    return antiderivative;                                                                  \
  };
#include "engine/commands/base/elementary_functions.inc"
  return by_id;
}
constexpr auto kAntiderivativesById = AntiderivativesById();

}  // namespace

std::optional<ExprNode> TableAntiderivative(int f, const ExprNode& u) {
  if (f < 0 || f >= kCommandIdLimit || kAntiderivativesById[f] == nullptr) return std::nullopt;
  return kAntiderivativesById[f](u);
}

}  // namespace zentrix::engine
