// What one evaluation of a compiled graph expression costs, beside the same
// expression written as a C++ function, and per postfix instruction.

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "engine/commands/install_engine.h"
#include "engine/core/charset.h"
#include "graphing/model/compiled_expr.h"
#include "graphing/model/eval_context.h"

// The program installs the engine once, before any benchmark runs.
const bool kEngineInstalled = (zentrix::engine::InstallEngine(), true);

namespace zentrix::graphing {
namespace {

constexpr double kPi = 3.141592653589793;

// Samples move a little at each iteration so that nothing folds away.
constexpr double kStep = 1e-4;

void Compiled(benchmark::State& state, const char* text) {
  CompiledExpr expr;
  if (!expr.Compile(chars::U16(text))) {
    state.SkipWithError("does not compile");
    return;
  }
  EvalContext& context = GraphEvaluation();
  context.Set(0, u'x', 1.25);
  context.Set(1, u'a', 1.5);
  context.Set(2, u'b', 7.0);
  double x = 1.25;
  for (auto _ : state) {
    context.slots[0].value = x;
    context.slots[1].value = x;
    context.slots[2].value = x + 5.75;
    double v = 0.0;
    benchmark::DoNotOptimize(expr.Evaluate(v));
    benchmark::DoNotOptimize(v);
    x += kStep;
  }
  state.counters["instructions"] = static_cast<double>(expr.instructions().size());
  state.counters["per_instruction"] = benchmark::Counter(
      static_cast<double>(expr.instructions().size()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

template <typename F>
void Native(benchmark::State& state, F f) {
  double x = 1.25;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(x));
    x += kStep;
  }
}

double Rationals(double x) { return 1 / (x + 1) + 2 / (x + 2) + 3 / (x + 3); }
// b moves with a, as it does for the compiled expression, so that the sine
// is not folded into a constant.
double Trigonometric(double a) {
  const double b = a + 5.75;
  return (a * a / std::sin(2 * kPi / b)) - a / 2;
}
double Polynomial(double x) {
  return 3 * std::pow(x, 5) - 2 * std::pow(x, 4) + std::pow(x, 3) - 7 * x * x + 5 * x - 1;
}
double Roots(double x) { return std::sqrt(std::pow(x, 1.5) + std::pow(x, 2.5)); }

BENCHMARK_CAPTURE(Compiled, rationals, "1/(x+1)+2/(x+2)+3/(x+3)");
BENCHMARK_CAPTURE(Native, rationals, Rationals);
BENCHMARK_CAPTURE(Compiled, trigonometric, "(a^2/sin(2*π/b))-a/2");
BENCHMARK_CAPTURE(Native, trigonometric, Trigonometric);
BENCHMARK_CAPTURE(Compiled, polynomial, "3x^5-2x^4+x^3-7x^2+5x-1");
BENCHMARK_CAPTURE(Native, polynomial, Polynomial);
BENCHMARK_CAPTURE(Compiled, roots, "sqrt(x^1.5+x^2.5)");
BENCHMARK_CAPTURE(Native, roots, Roots);

}  // namespace
}  // namespace zentrix::graphing
